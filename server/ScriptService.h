// The script service: shop scripts post a form (userid, callerID, functionID,
// arg0, arg1, …) and read the reply body as text. Each argument holds the
// values of one script argument joined by ";", with "\" and ";" escaped.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tansu::demo {

struct ServiceContext;

// Splits one "argN" field into its values, undoing the escapes.
std::vector<std::string> decodeScriptArgument(const std::string& field);

// Runs a function of the script service; answers the reply text.
std::string runScriptFunction(ServiceContext& context, const std::map<std::string, std::string>& form);

} // namespace tansu::demo
