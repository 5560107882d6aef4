// String helpers of the script core. Texts are UTF-8; positions and lengths
// here count whole characters (code points), so Chinese text is never cut in
// the middle of a character.
//
//   MyString::split("a\r\nb\nc");        // {"a", "b", "c"}
//   MyString::subString("公交车站", 1, 3); // "交车"
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MyString {
public:
    // Replaces every "\r\n" by "\n" and cuts at every "\n". A lone "\r" stays
    // inside its line.
    static std::vector<std::string> split(std::string_view text);

    // Drops spaces, tabs and other space characters at both ends. Line
    // breaks are not white space here: a "\r" is kept.
    static std::string trim(std::string_view text);

    // Character position of the first occurrence of part, -1 when absent.
    static int indexOf(std::string_view text, std::string_view part);

    // Characters [start, end); none when end < start or a bound is past the end.
    static std::optional<std::string> subString(std::string_view text, int start, int end);

    static int length(std::string_view text);
    static bool startsWith(std::string_view text, std::string_view part);
    static bool endsWith(std::string_view text, std::string_view part);
    static bool contains(std::string_view text, std::string_view part);

    // Byte length of the UTF-8 sequence that starts with this byte (1 for a
    // stray continuation byte, so a walk always moves forward).
    static size_t charLength(unsigned char lead);
};
