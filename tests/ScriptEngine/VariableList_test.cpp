#include "Global/ScriptException.h"
#include "VariableControl/ParamerList.h"
#include "VariableControl/VariableList.h"

#include <gtest/gtest.h>

namespace {

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ScriptException& e) {
        return "[" + e.source + "] " + e.message;
    }
    return "";
}

const std::string kLocal = "sub_900_main_1";

} // namespace

TEST(VariableList, TestVariables) {
    VariableList store;
    store.createTestList();
    ASSERT_EQ(store.size(), 3);
    EXPECT_EQ(store.getVariableItemName2(0), "var1");
    EXPECT_EQ(store.variableItems[0]->type, VariableItemType::getObjectArray);
    EXPECT_EQ(store.getVariableItemData2(2), "3");
    EXPECT_TRUE(store.isPublicVariableItem("var3"));
    EXPECT_EQ(store.getVariableItemData2(9), "");
}

TEST(VariableList, LocalsHidePublicsAndCreateAsAsked) {
    VariableList store;
    store.createTestList();
    store.addVariableItem5("a", "public", true, "", 0, 0, 0);
    store.addVariableItem5("a", "local", false, kLocal, 0, 0, 0);
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("a", kLocal)), "local");
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("a", "sub_901_main_1")), "public");
    // Creation only for element index 0 or less.
    EXPECT_EQ(store.getVariableItemListIndexEx("b", 1, kLocal, true, false), -1);
    const int local = store.getVariableItemListIndexEx("b", 0, kLocal, true, false);
    ASSERT_GE(local, 0);
    EXPECT_FALSE(store.variableItems[static_cast<size_t>(local)]->isPublic);
    EXPECT_EQ(store.getVariableItemFirstString2(local), kLocal);
    const int pub = store.getVariableItemListIndexEx("c", 0, kLocal, true, true);
    EXPECT_EQ(store.getVariableItemFirstString2(pub), "");
}

TEST(VariableList, ArrayDeclarationGatheringAndErrors) {
    VariableList store;
    store.createTestList();
    const int first = store.addVariableItem_AutoCreateArray1(
        VariableItem::make("arr", "", VariableItemType::getObjectArray, 3, 0, false, kLocal));
    ASSERT_EQ(first, 3);
    ASSERT_EQ(store.size(), 6);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(store.variableItems[static_cast<size_t>(first + i)]->arrayItemIndex, i);
    store.addVariableItem5("after", "x", true, "", 0, 0, 0);
    // Gathering takes exactly the array's elements, never the next variable.
    EXPECT_EQ(store.getVariableList2(first).size(), 3);
    EXPECT_EQ(store.getVariableList2(first + 1).size(), 2);
    EXPECT_EQ(store.getVariableItem2(0)->name, "var1");
    EXPECT_EQ(errorOf([&] { store.getVariableItem2(99); }), "[VariableList] 变量索引超限");
    // A negative length appends nothing.
    EXPECT_EQ(store.addVariableItem_AutoCreateArray1(
                  VariableItem::make("neg", "", VariableItemType::getObjectArray, -1, 0, false, kLocal)),
              store.size());
}

TEST(VariableList, AssignmentFollowsTheValueType) {
    VariableList store;
    const int at = store.addVariableItem5("a", "", false, kLocal, 0, 0, VariableItemType::getObject);
    auto a = store.variableItems[static_cast<size_t>(at)];
    VariableList five = VariableList::initVariableList4("_num", "5", VariableItemType::getNumber);
    store.let(a, &five);
    EXPECT_EQ(a->data, "5");
    EXPECT_EQ(a->type, VariableItemType::getNumber);
    VariableList text = VariableList::initVariableList4("_str", "x", VariableItemType::getObject);
    store.let(a, &text);
    EXPECT_EQ(a->type, VariableItemType::getObject);
    // No source changes nothing.
    EXPECT_EQ(store.let(a, nullptr).getSingleItem(), a);
}

