// The one UTF-8 helper: validity, code-point counts and code-point slices.
// Where behaviour counts characters (field lengths, highlight widths) it
// counts code points, never bytes.
#pragma once

#include <string>
#include <string_view>

namespace platform::utf8 {

bool isValid(std::string_view text);
// Code points in valid text; an invalid byte counts as one.
size_t length(std::string_view text);
// count code points from code point `start` (clamped to the text).
std::string substr(std::string_view text, size_t start, size_t count = std::string_view::npos);

} // namespace platform::utf8
