// The command lines of one shell: the script text cut at line ends, trimmed,
// with empty lines and comment lines (those beginning with "'") removed. A
// line's index in this list is the address that jumps and subs use.
//
//   CmdLines lines = CmdLines::initCmdLines3("sub main()\r\n  x = 1\n' note\nendsub");
//   lines.size();   // 3
#pragma once

#include "Global/FindResult.h"

#include <string>
#include <string_view>
#include <vector>

struct SubStringLocType {
    static constexpr int getIsFirst = 0;
    static constexpr int getIsEnd = 1;
    static constexpr int getIsIn = 2;
    static constexpr int getIsEQ = 3;
};

class CmdLines {
public:
    std::vector<std::string> cmdLines;
    bool isError{false};

    CmdLines() = default;

    // Splits the text at "\r\n" and "\n" and normalises. The separator
    // argument of callers is not needed: every caller gets the same cut.
    static CmdLines initCmdLines3(std::string_view text);
    static CmdLines initCmdLines2(const std::vector<std::string>& lines);
    // Reads a UTF-8 file and appends its lines as they are (no trimming).
    bool createByFile(const std::string& path);

    void format();
    const std::string& getOf(int index) const;
    int size() const { return static_cast<int>(cmdLines.size()); }
    bool add1(std::string line);
    bool add2(const std::vector<std::string>& lines);
    bool set(std::string line, int index);
    bool insert(std::string line, int index);
    bool remove(int index);

    static bool matches(std::string_view line, std::string_view text, int kind);

    FindResult5 findString(std::string_view text, int subStringLoc, int startIndex) const;
    FindResult5 findPairsStrings(std::string_view opening, int openingLoc, std::string_view closing,
                                 int closingLoc, int startIndex) const;
    // The same pair search walking up from startIndex: it finds the opening
    // line that belongs to the closing line at startIndex.
    FindResult5 findPairsStringsBackward(std::string_view opening, int openingLoc, std::string_view closing,
                                         int closingLoc, int startIndex) const;
};
