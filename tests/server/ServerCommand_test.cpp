// The tansu-demo-server command as ./run.sh uses it: a free port written to a
// file once it listens, a log line per request, a clean stop on SIGTERM.
#include "support/SoapTestClient.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tansu::demo::test {
namespace {

namespace fs = std::filesystem;

class ServerCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("tansu-server-command-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }

    void TearDown() override {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        fs::remove_all(dir);
    }

    // Starts the command from another folder, so it must find its data by itself.
    void start(std::vector<std::string> arguments) {
        pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            if (::chdir(dir.c_str()) != 0)
                ::_exit(126);
            std::string log = (dir / "server.log").string();
            if (!std::freopen(log.c_str(), "w", stderr))
                ::_exit(126);
            std::vector<char*> argv;
            std::string program = TANSU_DEMO_SERVER_BIN;
            argv.push_back(program.data());
            for (auto& argument : arguments)
                argv.push_back(argument.data());
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
    }

    int waitForPort(const fs::path& file) {
        for (int i = 0; i < 500; ++i) {
            std::ifstream in(file);
            int port = 0;
            if (in >> port && port > 0)
                return port;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return 0;
    }

    std::string log() const {
        std::ifstream in(dir / "server.log");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir;
    pid_t pid{-1};
};

TEST_F(ServerCommandTest, WritesItsPortLogsRequestsAndStopsOnSigterm) {
    auto portFile = dir / "port";
    start({"--bind", "127.0.0.1", "--port", "0", "--port-file", portFile.string(), "--clock",
           "2026-12-11 08:30:00"});
    int port = waitForPort(portFile);
    ASSERT_GT(port, 0) << log();
    SoapResult result = SoapTestClient(port).call("getBusLineRoute", {{"busLine", "K1"}});
    ASSERT_TRUE(result.fragment) << result.body;
    EXPECT_EQ(result.fragment->code(), "200");

    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    pid = -1;
    EXPECT_TRUE(WIFEXITED(status)) << "ended by a signal instead of stopping";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::string text = log();
    EXPECT_NE(text.find("POST /service.asmx getBusLineRoute 200"), std::string::npos) << text;
    EXPECT_NE(text.find("2026-12-11 08:30:00"), std::string::npos);
}

TEST_F(ServerCommandTest, RefusesBadOptions) {
    for (std::vector<std::string> arguments : std::vector<std::vector<std::string>>{
             {"--clock", "tomorrow"}, {"--only", "both"}, {"--fail-rate", "2"}, {"--wings"}}) {
        start(arguments);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        pid = -1;
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_NE(WEXITSTATUS(status), 0) << arguments[0];
    }
}

} // namespace
} // namespace tansu::demo::test
