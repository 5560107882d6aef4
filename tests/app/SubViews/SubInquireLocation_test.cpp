#include "DetailViews/LocationFixture.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"

using namespace platform;

namespace {

using LocationPageTest = LocationFixture;

TEST_F(LocationPageTest, TheStationTextDecidesBetweenACodeAndANameSearch) {
    struct Case {
        const char* station;
        std::vector<std::string> alertTitles;
        std::vector<std::string> alertMessages;
        const char* sheetTitle;
    };
    const Case cases[] = {
        // The digits alone go out: the demo city has no stop 123456 and says so.
        {"a123456b", {"提示"}, {"没有编号为123456的站点"}, nullptr},
        {"站10006", {}, {}, "请选择公交线路"},
        {"1234", {"查询失败"}, {"没有查询到与\"1234\"有关的站点，请更换关键词后重试。"}, nullptr},
        {"鼓楼", {}, {}, "选择具体的站台"},
    };
    launchOnInquire();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.station);
        page().lineField().setText("");
        page().stationField().setText(c.station);
        ASSERT_TRUE(driver.tap(page().queryButton()));
        ASSERT_TRUE(driver.runUntil([&] { return !driver.alerts().empty() || !driver.sheets().empty(); }));
        EXPECT_EQ(driver.alertTitles(), c.alertTitles);
        EXPECT_EQ(driver.alertMessages(), c.alertMessages);
        if (c.sheetTitle) {
            ASSERT_EQ(driver.sheets().size(), 1u);
            EXPECT_EQ(driver.sheets().front()->title(), c.sheetTitle);
            EXPECT_EQ(driver.sheetButtons().back(), "取消");
            driver.chooseSheetButton("取消");
        }
        while (driver.pressAlertButton("确定")) {
        }
        EXPECT_FALSE(screen());
    }
}

TEST_F(LocationPageTest, ALineChosenForAStationCodeOpensTheScreenThatKnowsOnlyTheCode) {
    launchOnInquire();
    page().stationField().setText("10006");
    ASSERT_TRUE(driver.tap(page().queryButton()));
    ASSERT_TRUE(driver.runUntil([&] { return !driver.sheets().empty(); }));
    auto buttons = driver.sheetButtons();
    EXPECT_EQ(buttons.front(), "1"); // server order
    EXPECT_EQ(buttons.back(), "取消");
    ASSERT_TRUE(driver.chooseSheetButton("1"));
    ASSERT_TRUE(screen());
    auto& s = *screen();
    EXPECT_EQ(s.line(), "1");
    EXPECT_EQ(s.location(), "10006");
    ASSERT_TRUE(driver.runUntil([&] { return s.hasPositions(); }));
    EXPECT_EQ(s.positionSite(), -1); // no station of that name
    EXPECT_FALSE(s.stationButtons().empty());
    EXPECT_FALSE(tab().distanceLabel().isHidden());
}

TEST_F(LocationPageTest, ChoosingAStopNameAfterTheSearchKeepsThePage) {
    launchOnInquire();
    page().stationField().setText("鼓楼");
    ASSERT_TRUE(driver.tap(page().queryButton()));
    ASSERT_TRUE(driver.runUntil([&] { return !driver.sheets().empty(); }));
    ASSERT_TRUE(driver.chooseSheetButton("鼓楼"));
    driver.runUntilIdle();
    EXPECT_TRUE(page().inputsShown());
    EXPECT_FALSE(screen());
}

TEST_F(LocationPageTest, NothingHappensWithBothFieldsEmpty) {
    launchOnInquire();
    useCannedBackEnd();
    ASSERT_TRUE(driver.tap(page().queryButton()));
    driver.runUntil([] { return false; }, 0.2);
    EXPECT_EQ(canned->total(), 0u);
    EXPECT_TRUE(driver.screenshot(std::string(TANSU_BIN_DIR) + "/location-page.png"));
    EXPECT_TRUE(driver.alerts().empty());
    EXPECT_TRUE(driver.sheets().empty());
}

TEST_F(LocationPageTest, TheLineReadsUpperCaseAndTheStationFieldOpensThePicker) {
    launchOnInquire();
    ASSERT_TRUE(driver.type(page().lineField(), "k1"));
    EXPECT_EQ(page().lineField().text(), "k1");
    EXPECT_FALSE(driver.type(page().stationField(), "x")); // refused: the picker opens instead
    EXPECT_EQ(page().lineField().text(), "K1");
    EXPECT_EQ(page().stationField().text(), "");
    EXPECT_NE(driver.firstResponder().get(), &page().stationField());
    ASSERT_TRUE(page().autoMatchView());
    EXPECT_EQ(page().autoMatchView()->line(), "K1");
    EXPECT_FALSE(page().inputsShown());
}

