#include "DemoServer.h"

#include "Actions.h"
#include "Database.h"
#include "MapService.h"
#include "ScriptService.h"
#include "ServerClock.h"
#include "SoapEnvelope.h"
#include "Transit.h"

#include <httplib.h>
#include <libxml/parser.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <sstream>
#include <thread>

#ifndef TANSU_DEMO_DATA_DIR
#define TANSU_DEMO_DATA_DIR "server/data"
#endif

namespace tansu::demo {

std::string defaultDataDir() {
    return TANSU_DEMO_DATA_DIR;
}

struct DemoServer::Impl {
    DemoServerOptions options;
    httplib::Server http;
    std::thread thread;
    Database db;
    Transit transit;
    ServerClock clock;
    int port{-1};
    std::string error;
    std::atomic<std::size_t> soapRequests{0};
    mutable std::mutex receivedMutex;
    std::deque<ReceivedRequest> received;
    std::mutex faultMutex;
    std::mt19937 faultEngine;
    std::mutex logMutex;
    std::mutex stopMutex;
    std::condition_variable stopped;
    bool running{false};
    bool started{false};

    ServiceContext context(const httplib::Request& request) {
        std::string host = request.get_header_value("Host");
        if (host.empty())
            host = options.bindAddress + ":" + std::to_string(port);
        return ServiceContext{db, transit, clock, options.dataDir, "http://" + host};
    }

    void handleSoap(const std::map<std::string, ActionHandler>& actions, const httplib::Request& request,
                    httplib::Response& response) {
        ++soapRequests;
        ReceivedRequest received{request.path, request.get_header_value("SOAPAction"), "", {}, request.body};
        SoapRequest soap;
        try {
            soap = parseSoapRequest(request.body);
        } catch (const SoapFault& fault) {
            remember(std::move(received));
            answerFault(response, fault);
            return;
        }
        received.action = soap.action;
        received.parameters = soap.parameters;
        remember(std::move(received));
        response.set_header("X-Tansu-Action", soap.action);
        try {
            auto handler = actions.find(soap.action);
            if (handler == actions.end())
                throw SoapFault(SoapFault::Side::Client, "unknown action: " + soap.action);
            if (!soapActionAgrees(request.get_header_value("SOAPAction"), soap.action))
                throw SoapFault(SoapFault::Side::Client,
                                "the SOAPAction header does not name the action " + soap.action);
            ServiceContext ctx = context(request);
            Answer answer = handler->second(ctx, soap);
            std::string ns =
                soap.actionNamespace.empty() ? std::string(kServiceNamespace) : soap.actionNamespace;
            response.set_content(writeSoapAnswer(soap.action, ns, answer), "text/xml; charset=utf-8");
        } catch (const SoapFault& fault) {
            answerFault(response, fault);
        } catch (const std::exception& e) {
            logAlways("tansu-demo-server: error in " + soap.action + ": " + e.what());
            answerFault(response, SoapFault(SoapFault::Side::Server, "internal error"));
        }
    }

    static void answerFault(httplib::Response& response, const SoapFault& fault) {
        response.status = 500;
        response.set_content(writeSoapFault(fault.side(), fault.what()), "text/xml; charset=utf-8");
    }

    void remember(ReceivedRequest request) {
        std::lock_guard guard(receivedMutex);
        received.push_back(std::move(request));
        if (received.size() > 1000)
            received.pop_front();
    }

    void log(const std::string& line) {
        if (!options.logRequests)
            return;
        logAlways(line);
    }

    // Internal errors are faults of the server itself: they are reported even when requests are not logged.
    void logAlways(const std::string& line) {
        std::lock_guard guard(logMutex);
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
    }

    void routes();
};

namespace {

// When the request on this worker thread arrived: the routing hook and the
// logger of one request run on the same thread.
thread_local std::chrono::steady_clock::time_point requestStarted;

std::string probePage(const char* title, const std::map<std::string, ActionHandler>& actions) {
    std::string html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>";
    html += title;
    html += "</title></head><body><h1>";
    html += title;
    html += "</h1><p>SOAP 1.1, namespace ";
    html += kServiceNamespace;
    html += "</p><ul>";
    for (const auto& [name, handler] : actions)
        html += "<li>" + name + "</li>";
    return html + "</ul></body></html>";
}

bool readFile(const std::filesystem::path& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    content = text.str();
    return true;
}

// A printable sheet of the QR codes in the data folder, as posted at stations and in shops.
std::string qrCodePage(ServiceContext& context) {
    std::string html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>二维码</title></head><body>"
                       "<h1>站牌和商家二维码</h1>";
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(context.dataDir) / "qrcodes", ec))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::string code = file.stem().string();
        auto rows = context.db.query("SELECT name || '（站点 ' || code || '）' FROM station WHERE qrcode = ? "
                                     "UNION ALL SELECT name || '（商家）' FROM shop WHERE extr_code = ?",
                                     {code, code});
        html += "<figure style=\"display:inline-block;margin:12px\"><img src=\"/qrcodes/" +
                htmlEscape(file.filename().string()) + "\"><figcaption>" +
                htmlEscape(rows.empty() ? code : rows[0][0]) + "<br>" + htmlEscape(code) +
                "</figcaption></figure>";
    }
    return html + "</body></html>";
}

} // namespace

