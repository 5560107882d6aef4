#include "platform/AppInfo.h"

#include <mutex>

namespace platform {

namespace {

// Raise VersionCode by one with every release; the server answers "needUpdate"
// when its newest code is greater.
std::map<std::string, std::string> builtIn() {
    return {
        {"VersionCode", "1"},
        {"VersionName", "1.0.0"},
        {"DisplayName", "Tansu"},
    };
}

std::mutex g_mutex;
std::map<std::string, std::string> g_info = builtIn();

} // namespace

std::string infoString(const std::string& key) {
    std::lock_guard lock(g_mutex);
    auto it = g_info.find(key);
    return it == g_info.end() ? std::string() : it->second;
}

std::map<std::string, std::string> infoDictionary() {
    std::lock_guard lock(g_mutex);
    return g_info;
}

void setInfoStringForTesting(const std::string& key, const std::string& value) {
    std::lock_guard lock(g_mutex);
    if (value.empty())
        g_info.erase(key);
    else
        g_info[key] = value;
}

void resetInfoForTesting() {
    std::lock_guard lock(g_mutex);
    g_info = builtIn();
}

} // namespace platform
