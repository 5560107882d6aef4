// Small search results answered by the script lists: an index (-1 when
// nothing was found) and a found flag. Name searches take the first match.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Hash for name-keyed maps that are searched with string views, so a lookup
// never has to build a string.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

struct FindResult {
    int index{-1};
    bool isFinded{false};

    FindResult() = default;
    explicit FindResult(int i) : index(i), isFinded(i >= 0) {}
    FindResult(int i, bool found) : index(i), isFinded(found) {}
};

using FindResult1 = FindResult;
using FindResult2 = FindResult;
using FindResult3 = FindResult;
using FindResult4 = FindResult;
using FindResult5 = FindResult;
using FindResult6 = FindResult;
using FindResult7 = FindResult;
