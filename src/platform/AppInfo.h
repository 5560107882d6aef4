// The application information dictionary: what the client says about itself.
// "VersionCode" is the whole number the update check sends to the server,
// which compares it with the newest release's; "VersionName" is the version
// shown to people ("1.0.0"); "DisplayName" is the name shown to people.
//
//   std::string code = platform::infoString("VersionCode"); // "1"
#pragma once

#include <map>
#include <string>

namespace platform {

// The value under key, or the empty string.
std::string infoString(const std::string& key);
std::map<std::string, std::string> infoDictionary();

// Test mode: replaces one entry (an empty value removes it) until reset.
void setInfoStringForTesting(const std::string& key, const std::string& value);
void resetInfoForTesting();

} // namespace platform