void DemoServer::Impl::routes() {
    auto soapRoute = [this](const std::map<std::string, ActionHandler>& actions) {
        return [this, &actions](const httplib::Request& request, httplib::Response& response) {
            handleSoap(actions, request, response);
        };
    };
    auto probe = [](const char* title, const std::map<std::string, ActionHandler>& actions) {
        std::string page = probePage(title, actions);
        return [page](const httplib::Request&, httplib::Response& response) {
            response.set_content(page, "text/html; charset=utf-8");
        };
    };
    if (options.endpoints != Endpoints::BackupOnly) {
        http.Post("/service.asmx", soapRoute(backEndActions()));
        http.Get("/service.asmx", probe("Tansu 公交服务（主服务器）", backEndActions()));
    }
    if (options.endpoints != Endpoints::OfficialOnly) {
        http.Post("/TrafficService.asmx", soapRoute(backEndActions()));
        http.Get("/TrafficService.asmx", probe("Tansu 公交服务（备用服务器）", backEndActions()));
    }
    http.Post("/InteractService.asmx", soapRoute(interactionActions()));
    http.Get("/InteractService.asmx", probe("Tansu 互动服务", interactionActions()));

    http.Post("/OnlineMethod/Default.aspx",
              [this](const httplib::Request& request, httplib::Response& response) {
                  std::map<std::string, std::string> form;
                  for (const auto& [key, value] : request.params)
                      form.emplace(key, value);
                  remember(ReceivedRequest{request.path, "", form["functionID"], form, request.body});
                  ServiceContext ctx = context(request);
                  try {
                      response.set_header("X-Tansu-Action", "script:" + form["functionID"]);
                      response.set_content(runScriptFunction(ctx, form), "text/plain; charset=utf-8");
                  } catch (const std::exception& e) {
                      logAlways(std::string("tansu-demo-server: error in the script service: ") + e.what());
                      response.status = 500;
                      response.set_content("服务器内部错误", "text/plain; charset=utf-8");
                  }
              });
    http.Get("/maps", [this](const httplib::Request& request, httplib::Response& response) {
        ServiceContext ctx = context(request);
        response.set_content(mapPageHtml(ctx, request.get_param_value("q")), "text/html; charset=utf-8");
    });
    http.Get("/place/search", [this](const httplib::Request& request, httplib::Response& response) {
        ServiceContext ctx = context(request);
        int page = 0;
        try {
            page = std::stoi(request.get_param_value("page"));
        } catch (const std::exception&) {
        }
        response.set_content(
            placeSearchJson(ctx, request.get_param_value("city"), request.get_param_value("keyword"), page),
            "application/json; charset=utf-8");
    });
    http.Get("/qrcodes", [this](const httplib::Request& request, httplib::Response& response) {
        ServiceContext ctx = context(request);
        response.set_content(qrCodePage(ctx), "text/html; charset=utf-8");
    });
    http.Get(R"(/(icons|pics|qrcodes)/([A-Za-z0-9_][A-Za-z0-9_.\-]*))",
             [this](const httplib::Request& request, httplib::Response& response) {
                 std::string content;
                 auto path = std::filesystem::path(options.dataDir) / request.matches[1].str() /
                             request.matches[2].str();
                 if (!readFile(path, content)) {
                     response.status = 404;
                     return;
                 }
                 response.set_content(content,
                                      path.extension() == ".png" ? "image/png" : "application/octet-stream");
             });

    http.set_pre_routing_handler([this](const httplib::Request&, httplib::Response& response) {
        requestStarted = std::chrono::steady_clock::now();
        if (options.delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(options.delayMs));
        if (options.failRate <= 0)
            return httplib::Server::HandlerResponse::Unhandled;
        bool fail = false;
        {
            std::lock_guard guard(faultMutex);
            fail = std::bernoulli_distribution(std::min(1.0, options.failRate))(faultEngine);
        }
        if (!fail)
            return httplib::Server::HandlerResponse::Unhandled;
        response.status = 503;
        response.set_header("X-Tansu-Action", "injected-fault");
        response.set_content(writeSoapFault(SoapFault::Side::Server, "服务器忙，请稍后再试"),
                             "text/xml; charset=utf-8");
        return httplib::Server::HandlerResponse::Handled;
    });
    http.set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        if (!options.logRequests)
            return;
        std::string action = response.get_header_value("X-Tansu-Action");
        char took[32];
        std::snprintf(
            took, sizeof took, " %.1fms",
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - requestStarted)
                .count());
        log(formatCityTime(clock.nowMillis()) + " " + request.remote_addr + " " + request.method + " " +
            request.path + (action.empty() ? "" : " " + action) + " " + std::to_string(response.status) +
            " " + std::to_string(response.body.size()) + "B" + took);
    });
    http.set_payload_max_length(kMaxEnvelopeBytes * 4);
    // Headers and body go out in separate writes; without this, Nagle's
    // algorithm and the peer's delayed acknowledgement add 40 ms to each answer.
    http.set_tcp_nodelay(true);
    // A position screen asks every 30 s and a rider opens several screens: keep a
    // connection for more than the library's default of five requests.
    http.set_keep_alive_max_count(100);
    // Keep-alive connections hold a worker each; leave room for the client's
    // probes, its requests and its picture downloads at once.
    http.new_task_queue = [] { return new httplib::ThreadPool(24); };
}

