#include "Functions/SysFunctionList.h"
#include "Functions/UserFunctionList.h"
#include "Global/PublicFunctions.h"
#include "Impl/General/DefaultSysFunction.h"
#include "Impl/Sys/SysHandlers.h"
#include "Separator/SysSeparatorList.h"
#include "Shell/ShellItem.h"
#include "support/Interp.h"

#include <gtest/gtest.h>

TEST(SysFunctionList, DefaultKeywords) {
    SysFunctionList list;
    list.createDefaultList();
    EXPECT_EQ(list.size(), 22);
    const struct {
        const char* name;
        int id;
        int operands;
        int level;
    } cases[] = {
        {"Object", 240, 1, 8}, {"ObjectArray", 241, 2, 8}, {"public", 242, 1, 7}, {"println", 217, 1, 19},
        {"if", 200, 2, 18},    {"then", 202, 0, 20},       {"while", 205, 1, 19}, {"sub", 211, 0, 0},
        {"return", 213, 1, 1}, {"addshell", 223, 2, 18},   {"call", 226, 0, 20},  {"end", 231, 0, 20},
    };
    for (const auto& c : cases) {
        auto item = list.findByName(c.name);
        ASSERT_TRUE(item) << c.name;
        EXPECT_EQ(item->itemId, c.id);
        EXPECT_EQ(item->paramerCount, c.operands);
        EXPECT_EQ(item->Level, c.level) << c.name;
        EXPECT_FALSE(item->isImplFunction);
    }
    for (const char* word : {"for", "next", "goto", "sleep", "Number", "NumberArray", ""})
        EXPECT_FALSE(list.isFunction(word)) << word;
    EXPECT_EQ(list.getFunctionItemId1("println").index, 217);
    EXPECT_EQ(list.getFunctionItemId1("nothing").index, -1);
}

TEST(UserFunctionList, HeaderScan) {
    SysSeparatorList separators;
    separators.createDefaultList();
    SysFunctionList functions;
    functions.createDefaultList();
    auto shell = ShellItem::make("s", 1,
                                 CmdLines::initCmdLines3("sub main(ObjectArray args[10])\n"
                                                         "endsub\n"
                                                         "sub f(Object a, ObjectArray b[5])\n"
                                                         "sub g()\n"
                                                         "sub h\n"
                                                         "sub k Object a\n"
                                                         "sub n(Number x, Object y)\n"
                                                         "subway = 1\n"));
    PublicFunctions::restUserFunctionId();
    UserFunctionList subs = UserFunctionList::scanShell(shell, separators, functions);
    ASSERT_EQ(subs.size(), 5);
    const struct {
        const char* name;
        std::vector<int> types;
        int line;
        int id;
    } cases[] = {
        {"main", {1}, 0, 100}, {"f", {0, 1}, 2, 101},
        {"g", {}, 3, 102},     {"k", {}, 5, 103}, // without parentheses the first type word is lost
        {"n", {0}, 6, 104},                       // "Number" is not a registry word
    };
    for (const auto& c : cases) {
        auto sub = subs.findByName(c.name);
        ASSERT_TRUE(sub) << c.name;
        EXPECT_EQ(sub->paramerTypes, c.types) << c.name;
        EXPECT_EQ(sub->functionLoc.indexLoc, c.line);
        EXPECT_EQ(sub->itemId, c.id);
        EXPECT_EQ(sub->Level, 20 - static_cast<int>(c.types.size()));
        EXPECT_EQ(sub->shellId(), 1);
    }
    EXPECT_FALSE(subs.isFunction("h"));
}

TEST(UserFunctionList, LookupByTypesComparesOnlyTheFirstCandidate) {
    SysSeparatorList separators;
    separators.createDefaultList();
    SysFunctionList functions;
    functions.createDefaultList();
    auto shell = ShellItem::make("s", 1, CmdLines::initCmdLines3("sub f(Object a)\nsub f(ObjectArray a[2])"));
    UserFunctionList subs = UserFunctionList::scanShell(shell, separators, functions);
    VariableList arrayType;
    arrayType.addVariableItem1(VariableItem::make("t", "", VariableItemType::getObjectArray));
    VariableList objectType;
    objectType.addVariableItem1(VariableItem::make("t", "", VariableItemType::getObject));
    EXPECT_EQ(subs.getFunctionItemListIndex3("f", &arrayType).index, -1);
    EXPECT_EQ(subs.getFunctionItemListIndex3("f", &objectType).index, 0);
    EXPECT_EQ(subs.getFunctionItemListIndex3("f", nullptr).index, 0);
}

TEST(DefaultSysFunction, RegistersBuiltinsInOrderAndChecksOperands) {
    SysHostFunctions host;
    host.functions["ui_create_label"] = [](const Paramers& p) {
        return BaseFunctionHandler::getSingleResult("label:" + p.getString(0));
    };
    DefaultSysFunction impl([host] { return makeSysHandlers(host); });
    const ImplSysFunctionList& list = impl.getSysFunctionList();
    // Core built-ins plus the one the host gave; ids grow in registration order.
    std::vector<std::string> names;
    int previous = 0;
    for (const auto& item : list.sysFunctionList) {
        names.push_back(item->name);
        EXPECT_GT(item->itemId, previous);
        EXPECT_GE(item->itemId, 250);
        EXPECT_TRUE(item->isImplFunction);
        EXPECT_EQ(item->Level, 20);
        previous = item->itemId;
    }
    EXPECT_EQ(names.front(), "get_now");
    EXPECT_NE(std::find(names.begin(), names.end(), "ui_create_label"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "ui_show"), names.end());
    EXPECT_EQ(std::count(names.begin(), names.end(), "newline"), 2);

    const int label = list.getFunctionItemId1("ui_create_label").index;
    ParamerList none;
    EXPECT_EQ(impl.call(label, &none)->resultData.getSingleItem()->data,
              "[DefaultSysFunction] not enough paramers");
    ParamerList two;
    two.addData2("hi");
    two.addData2("extra");
    EXPECT_EQ(impl.call(label, &two)->resultData.getSingleItem()->data, "label:hi");
    EXPECT_EQ(impl.call(1, &two)->resultData.getSingleItem()->data,
              "[DefaultSysFunction] function id can't be found");
    ParamerList failed;
    failed.isError = true;
    EXPECT_EQ(impl.call(label, &failed)->resultData.getSingleItem()->data,
              "[DefaultSysFunction] paramerList isError = true");
    const int quot = list.getFunctionItemId1("quot").index;
    EXPECT_FALSE(impl.call(quot, nullptr).has_value());
}

TEST(Builtins, CoreValuesThroughScripts) {
    Interp interp;
    interp.run("sub main(ObjectArray args[10])\n"
               "println(get_system_info())\n"
               "println(shell_get_version())\n"
               "println(sys_download_image(\"http://x/a.png\"))\n"
               "println(newline())\n"
               "endsub");
    ASSERT_EQ(interp.log.size(), 4u);
    EXPECT_EQ(interp.log[0], "println:iphone");
    EXPECT_EQ(interp.log[1], "println:1");
    EXPECT_EQ(interp.log[2], "println:http://x/a.png");
    EXPECT_EQ(interp.log[3], "println:\r\n");
    EXPECT_EQ(Interp().runError("sub main(ObjectArray args[10])\nquot()\nendsub"),
              "[Expression] 外部函数无返回值");
}
