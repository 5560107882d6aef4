#include "platform/Paths.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TestDriver.h"
#include "platform/ui/TextField.h"

#include <gtest/gtest.h>

using namespace platform::ui;

namespace {

struct RefusingDelegate : TextFieldDelegate {
    bool allow{false};
    int began{0};
    int returned{0};
    int asked{0};
    bool textFieldShouldBeginEditing(TextField&) override {
        ++asked;
        return allow;
    }
    void textFieldDidBeginEditing(TextField&) override { ++began; }
    bool textFieldShouldReturn(TextField& field) override {
        ++returned;
        field.resignFirstResponder();
        return true;
    }
};

} // namespace

TEST(TextFieldTest, RefusedFieldNeverBeginsEditingAndTakesNoTyping) {
    TestDriver driver;
    auto field = TextField::create({20, 20, 200, 30});
    field->setPlaceholder("站点");
    RefusingDelegate delegate;
    field->setDelegate(&delegate);
    driver.root()->addSubview(field);

    EXPECT_FALSE(driver.type(*field, "12345"));
    driver.tap(*field);
    EXPECT_EQ(delegate.asked, 2);
    EXPECT_EQ(delegate.began, 0);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(driver.firstResponder(), nullptr);
    EXPECT_EQ(field->text(), "");

    delegate.allow = true;
    EXPECT_TRUE(driver.typeInto("站点", "k1"));
    EXPECT_EQ(delegate.began, 1);
    EXPECT_EQ(field->text(), "k1");
    EXPECT_TRUE(driver.pressReturn());
    EXPECT_EQ(delegate.returned, 1);
    EXPECT_FALSE(field->isFirstResponder());
}

TEST(TextFieldTest, OnlyOneFieldEditsAtATime) {
    TestDriver driver;
    auto a = TextField::create({0, 0, 100, 30});
    auto b = TextField::create({0, 40, 100, 30});
    driver.root()->addSubview(a);
    driver.root()->addSubview(b);
    EXPECT_TRUE(driver.type(*a, "一"));
    EXPECT_TRUE(driver.type(*b, "二"));
    EXPECT_FALSE(a->isFirstResponder());
    EXPECT_TRUE(b->isFirstResponder());
    endEditing();
    EXPECT_FALSE(b->isFirstResponder());
    EXPECT_EQ(a->text(), "一");
    EXPECT_EQ(b->text(), "二");
}

TEST(ButtonTest, TapReachesOnlyTouchableButtons) {
    TestDriver driver;
    int pressed = 0;
    auto button = Button::create({10, 10, 100, 40});
    button->setTitle("查询");
    button->setAction([&](Button& b) {
        EXPECT_EQ(b.currentTitle(), "查询");
        ++pressed;
    });
    driver.root()->addSubview(button);

    EXPECT_TRUE(driver.tapText("查询"));
    EXPECT_EQ(pressed, 1);

    button->setEnabled(false);
    EXPECT_FALSE(driver.tap(*button));
    button->setEnabled(true);

    button->setHidden(true);
    EXPECT_FALSE(driver.tapText("查询"));
    button->setHidden(false);

    // A view in front that takes touches shields the button.
    auto cover = View::create({0, 0, 320, 100});
    cover->addTapHandler(1, [](Point) {});
    driver.root()->addSubview(cover);
    EXPECT_FALSE(driver.tap(*button));
    // A label in front lets the touch through.
    cover->removeFromSuperview();
    auto label = Label::create({0, 0, 320, 100});
    label->setText("说明");
    driver.root()->addSubview(label);
    EXPECT_TRUE(driver.tap(*button));

    // Nothing under an alert can be touched.
    auto alert = AlertView::create("提示", "网络连接失败", nullptr, "确定");
    alert->show();
    EXPECT_FALSE(driver.tap(*button));
    EXPECT_TRUE(driver.pressAlertButton("确定"));
    EXPECT_TRUE(driver.tap(*button));
    EXPECT_EQ(pressed, 3);
}

TEST(ButtonTest, ActionMayRemoveTheScreenThatHoldsTheButton) {
    TestDriver driver;
    auto screen = View::create({0, 0, 320, 460});
    auto back = Button::create({0, 0, 60, 30});
    back->setTitle("返回");
    std::weak_ptr<View> weakScreen = screen;
    back->setAction([weakScreen] {
        if (auto s = weakScreen.lock())
            s->removeFromSuperview();
    });
    screen->addSubview(back);
    driver.root()->addSubview(screen);
    back.reset();
    screen.reset();
    EXPECT_TRUE(driver.tapText("返回"));
    EXPECT_TRUE(weakScreen.expired());
    EXPECT_EQ(driver.findByText("返回"), nullptr);
}

