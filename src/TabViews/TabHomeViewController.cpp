#include "TabViews/TabHomeViewController.h"

#include "SubViews/PlaceholderPages.h"
#include "TabViews/TabStrip.h"

using namespace platform::ui;

namespace {

struct HomeTab {
    const char* title;
    double x;
    int index;
    Rect frame;
};

constexpr HomeTab kTabs[] = {
    {"热门", 2, 1, {5, 85, 310, 275}},       {"周边", 102, 2, {5, 85, 310, 245}},
    {"交通公告", 202, 3, {5, 85, 310, 245}}, {"失物招领", 302, 4, {5, 85, 310, 245}},
    {"系统公告", 402, 5, {5, 85, 310, 245}},
};

constexpr double kFadeSeconds = 1.0;
constexpr int kHotPageNumber = 3;

} // namespace

TabHomeViewController::TabHomeViewController() = default;
TabHomeViewController::~TabHomeViewController() = default;

void TabHomeViewController::viewDidLoad() {
    auto page = view();
    page->setBackgroundColor(Color::clear());
    m_scrollView = TabStrip::makeStrip(Rect{0, 0, 320, 40}, Size{500, 40});
    page->addSubview(m_scrollView);
    for (size_t i = 0; i < std::size(kTabs); ++i) {
        auto button = TabStrip::addTabButton(*m_scrollView, kTabs[i].x, kTabs[i].title, i == 0);
        button->setAction([this](Button& b) { buttonAction(b); });
        if (i == 0)
            m_lastButton = button.get();
    }
    m_nIndex = 1;
    showWindow(1);
}

void TabHomeViewController::buttonAction(Button& button) {
    if (&button == m_lastButton)
        return;
    if (m_lastButton)
        TabStrip::setSelected(*m_lastButton, false);
    TabStrip::setSelected(button, true);
    m_lastButton = &button;
    for (auto& tab : kTabs) {
        if (button.currentTitle() == tab.title)
            m_nIndex = tab.index;
    }
    m_scrollView->scrollRectToVisible(Rect{button.frame().x, 0, 96, 38}, true);
    showWindow(m_nIndex);
}

std::shared_ptr<View> TabHomeViewController::pageView(int index) {
    auto make = [](auto& page, auto factory) {
        if (!page)
            page = factory();
        return page->view();
    };
    switch (index) {
    case 1:
        return make(m_subHot, [] { return std::make_unique<SubHomeHot>(kHotPageNumber); });
    case 2:
        return make(m_subNearby, [] { return std::make_unique<SubHomeNearby>(); });
    case 3:
        return make(m_subBus, [] { return std::make_unique<SubHomeBus>(); });
    case 4:
        return make(m_subLost, [] { return std::make_unique<SubHomeLost>(); });
    case 5:
        return make(m_subSystem, [] { return std::make_unique<SubHomeSystem>(); });
    default:
        return nullptr;
    }
}

void TabHomeViewController::showWindow(int index) {
    // The page shown fades out and stays, invisible.
    if (m_lastView) {
        auto old = m_lastView;
        View::animate(kFadeSeconds, [old] { old->setAlpha(0.0); });
        m_lastView = nullptr;
    }
    auto page = pageView(index);
    if (!page)
        return;
    for (auto& tab : kTabs) {
        if (tab.index == index)
            page->setFrame(tab.frame);
    }
    view()->addSubview(page);
    m_lastView = page;
    View::animate(
        kFadeSeconds, [page] { page->setAlpha(1.0); },
        [page](bool) {
            if (page->isHidden())
                page->setHidden(false);
        });
}

ScrollView& TabHomeViewController::strip() {
    view();
    return *m_scrollView;
}
