#include "Helper/Common/AppConfig.h"
#include "Helper/WebService/WebServiceClient.h"
#include "Helper/WebService/WebURL.h"
#include "platform/RunLoop.h"
#include "platform/support/LocalHttpServer.h"
#include "platform/ui/ProgressOverlay.h"
#include "platform/ui/TestDriver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

using namespace platform;

namespace {

struct Call {
    std::string kind; // "success", "tag", "error"
    std::optional<std::string> text;
    int tag{0};
    bool operator==(const Call&) const = default;
};

struct Recorder : WebServiceDelegate {
    bool tagged{false};
    std::vector<Call> calls;
    void doWithSuccess(const std::optional<std::string>& f) override { calls.push_back({"success", f}); }
    void doWithSuccessTag(const std::optional<std::string>& f, int tag) override {
        calls.push_back({"tag", f, tag});
    }
    void doWithError(const std::string& e) override { calls.push_back({"error", e}); }
    bool respondsToDoWithSuccessTag() const override { return tagged; }
};

const std::string kFragment = "<NewDataSet><T><code>200</code></T></NewDataSet>";

class WebServiceClientTest : public testing::Test {
protected:
    void SetUp() override {
        server.http().Post("/service.asmx", [this](const httplib::Request& req, httplib::Response& res) {
            {
                std::lock_guard lock(mutex);
                bodies.push_back(req.body);
                soapActions.push_back(req.get_header_value("SOAPAction"));
            }
            if (req.body.find("<fault") != std::string::npos) {
                res.status = 500;
                res.set_content("<soap:Envelope><soap:Body><soap:Fault><faultstring>x</faultstring></"
                                "soap:Fault></soap:Body></soap:Envelope>",
                                "text/xml");
                return;
            }
            if (req.body.find("<slow") != std::string::npos)
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
            if (req.body.find("<nothing") != std::string::npos) {
                res.set_content("<html>maintenance</html>", "text/html");
                return;
            }
            res.set_content("<soap:Envelope><soap:Body><xResponse><xResult>" + kFragment +
                                "</xResult></xResponse></soap:Body></soap:Envelope>",
                            "text/xml");
        });
        server.start();
        setWebURLString(server.url("/service.asmx"));
    }
    void TearDown() override { setWebURLString(""); }

    size_t requestCount() {
        std::lock_guard lock(mutex);
        return bodies.size();
    }

    ui::TestDriver driver;
    LocalHttpServer server;
    std::mutex mutex;
    std::vector<std::string> bodies;
    std::vector<std::string> soapActions;
};

} // namespace

TEST_F(WebServiceClientTest, PostsTheEnvelopeWithItsActionHeaderAndDeliversUntaggedThenTagged) {
    Recorder recorder;
    recorder.tagged = true;
    auto client = WebServiceClient::initWithTagViewTag(&recorder, nullptr, 7);
    ASSERT_TRUE(client);
    client->startWithActionKeyAndParameters("getBusLineRoute", {{"busLine", "1"}});
    client.reset(); // the client keeps itself alive until it has reported
    ASSERT_TRUE(driver.runUntil([&] { return recorder.calls.size() == 2; }));
    EXPECT_EQ(recorder.calls[0], (Call{"success", kFragment}));
    EXPECT_EQ(recorder.calls[1], (Call{"tag", kFragment, 7}));
    EXPECT_EQ(soapActions.at(0), AppConfig::shared().serviceNamespace + "getBusLineRoute");
    EXPECT_EQ(bodies.at(0),
              WebServiceClient::getSoapRequestParameters("getBusLineRoute", {{"busLine", "1"}}));
}

TEST_F(WebServiceClientTest, AnswerWithoutFragmentCallsOnlyTheUntaggedSuccessWithNone) {
    for (const char* action : {"fault", "nothing"}) {
        Recorder recorder;
        recorder.tagged = true;
        WebServiceClient::initWithTagViewTag(&recorder, nullptr, 7)->startWithActionKeyAndParameters(action);
        ASSERT_TRUE(driver.runUntil([&] { return !recorder.calls.empty(); }));
        driver.runUntilIdle();
        EXPECT_EQ(recorder.calls, (std::vector<Call>{{"success", std::nullopt}})) << action;
    }
}

