#include "TabViews/TabFavoriteViewController.h"

#include "SubViews/PlaceholderPages.h"
#include "TabViews/TabStrip.h"

using namespace platform::ui;

TabFavoriteViewController::TabFavoriteViewController() = default;

TabFavoriteViewController::~TabFavoriteViewController() {
    if (m_favoriteManager)
        m_favoriteManager->setDelegate(nullptr);
}

std::shared_ptr<Button> TabFavoriteViewController::addTabButton(double x, const std::string& title) {
    auto button = TabStrip::addTabButton(*m_scrollView, x, title, title == "收藏夹");
    button->setTag(static_cast<int>((x - 2 + 100) / 100));
    button->setAction([this](Button& b) { tabButtonAction(b); });
    button->setAlpha(0.0);
    View::animate(1.0, [button] { button->setAlpha(1.0); });
    return button;
}

void TabFavoriteViewController::viewDidLoad() {
    auto page = view();
    page->setBackgroundColor(Color::clear());
    m_scrollView = TabStrip::makeStrip(Rect{0, 0, 320, 38}, Size{100, 38});
    page->addSubview(m_scrollView);
    m_btnSite = addTabButton(2, "收藏夹");
    m_lastButton = m_btnSite.get();

    m_tableArray.clear();
    m_favoriteManager = &FavoriteManager::getInstance();
    m_favoriteManager->setDelegate(this);
    m_favoriteManager->getFavoriteList();
    showWindow(1);
}

void TabFavoriteViewController::tabButtonAction(Button& button) {
    if (&button == m_lastButton)
        return;
    if (m_lastButton)
        TabStrip::setSelected(*m_lastButton, false);
    TabStrip::setSelected(button, true);
    m_lastButton = &button;
    showWindow(button.currentTitle() == "收藏夹" ? 1 : button.tag());
}

void TabFavoriteViewController::showWindow(int index) {
    if (m_lastView)
        m_lastView->setHidden(true);
    std::shared_ptr<View> page;
    if (index == 1) {
        if (!m_subSite)
            m_subSite = std::make_unique<SubFavoritySite>();
        page = m_subSite->view();
    } else if (index >= 2 && static_cast<size_t>(index - 2) < m_tableArray.size()) {
        page = m_tableArray[index - 2]->view();
    }
    if (!page)
        return;
    m_nIndex = index;
    page->setFrame(kPageFrame);
    view()->addSubview(page);
    page->setHidden(false);
    m_lastView = page;
}

void TabFavoriteViewController::itemsChanged() {
    view();
    bool showingCategory = m_nIndex >= 2;
    for (auto& button : m_categoryButtons)
        button->removeFromSuperview();
    m_categoryButtons.clear();
    for (auto& page : m_tableArray) {
        if (page->isViewLoaded())
            page->view()->removeFromSuperview();
    }
    m_tableArray.clear();
    // The page shown went with the rebuild: fall back on "收藏夹".
    if (showingCategory) {
        m_lastView = nullptr;
        m_lastButton = nullptr;
        TabStrip::setSelected(*m_btnSite, true);
        m_lastButton = m_btnSite.get();
        showWindow(1);
    }

    auto& manager = FavoriteManager::getInstance();
    const auto& names = manager.EachCategoryName();
    const auto& counts = manager.EachCategory();
    m_scrollView->setContentSize(Size{100.0 * (names.size() + 1), 38});
    int first = 0;
    for (size_t i = 1; i <= names.size(); ++i) {
        m_categoryButtons.push_back(addTabButton(100.0 * i + 2, names[i - 1]));
        auto page = std::make_unique<SubFavorityShop>();
        page->view()->setHidden(true);
        page->view()->setFrame(kPageFrame);
        std::vector<FavoriteItem> items;
        for (int k = 0; k < counts[i - 1]; ++k) {
            if (auto item = manager.getFavoriteItem(static_cast<size_t>(first + k)))
                items.push_back(*item);
        }
        page->reloadData(std::move(items));
        first += counts[i - 1];
        m_tableArray.push_back(std::move(page));
    }
}
