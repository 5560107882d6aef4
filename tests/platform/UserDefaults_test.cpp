#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class UserDefaultsTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::path(temporaryDirectory()) / "defaults";
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_path = (m_dir / "Preferences.plist").string();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path m_dir;
    std::string m_path;
};

TEST_F(UserDefaultsTest, ValuesPersistAcrossInstances) {
    {
        UserDefaults defaults(m_path);
        EXPECT_FALSE(defaults.boolForKey("ShowLocation"));
        EXPECT_EQ(defaults.stringForKey("missing"), "");
        EXPECT_EQ(defaults.integerForKey("missing"), 0);
        defaults.setBoolForKey(true, "ShowLocation");
        defaults.setStringForKey("青岛", "city");
        defaults.setIntegerForKey(-7, "count");
        defaults.setStringForKey("gone", "temp");
        defaults.removeObjectForKey("temp");
    }
    UserDefaults again(m_path);
    EXPECT_TRUE(again.boolForKey("ShowLocation"));
    EXPECT_EQ(again.stringForKey("city"), "青岛");
    EXPECT_EQ(again.integerForKey("count"), -7);
    EXPECT_FALSE(again.hasKey("temp"));

    again.setBoolForKey(false, "ShowLocation");
    EXPECT_FALSE(UserDefaults(m_path).boolForKey("ShowLocation"));
}

TEST_F(UserDefaultsTest, ValuesOfAnotherTypeConvertAsPeopleExpect) {
    auto stored = PlistValue::dictionary();
    stored.set("yes", "YES");
    stored.set("one", PlistValue::integer(1));
    stored.set("no", "NO");
    stored.set("digits", "42");
    stored.set("words", "forty");
    stored.set("flag", PlistValue::boolean(true));
    ASSERT_TRUE(writePropertyList(m_path, stored));

    UserDefaults defaults(m_path);
    EXPECT_TRUE(defaults.boolForKey("yes"));
    EXPECT_TRUE(defaults.boolForKey("one"));
    EXPECT_FALSE(defaults.boolForKey("no"));
    EXPECT_EQ(defaults.integerForKey("digits"), 42);
    EXPECT_EQ(defaults.integerForKey("words"), 0);
    EXPECT_EQ(defaults.integerForKey("flag"), 1);
    EXPECT_EQ(defaults.stringForKey("one"), "");
}

TEST_F(UserDefaultsTest, DamagedFileStartsEmptyAndIsReplacedByTheNextChange) {
    std::ofstream(m_path) << "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>ShowLoc";
    UserDefaults defaults(m_path);
    EXPECT_FALSE(defaults.hasKey("ShowLocation"));
    defaults.setBoolForKey(true, "ShowLocation");
    EXPECT_TRUE(UserDefaults(m_path).boolForKey("ShowLocation"));
}

TEST_F(UserDefaultsTest, ConcurrentWritersLoseNothing) {
    UserDefaults defaults(m_path);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&defaults, t] {
            for (int i = 0; i < 10; ++i)
                defaults.setIntegerForKey(i, "key" + std::to_string(t * 10 + i));
        });
    }
    for (auto& thread : threads)
        thread.join();
    UserDefaults again(m_path);
    for (int k = 0; k < 40; ++k)
        EXPECT_EQ(again.integerForKey("key" + std::to_string(k)), k % 10) << k;
}

TEST_F(UserDefaultsTest, StandardDefaultsLiveInTheDataRoot) {
    auto& standard = UserDefaults::standard();
    EXPECT_EQ(standard.path(), dataRoot() + "/Preferences.plist");
    EXPECT_EQ(&standard, &UserDefaults::standard());
    standard.setBoolForKey(true, "ShowLocation");
    EXPECT_TRUE(UserDefaults(standard.path()).boolForKey("ShowLocation"));
    standard.removeObjectForKey("ShowLocation");
}

} // namespace
