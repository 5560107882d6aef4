#include "DetailViews/LocationFixture.h"
#include "Helper/Favorite/SiteManager.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"

using namespace platform;

namespace {

using PositionScreenTest = LocationFixture;

std::vector<std::string> redColumns(ShowLocationViewController& s) {
    std::vector<std::string> out;
    for (auto& column : s.stationButtons())
        if (column->titleColorForState(ui::ControlState::Normal) == ui::Color::red())
            out.push_back(column->currentTitle());
    return out;
}

// Icon name by column index, for the icons on the strip.
std::map<int, std::string> icons(ShowLocationViewController& s) {
    std::map<int, std::string> out;
    for (auto& icon : s.stationIcons())
        out[static_cast<int>((icon->frame().x - 5) / 30)] = icon->image().name();
    return out;
}

// --- against the demo city ---------------------------------------------------------------

TEST_F(PositionScreenTest, LineOneAtTheDrumTowerShowsTheRouteTheBusesAndRefreshesEveryThirtySeconds) {
    launchOnInquire();
    ASSERT_TRUE(driver.type(page().stationField(), "鼓楼"));
    ASSERT_TRUE(driver.type(page().lineField(), "1"));
    ASSERT_TRUE(driver.tap(page().queryButton()));
    ASSERT_TRUE(screen());
    auto& s = *screen();
    EXPECT_FALSE(page().inputsShown());
    EXPECT_TRUE(UserDefaults::standard().boolForKey("ShowLocation"));
    EXPECT_FALSE(s.upButton().isEnabled()); // until the first positions
    ASSERT_TRUE(driver.runUntil([&] { return s.hasPositions(); }));

    EXPECT_EQ(s.titleButton().currentTitle(), "1 路方向:");
    EXPECT_EQ(s.startLabel().text(), "首车: 06:00");
    EXPECT_EQ(s.stopLabel().text(), "末车: 22:00");
    EXPECT_EQ(s.stationLabel().text(), "清和园");
    EXPECT_TRUE(s.upButton().isEnabled());
    EXPECT_EQ(s.upButton().imageForState(ui::ControlState::Normal).name(), "up_click.png");
    EXPECT_EQ(s.downButton().imageForState(ui::ControlState::Normal).name(), "down_normal.png");
    auto columns = s.stationButtons();
    ASSERT_EQ(columns.size(), 12u);
    EXPECT_EQ(columns[5]->currentTitle(), "06 鼓楼");
    EXPECT_EQ(columns[11]->frame(), (ui::Rect{333, 20, 24, 200}));
    EXPECT_EQ(s.strip().contentSize(), (ui::Size{360, 220}));
    EXPECT_EQ(s.positionSite(), 5);
    EXPECT_EQ(icons(s)[5], "location_pepole.png");
    EXPECT_GE(s.positionBuses()[0], 1) << "buses run on line 1 at 08:30";
    EXPECT_EQ(icons(s)[s.positionBuses()[0]], "location_bus.png");
    EXPECT_FALSE(tab().distanceLabel().isHidden());
    EXPECT_FALSE(tab().distanceLabel().text().empty());
    EXPECT_TRUE(driver.screenshot(std::string(TANSU_BIN_DIR) + "/location-line1.png"));

    // The buses move on; the timer asks again every 30 seconds, once each time.
    const auto before = server->soapRequestCount();
    server->advanceClock(std::chrono::seconds(30));
    driver.advance(30);
    ASSERT_TRUE(driver.runUntil([&] { return server->soapRequestCount() == before + 1; }));
    settled(*s.view());
    driver.advance(29);
    driver.runUntilIdle();
    EXPECT_EQ(server->soapRequestCount(), before + 1);

    // Back: the timer stops, the page's fields return, the read-out goes.
    ASSERT_TRUE(driver.tap(s.backButton()));
    EXPECT_TRUE(s.isClosed());
    EXPECT_FALSE(s.isRefreshing());
    EXPECT_TRUE(page().inputsShown());
    EXPECT_FALSE(UserDefaults::standard().boolForKey("ShowLocation"));
    EXPECT_TRUE(tab().distanceLabel().isHidden());
    driver.advance(90);
    driver.runUntilIdle();
    EXPECT_EQ(server->soapRequestCount(), before + 1);
}

TEST_F(PositionScreenTest, TheDownButtonTurnsTheStripAndAsksAtOnce) {
    launchOnInquire();
    auto& s = open("1", "鼓楼");
    const auto before = server->soapRequestCount();
    ASSERT_TRUE(driver.tap(s.downButton()));
    EXPECT_TRUE(s.isDown());
    EXPECT_EQ(s.upButton().imageForState(ui::ControlState::Normal).name(), "up_normal.png");
    EXPECT_EQ(s.downButton().imageForState(ui::ControlState::Normal).name(), "down_click.png");
    EXPECT_EQ(s.stationLabel().text(), "西夏区政府");
    ASSERT_TRUE(driver.runUntil([&] { return server->soapRequestCount() == before + 1; }));
    settled(*s.view());
    EXPECT_EQ(s.stationButtons().front()->currentTitle(), "01 清和园");
    EXPECT_EQ(s.positionSite(), 6); // 鼓楼 is the seventh stop going down
    EXPECT_TRUE(s.isRefreshing());

    // The direction shown already changes nothing, and the refresh goes on.
    ASSERT_TRUE(driver.tap(s.downButton()));
    driver.runUntilIdle();
    EXPECT_EQ(server->soapRequestCount(), before + 1);
    EXPECT_TRUE(s.isRefreshing());
}

TEST_F(PositionScreenTest, ALoopLineShowsOneListInBothDirections) {
    launchOnInquire();
    auto& s = open("101", "鼓楼北");
    ASSERT_FALSE(s.upStations().empty());
    EXPECT_EQ(s.upStations(), s.downStations());
    EXPECT_FALSE(s.stationButtons().empty());
}

TEST_F(PositionScreenTest, TheColumnOpensTheStationMenuAndAddsTheStationToTheLocalList) {
    SiteManager::resetInstance();
    launchOnInquire();
    auto& s = open("1", "鼓楼");
    auto twelfth = s.stationButtons().at(11);
    EXPECT_EQ(twelfth->currentTitle(), "12 清和园");
    driver.advance(0.5); // the strip has scrolled to the first bus
    driver.drag(s.strip(), -200, 0);
    driver.advance(1);
    ASSERT_TRUE(driver.tap(*s.stationButtons().at(10)));
    EXPECT_EQ(driver.sheets().front()->title(), "银古路上海路口");
    ASSERT_TRUE(driver.chooseSheetButton("取消"));
    ASSERT_TRUE(driver.tap(*twelfth));
    ASSERT_EQ(driver.sheets().size(), 1u);
    EXPECT_EQ(driver.sheets().front()->title(), "清和园");
    EXPECT_EQ(driver.sheetButtons(),
              (std::vector<std::string>{"周边吃喝玩乐", "设为起点", "设为终点", "车辆位置", "站点查询",
                                        "添加到收藏夹", "取消"}));
    ASSERT_TRUE(driver.chooseSheetButton("添加到收藏夹"));
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"添加成功。"});
    EXPECT_TRUE(SiteManager::getInstance().isItemExistIsSite("清和园", true));
    EXPECT_FALSE(UserDefaults::standard().boolForKey("ShowLocation"));
    EXPECT_FALSE(s.isClosed());
    SiteManager::resetInstance();
}