TEST(ButtonTest, TitleLabelKeepsAPayload) {
    auto button = Button::create({0, 0, 56, 56});
    button->titleLabel()->setText("13800000000");
    EXPECT_EQ(button->titleLabel()->text(), "13800000000");
    EXPECT_EQ(button->currentTitle(), "");
    button->setTitle("拨号");
    EXPECT_EQ(button->titleLabel()->text(), "拨号");
}

TEST(ViewTest, HierarchyOrderAndTags) {
    TestDriver driver;
    auto page = View::create({0, 0, 320, 460});
    auto a = View::create();
    auto b = View::create();
    auto c = View::create();
    c->setTag(1234);
    page->addSubview(a);
    page->addSubview(b);
    b->addSubview(c);
    driver.root()->addSubview(page);

    EXPECT_EQ(page->viewWithTag(1234), c);
    EXPECT_EQ(driver.findByTag(1234), c);
    EXPECT_EQ(page->viewWithTag(99), nullptr);

    page->bringSubviewToFront(*a);
    EXPECT_EQ(page->subviews(), (std::vector<std::shared_ptr<View>>{b, a}));
    page->sendSubviewToBack(*a);
    EXPECT_EQ(page->subviews(), (std::vector<std::shared_ptr<View>>{a, b}));

    // Moving a view to a new superview takes it from the old one.
    a->addSubview(c);
    EXPECT_TRUE(b->subviews().empty());
    EXPECT_EQ(c->superview(), a);
    c->removeFromSuperview();
    EXPECT_EQ(c->superview(), nullptr);
    EXPECT_FALSE(c->isInWindow());
    EXPECT_TRUE(a->isInWindow());
}

TEST(ViewTest, ConvertsPointsBetweenViews) {
    TestDriver driver;
    auto outer = View::create({10, 20, 200, 200});
    auto inner = View::create({5, 7, 50, 50});
    outer->addSubview(inner);
    driver.root()->addSubview(outer);
    EXPECT_EQ(inner->convertPointToView({1, 1}, outer.get()), (Point{6, 8}));
    // The screen starts under the 20-point status bar.
    EXPECT_EQ(inner->convertPointToView({0, 0}, nullptr), (Point{15, 47}));
    EXPECT_EQ(outer->convertPointFromView({0, 0}, inner.get()), (Point{5, 7}));
}

TEST(LabelTest, ShrinksAOneLineTextToFit) {
    auto label = Label::create({0, 0, 80, 20});
    label->setFont(Font::boldSystemFont(20));
    label->setText("很长很长的站点名称");
    EXPECT_EQ(label->drawnFontSize(), 20);
    label->setAdjustsFontSizeToFitWidth(true, 6);
    EXPECT_LT(label->drawnFontSize(), 20);
    EXPECT_GE(label->drawnFontSize(), 6);
    label->setText("短");
    EXPECT_EQ(label->drawnFontSize(), 20);
}

TEST(AlertTest, ReceiverGetsThePressedIndex) {
    TestDriver driver;
    struct Receiver : AlertViewDelegate {
        std::vector<int> clicked;
        std::vector<int> dismissed;
        void alertViewClickedButtonAtIndex(AlertView&, int index) override { clicked.push_back(index); }
        void alertViewDidDismissWithButtonIndex(AlertView&, int index) override {
            dismissed.push_back(index);
        }
    } receiver;
    auto alert = AlertView::create("提示", "该线路不包含您输入的站点", &receiver, "取消", {"确定", "重试"});
    EXPECT_EQ(alert->cancelButtonIndex(), 0);
    alert->show();
    EXPECT_EQ(driver.alertTitles(), std::vector<std::string>{"提示"});
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"该线路不包含您输入的站点"});
    EXPECT_TRUE(driver.findByText("重试"));

    EXPECT_TRUE(driver.pressAlertButton("重试"));
    EXPECT_EQ(receiver.clicked, std::vector<int>{2});
    EXPECT_EQ(receiver.dismissed, std::vector<int>{2});
    EXPECT_TRUE(driver.alerts().empty());
    EXPECT_FALSE(driver.pressAlertButton(0));
    EXPECT_EQ(receiver.clicked.size(), 1u);
}

