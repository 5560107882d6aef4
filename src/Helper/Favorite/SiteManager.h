// The rider's local list of stations and lines, kept only on the device in
// "sites.plist" in the documents folder. Each entry is a one-character kind
// ("1" a station, "0" a line) followed by the name. The file is read once,
// when the manager is made, and rewritten atomically after every change.
//
//   SiteManager::getInstance().addSiteItemIsSite("鼓楼", true); // alerts "添加成功。"
//   auto entry = SiteManager::getInstance().getSiteItem(0);     // "1鼓楼"
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SiteManagerDelegate {
public:
    virtual ~SiteManagerDelegate() = default;
    virtual void itemsChanged() = 0;
};

class SiteManager {
public:
    static SiteManager& getInstance();
    // Tests: forget the shared manager, so the next getInstance() reads the
    // file of the current documents folder again.
    static void resetInstance();

    // Whether the list holds exactly the entry of this kind and name.
    bool isItemExistIsSite(const std::string& name, bool isSite) const;
    // Appends the entry and saves the list, with an alert either way. False
    // for a duplicate, or when the list cannot be saved (the entry is then
    // not kept, so the rider never sees an entry that a restart would lose).
    bool addSiteItemIsSite(const std::string& name, bool isSite);
    // Removes the first entry with this name, whatever its kind; always true.
    bool delSiteItem(const std::string& name);

    size_t getSiteCount() const { return m_siteArray.size(); }
    // The raw entry with its kind character, or none out of range.
    std::optional<std::string> getSiteItem(size_t index) const;

    // The local list page; not owned, told after every change.
    void setDelegate(SiteManagerDelegate* delegate) { m_delegate = delegate; }
    SiteManagerDelegate* delegate() const { return m_delegate; }

    static std::string filePath();

private:
    SiteManager();
    static std::string entryFor(const std::string& name, bool isSite);
    bool save() const;
    void tellDelegate();

    std::vector<std::string> m_siteArray;
    SiteManagerDelegate* m_delegate{nullptr};
};
