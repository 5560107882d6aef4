#include "Helper/Favorite/FavoriteManager.h"

#include "Helper/Common/MyHelper.h"
#include "Helper/User/UserManager.h"
#include "Helper/WebService/SoapResult.h"

FavoriteManager& FavoriteManager::getInstance() {
    static FavoriteManager* instance = new FavoriteManager(); // lives for the run
    return *instance;
}

void FavoriteManager::getFavoriteList() {
    if (!UserManager::getInstance().isUserLogin()) {
        MyHelper::showAlertMessage("请先登录", "");
        return;
    }
    auto client = WebServiceClient::initWithDelegateView(this, m_currentView);
    if (!client)
        return;
    client->startWithActionKeyAndParameters(
        "getFavoriteList", {
                               {"username", MyHelper::getUserId().value_or("")},
                               {"password", MyHelper::getPassword(MyHelper::getUserPass()).value_or("")},
                               {"pageIndex", "1"},
                               {"pageSize", "10"},
                               {"category", ""},
                           });
}

std::optional<FavoriteItem> FavoriteManager::getFavoriteItem(size_t index) const {
    if (index >= m_favoriteArray.size())
        return std::nullopt;
    return m_favoriteArray[index];
}

void FavoriteManager::regroup() {
    m_eachCategory.clear();
    m_eachCategoryName.clear();
    for (auto& item : m_favoriteArray) {
        if (m_eachCategoryName.empty() || m_eachCategoryName.back() != item.strCategory) {
            m_eachCategoryName.push_back(item.strCategory);
            m_eachCategory.push_back(0);
        }
        ++m_eachCategory.back();
    }
    m_sumCount = static_cast<int>(m_eachCategoryName.size());
}

void FavoriteManager::userDidLogout() {
    m_favoriteArray.clear();
    regroup();
    if (m_delegate)
        m_delegate->itemsChanged();
}

void FavoriteManager::doWithSuccess(const std::optional<std::string>& fragment) {
    auto result = SoapResult::parse(fragment);
    if (!result || !result->first().has("code") || !result->first().has("msg") || !result->isSuccess())
        return;
    m_favoriteArray.clear();
    for (auto* record : result->list("title")) {
        m_favoriteArray.push_back({record->field("title"), record->field("extrCode"), record->field("time"),
                                   record->field("category")});
    }
    regroup();
    if (m_delegate)
        m_delegate->itemsChanged();
}

void FavoriteManager::doWithError(const std::string&) {
    if (m_delegate)
        m_delegate->itemsChanged();
}
