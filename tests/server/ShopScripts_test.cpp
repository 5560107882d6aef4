// The shop scripts the server delivers run to their end in the script runner
// and build a page: panels, labels, images, contact lists, action buttons.
#include "support/ServerFixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tansu::demo::test {
namespace {

#ifdef TANSU_SCRIPT_BIN

struct RunResult {
    int status{-1};
    std::string output;
};

RunResult runScript(const std::string& text, const std::string& name) {
    auto file = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()) + ".bas");
    std::ofstream(file) << text;
    RunResult result;
    std::string command = std::string(TANSU_SCRIPT_BIN) + " " + file.string() + " 2>&1";
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            result.output.append(buffer, n);
        result.status = ::pclose(pipe);
    }
    std::filesystem::remove(file);
    return result;
}

using ShopScriptsTest = ServerFixture;

TEST_F(ShopScriptsTest, EveryShopScriptBuildsAndShowsItsPage) {
    Fragment wall = call("getPicWall", {{"username", "A0"}, {"screenWidth", "320"}, {"screenHeight", "460"}});
    auto codes = wall.list("extrCode");
    ASSERT_FALSE(codes.empty());
    for (const auto& code : codes) {
        std::string script = call("getScript", {{"extrCode", code}, {"userID", "A0"}}).records[0]["script"];
        RunResult run = runScript(script, code);
        EXPECT_EQ(run.status, 0) << code << "\n" << run.output;
        for (const char* step :
             {"host:ui_create_panel(", "host:ui_add_panel(", "host:ui_create_image(http://",
              "host:ui_create_label(", "host:ui_create_contactinfo(", "host:ui_add_ctrl_to_toolbar(",
              "host:ui_create_favor_button()", "host:ui_show()"})
            EXPECT_NE(run.output.find(step), std::string::npos) << code << " lacks " << step << "\n"
                                                                << run.output;
    }
}

TEST_F(ShopScriptsTest, ButtonSubsCallTheScriptService) {
    std::string script =
        call("getScript", {{"extrCode", "00S010000001"}, {"userID", "A0"}}).records[0]["script"];
    // Press the two buttons from main, as the page would with the shop's code.
    auto at = script.find("ui_show()\n");
    ASSERT_NE(at, std::string::npos);
    script.insert(at + 10, "onCoupon(\"00S010000001\")\nonQueue(\"00S010000001\")\n");
    RunResult run = runScript(script, "buttons");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("host:@call(getCoupon, 00S010000001)"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("host:@call(queue, 00S010000001)"), std::string::npos) << run.output;
}

#endif

} // namespace
} // namespace tansu::demo::test
