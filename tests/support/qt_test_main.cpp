// The main of test programs that need the toolkit: the offscreen platform, the
// application object, and a private data folder so that no test touches a
// real home.
#include "platform/Application.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    auto root = std::filesystem::temp_directory_path() / ("tansu-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(root);
    platform::setDataRoot(root.string());
    int code = 0;
    {
        platform::Application app(argc, argv);
        code = RUN_ALL_TESTS();
    }
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return code;
}