TEST_F(WebServiceClientTest, NoResponseReportsStatusZeroAndHidesTheOverlay) {
    auto view = ui::View::create(ui::Rect{0, 0, 320, 460});
    driver.root()->addSubview(view);
    Recorder recorder;
    auto client =
        WebServiceClient::initWithDelegateAndURLViewURL(&recorder, view, "http://127.0.0.1:1/service.asmx");
    client->startWithActionKeyAndParameters("getWeatherInfo");
    ASSERT_TRUE(driver.runUntil([&] { return !recorder.calls.empty(); }));
    EXPECT_EQ(recorder.calls, (std::vector<Call>{{"error", "0:"}}));
    EXPECT_EQ(ui::ProgressOverlay::count(*view), 0);
}

TEST_F(WebServiceClientTest, OverlayShowsWhileARequestRunsUnlessTheTagIsSilent) {
    auto view = ui::View::create(ui::Rect{0, 0, 320, 460});
    driver.root()->addSubview(view);
    Recorder loud;
    // The answer comes late enough for the overlay to be seen.
    WebServiceClient::initWithDelegateView(&loud, view)->startWithActionKeyAndParameters("slow");
    ASSERT_TRUE(
        driver.runUntil([&] { return ui::ProgressOverlay::count(*view) == 1 || !loud.calls.empty(); }));
    EXPECT_EQ(ui::ProgressOverlay::count(*view), 1);
    ASSERT_TRUE(driver.runUntil([&] { return !loud.calls.empty(); }));
    EXPECT_EQ(ui::ProgressOverlay::count(*view), 0);

    // A silent request shows nothing, but its end still hides what the view shows.
    ui::ProgressOverlay::show(*view);
    Recorder silent;
    WebServiceClient::initWithTagViewTag(&silent, view, WebServiceClient::kSilentTag)
        ->startWithActionKeyAndParameters("x");
    ASSERT_TRUE(driver.runUntil([&] { return !silent.calls.empty(); }));
    EXPECT_EQ(ui::ProgressOverlay::count(*view), 0);
}

TEST_F(WebServiceClientTest, BeforeAServerIsChosenRequestsAreRefusedWithTheirAlertAndNothingIsSent) {
    setWebURLString("");
    Recorder recorder;
    EXPECT_FALSE(WebServiceClient::initWithDelegateView(&recorder, nullptr));
    EXPECT_FALSE(WebServiceClient::initWithTagViewTag(&recorder, nullptr, 3));
    EXPECT_EQ(driver.alertTitles(), (std::vector<std::string>{"欢迎使用Tansu", "欢迎使用Tansu"}));
    EXPECT_EQ(driver.alertMessages(), (std::vector<std::string>{"服务器无法响应", "选择服务器中，请稍等！"}));
    EXPECT_FALSE(WebServiceClient::runSoapActionParameters("getWeatherInfo"));
    driver.runUntil([] { return false; }, 0.2);
    EXPECT_EQ(requestCount(), 0u);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(WebServiceClientTest, ADelegateThatIsGoneIsNeverCalled) {
    auto recorder = std::make_unique<Recorder>();
    WebServiceClient::initWithDelegateView(recorder.get(), nullptr)
        ->startWithActionKeyAndParameters("getWeatherInfo");
    recorder.reset();
    ASSERT_TRUE(driver.runUntil([&] { return requestCount() == 1; }));
    driver.runUntil([] { return false; }, 0.3); // the answer arrives and finds no one: no crash under ASan
}

TEST_F(WebServiceClientTest, BlockingRunGivesTheFragmentOnlyForStatus200) {
    std::optional<std::string> ok, fault;
    std::atomic<bool> done{false};
    runWorker([&] {
        ok = WebServiceClient::runSoapActionParameters("getWeatherInfo");
        fault = WebServiceClient::runSoapActionParameters("fault");
        done = true;
    });
    ASSERT_TRUE(driver.runUntil([&] { return done.load(); }));
    EXPECT_EQ(ok, kFragment);
    EXPECT_EQ(fault, std::nullopt);
}
