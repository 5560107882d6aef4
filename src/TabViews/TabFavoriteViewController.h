// The Favourites tab: "收藏夹" (the local stations and lines) and one page per
// category of the rider's server favourites, rebuilt when they change.
#pragma once

#include "Classes/ViewController.h"
#include "Helper/Favorite/FavoriteManager.h"

#include <memory>
#include <vector>

namespace platform::ui {
class Button;
class ScrollView;
} // namespace platform::ui

class SubFavoritySite;
class SubFavorityShop;

class TabFavoriteViewController : public ViewController, public FavoriteManagerDelegate {
public:
    TabFavoriteViewController();
    ~TabFavoriteViewController() override;

    void tabButtonAction(platform::ui::Button& button);
    void showWindow(int index);
    void itemsChanged() override;

    int currentIndex() const { return m_nIndex; }
    const std::vector<std::unique_ptr<SubFavorityShop>>& categoryPages() const { return m_tableArray; }
    SubFavoritySite* sitePage() const { return m_subSite.get(); }
    std::shared_ptr<platform::ui::View> shownPage() const { return m_lastView; }

    static constexpr platform::ui::Rect kPageFrame{20, 120, 280, 240};

protected:
    void viewDidLoad() override;

private:
    std::shared_ptr<platform::ui::Button> addTabButton(double x, const std::string& title);

    std::shared_ptr<platform::ui::ScrollView> m_scrollView;
    platform::ui::Button* m_lastButton{nullptr};
    std::shared_ptr<platform::ui::View> m_lastView;
    std::vector<std::unique_ptr<SubFavorityShop>> m_tableArray;
    std::vector<std::shared_ptr<platform::ui::Button>> m_categoryButtons;
    std::shared_ptr<platform::ui::Button> m_btnSite;
    std::unique_ptr<SubFavoritySite> m_subSite;
    FavoriteManager* m_favoriteManager{nullptr};
    int m_nIndex{-1};
};
