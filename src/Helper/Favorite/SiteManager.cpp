#include "Helper/Favorite/SiteManager.h"

#include "Helper/Common/MyHelper.h"
#include "platform/Log.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <algorithm>

namespace {

std::unique_ptr<SiteManager>& instanceSlot() {
    static std::unique_ptr<SiteManager> instance;
    return instance;
}

} // namespace

SiteManager& SiteManager::getInstance() {
    auto& slot = instanceSlot();
    if (!slot)
        slot.reset(new SiteManager());
    return *slot;
}

void SiteManager::resetInstance() {
    instanceSlot().reset();
}

std::string SiteManager::filePath() {
    return platform::documentsDirectory() + "/sites.plist";
}

SiteManager::SiteManager() {
    auto list = platform::readPropertyList(filePath());
    if (!list || !list->isArray())
        return;
    for (const auto& item : list->items()) {
        // Only strings are entries; anything else in a damaged file is dropped.
        if (item.isString())
            m_siteArray.push_back(item.asString());
    }
}

std::string SiteManager::entryFor(const std::string& name, bool isSite) {
    return (isSite ? "1" : "0") + name;
}

bool SiteManager::isItemExistIsSite(const std::string& name, bool isSite) const {
    return std::find(m_siteArray.begin(), m_siteArray.end(), entryFor(name, isSite)) != m_siteArray.end();
}

bool SiteManager::save() const {
    auto list = platform::PlistValue::array();
    for (const auto& entry : m_siteArray)
        list.append(platform::PlistValue(entry));
    if (platform::writePropertyList(filePath(), list))
        return true;
    platform::logf("cannot write {}", filePath());
    return false;
}

void SiteManager::tellDelegate() {
    if (m_delegate)
        m_delegate->itemsChanged();
}

bool SiteManager::addSiteItemIsSite(const std::string& name, bool isSite) {
    if (isItemExistIsSite(name, isSite)) {
        MyHelper::showAlertMessage("失败",
                                   isSite ? "添加失败，该站点已经存在。" : "添加失败，该线路已经存在。");
        return false;
    }
    m_siteArray.push_back(entryFor(name, isSite));
    if (!save()) {
        m_siteArray.pop_back();
        MyHelper::showAlertMessage("失败", "添加失败，无法保存收藏夹。");
        return false;
    }
    MyHelper::showAlertMessage("成功", "添加成功。");
    tellDelegate();
    return true;
}

bool SiteManager::delSiteItem(const std::string& name) {
    auto found = std::find_if(m_siteArray.begin(), m_siteArray.end(), [&](const std::string& entry) {
        return !entry.empty() && entry.substr(1) == name;
    });
    if (found != m_siteArray.end()) {
        m_siteArray.erase(found);
        MyHelper::showAlertMessage("成功", "删除成功。");
    }
    save();
    tellDelegate();
    return true;
}

std::optional<std::string> SiteManager::getSiteItem(size_t index) const {
    if (index >= m_siteArray.size())
        return std::nullopt;
    return m_siteArray[index];
}
