#include "platform/Log.h"

#include <cstdio>
#include <map>
#include <mutex>

namespace platform {

namespace {
std::mutex g_mutex;
std::map<int, LogSink> g_sinks;
int g_nextSink { 1 };
} // namespace

void log(std::string_view line)
{
    std::string text(line);
    bool consumed = false;
    {
        std::lock_guard lock(g_mutex);
        for (auto& [id, sink] : g_sinks)
            consumed = sink(text) || consumed;
    }
    if (consumed)
        return;
    std::fprintf(stderr, "%s\n", text.c_str());
}

int addLogSink(LogSink sink)
{
    std::lock_guard lock(g_mutex);
    int id = g_nextSink++;
    g_sinks.emplace(id, std::move(sink));
    return id;
}

void removeLogSink(int id)
{
    std::lock_guard lock(g_mutex);
    g_sinks.erase(id);
}

} // namespace platform
