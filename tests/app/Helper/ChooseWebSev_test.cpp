#include "Helper/Common/ChooseWebSev.h"
#include "Helper/WebService/WebURL.h"
#include "platform/Log.h"
#include "platform/RunLoop.h"
#include "platform/support/LocalHttpServer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace platform;

namespace {

struct Recorder : ChooseWebSevDelegate {
    std::vector<std::string> chosen;
    void ChooseSuccess(const std::string& url) override { chosen.push_back(url); }
};

// A probe endpoint that answers `status` after `delayMs`.
void serve(LocalHttpServer& server, const std::string& path, int status, int delayMs,
           std::atomic<int>& hits) {
    server.http().Get(path, [=, &hits](const httplib::Request&, httplib::Response& res) {
        ++hits;
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        res.status = status;
        res.set_content("probe", "text/plain");
    });
}

class ChooseWebSevTest : public testing::Test {
protected:
    void SetUp() override {
        setWebURLString("");
        sink = addLogSink([this](const std::string& line) {
            logLines.push_back(line);
            return true;
        });
    }
    void TearDown() override {
        removeLogSink(sink);
        setWebURLString("");
    }
    std::vector<std::string> logLines;
    int sink{0};
};

} // namespace

TEST_F(ChooseWebSevTest, OfficialAnsweringAnErrorStatusFirstIsChosen) {
    LocalHttpServer official, backup;
    std::atomic<int> officialHits{0}, backupHits{0};
    serve(official, "/service.asmx", 404, 0, officialHits);
    serve(backup, "/TrafficService.asmx", 200, 1500, backupHits);
    official.start();
    backup.start();
    Recorder recorder;
    auto chooser = ChooseWebSev::initWebWithDelegate(&recorder, official.url("/service.asmx"),
                                                     backup.url("/TrafficService.asmx"));
    ASSERT_TRUE(runLoopUntil([&] { return !recorder.chosen.empty(); }));
    EXPECT_EQ(recorder.chosen, std::vector<std::string>{official.url("/service.asmx")});
    EXPECT_EQ(WebURLString(), official.url("/service.asmx"));
    EXPECT_TRUE(chooser->requestSucceeded());
    EXPECT_NE(std::find(logLines.begin(), logLines.end(), "----OFFICAL    requestFinished!!!!!----"),
              logLines.end());
    EXPECT_NE(std::find(logLines.begin(), logLines.end(),
                        " ---------- 当前请求URL为：--------" + official.url("/service.asmx")),
              logLines.end());
    // The losing probe is cancelled and reports its failure only in the log.
    ASSERT_TRUE(runLoopUntil([&] {
        return std::find(logLines.begin(), logLines.end(), "BACKUP     requestFailed!!!!!!") !=
               logLines.end();
    }));
    chooser->detach();
}

TEST_F(ChooseWebSevTest, BackupFirstIsChosenAndALateOfficialAnswerIsIgnored) {
    LocalHttpServer official, backup;
    std::atomic<int> officialHits{0}, backupHits{0};
    serve(official, "/service.asmx", 200, 800, officialHits);
    serve(backup, "/TrafficService.asmx", 200, 0, backupHits);
    official.start();
    backup.start();
    Recorder recorder;
    auto chooser = ChooseWebSev::initWebWithDelegate(&recorder, official.url("/service.asmx"),
                                                     backup.url("/TrafficService.asmx"));
    ASSERT_TRUE(runLoopUntil([&] { return !recorder.chosen.empty(); }));
    runLoopUntil([] { return false; }, 1.2); // let the official answer arrive, if it still does
    EXPECT_EQ(recorder.chosen, std::vector<std::string>{backup.url("/TrafficService.asmx")});
    EXPECT_EQ(WebURLString(), backup.url("/TrafficService.asmx"));
    EXPECT_EQ(chooser->getURL(), backup.url("/TrafficService.asmx"));
    EXPECT_NE(std::find(logLines.begin(), logLines.end(), "OFFICAL     requestFailed!!!!!!"), logLines.end());
    chooser->detach();
}

TEST_F(ChooseWebSevTest, BothRefusedLeavesNoServer) {
    Recorder recorder;
    auto chooser = ChooseWebSev::initWebWithDelegate(&recorder, "http://127.0.0.1:1/service.asmx",
                                                     "http://127.0.0.1:1/TrafficService.asmx");
    ASSERT_TRUE(runLoopUntil([&] {
        return std::count_if(logLines.begin(), logLines.end(),
                             [](auto& l) { return l.find("requestFailed") != std::string::npos; }) == 2;
    }));
    EXPECT_TRUE(recorder.chosen.empty());
    EXPECT_EQ(WebURLString(), "");
    EXPECT_FALSE(chooser->requestSucceeded());
    chooser->detach();
}
