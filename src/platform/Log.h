// The developer log: one free-form line per event on standard error.
//
//   platform::log("requestStarted!!!!!");
//   platform::logf("run: {}", line);
#pragma once

#include <fmt/format.h>

#include <functional>
#include <string>
#include <string_view>

namespace platform {

void log(std::string_view line);

template <typename... Args>
void logf(fmt::format_string<Args...> format, Args&&... args)
{
    log(fmt::format(format, std::forward<Args>(args)...));
}

// Tests and tools watch the log through a sink; the line still goes to standard
// error unless the sink says it consumed it (returns true).
using LogSink = std::function<bool(const std::string&)>;
int addLogSink(LogSink sink);
void removeLogSink(int id);

} // namespace platform