TEST_F(PositionScreenTest, VehiclePositionsFromTheMenusFillThePageAndGoBack) {
    launchOnInquire();
    page().lineField().setText("1");
    page().stationField().setText("鼓楼");
    auto& s = open("1", "鼓楼");
    ASSERT_TRUE(driver.tap(s.titleButton()));
    EXPECT_EQ(driver.sheets().front()->title(), "1");
    EXPECT_EQ(driver.sheetButtons(),
              (std::vector<std::string>{"车辆位置", "线路查询", "添加到收藏夹", "取消"}));
    ASSERT_TRUE(driver.chooseSheetButton("取消"));
    EXPECT_TRUE(s.isRefreshing());
    EXPECT_TRUE(UserDefaults::standard().boolForKey("ShowLocation"));

    s.strip().setContentOffset(ui::Point{0, 0});
    ASSERT_TRUE(driver.tap(*s.stationButtons().at(2)));
    ASSERT_TRUE(driver.chooseSheetButton("车辆位置"));
    EXPECT_TRUE(s.isClosed());
    EXPECT_FALSE(s.isRefreshing());
    EXPECT_TRUE(page().inputsShown());
    EXPECT_EQ(page().stationField().text(), "怀远市场");
    EXPECT_EQ(page().lineField().text(), "1");
    EXPECT_FALSE(UserDefaults::standard().boolForKey("ShowLocation"));

    auto& again = open("1", "怀远市场");
    ASSERT_TRUE(driver.tap(again.titleButton()));
    ASSERT_TRUE(driver.chooseSheetButton("车辆位置"));
    EXPECT_TRUE(again.isClosed());
    EXPECT_EQ(page().lineField().text(), "1");
    EXPECT_EQ(page().stationField().text(), "怀远市场");
}

