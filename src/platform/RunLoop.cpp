#include "platform/RunLoop.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace platform {

void performOnMain(std::function<void()> fn)
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}

void runWorker(std::function<void()> fn)
{
    std::thread(std::move(fn)).detach();
}

bool isMainThread()
{
    auto* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void runLoopUntilIdle()
{
    auto* dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; round < 1000; ++round) {
        QCoreApplication::sendPostedEvents();
        bool busy = dispatcher ? dispatcher->processEvents(QEventLoop::AllEvents) : false;
        QCoreApplication::sendPostedEvents();
        if (!busy && !(dispatcher && dispatcher->processEvents(QEventLoop::AllEvents)))
            return;
    }
}

bool runLoopUntil(const std::function<bool()>& done, double limitSeconds)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > limitSeconds * 1000.0)
            return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

// --- clock ----------------------------------------------------------------

namespace {

struct ManualTimer {
    double fireAt { 0 };
    double interval { 0 };
    bool repeats { false };
    std::function<void()> fire;
};

struct ClockState {
    std::atomic<bool> manual { false };
    double manualNow { 0 };
    double wallStart { 0 };
    std::map<long, ManualTimer> timers; // by id, in creation order
    long nextTimerId { 1 };
};

ClockState& clockState()
{
    static ClockState state;
    return state;
}

double steadySeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

double Clock::now()
{
    auto& s = clockState();
    return s.manual ? s.manualNow : steadySeconds();
}

double Clock::wallNow()
{
    auto& s = clockState();
    if (s.manual)
        return s.wallStart + s.manualNow;
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

void Clock::setManual(bool manual, double wallStart)
{
    auto& s = clockState();
    // Timers still alive from before keep their distance to the new zero, so
    // a timer left by an earlier test fires when due, not ages late.
    for (auto& [id, timer] : s.timers)
        timer.fireAt -= s.manualNow;
    s.manual = manual;
    s.manualNow = 0;
    s.wallStart = wallStart;
}

bool Clock::isManual()
{
    return clockState().manual;
}

void Clock::advance(double seconds)
{
    auto& s = clockState();
    if (!s.manual)
        return;
    const double target = s.manualNow + seconds;
    for (;;) {
        long dueId = 0;
        double dueAt = target;
        for (auto& [id, timer] : s.timers) {
            if (timer.fireAt <= dueAt && (dueId == 0 || timer.fireAt < dueAt)) {
                dueId = id;
                dueAt = timer.fireAt;
            }
        }
        if (dueId == 0)
            break;
        auto it = s.timers.find(dueId);
        s.manualNow = std::max(s.manualNow, it->second.fireAt);
        auto fire = it->second.fire; // the callback may destroy its timer
        if (it->second.repeats)
            it->second.fireAt += std::max(it->second.interval, 1e-3);
        else
            s.timers.erase(it);
        fire();
        runLoopUntilIdle();
    }
    s.manualNow = target;
}

// --- timers -----------------------------------------------------------------

struct Timer::Impl {
    double interval { 0 };
    long manualId { 0 };
    std::unique_ptr<QTimer> qtimer;
    bool valid { true };

    ~Impl()
    {
        // The owner may drop its timer from inside the timer's own callback:
        // let Qt delete the QTimer once the signal has returned.
        if (qtimer) {
            qtimer->stop();
            qtimer.release()->deleteLater();
        }
    }
};

std::unique_ptr<Timer> Timer::schedule(double intervalSeconds, Repeats repeats, std::function<void()> fire)
{
    auto impl = std::make_unique<Impl>();
    impl->interval = intervalSeconds;
    auto* raw = impl.get();
    auto timer = std::unique_ptr<Timer>(new Timer(std::move(impl)));
    const bool repeating = repeats == Repeats::Yes;
    auto& s = clockState();
    if (s.manual) {
        raw->manualId = s.nextTimerId++;
        auto wrapped = [raw, repeating, fire = std::move(fire)] {
            if (!repeating)
                raw->valid = false;
            fire();
        };
        s.timers[raw->manualId] = ManualTimer { s.manualNow + intervalSeconds, intervalSeconds, repeating, std::move(wrapped) };
        return timer;
    }
    raw->qtimer = std::make_unique<QTimer>();
    raw->qtimer->setSingleShot(!repeating);
    raw->qtimer->setTimerType(Qt::PreciseTimer);
    raw->qtimer->setInterval(static_cast<int>(intervalSeconds * 1000.0));
    QObject::connect(raw->qtimer.get(), &QTimer::timeout, [raw, repeating, fire = std::move(fire)] {
        if (!repeating)
            raw->valid = false;
        fire();
    });
    raw->qtimer->start();
    return timer;
}

Timer::Timer(std::unique_ptr<Impl> impl)
    : m_impl(std::move(impl))
{
}

Timer::~Timer()
{
    invalidate();
}

void Timer::invalidate()
{
    m_impl->valid = false;
    if (m_impl->manualId) {
        clockState().timers.erase(m_impl->manualId);
        m_impl->manualId = 0;
    }
    if (m_impl->qtimer)
        m_impl->qtimer->stop();
}

bool Timer::isValid() const
{
    return m_impl->valid;
}

double Timer::interval() const
{
    return m_impl->interval;
}

} // namespace platform
