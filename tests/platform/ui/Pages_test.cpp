#include "platform/ui/NavigationBar.h"
#include "platform/ui/PickerView.h"
#include "platform/ui/TestDriver.h"
#include "platform/ui/TextField.h"
#include "platform/ui/UI.h"
#include "platform/ui/ViewController.h"

#include <gtest/gtest.h>

using namespace platform::ui;

namespace {

// A feedback page: a navigation bar, a category field filled only from a
// picker that shows instead of the keyboard.
struct FeedbackPage : ViewController, TextFieldDelegate, PickerViewDelegate {
    std::vector<std::string> categories{"表扬", "建议", "投诉"};
    std::shared_ptr<TextField> classify;
    std::shared_ptr<View> pickerPanel;
    std::shared_ptr<PickerView> picker;
    int loads{0};
    int closed{0};

    std::shared_ptr<View> loadView() override {
        auto page = View::create({0, 0, 320, 460});
        auto bar = NavigationBar::create();
        bar->setTitle("用户意见反馈");
        bar->setLeftButton("返回", [this] { ++closed; });
        bar->setRightButton("查询提问", [] {});
        page->addSubview(bar);
        classify = TextField::create({20, 60, 280, 31});
        classify->setPlaceholder("类别");
        classify->setDelegate(this);
        page->addSubview(classify);
        pickerPanel = View::create({0, 240, 320, 220});
        pickerPanel->setHidden(true);
        picker = PickerView::create({0, 40, 320, 180});
        picker->setDelegate(this);
        pickerPanel->addSubview(picker);
        page->addSubview(pickerPanel);
        return page;
    }
    void viewDidLoad() override { ++loads; }
    bool textFieldShouldBeginEditing(TextField&) override {
        pickerPanel->setHidden(false);
        return false;
    }
    int pickerViewNumberOfRows(PickerView&) override { return static_cast<int>(categories.size()); }
    std::string pickerViewTitleForRow(PickerView&, int row) override { return categories[row]; }
    void pickerViewDidSelectRow(PickerView& p, int row) override {
        classify->setText(p.titleForRow(row));
        pickerPanel->setHidden(true);
    }
};

} // namespace

TEST(PagesTest, NavigationBarPickerAndAPageMadeOnFirstUse) {
    TestDriver driver;
    FeedbackPage page;
    EXPECT_FALSE(page.isViewLoaded());
    driver.root()->addSubview(page.view());
    EXPECT_EQ(page.view(), page.view());
    EXPECT_EQ(page.loads, 1);

    EXPECT_TRUE(driver.findByText("用户意见反馈"));
    EXPECT_TRUE(driver.tapText("返回"));
    EXPECT_EQ(page.closed, 1);

    EXPECT_FALSE(driver.choosePickerRow(*page.picker, 1)); // hidden
    driver.tap(*page.classify);
    EXPECT_FALSE(page.classify->isFirstResponder());
    ASSERT_FALSE(page.pickerPanel->isHidden());
    EXPECT_EQ(page.picker->numberOfRows(), 3);
    EXPECT_EQ(page.picker->selectedRow(), 0);
    EXPECT_TRUE(driver.choosePickerRow(*page.picker, 2));
    EXPECT_EQ(page.classify->text(), "投诉");
    EXPECT_TRUE(page.pickerPanel->isHidden());
    EXPECT_FALSE(page.picker->chooseRow(3));
}

TEST(PagesTest, ModalPageSlidesUpAndAwayAndLeavesWithItsController) {
    TestDriver driver;
    std::weak_ptr<View> weakView;
    {
        FeedbackPage page;
        page.presentModally(true);
        weakView = page.view();
        driver.advance(0.15);
        EXPECT_GT(page.view()->presentationFrame().y, 20);
        driver.advance(0.2);
        EXPECT_EQ(page.view()->presentationFrame().y, 20);
        EXPECT_TRUE(page.view()->isInWindow());
        page.dismissModally(true);
        driver.advance(0.4);
        EXPECT_FALSE(page.view()->isInWindow());
        page.presentModally(false);
        EXPECT_TRUE(page.view()->isInWindow());
    }
    EXPECT_TRUE(weakView.expired());
}
