#include "Classes/ShowBusLines.h"
#include "Helper/Common/CommonHelper.h"
#include "Helper/Common/MyHelper.h"
#include "TabViews/TabHomeViewController.h"
#include "TabViews/TabInquireViewController.h"
#include "TabViews/TabMoreViewController.h"
#include "platform/NotificationCenter.h"
#include "platform/Paths.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "support/AppFixture.h"

using namespace platform;

using RootViewControllerTest = AppFixture;

TEST_F(RootViewControllerTest, StartUpEndsOnTheInquireTabWithoutAFadeOut) {
    launch();
    EXPECT_EQ(root().currentView(), app->m_viewTabInquire->view());
    EXPECT_EQ(root().lastView(), nullptr);
    EXPECT_EQ(app->m_viewTabInquire->view()->frame(), RootViewController::kPageFrame);
    EXPECT_TRUE(app->m_viewTabInquire->view()->isDescendantOfView(*root().view()));
    // The five buttons lie above the page.
    auto subviews = root().view()->subviews();
    ASSERT_GE(subviews.size(), 5u);
    EXPECT_EQ(subviews.back()->displayedText(), "更多");

    // Pressing the shown tab changes nothing.
    ASSERT_TRUE(driver.tapText("查询"));
    EXPECT_EQ(root().lastView(), nullptr);
}

TEST_F(RootViewControllerTest, MoreShowsInItsSmallFrameAndHomeFadesItOutOverOneSecond) {
    launch();
    ASSERT_TRUE(driver.tapText("更多"));
    auto more = app->m_viewTabMore->view();
    EXPECT_EQ(more->frame(), (ui::Rect{10, 100, 290, 292}));
    EXPECT_EQ(root().currentView(), more);
    driver.advance(1.1); // the Inquire page has faded out and left

    ASSERT_TRUE(driver.tapText("首页"));
    EXPECT_EQ(root().lastView(), more);
    driver.advance(0.5);
    EXPECT_NEAR(more->presentationAlpha(), 0.5, 0.1);
    EXPECT_TRUE(more->superview());
    driver.advance(0.6);
    EXPECT_FALSE(more->superview());
    EXPECT_EQ(root().currentView(), app->m_viewTabHome->view());

    // Shown again, the page faded out earlier fades back in from 0.
    ASSERT_TRUE(driver.tapText("更多"));
    EXPECT_NEAR(more->presentationAlpha(), 0.0, 0.05);
    driver.advance(1.1);
    EXPECT_NEAR(more->presentationAlpha(), 1.0, 0.01);
}

TEST_F(RootViewControllerTest, TwoShowBusLinePostsMakeOnePopup) {
    launch();
    NotificationCenter::defaultCenter().post("showBusLine");
    auto* popup = root().busLinesWindow();
    ASSERT_TRUE(popup);
    popup->view()->setHidden(true);
    NotificationCenter::defaultCenter().post("showBusLine");
    EXPECT_EQ(root().busLinesWindow(), popup);
    EXPECT_FALSE(popup->view()->isHidden());
    EXPECT_EQ(root().view()->subviews().back(), popup->view());
}

TEST_F(RootViewControllerTest, WeatherTextArrivesAndTheIconShowsFromItsSecondUse) {
    launch();
    ASSERT_TRUE(driver.runUntil([&] { return !root().weatherLabel().text().empty(); }));
    EXPECT_TRUE(root().weatherImage().image().isNull()); // downloading on first display
    // The icon lands in the documents folder under the last part of its URL.
    ASSERT_TRUE(driver.runUntil([] {
        for (auto& entry : std::filesystem::directory_iterator(documentsDirectory()))
            if (entry.path().extension() == ".png")
                return true;
        return false;
    }));
    root().getTodayWeather();
    ASSERT_TRUE(driver.runUntil([&] { return !root().weatherImage().image().isNull(); }));
}

TEST_F(RootViewControllerTest, AStoredUserIdSendsNoAnonymousRegistration) {
    ASSERT_TRUE(MyHelper::setUserId("u-stored"));
    launch();
    ASSERT_TRUE(driver.runUntil([&] { return !root().weatherLabel().text().empty(); }));
    driver.runUntil([] { return false; }, 0.3);
    EXPECT_EQ(server->soapRequestCount(), 1u); // the weather only
    EXPECT_EQ(MyHelper::getUserId(), "u-stored");
}

TEST_F(RootViewControllerTest, FirstRunGetsAnAnonymousUserId) {
    launch();
    ASSERT_TRUE(driver.runUntil([] { return MyHelper::getUserId().has_value(); }));
    EXPECT_FALSE(MyHelper::getUserId()->empty());
}

TEST_F(RootViewControllerTest, VersionAnswersShowTheirAlerts) {
    struct Case {
        const char* fragment;
        const char* title;
    };
    const Case cases[] = {
        {"<NewDataSet><T><code>200</code><needUpdate>false</needUpdate></T></NewDataSet>", "您不需要升级"},
        {"<NewDataSet><T><code>500</code><needUpdate>true</needUpdate></T></NewDataSet>", "您不需要升级"},
        {"<NewDataSet><T><code>200</code><needUpdate>true</needUpdate></T></NewDataSet>", "版本升级"},
    };
    for (auto& c : cases) {
        CommonHelper::getInstance().deliverUpdate(std::string(c.fragment));
        ASSERT_EQ(driver.alertTitles().size(), 1u) << c.fragment;
        EXPECT_EQ(driver.alertTitles()[0], c.title) << c.fragment;
        while (!driver.alerts().empty())
            driver.pressAlertButton(0);
    }
    // Either button of the version alert says "过了".
    CommonHelper::getInstance().deliverUpdate(std::string(cases[2].fragment));
    EXPECT_EQ(driver.alerts().back()->buttonTitleAtIndex(0), "以后再说");
    EXPECT_EQ(driver.alerts().back()->buttonTitleAtIndex(1), "立即升级");
    driver.pressAlertButton("立即升级");
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"过了"});
    driver.pressAlertButton(0);
    // No answer at all shows nothing.
    CommonHelper::getInstance().deliverUpdate(std::nullopt);
    EXPECT_TRUE(driver.alerts().empty());
}

TEST_F(RootViewControllerTest, VersionCheckAgainstTheServerEndsInAnAlert) {
    launch();
    CommonHelper::getInstance().checkUpdate();
    ASSERT_TRUE(driver.runUntil([&] { return !driver.alerts().empty(); }));
    auto title = driver.alertTitles()[0];
    EXPECT_TRUE(title == "您不需要升级" || title == "版本升级") << title;
}

TEST_F(RootViewControllerTest, ScanOpensTheScannerWhichGoesWhenCancelled) {
    launch();
    ASSERT_TRUE(driver.tapText("扫描"));
    ASSERT_TRUE(root().scanner());
    EXPECT_TRUE(root().scanner()->isPresented());
    root().scanner()->cancel();
    driver.advance(1.0);
    EXPECT_FALSE(root().scanner()->isPresented());
}

TEST_F(RootViewControllerTest, AReadCodeClosesTheScanner) {
    launch();
    auto png = documentsDirectory() + "/code.png";
    ASSERT_EQ(std::system(("qrencode -o '" + png + "' 'http://t.cn/q/00S001010203'").c_str()), 0);
    ASSERT_TRUE(driver.tapText("扫描"));
    ASSERT_TRUE(root().scanner()->scanImageFile(png));
    driver.advance(1.0);
    EXPECT_FALSE(root().scanner()->isPresented());
}
