#include "DetailViews/AutoMatchViewController.h"

#include "Helper/Common/MyHelper.h"
#include "Helper/WebService/SoapResult.h"
#include "platform/Log.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

#include <fmt/format.h>

using namespace platform;
using namespace platform::ui;

AutoMatchViewController::AutoMatchViewController(AutoMatchDelegate* delegate, std::string line)
    : m_delegate(delegate), m_strTitle(std::move(line)) {}

AutoMatchViewController::~AutoMatchViewController() {
    if (auto client = m_request.lock())
        client->detach();
    if (m_tableCenter) {
        m_tableCenter->setDataSource(nullptr);
        m_tableCenter->setDelegate(nullptr);
    }
    if (isViewLoaded())
        view()->removeFromSuperview();
}

std::shared_ptr<View> AutoMatchViewController::loadView() {
    auto screen = View::create(kFrame);
    screen->setBackgroundColor(Color{1, 1, 1, 0.92});
    screen->setCornerRadius(6);

    m_labelTitle = Label::create(Rect{8, 4, 224, 30});
    m_labelTitle->setFont(Font::boldSystemFont(16));
    m_labelTitle->setTextColor(Color::rgb(20, 60, 140));
    screen->addSubview(m_labelTitle);

    m_btnBack = Button::create(Rect{236, 4, 70, 30}, ButtonType::RoundedRect);
    m_btnBack->setTitle("返回");
    m_btnBack->setAction([this] { closeView(); });
    screen->addSubview(m_btnBack);

    m_btnUp = Button::create(Rect{4, 40, 90, 32});
    m_btnUp->setAction([this] { btnUpClick(); });
    screen->addSubview(m_btnUp);
    m_btnDown = Button::create(Rect{98, 40, 90, 32});
    m_btnDown->setAction([this] { btnDownClick(); });
    screen->addSubview(m_btnDown);

    m_imageView = ImageView::create(Rect{2, 76, 306, 212});
    m_imageView->setBorder(1, Color::rgb(160, 160, 160));
    m_imageView->setCornerRadius(4);
    screen->addSubview(m_imageView);

    m_tableCenter = TableView::create(Rect{4, 78, 302, 208});
    m_tableCenter->setRowHeight(36);
    m_tableCenter->setDataSource(this);
    m_tableCenter->setDelegate(this);
    screen->addSubview(m_tableCenter);
    return screen;
}

void AutoMatchViewController::viewDidLoad() {
    m_labelTitle->setText(fmt::format("{} 路经过的站点", m_strTitle));
    m_btnUp->setImage(Image::named("up_click.png"));
    m_btnDown->setImage(Image::named("down_normal.png"));
    auto client = WebServiceClient::initWithDelegateView(this, view());
    if (!client)
        return;
    m_request = client;
    client->startWithActionKeyAndParameters("getBusLineRoute", {{"busLine", m_strTitle}});
}

void AutoMatchViewController::closeView() {
    if (auto client = m_request.lock())
        client->detach();
    if (isViewLoaded())
        view()->removeFromSuperview();
    if (m_bClosed)
        return;
    m_bClosed = true;
    if (m_delegate)
        m_delegate->doWithReturn();
}

void AutoMatchViewController::fail() {
    MyHelper::showAlertMessage("", "获取线路信息失败，请重试。");
    closeView();
}

void AutoMatchViewController::doWithSuccess(const std::optional<std::string>& fragment) {
    if (m_bClosed)
        return;
    auto result = SoapResult::parse(fragment);
    if (!result) {
        fail();
        return;
    }
    if (!result->isSuccess()) {
        MyHelper::showAlertMessage("提示", "公交系统正在升级。");
        fail();
        return;
    }
    m_upArray.clear();
    m_downArray.clear();
    m_upGPSArray.clear();
    m_downGPSArray.clear();
    const auto& first = result->first();
    if (first.field("type") == "环行") {
        m_upArray = m_downArray = splitFieldList(first.field("stations"));
        m_upGPSArray = m_downGPSArray = splitFieldList(first.field("stationGPS"));
    } else {
        for (const auto& row : result->records()) {
            auto stations = splitFieldList(row.field("stations"));
            if (stations.empty())
                continue;
            const auto type = row.field("type");
            if (type == "上行") {
                m_upArray = std::move(stations);
                m_upGPSArray = splitFieldList(row.field("stationGPS"));
            } else if (type == "下行") {
                m_downArray = std::move(stations);
                m_downGPSArray = splitFieldList(row.field("stationGPS"));
            }
        }
    }
    if (m_upArray.empty() && m_downArray.empty()) {
        fail();
        return;
    }
    // A line that runs one way only opens on the direction it has.
    showDirection(m_upArray.empty());
}

void AutoMatchViewController::doWithError(const std::string& error) {
    logf("station picker: request failed: {}", error);
    if (m_bClosed)
        return;
    fail();
}

void AutoMatchViewController::showDirection(bool down) {
    m_bDown = down;
    m_btnUp->setImage(Image::named(down ? "up_normal.png" : "up_click.png"));
    m_btnDown->setImage(Image::named(down ? "down_click.png" : "down_normal.png"));
    m_contentArray = down ? m_downArray : m_upArray;
    m_contentGPSArray = down ? m_downGPSArray : m_upGPSArray;
    m_tableCenter->reloadData();
    m_tableCenter->setContentOffset(Point{0, 0});
}

void AutoMatchViewController::btnUpClick() {
    if (m_bDown)
        showDirection(false);
}

void AutoMatchViewController::btnDownClick() {
    if (!m_bDown)
        showDirection(true);
}

int AutoMatchViewController::tableViewNumberOfRows(TableView&) {
    return static_cast<int>(m_contentArray.size());
}

std::shared_ptr<TableViewCell> AutoMatchViewController::tableViewCellForRow(TableView&, int row) {
    auto cell = TableViewCell::create(TableViewCellStyle::Default);
    cell->textLabel()->setText(m_contentArray.at(static_cast<size_t>(row)));
    cell->textLabel()->setFont(Font::systemFont(16));
    return cell;
}

void AutoMatchViewController::tableViewDidSelectRow(TableView&, int row) {
    if (row < 0 || static_cast<size_t>(row) >= m_contentArray.size())
        return;
    const auto index = static_cast<size_t>(row);
    // A route whose code list is shorter than its names gives no code for the rest.
    std::vector<std::string> choice{m_contentArray[index],
                                    index < m_contentGPSArray.size() ? m_contentGPSArray[index] : ""};
    if (m_delegate)
        m_delegate->userDidSelected(choice);
    closeView();
}

Label& AutoMatchViewController::titleLabel() {
    return view(), *m_labelTitle;
}
Button& AutoMatchViewController::upButton() {
    return view(), *m_btnUp;
}
Button& AutoMatchViewController::downButton() {
    return view(), *m_btnDown;
}
Button& AutoMatchViewController::backButton() {
    return view(), *m_btnBack;
}
TableView& AutoMatchViewController::table() {
    return view(), *m_tableCenter;
}
