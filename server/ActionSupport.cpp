#include "ActionSupport.h"

#include "ServerClock.h"

#include <cstdio>
#include <mutex>
#include <random>

namespace tansu::demo {

const std::string& required(const SoapRequest& request, const std::string& name) {
    auto it = request.parameters.find(name);
    if (it == request.parameters.end())
        throw SoapFault(SoapFault::Side::Client, "missing parameter: " + name);
    return it->second;
}

std::string optional(const SoapRequest& request, const std::string& name, const std::string& fallback) {
    auto it = request.parameters.find(name);
    return it == request.parameters.end() ? fallback : it->second;
}

// A whole number from text, or the fallback when the text is not one; clamped.
int number(const std::string& text, int fallback, int low, int high) {
    int value = 0;
    std::size_t used = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        return fallback;
    }
    if (used == 0)
        return fallback;
    return std::clamp(value, low, high);
}

std::optional<double> decimal(const std::string& text) {
    try {
        std::size_t used = 0;
        double value = std::stod(text, &used);
        if (used != text.size() || !std::isfinite(value))
            return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string join(const std::vector<std::string>& parts, const char* separator) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += separator;
        out += parts[i];
    }
    return out;
}

std::string formatCoordinate(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

std::string now(ServiceContext& context) {
    return formatCityTime(context.clock.nowMillis());
}

std::string randomHex(std::size_t digits) {
    static std::mutex mutex;
    static std::mt19937_64 engine(std::random_device{}());
    std::lock_guard guard(mutex);
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < digits; ++i)
        out += hex[engine() % 16];
    return out;
}

} // namespace tansu::demo
