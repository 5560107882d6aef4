// Accounts with the daily password token, and favourites kept per account.
#include "Md5.h"
#include "support/ServerFixture.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace tansu::demo::test {
namespace {

class AccountActionsTest : public ServerFixture {
protected:
    // The client's day number: the server's milliseconds as a day count, "%.0f".
    std::string dayNumber(long long offsetDays = 0) {
        Fragment time = call("getDateTime");
        double days =
            std::stod(time.records[0]["systemTime"]) / 24 / 60 / 60 / 1000 + static_cast<double>(offsetDays);
        char text[32];
        std::snprintf(text, sizeof text, "%.0f", days);
        return text;
    }

    std::string token(const std::string& password, long long offsetDays = 0) {
        return md5Hex(md5Hex(password) + dayNumber(offsetDays));
    }

    Fragment registerUser(const std::string& name, const std::string& password, const std::string& uid = "") {
        return call("userRegister", {{"uid", uid},
                                     {"userName", name},
                                     {"password", md5Hex(password)},
                                     {"Email", name + "@example.com"},
                                     {"mobile", ""},
                                     {"ClientType", "ios"}});
    }

    Fragment login(const std::string& name, const std::string& passwordToken) {
        return call("userLogin", {{"userName", name}, {"password", passwordToken}, {"ClientType", "ios"}});
    }
};

TEST_F(AccountActionsTest, DayNumberIsTheServerTimeInDays) {
    Fragment time = call("getDateTime");
    // 2026-12-11 08:30 in the city is 00:30 UTC: day 20798 and a little.
    EXPECT_EQ(dayNumber(), "20798");
    EXPECT_EQ(time.records[0]["dateTime"], "2026-12-11 08:30:00");
}

TEST_F(AccountActionsTest, RegisterThenLogInWithTheDayToken) {
    Fragment registered = registerUser("rider", "s3cret");
    ASSERT_EQ(registered.code(), "200") << registered.msg();
    Fragment loggedIn = login("rider", token("s3cret"));
    ASSERT_EQ(loggedIn.code(), "200") << loggedIn.msg();
    EXPECT_EQ(loggedIn.records[0]["userid"], registered.records[0]["userid"]);
}

TEST_F(AccountActionsTest, TheTokenOfTheNeighbouringDayIsAcceptedButNoOther) {
    ASSERT_EQ(registerUser("night", "pw").code(), "200");
    EXPECT_EQ(login("night", token("pw", -1)).code(), "200");
    EXPECT_EQ(login("night", token("pw", 1)).code(), "200");
    for (const auto& wrong : {token("pw", -2), token("wrong"), md5Hex("pw"), std::string("")}) {
        Fragment refused = login("night", wrong);
        EXPECT_EQ(refused.code(), "999");
        EXPECT_EQ(refused.msg(), "用户名或密码错误。");
        EXPECT_FALSE(refused.records[0].has("userid"));
    }
    EXPECT_EQ(login("nobody", token("pw")).code(), "999");
}

TEST_F(AccountActionsTest, RegistrationRefusals) {
    ASSERT_EQ(registerUser("taken", "pw").code(), "200");
    Fragment twice = registerUser("taken", "other");
    EXPECT_EQ(twice.code(), "999");
    EXPECT_NE(twice.msg().find("taken"), std::string::npos);
    Fragment plain = call("userRegister", {{"uid", ""},
                                           {"userName", "plain"},
                                           {"password", "not-a-digest"},
                                           {"Email", "p@example.com"},
                                           {"mobile", ""},
                                           {"ClientType", "ios"}});
    EXPECT_EQ(plain.code(), "999");
    Fragment spaced = registerUser("two words", "pw");
    EXPECT_EQ(spaced.code(), "999");
}

TEST_F(AccountActionsTest, TheAnonymousIdBecomesTheAccountId) {
    std::string uid = call("anonymousUserRegister").records[0]["uid"];
    Fragment registered = registerUser("adopter", "pw", uid);
    ASSERT_EQ(registered.code(), "200");
    EXPECT_EQ(registered.records[0]["userid"], uid);
    // A second account cannot take the same id.
    EXPECT_NE(registerUser("second", "pw", uid).records[0]["userid"], uid);
}

TEST_F(AccountActionsTest, PasswordChangeNeedsTheOldToken) {
    ASSERT_EQ(registerUser("changer", "old").code(), "200");
    Fragment wrong =
        call("userPasswordChange",
             {{"username", "changer"}, {"password", token("nope")}, {"newPassword", md5Hex("new")}});
    EXPECT_EQ(wrong.code(), "999");
    Fragment changed =
        call("userPasswordChange",
             {{"username", "changer"}, {"password", token("old")}, {"newPassword", md5Hex("new")}});
    EXPECT_EQ(changed.code(), "200");
    EXPECT_EQ(login("changer", token("old")).code(), "999");
    EXPECT_EQ(login("changer", token("new")).code(), "200");
}

TEST_F(AccountActionsTest, FavouritesAreListedInOneRunPerCategory) {
    // The demo account demo / 123456 has four favourites in three categories.
    std::string userid = login("demo", token("123456")).records[0]["userid"];
    ASSERT_FALSE(userid.empty());
    Fragment added =
        call("AddFavorite", {{"username", userid}, {"password", token("123456")}, {"id", "00S010000002"}});
    EXPECT_EQ(added.code(), "200");
    Fragment again =
        call("AddFavorite", {{"username", userid}, {"password", token("123456")}, {"id", "00S010000002"}});
    EXPECT_EQ(again.code(), "200") << "adding twice is harmless";

    Fragment list = call("getFavoriteList", {{"username", userid},
                                             {"password", token("123456")},
                                             {"pageIndex", "1"},
                                             {"pageSize", "10"},
                                             {"category", ""}});
    ASSERT_EQ(list.code(), "200");
    auto titles = list.list("title");
    ASSERT_EQ(titles.size(), 5u);
    std::vector<std::string> runs;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const auto& record = list.records[i];
        EXPECT_EQ(record["extrCode"].size(), 12u);
        EXPECT_FALSE(record["time"].empty());
        if (runs.empty() || runs.back() != record["category"])
            runs.push_back(record["category"]);
    }
    EXPECT_EQ(std::set<std::string>(runs.begin(), runs.end()).size(), runs.size())
        << "no category comes back";
    EXPECT_NE(std::find(titles.begin(), titles.end(), "老毛烩小吃"), titles.end());
}

TEST_F(AccountActionsTest, FavouritesNeedAValidTokenAndAKnownShop) {
    Fragment refused = call("getFavoriteList", {{"username", "demo"},
                                                {"password", token("wrong")},
                                                {"pageIndex", "1"},
                                                {"pageSize", "10"},
                                                {"category", ""}});
    EXPECT_EQ(refused.code(), "999");
    EXPECT_TRUE(refused.list("title").empty());
    Fragment unknown =
        call("AddFavorite", {{"username", "demo"}, {"password", token("123456")}, {"id", "00S019999999"}});
    EXPECT_EQ(unknown.code(), "999");

    ASSERT_EQ(registerUser("empty", "pw").code(), "200");
    Fragment none = call("getFavoriteList", {{"username", "empty"},
                                             {"password", token("pw")},
                                             {"pageIndex", "1"},
                                             {"pageSize", "10"},
                                             {"category", ""}});
    EXPECT_EQ(none.code(), "200");
    EXPECT_TRUE(none.list("title").empty());
}

} // namespace
} // namespace tansu::demo::test
