// The vehicle-position page of the Inquire tab: a line field, a station field
// and the query button. With both filled it opens the position screen; with
// only a line, the station picker; with only a station, the lines at a
// five-digit station code or a search of station names.
//
//   page->lineField().setText("1");
//   page->stationField().setText("鼓楼");
//   page->btnQueryClick(); // the position screen opens over the page
#pragma once

#include "Classes/ViewController.h"
#include "DetailViews/AutoMatchViewController.h"
#include "DetailViews/ShowLocationDelegate.h"
#include "DetailViews/ShowLocationViewController.h"
#include "Helper/WebService/WebServiceClient.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/TextField.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {
class Button;
class ImageView;
} // namespace platform::ui

class SubInquireLocation : public ViewController,
                           public AutoMatchDelegate,
                           public WebServiceDelegate,
                           public platform::ui::TextFieldDelegate,
                           public platform::ui::ActionSheetDelegate {
public:
    SubInquireLocation();
    ~SubInquireLocation() override;

    // The page's height while a child screen covers it (taller than the page alone).
    static constexpr double kPageHeight = 245;

    // Closes the open position screen and station picker (other screens call it before switching tabs).
    void closeView();
    // A child screen closed: the input widgets show again.
    void doWithReturn() override;
    // The station picker chose a station: its name goes into the station field, its code is kept.
    void userDidSelected(const std::vector<std::string>& nameAndCode) override;

    // The query button.
    void btnQueryClick();
    // Opens a new position screen for the line and station (the older one is released first).
    void queryBusLocationLocation(const std::string& line, const std::string& station);

    // The fields, for the menus of other screens and for code scanning.
    platform::ui::TextField& lineField();
    platform::ui::TextField& stationField();
    platform::ui::Button& queryButton();
    ShowLocationViewController* showLocationView() const { return m_showLocationView.get(); }
    AutoMatchViewController* autoMatchView() const { return m_autoMatchView.get(); }
    const std::optional<std::string>& gps() const { return GPS; }
    // Whether the input widgets are shown (no child screen covers the page).
    bool inputsShown() const;

    // --- WebServiceDelegate ---------------------------------------------------------
    void doWithSuccess(const std::optional<std::string>& fragment) override;
    void doWithError(const std::string& error) override;
    // --- the fields ----------------------------------------------------------------------
    bool textFieldShouldBeginEditing(platform::ui::TextField& field) override;
    bool textFieldShouldReturn(platform::ui::TextField& field) override;
    // --- the line and station choice sheets --------------------------------------------
    void actionSheetClickedButtonAtIndex(platform::ui::ActionSheet& sheet, int index) override;

protected:
    std::shared_ptr<platform::ui::View> loadView() override;
    void viewDidLoad() override;

private:
    enum Request { kNone = -1, kStationLines = 4, kStationSearch = 5 };
    enum SheetTag { kLineSheet = 40, kStationSheet = 50 };

    void send(Request kind, const std::string& action, const SoapParameters& parameters);
    void openAutoMatch(const std::string& line);
    void showChild(platform::ui::View& child);
    void setInputsHidden(bool hidden);
    void showLineChoice(const SoapResult& result);
    void showStationChoice(const SoapResult& result);

    std::shared_ptr<platform::ui::ImageView> m_imageBackground;
    std::shared_ptr<platform::ui::TextField> m_edtBusline;
    std::shared_ptr<platform::ui::TextField> m_edtLocation;
    std::shared_ptr<platform::ui::Button> m_btnQuery;
    std::unique_ptr<AutoMatchViewController> m_autoMatchView;
    std::unique_ptr<ShowLocationViewController> m_showLocationView;
    int m_nIndex{kNone};
    std::string m_LineNum;
    std::string m_GPS;
    std::vector<std::string> m_siteArray;
    std::optional<std::string> GPS;

    std::vector<std::weak_ptr<WebServiceClient>> m_requests;
    std::shared_ptr<platform::ui::ActionSheet> m_sheet;
};