TEST_F(PositionScreenTest, StationInquiryLeavesTheScreenRefreshingUnderTheLinePage) {
    launchOnInquire();
    auto& s = open("1", "鼓楼");
    s.strip().setContentOffset(ui::Point{0, 0});
    ASSERT_TRUE(driver.tap(*s.stationButtons().at(0)));
    ASSERT_TRUE(driver.chooseSheetButton("站点查询"));
    EXPECT_EQ(tab().currentIndex(), 3);
    EXPECT_FALSE(s.isClosed());
    EXPECT_TRUE(s.isRefreshing());

    ASSERT_TRUE(driver.tap(*tab().locationButton()));
    driver.advance(1.1);
    ASSERT_TRUE(driver.tap(*s.stationButtons().at(0)));
    ASSERT_TRUE(driver.chooseSheetButton("设为终点"));
    EXPECT_EQ(tab().currentIndex(), 2);
    EXPECT_TRUE(s.isRefreshing());
}

TEST_F(PositionScreenTest, ThePageClosingTheScreenStopsItsTimer) {
    launchOnInquire();
    auto& s = open("1", "鼓楼");
    const auto before = server->soapRequestCount();
    page().closeView();
    EXPECT_TRUE(s.isClosed());
    EXPECT_FALSE(s.view()->superview());
    EXPECT_TRUE(page().inputsShown());
    driver.advance(60);
    driver.runUntilIdle();
    EXPECT_EQ(server->soapRequestCount(), before);
}

TEST_F(PositionScreenTest, ANewQueryReleasesTheOldScreenWithItsTimer) {
    launchOnInquire();
    open("1", "鼓楼");
    auto& second = open("1", "鼓楼北");
    const auto before = server->soapRequestCount();
    driver.advance(30);
    ASSERT_TRUE(driver.runUntil([&] { return server->soapRequestCount() > before; }));
    settled(*second.view());
    EXPECT_EQ(server->soapRequestCount(), before + 1); // only the screen shown asks
}

// --- canned answers ---------------------------------------------------------------------

struct PositionCase {
    const char* name;
    const char* distanceField; // nullptr: no distance element
    int site;
    std::vector<int> buses;
    std::vector<std::string> red;
    std::map<int, std::string> icons;
    const char* stationLabel;
    bool noticeShown;
    bool buttonsEnabled;
    const char* distanceShown; // the tab's read-out; nullptr: hidden
};

