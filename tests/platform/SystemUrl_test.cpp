#include "platform/AppInfo.h"
#include "platform/RunLoop.h"
#include "platform/SystemUrl.h"

#include <gtest/gtest.h>

#include <thread>

using namespace platform;

namespace {

class SystemUrlTest : public testing::Test {
protected:
    void SetUp() override { SystemUrl::setTestModeEnabled(true); }
    void TearDown() override { SystemUrl::setTestModeEnabled(false); }
};

TEST_F(SystemUrlTest, TestModeRecordsUrlsExactlyAsGiven) {
    EXPECT_TRUE(openURL("telprompt://053212345678"));
    EXPECT_TRUE(openURL("mailto://shop@example.com"));
    EXPECT_TRUE(openURL("http://127.0.0.1:8080/maps?hl=zh&mrt=loc&q=火车站"));
    std::thread worker([] { openURL("http://example.com/a b"); });
    worker.join();
    EXPECT_EQ(SystemUrl::openedUrls(),
              (std::vector<std::string>{"telprompt://053212345678", "mailto://shop@example.com",
                                        "http://127.0.0.1:8080/maps?hl=zh&mrt=loc&q=火车站",
                                        "http://example.com/a b"}));
    SystemUrl::clearOpenedUrls();
    EXPECT_TRUE(SystemUrl::openedUrls().empty());
}

TEST_F(SystemUrlTest, TextThatIsNotAUrlIsRefused) {
    EXPECT_FALSE(openURL(""));
    EXPECT_FALSE(openURL("just words"));
    EXPECT_TRUE(SystemUrl::openedUrls().empty());
}

TEST(AppInfoTest, VersionCodeIsAWholeNumberAndTestsMayOverrideIt) {
    const auto code = infoString("VersionCode");
    ASSERT_FALSE(code.empty());
    EXPECT_EQ(code.find_first_not_of("0123456789"), std::string::npos) << code;
    EXPECT_EQ(infoDictionary().at("VersionCode"), code);
    EXPECT_EQ(infoString("NoSuchKey"), "");

    setInfoStringForTesting("VersionCode", "99");
    EXPECT_EQ(infoString("VersionCode"), "99");
    resetInfoForTesting();
    EXPECT_EQ(infoString("VersionCode"), code);
}

} // namespace
