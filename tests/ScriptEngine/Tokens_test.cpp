#include "Global/ScriptException.h"
#include "Token/TokenItem.h"
#include "support/Interp.h"

#include <gtest/gtest.h>

TEST(TokenItem, Classification) {
    Interp interp;
    interp.script->addShellItem4("subs", "sub if(Object a)\nendsub\nsub f()\nendsub");
    interp.eval("Object a");
    const struct {
        const char* word;
        int type;
        const char* value;
        int level;
    } cases[] = {
        {"5", TokenType::getNum, "5", 0},
        {"-5", TokenType::getNum, "-5", 0},
        {"3.", TokenType::getNum, "3.", 0},
        {"-.5", TokenType::getNum, "-.5", 0},
        {".5", TokenType::getError, "", 20},
        {"1.2.3", TokenType::getError, "", 20},
        {"'abc'", TokenType::getStr, "abc", 0},
        {"\"abc\"", TokenType::getStr, "abc", 0},
        {"'", TokenType::getStr, "", 0},
        {"@all", TokenType::getCtrl, "@all", 0},
        {"@netcall", TokenType::getCtrl, "@netcall", 0},
        {"if", TokenType::getUserFun, "", 19}, // a sub hides the keyword
        {"f", TokenType::getUserFun, "", 20},
        {"println", TokenType::getSysFun, "", 19},
        {"get_now", TokenType::getSysFun, "", 20},
        {"==", TokenType::getSysSeq, "", 18},
        {"a", TokenType::getVal, "", 21},
        {"var3", TokenType::getVal, "", 21},
        {"nobody", TokenType::getError, "", 20},
    };
    for (const auto& c : cases) {
        TokenItem token = TokenItem::initTokenItem3(c.word, interp.script.get());
        EXPECT_EQ(token.type, c.type) << c.word;
        EXPECT_EQ(token.value, c.value) << c.word;
        EXPECT_EQ(token.Level, c.level) << c.word;
        EXPECT_EQ(token.isError, c.type == TokenType::getError) << c.word;
    }
    try {
        TokenItem::initTokenItem3("", interp.script.get());
        FAIL();
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.source, "TokenItem");
        EXPECT_EQ(e.message, "空关键字");
    }
    try {
        TokenItem::initTokenItem3("a", nullptr);
        FAIL();
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.message, "脚本引擎需要实例化");
    }
}

TEST(TokenItem, RegistryWordsAreNeverVariables) {
    Interp interp;
    // A local whose name is a keyword cannot be declared at all...
    EXPECT_EQ(interp.evalError("Object println"), "[Expression] 缺少参数1");
    // ...and a stored one is still classified as the keyword.
    interp.script->variableList.addVariableItem5("then", "x", true, "", 0, 0, 0);
    EXPECT_EQ(TokenItem::initTokenItem3("then", interp.script.get()).type, TokenType::getSysFun);
}

TEST(TokenItem, CopiesShareTheEntry) {
    Interp interp;
    interp.eval("Object a");
    TokenItem token = TokenItem::initTokenItem3("a", interp.script.get());
    TokenItem copy = token;
    EXPECT_EQ(copy.item.get(), token.item.get());
    TokenQueueCmd queue(7);
    queue.add(token);
    TokenQueueCmd deep = queue;
    EXPECT_EQ(deep.ID, 7);
    EXPECT_EQ(deep.tokenQueue[0].item.get(), token.item.get());
    // The variable's item is the store's own item.
    EXPECT_EQ(token.variable().get(), interp.script->variableList.variableItems.back().get());
}

TEST(TokenQueueCmd, PopsInOrderAfterReverse) {
    TokenQueueCmd queue(1);
    for (const char* w : {"a", "b", "c"})
        queue.add(TokenItem(w, w, TokenType::getCtrl));
    queue.reverse();
    EXPECT_EQ(queue.readTop()->string, "a");
    TokenItem t;
    std::string order;
    while (queue.pop(t))
        order += t.string;
    EXPECT_EQ(order, "abc");
    EXPECT_FALSE(queue.pop(t));
    EXPECT_EQ(queue.readTop(), nullptr);
}

TEST(TokenStackData, LastParamerListAboveMarker) {
    TokenStackData stack(3);
    stack.push2(VariableItem::make("below", "x", 0));
    stack.push2(VariableItem::make("@netcall", "@netcall", VariableItemType::getCtrl));
    stack.push2(VariableItem::make("arg", "a", 0));
    stack.push2(VariableItem::make("arg", "b", 0));
    ParamerList list = stack.getLastParamerList("@netcall");
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(Paramers(&list).getString(0), "b");
    EXPECT_EQ(Paramers(&list).getString(1), "a");
    ASSERT_EQ(stack.size(), 1);
    EXPECT_EQ(stack.top()->getSingleItem()->name, "below");

    // Values but no marker.
    try {
        stack.getLastParamerList("@netcall");
        FAIL();
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.source, "TokenStackData");
        EXPECT_EQ(e.message, "批量获取参数失败");
    }
    EXPECT_EQ(TokenStackData().getLastParamerList("@netcall").size(), 0);
}

TEST(TokenStackData, CopyIsIndependent) {
    TokenStackData stack(4);
    auto item = VariableItem::make("x", "1", 0);
    stack.push2(item);
    TokenStackData copy = TokenStackData::copyOf(stack);
    item->data = "changed";
    EXPECT_EQ(copy.top()->getSingleItem()->data, "1");
    EXPECT_NE(copy.top()->getSingleItem().get(), item.get());
    EXPECT_EQ(copy.ID, 4);
}
