// Load of the demo back end: "getBusLocation" requests per second on loopback
// with 8 concurrent clients, each on its own keep-alive connection, the way
// riders' position screens refresh. The server runs in-process with a fixed
// clock, so every request computes the same vehicles.
#include "DemoServer.h"

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <cstdio>
#include <memory>
#include <string>

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

void BM_GetBusLocation(benchmark::State& state) {
    int port = sharedServer().port();
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

} // namespace

BENCHMARK(BM_GetBusLocation)->Threads(1)->Threads(8)->UseRealTime()->MinTime(2.0);

BENCHMARK_MAIN();
