// Regular-expression search on UTF-8 text, as the inquiry pages use to find a
// station code ("\d{5,}") in what a rider typed. Perl-compatible syntax; \d
// means the ASCII digits 0-9 only.
//
//   if (auto m = platform::firstMatch("\\d{5,}", "站点 12345")) use(m->text); // "12345", location 3
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace platform {

struct RegexMatch {
    std::string text;   // the matched text, UTF-8
    size_t location{0}; // in code points from the start of the searched text
    size_t length{0};   // in code points
};

// The first match, or none when nothing matches or the pattern is not valid.
std::optional<RegexMatch> firstMatch(const std::string& pattern, const std::string& text);

} // namespace platform
