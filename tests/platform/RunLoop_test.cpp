#include "platform/RunLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace platform;

class ManualClockTest : public testing::Test {
protected:
    void SetUp() override { Clock::setManual(true); }
    void TearDown() override { Clock::setManual(false); }
};

TEST_F(ManualClockTest, RepeatingTimerFiresOncePerIntervalWithoutSleeping) {
    int fired = 0;
    auto timer = Timer::schedule(30.0, Repeats::Yes, [&] { ++fired; });
    Clock::advance(29.9);
    EXPECT_EQ(fired, 0);
    Clock::advance(0.1);
    EXPECT_EQ(fired, 1);
    Clock::advance(60.0);
    EXPECT_EQ(fired, 3);
    EXPECT_DOUBLE_EQ(Clock::now(), 90.0);
}

TEST_F(ManualClockTest, OneShotTimerFiresOnceAndBecomesInvalid) {
    int fired = 0;
    auto timer = Timer::schedule(1.0, Repeats::No, [&] { ++fired; });
    EXPECT_TRUE(timer->isValid());
    Clock::advance(5.0);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer->isValid());
}

TEST_F(ManualClockTest, DestroyedTimerNeverFires) {
    int fired = 0;
    auto timer = Timer::schedule(1.0, Repeats::Yes, [&] { ++fired; });
    timer.reset();
    Clock::advance(10.0);
    EXPECT_EQ(fired, 0);
}

TEST_F(ManualClockTest, TimerMayDestroyItselfFromItsCallback) {
    int fired = 0;
    std::unique_ptr<Timer> timer;
    timer = Timer::schedule(1.0, Repeats::Yes, [&] {
        ++fired;
        timer.reset();
    });
    Clock::advance(10.0);
    EXPECT_EQ(fired, 1);
}

TEST_F(ManualClockTest, TimersFireInTimeOrderAndSeeTheirOwnTime) {
    std::vector<double> seen;
    auto late = Timer::schedule(2.0, Repeats::No, [&] { seen.push_back(Clock::now()); });
    auto early = Timer::schedule(1.0, Repeats::No, [&] { seen.push_back(Clock::now()); });
    Clock::advance(3.0);
    EXPECT_EQ(seen, (std::vector<double>{1.0, 2.0}));
}

TEST(RunLoopTest, WorkerHandsResultToMainThreadWithoutWaiting) {
    std::atomic<bool> onMain{false};
    bool done = false;
    runWorker([&] {
        EXPECT_FALSE(isMainThread());
        performOnMain([&] {
            onMain = isMainThread();
            done = true;
        });
    });
    ASSERT_TRUE(runLoopUntil([&] { return done; }, 5.0));
    EXPECT_TRUE(onMain);
}

TEST(RunLoopTest, RealTimerFiresOnTheMainLoop) {
    bool fired = false;
    auto timer = Timer::schedule(0.01, Repeats::No, [&] { fired = true; });
    EXPECT_TRUE(runLoopUntil([&] { return fired; }, 5.0));
}

TEST(ManualClockRestartTest, ATimerFromBeforeARestartKeepsItsDistance) {
    Clock::setManual(true);
    int fired = 0;
    auto timer = Timer::schedule(30.0, Repeats::Yes, [&] { ++fired; });
    Clock::advance(20.0);
    Clock::setManual(true); // a new test starts its clock at zero
    Clock::advance(10.0);
    EXPECT_EQ(fired, 1);
    Clock::setManual(false);
}
