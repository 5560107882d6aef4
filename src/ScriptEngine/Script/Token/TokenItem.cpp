#include "Token/TokenItem.h"

#include "Functions/SysFunctionList.h"
#include "Functions/UserFunctionList.h"
#include "Global/PublicFunctions.h"
#include "Global/ScriptException.h"
#include "Script/Script.h"
#include "Separator/SysSeparatorList.h"

#include <algorithm>

TokenItem::TokenItem(std::string word, std::string literal, int kind)
    : string(std::move(word)), value(std::move(literal)), type(kind), isError(false) {}

TokenItem TokenItem::initTokenItem3(std::string word, Script* script) {
    if (!script)
        throw ScriptException("TokenItem", "脚本引擎需要实例化");
    if (word.empty())
        throw ScriptException("TokenItem", "空关键字");
    TokenItem token;
    token.string = std::move(word);
    const std::string& w = token.string;
    if (const Script::WordEntry* entry = script->lookupWord(w)) {
        if (const auto& sub = entry->userFunction) {
            token.type = TokenType::getUserFun;
            token.Level = sub->Level;
            token.itemId = sub->itemId;
            token.item = sub;
            token.isError = false;
            return token;
        }
        if (const auto& function = entry->sysFunction) {
            token.type = TokenType::getSysFun;
            token.Level = function->Level;
            token.itemId = function->itemId;
            token.item = function;
            token.isError = false;
            return token;
        }
        if (const auto& separator = entry->separator) {
            token.type = TokenType::getSysSeq;
            token.Level = separator->level;
            token.itemId = separator->itemId;
            token.item = separator;
            token.isError = false;
            return token;
        }
    }
    const int found = script->variableList.findVisible(w, script->getCurVariableFirstString());
    if (found >= 0) {
        auto variable = script->variableList.variableItems[static_cast<size_t>(found)];
        token.type = TokenType::getVal;
        token.Level = variable->Level;
        token.item = std::move(variable);
        token.isError = false;
        return token;
    }
    token.isError = false;
    if (PublicFunctions::isNumber(w)) {
        token.type = TokenType::getNum;
        token.value = w;
        token.Level = 0;
    } else if (PublicFunctions::isString(w)) {
        token.type = TokenType::getStr;
        token.value = w.size() >= 2 ? w.substr(1, w.size() - 2) : std::string();
        token.Level = 0;
    } else if (PublicFunctions::isControl(w)) {
        token.type = TokenType::getCtrl;
        token.value = w;
        token.Level = 0;
    } else {
        token.type = TokenType::getError;
        token.isError = true;
    }
    return token;
}

bool TokenQueueCmd::pop(TokenItem& out) {
    if (tokenQueue.empty())
        return false;
    out = std::move(tokenQueue.back());
    tokenQueue.pop_back();
    return true;
}

void TokenQueueCmd::reverse() {
    std::reverse(tokenQueue.begin(), tokenQueue.end());
}

TokenStackData TokenStackData::copyOf(const TokenStackData& other) {
    TokenStackData copy(other.ID);
    copy.isError = other.isError;
    copy.variableListStack.reserve(other.variableListStack.size());
    for (const auto& value : other.variableListStack)
        copy.variableListStack.push_back(VariableList::copyOf(value));
    return copy;
}

bool TokenStackData::pop(VariableList& out) {
    if (variableListStack.empty())
        return false;
    out = std::move(variableListStack.back());
    variableListStack.pop_back();
    return true;
}

ParamerList TokenStackData::getLastParamerList(const std::string& marker) {
    ParamerList list;
    VariableList value;
    if (!pop(value) || value.empty())
        return list;
    while (value.variableItems.front()->name != marker) {
        list.add1(std::move(value));
        value = VariableList();
        if (!pop(value))
            throw ScriptException("TokenStackData", "批量获取参数失败");
        if (value.empty())
            throw ScriptException("TokenStackData", "批量获取参数失败");
    }
    return list;
}
