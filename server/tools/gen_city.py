#!/usr/bin/env python3
"""Writes the seed of the demo city (server/data/city.sql) and its pictures.

The city is laid on a street grid: east-west roads are rows, north-south
streets are columns, and every crossing that a line passes is a station.
Busy crossings have several stops of one name (one per side or square), and
each line is told which of them it uses. Run it again after editing the
tables below; the server reads only the files it writes.
"""
import math
import os
import shutil
import struct
import subprocess
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "data")

EW = ["凤凰街", "北京路", "上海路", "解放街", "新华街", "文化街", "长城路", "宁安大街", "黄河路", "贺兰山路"]
NS = ["金波街", "正源街", "丽景街", "民族街", "鼓楼街", "中山街", "玉皇阁街", "清和街", "湖滨街", "利民街", "银古路", "满春路"]
DISTRICTS = [(0, 3, "西夏区"), (4, 7, "金凤区"), (8, 11, "兴庆区")]

# Named crossings (column, row): landmarks a rider knows.
LANDMARKS = {
    (0, 0): "西夏广场", (1, 0): "宁夏大学", (2, 0): "朔方路口", (3, 0): "南关清真寺", (4, 0): "南门广场",
    (5, 0): "南门", (6, 0): "玉皇阁", (7, 0): "长途汽车站", (8, 0): "东门", (9, 0): "丽子园", (10, 0): "掌政",
    (11, 0): "河东机场路口",
    (0, 1): "文昌路", (3, 1): "第一中学", (5, 1): "人民医院", (8, 1): "中山公园", (11, 1): "兴庆区政府",
    (0, 2): "西夏区政府", (2, 2): "怀远市场", (4, 2): "新华百货", (5, 2): "鼓楼", (6, 2): "鼓楼北",
    (7, 2): "步行街", (9, 2): "光明广场", (11, 2): "清和园",
    (1, 3): "贺兰山体育场", (3, 3): "银川大学", (5, 3): "人民广场", (6, 3): "市政府", (8, 3): "博物馆",
    (10, 3): "图书馆",
    (0, 4): "西花园", (2, 4): "火车站", (4, 4): "阅海湾", (6, 4): "宝湖公园", (8, 4): "体育馆", (10, 4): "森林公园",
    (1, 5): "植物园", (3, 5): "金凤区政府", (5, 5): "万达广场", (7, 5): "会展中心", (9, 5): "北塔湖公园",
    (11, 5): "海宝公园",
    (0, 6): "西湖农场", (4, 6): "北京中路", (6, 6): "大剧院", (8, 6): "第三医院", (11, 6): "丽景湖",
    (2, 7): "工业园区", (5, 7): "艺术学院", (7, 7): "高铁站", (9, 7): "物流园", (1, 8): "镇北堡",
    (4, 8): "贺兰山公园", (6, 8): "北门", (10, 8): "湖畔嘉苑",
    (0, 9): "西夏陵", (3, 9): "滚钟口", (5, 9): "北京北路", (8, 9): "沙湖路口", (11, 9): "黄河大桥",
}
# Stations off the grid, by the (column, row) they would have.
EXTRA = {(-2, 9): "林场", (-1, 9): "林场管理站", (-2, 8): "苗圃", (12, 4): "动物园", (13, 4): "黄河湿地"}

# Crossings with several stops of one name: the stops' aliases, and which
# lines stop at which of them (lines not listed use the first).
HUBS = {
    (2, 4): (["火车站东广场", "火车站西广场"], {"3": 1, "游1": 1, "K3": 1}),
    (5, 2): (["鼓楼南侧", "鼓楼北侧", "鼓楼西侧"], {"2": 1, "11": 1, "5": 2, "101": 2}),
    (5, 0): (["南门东站台", "南门西站台"], {"8": 1, "12": 1}),
    (7, 0): (["长途汽车站南", "长途汽车站北"], {"21": 1, "游2": 1}),
    (5, 3): (["人民广场东", "人民广场西"], {"3": 1, "33": 1}),
    (7, 7): (["高铁站到达层", "高铁站出发层"], {"K1": 1, "BRT1": 1}),
}

