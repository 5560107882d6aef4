#include "platform/DateFormat.h"

#include <gtest/gtest.h>

#include <ctime>
#include <limits>

using namespace platform;

namespace {

// The same local time as the C library sees it.
double localSeconds(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return static_cast<double>(std::mktime(&tm));
}

TEST(DateFormatTest, ParsesInLocalTimeAndFormatsBack) {
    auto when = parseDate("2026-12-11 08:30:05", "yyyy-MM-dd HH:mm:ss");
    ASSERT_TRUE(when);
    EXPECT_DOUBLE_EQ(*when, localSeconds(2026, 12, 11, 8, 30, 5));

    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"yyyy-MM-dd HH:mm:ss", "2026-12-11 08:30:05"},
        {"yyyy-MM-dd", "2026-12-11"},
        {"MM-dd", "12-11"},
        {"HH:mm", "08:30"},
        {"yyyy年M月d日", "2026年12月11日"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(formatDate(*when, c.pattern), c.expected);
    }
}

TEST(DateFormatTest, ShortPatternsParse) {
    auto day = parseDate("2024-02-29", "yyyy-MM-dd");
    ASSERT_TRUE(day);
    EXPECT_DOUBLE_EQ(*day, localSeconds(2024, 2, 29, 0, 0, 0));
    auto time = parseDate("23:59", "HH:mm");
    ASSERT_TRUE(time);
    EXPECT_EQ(formatDate(*time, "HH:mm"), "23:59");
    auto monthDay = parseDate("03-15", "MM-dd");
    ASSERT_TRUE(monthDay);
    EXPECT_EQ(formatDate(*monthDay, "MM-dd"), "03-15");
}

TEST(DateFormatTest, TextThatDoesNotMatchGivesNone) {
    const char* pattern = "yyyy-MM-dd HH:mm:ss";
    for (const char* text : {
             "",
             "2026-12-11",              // too short
             "2026-12-11 08:30:05 UTC", // trailing text
             "2026/12/11 08:30:05",     // other separators
             "2026-13-11 08:30:05",     // month 13
             "2023-02-29 08:30:05",     // no such day
             "2026-12-11 24:30:05",     // hour 24
             "昨天 08:30:05",
             "abcd-ef-gh ij:kl:mn",
         }) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseDate(text, pattern));
    }
}

TEST(DateFormatTest, NonFiniteDateFormatsAsEmptyText) {
    EXPECT_EQ(formatDate(std::numeric_limits<double>::quiet_NaN(), "yyyy-MM-dd"), "");
    EXPECT_EQ(formatDate(std::numeric_limits<double>::infinity(), "yyyy-MM-dd"), "");
}

} // namespace
