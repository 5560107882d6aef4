// Tokens: the classified words of a command line. A token knows what it
// stands for (a sub, a keyword or built-in, a separator, a variable, a
// literal, a control word) and how strongly it binds. The tokens of a line
// wait in a TokenQueueCmd in evaluation order; the values computed meanwhile
// live on a TokenStackData. Both belong to a process, so a line interrupted
// by a sub call resumes later.
//
//   TokenItem t = TokenItem::initTokenItem3("-.5", script);   // getNum
#pragma once

#include "VariableControl/ParamerList.h"

#include <memory>
#include <string>
#include <vector>

class Script;
class SysFunctionItem;
class SysSeparatorItem;
class UserFunctionItem;

struct TokenType {
    static constexpr int getStr = 0;
    static constexpr int getNum = 1;
    static constexpr int getVal = 2;
    static constexpr int getUserFun = 3;
    static constexpr int getSysFun = 4;
    static constexpr int getSysSeq = 5;
    static constexpr int getObject = 6;
    static constexpr int getValArray = 7;
    static constexpr int getCtrl = 8;
    static constexpr int getNul = 9998;
    static constexpr int getError = 9999;
};

class TokenItem {
public:
    std::string string;
    std::string value;
    int type{TokenType::getError};
    bool isError{true};
    // The registry entry the word stands for, shared with the registry (or
    // the variable store): a copy of the token refers to the same entry.
    std::shared_ptr<const void> item;
    int Level{20};
    // The entry's id, kept so the evaluator finds the entry again cheaply.
    int itemId{0};

    TokenItem() = default;
    TokenItem(std::string word, std::string value, int type);

    static TokenItem initTokenItem3(std::string word, Script* script);

    int getType() const { return type; }
    const SysFunctionItem* sysFunction() const { return static_cast<const SysFunctionItem*>(item.get()); }
    const SysSeparatorItem* separator() const { return static_cast<const SysSeparatorItem*>(item.get()); }
    std::shared_ptr<const UserFunctionItem> userFunction() const {
        return std::static_pointer_cast<const UserFunctionItem>(item);
    }
    std::shared_ptr<VariableItem> variable() const {
        return std::const_pointer_cast<VariableItem>(std::static_pointer_cast<const VariableItem>(item));
    }
};

// The postfix queue of a process. Tokens are appended in postfix order and
// the queue is then reversed, so pop() hands them out in evaluation order.
class TokenQueueCmd {
public:
    std::vector<TokenItem> tokenQueue;
    int ID{0};
    bool isError{false};
    int readLoc{0};

    explicit TokenQueueCmd(int id = 0) : ID(id) {}

    bool add(TokenItem token) {
        tokenQueue.push_back(std::move(token));
        return true;
    }
    bool push(TokenItem token) { return add(std::move(token)); }
    bool pop(TokenItem& out);
    const TokenItem* readTop() const { return tokenQueue.empty() ? nullptr : &tokenQueue.back(); }
    void reverse();
    bool isEmpty() const { return tokenQueue.empty(); }
    bool clear() {
        tokenQueue.clear();
        readLoc = 0;
        return true;
    }
    int size() const { return static_cast<int>(tokenQueue.size()); }
    void readLocRest() { readLoc = 0; }
};

// The operand stack of a process. An operand that reads a variable holds the
// store's own items; a copy of the whole stack copies every item.
class TokenStackData {
public:
    std::vector<VariableList> variableListStack;
    int ID{0};
    bool isError{false};

    explicit TokenStackData(int id = 0) : ID(id) {}
    // initTokenStackData2: - deep copy.
    static TokenStackData copyOf(const TokenStackData& other);

    bool push1(VariableList value) {
        variableListStack.push_back(std::move(value));
        return true;
    }
    bool push2(VariableItemPtr item) {
        variableListStack.emplace_back(std::move(item));
        return true;
    }
    bool pop(VariableList& out);
    VariableList* top() { return variableListStack.empty() ? nullptr : &variableListStack.back(); }
    bool isEmpty() const { return variableListStack.empty(); }
    int size() const { return static_cast<int>(variableListStack.size()); }
    void clear() { variableListStack.clear(); }

    // The values pushed after the most recent value named marker, last pushed
    // first; they and the marker are removed.
    ParamerList getLastParamerList(const std::string& marker);
};