TEST(VariableList, AssignmentErrors) {
    VariableList store;
    store.addVariableItem5("s", "", false, kLocal, 0, 0, 0);
    auto s = store.variableItems[0];
    VariableList two;
    two.addVariableItem1(VariableItem::make("x", "1", 0));
    two.addVariableItem1(VariableItem::make("y", "2", 0));
    VariableList array = VariableList::copyOf(two);
    array.isSingleArray = true;
    VariableList one = VariableList::initVariableList4("v", "1", 0);
    auto stranger = VariableItem::make("nobody", "", 0, 0, 0, false, kLocal);
    const struct {
        std::function<void()> f;
        const char* error;
    } cases[] = {
        {[&] { store.let(nullptr, &one); }, "[VariableList] 缺少被赋值的对象"},
        {[&] { store.let(s, &two); }, "[VariableList] 暂不支持多类型的赋值方式"},
        {[&] { store.let(s, &array); }, "[VariableList] 被赋值的变量非数组"},
        {[&] { store.let(stranger, &one); }, "[VariableList] 赋值失败"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf(c.f), c.error);
    // A scalar type that records an array length is inconsistent.
    auto odd = VariableItem::make("odd", "", VariableItemType::getObject, 2, 0, true, "");
    EXPECT_EQ(errorOf([&] { (void)odd->isArray(); }), "[VariableItem] odd不具备数组属性");
}

TEST(VariableList, ArrayAssignmentInPlaceAndMoving) {
    VariableList store;
    store.addVariableItem_AutoCreateArray1(
        VariableItem::make("arr", "", VariableItemType::getObjectArray, 2, 0, false, kLocal));
    store.addVariableItem5("other", "o", true, "", 0, 0, 0);
    auto first = store.variableItems[0];
    VariableList same;
    same.isSingleArray = true;
    same.addVariableItem1(VariableItem::make("_num", "7", VariableItemType::getNumber));
    same.addVariableItem1(VariableItem::make("_str", "b", VariableItemType::getObject));
    VariableList result = store.let(first, &same);
    ASSERT_EQ(store.size(), 3);
    EXPECT_EQ(store.getVariableItemData2(0), "7");
    EXPECT_EQ(store.variableItems[0]->type, VariableItemType::getNumberArray);
    EXPECT_EQ(store.variableItems[1]->type, VariableItemType::getObjectArray);
    EXPECT_EQ(result.size(), 2);

    // A different length moves the array to the end of the store.
    VariableList longer = VariableList::copyOf(same);
    longer.addVariableItem1(VariableItem::make("_str", "c", VariableItemType::getObject));
    result = store.let(first, &longer);
    ASSERT_EQ(store.size(), 4);
    EXPECT_EQ(store.getVariableItemName2(0), "other");
    EXPECT_EQ(store.getVariableItemData2(3), "c");
    EXPECT_EQ(store.variableItems[3]->arrayLength, 3);
    EXPECT_EQ(store.variableItems[3]->arrayItemIndex, 2);
    EXPECT_EQ(result.size(), 3);
}

TEST(VariableList, DeletionByScope) {
    VariableList store;
    store.createTestList();
    store.addVariableItem5("a", "", false, "sub_900_main_1", 0, 0, 0);
    store.addVariableItem5("b", "", false, "sub_900_main_2", 0, 0, 0);
    store.addVariableItem5("a", "", false, "sub_901_main_1", 0, 0, 0);
    store.addVariableItem5("c", "", false, "sub_9001_main_1", 0, 0, 0);
    EXPECT_TRUE(store.delVariableItemOfPoc(900, "main"));
    EXPECT_EQ(store.size(), 5); // the other processes' locals stay (9001 is not 900)
    EXPECT_TRUE(store.delVariableItemWithFirstString("sub_901_main_1"));
    EXPECT_EQ(store.size(), 4);
    VariableList copy = VariableList::copyOf(store);
    copy.removeAllPublicItem();
    EXPECT_EQ(copy.size(), 1);
    store.removeAllSubItem();
    EXPECT_EQ(store.size(), 3);
    EXPECT_FALSE(store.delVariableItemWithIndex(3, 0, false));
    EXPECT_TRUE(store.delVariableItemWithIndex(0, 1, false));
    EXPECT_EQ(store.getVariableItemName2(1), "var3");
}

TEST(VariableList, NetCallText) {
    VariableList value;
    value.addVariableItem1(VariableItem::make("x", "a;b", 0));
    value.addVariableItem1(VariableItem::make("y", "c\\d", 0));
    EXPECT_EQ(value.toNetCallParamer(";"), "a\\;b;c\\\\d");
    EXPECT_EQ(VariableList().toNetCallParamer(";"), "");
    EXPECT_EQ(value.toString(), "a;b,c\\d,");
}

TEST(VariableList, StoreBudget) {
    VariableList store;
    store.maxItems = 3;
    store.maxArrayLength = 10;
    store.createTestList();
    EXPECT_EQ(errorOf([&] { store.addVariableItem5("x", "", true, "", 0, 0, 0); }),
              "[VariableList] 变量数量超出限制(3)");
    store.maxItems = 0;
    EXPECT_EQ(errorOf([&] {
                  store.addVariableItem_AutoCreateArray1(
                      VariableItem::make("big", "", VariableItemType::getObjectArray, 11, 0, true, ""));
              }),
              "[VariableList] 数组长度超出限制(10)");
}

TEST(ParamerList, ArgumentsAndTypes) {
    ParamerList args;
    args.addData2("hello");
    args.add2(VariableItem::make("arr", "x", VariableItemType::getObjectArray));
    VariableList many;
    many.addVariableItem1(VariableItem::make("a", "1", 0));
    many.addVariableItem1(VariableItem::make("a", "2", 0));
    args.add1(many);
    Paramers p(&args);
    EXPECT_EQ(p.size(), 3);
    EXPECT_EQ(p.getString(0), "hello");
    EXPECT_EQ(p.getString(7), "");
    EXPECT_EQ(p.getArray(2), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(p.getArray(5), std::nullopt);
    auto types = args.toParamerTypeList();
    ASSERT_TRUE(types);
    EXPECT_EQ(types->variableItems[1]->type, VariableItemType::getObjectArray);
    EXPECT_EQ(ParamerList().toParamerTypeList(), std::nullopt);
    args.reverse();
    EXPECT_EQ(Paramers(&args).getString(2), "hello");
    EXPECT_EQ(Paramers(nullptr).getString(0), "");
}

// Long lists search through a name index; it must follow every append and
// removal exactly like a plain walk would.
TEST(VariableList, LookupsStayRightInALongStore) {
    VariableList store;
    store.createTestList();
    for (int i = 0; i < 30; ++i)
        store.addVariableItem5("v" + std::to_string(i % 10), std::to_string(i), false,
                               "sub_900_main_" + std::to_string(i / 10), 0, 0, 0);
    store.addVariableItem_AutoCreateArray1(
        VariableItem::make("arr", "", VariableItemType::getObjectArray, 5, 0, true, ""));
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("v3", "sub_900_main_2")), "23");
    EXPECT_EQ(store.findVisible("v3", "sub_900_main_7"), -1);
    EXPECT_EQ(store.getVariableItemListIndex1("arr", 4, false, true, ""), 37);

    store.delVariableItemWithFirstString("sub_900_main_1");
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("v3", "sub_900_main_2")), "23");
    EXPECT_EQ(store.findVisible("v3", "sub_900_main_1"), -1);
    const int moved = store.indexOfItem(store.variableItems[3].get());
    EXPECT_EQ(moved, 3);

    store.addVariableItem5("v3", "new", true, "", 0, 0, 0);
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("v3", "sub_900_main_1")), "new");
    auto outsider = VariableItem::make("v3", "", 0);
    EXPECT_EQ(store.indexOfItem(outsider.get()), -1);

    // Ending a process removes its locals; what is added afterwards is found.
    const int before = store.size();
    EXPECT_TRUE(store.delVariableItemOfPoc(900, "main"));
    EXPECT_LT(store.size(), before);
    for (int i = 0; i < 30; ++i)
        store.addVariableItem5("late" + std::to_string(i), std::to_string(i), true, "", 0, 0, 0);
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("late29", "")), "29");
    EXPECT_EQ(store.findVisible("v3", "sub_900_main_2"), store.findVisible("v3", ""));

    VariableList copy = store;
    copy.removeAllPublicItem();
    EXPECT_EQ(copy.findVisible("v3", ""), -1);
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("late0", "")), "0");
    store.clear();
    EXPECT_EQ(store.findVisible("v3", ""), -1);
}

