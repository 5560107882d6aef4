#!/usr/bin/env python3
"""Writes beep-beep.aiff, the scanner's success sound: two short 1.8 kHz beeps.

    python3 make_sound.py ..
"""
import aifc
import math
import struct
import sys
import warnings

warnings.filterwarnings("ignore", category=DeprecationWarning)

RATE = 22050


def tone(seconds, freq, volume=0.5):
    count = int(RATE * seconds)
    out = []
    for i in range(count):
        # A short fade at both ends keeps the beep from clicking.
        edge = min(1.0, i / 200.0, (count - i) / 200.0)
        out.append(int(32767 * volume * edge * math.sin(2 * math.pi * freq * i / RATE)))
    return out


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    samples = tone(0.09, 1800) + [0] * int(RATE * 0.06) + tone(0.09, 1800)
    with aifc.open(folder + "/beep-beep.aiff", "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(b"".join(struct.pack(">h", s) for s in samples))


if __name__ == "__main__":
    main()
