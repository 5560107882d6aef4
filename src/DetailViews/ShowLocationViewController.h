// The position screen: the stations of a line in one direction as a
// horizontal strip, with the rider's station and up to three approaching
// vehicles marked, asked again every 30 seconds until the screen closes.
//
//   auto screen = std::make_unique<ShowLocationViewController>(this, "1", "鼓楼", std::nullopt);
//   page->addSubview(screen->view()); // the route is asked for at once
//
// It reads the route first (the direction buttons stay disabled), then asks
// for the vehicle positions and repeats that on a 30-second timer. Every way
// of closing, and destroying it, stops the timer and detaches its requests.
#pragma once

#include "Classes/ViewController.h"
#include "DetailViews/ShowLocationDelegate.h"
#include "Helper/WebService/SoapResult.h"
#include "Helper/WebService/WebServiceClient.h"
#include "platform/ui/AlertView.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class Timer;
}
namespace platform::ui {
class Button;
class ImageView;
class Label;
class ScrollView;
} // namespace platform::ui

class ShowLocationViewController : public ViewController,
                                   public WebServiceDelegate,
                                   public platform::ui::ActionSheetDelegate,
                                   public platform::ui::AlertViewDelegate {
public:
    // initWithLocation:Line:Location:GPS: — the delegate is not owned.
    ShowLocationViewController(ShowLocationDelegate* delegate, std::string line, std::string location,
                               std::optional<std::string> gps);
    ~ShowLocationViewController() override;
    ShowLocationViewController(const ShowLocationViewController&) = delete;
    ShowLocationViewController& operator=(const ShowLocationViewController&) = delete;

    // The screen's size; it lies at the top left of the page that opens it.
    static constexpr platform::ui::Rect kFrame{0, 0, 310, 292};

    // Stops the timer, leaves the screen and tells the delegate (once).
    void closeView();
    // The back button: "ShowLocation" off, the tab's read-out hidden, then closeView.
    void btnBackClick();
    void btnUpClick();
    void btnDownClick();
    // The title button: the line menu for the text before the first space.
    void titleClick();
    // Asks for the vehicle positions now and restarts the 30-second timer.
    void refresh();

    // --- WebServiceDelegate -----------------------------------------------------
    void doWithSuccess(const std::optional<std::string>& fragment) override;
    void doWithError(const std::string& error) override;
    // --- menus and the "该线路不包含您输入的站点" alert ------------------------------
    void actionSheetClickedButtonAtIndex(platform::ui::ActionSheet& sheet, int index) override;
    void alertViewClickedButtonAtIndex(platform::ui::AlertView& alert, int index) override;

    // --- read by the page, the tour and tests ----------------------------------------
    const std::string& line() const { return m_strLine; }
    const std::string& location() const { return m_strLocation; }
    const std::optional<std::string>& gps() const { return m_strGps; }
    bool isClosed() const { return m_bClosed; }
    bool isRefreshing() const { return m_refreshTimer != nullptr; }
    bool isDown() const { return m_bDown; }
    // Whether a position answer has been drawn since the screen opened.
    bool hasPositions() const { return m_bHasPositions; }
    int positionSite() const { return m_nPositionSite; }
    std::vector<int> positionBuses() const { return {m_nPositionBus, m_nPositionBus1, m_nPositionBus2}; }
    const std::vector<std::string>& upStations() const { return m_upArray; }
    const std::vector<std::string>& downStations() const { return m_downArray; }
    platform::ui::Button& titleButton();
    platform::ui::Label& stationLabel();
    platform::ui::Label& startLabel();
    platform::ui::Label& stopLabel();
    platform::ui::Label& noticeLabel();
    platform::ui::Button& backButton();
    platform::ui::Button& upButton();
    platform::ui::Button& downButton();
    platform::ui::ScrollView& strip();
    // The station columns of the strip and their marks, left to right.
    std::vector<std::shared_ptr<platform::ui::Button>> stationButtons() const;
    std::vector<std::shared_ptr<platform::ui::ImageView>> stationIcons() const;

protected:
    std::shared_ptr<platform::ui::View> loadView() override;
    void viewDidLoad() override;

private:
    enum Request { kNone = -1, kPositions = 1, kRoute = 2 };

    void send(Request kind, const std::string& action, const SoapParameters& parameters);
    void stopTimer();
    void readRoute(const SoapResult& result);
    void readPositions(const SoapResult& result);
    void showFailure(); // title reset and the notice
    void resetTitle();
    void enableDirections();
    void selectDirection(bool down);
    const std::vector<std::string>& selectedStations() const;
    std::string lastStation() const;
    void drawStrip();
    void stationClick(const platform::ui::Button& column);

    std::shared_ptr<platform::ui::Button> m_labelTitle;
    std::shared_ptr<platform::ui::Label> m_labelStation;
    std::shared_ptr<platform::ui::Label> m_labelStart;
    std::shared_ptr<platform::ui::Label> m_labelStop;
    std::shared_ptr<platform::ui::Button> m_btnBack;
    std::shared_ptr<platform::ui::Button> m_btnUp;
    std::shared_ptr<platform::ui::Button> m_btnDown;
    std::shared_ptr<platform::ui::ScrollView> m_scrollView;
    std::shared_ptr<platform::ui::Label> m_label;
    std::unique_ptr<platform::Timer> m_refreshTimer;
    bool m_bDown{false};
    int m_nPositionSite{-1};
    int m_nPositionBus{-1};
    int m_nPositionBus1{-1};
    int m_nPositionBus2{-1};
    int m_nIndex{kNone};
    std::string m_strLine;
    std::string m_strLocation;
    std::optional<std::string> m_strGps;
    std::vector<std::string> m_upArray;
    std::vector<std::string> m_downArray;
    ShowLocationDelegate* m_delegate{nullptr};

    std::vector<std::weak_ptr<WebServiceClient>> m_requests;
    std::shared_ptr<platform::ui::ActionSheet> m_menu;
    std::shared_ptr<platform::ui::AlertView> m_alert;
    bool m_bClosed{false};
    bool m_bHasPositions{false};
};
