// The envelope, the fragment forms and the faults of the demo back end, seen
// over HTTP the way the client sees them.
#include "Actions.h"
#include "Md5.h"
#include "ServerClock.h"
#include "SoapEnvelope.h"
#include "support/ServerFixture.h"

#include <httplib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tansu::demo::test {
namespace {

using SoapProtocolTest = ServerFixture;

TEST_F(SoapProtocolTest, AnswersAnEmptyActionWithTheDatasetInsideTheResultElement) {
    SoapResult result = SoapTestClient(server->port()).call("anonymousUserRegister");
    ASSERT_EQ(result.status, 200);
    EXPECT_NE(result.body.find("<anonymousUserRegisterResponse xmlns=\"http://tansu.example.cn/\">"
                               "<anonymousUserRegisterResult><NewDataSet"),
              std::string::npos)
        << result.body;
    ASSERT_TRUE(result.fragment);
    EXPECT_EQ(result.fragment->rootName, "NewDataSet");
    EXPECT_EQ(result.fragment->code(), "200");
    EXPECT_EQ(result.fragment->records[0]["uid"].size(), 16u);
}

TEST_F(SoapProtocolTest, SomeActionsAnswerADocumentElement) {
    Fragment answer = call("getDateTime");
    EXPECT_EQ(answer.rootName, "DocumentElement");
    EXPECT_EQ(answer.records[0]["systemTime"], std::to_string(*parseCityTime("2026-12-11 08:30:00")));
}

TEST_F(SoapProtocolTest, EmptyParameterElementsCountAsGivenAndVersionsCompareByNumber) {
    // The client sends a whole-number version code and an empty "phoneFeature".
    const std::pair<const char*, const char*> cases[] = {
        {"0", "true"}, {"0.9", "true"}, {"1", "false"}, {"1.0.0", "false"}, {"2", "false"}, {"10", "false"}};
    for (const auto& [version, needUpdate] : cases) {
        Fragment answer =
            call("getUpdateInfo", {{"clientType", "iphone"}, {"versionCode", version}, {"phoneFeature", ""}});
        EXPECT_EQ(answer.code(), "200");
        EXPECT_EQ(answer.records[0]["needUpdate"], needUpdate) << version;
        EXPECT_EQ(answer.records[0]["fourceUpdate"], "false");
    }
}

TEST_F(SoapProtocolTest, TextWithMarkupSurvivesTheEnvelope) {
    Fragment answer = call("getBusAnnouncement", {{"pageIndex", "1"}, {"pageSize", "11"}});
    ASSERT_EQ(answer.code(), "200");
    auto titles = answer.list("infoTitle");
    ASSERT_GE(titles.size(), 5u);
    EXPECT_EQ(answer.records[0]["infoContent"].rfind("<p>", 0), 0u) << answer.records[0]["infoContent"];
    EXPECT_GE(answer.records[0]["infoTime"], answer.records[1]["infoTime"]) << "newest first";
}

// Requests that are not answered by an action: each gets a SOAP fault with
// status 500, and the server goes on serving.
struct BadRequest {
    const char* name;
    std::string body;
    std::string soapAction;
    const char* faultText;
};

TEST_F(SoapProtocolTest, RefusesBadRequestsWithAFaultAndKeepsServing) {
    const std::string good = buildEnvelope("getBusLineRoute", {{"busLine", "1"}});
    const BadRequest cases[] = {
        {"not xml", "this is not xml <", "http://tansu.example.cn/getBusLineRoute", "well-formed"},
        {"truncated", good.substr(0, good.size() / 2), "http://tansu.example.cn/getBusLineRoute",
         "well-formed"},
        {"unknown action", buildEnvelope("getFlightTimes", {}), "http://tansu.example.cn/getFlightTimes",
         "unknown action"},
        {"missing parameter", buildEnvelope("getBusLineRoute", {}), "http://tansu.example.cn/getBusLineRoute",
         "missing parameter: busLine"},
        {"header names another action", good, "http://tansu.example.cn/getBusLocation", "SOAPAction"},
        {"not an envelope", "<?xml version=\"1.0\"?><html><body/></html>", "", "envelope"},
        {"empty body",
         "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body/>"
         "</soap:Envelope>",
         "", "no action"},
        {"entities",
         "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY a \"aaaa\">]>" + good.substr(good.find('\n') + 1),
         "http://tansu.example.cn/getBusLineRoute", "document type"},
        {"too large", buildEnvelope("getBusLineRoute", {{"busLine", std::string(300 * 1024, 'x')}}),
         "http://tansu.example.cn/getBusLineRoute", "too large"},
    };
    SoapTestClient client(server->port());
    for (const auto& bad : cases) {
        SoapResult result = client.post(bad.body, bad.soapAction);
        EXPECT_EQ(result.status, 500) << bad.name;
        EXPECT_NE(result.body.find("<soap:Fault>"), std::string::npos) << bad.name;
        EXPECT_NE(result.body.find(bad.faultText), std::string::npos) << bad.name << ": " << result.body;
        EXPECT_FALSE(result.fragmentText) << bad.name << ": a fault has no fragment";
    }
    Fragment answer = call("getBusLineRoute", {{"busLine", "1"}});
    EXPECT_EQ(answer.code(), "200");
}

TEST_F(SoapProtocolTest, DamagedEnvelopesNeverBreakTheServer) {
    // Every cut of a real envelope, and bytes flipped through it, get an answer or a fault.
    const std::string good = buildEnvelope(
        "getBusLocation",
        {{"lineNumber", "1"}, {"GPSNumber", "鼓楼"}, {"busCount", "3"}, {"lastStation", "清和园"}});
    SoapTestClient client(server->port());
    const std::string header = "http://tansu.example.cn/getBusLocation";
    for (std::size_t cut = 0; cut < good.size(); cut += 7) {
        SoapResult result = client.post(good.substr(0, cut), header);
        EXPECT_TRUE(result.status == 200 || result.status == 500) << cut << ": " << result.status;
    }
    for (std::size_t at = 0; at < good.size(); at += 5) {
        for (char replacement : {'<', '&', '\0', '\xff'}) {
            std::string damaged = good;
            damaged[at] = replacement;
            SoapResult result = client.post(damaged, header);
            EXPECT_TRUE(result.status == 200 || result.status == 500) << at << ": " << result.status;
        }
    }
    EXPECT_EQ(call("getBusLocation",
                   {{"lineNumber", "1"}, {"GPSNumber", "鼓楼"}, {"busCount", "3"}, {"lastStation", "清和园"}})
                  .code(),
              "200");
}

TEST_F(SoapProtocolTest, AcceptsTheHeaderWithQuotesOrWithoutNamespace) {
    const std::string body = buildEnvelope("getChargePointArea", {});
    SoapTestClient client(server->port());
    for (const char* header : {"\"http://tansu.example.cn/getChargePointArea\"", "getChargePointArea", ""}) {
        SoapResult result = client.post(body, header);
        EXPECT_EQ(result.status, 200) << header;
    }
}

TEST_F(SoapProtocolTest, AnswersInTheNamespaceOfTheRequest) {
    SoapResult result = SoapTestClient(server->port())
                            .post(buildEnvelope("getChargePointArea", {}, "http://other.example/ws/"),
                                  "http://other.example/ws/getChargePointArea");
    EXPECT_EQ(result.status, 200);
    EXPECT_NE(result.body.find("<getChargePointAreaResponse xmlns=\"http://other.example/ws/\">"),
              std::string::npos);
}

TEST(ActionTables, EveryActionOfTheClientIsServed) {
    const char* backEnd[] = {"translateToGPS",
                             "getWeatherInfo",
                             "getUpdateInfo",
                             "anonymousUserRegister",
                             "stationFuzzyQuery",
                             "getBusStationLines",
                             "getBusLineRoute",
                             "getBusLocation",
                             "translateToStation",
                             "getBusTransferRoute",
                             "getBusLineFuzzyQuery",
                             "getNearStationQuery",
                             "getChargeRecords",
                             "getConsumerRecords",
                             "getChargePoint",
                             "getChargePointArea",
                             "getBusAnnouncement",
                             "getLostAndFound",
                             "getSystemAnnouncement",
                             "getDateTime",
                             "userLogin",
                             "userRegister",
                             "userPasswordChange",
                             "getFavoriteList",
                             "AddFavorite",
                             "getPicWall",
                             "getScript",
                             "inquiryShop"};
    for (const char* action : backEnd)
        EXPECT_EQ(backEndActions().count(action), 1u) << action;
    EXPECT_EQ(backEndActions().size(), std::size(backEnd));
    EXPECT_EQ(interactionActions().size(), 2u);
    EXPECT_EQ(interactionActions().count("Execute_Interact_Add"), 1u);
    EXPECT_EQ(interactionActions().count("Execute_Interact_Ds"), 1u);
}

TEST_F(SoapProtocolTest, ProbesOfBothEndpointsAnswer) {
    httplib::Client client("127.0.0.1", server->port());
    for (const char* path : {"/service.asmx", "/TrafficService.asmx", "/InteractService.asmx"}) {
        auto response = client.Get(path);
        ASSERT_TRUE(response) << path;
        EXPECT_EQ(response->status, 200) << path;
    }
}

TEST_F(SoapProtocolTest, InteractionActionsLiveOnlyOnTheInteractionService) {
    SoapResult onMain = SoapTestClient(server->port()).call("Execute_Interact_Ds", {{"group", ""}});
    EXPECT_EQ(onMain.status, 500);
    SoapResult onInteract =
        SoapTestClient(server->port(), "/InteractService.asmx").call("getBusLineRoute", {{"busLine", "1"}});
    EXPECT_EQ(onInteract.status, 500);
}

TEST_F(SoapProtocolTest, RemembersWhatWasSentForTests) {
    server->clearReceivedRequests();
    call("getBusLocation",
         {{"lineNumber", "1"}, {"GPSNumber", "鼓楼"}, {"busCount", "3"}, {"lastStation", "清和园"}});
    call("getBusLineRoute", {{"busLine", "K1"}});
    SoapTestClient(server->port()).post("not xml", "x");
    httplib::Client("127.0.0.1", server->port())
        .Post("/OnlineMethod/Default.aspx", httplib::Params{{"userid", "A1"}, {"functionID", "getTime"}});

    auto all = server->receivedRequests();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].action, "getBusLocation");
    EXPECT_EQ(all[0].path, "/service.asmx");
    EXPECT_EQ(all[0].soapAction, "http://tansu.example.cn/getBusLocation");
    EXPECT_EQ(all[0].parameters.at("GPSNumber"), "鼓楼");
    EXPECT_EQ(all[0].parameters.size(), 4u);
    EXPECT_EQ(all[2].action, "");
    EXPECT_EQ(all[2].body, "not xml");
    EXPECT_EQ(all[3].action, "getTime");
    EXPECT_EQ(all[3].parameters.at("userid"), "A1");

    auto route = server->lastRequest("getBusLineRoute");
    ASSERT_TRUE(route);
    EXPECT_EQ(route->parameters.at("busLine"), "K1");
    EXPECT_FALSE(server->lastRequest("getPicWall"));
}

