// The More tab: a list of commands (log in or out, register, change the
// password, feedback, update check, shop search, about). Its pages open over
// the whole root screen.
#pragma once

#include "Classes/ViewController.h"
#include "platform/ui/TableView.h"

#include <memory>
#include <string>
#include <vector>

class OrvelaAppDelegate;
class MoreCommandPage;
class SubMoreLogin;
class SubMoreRegister;
class SubMoreModify;
class SubMoreQuery;
class SubMoreAbout;
class SubMoreUserFeedback;

class TabMoreViewController : public ViewController,
                              public platform::ui::TableViewDataSource,
                              public platform::ui::TableViewDelegate {
public:
    TabMoreViewController();
    ~TabMoreViewController() override;

    void userDidLogin();
    void userDidLogout();

    const std::vector<std::string>& titles() const { return m_arrayTitle; }
    platform::ui::TableView& table();

    int tableViewNumberOfRows(platform::ui::TableView&) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView&,
                                                                     int row) override;
    double tableViewHeightForRow(platform::ui::TableView&, int) override { return 40; }
    void tableViewDidSelectRow(platform::ui::TableView& table, int row) override;

protected:
    void viewDidLoad() override;

private:
    void openPage(MoreCommandPage& page);

    std::shared_ptr<platform::ui::TableView> m_tableCenter;
    std::vector<std::string> m_arrayTitle;
    std::unique_ptr<SubMoreLogin> m_subMoreLogin;
    std::unique_ptr<SubMoreRegister> m_subMoreRegister;
    std::unique_ptr<SubMoreModify> m_subMoreModify;
    std::unique_ptr<SubMoreQuery> m_subMoreQuery;
    std::unique_ptr<SubMoreAbout> m_subMoreAbout;
    std::unique_ptr<MoreCommandPage> m_subMoreHelp; // no row leads to it
    std::unique_ptr<SubMoreUserFeedback> m_subMoreFeedBack;
};