# Lines: name, kind, first and last departure, headway (s), time per stop (s),
# waypoints on the grid (the path walks the grid between them), stride.
LINES = [
    ("1", "normal", "06:00", "22:00", 300, 90, [(0, 2), (11, 2)], 1),
    ("2", "normal", "06:00", "21:30", 360, 100, [(5, 0), (5, 9)], 1),
    ("3", "normal", "06:20", "21:00", 360, 95, [(0, 4), (5, 4), (5, 3), (9, 3), (9, 0)], 1),
    ("5", "normal", "06:10", "22:00", 420, 100, [(2, 0), (2, 2), (8, 2), (8, 6)], 1),
    ("8", "normal", "06:30", "21:30", 360, 90, [(0, 0), (11, 0)], 1),
    ("11", "normal", "06:00", "22:30", 300, 95, [(5, 2), (5, 1), (11, 1), (11, 6)], 1),
    ("12", "normal", "06:30", "21:00", 480, 110, [(5, 0), (3, 0), (3, 9)], 1),
    ("15", "normal", "06:40", "20:30", 480, 105, [(1, 3), (1, 8), (6, 8)], 1),
    ("21", "normal", "06:00", "21:00", 420, 100, [(7, 0), (7, 9)], 1),
    ("33", "normal", "06:30", "21:30", 420, 95, [(0, 6), (5, 6), (5, 3), (10, 3)], 1),
    ("101", "loop", "06:00", "22:00", 300, 90, [(2, 2), (8, 2), (8, 6), (2, 6), (2, 2)], 1),
    ("K1", "normal", "06:30", "21:00", 600, 150, [(0, 5), (11, 5), (11, 7), (7, 7)], 2),
    ("K3", "normal", "07:00", "20:00", 900, 150, [(2, 4), (12, 4)], 2),
    ("BRT1", "normal", "06:00", "22:30", 240, 120, [(0, 7), (11, 7)], 1),
    ("游1", "normal", "08:00", "18:00", 1200, 180, [(2, 4), (2, 5), (0, 5), (0, 9)], 1),
    ("游2", "normal", "08:30", "17:30", 1200, 180, [(7, 0), (7, 4), (13, 4)], 1),
    ("林场专线", "normal", "07:00", "19:00", 1800, 150, [(2, 4), (2, 7), (0, 7), (0, 8), (-2, 8), (-2, 9), (-1, 9)], 1),
    ("西夏区环线", "loop", "06:30", "21:00", 600, 100, [(0, 0), (3, 0), (3, 6), (0, 6), (0, 0)], 1),
]

LAT0, LON0, DLAT, DLON = 38.4400, 106.1800, 0.0054, 0.0069


def district(c):
    for lo, hi, name in DISTRICTS:
        if lo <= c <= hi:
            return name
    return "西夏区" if c < 0 else "兴庆区"


def node_name(c, r):
    if (c, r) in EXTRA:
        return EXTRA[(c, r)]
    if (c, r) in LANDMARKS:
        return LANDMARKS[(c, r)]
    return NS[c] + EW[r] + "口"


def walk(points, stride):
    path = [points[0]]
    for (c1, r1) in points[1:]:
        c0, r0 = path[-1]
        while (c0, r0) != (c1, r1):
            if c0 != c1:
                c0 += 1 if c1 > c0 else -1
            else:
                r0 += 1 if r1 > r0 else -1
            path.append((c0, r0))
    if stride > 1:
        keep = [p for i, p in enumerate(path) if i % stride == 0 or p in HUBS or p in LANDMARKS and i % 2 == 1]
        if keep[-1] != path[-1]:
            keep.append(path[-1])
        path = keep
    return path


def q(text):
    return "'" + str(text).replace("'", "''") + "'"