DemoServer::DemoServer(DemoServerOptions options) : m(std::make_unique<Impl>()) {
    m->options = std::move(options);
    m->faultEngine.seed(m->options.seed);
}

DemoServer::~DemoServer() {
    stop();
}

bool DemoServer::start() {
    static std::once_flag xmlInit;
    std::call_once(xmlInit, [] { xmlInitParser(); });
    // One server object serves once: its database and routes are made for that run.
    if (m->started) {
        m->error = "already started";
        return false;
    }
    m->started = true;
    if (!m->options.clock.empty()) {
        auto fixed = parseCityTime(m->options.clock);
        if (!fixed) {
            m->error = "the clock must read yyyy-MM-dd HH:mm:ss: " + m->options.clock;
            return false;
        }
        m->clock.fix(*fixed);
    }
    if (!m->db.open(m->options.databaseFile, m->options.dataDir, m->error))
        return false;
    try {
        m->transit.load(m->db);
    } catch (const std::exception& e) {
        m->error = std::string("cannot load the line network: ") + e.what();
        return false;
    }
    m->routes();
    if (m->options.port == 0) {
        m->port = m->http.bind_to_any_port(m->options.bindAddress);
    } else {
        m->port = m->http.bind_to_port(m->options.bindAddress, m->options.port) ? m->options.port : -1;
    }
    if (m->port <= 0) {
        m->error = "cannot listen on " + m->options.bindAddress + ":" + std::to_string(m->options.port);
        return false;
    }
    {
        std::lock_guard guard(m->stopMutex);
        m->running = true;
    }
    m->thread = std::thread([this] {
        m->http.listen_after_bind();
        std::lock_guard guard(m->stopMutex);
        m->running = false;
        m->stopped.notify_all();
    });
    // Answer only once the server accepts, so a caller may connect at once.
    for (int i = 0; i < 500 && !m->http.is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return true;
}

void DemoServer::stop() {
    if (!m->thread.joinable())
        return;
    // listen_after_bind() may not have started its loop yet; stop until it has ended.
    while (true) {
        m->http.stop();
        std::unique_lock lock(m->stopMutex);
        if (m->stopped.wait_for(lock, std::chrono::milliseconds(20), [this] { return !m->running; }))
            break;
    }
    m->thread.join();
}

void DemoServer::wait() {
    std::unique_lock lock(m->stopMutex);
    m->stopped.wait(lock, [this] { return !m->running; });
}

bool DemoServer::isRunning() const {
    return m->http.is_running();
}
int DemoServer::port() const {
    return m->port;
}
std::string DemoServer::baseUrl() const {
    return "http://" + m->options.bindAddress + ":" + std::to_string(m->port);
}
const std::string& DemoServer::error() const {
    return m->error;
}

bool DemoServer::setClock(const std::string& cityTime) {
    auto fixed = parseCityTime(cityTime);
    if (!fixed)
        return false;
    m->clock.fix(*fixed);
    return true;
}

void DemoServer::advanceClock(std::chrono::milliseconds by) {
    m->clock.advance(by.count());
}
long long DemoServer::nowMillis() const {
    return m->clock.nowMillis();
}
std::vector<ReceivedRequest> DemoServer::receivedRequests() const {
    std::lock_guard guard(m->receivedMutex);
    return {m->received.begin(), m->received.end()};
}

std::optional<ReceivedRequest> DemoServer::lastRequest(const std::string& action) const {
    std::lock_guard guard(m->receivedMutex);
    for (auto it = m->received.rbegin(); it != m->received.rend(); ++it) {
        if (it->action == action)
            return *it;
    }
    return std::nullopt;
}

void DemoServer::clearReceivedRequests() {
    std::lock_guard guard(m->receivedMutex);
    m->received.clear();
}

std::size_t DemoServer::soapRequestCount() const {
    return m->soapRequests.load();
}

} // namespace tansu::demo
