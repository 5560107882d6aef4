#include "Global/MyString.h"
#include "Global/PublicFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

TEST(PublicFunctions, ValReadsLeadingIntegerAndClamps) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {" -12abc", -12},
        {"", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483648},
        {"+7", 7},
        {"abc", 0},
        {"2.9", 2},
        {"\t 42", 42},
        {"-", 0},
        {"0012", 12},
        {"2147483648", 2147483647},
        {"-2147483648", -2147483648},
        {"1e5", 1},
        {"９", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PublicFunctions::Val(c.text), c.value) << '"' << c.text << '"';
    // A very long run of digits must not overflow the reader itself.
    EXPECT_EQ(PublicFunctions::Val(std::string(5000, '9')), 2147483647);
}

TEST(PublicFunctions, WordTests) {
    for (const char* word : {"5", "-5", "3.", "-.5", "+", "12", "0"})
        EXPECT_TRUE(PublicFunctions::isNumber(word)) << word;
    for (const char* word : {".5", "1.2.3", "", "a1", "1a", "--1", "５"})
        EXPECT_FALSE(PublicFunctions::isNumber(word)) << word;
    EXPECT_TRUE(PublicFunctions::isString("\"abc\""));
    EXPECT_TRUE(PublicFunctions::isString("'abc'"));
    EXPECT_TRUE(PublicFunctions::isString("'"));
    EXPECT_FALSE(PublicFunctions::isString("\"abc'"));
    EXPECT_FALSE(PublicFunctions::isString(""));
    EXPECT_TRUE(PublicFunctions::isControl("@all"));
    EXPECT_FALSE(PublicFunctions::isControl("all@"));
}

// Counters are process-wide; two threads drawing at once never get the same
// number and never skip one.
TEST(PublicFunctions, CountersAreSafeFromTwoThreads) {
    std::vector<int> a, b;
    auto draw = [](std::vector<int>& out) {
        for (int i = 0; i < 2000; ++i)
            out.push_back(PublicFunctions::getNextCanCreatePocId());
    };
    std::thread t1(draw, std::ref(a));
    std::thread t2(draw, std::ref(b));
    t1.join();
    t2.join();
    std::set<int> all(a.begin(), a.end());
    all.insert(b.begin(), b.end());
    ASSERT_EQ(all.size(), 4000u);
    EXPECT_EQ(*all.rbegin() - *all.begin(), 3999);
    EXPECT_GE(*all.begin(), 900);
}

TEST(PublicFunctions, UserFunctionCounterResetsTo100) {
    PublicFunctions::restUserFunctionId();
    EXPECT_EQ(PublicFunctions::getNextNewUserFunctionId(), 100);
    EXPECT_EQ(PublicFunctions::getNextNewUserFunctionId(), 101);
    PublicFunctions::restUserFunctionId();
    EXPECT_EQ(PublicFunctions::getNextNewUserFunctionId(), 100);
}

TEST(MyString, WholeCharacters) {
    EXPECT_EQ(MyString::indexOf("公交车站", "车"), 2);
    EXPECT_EQ(MyString::indexOf("abc", "x"), -1);
    EXPECT_EQ(MyString::subString("公交车站", 1, 3), "交车");
    EXPECT_EQ(MyString::subString("公交车站", 0, 4), "公交车站");
    EXPECT_EQ(MyString::subString("公交车站", 3, 2), std::nullopt);
    EXPECT_EQ(MyString::subString("公交车站", 0, 5), std::nullopt);
    EXPECT_EQ(MyString::length("a公b"), 3);
}

TEST(MyString, TrimKeepsCarriageReturn) {
    EXPECT_EQ(MyString::trim("  \tx = 1 \t"), "x = 1");
    EXPECT_EQ(MyString::trim("a\r"), "a\r");
    EXPECT_EQ(MyString::trim("\xE3\x80\x80"
                             "站"
                             "\xC2\xA0"),
              "站"); // ideographic and no-break spaces
    EXPECT_EQ(MyString::trim("   "), "");
}