TEST_F(PositionScreenTest, DistancesBecomeMarksOnTheStrip) {
    const PositionCase cases[] = {
        {"three vehicles",
         "2,5,9",
         6,
         {4, 1, -1},
         {"02 乙站", "05 戊站", "07 庚站"},
         {{1, "location_bus.png"}, {4, "location_bus.png"}, {6, "location_pepole.png"}},
         "丑站",
         false,
         true,
         "2"},
        {"one at the first station",
         "6",
         6,
         {-1, -1, -1},
         {"07 庚站"},
         {{6, "location_pepole.png"}},
         "丑站",
         false,
         true,
         "6"},
        {"fewer than three",
         "3",
         6,
         {3, -1, -1},
         {"04 丁站", "07 庚站"},
         {{3, "location_bus.png"}, {6, "location_pepole.png"}},
         "丑站",
         false,
         true,
         "3"},
        {"no vehicle", "-1", -1, {-1, -1, -1}, {}, {}, "查询不到该车辆的位置信息", false, true, nullptr},
        {"a negative second",
         "1,-4,x",
         6,
         {5, -1, -1},
         {"06 己站", "07 庚站"},
         {{5, "location_bus.png"}, {6, "location_pepole.png"}},
         "丑站",
         false,
         true,
         "1"},
        {"no distance element", nullptr, -1, {-1, -1, -1}, {}, {}, "丑站", true, true, nullptr},
        {"an empty distance", "", -1, {-1, -1, -1}, {}, {}, "丑站", false, false, nullptr},
    };
    launchOnInquire();
    useCannedBackEnd();
    canned->answer("getBusLineRoute", twoWayRoute());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string fields = "<code>200</code><msg>成功</msg>";
        if (c.distanceField)
            fields += std::string("<distance>") + c.distanceField + "</distance>";
        canned->answer("getBusLocation", "<NewDataSet><Table>" + fields + "</Table></NewDataSet>");
        tab().hideDistance();
        auto& s = open("T", "庚站");
        EXPECT_EQ(s.positionSite(), c.site);
        EXPECT_EQ(s.positionBuses(), c.buses);
        EXPECT_EQ(redColumns(s), c.red);
        EXPECT_EQ(icons(s), c.icons);
        EXPECT_EQ(s.stationLabel().text(), c.stationLabel);
        EXPECT_EQ(!s.noticeLabel().isHidden(), c.noticeShown);
        EXPECT_EQ(s.upButton().isEnabled(), c.buttonsEnabled);
        EXPECT_EQ(s.stationButtons().size(), c.distanceField && !*c.distanceField ? 0u : 12u);
        EXPECT_EQ(!tab().distanceLabel().isHidden(), c.distanceShown != nullptr);
        if (c.distanceShown) {
            EXPECT_EQ(tab().distanceLabel().text(), c.distanceShown);
        }
        EXPECT_EQ(s.titleButton().currentTitle(), "T 路方向:");
    }
    // The request names the line, the station text, three vehicles and the terminal.
    auto body = canned->lastBody("getBusLocation");
    for (const char* part : {"<lineNumber>T</lineNumber>", "<GPSNumber>庚站</GPSNumber>",
                             "<busCount>3</busCount>", "<lastStation>丑站</lastStation>"})
        EXPECT_NE(body.find(part), std::string::npos) << part << " in " << body;
}

TEST_F(PositionScreenTest, AStationCodeMatchesNoNameSoNothingIsMarkedButTheTabShowsTheDistance) {
    launchOnInquire();
    useCannedBackEnd();
    canned->answer("getBusLineRoute", twoWayRoute());
    canned->answer(
        "getBusLocation",
        "<NewDataSet><Table><code>200</code><msg>成功</msg><distance>2,5</distance></Table></NewDataSet>");
    auto& s = open("T", "10006");
    EXPECT_EQ(s.positionSite(), -1);
    EXPECT_TRUE(icons(s).empty());
    EXPECT_EQ(s.stationButtons().size(), 12u);
    EXPECT_EQ(tab().distanceLabel().text(), "2");
    EXPECT_FALSE(tab().distanceLabel().isHidden());
}

TEST_F(PositionScreenTest, ARouteWithOnlyAnUpRowDrawsNoStrip) {
    launchOnInquire();
    useCannedBackEnd();
    canned->answer("getBusLineRoute",
                   routeFragment(routeRow("上行", kUpStations, true) + routeRow("下行", "")));
    canned->answer(
        "getBusLocation",
        "<NewDataSet><Table><code>200</code><msg>成功</msg><distance>2</distance></Table></NewDataSet>");
    auto& s = open("T", "庚站");
    EXPECT_EQ(s.upStations().size(), 12u);
    EXPECT_TRUE(s.downStations().empty());
    EXPECT_TRUE(s.stationButtons().empty());
    EXPECT_EQ(s.positionSite(), 6);
}

