// The station picker: the stations of one line, one direction at a time,
// for a rider who typed a line but no station. Tapping a row sends the
// station's name and code to the page and closes the picker.
//
//   auto picker = std::make_unique<AutoMatchViewController>(this, "1");
//   page->addSubview(picker->view()); // the route is asked for at once
#pragma once

#include "Classes/ViewController.h"
#include "DetailViews/ShowLocationDelegate.h"
#include "Helper/WebService/WebServiceClient.h"
#include "platform/ui/TableView.h"

#include <memory>
#include <string>
#include <vector>

namespace platform::ui {
class Button;
class ImageView;
class Label;
} // namespace platform::ui

class AutoMatchDelegate : public ShowLocationDelegate {
public:
    // Two strings: the station name and its code ("" when the route gave none).
    virtual void userDidSelected(const std::vector<std::string>& /*nameAndCode*/) {}
};

class AutoMatchViewController : public ViewController,
                                public WebServiceDelegate,
                                public platform::ui::TableViewDataSource,
                                public platform::ui::TableViewDelegate {
public:
    // The delegate is not owned.
    AutoMatchViewController(AutoMatchDelegate* delegate, std::string line);
    ~AutoMatchViewController() override;
    AutoMatchViewController(const AutoMatchViewController&) = delete;
    AutoMatchViewController& operator=(const AutoMatchViewController&) = delete;

    static constexpr platform::ui::Rect kFrame{0, 0, 310, 292};

    // Leaves the screen and tells the delegate doWithReturn (once).
    void closeView();
    void btnUpClick();
    void btnDownClick();

    void doWithSuccess(const std::optional<std::string>& fragment) override;
    void doWithError(const std::string& error) override;

    int tableViewNumberOfRows(platform::ui::TableView& table) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& table,
                                                                     int row) override;
    void tableViewDidSelectRow(platform::ui::TableView& table, int row) override;

    const std::string& line() const { return m_strTitle; }
    bool isClosed() const { return m_bClosed; }
    bool isDown() const { return m_bDown; }
    const std::vector<std::string>& shownStations() const { return m_contentArray; }
    const std::vector<std::string>& shownCodes() const { return m_contentGPSArray; }
    platform::ui::Label& titleLabel();
    platform::ui::Button& upButton();
    platform::ui::Button& downButton();
    platform::ui::Button& backButton();
    platform::ui::TableView& table();

protected:
    std::shared_ptr<platform::ui::View> loadView() override;
    void viewDidLoad() override;

private:
    void fail();
    void showDirection(bool down);

    std::shared_ptr<platform::ui::Label> m_labelTitle;
    std::shared_ptr<platform::ui::Button> m_btnUp;
    std::shared_ptr<platform::ui::Button> m_btnDown;
    std::shared_ptr<platform::ui::Button> m_btnBack;
    std::shared_ptr<platform::ui::TableView> m_tableCenter;
    std::shared_ptr<platform::ui::ImageView> m_imageView;
    AutoMatchDelegate* m_delegate{nullptr};
    bool m_bDown{false};
    std::string m_strTitle;
    std::vector<std::string> m_upArray;
    std::vector<std::string> m_downArray;
    std::vector<std::string> m_upGPSArray;
    std::vector<std::string> m_downGPSArray;
    std::vector<std::string> m_contentArray;
    std::vector<std::string> m_contentGPSArray;

    std::weak_ptr<WebServiceClient> m_request;
    bool m_bClosed{false};
};
