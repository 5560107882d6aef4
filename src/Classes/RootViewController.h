// The root screen: five bottom buttons (Home, Inquire, Scan, Favourites,
// More), one tab page at a time brought in with a 1.0-second cross-fade, and
// today's weather. It starts server selection and asks for the weather and
// the anonymous user id once a server is chosen.
#pragma once

#include "Classes/ViewController.h"
#include "Helper/Common/ChooseWebSev.h"
#include "Helper/Common/CommonHelper.h"
#include "platform/NotificationCenter.h"
#include "platform/ui/ScannerView.h"

#include <memory>

namespace platform::ui {
class Button;
class ImageView;
class Label;
} // namespace platform::ui

class OrvelaAppDelegate;
class ShowBusLines;

class RootViewController : public ViewController,
                           public ChooseWebSevDelegate,
                           public CommonHelperDelegate,
                           public platform::ui::ScannerViewDelegate {
public:
    explicit RootViewController(OrvelaAppDelegate* appDelegate);
    ~RootViewController() override;

    void buttonHomeClick();
    void buttonInquireClick();
    void buttonScanClick();
    void buttonFavoriteClick();
    void buttonMoreClick();

    void showWindow(const std::shared_ptr<platform::ui::View>& page);
    void setButtonFront(bool front);
    void declareNotification();
    void showBusLinesWindow();

    void ChooseSuccess(const std::string& url) override;
    void getTodayWeather();
    void getTodayWeatherSuccess(const std::string& text) override;
    void getTodayWeatherFailed() override;
    void getUserUid();

    // The code scanner: it is presented over the root screen and goes when it has read a code
    // or the rider cancels. What a code leads to comes with code scanning.
    void scannerDidReadResult(platform::ui::ScannerView& scanner, const std::string& text) override;
    void scannerDidCancel(platform::ui::ScannerView& scanner) override;
    platform::ui::ScannerView* scanner() const { return m_scanner.get(); }

    // For screens and tests.
    std::shared_ptr<platform::ui::View> currentView() const { return m_currentView; }
    std::shared_ptr<platform::ui::View> lastView() const { return m_lastView; }
    ShowBusLines* busLinesWindow() const { return m_BusLinesWindow.get(); }
    platform::ui::Label& weatherLabel() const { return *m_labelWeather; }
    platform::ui::ImageView& weatherImage() const { return *m_imageWeather; }
    ChooseWebSev* serverChooser() const { return m_chooser.get(); }

    static constexpr platform::ui::Rect kMoreFrame{10, 100, 290, 292};
    static constexpr platform::ui::Rect kPageFrame{0, -10, 320, 460};
    static constexpr double kFadeSeconds = 1.0;

protected:
    void viewDidLoad() override;

private:
    void fadeIn(const std::shared_ptr<platform::ui::View>& view);
    void fadeOut(const std::shared_ptr<platform::ui::View>& view);
    void animationFinished();
    std::shared_ptr<platform::ui::Button> makeBottomButton(int index, const std::string& title,
                                                           void (RootViewController::*action)());

    std::shared_ptr<platform::ui::ImageView> m_imageWeather;
    std::shared_ptr<platform::ui::Label> m_labelWeather;
    std::shared_ptr<platform::ui::Button> m_btnHome;
    std::shared_ptr<platform::ui::Button> m_btnInquire;
    std::shared_ptr<platform::ui::Button> m_btnScan;
    std::shared_ptr<platform::ui::Button> m_btnFavorite;
    std::shared_ptr<platform::ui::Button> m_btnMore;
    std::unique_ptr<ShowBusLines> m_BusLinesWindow;
    OrvelaAppDelegate* m_appDelegate{nullptr};
    std::shared_ptr<platform::ui::View> m_currentView;
    std::shared_ptr<platform::ui::View> m_lastView;
    int m_nRequest{-1};

    std::shared_ptr<ChooseWebSev> m_chooser;
    std::shared_ptr<platform::ui::ScannerView> m_scanner;
    platform::Observation m_showBusLineObservation;
};
