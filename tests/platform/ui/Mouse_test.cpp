// The window's own mouse handling, for a rider at a desktop: clicks press
// buttons and select rows, drags scroll, even when they start on a button.
#include "platform/ui/Button.h"
#include "platform/ui/MapView.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TestDriver.h"
#include "platform/ui/TextField.h"

#include <gtest/gtest.h>

using namespace platform::ui;

namespace {

struct Lines : TableViewDataSource, TableViewDelegate {
    std::vector<int> selected;
    int tableViewNumberOfRows(TableView&) override { return 30; }
    std::shared_ptr<TableViewCell> tableViewCellForRow(TableView&, int row) override {
        auto cell = TableViewCell::create();
        cell->textLabel()->setText(std::to_string(row + 1) + " 路");
        return cell;
    }
    void tableViewDidSelectRow(TableView&, int row) override { selected.push_back(row); }
};

} // namespace

TEST(MouseTest, ClicksPressButtonsAndSelectRows) {
    TestDriver driver;
    int presses = 0;
    auto button = Button::create({10, 10, 100, 40}, ButtonType::RoundedRect);
    button->setTitle("查询");
    button->setAction([&] { ++presses; });
    driver.root()->addSubview(button);
    Lines lines;
    auto table = TableView::create({0, 100, 320, 300});
    table->setDataSource(&lines);
    table->setDelegate(&lines);
    table->reloadData();
    driver.root()->addSubview(table);

    driver.mouseClick(*button, {50, 20});
    EXPECT_EQ(presses, 1);
    // Pressing, leaving the button and letting go elsewhere presses nothing.
    driver.mouseDrag(*button, {50, 20}, 0, 300);
    EXPECT_EQ(presses, 1);

    driver.mouseClick(*table, {100, 44 * 2 + 10});
    EXPECT_EQ(lines.selected, std::vector<int>{2});

    // A drag on the rows scrolls the list and selects nothing.
    driver.mouseDrag(*table, {100, 250}, 0, -200);
    EXPECT_EQ(table->contentOffset().y, 200);
    EXPECT_EQ(lines.selected.size(), 1u);
}

TEST(MouseTest, DragStartingOnAButtonScrollsTheStrip) {
    TestDriver driver;
    auto strip = ScrollView::create({0, 0, 320, 40});
    strip->setContentSize({500, 40});
    strip->setBounces(false);
    int presses = 0;
    for (int i = 0; i < 5; ++i) {
        auto tab = Button::create({2.0 + 100 * i, 0, 96, 38});
        tab->setTitle("标签" + std::to_string(i + 1));
        tab->setAction([&] { ++presses; });
        strip->addSubview(tab);
    }
    driver.root()->addSubview(strip);
    driver.mouseDrag(*strip, {150, 20}, -120, 0);
    EXPECT_EQ(strip->contentOffset().x, 120);
    EXPECT_EQ(presses, 0);
    driver.mouseClick(*strip, {150, 20});
    EXPECT_EQ(presses, 1);
}

TEST(MouseTest, DoubleClickOnTheMapAndTypingIntoAClickedField) {
    TestDriver driver;
    auto map = MapView::create({0, 0, 320, 200});
    std::vector<Point> doubleTaps;
    map->addTapHandler(2, [&](Point p) { doubleTaps.push_back(p); });
    driver.root()->addSubview(map);
    driver.mouseDoubleClick(*map, {100, 50});
    ASSERT_EQ(doubleTaps.size(), 1u);
    EXPECT_EQ(doubleTaps[0], (Point{100, 50}));

    auto field = TextField::create({10, 250, 200, 31});
    driver.root()->addSubview(field);
    driver.mouseClick(*field, {20, 15});
    EXPECT_TRUE(field->isFirstResponder());
}

TEST(MouseTest, AClickOnARefusingFieldStartsNoEditing) {
    TestDriver driver;
    struct Refuse : TextFieldDelegate {
        int asked{0};
        bool textFieldShouldBeginEditing(TextField&) override {
            ++asked;
            return false;
        }
    } refuse;
    auto field = TextField::create({10, 10, 200, 31});
    field->setDelegate(&refuse);
    driver.root()->addSubview(field);
    driver.runUntilIdle();
    EXPECT_EQ(refuse.asked, 0); // the window's own focus asks nothing
    driver.mouseClick(*field, {20, 15});
    EXPECT_EQ(refuse.asked, 1);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(driver.firstResponder(), nullptr);
}
