// UTF-8 text files: the announcement and charge caches in the temporary
// folder. Written atomically, so a reader never sees half a file.
//
//   platform::writeTextFile(platform::temporaryDirectory() + "bus_announcement.txt", text);
//   auto cached = platform::readTextFile(path); // none when missing or not UTF-8
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The file's text without a leading byte-order mark; none when the file is
// missing, unreadable or not valid UTF-8.
std::optional<std::string> readTextFile(const std::string& path);

// Answers false and leaves any old file intact when the write fails.
bool writeTextFile(const std::string& path, std::string_view text);

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

} // namespace platform
