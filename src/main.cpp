// The client's entry: the application loop, the phone window, and the
// screenshot and tour modes used by ./run.sh on machines without a display.
#include "platform/Application.h"
#include "platform/Log.h"
#include "platform/RunLoop.h"
#include "platform/ui/PhoneWindow.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    auto& window = platform::ui::PhoneWindow::instance();
    window.show();

    if (auto dir = app.option("--tour"); !dir.empty()) {
        std::filesystem::create_directories(dir);
        platform::runLoopUntilIdle();
        auto file = dir + "/01-start.png";
        if (!window.writeScreenshot(file)) {
            platform::logf("cannot write {}", file);
            return 1;
        }
        std::printf("%s\n", file.c_str());
        return 0;
    }
    if (auto file = app.option("--screenshot"); !file.empty()) {
        platform::runLoopUntilIdle();
        if (!window.writeScreenshot(file))
            return 1;
        std::printf("%s\n", file.c_str());
        return 0;
    }
    return app.exec();
}