TEST(DemoServerEndpoints, OneEndpointOnlyLeavesTheOtherUnanswered) {
    DemoServerOptions options;
    options.endpoints = Endpoints::OfficialOnly;
    DemoServer server(options);
    ASSERT_TRUE(server.start()) << server.error();
    httplib::Client client("127.0.0.1", server.port());
    EXPECT_EQ(client.Get("/service.asmx")->status, 200);
    EXPECT_EQ(client.Get("/TrafficService.asmx")->status, 404);
    EXPECT_EQ(SoapTestClient(server.port(), "/TrafficService.asmx").call("getDateTime").status, 404);
}

TEST(DemoServerEndpoints, InjectedFaultsAndDelaysStillAnswer) {
    DemoServerOptions options;
    options.failRate = 1.0;
    options.delayMs = 50;
    DemoServer server(options);
    ASSERT_TRUE(server.start()) << server.error();
    auto started = std::chrono::steady_clock::now();
    SoapResult result = SoapTestClient(server.port()).call("getDateTime");
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(50));
    EXPECT_EQ(result.status, 503);
    EXPECT_FALSE(result.fragmentText);
}

TEST(DemoServerLifecycle, StopsAndReleasesThePort) {
    DemoServer server;
    ASSERT_TRUE(server.start()) << server.error();
    int port = server.port();
    EXPECT_GT(port, 0);
    EXPECT_EQ(SoapTestClient(port).call("getDateTime").status, 200);
    server.stop();
    server.stop();
    EXPECT_EQ(SoapTestClient(port).call("getDateTime").status, 0);
    EXPECT_FALSE(server.start()) << "a stopped server does not start again";
}

