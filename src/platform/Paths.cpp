#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace fs = std::filesystem;

namespace platform {

namespace {

std::mutex g_mutex;
std::string g_root;

std::string defaultRoot()
{
    if (const char* env = std::getenv("TANSU_DATA_DIR"); env && *env)
        return env;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::string(xdg) + "/tansu";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.local/share/tansu";
    return (fs::temp_directory_path() / "tansu").string();
}

std::string ensureDir(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    return path;
}

} // namespace

std::string dataRoot()
{
    std::lock_guard lock(g_mutex);
    if (g_root.empty())
        g_root = defaultRoot();
    return ensureDir(g_root);
}

void setDataRoot(const std::string& path)
{
    std::lock_guard lock(g_mutex);
    g_root = path;
}

std::string documentsDirectory()
{
    return ensureDir(dataRoot() + "/Documents");
}

std::string temporaryDirectory()
{
    return ensureDir(dataRoot() + "/tmp") + "/";
}

std::string documentsPath(const std::string& name)
{
    return documentsDirectory() + "/" + name;
}

std::string resourceDirectory()
{
    if (const char* env = std::getenv("TANSU_RESOURCE_DIR"); env && *env)
        return env;
    return TANSU_SOURCE_RESOURCE_DIR;
}

std::string resourcePath(const std::string& name)
{
    return resourceDirectory() + "/" + name;
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

} // namespace platform
