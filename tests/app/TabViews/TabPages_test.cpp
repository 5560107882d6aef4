#include "Helper/Favorite/FavoriteManager.h"
#include "Helper/User/UserManager.h"
#include "SubViews/PlaceholderPages.h"
#include "TabViews/TabFavoriteViewController.h"
#include "TabViews/TabHomeViewController.h"
#include "TabViews/TabInquireViewController.h"
#include "TabViews/TabMoreViewController.h"
#include "platform/UserDefaults.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "support/AppFixture.h"

using namespace platform;

using TabPagesTest = AppFixture;

TEST_F(TabPagesTest, HomeStartsOnHotAndSystemNoticesScrollTheStripToItsButton) {
    launch();
    ASSERT_TRUE(driver.tapText("首页"));
    driver.advance(1.1); // the Inquire page fades out and leaves
    auto& home = *app->m_viewTabHome;
    EXPECT_EQ(home.currentIndex(), 1);
    EXPECT_EQ(home.shownPage()->frame(), (ui::Rect{5, 85, 310, 275}));
    // The last button lies past the strip's right edge until the rider drags it in.
    EXPECT_FALSE(driver.tapText("系统公告"));
    driver.drag(home.strip(), -200, 0);
    driver.advance(1.0);
    ASSERT_TRUE(driver.tapText("系统公告"));
    driver.advance(1.1);
    EXPECT_EQ(home.currentIndex(), 5);
    // The strip (320 wide) shows the button at x = 402 in full.
    EXPECT_LE(home.strip().contentOffset().x, 402);
    EXPECT_GE(home.strip().contentOffset().x + 320, 402 + 96);
    EXPECT_EQ(home.shownPage()->frame(), (ui::Rect{5, 85, 310, 245}));
    EXPECT_TRUE(driver.findContaining("系统公告\n"));
    // Pressing the selected button does nothing.
    ASSERT_TRUE(driver.tapText("系统公告"));
    EXPECT_EQ(home.currentIndex(), 5);
}

TEST_F(TabPagesTest, InquireMakesItsFirstThreePagesAtLoadAndTheRestOnFirstUse) {
    launch();
    auto& inquire = *app->m_viewTabInquire;
    EXPECT_EQ(inquire.currentIndex(), 1);
    EXPECT_TRUE(inquire.subLocation());
    EXPECT_TRUE(inquire.subTransfer());
    EXPECT_TRUE(inquire.subBusline());
    EXPECT_EQ(inquire.subTransfer()->view()->frame(), TabInquireViewController::kLoadedPageFrame);
    driver.drag(inquire.strip(), -200, 0);
    driver.advance(1.0);
    ASSERT_TRUE(driver.tapText("地点查询"));
    driver.advance(1.1);
    EXPECT_EQ(inquire.currentIndex(), 7);
    EXPECT_TRUE(driver.findContaining("地点查询\n"));
    EXPECT_EQ(driver.findContaining("地点查询\n")->superview()->frame(),
              TabInquireViewController::kLaterPageFrame);
}

TEST_F(TabPagesTest, TheDistanceReadOutShowsOnlyWhileAPositionScreenIsOpen) {
    launch();
    auto& inquire = *app->m_viewTabInquire;
    inquire.showDistance(std::string("2"));
    EXPECT_TRUE(inquire.distanceLabel().isHidden()); // "ShowLocation" is false after load
    UserDefaults::standard().setBoolForKey(true, "ShowLocation");
    inquire.showDistance(std::string("3"));
    EXPECT_FALSE(inquire.distanceLabel().isHidden());
    EXPECT_EQ(inquire.distanceLabel().text(), "3");
    // Another tab hides it; pressing "车辆位置" again shows it with the last figure.
    ASSERT_TRUE(driver.tapText("换乘"));
    EXPECT_TRUE(inquire.distanceLabel().isHidden());
    ASSERT_TRUE(driver.tapText("车辆位置"));
    EXPECT_FALSE(inquire.distanceLabel().isHidden());
    inquire.showDistance(std::nullopt);
    EXPECT_EQ(inquire.distanceLabel().text(), "3");
    UserDefaults::standard().setBoolForKey(false, "ShowLocation");
    ASSERT_TRUE(driver.tapText("车辆位置")); // selected already: only the read-out follows the flag
    EXPECT_TRUE(inquire.distanceLabel().isHidden());
}

