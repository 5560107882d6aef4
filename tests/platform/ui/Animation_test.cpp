#include "platform/RunLoop.h"
#include "platform/ui/TestDriver.h"
#include "platform/ui/View.h"

#include <gtest/gtest.h>

using namespace platform::ui;
using platform::Clock;

TEST(AnimationTest, FadeFollowsTheClockAndStopsOnce) {
    TestDriver driver;
    auto view = View::create({0, 0, 100, 100});
    driver.root()->addSubview(view);
    int stopped = 0;
    bool finishedFlag = false;
    View::beginAnimations();
    View::setAnimationDuration(1.0);
    View::setAnimationCurve(AnimationCurve::EaseInOut);
    View::setAnimationDidStop([&](bool finished) {
        ++stopped;
        finishedFlag = finished;
    });
    view->setAlpha(0);
    View::commitAnimations();

    // The model takes the new value at once; the screen follows the clock.
    EXPECT_EQ(view->alpha(), 0);
    EXPECT_EQ(view->presentationAlpha(), 1);
    driver.advance(0.25);
    EXPECT_GT(view->presentationAlpha(), 0.8); // ease-in: slow start
    driver.advance(0.25);
    EXPECT_NEAR(view->presentationAlpha(), 0.5, 0.06);
    EXPECT_TRUE(view->isAnimating());
    EXPECT_EQ(stopped, 0);
    driver.advance(0.55);
    EXPECT_EQ(view->presentationAlpha(), 0);
    EXPECT_EQ(stopped, 1);
    EXPECT_TRUE(finishedFlag);
    driver.advance(2);
    EXPECT_EQ(stopped, 1);
    EXPECT_FALSE(view->isAnimating());
}

TEST(AnimationTest, FrameMovesAndALaterAnimationTakesOver) {
    TestDriver driver;
    auto view = View::create({0, 0, 100, 100});
    driver.root()->addSubview(view);
    std::vector<bool> firstDone;
    View::animate(
        1.0,
        [&] {
            view->setFrame({100, 0, 100, 100});
        },
        [&](bool finished) { firstDone.push_back(finished); }, AnimationCurve::Linear);
    driver.advance(0.5);
    EXPECT_NEAR(view->presentationFrame().x, 50, 2);
    EXPECT_EQ(view->frame().x, 100);

    int secondDone = 0;
    View::animate(
        1.0,
        [&] {
            view->setFrame({0, 0, 100, 100});
        },
        [&](bool) { ++secondDone; }, AnimationCurve::Linear);
    driver.runUntilIdle();
    // The first animation lost its only property: it stops, unfinished.
    EXPECT_EQ(firstDone, std::vector<bool>{false});
    driver.advance(0.5);
    EXPECT_NEAR(view->presentationFrame().x, 25, 2); // from where it was shown
    driver.advance(0.6);
    EXPECT_EQ(view->presentationFrame().x, 0);
    EXPECT_EQ(secondDone, 1);
}

TEST(AnimationTest, ViewGoneMidAnimationIsHarmless) {
    TestDriver driver;
    int stopped = 0;
    {
        auto view = View::create({0, 0, 10, 10});
        driver.root()->addSubview(view);
        View::animate(
            1.0, [&] { view->setAlpha(0); }, [&](bool) { ++stopped; });
        view->removeFromSuperview();
    }
    driver.advance(1.1);
    EXPECT_EQ(stopped, 1);
}
