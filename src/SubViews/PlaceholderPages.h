// The sub-pages and command pages whose screens come with later work: pages of
// the right class that a tab can create, frame and show. Each says what it
// will hold, so a rider who opens one is not left with a blank area.
#pragma once

#include "Classes/ViewController.h"

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
class SubFavorityShop : public PlaceholderPage {
public:
    SubFavorityShop() : PlaceholderPage("收藏的商家") {}
    void reloadData(int count) { m_count = count; }
    int itemCount() const { return m_count; }

private:
    int m_count{0};
};
