// The demo back end's clock. By default it follows the real time; tests fix it
// at a local time of the city ("2026-12-11 08:30:00") and move it by hand, so
// vehicle positions, the day number and record times are reproducible.
//
// The city keeps China Standard Time (UTC+8, no daylight saving), whatever
// time zone the machine that runs the server is in.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tansu::demo {

inline constexpr std::int64_t kCityUtcOffsetSeconds = 8 * 3600;

// "yyyy-MM-dd HH:mm:ss" of the city to milliseconds since the epoch, or none
// when the text is not a valid date and time in that form.
std::optional<std::int64_t> parseCityTime(std::string_view text);
// Milliseconds since the epoch to "yyyy-MM-dd HH:mm:ss" of the city.
std::string formatCityTime(std::int64_t epochMillis);

class ServerClock {
public:
    // Follows the real time.
    ServerClock() = default;

    std::int64_t nowMillis() const;
    bool isFixed() const { return m_fixedMillis.load() >= 0; }
    // Fixes the clock at an instant; it stays there until moved.
    void fix(std::int64_t epochMillis) { m_fixedMillis.store(epochMillis); }
    // Moves a fixed clock; a real clock is fixed at the real time first.
    void advance(std::int64_t millis);
    void followRealTime() { m_fixedMillis.store(-1); }

    // Seconds since the city's midnight, 0 to 86399.
    int secondsOfDay() const;

private:
    std::atomic<std::int64_t> m_fixedMillis{-1};
};

} // namespace tansu::demo
