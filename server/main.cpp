// tansu-demo-server: the demo back end of a fictional city for the Tansu client.
//
//   tansu-demo-server [--bind 127.0.0.1] [--port 8080 | --port 0 --port-file FILE]
//                     [--clock "2026-12-11 08:30:00"] [--data DIR] [--db FILE]
//                     [--delay-ms N] [--fail-rate 0.1] [--seed N] [--only official|backup] [--quiet]
//
// It logs one line per request on standard error and stops cleanly on SIGINT or SIGTERM.
#include "DemoServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void usage() {
    std::fprintf(stderr,
                 "usage: tansu-demo-server [--bind ADDRESS] [--port N] [--port-file FILE]\n"
                 "                         [--clock \"yyyy-MM-dd HH:mm:ss\"] [--data DIR] [--db FILE]\n"
                 "                         [--delay-ms N] [--fail-rate RATE] [--seed N]\n"
                 "                         [--only official|backup] [--quiet]\n");
}

// The seed data: --data, else the source tree's folder compiled in, else a
// folder beside the program (an installed copy).
std::string findDataDir(const std::string& given, const char* argv0) {
    namespace fs = std::filesystem;
    if (!given.empty())
        return given;
    if (fs::exists(fs::path(tansu::demo::defaultDataDir()) / "schema.sql"))
        return tansu::demo::defaultDataDir();
    std::error_code ec;
    fs::path exe = fs::canonical("/proc/self/exe", ec);
    if (ec)
        exe = fs::absolute(argv0, ec);
    for (const char* relative : {"../share/tansu-demo-server/data", "data", "../../../server/data"}) {
        fs::path candidate = exe.parent_path() / relative;
        if (fs::exists(candidate / "schema.sql"))
            return candidate.string();
    }
    return tansu::demo::defaultDataDir();
}

bool writePortFile(const std::string& file, int port) {
    // Written whole and then renamed, so a reader never sees half a number.
    std::string temporary = file + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary);
        if (!(out << port << "\n"))
            return false;
    }
    return std::rename(temporary.c_str(), file.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    tansu::demo::DemoServerOptions options;
    options.logRequests = true;
    // The client's built-in configuration expects the demo back end here.
    options.port = 8080;
    options.dataDir.clear();
    std::string portFile;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "tansu-demo-server: %s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        try {
            if (arg == "--port")
                options.port = std::stoi(value());
            else if (arg == "--bind")
                options.bindAddress = value();
            else if (arg == "--port-file")
                portFile = value();
            else if (arg == "--clock")
                options.clock = value();
            else if (arg == "--data")
                options.dataDir = value();
            else if (arg == "--db")
                options.databaseFile = value();
            else if (arg == "--delay-ms")
                options.delayMs = std::stoi(value());
            else if (arg == "--fail-rate")
                options.failRate = std::stod(value());
            else if (arg == "--seed")
                options.seed = static_cast<unsigned>(std::stoul(value()));
            else if (arg == "--quiet")
                options.logRequests = false;
            else if (arg == "--only") {
                std::string which = value();
                if (which == "official")
                    options.endpoints = tansu::demo::Endpoints::OfficialOnly;
                else if (which == "backup")
                    options.endpoints = tansu::demo::Endpoints::BackupOnly;
                else {
                    std::fprintf(stderr, "tansu-demo-server: --only takes official or backup\n");
                    return 2;
                }
            } else if (arg == "--help" || arg == "-h") {
                usage();
                return 0;
            } else {
                std::fprintf(stderr, "tansu-demo-server: unknown option %s\n", arg.c_str());
                usage();
                return 2;
            }
        } catch (const std::exception&) {
            std::fprintf(stderr, "tansu-demo-server: bad value for %s\n", arg.c_str());
            return 2;
        }
    }
    if (options.port < 0 || options.port > 65535 || options.delayMs < 0 || options.failRate < 0 ||
        options.failRate > 1) {
        std::fprintf(stderr, "tansu-demo-server: a value is out of range\n");
        return 2;
    }
    options.dataDir = findDataDir(options.dataDir, argv[0]);

    // Block the stop signals before any thread starts, so only sigwait() below sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    tansu::demo::DemoServer server(options);
    if (!server.start()) {
        std::fprintf(stderr, "tansu-demo-server: %s\n", server.error().c_str());
        return 1;
    }
    if (!portFile.empty() && !writePortFile(portFile, server.port())) {
        std::fprintf(stderr, "tansu-demo-server: cannot write %s\n", portFile.c_str());
        server.stop();
        return 1;
    }
    std::fprintf(stderr, "tansu-demo-server: serving %s (data %s)\n", server.baseUrl().c_str(),
                 options.dataDir.c_str());
    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::fprintf(stderr, "tansu-demo-server: stopping on signal %d\n", signal);
    server.stop();
    return 0;
}
