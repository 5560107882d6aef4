#include "platform/Http.h"
#include "platform/RunLoop.h"
#include "support/LocalHttpServer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <netinet/in.h>
#include <unistd.h>

using namespace platform;

namespace {

struct Outcome {
    int started { 0 };
    int finished { 0 };
    int failed { 0 };
    HttpResponse response;
    bool done() const { return finished + failed > 0; }
};

std::shared_ptr<HttpRequest> startRequest(HttpRequestSpec spec, Outcome& out)
{
    auto request = HttpRequest::create(std::move(spec),
        { [&] { ++out.started; },
            [&](const HttpResponse& r) {
                ++out.finished;
                out.response = r;
            },
            [&](const HttpResponse& r) {
                ++out.failed;
                out.response = r;
            } });
    request->start();
    return request;
}

// A port on which nothing listens.
int closedPort()
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

class HttpTest : public testing::Test {
protected:
    void SetUp() override
    {
        server.http().Get("/status/(\\d+)", [](const httplib::Request& req, httplib::Response& res) {
            res.status = std::stoi(req.matches[1]);
            res.set_content("body " + std::string(req.matches[1]), "text/plain");
        });
        server.http().Post("/echo", [](const httplib::Request& req, httplib::Response& res) {
            std::string seen = req.get_header_value("Content-Type") + "|" + req.get_header_value("SOAPAction") + "|" + req.body;
            res.set_content(seen, "text/plain");
        });
        server.http().Get("/slow", [this](const httplib::Request&, httplib::Response& res) {
            for (int i = 0; i < 300 && !releaseSlow; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            res.set_content("late", "text/plain");
        });
        server.start();
    }
    void TearDown() override
    {
        releaseSlow = true;
        server.stop();
        setHttpDefaultTimeout(10.0);
    }

    LocalHttpServer server;
    std::atomic<bool> releaseSlow { false };
};

} // namespace

TEST_F(HttpTest, AnyHttpStatusIsFinishedWithItsBody)
{
    for (int status : { 200, 404, 500 }) {
        Outcome out;
        auto request = startRequest({ .method = "GET", .url = server.url("/status/" + std::to_string(status)) }, out);
        ASSERT_TRUE(runLoopUntil([&] { return out.done(); }));
        EXPECT_EQ(out.started, 1);
        EXPECT_EQ(out.finished, 1) << status;
        EXPECT_EQ(out.failed, 0) << status;
        EXPECT_EQ(out.response.status, status);
        EXPECT_EQ(out.response.body, "body " + std::to_string(status));
    }
}

TEST_F(HttpTest, RefusedConnectionFailsWithStatusZero)
{
    Outcome out;
    auto request = startRequest({ .url = "http://127.0.0.1:" + std::to_string(closedPort()) + "/" }, out);
    ASSERT_TRUE(runLoopUntil([&] { return out.done(); }));
    EXPECT_EQ(out.failed, 1);
    EXPECT_EQ(out.response.status, 0);
}

TEST_F(HttpTest, ServerThatNeverAnswersTimesOutAsFailed)
{
    setHttpDefaultTimeout(0.3);
    Outcome out;
    auto request = startRequest({ .url = server.url("/slow") }, out);
    ASSERT_TRUE(runLoopUntil([&] { return out.done(); }, 5.0));
    EXPECT_EQ(out.failed, 1);
    EXPECT_EQ(out.finished, 0);
    EXPECT_EQ(out.response.status, 0);
}

TEST_F(HttpTest, CancelReportsFailedOnce)
{
    Outcome out;
    auto request = startRequest({ .url = server.url("/slow") }, out);
    runLoopUntil([&] { return out.started > 0; });
    request->cancel();
    request->cancel();
    ASSERT_TRUE(runLoopUntil([&] { return out.done(); }));
    releaseSlow = true;
    runLoopUntil([] { return false; }, 0.2);
    EXPECT_EQ(out.failed, 1);
    EXPECT_EQ(out.finished, 0);
}

TEST_F(HttpTest, PostSendsHeadersAndBodyExactly)
{
    Outcome out;
    std::string body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<a>中文</a>\n";
    auto request = startRequest({ .method = "POST",
                                    .url = server.url("/echo"),
                                    .headers = { { "Content-Type", "text/xml; charset=utf-8" }, { "SOAPAction", "http://tansu.example/getX" } },
                                    .body = body },
        out);
    ASSERT_TRUE(runLoopUntil([&] { return out.done(); }));
    EXPECT_EQ(out.response.body, "text/xml; charset=utf-8|http://tansu.example/getX|" + body);
}

TEST_F(HttpTest, PostsUrlEncodedFormFields)
{
    Outcome out;
    auto request = startRequest(
        { .method = "POST", .url = server.url("/echo"), .formFields = { { "userid", "7" }, { "arg0", "中 &=" } } }, out);
    ASSERT_TRUE(runLoopUntil([&] { return out.done(); }));
    EXPECT_EQ(out.response.body, "application/x-www-form-urlencoded||userid=7&arg0=%E4%B8%AD%20%26%3D");
}

TEST_F(HttpTest, DownloadsIntoAFile)
{
    auto path = std::filesystem::temp_directory_path() / ("tansu-download-" + std::to_string(getpid()));
    Outcome out;
    auto request = startRequest({ .url = server.url("/status/200"), .downloadPath = path.string() }, out);
    ASSERT_TRUE(runLoopUntil([&] { return out.done(); }));
    std::ifstream in(path);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "body 200");
    std::filesystem::remove(path);
}

TEST_F(HttpTest, BlockingRequestOnWorkerLeavesMainLoopResponsive)
{
    std::atomic<bool> workerDone { false };
    HttpResponse result;
    runWorker([&] {
        result = httpSendBlocking({ .url = server.url("/status/404") });
        workerDone = true;
    });
    int mainTicks = 0;
    auto tick = Timer::schedule(0.005, Repeats::Yes, [&] { ++mainTicks; });
    ASSERT_TRUE(runLoopUntil([&] { return workerDone.load(); }));
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.status, 404);
    EXPECT_EQ(result.body, "body 404");
    runLoopUntil([&] { return mainTicks > 0; }, 2.0);
    EXPECT_GT(mainTicks, 0);
}

TEST_F(HttpTest, DetachedRequestCallsNothing)
{
    Outcome out;
    auto request = startRequest({ .url = server.url("/status/200") }, out);
    request->detach();
    runLoopUntil([] { return false; }, 0.3);
    EXPECT_EQ(out.finished + out.failed, 0);
}
