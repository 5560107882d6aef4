#include "platform/RegexSearch.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(RegexSearchTest, FindsTheFirstStationCodeWithItsRangeInCodePoints) {
    struct Case {
        const char* text;
        const char* code; // nullptr: no match
        size_t location;
    };
    const Case cases[] = {
        {"12345", "12345", 0},  {"火车站(10086)", "10086", 4}, {"站1234 和 567890 和 11111", "567890", 8},
        {"😀12345", "12345", 1},                             // a character outside the BMP is one code point
        {"1234", nullptr, 0},   {"１２３４５", nullptr, 0}, // full-width digits are not a station code
        {"", nullptr, 0},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto match = firstMatch("\\d{5,}", c.text);
        if (!c.code) {
            EXPECT_FALSE(match);
            continue;
        }
        ASSERT_TRUE(match);
        EXPECT_EQ(match->text, c.code);
        EXPECT_EQ(match->location, c.location);
        EXPECT_EQ(match->length, std::string(c.code).size());
    }
}

TEST(RegexSearchTest, MatchLengthCountsChineseCharacters) {
    auto match = firstMatch("站[^ ]+", "前往 站台路口 方向");
    ASSERT_TRUE(match);
    EXPECT_EQ(match->text, "站台路口");
    EXPECT_EQ(match->location, 3u);
    EXPECT_EQ(match->length, 4u);
}

TEST(RegexSearchTest, InvalidPatternGivesNone) {
    EXPECT_FALSE(firstMatch("(\\d{5,}", "12345"));
}

TEST(RegexSearchTest, LongInputDoesNotOverflowTheStack) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "站";
    text += "123456";
    auto match = firstMatch("\\d{5,}", text);
    ASSERT_TRUE(match);
    EXPECT_EQ(match->location, 100000u);

    // A pattern that backtracks over the whole text hits the engine's limit
    // and answers none instead of crashing.
    auto heavy = firstMatch("(.|站)*\\d{7,}", text);
    EXPECT_FALSE(heavy);
}

} // namespace
