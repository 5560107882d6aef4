// The sub-pages and command pages whose screens come with later work: pages of
// the right class that a tab can create, frame and show. Each says what it
// will hold, so a rider who opens one is not left with a blank area.
#pragma once

#include "Classes/ViewController.h"
#include "Helper/Favorite/FavoriteManager.h"

#include <vector>

namespace platform::ui {
class Label;
}

#include <string>

class PlaceholderPage : public ViewController {
public:
    explicit PlaceholderPage(std::string title) : m_title(std::move(title)) {}
    const std::string& title() const { return m_title; }

protected:
    std::shared_ptr<platform::ui::View> loadView() override;

private:
    std::string m_title;
};

// Home
class SubHomeHot : public PlaceholderPage {
public:
    explicit SubHomeHot(int crruPage) : PlaceholderPage("热门"), m_crruPage(crruPage) {}
    int crruPage() const { return m_crruPage; }

private:
    int m_crruPage;
};
class SubHomeNearby : public PlaceholderPage {
public:
    SubHomeNearby() : PlaceholderPage("周边") {}
};
class SubHomeBus : public PlaceholderPage {
public:
    SubHomeBus() : PlaceholderPage("交通公告") {}
};
class SubHomeLost : public PlaceholderPage {
public:
    SubHomeLost() : PlaceholderPage("失物招领") {}
};
class SubHomeSystem : public PlaceholderPage {
public:
    SubHomeSystem() : PlaceholderPage("系统公告") {}
};

// Inquire
class SubInquireTransfer : public PlaceholderPage {
public:
    SubInquireTransfer() : PlaceholderPage("换乘") {}
    void closeView() {}
};
class SubInquireBusline : public PlaceholderPage {
public:
    SubInquireBusline() : PlaceholderPage("站点线路") {}
    void close() {}
};
class SubInquireIccard : public PlaceholderPage {
public:
    SubInquireIccard() : PlaceholderPage("公交卡查询") {}
};
class SubInquireBike : public PlaceholderPage {
public:
    SubInquireBike() : PlaceholderPage("自行车租赁点") {}
};
class SubInquireCharge : public PlaceholderPage {
public:
    SubInquireCharge() : PlaceholderPage("充值点") {}
};
class SubDestinationQuery : public PlaceholderPage {
public:
    SubDestinationQuery() : PlaceholderPage("地点查询") {}
};

// Favourites
class SubFavoritySite : public PlaceholderPage {
public:
    SubFavoritySite() : PlaceholderPage("收藏夹") {}
};
// One category of the server favourites: the titles of its items.
class SubFavorityShop : public PlaceholderPage {
public:
    SubFavorityShop() : PlaceholderPage("收藏的商家") {}
    void reloadData(std::vector<FavoriteItem> items);
    const std::vector<FavoriteItem>& items() const { return m_items; }

private:
    std::vector<FavoriteItem> m_items;
};

// A page of the More list, laid over the whole root screen, with a navigation
// bar whose "返回" takes it away again.
class MoreCommandPage : public ViewController {
public:
    explicit MoreCommandPage(std::string title) : m_title(std::move(title)) {}
    const std::string& title() const { return m_title; }
    void close();

protected:
    std::shared_ptr<platform::ui::View> loadView() override;
    // The area under the navigation bar, for the page's own content.
    std::shared_ptr<platform::ui::View> m_content;

private:
    std::string m_title;
};

class SubMoreLogin : public MoreCommandPage {
public:
    SubMoreLogin() : MoreCommandPage("登录") {}
};
class SubMoreRegister : public MoreCommandPage {
public:
    SubMoreRegister() : MoreCommandPage("注册") {}
};
class SubMoreModify : public MoreCommandPage {
public:
    SubMoreModify() : MoreCommandPage("修改密码") {}
};
class SubMoreQuery : public MoreCommandPage {
public:
    SubMoreQuery() : MoreCommandPage("商家查询") {}
};
class SubMoreUserFeedback : public MoreCommandPage {
public:
    SubMoreUserFeedback() : MoreCommandPage("用户意见反馈") {}
};
class SubMoreAbout : public MoreCommandPage {
public:
    SubMoreAbout() : MoreCommandPage("关于软件") {}
    // Shows the version of the running application.
    void resetVersion();
    std::string versionText() const;

private:
    std::shared_ptr<platform::ui::Label> m_labelVersion;
};
