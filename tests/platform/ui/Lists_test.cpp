#include "platform/ui/Button.h"
#include "platform/ui/CDRefreshView.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ProgressOverlay.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TestDriver.h"

#include <gtest/gtest.h>

using namespace platform::ui;

namespace {

// A list screen as the announcement pages build it: rows from an array, a
// pull-to-refresh header, a reload when a drag ends past the header.
struct NewsList : TableViewDataSource, TableViewDelegate {
    std::vector<std::string> rows{"交通公告一", "交通公告二", "交通公告三"};
    std::shared_ptr<TableView> table;
    std::shared_ptr<CDRefreshView> header;
    std::vector<int> states;
    std::vector<int> selected;
    int reloads{0};

    NewsList() {
        table = TableView::create({5, 85, 310, 245});
        table->setDataSource(this);
        table->setDelegate(this);
        header = CDRefreshView::attachTo(*table);
        table->reloadData();
    }
    int tableViewNumberOfRows(TableView&) override { return static_cast<int>(rows.size()); }
    std::shared_ptr<TableViewCell> tableViewCellForRow(TableView&, int row) override {
        auto cell = TableViewCell::create(TableViewCellStyle::Subtitle);
        cell->textLabel()->setText(rows[row]);
        cell->detailTextLabel()->setText("2026-12-11");
        cell->setAccessoryType(TableViewCellAccessory::DisclosureIndicator);
        return cell;
    }
    double tableViewHeightForRow(TableView&, int row) override { return row == 0 ? 60 : -1; }
    void tableViewDidSelectRow(TableView& tv, int row) override {
        selected.push_back(row);
        tv.deselectRow(row, true);
    }
    void scrollViewDidScroll(ScrollView& sv) override {
        header->followScroll(sv);
        if (states.empty() || states.back() != header->refreshState())
            states.push_back(header->refreshState());
    }
    void scrollViewDidEndDraggingWillDecelerate(ScrollView&, bool) override {
        if (header->canBeDoing())
            ++reloads;
    }
};

} // namespace

TEST(TableViewTest, RowsHeightsAndSelection) {
    TestDriver driver;
    NewsList list;
    driver.root()->addSubview(list.table);
    ASSERT_EQ(list.table->numberOfRows(), 3);
    EXPECT_EQ(list.table->rectForRow(0), (Rect{0, 0, 310, 60}));
    EXPECT_EQ(list.table->rectForRow(2), (Rect{0, 104, 310, 44}));
    EXPECT_EQ(list.table->contentSize(), (Size{310, 148}));
    EXPECT_EQ(list.table->rowAtPoint({10, 61}), 1);
    EXPECT_EQ(list.table->rowAtPoint({10, 200}), -1);

    EXPECT_TRUE(driver.tapText("交通公告二"));
    EXPECT_TRUE(driver.tapRow(*list.table, 2));
    EXPECT_EQ(list.selected, (std::vector<int>{1, 2}));
    EXPECT_EQ(list.table->indexForSelectedRow(), -1);

    // A selected row draws its texts white on the selection colour.
    list.table->selectRow(0);
    EXPECT_TRUE(list.table->cellForRow(0)->textLabel()->isHighlighted());
    EXPECT_EQ(list.table->indexForSelectedRow(), 0);
    list.table->selectRow(2);
    EXPECT_FALSE(list.table->cellForRow(0)->textLabel()->isHighlighted());
    list.table->deselectRow(2);
    EXPECT_FALSE(list.table->cellForRow(2)->detailTextLabel()->isHighlighted());

    list.rows = {"失物招领"};
    list.table->reloadData();
    EXPECT_EQ(list.table->numberOfRows(), 1);
    EXPECT_EQ(driver.findByText("交通公告二"), nullptr);
    EXPECT_TRUE(driver.findByText("失物招领"));
    // The header survives reloads.
    EXPECT_EQ(list.header->superview(), list.table);
}

TEST(CDRefreshViewTest, StartsNormalAndShowsLastUpdate) {
    TestDriver driver;
    NewsList list;
    driver.root()->addSubview(list.table);
    EXPECT_EQ(list.header->frame(), (Rect{0, -65, 310, 65}));
    EXPECT_EQ(list.header->arrowView()->frame().origin(), (Point{65, 5}));
    EXPECT_EQ(list.header->refreshState(), 1);
    EXPECT_EQ(list.header->titleLabel()->text(), "下拉可以刷新");
    EXPECT_FALSE(list.header->canBeDoing());
    EXPECT_FALSE(list.header->isDoing());
    EXPECT_TRUE(list.header->activityView()->isHidden());
    list.header->setLastUpdate("2026-12-11 08:30");
    EXPECT_EQ(list.header->detailLabel()->text(), "最后更新: 2026-12-11 08:30");

    list.header->updateRefreshState(3);
    EXPECT_TRUE(list.header->isDoing());
    EXPECT_TRUE(list.header->arrowView()->isHidden());
    EXPECT_FALSE(list.header->activityView()->isHidden());
    EXPECT_EQ(list.header->titleLabel()->text(), "加载中...");
}