def main():
    stops = {}  # (c, r, side) -> code
    stop_rows = []
    next_code = [10001]

    def stop_for(node, line):
        side = 0
        if node in HUBS:
            side = HUBS[node][1].get(line, 0)
        key = (node[0], node[1], side)
        if key not in stops:
            c, r = node
            code = next_code[0]
            next_code[0] += 1 if next_code[0] % 100 != 99 else 2
            stops[key] = str(code)
            name = node_name(c, r)
            if node in HUBS:
                alias = HUBS[node][0][side]
            elif (c, r) in LANDMARKS and 0 <= c < len(NS) and 0 <= r < len(EW):
                alias = NS[c] + "与" + EW[r] + "交叉口"
            elif (c, r) in EXTRA:
                alias = name + "站"
            else:
                alias = name.replace("口", "") + "站"
            lat = LAT0 + r * DLAT + (0.00035 * side if side else 0)
            lon = LON0 + c * DLON + (0.00045 * side if side else 0)
            road = EW[r] if 0 <= r < len(EW) else "贺兰山路"
            address = district(c) + road + ("%d号" % (10 + abs(c) * 16 + side * 2))
            stop_rows.append((str(code), name, alias, address, district(c), round(lat, 6), round(lon, 6),
                              "00S001%06d" % code))
        return stops[key]

    out = []
    out.append("-- The demo city. Written by server/tools/gen_city.py; edit the generator, not this file.")
    out.append("BEGIN;")
    line_rows = []
    for sort, (name, kind, first, last, headway, per_stop, points, stride) in enumerate(LINES):
        path = walk(points, stride)
        codes = [stop_for(p, name) for p in path]
        line_rows.append((name, sort, kind, first, last, headway, per_stop))
        if kind == "loop":
            for i, code in enumerate(codes):
                out.append("INSERT INTO line_stop VALUES(%s,'环行',%d,%s);" % (q(name), i, q(code)))
        else:
            for i, code in enumerate(codes):
                out.append("INSERT INTO line_stop VALUES(%s,'上行',%d,%s);" % (q(name), i, q(code)))
            for i, code in enumerate(reversed(codes)):
                out.append("INSERT INTO line_stop VALUES(%s,'下行',%d,%s);" % (q(name), i, q(code)))
    for row in line_rows:
        out.append("INSERT INTO line VALUES(%s,%d,%s,%s,%s,%d,%d);" % (q(row[0]), row[1], q(row[2]), q(row[3]),
                                                                      q(row[4]), row[5], row[6]))
    for row in stop_rows:
        out.append("INSERT INTO station VALUES(%s,%s,%s,%s,%s,%.6f,%.6f,%s);" % (
            q(row[0]), q(row[1]), q(row[2]), q(row[3]), q(row[4]), row[5], row[6], q(row[7])))
    # Places for the map search: every station name once, at its first stop.
    seen = set()
    for row in stop_rows:
        if row[1] in seen:
            continue
        seen.add(row[1])
        out.append("INSERT INTO place VALUES(%s,%.6f,%.6f,%s);" % (q(row[1]), row[5], row[6], q(row[3])))
    out.append("COMMIT;")
    with open(os.path.join(DATA, "city.sql"), "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    names = {r[1] for r in stop_rows}
    print("stops", len(stop_rows), "names", len(names), "lines", len(LINES))
    write_pictures()
    write_qrcodes(stop_rows)


# QR codes as printed at stations and in shops: the code-URL prefix of the
# client's shipped configuration followed by the twelve-character code.
CODE_URL_PREFIX = "http://t.cn/q/"
QR_STATIONS = ["10006", "10088", "10013", "10079", "10109"]
QR_SHOPS = ["00S0100000%02d" % i for i in range(1, 12)] + ["00S020000001"]


def write_qrcodes(stop_rows):
    folder = os.path.join(DATA, "qrcodes")
    os.makedirs(folder, exist_ok=True)
    if not shutil.which("qrencode"):
        print("qrencode not found; QR pictures left as they are")
        return
    qr_by_code = {row[0]: row[7] for row in stop_rows}
    codes = [qr_by_code[c] for c in QR_STATIONS] + QR_SHOPS
    for code in codes:
        subprocess.run(["qrencode", "-s", "6", "-m", "2", "-o", os.path.join(folder, code + ".png"),
                        CODE_URL_PREFIX + code], check=True)


# --- pictures: tiny PNGs drawn by hand, no imaging library needed ----------

def png(path, w, h, pixel):
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for x in range(w):
            raw.extend(pixel(x, y))
    def chunk(tag, data):
        c = struct.pack(">I", len(data)) + tag + data
        return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def write_pictures():
    icons = os.path.join(DATA, "icons")
    pics = os.path.join(DATA, "pics")
    os.makedirs(icons, exist_ok=True)
    os.makedirs(pics, exist_ok=True)
    clear = (0, 0, 0, 0)

    def sun(x, y):
        d = math.hypot(x - 24, y - 24)
        if d < 11:
            return (255, 196, 0, 255)
        a = math.atan2(y - 24, x - 24)
        if 14 < d < 21 and abs(math.sin(4 * a)) < 0.25:
            return (255, 160, 0, 255)
        return clear

    def cloud_at(x, y, colour):
        if math.hypot(x - 18, y - 26) < 10 or math.hypot(x - 30, y - 22) < 12 or (10 < x < 40 and 26 < y < 35):
            return colour
        return None

    def cloudy(x, y):
        c = cloud_at(x, y, (200, 205, 215, 255))
        if c:
            return c
        return sun(x + 8, y + 10) if math.hypot(x - 16, y - 14) < 9 else clear

    def overcast(x, y):
        return cloud_at(x, y, (150, 155, 165, 255)) or clear

    def rain(x, y):
        c = cloud_at(x, y - 6, (140, 145, 160, 255))
        if c:
            return c
        if 36 < y < 46 and (x - y // 2) % 8 == 0:
            return (40, 110, 230, 255)
        return clear

    def snow(x, y):
        c = cloud_at(x, y - 6, (170, 180, 195, 255))
        if c:
            return c
        for cx, cy in ((16, 40), (26, 44), (36, 40)):
            if math.hypot(x - cx, y - cy) < 2.5:
                return (120, 170, 255, 255)
        return clear

    for name, fn in (("sun", sun), ("cloudy", cloudy), ("overcast", overcast), ("rain", rain), ("snow", snow)):
        png(os.path.join(icons, name + ".png"), 48, 48, fn)

    palette = [(214, 69, 65), (230, 126, 34), (241, 196, 15), (39, 174, 96), (22, 160, 133), (41, 128, 185),
               (142, 68, 173), (52, 73, 94), (211, 84, 0), (192, 57, 43), (26, 188, 156), (155, 89, 182)]
    for i, base in enumerate(palette):
        def pic(x, y, base=base, i=i):
            t = y / 112.0
            r, g, b = (int(v * (1.0 - 0.35 * t)) for v in base)
            if math.hypot(x - 61, y - 46) < 26 + (i % 3) * 4:
                r, g, b = (min(255, v + 70) for v in (r, g, b))
            if 96 < y:
                r, g, b = (int(v * 0.6) for v in (r, g, b))
            return (r, g, b, 255)
        png(os.path.join(pics, "shop%02d.png" % (i + 1)), 123, 112, pic)


if __name__ == "__main__":
    main()
