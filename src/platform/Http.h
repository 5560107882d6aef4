// The HTTP client: asynchronous requests whose started / finished / failed
// callbacks arrive on the main thread, and blocking requests for workers.
//
// Any HTTP response, whatever its status, is "finished"; only no response at
// all (refused connection, time-out, cancellation) is "failed", with status 0.
//
//   auto request = platform::HttpRequest::create({.method = "GET", .url = url}, callbacks);
//   request->start();
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

using HttpFields = std::vector<std::pair<std::string, std::string>>;

struct HttpRequestSpec {
    std::string method { "GET" };
    std::string url;
    HttpFields headers;       // sent in this order
    std::string body;         // raw body (POST)
    HttpFields formFields;    // URL-encoded form body when not empty (POST)
    std::string downloadPath; // when set, a finished body is also written to this file
    double timeoutSeconds { -1 }; // < 0: the standard time-out
};

struct HttpResponse {
    bool finished { false }; // a response arrived
    int status { 0 };        // 0 when nothing arrived
    std::string body;
    std::string errorText;   // why it failed, for the log
};

// The standard time-out (10 s). Tests may shorten it.
double httpDefaultTimeout();
void setHttpDefaultTimeout(double seconds);

class HttpRequest : public std::enable_shared_from_this<HttpRequest> {
public:
    struct Callbacks {
        std::function<void()> started;
        std::function<void(const HttpResponse&)> finished;
        std::function<void(const HttpResponse&)> failed;
    };

    static std::shared_ptr<HttpRequest> create(HttpRequestSpec spec, Callbacks callbacks);
    ~HttpRequest();

    // Starts the request; callable from any thread. The request keeps itself
    // alive until it has reported.
    void start();
    // A running request reports failed, once. Safe to call at any time.
    void cancel();
    // The request will call nothing more; for owners that go away first.
    void detach();

    const HttpRequestSpec& spec() const { return m_spec; }

    struct Impl;

private:
    HttpRequest(HttpRequestSpec spec, Callbacks callbacks);
    HttpRequestSpec m_spec;
    std::unique_ptr<Impl> m_impl;
};

// Sends a request and waits for its outcome; for worker threads (on the main
// thread it runs a nested loop).
HttpResponse httpSendBlocking(const HttpRequestSpec& spec);

// Closes the kept-alive connections of the main thread's requests (tests stop
// their servers without waiting for idle connections to time out).
void httpCloseIdleConnections();

// "a=1&b=%E4%B8%AD": form encoding as browsers send it.
std::string urlEncodeForm(const HttpFields& fields);
std::string urlEncode(const std::string& text);

} // namespace platform