TEST_F(LocationPageTest, ThePickerListsBothDirectionsAndHandsTheStationAndItsCodeToThePage) {
    launchOnInquire();
    page().lineField().setText("1");
    ASSERT_TRUE(driver.tap(page().queryButton()));
    auto* picker = page().autoMatchView();
    ASSERT_TRUE(picker);
    EXPECT_EQ(picker->titleLabel().text(), "1 路经过的站点");
    ASSERT_TRUE(driver.runUntil([&] { return !picker->shownStations().empty(); }));
    EXPECT_EQ(picker->shownStations().front(), "西夏区政府");
    EXPECT_EQ(picker->table().cellForRow(5)->textLabel()->text(), "鼓楼");
    EXPECT_TRUE(driver.screenshot(std::string(TANSU_BIN_DIR) + "/location-picker.png"));

    ASSERT_TRUE(driver.tap(picker->downButton()));
    EXPECT_EQ(picker->shownStations().front(), "清和园");
    EXPECT_EQ(picker->downButton().imageForState(ui::ControlState::Normal).name(), "down_click.png");
    ASSERT_TRUE(driver.tapRow(picker->table(), 6));
    EXPECT_TRUE(picker->isClosed());
    EXPECT_TRUE(page().inputsShown());
    EXPECT_EQ(page().stationField().text(), "鼓楼");
    EXPECT_EQ(page().gps(), "10006");

    // The code goes to the next screen once.
    ASSERT_TRUE(driver.tap(page().queryButton()));
    ASSERT_TRUE(screen());
    EXPECT_EQ(screen()->gps(), "10006");
    EXPECT_FALSE(page().gps());
    ASSERT_TRUE(driver.runUntil([&] { return screen()->hasPositions(); }));
    EXPECT_EQ(screen()->positionSite(), 5);
}

TEST_F(LocationPageTest, ThePickerOfAnUnknownLineFailsAndCloses) {
    launchOnInquire();
    page().lineField().setText("999");
    ASSERT_TRUE(driver.tap(page().queryButton()));
    ASSERT_TRUE(driver.runUntil([&] { return page().autoMatchView()->isClosed(); }));
    EXPECT_EQ(driver.alertMessages(),
              (std::vector<std::string>{"公交系统正在升级。", "获取线路信息失败，请重试。"}));
    EXPECT_EQ(driver.alertTitles(), (std::vector<std::string>{"提示", ""}));
    EXPECT_TRUE(page().inputsShown());
}

TEST_F(LocationPageTest, CannedAnswersTheDemoCityCannotGive) {
    launchOnInquire();
    useCannedBackEnd();
    // A route with names but no rows of a known direction.
    canned->answer(
        "getBusLineRoute",
        "<NewDataSet><Table><code>200</code><msg>成功</msg><type>未知</type><stations>甲</stations>"
        "</Table></NewDataSet>");
    page().lineField().setText("T");
    ASSERT_TRUE(driver.tap(page().queryButton()));
    ASSERT_TRUE(driver.runUntil([&] { return page().autoMatchView()->isClosed(); }));
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"获取线路信息失败，请重试。"});
    driver.pressAlertButton("确定");

    // A code whose answer names no line gets a notice, never a sheet of another station's lines.
    canned->answer(
        "getBusStationLines",
        "<NewDataSet><Table><code>200</code><msg>成功</msg><lineName></lineName></Table></NewDataSet>");
    page().lineField().setText("");
    page().stationField().setText("12345");
    ASSERT_TRUE(driver.tap(page().queryButton()));
    ASSERT_TRUE(driver.runUntil([&] { return !driver.alerts().empty(); }));
    EXPECT_TRUE(driver.sheets().empty());
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"没有查询到经过该站点的公交线路。"});
    EXPECT_NE(canned->lastBody("getBusStationLines").find("<busStation>12345</busStation>"),
              std::string::npos);
    driver.pressAlertButton("确定");

    // A transport failure.
    setWebURLString("http://127.0.0.1:1/service.asmx");
    page().stationField().setText("某站");
    ASSERT_TRUE(driver.tap(page().queryButton()));
    ASSERT_TRUE(driver.runUntil([&] { return !driver.alerts().empty(); }));
    EXPECT_EQ(driver.alertTitles(), std::vector<std::string>{"查询失败"});
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"网络连接不稳定"});
}

} // namespace

namespace {

// The calls the tour makes: pick line 1, take 鼓楼 from the picker, query.
TEST_F(LocationPageTest, TheTourCallsEndOnTheScreenWithItsBuses) {
    launchOnInquire();
    auto* location = &page();
    location->stationField().setText("");
    location->lineField().setText("1");
    location->btnQueryClick();
    ASSERT_TRUE(driver.runUntil([&] {
        auto* p = location->autoMatchView();
        return p && !p->shownStations().empty();
    }));
    auto* picker = location->autoMatchView();
    picker->tableViewDidSelectRow(picker->table(), 5);
    EXPECT_EQ(location->stationField().text(), "鼓楼");
    location->btnQueryClick();
    ASSERT_TRUE(driver.runUntil([&] {
        auto* s = location->showLocationView();
        return s && s->hasPositions();
    }));
    EXPECT_EQ(location->showLocationView()->positionSite(), 5);
    location->showLocationView()->btnBackClick();
    EXPECT_TRUE(location->inputsShown());
}

} // namespace
