// A small HTTP server on a free loopback port for tests, on its own thread.
//
//   LocalHttpServer server;
//   server.http().Get("/x", [](auto&, auto& res) { res.set_content("ok", "text/plain"); });
//   server.start();
//   auto url = server.url("/x");
#pragma once

#include <httplib.h>

#include <chrono>
#include <string>
#include <thread>

class LocalHttpServer {
public:
    // One request per connection, so stop() never waits for an idle keep-alive.
    LocalHttpServer() { m_server.set_keep_alive_max_count(1); }
    ~LocalHttpServer() { stop(); }

    httplib::Server& http() { return m_server; }

    void start()
    {
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        while (!m_server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    void stop()
    {
        if (m_thread.joinable()) {
            m_server.stop();
            m_thread.join();
        }
    }

    int port() const { return m_port; }
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(m_port) + path; }

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port { 0 };
};
