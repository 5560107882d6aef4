// Load of the demo back end: "getBusLocation" requests per second on loopback
// with 8 concurrent clients, each on its own keep-alive connection, the way
// riders' position screens refresh. The server runs in-process with a fixed
// clock, so every request computes the same vehicles.
//
// The peer is a bare cpp-httplib server that answers every POST with a fixed
// text of the same size: the ratio of the two is what parsing the envelope,
// finding the vehicles and writing the answer cost on top of HTTP itself.
#include "DemoServer.h"

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <cstdio>
#include <memory>
#include <string>
#include <thread>

namespace {

tansu::demo::DemoServer& sharedServer() {
    static std::unique_ptr<tansu::demo::DemoServer> server = [] {
        tansu::demo::DemoServerOptions options;
        options.clock = "2026-12-11 08:30:00";
        auto made = std::make_unique<tansu::demo::DemoServer>(options);
        if (!made->start()) {
            std::fprintf(stderr, "cannot start the demo back end: %s\n", made->error().c_str());
            std::abort();
        }
        return made;
    }();
    return *server;
}

const std::string kEnvelope =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<soap:Envelope xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
    "<soap:Body><getBusLocation xmlns=\"http://tansu.example.cn/\"><lineNumber>1</lineNumber>"
    "<GPSNumber>清和园</GPSNumber><busCount>3</busCount><lastStation>清和园</lastStation>"
    "</getBusLocation></soap:Body></soap:Envelope>\n";

// The answer of the demo back end, recorded once and sent back unchanged by the peer.
const std::string& recordedAnswer() {
    static const std::string answer = [] {
        httplib::Client client("127.0.0.1", sharedServer().port());
        auto response =
            client.Post("/service.asmx", {{"SOAPAction", "http://tansu.example.cn/getBusLocation"}},
                        kEnvelope, "text/xml; charset=utf-8");
        return response ? response->body : std::string();
    }();
    return answer;
}

struct Peer {
    httplib::Server http;
    std::thread thread;
    int port{0};

    ~Peer() {
        http.stop();
        if (thread.joinable())
            thread.join();
    }
};

Peer& sharedPeer() {
    static std::unique_ptr<Peer> peer = [] {
        auto made = std::make_unique<Peer>();
        made->http.set_tcp_nodelay(true);
        made->http.set_keep_alive_max_count(100);
        made->http.new_task_queue = [] { return new httplib::ThreadPool(24); };
        made->http.Post("/service.asmx", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(recordedAnswer(), "text/xml; charset=utf-8");
        });
        made->port = made->http.bind_to_any_port("127.0.0.1");
        made->thread = std::thread([raw = made.get()] { raw->http.listen_after_bind(); });
        while (!made->http.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return made;
    }();
    return *peer;
}

void postLocations(benchmark::State& state, int port) {
    httplib::Client client("127.0.0.1", port);
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);
    httplib::Headers headers = {{"SOAPAction", "http://tansu.example.cn/getBusLocation"}};
    for (auto _ : state) {
        auto response = client.Post("/service.asmx", headers, kEnvelope, "text/xml; charset=utf-8");
        if (!response || response->status != 200 ||
            response->body.find("<distance>1,5,8</distance>") == std::string::npos) {
            state.SkipWithError("unexpected answer");
            break;
        }
        benchmark::DoNotOptimize(response->body.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_GetBusLocation(benchmark::State& state) {
    postLocations(state, sharedServer().port());
}

void BM_FixedAnswerPeer(benchmark::State& state) {
    recordedAnswer();
    postLocations(state, sharedPeer().port);
}

} // namespace

BENCHMARK(BM_GetBusLocation)->Threads(1)->Threads(8)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_FixedAnswerPeer)->Threads(8)->UseRealTime()->MinTime(2.0);

BENCHMARK_MAIN();
