// WebURLString: the URL of the chosen server, empty until server selection
// sets it once on the main thread; workers read it afterwards.
#pragma once

#include <string>

std::string WebURLString();
void setWebURLString(const std::string& url);