TEST(AlertTest, WaitingAlertWithoutButtonsIsDismissedByCode) {
    TestDriver driver;
    struct Receiver : AlertViewDelegate {
        int clicked{0};
        int dismissed{0};
        void alertViewClickedButtonAtIndex(AlertView&, int) override { ++clicked; }
        void alertViewDidDismissWithButtonIndex(AlertView&, int) override { ++dismissed; }
    } receiver;
    auto alert = AlertView::create("请稍候", "正在加载...", &receiver);
    alert->show();
    EXPECT_EQ(alert->numberOfButtons(), 0);
    EXPECT_FALSE(driver.pressAlertButton(0));
    ASSERT_EQ(driver.alerts().size(), 1u);
    alert->dismissWithClickedButtonIndex(0, true);
    EXPECT_TRUE(driver.alerts().empty());
    EXPECT_EQ(receiver.clicked, 0);
    EXPECT_EQ(receiver.dismissed, 1);
}

TEST(AlertTest, ReceiverMayShowTheNextAlert) {
    TestDriver driver;
    auto first = AlertView::create("提示", "GPS编号错误", nullptr, "确定");
    first->setOnClick(
        [](AlertView&, int) { AlertView::create("提示", "无匹配信息", nullptr, "确定")->show(); });
    first->show();
    first.reset();
    EXPECT_TRUE(driver.pressAlertButton(0));
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"无匹配信息"});
}

TEST(ActionSheetTest, CancelIsTheLastIndex) {
    TestDriver driver;
    struct Receiver : ActionSheetDelegate {
        std::vector<int> clicked;
        void actionSheetClickedButtonAtIndex(ActionSheet& sheet, int index) override {
            EXPECT_EQ(sheet.tag(), 1);
            clicked.push_back(index);
        }
    } receiver;
    auto sheet = ActionSheet::create("请选择公交线路", &receiver, "取消", {}, {"1", "K1", "302"});
    sheet->setTag(1);
    EXPECT_EQ(sheet->cancelButtonIndex(), 3);
    EXPECT_EQ(sheet->numberOfButtons(), 4);
    sheet->showInView(*driver.root());
    EXPECT_EQ(driver.sheetButtons(), (std::vector<std::string>{"1", "K1", "302", "取消"}));
    EXPECT_TRUE(driver.chooseSheetButton("取消"));
    EXPECT_TRUE(driver.sheets().empty());

    // A menu built button by button keeps the order it was built in.
    auto built = ActionSheet::create("选择具体的站台", &receiver);
    built->setTag(1);
    for (auto name : {"火车站", "火车站东"})
        built->addButtonWithTitle(name);
    built->setCancelButtonIndex(built->addButtonWithTitle("取消"));
    built->show();
    EXPECT_TRUE(driver.chooseSheetButton(1));
    EXPECT_EQ(receiver.clicked, (std::vector<int>{3, 1}));
}

TEST(ActionSheetTest, LongMenuFitsOnTheScreen) {
    TestDriver driver;
    auto sheet = ActionSheet::create("请选择公交线路", nullptr, "取消");
    for (int i = 0; i < 20; ++i)
        sheet->addButtonWithTitle(std::to_string(i + 1));
    sheet->show();
    auto frame = sheet->frame();
    EXPECT_GE(frame.y, 20);
    EXPECT_LE(frame.maxY(), 480);
    for (auto& v : sheet->subviews())
        EXPECT_LE(v->frame().maxY(), frame.height);
    // Buttons beyond the screen are reached by scrolling the menu.
    auto last = driver.findByText("20", Visibility::Any);
    ASSERT_TRUE(last);
    EXPECT_TRUE(driver.chooseSheetButton("20"));
}

TEST(PhoneWindowTest, ScreenshotIsTheWholeWindow) {
    TestDriver driver;
    auto label = Label::create({10, 10, 300, 30});
    label->setText("截图");
    driver.root()->addSubview(label);
    const std::string file = platform::documentsPath("window.png");
    ASSERT_TRUE(driver.screenshot(file));
    auto shot = Image::fromFile(file);
    EXPECT_EQ(shot.size(), (Size{320, 480}));
    EXPECT_FALSE(driver.screenshot("/nonexistent-dir/x.png"));
}
