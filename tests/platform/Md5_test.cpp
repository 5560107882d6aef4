#include "platform/Md5.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Md5Test, KnownDigestsAsLowerCaseHex) {
    struct Case {
        std::string input;
        const char* digest;
    };
    const Case cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"The quick brown fox jumps over the lazy dog", "9e107d9d372bb6826bd81d3542a419d6"},
        {"中文", "a7bac2239fcdcb3a067903d8077c4a07"}, // of the UTF-8 bytes
        {std::string("a\0b", 3), "70350f6027bce3713f6b76473084309b"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(md5Hex(c.input), c.digest);
    }
    // The daily token hashes the hex of a hash: twice round stays lower case.
    EXPECT_EQ(md5Hex(md5Hex("abc") + "15000"), md5Hex("900150983cd24fb0d6963f7d28e17f7215000"));
}
