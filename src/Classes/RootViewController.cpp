#include "Classes/RootViewController.h"

#include "Classes/MapManager.h"
#include "Classes/OrvelaAppDelegate.h"
#include "Classes/ShowBusLines.h"
#include "Helper/Common/AppConfig.h"
#include "Helper/Common/MyHelper.h"
#include "Helper/Favorite/FavoriteManager.h"
#include "Helper/User/UserManager.h"
#include "TabViews/TabFavoriteViewController.h"
#include "TabViews/TabHomeViewController.h"
#include "TabViews/TabInquireViewController.h"
#include "TabViews/TabMoreViewController.h"
#include "platform/Application.h"
#include "platform/Log.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

using namespace platform;
using namespace platform::ui;

RootViewController::RootViewController(OrvelaAppDelegate* appDelegate) : m_appDelegate(appDelegate) {}

RootViewController::~RootViewController() {
    if (m_chooser)
        m_chooser->detach();
    CommonHelper::getInstance().setDelegate(nullptr);
}

std::shared_ptr<Button> RootViewController::makeBottomButton(int index, const std::string& title,
                                                             void (RootViewController::*action)()) {
    auto button = Button::create(Rect{64.0 * index, 411, 64, 49});
    button->setTitle(title);
    button->setTitleColor(Color::white());
    button->setBackgroundColor(Color{0.13, 0.35, 0.62, 1.0});
    button->setAction([this, action] { (this->*action)(); });
    view()->addSubview(button);
    return button;
}

void RootViewController::viewDidLoad() {
    auto root = view();
    root->setBackgroundImage(Image::named("root_background.png"));
    m_imageWeather = ImageView::create(Rect{8, 36, 30, 30});
    root->addSubview(m_imageWeather);
    // Narrow enough to leave the Inquire tab's distance read-out free on the right.
    m_labelWeather = Label::create(Rect{44, 36, 148, 30});
    m_labelWeather->setAdjustsFontSizeToFitWidth(true, 10);
    m_labelWeather->setFont(Font::systemFont(14));
    root->addSubview(m_labelWeather);
    m_btnHome = makeBottomButton(0, "首页", &RootViewController::buttonHomeClick);
    m_btnInquire = makeBottomButton(1, "查询", &RootViewController::buttonInquireClick);
    m_btnScan = makeBottomButton(2, "扫描", &RootViewController::buttonScanClick);
    m_btnFavorite = makeBottomButton(3, "收藏", &RootViewController::buttonFavoriteClick);
    m_btnMore = makeBottomButton(4, "更多", &RootViewController::buttonMoreClick);

    // 1. the map component
    if (!MapManager::shared().start(AppConfig::shared().mapAccessKey))
        log("manager start failed!");
    // 2. the weather label shows the page behind it
    m_labelWeather->setBackgroundColor(Color::clear());
    // 3-4. the shared managers put their progress overlays over the root view
    CommonHelper::getInstance().setM_currView(root);
    UserManager::getInstance().setM_currentView(root);
    FavoriteManager::getInstance().setM_currentView(root);
    // 5-6. server selection
    m_BusLinesWindow.reset();
    m_chooser = ChooseWebSev::initWebWithDelegate(this, AppConfig::shared().officialUrl,
                                                  AppConfig::shared().backupUrl);
    // 7-9. the Inquire tab
    m_currentView = nullptr;
    buttonInquireClick();
    // 10.
    declareNotification();
}

void RootViewController::buttonHomeClick() {
    showWindow(m_appDelegate->m_viewTabHome->view());
}
void RootViewController::buttonInquireClick() {
    showWindow(m_appDelegate->m_viewTabInquire->view());
}
void RootViewController::buttonFavoriteClick() {
    showWindow(m_appDelegate->m_viewTabFavorite->view());
}
void RootViewController::buttonMoreClick() {
    showWindow(m_appDelegate->m_viewTabMore->view());
}

void RootViewController::buttonScanClick() {
    m_scanner = ScannerView::create(this);
    m_scanner->setReaders({ScannerReader::QRCode});
    m_scanner->setSoundToPlay("beep-beep", "aiff");
    m_scanner->present(true);
}

void RootViewController::scannerDidReadResult(ScannerView& scanner, const std::string& text) {
    logf("scan result: {}", text);
    scanner.dismiss(true);
}

void RootViewController::scannerDidCancel(ScannerView& scanner) {
    scanner.dismiss(true);
}

void RootViewController::showWindow(const std::shared_ptr<View>& page) {
    bool isMore =
        m_appDelegate->m_viewTabMore->isViewLoaded() && page == m_appDelegate->m_viewTabMore->view();
    page->setFrame(isMore ? kMoreFrame : kPageFrame);
    if (m_currentView && m_currentView == page)
        return;
    if (m_currentView) {
        fadeOut(m_currentView);
        m_lastView = m_currentView;
        m_currentView = nullptr;
    }
    fadeIn(page);
    m_currentView = page;
    page->setBackgroundColor(Color::clear());
    view()->addSubview(page);
    setButtonFront(true);
}

void RootViewController::fadeIn(const std::shared_ptr<View>& page) {
    View::animate(
        kFadeSeconds, [page] { page->setAlpha(1.0); }, {}, AnimationCurve::EaseInOut);
}

void RootViewController::fadeOut(const std::shared_ptr<View>& page) {
    View::animate(
        kFadeSeconds, [page] { page->setAlpha(0.0); }, [this](bool) { animationFinished(); },
        AnimationCurve::EaseInOut);
}

void RootViewController::animationFinished() {
    // Whatever is being faded out at this moment leaves the screen.
    if (m_lastView)
        m_lastView->removeFromSuperview();
}

void RootViewController::setButtonFront(bool front) {
    auto root = view();
    for (auto* button :
         {m_btnHome.get(), m_btnInquire.get(), m_btnScan.get(), m_btnFavorite.get(), m_btnMore.get()}) {
        if (front)
            root->bringSubviewToFront(*button);
        else
            root->sendSubviewToBack(*button);
    }
}

void RootViewController::declareNotification() {
    m_showBusLineObservation = NotificationCenter::defaultCenter().observe(
        "showBusLine", [this](const Notification&) { showBusLinesWindow(); });
}

void RootViewController::showBusLinesWindow() {
    if (!m_BusLinesWindow)
        m_BusLinesWindow = std::make_unique<ShowBusLines>();
    auto popup = m_BusLinesWindow->view();
    view()->addSubview(popup);
    popup->setHidden(false);
}

void RootViewController::ChooseSuccess(const std::string&) {
    getTodayWeather();
    getUserUid();
}

void RootViewController::getTodayWeather() {
    MyHelper::clearSubViews(m_imageWeather.get());
    CommonHelper::getInstance().setDelegate(this);
    CommonHelper::getInstance().getTodayWeather();
}

void RootViewController::getTodayWeatherSuccess(const std::string& text) {
    MyHelper::clearSubViews(m_imageWeather.get());
    auto separator = text.find("|||");
    std::string description = separator == std::string::npos ? text : text.substr(0, separator);
    std::string iconUrl = separator == std::string::npos ? std::string() : text.substr(separator + 3);
    MyHelper::setWeatherStatusImageTextLabel(iconUrl, *m_imageWeather, description, *m_labelWeather);
}

void RootViewController::getTodayWeatherFailed() {
    MyHelper::clearSubViews(m_imageWeather.get());
    MyHelper::setWeatherStatusImageTextLabel("", *m_imageWeather, "", *m_labelWeather);
}

void RootViewController::getUserUid() {
    CommonHelper::getInstance().getUserUid(false);
}
