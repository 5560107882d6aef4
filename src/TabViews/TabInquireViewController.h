// The Inquire tab: a strip of five inquiry pages (vehicle positions,
// transfers, stations and lines, charge points, places) and the distance
// read-out that the vehicle-position screen fills while it is open.
#pragma once

#include "Classes/ViewController.h"

#include <memory>
#include <optional>
#include <string>

namespace platform::ui {
class Button;
class Label;
class ScrollView;
} // namespace platform::ui

class SubInquireLocation;
class SubInquireTransfer;
class SubInquireBusline;
class SubInquireIccard;
class SubInquireBike;
class SubInquireCharge;
class SubDestinationQuery;

class TabInquireViewController : public ViewController {
public:
    TabInquireViewController();
    ~TabInquireViewController() override;

    void tabButtonAction(platform::ui::Button& button);
    void showWindow(int index);
    // Puts a non-empty text into the read-out and shows it while "ShowLocation" is true.
    void showDistance(const std::optional<std::string>& text);
    void hideDistance();
    void setM_bShowingLocation(bool showing) { m_bShowingLocation = showing; }
    bool showingLocation() const { return m_bShowingLocation; }

    // The buttons and pages, for the screens that jump to a page (they load the view first).
    platform::ui::Button* locationButton();
    platform::ui::Button* transferButton();
    platform::ui::Button* buslineButton();
    platform::ui::Button* chargeButton();
    platform::ui::Button* destinationButton();
    SubInquireLocation* subLocation();
    SubInquireTransfer* subTransfer();
    SubInquireBusline* subBusline();
    platform::ui::Label& distanceLabel();
    platform::ui::Label& distanceCaption();
    int currentIndex() const { return m_nIndex; }
    platform::ui::ScrollView& strip();

    static constexpr platform::ui::Rect kLoadedPageFrame{5, 85, 310, 245};
    static constexpr platform::ui::Rect kLaterPageFrame{5, 85, 310, 285};

protected:
    void viewDidLoad() override;

private:
    std::shared_ptr<platform::ui::View> pageView(int index, bool create);
    int indexForTitle(const std::string& title) const;

    std::shared_ptr<platform::ui::ScrollView> m_scrollView;
    std::shared_ptr<platform::ui::Label> m_labelDistance;
    std::shared_ptr<platform::ui::Label> m_labelInfo;
    platform::ui::Button* m_lastButton{nullptr};
    std::shared_ptr<platform::ui::View> m_lastView;
    std::shared_ptr<platform::ui::Button> m_btnLocation;
    std::shared_ptr<platform::ui::Button> m_btnTransfer;
    std::shared_ptr<platform::ui::Button> m_btnBusline;
    std::shared_ptr<platform::ui::Button> m_btnIccard; // no strip button: stays none
    std::shared_ptr<platform::ui::Button> m_btnBike;   // no strip button: stays none
    std::shared_ptr<platform::ui::Button> m_btnCharge;
    std::shared_ptr<platform::ui::Button> m_btnDestination;
    std::unique_ptr<SubInquireLocation> m_subLocation;
    std::unique_ptr<SubInquireTransfer> m_subTransfer;
    std::unique_ptr<SubInquireBusline> m_subBusline;
    std::unique_ptr<SubInquireIccard> m_subIccard;
    std::unique_ptr<SubInquireBike> m_subBike;
    std::unique_ptr<SubInquireCharge> m_subCharge;
    std::unique_ptr<SubDestinationQuery> m_subDestination;
    bool m_bShowingLocation{false};
    int m_nIndex{-1};
};
