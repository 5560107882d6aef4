// The rider's favourites kept on the server under the account, grouped into
// runs of equal consecutive category names.
//
//   FavoriteManager::getInstance().getFavoriteList(); // "请先登录" when logged out
#pragma once

#include "Helper/WebService/WebServiceClient.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct FavoriteItem {
    std::string strTitle;
    std::string strCode; // "extrCode" on the wire
    std::string strTime;
    std::string strCategory;
};

class FavoriteManagerDelegate {
public:
    virtual ~FavoriteManagerDelegate() = default;
    virtual void itemsChanged() = 0;
};

class FavoriteManager : public WebServiceDelegate {
public:
    static FavoriteManager& getInstance();

    void setM_currentView(std::shared_ptr<platform::ui::View> view) { m_currentView = std::move(view); }
    void setDelegate(FavoriteManagerDelegate* delegate) { m_delegate = delegate; }

    void getFavoriteList();
    size_t getFavoriteCount() const { return m_favoriteArray.size(); }
    std::optional<FavoriteItem> getFavoriteItem(size_t index) const;
    void userDidLogout();

    int sumCount() const { return m_sumCount; }
    const std::vector<int>& EachCategory() const { return m_eachCategory; }
    const std::vector<std::string>& EachCategoryName() const { return m_eachCategoryName; }

    void doWithSuccess(const std::optional<std::string>& fragment) override;
    void doWithError(const std::string& error) override;

private:
    FavoriteManager() = default;
    void regroup();

    std::vector<FavoriteItem> m_favoriteArray;
    std::shared_ptr<platform::ui::View> m_currentView;
    FavoriteManagerDelegate* m_delegate{nullptr};
    int m_sumCount{0};
    std::vector<int> m_eachCategory;
    std::vector<std::string> m_eachCategoryName;
};
