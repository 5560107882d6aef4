#include "CmdLine/CmdLines.h"

#include "Global/MyString.h"
#include "Global/ScriptException.h"

#include <fstream>
#include <sstream>

CmdLines CmdLines::initCmdLines3(std::string_view text) {
    CmdLines lines;
    lines.cmdLines = MyString::split(text);
    lines.format();
    return lines;
}

CmdLines CmdLines::initCmdLines2(const std::vector<std::string>& source) {
    CmdLines lines;
    lines.cmdLines = source;
    lines.format();
    return lines;
}

bool CmdLines::createByFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return false;
    for (auto& line : MyString::split(buffer.str()))
        cmdLines.push_back(std::move(line));
    return true;
}

void CmdLines::format() {
    std::vector<std::string> kept;
    kept.reserve(cmdLines.size());
    for (const auto& line : cmdLines) {
        std::string trimmed = MyString::trim(line);
        if (trimmed.empty() || trimmed.front() == '\'')
            continue;
        kept.push_back(std::move(trimmed));
    }
    cmdLines = std::move(kept);
}

const std::string& CmdLines::getOf(int index) const {
    static const std::string empty;
    if (index < 0 || index >= size())
        return empty;
    return cmdLines[static_cast<size_t>(index)];
}

bool CmdLines::add1(std::string line) {
    cmdLines.push_back(std::move(line));
    return true;
}

bool CmdLines::add2(const std::vector<std::string>& lines) {
    cmdLines.insert(cmdLines.end(), lines.begin(), lines.end());
    return true;
}

bool CmdLines::set(std::string line, int index) {
    if (index < 0 || index >= size())
        return false;
    cmdLines[static_cast<size_t>(index)] = std::move(line);
    return true;
}

bool CmdLines::insert(std::string line, int index) {
    if (index < 0 || index >= size())
        return false;
    cmdLines.insert(cmdLines.begin() + index, std::move(line));
    return true;
}

bool CmdLines::remove(int index) {
    if (index < 0 || index >= size())
        return false;
    cmdLines.erase(cmdLines.begin() + index);
    return true;
}

bool CmdLines::matches(std::string_view line, std::string_view text, int kind) {
    switch (kind) {
    case SubStringLocType::getIsFirst:
        return MyString::startsWith(line, text);
    case SubStringLocType::getIsEnd:
        return MyString::endsWith(line, text);
    case SubStringLocType::getIsIn:
        return MyString::contains(line, text);
    case SubStringLocType::getIsEQ:
        return line == text;
    default:
        return false;
    }
}

FindResult5 CmdLines::findString(std::string_view text, int subStringLoc, int startIndex) const {
    if (text.empty() || startIndex > size())
        return FindResult5(-1);
    if (subStringLoc < SubStringLocType::getIsFirst || subStringLoc > SubStringLocType::getIsEQ)
        throw ScriptException("CmdLines", "subStringLoc:" + std::to_string(subStringLoc));
    for (int i = startIndex < 0 ? 0 : startIndex; i < size(); ++i) {
        if (matches(cmdLines[static_cast<size_t>(i)], text, subStringLoc))
            return FindResult5(i);
    }
    return FindResult5(-1);
}

FindResult5 CmdLines::findPairsStrings(std::string_view opening, int openingLoc, std::string_view closing,
                                       int closingLoc, int startIndex) const {
    int depth = 0;
    for (int i = startIndex < 0 ? 0 : startIndex; i < size(); ++i) {
        const std::string& line = cmdLines[static_cast<size_t>(i)];
        if (matches(line, opening, openingLoc)) {
            ++depth;
            continue;
        }
        if (matches(line, closing, closingLoc)) {
            --depth;
            if (depth == 0)
                return FindResult5(i);
        }
    }
    return FindResult5(-1);
}

FindResult5 CmdLines::findPairsStringsBackward(std::string_view opening, int openingLoc,
                                               std::string_view closing, int closingLoc,
                                               int startIndex) const {
    int depth = 0;
    for (int i = startIndex >= size() ? size() - 1 : startIndex; i >= 0; --i) {
        const std::string& line = cmdLines[static_cast<size_t>(i)];
        if (matches(line, opening, openingLoc)) {
            --depth;
            if (depth == 0)
                return FindResult5(i);
            continue;
        }
        if (matches(line, closing, closingLoc))
            ++depth;
    }
    return FindResult5(-1);
}