TEST_F(TabPagesTest, FavouritesAskTheRiderToLogInFirst) {
    launch();
    ASSERT_TRUE(driver.tapText("收藏"));
    EXPECT_EQ(driver.alertTitles(), std::vector<std::string>{"请先登录"});
    driver.pressAlertButton("确定");
    driver.advance(1.1); // the strip's button fades in
    EXPECT_TRUE(driver.findByText("收藏夹"));
}

TEST_F(TabPagesTest, CategoryTabsFollowTheFavouritesAndGoOnLogout) {
    launch();
    ASSERT_TRUE(driver.tapText("收藏"));
    driver.pressAlertButton("确定");
    auto& favorite = *app->m_viewTabFavorite;
    UserManager::getInstance().setLoginSucceeded(true);
    FavoriteManager::getInstance().doWithSuccess(std::string(
        "<NewDataSet><T><code>200</code><msg>成功</msg><title>甲店</title><extrCode>00S01A</"
        "extrCode><category>A</category></T>"
        "<T><title>乙店</title><extrCode>00S01B</extrCode><category>A</category></T>"
        "<T><title>丙店</title><extrCode>00S01C</extrCode><category>B</category></T></NewDataSet>"));
    driver.advance(1.1); // the buttons fade in
    auto a = driver.findByText("A");
    auto b = driver.findByText("B");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->tag(), 2);
    EXPECT_EQ(b->tag(), 3);
    EXPECT_EQ(a->frame().x, 102);
    EXPECT_EQ(b->frame().x, 202);
    ASSERT_TRUE(driver.tapText("B"));
    EXPECT_EQ(favorite.currentIndex(), 3);
    ASSERT_EQ(favorite.categoryPages().size(), 2u);
    EXPECT_EQ(favorite.categoryPages()[1]->items().size(), 1u);
    EXPECT_EQ(favorite.categoryPages()[1]->items()[0].strTitle, "丙店");
    EXPECT_EQ(favorite.shownPage(), favorite.categoryPages()[1]->view());
    EXPECT_TRUE(driver.findByText("丙店"));

    UserManager::getInstance().userLogout();
    FavoriteManager::getInstance().userDidLogout();
    EXPECT_FALSE(driver.findByText("A"));
    EXPECT_FALSE(driver.findByText("B"));
    EXPECT_TRUE(driver.findByText("收藏夹"));
    EXPECT_EQ(favorite.currentIndex(), 1);
    EXPECT_TRUE(favorite.categoryPages().empty());
}

TEST_F(TabPagesTest, MoreListsItsCommandsAndTheLogInRowFollowsTheLoginState) {
    launch();
    ASSERT_TRUE(driver.tapText("更多"));
    auto& more = *app->m_viewTabMore;
    EXPECT_EQ(more.titles(), (std::vector<std::string>{"登录", "注册", "修改密码", "用户意见反馈", "检查更新",
                                                       "商家查询", "关于软件"}));
    more.userDidLogin();
    EXPECT_EQ(more.titles()[0], "退出登录");
    EXPECT_TRUE(driver.findByText("退出登录"));
    UserManager::getInstance().setLoginSucceeded(true);
    ASSERT_TRUE(driver.tapRow(more.table(), 0));
    EXPECT_FALSE(UserManager::getInstance().isUserLogin());
    EXPECT_EQ(more.titles()[0], "登录");
    EXPECT_TRUE(driver.findByText("登录"));
}

TEST_F(TabPagesTest, MorePagesOpenOverTheRootScreenAndGoBack) {
    launch();
    ASSERT_TRUE(driver.tapText("更多"));
    ASSERT_TRUE(driver.tapRow(app->m_viewTabMore->table(), 6));
    auto version = driver.findContaining("Tansu 公交 ");
    ASSERT_TRUE(version);
    EXPECT_TRUE(driver.findByText("关于软件"));
    ASSERT_TRUE(driver.tapText("返回"));
    EXPECT_FALSE(driver.findContaining("Tansu 公交 "));
}
