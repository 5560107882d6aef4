// The client's entry: the configuration, the application loop, the phone
// window with the root screen, and the screenshot and tour modes used by
// ./run.sh on machines without a display.
//
//   tansu [--data-dir DIR] [--config FILE] [--server URL] [--tour DIR | --screenshot FILE]
#include "Classes/OrvelaAppDelegate.h"
#include "Classes/Tour.h"
#include "Helper/Common/AppConfig.h"
#include "platform/Application.h"
#include "platform/Log.h"
#include "platform/RunLoop.h"
#include "platform/ui/PhoneWindow.h"

#include <cstdio>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    AppConfig::load(app.option("--config"), app.option("--server"));

    auto& window = platform::ui::PhoneWindow::instance();
    OrvelaAppDelegate delegate(&window);
    delegate.applicationDidFinishLaunchingWithOptions();
    window.show();

    if (auto dir = app.option("--tour"); !dir.empty()) {
        auto files = Tour(delegate, dir).run();
        for (auto& file : files)
            std::printf("%s\n", file.c_str());
        return files.empty() ? 1 : 0;
    }
    if (auto file = app.option("--screenshot"); !file.empty()) {
        // Let start-up settle: server choice, weather, the first fade.
        platform::runLoopUntil([] { return false; }, 2.0);
        if (!window.writeScreenshot(file))
            return 1;
        std::printf("%s\n", file.c_str());
        return 0;
    }
    return app.exec();
}
