#include "TabViews/TabMoreViewController.h"

#include "Classes/OrvelaAppDelegate.h"
#include "Classes/RootViewController.h"
#include "Helper/Common/CommonHelper.h"
#include "Helper/Favorite/FavoriteManager.h"
#include "Helper/User/UserManager.h"
#include "SubViews/PlaceholderPages.h"

using namespace platform::ui;

TabMoreViewController::TabMoreViewController() = default;
TabMoreViewController::~TabMoreViewController() = default;

void TabMoreViewController::viewDidLoad() {
    auto page = view();
    page->setFrame(Rect{10, 100, 290, 292});
    m_arrayTitle = {"登录", "注册", "修改密码", "用户意见反馈", "检查更新", "商家查询", "关于软件"};
    m_tableCenter = TableView::create(Rect{0, 0, 290, 292});
    m_tableCenter->setDataSource(this);
    m_tableCenter->setDelegate(this);
    m_tableCenter->setRowHeight(40);
    m_tableCenter->setCornerRadius(8);
    page->addSubview(m_tableCenter);
    m_tableCenter->reloadData();
}

TableView& TabMoreViewController::table() {
    view();
    return *m_tableCenter;
}

int TabMoreViewController::tableViewNumberOfRows(TableView&) {
    return static_cast<int>(m_arrayTitle.size());
}

std::shared_ptr<TableViewCell> TabMoreViewController::tableViewCellForRow(TableView&, int row) {
    auto cell = TableViewCell::create(TableViewCellStyle::Default);
    cell->textLabel()->setText(m_arrayTitle[static_cast<size_t>(row)]);
    cell->textLabel()->setFont(Font::named("Arial", 18));
    cell->setAccessoryType(TableViewCellAccessory::DisclosureIndicator);
    return cell;
}

void TabMoreViewController::openPage(MoreCommandPage& page) {
    auto pageView = page.view();
    pageView->setFrame(Rect{0, 0, 320, 460});
    if (auto* app = OrvelaAppDelegate::shared())
        app->rootViewController->view()->addSubview(pageView);
}

void TabMoreViewController::tableViewDidSelectRow(TableView& table, int row) {
    table.deselectRow(row, true);
    const std::string title = m_arrayTitle[static_cast<size_t>(row)];
    auto open = [this](auto& page) {
        if (!page)
            page = std::make_unique<typename std::decay_t<decltype(page)>::element_type>();
        openPage(*page);
    };
    if (title == "登录") {
        open(m_subMoreLogin);
    } else if (title == "退出登录") {
        UserManager::getInstance().userLogout();
        FavoriteManager::getInstance().userDidLogout();
        userDidLogout();
    } else if (title == "注册") {
        open(m_subMoreRegister);
    } else if (title == "修改密码") {
        open(m_subMoreModify);
    } else if (title == "商家查询") {
        open(m_subMoreQuery);
    } else if (title == "检查更新") {
        CommonHelper::getInstance().checkUpdate();
    } else if (title == "关于软件") {
        open(m_subMoreAbout);
        m_subMoreAbout->resetVersion();
    } else if (title == "用户意见反馈") {
        open(m_subMoreFeedBack);
    }
}

void TabMoreViewController::userDidLogin() {
    view();
    for (auto& title : m_arrayTitle) {
        if (title == "登录") {
            title = "退出登录";
            break;
        }
    }
    m_tableCenter->reloadData();
}

void TabMoreViewController::userDidLogout() {
    view();
    for (auto& title : m_arrayTitle) {
        if (title == "退出登录") {
            title = "登录";
            break;
        }
    }
    m_tableCenter->reloadData();
}
