// MD5 digests as 32 lower-case hexadecimal digits: the form in which accounts
// keep passwords and in which the daily password token is built.
#pragma once

#include <string>
#include <string_view>

namespace tansu::demo {

std::string md5Hex(std::string_view data);

} // namespace tansu::demo
