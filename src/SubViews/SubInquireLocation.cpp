#include "SubViews/SubInquireLocation.h"

#include "Helper/Common/MyHelper.h"
#include "Helper/WebService/SoapResult.h"
#include "platform/Log.h"
#include "platform/RegexSearch.h"
#include "platform/UserDefaults.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"

#include <fmt/format.h>

using namespace platform;
using namespace platform::ui;

namespace {

// The station code in what a rider typed: the first run of five or more digits.
constexpr const char* kStationCodePattern = "\\d{5,}";

// Line names are Latin letters and digits ("K1", "BRT1"); other characters stay as typed.
std::string upperCaseAscii(std::string text) {
    for (auto& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

} // namespace

SubInquireLocation::SubInquireLocation() = default;

SubInquireLocation::~SubInquireLocation() {
    for (auto& request : m_requests) {
        if (auto client = request.lock())
            client->detach();
    }
    if (m_sheet)
        m_sheet->setDelegate(nullptr);
    if (m_edtBusline)
        m_edtBusline->setDelegate(nullptr);
    if (m_edtLocation)
        m_edtLocation->setDelegate(nullptr);
}

std::shared_ptr<View> SubInquireLocation::loadView() {
    auto page = View::create(Rect{0, 0, 310, kPageHeight});
    page->setBackgroundColor(Color::clear());

    m_imageBackground = ImageView::create(Rect{0, 0, 310, 160});
    m_imageBackground->setImage(Image::named("input_background.png"));
    page->addSubview(m_imageBackground);

    m_edtBusline = TextField::create(Rect{15, 18, 280, 36});
    m_edtBusline->setPlaceholder("请输入公交线路，如：1");
    m_edtBusline->setFont(Font::systemFont(16));
    m_edtBusline->setBorderStyle(BorderStyle::RoundedRect);
    m_edtBusline->setReturnKeyType(ReturnKeyType::Search);
    m_edtBusline->setDelegate(this);
    page->addSubview(m_edtBusline);

    m_edtLocation = TextField::create(Rect{15, 64, 280, 36});
    m_edtLocation->setPlaceholder("请输入站点名称或GPS编号");
    m_edtLocation->setFont(Font::systemFont(16));
    m_edtLocation->setBorderStyle(BorderStyle::RoundedRect);
    m_edtLocation->setReturnKeyType(ReturnKeyType::Search);
    m_edtLocation->setDelegate(this);
    page->addSubview(m_edtLocation);

    m_btnQuery = Button::create(Rect{105, 112, 100, 36}, ButtonType::RoundedRect);
    m_btnQuery->setTitle("查询");
    m_btnQuery->setAction([this] { btnQueryClick(); });
    page->addSubview(m_btnQuery);
    return page;
}

void SubInquireLocation::viewDidLoad() {}

// --- the query button ---------------------------------------------------------------

void SubInquireLocation::btnQueryClick() {
    endEditing();
    const auto line = lineField().text();
    const auto station = stationField().text();
    if (line.empty() && station.empty())
        return;
    if (line.empty()) {
        if (auto code = firstMatch(kStationCodePattern, station)) {
            m_GPS = code->text;
            send(kStationLines, "getBusStationLines",
                 {{"busStation", m_GPS}, {"pageIndex", "1"}, {"pageSize", "10"}});
            return;
        }
        send(kStationSearch, "stationFuzzyQuery",
             {{"query", station}, {"pageIndex", "1"}, {"pageSize", "10"}});
        return;
    }
    if (station.empty()) {
        openAutoMatch(line);
        return;
    }
    queryBusLocationLocation(line, station);
}

void SubInquireLocation::send(Request kind, const std::string& action, const SoapParameters& parameters) {
    auto client = WebServiceClient::initWithDelegateView(this, view());
    if (!client)
        return;
    m_nIndex = kind;
    std::erase_if(m_requests, [](const auto& request) { return request.expired(); });
    m_requests.push_back(client);
    client->startWithActionKeyAndParameters(action, parameters);
}

// --- child screens ------------------------------------------------------------------

void SubInquireLocation::queryBusLocationLocation(const std::string& line, const std::string& station) {
    m_showLocationView.reset();
    UserDefaults::standard().setBoolForKey(true, "ShowLocation");
    m_showLocationView = std::make_unique<ShowLocationViewController>(this, line, station, GPS);
    GPS.reset();
    showChild(*m_showLocationView->view());
}

void SubInquireLocation::openAutoMatch(const std::string& line) {
    m_autoMatchView.reset();
    m_autoMatchView = std::make_unique<AutoMatchViewController>(this, line);
    showChild(*m_autoMatchView->view());
}

void SubInquireLocation::showChild(View& child) {
    setInputsHidden(true);
    // The screens over the page need more height than its inputs.
    auto frame = view()->frame();
    frame.height = std::max(kPageHeight, child.frame().height);
    view()->setFrame(frame);
    view()->addSubview(child.shared_from_this());
}

void SubInquireLocation::setInputsHidden(bool hidden) {
    view();
    m_imageBackground->setHidden(hidden);
    m_edtBusline->setHidden(hidden);
    m_edtLocation->setHidden(hidden);
    m_btnQuery->setHidden(hidden);
}

bool SubInquireLocation::inputsShown() const {
    return m_btnQuery && !m_btnQuery->isHidden();
}

void SubInquireLocation::closeView() {
    if (m_showLocationView)
        m_showLocationView->closeView();
    // A picker left open would hide the fields that the other screens have just filled.
    if (m_autoMatchView)
        m_autoMatchView->closeView();
    // FIXME: the result list screen closes here too once the client has one.
}

void SubInquireLocation::doWithReturn() {
    bool childOpen = (m_showLocationView && !m_showLocationView->isClosed()) ||
                     (m_autoMatchView && !m_autoMatchView->isClosed());
    if (childOpen)
        return;
    setInputsHidden(false);
    auto frame = view()->frame();
    frame.height = kPageHeight;
    view()->setFrame(frame);
}

void SubInquireLocation::userDidSelected(const std::vector<std::string>& nameAndCode) {
    if (nameAndCode.empty())
        return;
    stationField().setText(nameAndCode[0]);
    if (nameAndCode.size() > 1 && !nameAndCode[1].empty())
        GPS = nameAndCode[1];
    else
        GPS.reset();
}

// --- the fields ---------------------------------------------------------------------

bool SubInquireLocation::textFieldShouldBeginEditing(TextField& field) {
    m_edtBusline->setText(upperCaseAscii(m_edtBusline->text()));
    if (&field == m_edtLocation.get() && !m_edtBusline->text().empty()) {
        endEditing();
        openAutoMatch(m_edtBusline->text());
        return false;
    }
    return true;
}

bool SubInquireLocation::textFieldShouldReturn(TextField&) {
    btnQueryClick();
    return true;
}

// --- answers ------------------------------------------------------------------------

void SubInquireLocation::doWithSuccess(const std::optional<std::string>& fragment) {
    auto result = SoapResult::parse(fragment);
    if (!result)
        return;
    const auto code = result->code();
    if (code == "999") {
        MyHelper::showAlertMessage("提示", result->msg());
        return;
    }
    if (code != "200")
        return;
    if (m_nIndex == kStationLines)
        showLineChoice(*result);
    else if (m_nIndex == kStationSearch)
        showStationChoice(*result);
}

void SubInquireLocation::doWithError(const std::string& error) {
    logf("location page: request failed: {}", error);
    MyHelper::showAlertMessage("查询失败", "网络连接不稳定");
}

void SubInquireLocation::showLineChoice(const SoapResult& result) {
    const auto lines = result.first().field("lineName");
    if (!lines.empty())
        m_LineNum = lines;
    // Lines of an earlier station would lead the rider to a wrong screen.
    if (lines.empty()) {
        MyHelper::showAlertMessage("提示", "没有查询到经过该站点的公交线路。");
        return;
    }
    m_sheet = ActionSheet::create("请选择公交线路", this);
    m_sheet->setTag(kLineSheet);
    for (const auto& line : splitFieldList(m_LineNum))
        m_sheet->addButtonWithTitle(line);
    m_sheet->setCancelButtonIndex(m_sheet->addButtonWithTitle("取消"));
    m_sheet->showInView(*view());
}

void SubInquireLocation::showStationChoice(const SoapResult& result) {
    m_siteArray.clear();
    if (!result.first().field("station").empty()) {
        for (const auto& row : result.records()) {
            auto name = row.field("station");
            if (!name.empty())
                m_siteArray.push_back(name);
        }
    }
    if (m_siteArray.empty()) {
        MyHelper::showAlertMessage(
            "查询失败",
            fmt::format("没有查询到与\"{}\"有关的站点，请更换关键词后重试。", stationField().text()));
        return;
    }
    m_sheet = ActionSheet::create("选择具体的站台", this);
    m_sheet->setTag(kStationSheet);
    for (const auto& name : m_siteArray)
        m_sheet->addButtonWithTitle(name);
    m_sheet->setCancelButtonIndex(m_sheet->addButtonWithTitle("取消"));
    m_sheet->showInView(*view());
}

void SubInquireLocation::actionSheetClickedButtonAtIndex(ActionSheet& sheet, int index) {
    if (index < 0 || index == sheet.cancelButtonIndex())
        return;
    const auto choice = sheet.buttonTitleAtIndex(index);
    if (sheet.tag() == kLineSheet) {
        queryBusLocationLocation(choice, m_GPS);
        return;
    }
    // FIXME: the stops of this name with their lines come with the result list screen.
    logf("location page: station {} chosen; the result list screen is not available yet", choice);
}

// --- accessors ----------------------------------------------------------------------

TextField& SubInquireLocation::lineField() {
    return view(), *m_edtBusline;
}
TextField& SubInquireLocation::stationField() {
    return view(), *m_edtLocation;
}
Button& SubInquireLocation::queryButton() {
    return view(), *m_btnQuery;
}
