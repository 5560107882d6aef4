#include "DetailViews/ShowLocationViewController.h"

#include "Classes/OrvelaAppDelegate.h"
#include "Helper/Common/MyHelper.h"
#include "Helper/Favorite/SiteManager.h"
#include "SubViews/PlaceholderPages.h"
#include "SubViews/SubInquireLocation.h"
#include "TabViews/TabInquireViewController.h"
#include "platform/Log.h"
#include "platform/RunLoop.h"
#include "platform/UserDefaults.h"
#include "platform/Utf8.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextField.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr double kRefreshSeconds = 30.0;
constexpr double kColumnWidth = 30.0;
constexpr double kStripHeight = 220.0;
// The server's word for a station that the line does not serve.
constexpr const char* kStationNotOnLine = "该站点没有指定公交线路";

std::string trimmed(const std::string& text) {
    auto begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return {};
    auto end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

// The integer a piece of the distance list holds; none when it holds no number.
std::optional<int> parseDistance(const std::string& piece) {
    auto text = trimmed(piece);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

TabInquireViewController* inquireTab() {
    auto* app = OrvelaAppDelegate::shared();
    return app ? app->m_viewTabInquire.get() : nullptr;
}

} // namespace

ShowLocationViewController::ShowLocationViewController(ShowLocationDelegate* delegate, std::string line,
                                                       std::string location, std::optional<std::string> gps)
    : m_strLine(std::move(line)), m_strLocation(std::move(location)), m_strGps(std::move(gps)),
      m_delegate(delegate) {}

ShowLocationViewController::~ShowLocationViewController() {
    stopTimer();
    for (auto& request : m_requests) {
        if (auto client = request.lock())
            client->detach();
    }
    if (m_menu)
        m_menu->setDelegate(nullptr);
    if (m_alert)
        m_alert->setDelegate(nullptr);
    if (isViewLoaded())
        view()->removeFromSuperview();
}

std::shared_ptr<View> ShowLocationViewController::loadView() {
    auto screen = View::create(kFrame);
    screen->setBackgroundColor(Color{1, 1, 1, 0.92});
    screen->setCornerRadius(6);

    m_labelTitle = Button::create(Rect{4, 4, 84, 30});
    m_labelTitle->setTitleColor(Color::rgb(20, 60, 140));
    m_labelTitle->titleLabel()->setFont(Font::boldSystemFont(16));
    m_labelTitle->setAction([this] { titleClick(); });
    screen->addSubview(m_labelTitle);

    m_labelStation = Label::create(Rect{90, 4, 140, 30});
    m_labelStation->setFont(Font::boldSystemFont(15));
    m_labelStation->setTextColor(Color::rgb(200, 0, 0));
    m_labelStation->setAdjustsFontSizeToFitWidth(true, 10);
    screen->addSubview(m_labelStation);

    m_btnBack = Button::create(Rect{236, 4, 70, 30}, ButtonType::RoundedRect);
    m_btnBack->setTitle("返回");
    m_btnBack->setAction([this] { btnBackClick(); });
    screen->addSubview(m_btnBack);

    m_btnUp = Button::create(Rect{4, 40, 90, 32});
    m_btnUp->setAction([this] { btnUpClick(); });
    screen->addSubview(m_btnUp);
    m_btnDown = Button::create(Rect{98, 40, 90, 32});
    m_btnDown->setAction([this] { btnDownClick(); });
    screen->addSubview(m_btnDown);

    m_labelStart = Label::create(Rect{196, 38, 110, 18});
    m_labelStart->setFont(Font::systemFont(13));
    screen->addSubview(m_labelStart);
    m_labelStop = Label::create(Rect{196, 56, 110, 18});
    m_labelStop->setFont(Font::systemFont(13));
    screen->addSubview(m_labelStop);

    m_scrollView = ScrollView::create(Rect{0, 72, 310, kStripHeight});
    m_scrollView->setBounces(false);
    screen->addSubview(m_scrollView);

    m_label = Label::create(Rect{0, 160, 310, 30});
    m_label->setText("暂无车辆位置信息");
    m_label->setFont(Font::systemFont(16));
    m_label->setTextColor(Color::red());
    m_label->setTextAlignment(TextAlignment::Center);
    m_label->setHidden(true);
    screen->addSubview(m_label);
    return screen;
}

void ShowLocationViewController::viewDidLoad() {
    UserDefaults::standard().setBoolForKey(true, "ShowLocation");
    resetTitle();
    m_btnUp->setImage(Image::named("up_click.png"));
    m_btnDown->setImage(Image::named("down_normal.png"));
    m_btnUp->setEnabled(false);
    m_btnDown->setEnabled(false);
    send(kRoute, "getBusLineRoute", {{"busLine", m_strLine}});
}

// --- requests and the timer ---------------------------------------------------------

void ShowLocationViewController::send(Request kind, const std::string& action,
                                      const SoapParameters& parameters) {
    if (m_bClosed)
        return;
    auto client = WebServiceClient::initWithDelegateView(this, view());
    if (!client)
        return; // no server chosen yet: the client has told the rider
    m_nIndex = kind;
    std::erase_if(m_requests, [](const auto& request) { return request.expired(); });
    m_requests.push_back(client);
    client->startWithActionKeyAndParameters(action, parameters);
}

void ShowLocationViewController::stopTimer() {
    m_refreshTimer.reset();
}

void ShowLocationViewController::refresh() {
    send(kPositions, "getBusLocation",
         {{"lineNumber", m_strLine},
          {"GPSNumber", m_strGps.value_or(m_strLocation)},
          {"busCount", "3"},
          {"lastStation", lastStation()}});
    stopTimer();
    if (m_bClosed)
        return;
    m_refreshTimer = Timer::schedule(kRefreshSeconds, Repeats::Yes, [this] { refresh(); });
}

void ShowLocationViewController::closeView() {
    stopTimer();
    for (auto& request : m_requests) {
        if (auto client = request.lock())
            client->detach();
    }
    m_requests.clear();
    if (isViewLoaded())
        view()->removeFromSuperview();
    if (m_bClosed)
        return;
    m_bClosed = true;
    if (m_delegate)
        m_delegate->doWithReturn();
}

// --- answers ----------------------------------------------------------------------

void ShowLocationViewController::doWithSuccess(const std::optional<std::string>& fragment) {
    if (m_bClosed)
        return;
    auto result = SoapResult::parse(fragment);
    if (!result)
        return;
    const auto& first = result->first();
    if (!first.has("code") || !first.has("msg")) {
        showFailure();
        return;
    }
    const auto code = result->code();
    if (code == "999") {
        if (result->msg() == kStationNotOnLine) {
            // "确定" takes the rider back to the page to correct the station.
            m_alert = AlertView::create("提示", "该线路不包含您输入的站点", this, "确定");
            m_alert->show();
            return;
        }
        MyHelper::showAlertMessage("提示", result->msg());
        return;
    }
    if (code != "200") {
        showFailure();
        return;
    }
    if (m_nIndex == kRoute)
        readRoute(*result);
    else if (m_nIndex == kPositions)
        readPositions(*result);
}

void ShowLocationViewController::doWithError(const std::string& error) {
    logf("position screen: request failed: {}", error);
    if (m_bClosed)
        return;
    showFailure();
    MyHelper::showAlertMessage("提示", "网络连接失败");
}

void ShowLocationViewController::readRoute(const SoapResult& result) {
    const auto& first = result.first();
    m_labelTitle->setTitle(fmt::format("{} 路方向:", first.field("lineNumber")));
    m_labelStart->setText(fmt::format("首车: {}", first.field("departureTime")));
    m_labelStop->setText(fmt::format("末车: {}", first.field("closeOffTime")));
    m_upArray.clear();
    m_downArray.clear();
    if (first.field("type") == "环行") {
        m_upArray = splitFieldList(first.field("stations"));
        m_downArray = m_upArray;
    } else {
        for (const auto& row : result.records()) {
            auto stations = splitFieldList(row.field("stations"));
            if (stations.empty())
                continue;
            const auto type = row.field("type");
            if (type == "上行")
                m_upArray = std::move(stations);
            else if (type == "下行")
                m_downArray = std::move(stations);
        }
    }
    selectDirection(false);
    refresh();
}

void ShowLocationViewController::readPositions(const SoapResult& result) {
    m_label->setHidden(true);
    const auto& first = result.first();
    if (!first.has("distance")) {
        drawStrip();
        enableDirections();
        m_label->setHidden(false);
        m_bHasPositions = true;
        return;
    }
    const auto text = first.field("distance");
    if (trimmed(text).empty())
        return;
    auto pieces = splitFieldList(text);
    auto lead = parseDistance(pieces.front());
    if (lead && *lead < 0) {
        resetTitle();
        m_labelStation->setText("查询不到该车辆的位置信息");
    } else {
        m_labelStation->setText(lastStation());
        if (auto* tab = inquireTab())
            tab->showDistance(trimmed(pieces.front()));
        const auto& stations = selectedStations();
        auto found = std::find(stations.begin(), stations.end(), m_strLocation);
        if (found != stations.end()) {
            const int n = static_cast<int>(found - stations.begin());
            m_nPositionSite = n;
            int* buses[] = {&m_nPositionBus, &m_nPositionBus1, &m_nPositionBus2};
            for (size_t k = 0; k < std::size(buses); ++k) {
                std::optional<int> d = k < pieces.size() ? parseDistance(pieces[k]) : std::nullopt;
                // A vehicle at the first station (index 0) or behind a negative figure is not shown.
                int index = d && *d >= 0 ? n - *d : -1;
                *buses[k] = index < 1 ? -1 : index;
            }
        }
    }
    drawStrip();
    enableDirections();
    m_bHasPositions = true;
}

void ShowLocationViewController::showFailure() {
    resetTitle();
    m_label->setHidden(false);
}

void ShowLocationViewController::resetTitle() {
    m_labelTitle->setTitle(fmt::format("{} 路方向:", m_strLine));
}

void ShowLocationViewController::enableDirections() {
    m_btnUp->setEnabled(true);
    m_btnDown->setEnabled(true);
}

// --- directions ---------------------------------------------------------------------

const std::vector<std::string>& ShowLocationViewController::selectedStations() const {
    return m_bDown ? m_downArray : m_upArray;
}

std::string ShowLocationViewController::lastStation() const {
    const auto& stations = selectedStations();
    return stations.empty() ? std::string() : stations.back();
}

void ShowLocationViewController::selectDirection(bool down) {
    if (down != m_bDown) {
        // The marks of one direction mean nothing on the other's strip.
        m_nPositionSite = m_nPositionBus = m_nPositionBus1 = m_nPositionBus2 = -1;
    }
    m_bDown = down;
    m_btnUp->setImage(Image::named(down ? "up_normal.png" : "up_click.png"));
    m_btnDown->setImage(Image::named(down ? "down_click.png" : "down_normal.png"));
    m_labelStation->setText(lastStation());
}

void ShowLocationViewController::btnUpClick() {
    // The direction shown already: nothing changes, and the refresh goes on.
    if (!m_bDown)
        return;
    stopTimer();
    selectDirection(false);
    refresh();
}

void ShowLocationViewController::btnDownClick() {
    if (m_bDown)
        return;
    stopTimer();
    selectDirection(true);
    refresh();
}

void ShowLocationViewController::btnBackClick() {
    stopTimer();
    UserDefaults::standard().setBoolForKey(false, "ShowLocation");
    if (auto* tab = inquireTab()) {
        tab->setM_bShowingLocation(false);
        tab->hideDistance();
    }
    closeView();
}

void ShowLocationViewController::titleClick() {
    auto title = m_labelTitle->currentTitle();
    auto line = title.substr(0, title.find(' '));
    m_menu = MyHelper::showLineAction1Delegate(line, this);
}

// --- the station strip --------------------------------------------------------------

void ShowLocationViewController::drawStrip() {
    if (m_upArray.empty() || m_downArray.empty())
        return;
    for (auto& old : m_scrollView->subviews()) {
        if (std::dynamic_pointer_cast<Button>(old) || std::dynamic_pointer_cast<ImageView>(old))
            old->removeFromSuperview();
    }
    const auto& stations = selectedStations();
    auto isBus = [&](int i) { return i == m_nPositionBus || i == m_nPositionBus1 || i == m_nPositionBus2; };
    for (int i = 0; i < static_cast<int>(stations.size()); ++i) {
        const double x = kColumnWidth * i;
        auto column = Button::create(Rect{x + 3, 20, 24, 200});
        column->setTitle(fmt::format("{:02d} {}", i + 1, stations[i]));
        column->titleLabel()->setFont(Font::systemFont(15));
        column->titleLabel()->setNumberOfLines(0);
        const bool marked = i == m_nPositionSite || isBus(i);
        column->setTitleColor(marked ? Color::red() : Color::black());
        column->setAction([this](Button& b) { stationClick(b); });
        m_scrollView->addSubview(column);

        const char* icon =
            isBus(i) ? "location_bus.png" : (i == m_nPositionSite ? "location_pepole.png" : nullptr);
        if (icon) {
            auto mark = ImageView::create(Rect{x + 5, 0, 20, 20});
            mark->setImage(Image::named(icon));
            m_scrollView->addSubview(mark);
        }
    }
    m_scrollView->setContentSize(Size{kColumnWidth * static_cast<double>(stations.size()), kStripHeight});
    m_scrollView->setBounces(false);
    m_scrollView->scrollRectToVisible(Rect{kColumnWidth * m_nPositionBus + 5, 0, 280, 168}, true);
}

void ShowLocationViewController::stationClick(const Button& column) {
    // The column reads "NN name": the menu is titled with the name alone.
    auto name = utf8::substr(column.currentTitle(), 3);
    m_menu = MyHelper::showSiteAction1Delegate(name, this);
}

// --- menus ----------------------------------------------------------------------------

void ShowLocationViewController::actionSheetClickedButtonAtIndex(ActionSheet& sheet, int index) {
    if (index < 0 || index == sheet.cancelButtonIndex())
        return;
    const auto choice = sheet.buttonTitleAtIndex(index);
    const auto name = sheet.title();
    const bool stationMenu = sheet.tag() == MyHelper::kSiteMenuTag;
    UserDefaults::standard().setBoolForKey(false, "ShowLocation");

    if (choice == "添加到收藏夹") {
        SiteManager::getInstance().addSiteItemIsSite(name, stationMenu);
        return;
    }
    auto* tab = inquireTab();
    if (choice == "车辆位置") {
        if (tab && tab->subLocation()) {
            auto* page = tab->subLocation();
            (stationMenu ? page->stationField() : page->lineField()).setText(name);
            page->closeView();
        }
        UserDefaults::standard().setBoolForKey(false, "ShowLocation");
        btnBackClick();
        return;
    }
    if (!tab)
        return;
    if (stationMenu && (choice == "设为起点" || choice == "设为终点")) {
        // FIXME: the transfer page has no start and end fields yet to take the name.
        if (auto* transfer = tab->subTransfer())
            transfer->closeView();
        tab->tabButtonAction(*tab->transferButton());
        return;
    }
    if ((stationMenu && choice == "站点查询") || (!stationMenu && choice == "线路查询")) {
        // FIXME: the line page has no line field yet to take the name.
        // This screen stays open, refreshing, under the other page.
        if (auto* busline = tab->subBusline())
            busline->close();
        tab->tabButtonAction(*tab->buslineButton());
        return;
    }
    // "周边吃喝玩乐" leads to the shop search, which the client does not have yet.
}

void ShowLocationViewController::alertViewClickedButtonAtIndex(AlertView&, int) {
    btnBackClick();
}

// --- accessors ------------------------------------------------------------------------

Button& ShowLocationViewController::titleButton() {
    return view(), *m_labelTitle;
}
Label& ShowLocationViewController::stationLabel() {
    return view(), *m_labelStation;
}
Label& ShowLocationViewController::startLabel() {
    return view(), *m_labelStart;
}
Label& ShowLocationViewController::stopLabel() {
    return view(), *m_labelStop;
}
Label& ShowLocationViewController::noticeLabel() {
    return view(), *m_label;
}
Button& ShowLocationViewController::backButton() {
    return view(), *m_btnBack;
}
Button& ShowLocationViewController::upButton() {
    return view(), *m_btnUp;
}
Button& ShowLocationViewController::downButton() {
    return view(), *m_btnDown;
}
ScrollView& ShowLocationViewController::strip() {
    return view(), *m_scrollView;
}

std::vector<std::shared_ptr<Button>> ShowLocationViewController::stationButtons() const {
    std::vector<std::shared_ptr<Button>> out;
    if (!m_scrollView)
        return out;
    for (auto& v : m_scrollView->subviews()) {
        if (auto b = std::dynamic_pointer_cast<Button>(v))
            out.push_back(b);
    }
    return out;
}

std::vector<std::shared_ptr<ImageView>> ShowLocationViewController::stationIcons() const {
    std::vector<std::shared_ptr<ImageView>> out;
    if (!m_scrollView)
        return out;
    for (auto& v : m_scrollView->subviews()) {
        if (auto i = std::dynamic_pointer_cast<ImageView>(v))
            out.push_back(i);
    }
    return out;
}
