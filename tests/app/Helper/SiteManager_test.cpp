#include "Helper/Favorite/SiteManager.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/TextFile.h"
#include "platform/ui/TestDriver.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform;

namespace {

struct CountingDelegate : SiteManagerDelegate {
    int changes{0};
    void itemsChanged() override { ++changes; }
};

class SiteManagerTest : public testing::Test {
protected:
    void SetUp() override {
        std::error_code ec;
        std::filesystem::remove(SiteManager::filePath(), ec);
        SiteManager::resetInstance();
    }
    void TearDown() override {
        SiteManager::resetInstance();
        std::error_code ec;
        std::filesystem::remove(SiteManager::filePath(), ec);
    }

    // The entries as a new run of the client would read them.
    std::vector<std::string> entriesOnDisk() {
        std::vector<std::string> out;
        auto list = readPropertyList(SiteManager::filePath());
        if (list)
            for (auto& item : list->items())
                out.push_back(item.asString());
        return out;
    }

    ui::TestDriver driver;
};

TEST_F(SiteManagerTest, AMissingFileStartsEmptyAndTheFirstAdditionCreatesIt) {
    auto& sites = SiteManager::getInstance();
    EXPECT_EQ(sites.getSiteCount(), 0u);
    EXPECT_FALSE(sites.getSiteItem(0));
    EXPECT_FALSE(fileExists(SiteManager::filePath()));

    CountingDelegate delegate;
    sites.setDelegate(&delegate);
    EXPECT_TRUE(sites.addSiteItemIsSite("鼓楼", true));
    EXPECT_EQ(driver.alertTitles(), std::vector<std::string>{"成功"});
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"添加成功。"});
    EXPECT_EQ(delegate.changes, 1);
    EXPECT_EQ(sites.getSiteItem(0), "1鼓楼");
    EXPECT_EQ(entriesOnDisk(), std::vector<std::string>{"1鼓楼"});
}

TEST_F(SiteManagerTest, DuplicatesOfAKindFailButTheOtherKindOfTheSameNameIsAdded) {
    auto& sites = SiteManager::getInstance();
    CountingDelegate delegate;
    sites.setDelegate(&delegate);
    ASSERT_TRUE(sites.addSiteItemIsSite("X", true));
    driver.pressAlertButton("确定");

    EXPECT_FALSE(sites.addSiteItemIsSite("X", true));
    EXPECT_EQ(driver.alertTitles(), std::vector<std::string>{"失败"});
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"添加失败，该站点已经存在。"});
    driver.pressAlertButton("确定");
    EXPECT_EQ(delegate.changes, 1);

    EXPECT_TRUE(sites.addSiteItemIsSite("X", false));
    driver.pressAlertButton("确定");
    EXPECT_FALSE(sites.addSiteItemIsSite("X", false));
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"添加失败，该线路已经存在。"});
    EXPECT_TRUE(sites.isItemExistIsSite("X", true));
    EXPECT_TRUE(sites.isItemExistIsSite("X", false));
    EXPECT_FALSE(sites.isItemExistIsSite("Y", true));
    EXPECT_EQ(entriesOnDisk(), (std::vector<std::string>{"1X", "0X"}));
}

TEST_F(SiteManagerTest, RemovingTakesTheFirstEntryOfTheNameWhateverItsKind) {
    auto& sites = SiteManager::getInstance();
    sites.addSiteItemIsSite("X", false);
    sites.addSiteItemIsSite("X", true);
    sites.addSiteItemIsSite("Y", true);
    driver.pressAlertButton("确定");
    driver.pressAlertButton("确定");
    driver.pressAlertButton("确定");
    CountingDelegate delegate;
    sites.setDelegate(&delegate);

    EXPECT_TRUE(sites.delSiteItem("X")); // from the station menu of "X": the line goes
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"删除成功。"});
    driver.pressAlertButton("确定");
    EXPECT_EQ(entriesOnDisk(), (std::vector<std::string>{"1X", "1Y"}));

    EXPECT_TRUE(sites.delSiteItem("nothing")); // no alert, but saved and told
    EXPECT_TRUE(driver.alertMessages().empty());
    EXPECT_EQ(delegate.changes, 2);
    EXPECT_EQ(sites.getSiteCount(), 2u);
}

TEST_F(SiteManagerTest, TheFileIsReadOnceAndADamagedFileStartsEmpty) {
    writePropertyList(SiteManager::filePath(),
                      PlistValue::array({PlistValue("1南门"), PlistValue::integer(7), PlistValue("0K1")}));
    auto& sites = SiteManager::getInstance();
    ASSERT_EQ(sites.getSiteCount(), 2u); // the number is not an entry
    EXPECT_EQ(sites.getSiteItem(1), "0K1");
    // Changed behind its back, the file is not read again.
    writePropertyList(SiteManager::filePath(), PlistValue::array());
    EXPECT_EQ(SiteManager::getInstance().getSiteCount(), 2u);

    SiteManager::resetInstance();
    writeTextFile(SiteManager::filePath(), "<plist><array><string>1A</str");
    EXPECT_EQ(SiteManager::getInstance().getSiteCount(), 0u);
}

TEST_F(SiteManagerTest, AnEntryThatCannotBeSavedIsNotKept) {
    auto& sites = SiteManager::getInstance();
    // A folder where the file should be makes every write fail.
    std::filesystem::create_directories(SiteManager::filePath() + "/blocked");
    EXPECT_FALSE(sites.addSiteItemIsSite("鼓楼", true));
    EXPECT_EQ(driver.alertTitles(), std::vector<std::string>{"失败"});
    EXPECT_EQ(sites.getSiteCount(), 0u);
    std::filesystem::remove_all(SiteManager::filePath());
}

} // namespace
