// Builds screens with every control and writes screenshots to look at:
// gallery-controls.png and gallery-overlays.png in the test binary's folder.
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/CDRefreshView.h"
#include "platform/ui/HtmlView.h"
#include "platform/ui/MapView.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ProgressOverlay.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TestDriver.h"
#include "platform/ui/TextField.h"

#include <gtest/gtest.h>

using namespace platform::ui;

namespace {

struct Rows : TableViewDataSource {
    std::vector<std::string> names{"交通公告：K1路临时改道", "失物招领：黑色钱包", "系统公告：新版本发布"};
    int tableViewNumberOfRows(TableView&) override { return static_cast<int>(names.size()); }
    std::shared_ptr<TableViewCell> tableViewCellForRow(TableView&, int row) override {
        auto cell = TableViewCell::create(TableViewCellStyle::Subtitle);
        cell->textLabel()->setText(names[row]);
        cell->textLabel()->setFont(Font::boldSystemFont(15));
        cell->detailTextLabel()->setText("2026-12-11 08:30");
        cell->setAccessoryType(TableViewCellAccessory::DisclosureIndicator);
        return cell;
    }
};

std::shared_ptr<Button> tabButton(double x, const std::string& title, bool selected) {
    auto button = Button::create({x, 0, 96, 38});
    button->setTitle(title);
    button->titleLabel()->setFont(Font::systemFont(16));
    button->setTitleColor(selected ? Color::red() : Color::black());
    button->setBackgroundImageForState(Image::named(selected ? "title_click.png" : "title_normal.png"));
    return button;
}

std::string outPath(const char* name) {
    return std::string(TANSU_BIN_DIR) + "/" + name;
}

} // namespace

TEST(GalleryTest, Controls) {
    TestDriver driver;
    auto screen = View::create({0, 0, 320, 460});
    screen->setBackgroundImage(Image::named("root_background.png"));
    driver.root()->addSubview(screen);

    auto strip = ScrollView::create({0, 0, 320, 40});
    strip->setContentSize({500, 38});
    strip->setBounces(false);
    strip->addSubview(tabButton(2, "热门", true));
    strip->addSubview(tabButton(102, "周边", false));
    strip->addSubview(tabButton(202, "交通公告", false));
    strip->addSubview(tabButton(302, "失物招领", false));
    screen->addSubview(strip);

    auto form = ImageView::create(Image::named("input_background.png"));
    form->setFrame({5, 44, 310, 112});
    screen->addSubview(form);
    auto title = Label::create({15, 48, 200, 22});
    title->setText("车辆位置查询");
    title->setFont(Font::boldSystemFont(16));
    title->setShadow(Color::white(), {0, 1});
    screen->addSubview(title);
    auto line = TextField::create({15, 74, 140, 31});
    line->setBorderStyle(BorderStyle::RoundedRect);
    line->setPlaceholder("请输入线路");
    screen->addSubview(line);
    auto station = TextField::create({165, 74, 140, 31});
    station->setBorderStyle(BorderStyle::RoundedRect);
    station->setText("火车站");
    screen->addSubview(station);
    auto query = Button::create({15, 112, 90, 36}, ButtonType::RoundedRect);
    query->setTitle("查询");
    screen->addSubview(query);
    auto up = Button::create({115, 114, 90, 32});
    up->setBackgroundImageForState(Image::named("up_click.png"));
    screen->addSubview(up);
    auto down = Button::create({215, 114, 90, 32});
    down->setBackgroundImageForState(Image::named("down_normal.png"));
    screen->addSubview(down);

    // A strip of stations with the vehicle and the rider.
    auto stations = ScrollView::create({5, 160, 310, 92});
    stations->setBackgroundColor(Color{1, 1, 1, 0.85});
    stations->setContentSize({300, 92});
    const char* names[] = {"火车站", "人民广场", "体育馆", "北门", "南湖公园"};
    for (int i = 0; i < 5; ++i) {
        auto column = Button::create({30.0 * i + 3, 20, 24, 72});
        column->setTitle(std::string(i == 3 ? "0" : "0") + std::to_string(i + 1) + " " + names[i]);
        column->titleLabel()->setNumberOfLines(0);
        column->titleLabel()->setFont(Font::systemFont(13));
        column->setTitleColor(i == 1 || i == 3 ? Color::red() : Color::black());
        stations->addSubview(column);
        if (i == 1 || i == 3) {
            auto icon = ImageView::create(Image::named(i == 1 ? "location_bus.png" : "location_pepole.png"));
            icon->setFrame({30.0 * i + 5, 0, 20, 20});
            stations->addSubview(icon);
        }
    }
    auto notice = Label::create({160, 10, 150, 70});
    notice->setText("暂无车辆位置信息，请稍后再试。较长的说明文字会自动换行。");
    notice->setNumberOfLines(0);
    notice->setFont(Font::systemFont(13));
    notice->setTextColor(Color::red());
    stations->addSubview(notice);
    screen->addSubview(stations);

    Rows rows;
    auto table = TableView::create({5, 256, 310, 110});
    table->setDataSource(&rows);
    auto header = CDRefreshView::attachTo(*table);
    header->setLastUpdate("08:30");
    table->reloadData();
    screen->addSubview(table);
    driver.dragWithoutRelease(*table, 0, 70);
    header->followScroll(*table);
    driver.advance(0.3);

    auto html = HtmlView::create({5, 370, 230, 86});
    html->loadHTMLString("<span style=\"font-weight:bolder\">方案1（1 次换乘）</span><br />"
                         "在&nbsp;<a href=\"0火车站\">火车站</a>&nbsp;&nbsp;乘坐 <a href=\"1K1\">K1</a> 路"
                         "到 <a href=\"0体育馆\">体育馆</a> 下车。<br />");
    screen->addSubview(html);

    auto dots = PageControl::create({240, 372, 75, 20});
    dots->setNumberOfPages(3);
    dots->setCurrentPage(1);
    dots->setBackgroundColor(Color{0, 0, 0, 0.4});
    dots->setCornerRadius(10);
    screen->addSubview(dots);
    auto spinner = ActivityIndicatorView::create(ActivityIndicatorStyle::Gray);
    spinner->setFrame({268, 400, 20, 20});
    spinner->startAnimating();
    screen->addSubview(spinner);
    auto car = ImageView::create(Image::named("carIcon.png"));
    car->setFrame({258, 422, 40, 34});
    car->setContentMode(ContentMode::AspectFit);
    screen->addSubview(car);

    driver.runUntilIdle();
    EXPECT_TRUE(driver.findByText("松开即可刷新"));
    EXPECT_TRUE(driver.findByText("最后更新: 08:30"));
    EXPECT_TRUE(driver.screenshot(outPath("gallery-controls.png")));
    driver.release(*table);
}

