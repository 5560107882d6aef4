// DemoServer: the demo back end of Tansu as an object, for the command
// `tansu-demo-server` and for tests that want a real peer in-process.
//
// It serves, on one port:
//   POST /service.asmx, /TrafficService.asmx   the back-end SOAP actions (official, backup)
//   GET  /service.asmx, /TrafficService.asmx   the server probes (an HTML page, status 200)
//   POST /InteractService.asmx                 the interaction service (feedback)
//   POST /OnlineMethod/Default.aspx            the script service (URL-encoded form, text reply)
//   GET  /maps?hl=zh&mrt=loc&q=…               the web map page
//   GET  /place/search?city=…&keyword=…&page=0 the place search of the map component (JSON)
//   GET  /icons/NAME, /pics/NAME               weather icons and shop pictures
//   GET  /qrcodes, /qrcodes/CODE.png           QR codes of some stations and every shop
//                                              ("http://t.cn/q/" followed by the 12-character code)
//
// A test starts its own server on a free loopback port with a fixed clock:
//
//     tansu::demo::DemoServerOptions options;
//     options.clock = "2026-12-11 08:30:00";        // city time, frozen until moved
//     tansu::demo::DemoServer server(options);
//     ASSERT_TRUE(server.start()) << server.error();
//     client.setServer(server.officialUrl());        // "http://127.0.0.1:PORT/service.asmx"
//     server.advanceClock(std::chrono::seconds(30)); // vehicles move on
//     auto sent = server.lastRequest("getBusLocation"); // what the screen sent
//     EXPECT_EQ(sent->parameters.at("busCount"), "3");
//
// Every server has its own in-memory database made from the seed files of the
// data folder, so tests never see each other's accounts or favourites. The
// destructor stops the server. Link the target `tansu_demo_server_lib`.
//
// The service namespace of the actions is kServiceNamespace
// ("http://tansu.example.cn/"); requests in another namespace are answered in theirs.
#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tansu::demo {

enum class Endpoints {
    Both,
    OfficialOnly, // "/TrafficService.asmx" answers 404
    BackupOnly,   // "/service.asmx" answers 404
};

// The seed data folder of the source tree, compiled in.
std::string defaultDataDir();

struct DemoServerOptions {
    std::string bindAddress{"127.0.0.1"};
    int port{0}; // 0: a free port, see DemoServer::port()
    std::string dataDir{defaultDataDir()};
    std::string databaseFile{":memory:"}; // a file keeps accounts between runs
    // Empty: the real time. Otherwise the city's local time "yyyy-MM-dd HH:mm:ss",
    // at which the clock stands still until setClock() or advanceClock().
    std::string clock;
    int delayMs{0};     // added before every answer
    double failRate{0}; // share of requests answered with HTTP 503 and a SOAP fault
    unsigned seed{1};   // of the fault injection
    Endpoints endpoints{Endpoints::Both};
    bool logRequests{false}; // one line per request on standard error
};

// A request as the server received it, for tests that check what a screen sent.
struct ReceivedRequest {
    std::string path;                              // "/service.asmx", "/OnlineMethod/Default.aspx", …
    std::string soapAction;                        // the "SOAPAction" header; empty for the script service
    std::string action;                            // the action element, or the script service's "functionID"
    std::map<std::string, std::string> parameters; // the action's elements, or the form fields
    std::string body;                              // the request body as it arrived
};

class DemoServer {
public:
    explicit DemoServer(DemoServerOptions options = {});
    ~DemoServer();
    DemoServer(const DemoServer&) = delete;
    DemoServer& operator=(const DemoServer&) = delete;

    // Loads the city, binds and starts serving on a background thread. Answers
    // false, with error(), when the data, the database or the port fails.
    // A server starts once; make a new object to serve again.
    bool start();
    // Stops serving and joins the thread; safe to call more than once.
    void stop();
    // Blocks until stop() is called from another thread.
    void wait();
    bool isRunning() const;

    int port() const;
    std::string baseUrl() const; // "http://127.0.0.1:PORT"
    std::string officialUrl() const { return baseUrl() + "/service.asmx"; }
    std::string backupUrl() const { return baseUrl() + "/TrafficService.asmx"; }
    std::string interactionUrl() const { return baseUrl() + "/InteractService.asmx"; }
    std::string scriptServiceUrl() const { return baseUrl() + "/OnlineMethod/Default.aspx"; }
    const std::string& error() const;

    // The clock: fix it at a city time (false for a malformed text), or move it.
    bool setClock(const std::string& cityTime);
    void advanceClock(std::chrono::milliseconds by);
    long long nowMillis() const;

    // SOAP requests answered so far (faults included), for tests.
    std::size_t soapRequestCount() const;

    // The SOAP and script-service requests received so far, oldest first (the
    // last 1000 are kept); those that did not parse have an empty action.
    std::vector<ReceivedRequest> receivedRequests() const;
    // The latest request for an action, or none.
    std::optional<ReceivedRequest> lastRequest(const std::string& action) const;
    void clearReceivedRequests();

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace tansu::demo