TEST(VariableList, BytesHeldFollowEveryChange) {
    VariableList store;
    auto recount = [&] {
        size_t bytes = 0;
        for (const auto& item : store.variableItems)
            bytes += item->data.size() + item->name.size() + item->firstString.size() + sizeof(VariableItem);
        return bytes;
    };
    store.createTestList();
    store.addVariableItem_AutoCreateArray1(
        VariableItem::make("arr", "", VariableItemType::getObjectArray, 3, 0, false, kLocal));
    store.addVariableItem5("s", "", false, kLocal, 0, 0, 0);
    EXPECT_EQ(store.bytesHeld(), recount());
    VariableList text = VariableList::initVariableList4("_str", std::string(1000, 'x'), 0);
    store.let(store.variableItems.back(), &text);
    EXPECT_EQ(store.bytesHeld(), recount());
    VariableList longer;
    longer.isSingleArray = true;
    for (int i = 0; i < 5; ++i)
        longer.addVariableItem1(VariableItem::make("_str", std::string(100, 'y'), 0));
    store.let(store.variableItems[3], &longer);
    EXPECT_EQ(store.bytesHeld(), recount());
    store.setItemData(0, "changed");
    store.delVariableItemWithFirstString(kLocal);
    EXPECT_EQ(store.bytesHeld(), recount());
    store.removeAllPublicItem();
    EXPECT_EQ(store.bytesHeld(), 0u);
}