TEST(DemoServerLifecycle, WithoutAFixedClockTheServerKeepsRealTime) {
    DemoServer server;
    ASSERT_TRUE(server.start()) << server.error();
    SoapResult result = SoapTestClient(server.port()).call("getDateTime");
    ASSERT_TRUE(result.fragment);
    long long served = std::stoll(result.fragment->records[0]["systemTime"]);
    long long now = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    EXPECT_LT(std::llabs(now - served), 5000);
}

TEST(DemoServerLifecycle, ReportsAMissingDataFolder) {
    DemoServerOptions options;
    options.dataDir = "/nonexistent/tansu-data";
    DemoServer server(options);
    EXPECT_FALSE(server.start());
    EXPECT_NE(server.error().find("data folder"), std::string::npos) << server.error();
}

TEST(DemoServerLifecycle, ADatabaseFileKeepsAccountsBetweenRuns) {
    auto file = std::filesystem::temp_directory_path() / ("tansu-demo-" + std::to_string(::getpid()) + ".db");
    std::filesystem::remove(file);
    for (int run = 0; run < 2; ++run) {
        DemoServerOptions options;
        options.databaseFile = file.string();
        DemoServer server(options);
        ASSERT_TRUE(server.start()) << server.error();
        SoapResult result = SoapTestClient(server.port())
                                .call("userRegister", {{"uid", ""},
                                                       {"userName", "keeper"},
                                                       {"password", md5Hex("secret")},
                                                       {"Email", "k@example.com"},
                                                       {"mobile", ""},
                                                       {"ClientType", "ios"}});
        ASSERT_TRUE(result.fragment);
        EXPECT_EQ(result.fragment->code(), run == 0 ? "200" : "999") << "run " << run;
    }
    std::filesystem::remove(file);
}

