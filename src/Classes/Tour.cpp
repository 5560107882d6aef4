#include "Classes/Tour.h"

#include "Classes/OrvelaAppDelegate.h"
#include "Classes/RootViewController.h"
#include "DetailViews/AutoMatchViewController.h"
#include "DetailViews/ShowLocationViewController.h"
#include "Helper/WebService/WebURL.h"
#include "SubViews/SubInquireLocation.h"
#include "TabViews/TabInquireViewController.h"
#include "platform/Log.h"
#include "platform/RunLoop.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Label.h"
#include "platform/ui/PhoneWindow.h"
#include "platform/ui/TextField.h"

#include <filesystem>

Tour::Tour(OrvelaAppDelegate& app, std::string directory) : m_app(app), m_directory(std::move(directory)) {}

void Tour::settle(double seconds) {
    platform::runLoopUntil([] { return false; }, seconds);
}

void Tour::shoot(const std::string& name) {
    auto file = m_directory + "/" + name + ".png";
    if (platform::ui::PhoneWindow::instance().writeScreenshot(file))
        m_files.push_back(file);
    else
        platform::logf("cannot write {}", file);
}

std::vector<std::string> Tour::run() {
    std::filesystem::create_directories(m_directory);
    auto& root = *m_app.rootViewController;

    // Start-up: a server is chosen, then the weather arrives.
    platform::runLoopUntil([] { return !WebURLString().empty(); }, 5.0);
    platform::runLoopUntil([&] { return !root.weatherLabel().text().empty(); }, 5.0);
    settle(1.5); // the weather icon downloads on first use
    root.getTodayWeather();
    platform::runLoopUntil([] { return false; }, 1.0);
    shoot("01-start-inquire");

    root.buttonMoreClick();
    settle(1.3);
    shoot("02-more");

    root.buttonHomeClick();
    settle(1.3);
    shoot("03-home");

    root.buttonFavoriteClick();
    settle(1.3);
    platform::ui::endEditing();
    for (auto& alert : platform::ui::AlertView::visibleAlerts())
        alert->dismissWithClickedButtonIndex(0, false); // "请先登录": no account in the tour
    settle(0.5);
    shoot("04-favourites");

    // A rider picks line 1 and a station on it, then watches the buses.
    root.buttonInquireClick();
    settle(1.3);
    auto* page = m_app.m_viewTabInquire->subLocation();
    page->stationField().setText("");
    page->lineField().setText("1");
    page->btnQueryClick(); // the station picker
    platform::runLoopUntil(
        [&] {
            auto* picker = page->autoMatchView();
            return picker && !picker->shownStations().empty();
        },
        5.0);
    settle(0.5);
    shoot("05-station-picker");
    if (auto* picker = page->autoMatchView(); picker && picker->shownStations().size() > 5)
        picker->tableViewDidSelectRow(picker->table(), 5);
    settle(0.3);
    page->btnQueryClick(); // the position screen
    platform::runLoopUntil(
        [&] {
            auto* screen = page->showLocationView();
            return screen && screen->hasPositions();
        },
        5.0);
    settle(1.0);
    shoot("06-positions");
    if (auto* screen = page->showLocationView())
        screen->btnBackClick();
    settle(0.5);
    return m_files;
}
