// The separator table of an instance. Its characters cut a command line into
// words, each entry is a word kind with a binding level, and the operator
// entries say how many operands they take.
//
//   SysSeparatorList table;
//   table.createDefaultList();                 // 21 entries, ten drawn ids
//   table.isSeparator("==");                   // true
#pragma once

#include "Global/FindResult.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class VariableList;

struct SysSeparatorItemType {
    static constexpr int getLeft = 0;
    static constexpr int getRight = 1;
    static constexpr int getMid = 2;
    static constexpr int getDual = 3;
    static constexpr int getAdd = 20;
    static constexpr int getSub = 21;
    static constexpr int getMul = 22;
    static constexpr int getDiv = 23;
    static constexpr int getEq = 24;
    static constexpr int getNot = 25;
    static constexpr int getAnd = 26;
    static constexpr int getOr = 27;
    static constexpr int getLet = 28;
    static constexpr int getLineend = 29;
    static constexpr int getNoteq = 30;
};

class SysSeparatorItem {
public:
    std::string name;
    int itemId{0};
    int level{20};
    int seperatorType{SysSeparatorItemType::getMid};
    bool isError{true};
    // The operand count; the operand description is the list of that many
    // Object values "arg0", "arg1", ...
    int paramerCount{0};

    // initSysSeparator2:Type:Id:Level:ParamerType:
    static std::shared_ptr<SysSeparatorItem> make(std::string name, int type, int id, int level,
                                                  int operands);
    // initSysSeparator1:Type:Level:ParamerType: - draws the id, default level.
    static std::shared_ptr<SysSeparatorItem> makeDrawn(std::string name, int type, int operands);

    int getDefaultLevel() const { return 20 - paramerCount; }
    int useDefaultLevel() {
        level = getDefaultLevel();
        return level;
    }
    int getParamerCount() const { return paramerCount; }
    VariableList paramerType() const;
};

using SysSeparatorItemPtr = std::shared_ptr<const SysSeparatorItem>;

class SysSeparatorList {
public:
    std::vector<SysSeparatorItemPtr> sysSeparatorList;
    bool isError{false};

    bool createDefaultList();
    FindResult2 getSeparatorItemListIndex1(std::string_view name) const;
    FindResult2 getSeparatorItemListIndex2(int id) const;
    SysSeparatorItemPtr getSeparatorItem(int index) const;
    SysSeparatorItemPtr getSeparatorItemWithItemId(int id) const;
    SysSeparatorItemPtr findByName(std::string_view name) const;
    bool isSeparator(std::string_view word) const { return static_cast<bool>(findByName(word)); }
    std::string getAllSeparatorName1(std::string_view joiner) const;
    std::string getAllSeparatorName2() const { return getAllSeparatorName1(""); }
    std::string toString() const { return getAllSeparatorName1(","); }
    void add2(SysSeparatorItemPtr item);
    int size() const { return static_cast<int>(sysSeparatorList.size()); }

    // Whether a byte cuts words. Separator names are ASCII, so a byte of a
    // non-ASCII character never does.
    bool isSplitChar(unsigned char c) const { return m_splitChars[c]; }

private:
    std::array<bool, 256> m_splitChars{};
};