TEST(GalleryTest, OverlaysMapAndAlerts) {
    TestDriver driver;
    auto screen = View::create({0, 0, 320, 460});
    screen->setBackgroundImage(Image::named("script_background.png"), ImageFill::Tile);
    driver.root()->addSubview(screen);

    auto map = MapView::create({5, 5, 310, 245});
    map->setRegion(map->regionThatFits({{38.47, 106.27}, {0.03, 0.03}}));
    map->setShowsUserLocation(true);
    map->setUserLocation({38.465, 106.265});
    map->setCornerRadius(16);
    screen->addSubview(map);
    auto place = std::make_shared<PointAnnotation>(PointAnnotation{{38.472, 106.275}, "鼓楼", "解放街"});
    map->addAnnotation(place);
    auto stop = std::make_shared<PointAnnotation>(PointAnnotation{{38.468, 106.28}, "鼓楼站", ""});
    map->addAnnotation(stop);
    map->viewForAnnotation(stop)->setPinColor(PinColor::Green);
    auto car = Button::create({0, 0, 40, 40});
    car->setImage(Image::named("carIcon.png"));
    map->viewForAnnotation(place)->setRightCalloutAccessoryView(car);
    map->selectAnnotation(place);
    auto search = Button::create({5, 5, 40, 40});
    search->setImage(Image::named("searchIcon.png"));
    screen->addSubview(search);

    auto toolbar = View::create({0, 400, 320, 60});
    toolbar->setBackgroundColor(Color::brown());
    const char* icons[] = {"script_bt_phone.png", "script_bt_email.png", "script_bt_map.png",
                           "script_bt_favor.png", "script_bt_back.png"};
    for (int i = 0; i < 5; ++i) {
        auto b = Button::create({6.0 + i * 62, 2, 56, 56});
        b->setImage(Image::named(icons[i]));
        toolbar->addSubview(b);
    }
    screen->addSubview(toolbar);

    auto busy = View::create({0, 255, 320, 140});
    busy->setBackgroundColor(Color::white());
    auto text = Label::create({10, 10, 300, 20});
    text->setText("正在查询附近站点…");
    busy->addSubview(text);
    screen->addSubview(busy);
    ProgressOverlay::show(*busy);
    driver.advance(0.4);
    EXPECT_TRUE(driver.screenshot(outPath("gallery-map.png")));

    auto alert = AlertView::create("提示", "该线路不包含您输入的站点", nullptr, "确定");
    alert->show();
    EXPECT_TRUE(driver.screenshot(outPath("gallery-overlays.png")));
    EXPECT_TRUE(driver.pressAlertButton(0));

    auto sheet =
        ActionSheet::create("火车站(GPS号:10001)", nullptr, "取消", {},
                            {"周边吃喝玩乐", "设为起点", "设为终点", "车辆位置", "站点查询", "添加到收藏夹"});
    sheet->show();
    EXPECT_TRUE(driver.screenshot(outPath("gallery-sheet.png")));
    EXPECT_TRUE(driver.chooseSheetButton("取消"));

    auto waiting = AlertView::create("请稍候", "正在加载商家信息...");
    auto wheel = ActivityIndicatorView::create(ActivityIndicatorStyle::White);
    wheel->setFrame({132, 55, 20, 20});
    wheel->startAnimating();
    waiting->addSubview(wheel);
    waiting->show();
    EXPECT_TRUE(driver.screenshot(outPath("gallery-waiting.png")));
    waiting->dismissWithClickedButtonIndex(0, true);
    EXPECT_TRUE(driver.alerts().empty());
}