TEST(SoapEnvelopeUnit, SoapActionHeaderRules) {
    EXPECT_TRUE(soapActionAgrees("http://tansu.example.cn/getBusLocation", "getBusLocation"));
    EXPECT_TRUE(soapActionAgrees("\"http://x/getBusLocation\"", "getBusLocation"));
    EXPECT_TRUE(soapActionAgrees("", "getBusLocation"));
    EXPECT_FALSE(soapActionAgrees("http://tansu.example.cn/xgetBusLocation", "getBusLocation"));
    EXPECT_FALSE(soapActionAgrees("http://tansu.example.cn/getBusLineRoute", "getBusLocation"));
}

TEST(SoapEnvelopeUnit, EscapesTextAndDropsControlCharacters) {
    EXPECT_EQ(xmlEscape("a<b>&\"c\"\x01"), "a&lt;b&gt;&amp;&quot;c&quot;");
}

TEST(SupportUnit, Md5OfKnownTexts) {
    EXPECT_EQ(md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(md5Hex("123456"), "e10adc3949ba59abbe56e057f20f883e");
    EXPECT_EQ(md5Hex(std::string(64, 'a')), "014842d480b571495a4a0363793f7367");
    EXPECT_EQ(md5Hex("中文"), "a7bac2239fcdcb3a067903d8077c4a07");
}

TEST(SupportUnit, CityTimeRoundTripsAndRefusesBadDates) {
    auto millis = parseCityTime("2026-12-11 08:30:00");
    ASSERT_TRUE(millis);
    EXPECT_EQ(*millis, 1796949000000LL); // 2026-12-11 00:30:00 UTC
    EXPECT_EQ(formatCityTime(*millis), "2026-12-11 08:30:00");
    EXPECT_EQ(formatCityTime(*parseCityTime("2024-02-29 23:59:59")), "2024-02-29 23:59:59");
    for (const char* bad :
         {"2026-02-29 10:00:00", "2026-12-11 24:00:00", "2026-12-11T08:30:00", "2026-12-11", ""})
        EXPECT_FALSE(parseCityTime(bad)) << bad;
}

} // namespace
} // namespace tansu::demo::test