TEST_F(PositionScreenTest, AStationNotOnTheLineTakesTheRiderBackOnOK) {
    launchOnInquire();
    useCannedBackEnd();
    canned->answer("getBusLineRoute", twoWayRoute());
    canned->answer(
        "getBusLocation",
        "<NewDataSet><Table><code>999</code><msg>该站点没有指定公交线路</msg></Table></NewDataSet>");
    auto& s = open("T", "某站");
    EXPECT_EQ(driver.alertTitles(), std::vector<std::string>{"提示"});
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"该线路不包含您输入的站点"});
    EXPECT_FALSE(s.isClosed());
    ASSERT_TRUE(driver.pressAlertButton("确定"));
    EXPECT_TRUE(s.isClosed());
    EXPECT_FALSE(s.isRefreshing());
    EXPECT_TRUE(page().inputsShown());
    EXPECT_FALSE(UserDefaults::standard().boolForKey("ShowLocation"));
}

TEST_F(PositionScreenTest, FailuresKeepTheScreenWithTheNotice) {
    struct Case {
        const char* name;
        const char* answer;
        std::vector<std::string> alerts;
        bool noticeShown;
    };
    const Case cases[] = {
        {"another 999",
         "<NewDataSet><Table><code>999</code><msg>系统维护中</msg></Table></NewDataSet>",
         {"系统维护中"},
         false},
        {"another code", "<NewDataSet><Table><code>500</code><msg>x</msg></Table></NewDataSet>", {}, true},
        {"no status", "<NewDataSet><Table><distance>1</distance></Table></NewDataSet>", {}, true},
        {"no root", "<NewDataSet", {}, false},
    };
    launchOnInquire();
    useCannedBackEnd();
    canned->answer("getBusLineRoute", twoWayRoute());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        canned->answer("getBusLocation", c.answer);
        auto& s = open("T", "庚站");
        EXPECT_EQ(driver.alertMessages(), c.alerts);
        EXPECT_EQ(!s.noticeLabel().isHidden(), c.noticeShown);
        EXPECT_EQ(s.titleButton().currentTitle(), "T 路方向:");
        EXPECT_FALSE(s.isClosed());
        EXPECT_TRUE(s.isRefreshing());
        while (driver.pressAlertButton("确定")) {
        }
    }
}

TEST_F(PositionScreenTest, ARefreshThatCannotReachTheServerSaysSoAndKeepsRefreshing) {
    launchOnInquire();
    useCannedBackEnd();
    canned->answer("getBusLineRoute", twoWayRoute());
    canned->answer(
        "getBusLocation",
        "<NewDataSet><Table><code>200</code><msg>成功</msg><distance>2</distance></Table></NewDataSet>");
    auto& s = open("T", "庚站");
    ASSERT_TRUE(s.noticeLabel().isHidden());
    setWebURLString("http://127.0.0.1:1/service.asmx");
    driver.advance(30);
    ASSERT_TRUE(driver.runUntil([&] { return !driver.alerts().empty(); }));
    EXPECT_EQ(driver.alertTitles(), std::vector<std::string>{"提示"});
    EXPECT_EQ(driver.alertMessages(), std::vector<std::string>{"网络连接失败"});
    EXPECT_FALSE(s.noticeLabel().isHidden());
    EXPECT_EQ(s.titleButton().currentTitle(), "T 路方向:");
    EXPECT_TRUE(s.isRefreshing());
}

TEST_F(PositionScreenTest, AnAnswerAfterBackIsNotShown) {
    launchOnInquire();
    useCannedBackEnd();
    canned->answer("getBusLineRoute", twoWayRoute());
    canned->answer("getBusLocation", "<NewDataSet><Table><code>999</code><msg>x</msg></Table></NewDataSet>");
    page().queryBusLocationLocation("T", "庚站");
    auto& s = *screen();
    ASSERT_TRUE(driver.runUntil([&] { return !s.upStations().empty(); }));
    ASSERT_TRUE(driver.tap(s.backButton())); // the positions are on their way
    ASSERT_TRUE(driver.runUntil([&] { return canned->count("getBusLocation") > 0; }));
    driver.runUntil([] { return false; }, 0.3);
    EXPECT_TRUE(driver.alerts().empty());
    EXPECT_TRUE(s.noticeLabel().isHidden());
}

} // namespace