// The locals of the call level that just ended sit at the end of the store;
// removing them keeps the name index, which must still answer rightly.
TEST(VariableList, RemovingTheLastLevelKeepsLookupsRight) {
    VariableList store;
    store.createTestList();
    for (int i = 0; i < 20; ++i)
        store.addVariableItem5("n", std::to_string(i), false, "sub_900_main_" + std::to_string(i), 0, 0, 0);
    for (int level = 19; level >= 10; --level) {
        const std::string scope = "sub_900_main_" + std::to_string(level);
        EXPECT_EQ(store.getVariableItemData2(store.findVisible("n", scope)), std::to_string(level));
        EXPECT_TRUE(store.delVariableItemWithFirstString(scope));
        EXPECT_EQ(store.findVisible("n", scope), -1);
    }
    store.addVariableItem5("m", "new", false, "sub_900_main_10", 0, 0, 0);
    store.addVariableItem5("n", "again", false, "sub_900_main_10", 0, 0, 0);
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("m", "sub_900_main_10")), "new");
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("n", "sub_900_main_10")), "again");
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("n", "sub_900_main_9")), "9");
    EXPECT_TRUE(store.delVariableItemOfPoc(900, "main"));
    EXPECT_EQ(store.size(), 3);
    EXPECT_EQ(store.findVisible("n", "sub_900_main_9"), -1);
    EXPECT_EQ(store.getVariableItemData2(store.findVisible("var3", "")), "3");
}
