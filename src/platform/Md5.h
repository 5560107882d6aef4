// The MD5 digest, as the login and the daily password token use it.
//
//   platform::md5Hex("abc") == "900150983cd24fb0d6963f7d28e17f72"
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The digest of the bytes as 32 lower-case hexadecimal digits.
std::string md5Hex(std::string_view bytes);

} // namespace platform
