#include "DemoServer.h"
#include "Helper/WebService/SoapEnvelope.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

struct Run {
    int status;
    std::string out;
};

Run run(const std::string& arguments) {
    std::string command = std::string(TANSU_BIN_DIR) + "/tansu-soap " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    int status = pclose(pipe);
    return {WEXITSTATUS(status), out};
}

} // namespace

TEST(TansuSoapTest, PrintsTheExactEnvelopeWithParametersInTheOrderGiven) {
    auto result = run("envelope getUpdateInfo clientType=iphone versionCode=1 phoneFeature=");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              buildSoapEnvelope("http://tansu.example.cn/", "getUpdateInfo",
                                {{"clientType", "iphone"}, {"versionCode", "1"}, {"phoneFeature", ""}}));
    EXPECT_EQ(run("envelope getX notapair").status, 2);
}

TEST(TansuSoapTest, CutsTheFragmentOfASavedAnswerOrSaysThereIsNone) {
    auto dir = std::filesystem::temp_directory_path();
    auto good = (dir / "tansu-soap-good.xml").string();
    auto bad = (dir / "tansu-soap-bad.xml").string();
    std::ofstream(good) << "<soap:Envelope><soap:Body><r><NewDataSet><T><code>200</code></T></NewDataSet></"
                           "r></soap:Body></soap:Envelope>";
    std::ofstream(bad) << "<html>error</html>";
    auto found = run("fragment " + good);
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, "<NewDataSet><T><code>200</code></T></NewDataSet>\n");
    auto none = run("fragment " + bad);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "no fragment\n");
    std::filesystem::remove(good);
    std::filesystem::remove(bad);
}

TEST(TansuSoapTest, CallsTheDemoServerAndPrintsStatusAndFragment) {
    tansu::demo::DemoServerOptions options;
    options.clock = "2026-12-11 08:30:00";
    tansu::demo::DemoServer server(options);
    ASSERT_TRUE(server.start()) << server.error();
    auto result = run("call " + server.officialUrl() + " getBusLineRoute busLine=1");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind("200\n<NewDataSet", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("<lineNumber>1</lineNumber>"), std::string::npos) << result.out;
}
