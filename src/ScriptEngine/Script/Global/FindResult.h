// Small search results answered by the script lists: an index (-1 when
// nothing was found) and a found flag. Name searches take the first match.
#pragma once

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
