#include "Global/PublicFunctions.h"
#include "Separator/SysSeparatorList.h"
#include "support/Interp.h"

#include <gtest/gtest.h>

TEST(SysSeparatorList, DefaultTable) {
    SysSeparatorList table;
    table.createDefaultList();
    ASSERT_EQ(table.size(), 21);
    EXPECT_EQ(table.getAllSeparatorName2(), "+-*/&|,()\"===!=! \t[];{}");
    const struct {
        const char* name;
        int level;
        int operands;
    } cases[] = {
        {"+", 7, 2},  {"-", 7, 2},  {"*", 8, 2},  {"/", 8, 2}, {"&", 6, 2},   {"|", 6, 2},   {",", 20, 0},
        {"(", 18, 2}, {")", 1, 0},  {"\"", 1, 0}, {"=", 5, 2}, {"==", 18, 2}, {"!=", 18, 2}, {"!", 19, 1},
        {" ", 0, 0},  {"\t", 0, 0}, {"[", 1, 0},  {"]", 1, 0}, {";", 0, 0},   {"{", 20, 0},  {"}", 20, 0},
    };
    for (const auto& c : cases) {
        auto item = table.findByName(c.name);
        ASSERT_TRUE(item) << c.name;
        EXPECT_EQ(item->level, c.level) << c.name;
        EXPECT_EQ(item->getParamerCount(), c.operands) << c.name;
    }
    EXPECT_EQ(table.getSeparatorItemWithItemId(SysSeparatorItemType::getNoteq)->name, "!=");
    EXPECT_FALSE(table.getSeparatorItemListIndex1("").isFinded);
    EXPECT_FALSE(table.isSeparator("=>"));
    for (char c : std::string("+-*/&|,()=![];{}\" \t"))
        EXPECT_TRUE(table.isSplitChar(static_cast<unsigned char>(c))) << c;
    EXPECT_FALSE(table.isSplitChar('a'));
    EXPECT_FALSE(table.isSplitChar(0xE5)); // lead byte of a Chinese character
}

TEST(SysSeparatorList, TwoTablesDrawTenIdsEach) {
    SysSeparatorList first;
    first.createDefaultList();
    SysSeparatorList second;
    second.createDefaultList();
    const int base = first.findByName(",")->itemId;
    EXPECT_GE(base, 350);
    std::vector<int> drawn;
    for (const auto& table : {&first, &second})
        for (const auto& item : table->sysSeparatorList)
            if (item->itemId >= 350)
                drawn.push_back(item->itemId);
    ASSERT_EQ(drawn.size(), 20u);
    for (size_t i = 0; i < drawn.size(); ++i)
        EXPECT_EQ(drawn[i], base + static_cast<int>(i));
}

struct OperatorCase {
    const char* line;
    const char* data;
    int type;
};

TEST(Operators, Results) {
    const OperatorCase cases[] = {
        {"1 + 2", "3", VariableItemType::getNumber},
        {"\"a\" + 1", "a1", VariableItemType::getObject},
        {"1 + \"a\"", "1", VariableItemType::getNumber},
        {"2.9 + 1", "3", VariableItemType::getNumber},
        {"1 == 1", "1", VariableItemType::getObject},
        {"\"1\" == \"01\"", "0", VariableItemType::getObject},
        {"!0", "1", VariableItemType::getObject},
        {"!1", "0", VariableItemType::getObject},
        {"!abc", "0", VariableItemType::getObject},
        {"!00", "0", VariableItemType::getObject},
        {"1 & 2", "1", VariableItemType::getObject},
        {"1 & 0", "0", VariableItemType::getObject},
        // Sound results where the operator table left them open.
        {"1 != 2", "1", VariableItemType::getObject},
        {"\"a\" != \"a\"", "0", VariableItemType::getObject},
        {"1 | 0", "1", VariableItemType::getObject},
        {"0 | 0", "0", VariableItemType::getObject},
        {"7 - 10", "-3", VariableItemType::getNumber},
        {"6 * 7", "42", VariableItemType::getNumber},
        {"7 / 2", "3", VariableItemType::getNumber},
        {"0 - 7 / 2", "-3", VariableItemType::getNumber},
        {"2 + 3 * 4", "14", VariableItemType::getNumber},
        {"2147483647 + 1", "-2147483648", VariableItemType::getNumber},
        {"(0 - 2147483647 - 1) / (0 - 1)", "-2147483648", VariableItemType::getNumber},
        {"65536 * 65536", "0", VariableItemType::getNumber},
        {"1 + 1 == 2", "1", VariableItemType::getNumber}, // comparison binds first: 1 + (1 == 2)
        {"nobody + 1", "nobody1", VariableItemType::getObject},
    };
    for (const auto& c : cases) {
        Interp interp;
        auto value = interp.eval(c.line);
        ASSERT_TRUE(value) << c.line;
        ASSERT_FALSE(value->empty()) << c.line;
        EXPECT_EQ(value->getSingleItem()->data, c.data) << c.line;
        EXPECT_EQ(value->getSingleItem()->type, c.type) << c.line;
    }
}

TEST(Operators, DivisionByZeroIsAnError) {
    Interp interp;
    EXPECT_EQ(interp.evalError("1 / 0"), "[Expression] 除数不能为零");
    EXPECT_EQ(interp.evalError("5 / \"abc\""), "[Expression] 除数不能为零");
}

TEST(Operators, AddToArrayLeavesTheArray) {
    Interp interp;
    interp.eval("ObjectArray arr[2]");
    interp.eval("arr[0] = 1");
    auto value = interp.eval("arr + 5");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->toString(), "1,,5,");
    EXPECT_EQ(interp.eval("arr")->size(), 2);
}

TEST(Operators, TwoStatementsOnOneLine) {
    Interp interp;
    interp.eval("Object x");
    interp.eval("Object y");
    interp.eval("x = 1; y = 2");
    EXPECT_EQ(interp.eval("x + y")->getSingleItem()->data, "3");
}
