#include "Classes/Tour.h"

#include "Classes/OrvelaAppDelegate.h"
#include "Classes/RootViewController.h"
#include "Helper/WebService/WebURL.h"
#include "platform/Log.h"
#include "platform/RunLoop.h"
#include "platform/ui/Label.h"
#include "platform/ui/PhoneWindow.h"

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
    shoot("04-favourites");
    return m_files;
}
