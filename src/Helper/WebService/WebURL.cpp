#include "Helper/WebService/WebURL.h"

#include <mutex>

namespace {
std::mutex g_mutex;
std::string g_url;
} // namespace

std::string WebURLString() {
    std::lock_guard lock(g_mutex);
    return g_url;
}

void setWebURLString(const std::string& url) {
    std::lock_guard lock(g_mutex);
    g_url = url;
}
