// Speed of the script interpreter against two peers measured in the same
// run: Lua 5.4 and Bywater BASIC, each running the same algorithm (a
// recursive sub, a while loop with arithmetic, text concatenation and array
// append). Tansu is measured in command lines per second; every workload is
// also timed end to end at the same size in all three, and the closing table
// gives Tansu's time as a multiple of each peer's.
//
// Times are processor times (user + system), so that other work on a shared
// machine does not count. The peers run as child processes; the time of a
// run with nothing to do (size 0) is taken off, so the figures compare the
// work and not the start.

#include "Global/ScriptException.h"
#include "Script/Script.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

const fs::path kBenchDir = fs::path(__FILE__).parent_path();

struct Workload {
    const char* name;
    int size;
    const char* script; // the Tansu text, with __N__ for the size
};

const Workload kWorkloads[] = {
    {"recursive", 15,
     "sub main(ObjectArray args[10])\n"
     "  println(fib(__N__))\n"
     "endsub\n"
     "sub fib(Object n)\n"
     "  if (n == 0) then\n"
     "    return 0\n"
     "  endif\n"
     "  if (n == 1) then\n"
     "    return 1\n"
     "  endif\n"
     "  return fib(n - 1) + fib(n - 2)\n"
     "endsub\n"},
    {"loop", 20000,
     "sub main(ObjectArray args[10])\n"
     "  Object i\n"
     "  Object s\n"
     "  i = 0\n"
     "  s = 0\n"
     "  while (i != __N__)\n"
     "    s = s + i * 2\n"
     "    i = i + 1\n"
     "  wend\n"
     "  println(s)\n"
     "endsub\n"},
    {"concat", 5000,
     "sub main(ObjectArray args[10])\n"
     "  Object s\n"
     "  Object i\n"
     "  s = \"\"\n"
     "  i = 0\n"
     "  while (i != __N__)\n"
     "    s = s + \"x\"\n"
     "    i = i + 1\n"
     "  wend\n"
     "  println(s)\n"
     "endsub\n"},
    {"append", 1000,
     "sub main(ObjectArray args[10])\n"
     "  ObjectArray arr[1]\n"
     "  Object i\n"
     "  i = 0\n"
     "  while (i != __N__)\n"
     "    append(arr, i)\n"
     "    i = i + 1\n"
     "  wend\n"
     "endsub\n"},
};

// Seconds per run of each workload, by implementation.
std::map<std::string, std::map<std::string, double>> g_seconds;

std::string withSize(std::string text, int size) {
    const std::string mark = "__N__";
    for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark))
        text.replace(at, mark.size(), std::to_string(size));
    return text;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool commandExists(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Processor time of the finished children of one command.
double runCommand(const std::string& command) {
    const double start = cpuSeconds(RUSAGE_CHILDREN);
    const int status = std::system((command + " </dev/null >/dev/null 2>&1").c_str());
    if (status != 0)
        return -1;
    return cpuSeconds(RUSAGE_CHILDREN) - start;
}

void BM_Tansu(benchmark::State& state, const Workload& workload) {
    const std::string text = withSize(workload.script, workload.size);
    long long lines = 0;
    double seconds = 0;
    for (auto _ : state) {
        auto script = Script::create();
        script->initSelf();
        script->setLogSink([](const std::string&) {});
        script->budget.maxTurns = 0;
        const double start = cpuSeconds(RUSAGE_SELF);
        try {
            script->addShellItem3("bench", text, true);
            script->coreStart(nullptr);
        } catch (const ScriptException& error) {
            state.SkipWithError(error.what());
            return;
        }
        seconds += cpuSeconds(RUSAGE_SELF) - start;
        lines += script->linesRun;
    }
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
    g_seconds[workload.name]["tansu"] = seconds / static_cast<double>(state.iterations());
}

// Runs a peer at the workload's size and at size 0 and keeps the difference.
void BM_Peer(benchmark::State& state, const Workload& workload, const std::string& peer) {
    const bool lua = peer == "lua5.4";
    if (!commandExists(peer.c_str())) {
        state.SkipWithError((peer + " is not installed").c_str());
        return;
    }
    auto commandFor = [&](int size) {
        if (lua)
            return "lua5.4 " + (kBenchDir / ("script_" + std::string(workload.name) + ".lua")).string() +
                   " " + std::to_string(size);
        const fs::path source = kBenchDir / ("script_" + std::string(workload.name) + "_bwbasic.bas");
        const fs::path file = fs::temp_directory_path() /
                              ("tansu_bench_" + std::to_string(size) + "_" + workload.name + ".bas");
        std::ofstream(file, std::ios::binary) << withSize(readFile(source), size);
        return "bwbasic " + file.string();
    };
    const std::string full = commandFor(workload.size);
    const std::string empty = commandFor(0);
    double seconds = 0;
    for (auto _ : state) {
        const double work = runCommand(full);
        const double start = runCommand(empty);
        if (work < 0 || start < 0) {
            state.SkipWithError((peer + " failed").c_str());
            return;
        }
        const double net = work - start;
        seconds += net > 1e-6 ? net : 1e-6;
        state.SetIterationTime(net > 1e-6 ? net : 1e-6);
    }
    g_seconds[workload.name][peer] = seconds / static_cast<double>(state.iterations());
}

void printRatios() {
    std::printf("\nTansu time as a multiple of the peer's, same algorithm and size:\n");
    std::printf("%-10s %8s %12s %12s %12s %10s %10s\n", "workload", "size", "tansu (ms)", "lua5.4 (ms)",
                "bwbasic (ms)", "vs lua", "vs bwbasic");
    for (const Workload& w : kWorkloads) {
        auto& times = g_seconds[w.name];
        if (!times.count("tansu"))
            continue; // filtered out of this run
        auto ms = [&](const char* who) { return times.count(who) ? times[who] * 1000 : -1.0; };
        auto ratio = [&](const char* who) {
            return times.count(who) && times.count("tansu") ? times["tansu"] / times[who] : -1.0;
        };
        std::printf("%-10s %8d %12.2f %12.2f %12.2f %9.1fx %9.1fx\n", w.name, w.size, ms("tansu"),
                    ms("lua5.4"), ms("bwbasic"), ratio("lua5.4"), ratio("bwbasic"));
    }
}

} // namespace

int main(int argc, char** argv) {
    for (const Workload& w : kWorkloads) {
        benchmark::RegisterBenchmark(("Tansu/" + std::string(w.name)).c_str(), BM_Tansu, w)
            ->Unit(benchmark::kMillisecond);
        for (const char* peer : {"lua5.4", "bwbasic"})
            benchmark::RegisterBenchmark((std::string(peer) + "/" + w.name).c_str(), BM_Peer, w,
                                         std::string(peer))
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatios();
    return 0;
}