TEST(CDRefreshViewTest, WalksNormalReadyNormalAsTheListIsPulledPastTheHeader) {
    TestDriver driver;
    NewsList list;
    driver.root()->addSubview(list.table);

    // Pulled 60 points: not past the header yet.
    driver.drag(*list.table, 0, 60);
    EXPECT_EQ(list.reloads, 0);
    driver.advance(0.5);
    EXPECT_EQ(list.table->contentOffset().y, 0);
    EXPECT_EQ(list.states, std::vector<int>{1});

    driver.dragWithoutRelease(*list.table, 0, 70);
    EXPECT_EQ(list.header->refreshState(), 2);
    EXPECT_EQ(list.header->titleLabel()->text(), "松开即可刷新");
    driver.advance(0.3);
    EXPECT_NEAR(list.header->arrowAngle(), 180, 0.01);
    driver.release(*list.table);
    EXPECT_EQ(list.reloads, 1);
    // The list springs back and the header returns to normal.
    driver.advance(0.5);
    EXPECT_EQ(list.table->contentOffset().y, 0);
    EXPECT_EQ(list.states, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(list.header->titleLabel()->text(), "下拉可以刷新");
    EXPECT_NEAR(list.header->arrowAngle(), 0, 0.01);
}

TEST(ScrollViewTest, BounceOffPagingAndScrollingIntoView) {
    TestDriver driver;
    struct Watch : ScrollViewDelegate {
        int ended{0};
        int decelerated{0};
        void scrollViewDidEndScrollingAnimation(ScrollView&) override { ++ended; }
        void scrollViewDidEndDecelerating(ScrollView&) override { ++decelerated; }
    } watch;
    auto strip = ScrollView::create({0, 0, 320, 40});
    strip->setContentSize({500, 40});
    strip->setBounces(false);
    strip->setDelegate(&watch);
    driver.root()->addSubview(strip);

    strip->scrollRectToVisible({402, 0, 96, 38}, true);
    driver.advance(0.4);
    EXPECT_EQ(strip->contentOffset(), (Point{178, 0}));
    EXPECT_EQ(watch.ended, 1);
    strip->scrollRectToVisible({2, 0, 96, 38}, false);
    EXPECT_EQ(strip->contentOffset(), (Point{2, 0}));

    // Without bounce a drag stops at the edge.
    driver.drag(*strip, 100, 0);
    EXPECT_EQ(strip->contentOffset(), (Point{0, 0}));
    EXPECT_EQ(watch.decelerated, 0);

    auto pages = ScrollView::create({0, 100, 320, 200});
    pages->setContentSize({960, 200});
    pages->setPagingEnabled(true);
    pages->setDelegate(&watch);
    driver.root()->addSubview(pages);
    driver.drag(*pages, -200, 0);
    driver.advance(0.5);
    EXPECT_EQ(pages->contentOffset(), (Point{320, 0}));
    EXPECT_EQ(watch.decelerated, 1);
}

TEST(ScrollViewTest, SubviewsMoveWithTheContent) {
    TestDriver driver;
    auto panel = ScrollView::create({0, 40, 320, 360});
    panel->setContentSize({320, 1000});
    auto label = Label::create({0, 500, 320, 38});
    label->setText("商家简介");
    panel->addSubview(label);
    driver.root()->addSubview(panel);
    EXPECT_FALSE(driver.isTouchable(*label));
    panel->setContentOffset({0, 400});
    EXPECT_EQ(label->convertPointToView({0, 0}, panel.get()), (Point{0, 500}));
    EXPECT_EQ(label->convertPointToView({0, 0}, nullptr), (Point{0, 160}));
}

TEST(ProgressOverlayTest, TwoRequestsOverOneViewKeepItUntilBothEnd) {
    TestDriver driver;
    auto page = View::create({0, 0, 320, 460});
    driver.root()->addSubview(page);
    ProgressOverlay::show(*page);
    ProgressOverlay::show(*page);
    auto overlay = ProgressOverlay::overlayOver(*page);
    ASSERT_TRUE(overlay);
    driver.advance(0.3);
    EXPECT_EQ(overlay->presentationAlpha(), 1);
    EXPECT_EQ(overlay->superview(), page);

    ProgressOverlay::hide(*page);
    driver.advance(1);
    EXPECT_EQ(ProgressOverlay::count(*page), 1);
    EXPECT_EQ(overlay->superview(), page);
    EXPECT_EQ(overlay->presentationAlpha(), 1);

    ProgressOverlay::hide(*page);
    // A new request during the fade-out keeps the overlay.
    driver.advance(0.1);
    ProgressOverlay::show(*page);
    driver.advance(1);
    EXPECT_EQ(overlay->superview(), page);
    EXPECT_EQ(overlay->presentationAlpha(), 1);

    ProgressOverlay::hide(*page);
    ProgressOverlay::hide(*page); // one hide too many is ignored
    driver.advance(0.5);
    EXPECT_EQ(overlay->superview(), nullptr);
    EXPECT_EQ(ProgressOverlay::count(*page), 0);
    EXPECT_EQ(ProgressOverlay::overlayOver(*page), nullptr);
}

TEST(ProgressOverlayTest, CoversTheViewAgainstTouches) {
    TestDriver driver;
    auto page = View::create({0, 0, 320, 460});
    auto label = Label::create({10, 10, 100, 20});
    label->setText("查询");
    page->addSubview(label);
    int taps = 0;
    page->addTapHandler(1, [&](Point) { ++taps; });
    driver.root()->addSubview(page);
    ProgressOverlay::show(*page, false);
    EXPECT_FALSE(driver.tap(*label));
    ProgressOverlay::hide(*page, false);
    EXPECT_TRUE(driver.tap(*label));
    EXPECT_EQ(taps, 1);
}

TEST(PageControlTest, TapsMoveOnePage) {
    TestDriver driver;
    auto dots = PageControl::create({0, 400, 320, 20});
    dots->setNumberOfPages(3);
    std::vector<int> pages;
    dots->setOnPageChanged([&](PageControl& pc) { pages.push_back(pc.currentPage()); });
    driver.root()->addSubview(dots);
    dots->performTap({300, 10});
    dots->performTap({300, 10});
    dots->performTap({300, 10});
    dots->performTap({10, 10});
    EXPECT_EQ(pages, (std::vector<int>{1, 2, 1}));
}

TEST(TableViewTest, NewFrameLaysTheRowsOutAgain) {
    TestDriver driver;
    NewsList list;
    driver.root()->addSubview(list.table);
    list.table->setFrame({20, 120, 280, 240});
    EXPECT_EQ(list.table->rectForRow(1), (Rect{0, 60, 280, 44}));
    EXPECT_EQ(list.table->cellForRow(1)->frame().width, 280);
    EXPECT_EQ(list.table->contentSize(), (Size{280, 148}));
    std::shared_ptr<ScrollView> asScroll = list.table;
    asScroll->setFrame({0, 0, 320, 100});
    EXPECT_EQ(list.table->cellForRow(0)->frame().width, 320);
}

TEST(ScrollViewTest, ColumnsScrolledIntoViewCanBeTapped) {
    TestDriver driver;
    auto strip = ScrollView::create({5, 100, 310, 220});
    strip->setContentSize({30 * 20, 220});
    strip->setBounces(false);
    std::vector<int> pressed;
    std::vector<std::shared_ptr<Button>> columns;
    for (int i = 0; i < 20; ++i) {
        auto column = Button::create({30.0 * i + 3, 20, 24, 200});
        column->setTitle(std::to_string(i + 1));
        column->setAction([&pressed, i] { pressed.push_back(i); });
        strip->addSubview(column);
        columns.push_back(column);
    }
    driver.root()->addSubview(strip);
    EXPECT_EQ(strip->bounds(), (Rect{0, 0, 310, 220}));
    EXPECT_FALSE(driver.tap(*columns[11])); // beyond the right edge
    driver.drag(*strip, -200, 0);
    EXPECT_EQ(strip->contentOffset().x, 200);
    EXPECT_EQ(strip->bounds(), (Rect{200, 0, 310, 220}));
    EXPECT_FALSE(driver.tap(*columns[5])); // scrolled out on the left
    EXPECT_TRUE(driver.tap(*columns[7]));
    EXPECT_TRUE(driver.tap(*columns[11]));
    EXPECT_TRUE(driver.tap(*columns[16])); // the right-most column shown
    EXPECT_FALSE(driver.tap(*columns[17]));
    EXPECT_EQ(pressed, (std::vector<int>{7, 11, 16}));
}
