// Hands a URL to the system: the web map, a web address, "telprompt://" to
// call a number, "mailto://" to write a mail. In test mode the URL is only
// recorded, so tests see exactly what would have been opened.
//
//   platform::openURL("telprompt://053212345678");
//   // test: platform::SystemUrl::setTestModeEnabled(true); ... SystemUrl::openedUrls()
#pragma once

#include <string>
#include <vector>

namespace platform {

// Safe from any thread (the system is asked on the main thread). Answers
// false for text that is not a URL; otherwise true once the URL is handed on.
bool openURL(const std::string& url);

class SystemUrl {
public:
    static void setTestModeEnabled(bool enabled); // also forgets the recorded URLs
    static bool isTestModeEnabled();
    static std::vector<std::string> openedUrls(); // in test mode, oldest first
    static void clearOpenedUrls();
};

} // namespace platform
