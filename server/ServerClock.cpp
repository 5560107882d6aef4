#include "ServerClock.h"

#include <chrono>
#include <cstdio>

namespace tansu::demo {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

bool digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

std::optional<std::int64_t> parseCityTime(std::string_view text) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
        text[16] != ':')
        return std::nullopt;
    int y, mo, d, h, mi, s;
    if (!digits(text, 0, 4, y) || !digits(text, 5, 2, mo) || !digits(text, 8, 2, d) ||
        !digits(text, 11, 2, h) || !digits(text, 14, 2, mi) || !digits(text, 17, 2, s))
        return std::nullopt;
    if (mo < 1 || mo > 12 || d < 1 || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (d > kDays[mo - 1] + (mo == 2 && leap ? 1 : 0))
        return std::nullopt;
    std::int64_t days = daysFromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d));
    std::int64_t seconds = days * 86400 + h * 3600 + mi * 60 + s - kCityUtcOffsetSeconds;
    return seconds * 1000;
}

std::string formatCityTime(std::int64_t epochMillis) {
    std::int64_t seconds = epochMillis / 1000 + kCityUtcOffsetSeconds;
    if (epochMillis < 0 && epochMillis % 1000 != 0)
        --seconds;
    std::int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    std::int64_t rest = seconds - days * 86400;
    int y;
    unsigned m, d;
    civilFromDays(days, y, m, d);
    char text[64]; // room for any year the arithmetic can give
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", y, m, d, static_cast<int>(rest / 3600),
                  static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60));
    return text;
}

std::int64_t ServerClock::nowMillis() const {
    std::int64_t fixed = m_fixedMillis.load();
    if (fixed >= 0)
        return fixed;
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void ServerClock::advance(std::int64_t millis) {
    m_fixedMillis.store(nowMillis() + millis);
}

int ServerClock::secondsOfDay() const {
    std::int64_t seconds = nowMillis() / 1000 + kCityUtcOffsetSeconds;
    return static_cast<int>(((seconds % 86400) + 86400) % 86400);
}

} // namespace tansu::demo
