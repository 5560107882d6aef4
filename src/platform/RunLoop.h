// The main run loop, work handed between threads, timers and the clock.
//
// Every screen, delegate call and parse runs on the main thread. Workers hand
// results back with performOnMain, which never waits. Time comes from Clock:
// in tests it is driven by hand, so a 30-second refresh fires on advance(30)
// without sleeping.
//
//   auto timer = platform::Timer::schedule(30.0, platform::Repeats::Yes, [this] { refresh(); });
//   platform::Clock::advance(30.0); // in a test: fires once
#pragma once

#include <functional>
#include <memory>

namespace platform {

// Runs fn on the main thread's loop later; safe from any thread, never waits.
void performOnMain(std::function<void()> fn);

// Starts fn on a new one-shot thread that ends when fn returns.
void runWorker(std::function<void()> fn);

bool isMainThread();

// Processes pending main-loop work until there is none left (tests, tools).
void runLoopUntilIdle();

// Processes main-loop work, waiting for more, until done() or the real-time
// limit passes. Answers done(). For tests that wait on real I/O.
bool runLoopUntil(const std::function<bool()>& done, double limitSeconds = 10.0);

class Clock {
public:
    // Seconds on the main loop's monotonic clock (manual time in test mode).
    static double now();
    // Seconds since 1970-01-01 UTC; in test mode a fixed start plus the manual time.
    static double wallNow();

    // Test mode: time stands still until advance() moves it, firing the due
    // timers in order. Switch it on before any timer is made.
    static void setManual(bool manual, double wallStart = 1796977800.0 /* 2026-12-11 08:30:00 UTC */);
    static bool isManual();
    static void advance(double seconds);
};

enum class Repeats { No, Yes };

// A timer on the main loop. It stops when invalidated or destroyed, so an owner
// that holds it as a member can never be called after it is gone.
class Timer {
public:
    static std::unique_ptr<Timer> schedule(double intervalSeconds, Repeats repeats, std::function<void()> fire);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void invalidate();
    bool isValid() const;
    double interval() const;

    struct Impl;

private:
    explicit Timer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform
