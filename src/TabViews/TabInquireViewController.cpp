#include "TabViews/TabInquireViewController.h"

#include "SubViews/PlaceholderPages.h"
#include "SubViews/SubInquireLocation.h"
#include "TabViews/TabStrip.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"

using namespace platform;
using namespace platform::ui;

namespace {

struct TabEntry {
    const char* title;
    double x;
    int index;
};

// Index 4 (IC card) and 5 (bike offices) have no button in the strip.
constexpr TabEntry kTabs[] = {
    {"车辆位置", 2, 1}, {"换乘", 102, 2}, {"站点线路", 202, 3}, {"充值点", 302, 6}, {"地点查询", 402, 7},
};

constexpr double kFadeSeconds = 1.0;

} // namespace

TabInquireViewController::TabInquireViewController() = default;
TabInquireViewController::~TabInquireViewController() = default;

void TabInquireViewController::viewDidLoad() {
    UserDefaults::standard().setBoolForKey(false, "ShowLocation");
    auto page = view();
    page->setBackgroundColor(Color::clear());
    m_scrollView = TabStrip::makeStrip(Rect{0, 0, 320, 38}, Size{500, 38});
    page->addSubview(m_scrollView);

    m_labelInfo = Label::create(Rect{196, 48, 86, 30});
    m_labelInfo->setText("最近车辆距本站");
    m_labelInfo->setFont(Font::systemFont(12));
    m_labelInfo->setTextAlignment(TextAlignment::Right);
    m_labelInfo->setHidden(true);
    page->addSubview(m_labelInfo);
    m_labelDistance = Label::create(Rect{284, 48, 34, 30});
    m_labelDistance->setFont(Font::boldSystemFont(18));
    m_labelDistance->setTextColor(Color::red());
    m_labelDistance->setHidden(true);
    page->addSubview(m_labelDistance);

    std::shared_ptr<Button>* buttons[] = {&m_btnLocation, &m_btnTransfer, &m_btnBusline, &m_btnCharge,
                                          &m_btnDestination};
    for (size_t i = 0; i < std::size(kTabs); ++i) {
        auto button = TabStrip::addTabButton(*m_scrollView, kTabs[i].x, kTabs[i].title, i == 0);
        button->setAction([this](Button& b) { tabButtonAction(b); });
        *buttons[i] = button;
    }
    m_lastButton = m_btnLocation.get();

    // The first three pages are made at once, hidden until shown.
    for (int index : {1, 2, 3}) {
        auto sub = pageView(index, true);
        sub->setHidden(true);
        sub->setFrame(kLoadedPageFrame);
        page->addSubview(sub);
    }
    showWindow(1);
}

int TabInquireViewController::indexForTitle(const std::string& title) const {
    for (auto& tab : kTabs) {
        if (title == tab.title)
            return tab.index;
    }
    return m_nIndex;
}

void TabInquireViewController::tabButtonAction(Button& button) {
    if (&button == m_lastButton) {
        // The page shown is not reloaded; only the read-out follows the flag.
        if (button.currentTitle() == "车辆位置")
            showDistance(std::nullopt);
        else
            hideDistance();
        return;
    }
    if (m_lastButton)
        TabStrip::setSelected(*m_lastButton, false);
    TabStrip::setSelected(button, true);
    m_lastButton = &button;
    m_nIndex = indexForTitle(button.currentTitle());
    m_scrollView->scrollRectToVisible(Rect{button.frame().x, 0, 96, 38}, true);
    showWindow(m_nIndex);
}

std::shared_ptr<View> TabInquireViewController::pageView(int index, bool create) {
    auto make = [&](auto& page, auto factory) -> std::shared_ptr<View> {
        if (!page && create)
            page = factory();
        return page ? page->view() : nullptr;
    };
    switch (index) {
    case 1:
        return make(m_subLocation, [] { return std::make_unique<SubInquireLocation>(); });
    case 2:
        return make(m_subTransfer, [] { return std::make_unique<SubInquireTransfer>(); });
    case 3:
        return make(m_subBusline, [] { return std::make_unique<SubInquireBusline>(); });
    case 4:
        return make(m_subIccard, [] { return std::make_unique<SubInquireIccard>(); });
    case 5:
        return make(m_subBike, [] { return std::make_unique<SubInquireBike>(); });
    case 6:
        return make(m_subCharge, [] { return std::make_unique<SubInquireCharge>(); });
    case 7:
        return make(m_subDestination, [] { return std::make_unique<SubDestinationQuery>(); });
    default:
        return nullptr;
    }
}

void TabInquireViewController::showWindow(int index) {
    m_nIndex = index;
    if (m_lastView) {
        auto old = m_lastView;
        View::animate(kFadeSeconds, [old] { old->setAlpha(0.0); });
        m_lastView = nullptr;
    }
    endEditing(); // the line field and the place field give up the keyboard
    bool existed = pageView(index, false) != nullptr;
    auto page = pageView(index, true);
    if (index == 1)
        showDistance(std::nullopt);
    else
        hideDistance();
    if (!page)
        return;
    if (!existed) {
        page->setFrame(kLaterPageFrame);
        view()->addSubview(page);
    }
    m_lastView = page;
    view()->bringSubviewToFront(*page);
    // Visible from the start of the fade, so the rider sees it come in.
    page->setHidden(false);
    View::animate(
        kFadeSeconds, [page] { page->setAlpha(1.0); }, [page](bool) { page->setHidden(false); });
}

void TabInquireViewController::showDistance(const std::optional<std::string>& text) {
    logf("------- distance {}------ ", text.value_or("(null)"));
    view();
    if (text && !text->empty())
        m_labelDistance->setText(*text);
    m_labelDistance->setHidden(false);
    m_labelInfo->setHidden(false);
    if (!UserDefaults::standard().boolForKey("ShowLocation"))
        hideDistance();
}

void TabInquireViewController::hideDistance() {
    view();
    m_labelDistance->setHidden(true);
    m_labelInfo->setHidden(true);
}

Button* TabInquireViewController::locationButton() {
    return view(), m_btnLocation.get();
}
Button* TabInquireViewController::transferButton() {
    return view(), m_btnTransfer.get();
}
Button* TabInquireViewController::buslineButton() {
    return view(), m_btnBusline.get();
}
Button* TabInquireViewController::chargeButton() {
    return view(), m_btnCharge.get();
}
Button* TabInquireViewController::destinationButton() {
    return view(), m_btnDestination.get();
}
SubInquireLocation* TabInquireViewController::subLocation() {
    return view(), m_subLocation.get();
}
SubInquireTransfer* TabInquireViewController::subTransfer() {
    return view(), m_subTransfer.get();
}
SubInquireBusline* TabInquireViewController::subBusline() {
    return view(), m_subBusline.get();
}
Label& TabInquireViewController::distanceLabel() {
    return view(), *m_labelDistance;
}
Label& TabInquireViewController::distanceCaption() {
    return view(), *m_labelInfo;
}
ScrollView& TabInquireViewController::strip() {
    return view(), *m_scrollView;
}
