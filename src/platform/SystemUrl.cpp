#include "platform/SystemUrl.h"

#include "platform/Log.h"
#include "platform/RunLoop.h"

#include <QDesktopServices>
#include <QUrl>

#include <mutex>

namespace platform {

namespace {

std::mutex g_mutex;
bool g_testMode{false};
std::vector<std::string> g_opened;

} // namespace

bool openURL(const std::string& url) {
    const QUrl parsed(QString::fromStdString(url), QUrl::TolerantMode);
    if (url.empty() || !parsed.isValid() || parsed.scheme().isEmpty()) {
        logf("cannot open URL \"{}\"", url);
        return false;
    }
    {
        std::lock_guard lock(g_mutex);
        if (g_testMode) {
            g_opened.push_back(url);
            return true;
        }
    }
    performOnMain([parsed] {
        if (!QDesktopServices::openUrl(parsed))
            logf("the system did not open {}", parsed.toString().toStdString());
    });
    return true;
}

void SystemUrl::setTestModeEnabled(bool enabled) {
    std::lock_guard lock(g_mutex);
    g_testMode = enabled;
    g_opened.clear();
}

bool SystemUrl::isTestModeEnabled() {
    std::lock_guard lock(g_mutex);
    return g_testMode;
}

std::vector<std::string> SystemUrl::openedUrls() {
    std::lock_guard lock(g_mutex);
    return g_opened;
}

void SystemUrl::clearOpenedUrls() {
    std::lock_guard lock(g_mutex);
    g_opened.clear();
}

} // namespace platform
