// Dates written and read with patterns such as "yyyy-MM-dd HH:mm:ss",
// "yyyy-MM-dd", "MM-dd" or "HH:mm" (y year, M month, d day, H hour 0-23,
// m minute, s second; other letters as in Qt's date formats).
//
// A date is seconds since 1970-01-01 00:00:00 UTC. Patterns are read and
// written in the machine's local time zone, with ASCII digits whatever the
// locale. A pattern without a year reads as the year 1900, one without a
// date as 1900-01-01.
//
//   auto when = platform::parseDate("2026-12-11 08:30:00", "yyyy-MM-dd HH:mm:ss");
//   std::string text = platform::formatDate(*when, "MM-dd");
#pragma once

#include <optional>
#include <string>

namespace platform {

std::string formatDate(double secondsSinceEpoch, const std::string& pattern);

// None when the text does not match the whole pattern or names a date that
// does not exist (month 13, February 30).
std::optional<double> parseDate(const std::string& text, const std::string& pattern);

} // namespace platform
