// One asynchronous SOAP request: builds the envelope, posts it with the two
// headers, shows the progress overlay over a view while it runs, cuts the
// result fragment out of the answer and reports to its delegate on the main
// thread. The class operations do the same synchronously for worker threads.
//
//   auto client = WebServiceClient::initWithDelegateView(this, view());
//   if (client) client->startWithActionKeyAndParameters("getBusLineRoute", {{"busLine", "1"}});
//
// A client is never reused and keeps itself alive until it has reported. A
// delegate that is destroyed first is never called: the client holds only a
// weak token of it.
#pragma once

#include "Helper/WebService/SoapEnvelope.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {
class HttpRequest;
}
namespace platform::ui {
class View;
}

class WebServiceDelegate {
public:
    virtual ~WebServiceDelegate() = default;

    virtual void doWithSuccess(const std::optional<std::string>& /*fragment*/) {}
    virtual void doWithSuccessTag(const std::optional<std::string>& /*fragment*/, int /*tag*/) {}
    virtual void doWithError(const std::string& /*error*/) {}

    // Whether the delegate implements each success operation; most implement
    // the untagged one only.
    virtual bool respondsToDoWithSuccess() const { return true; }
    virtual bool respondsToDoWithSuccessTag() const { return false; }

    // Expires when the delegate is destroyed.
    std::weak_ptr<const int> lifeToken() const { return m_life; }

private:
    std::shared_ptr<const int> m_life{std::make_shared<const int>(0)};
};

class WebServiceClient : public std::enable_shared_from_this<WebServiceClient> {
public:
    // The tag that makes a request silent: no progress overlay.
    static constexpr int kSilentTag = 999;

    // Post to WebURLString. Before a server is chosen they show their alert and yield none.
    static std::shared_ptr<WebServiceClient> initWithDelegateView(WebServiceDelegate* delegate,
                                                                  std::shared_ptr<platform::ui::View> view);
    static std::shared_ptr<WebServiceClient>
    initWithTagViewTag(WebServiceDelegate* delegate, std::shared_ptr<platform::ui::View> view, int tag);
    // Post to the given URL.
    static std::shared_ptr<WebServiceClient>
    initWithDelegateAndURLViewURL(WebServiceDelegate* delegate, std::shared_ptr<platform::ui::View> view,
                                  const std::string& url);
    static std::shared_ptr<WebServiceClient>
    initWithDelegateAndURLViewURLtag(WebServiceDelegate* delegate, std::shared_ptr<platform::ui::View> view,
                                     const std::string& url, int tag);

    ~WebServiceClient();
    WebServiceClient(const WebServiceClient&) = delete;
    WebServiceClient& operator=(const WebServiceClient&) = delete;

    // Builds the envelope and starts the request; returns at once.
    void startWithActionKeyAndParameters(const std::string& action, const SoapParameters& parameters = {});

    // The delegate goes away: the client will call nothing more.
    void detach();

    const std::string& action() const { return m_action; }
    int tag() const { return m_tag; }
    const std::string& serverUrl() const { return m_serverUrl; }

    // --- synchronous class operations -----------------------------------------
    static std::string getSoapRequestParameters(const std::string& action,
                                                const SoapParameters& parameters = {});
    static std::optional<std::string> getSoapResult(const std::string& responseBytes);
    // Blocks the calling thread; none unless the status is exactly 200 and a fragment is found.
    static std::optional<std::string> runSoapActionParameters(const std::string& action,
                                                              const SoapParameters& parameters = {});

private:
    WebServiceClient(WebServiceDelegate* delegate, std::shared_ptr<platform::ui::View> view, std::string url,
                     int tag);
    static std::shared_ptr<WebServiceClient>
    make(WebServiceDelegate* delegate, std::shared_ptr<platform::ui::View> view, std::string url, int tag);
    WebServiceDelegate* liveDelegate() const;
    void requestStarted();
    void requestFinished(const std::string& body);
    void requestFailed(int status, const std::string& body);
    void hideOverlay();

    std::string m_action;
    std::shared_ptr<platform::HttpRequest> m_request;
    WebServiceDelegate* delegate{nullptr};
    std::weak_ptr<const int> m_delegateLife;
    std::shared_ptr<platform::ui::View> m_view;
    int m_tag{0};
    std::string m_serverUrl;
    std::string m_serverXmlns;
    bool m_overlayShown{false};
};
