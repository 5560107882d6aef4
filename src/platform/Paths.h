// Where Tansu keeps its files: the data root (set by --data-dir or
// TANSU_DATA_DIR) with its documents and temporary folders, and the folder of
// the resources that ship with the application.
//
//   auto file = platform::documentsPath("options.plist");
#pragma once

#include <string>

namespace platform {

// The data root; created on first use. Default: $XDG_DATA_HOME/tansu or ~/.local/share/tansu.
std::string dataRoot();
void setDataRoot(const std::string& path);

std::string documentsDirectory(); // <root>/Documents
std::string temporaryDirectory(); // <root>/tmp, always ending with "/"
std::string documentsPath(const std::string& name);

// Resources (images, interface data): TANSU_RESOURCE_DIR or the source tree's resources/.
std::string resourceDirectory();
std::string resourcePath(const std::string& name);

bool fileExists(const std::string& path);

} // namespace platform
