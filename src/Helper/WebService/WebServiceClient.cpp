#include "Helper/WebService/WebServiceClient.h"

#include "Helper/Common/AppConfig.h"
#include "Helper/Common/MyHelper.h"
#include "Helper/WebService/WebURL.h"
#include "platform/Http.h"
#include "platform/Log.h"
#include "platform/ui/ProgressOverlay.h"
#include "platform/ui/View.h"

WebServiceClient::WebServiceClient(WebServiceDelegate* delegate, std::shared_ptr<platform::ui::View> view,
                                   std::string url, int tag)
    : delegate(delegate), m_delegateLife(delegate ? delegate->lifeToken() : std::weak_ptr<const int>()),
      m_view(std::move(view)), m_tag(tag), m_serverUrl(std::move(url)),
      m_serverXmlns(AppConfig::shared().serviceNamespace) {}

WebServiceClient::~WebServiceClient() {
    if (m_request)
        m_request->detach();
}

std::shared_ptr<WebServiceClient> WebServiceClient::make(WebServiceDelegate* delegate,
                                                         std::shared_ptr<platform::ui::View> view,
                                                         std::string url, int tag) {
    return std::shared_ptr<WebServiceClient>(
        new WebServiceClient(delegate, std::move(view), std::move(url), tag));
}

std::shared_ptr<WebServiceClient>
WebServiceClient::initWithDelegateView(WebServiceDelegate* delegate,
                                       std::shared_ptr<platform::ui::View> view) {
    auto url = WebURLString();
    if (url.empty()) {
        MyHelper::showAlertMessage("欢迎使用Tansu", "服务器无法响应");
        return nullptr;
    }
    return make(delegate, std::move(view), url, 0);
}

std::shared_ptr<WebServiceClient>
WebServiceClient::initWithTagViewTag(WebServiceDelegate* delegate, std::shared_ptr<platform::ui::View> view,
                                     int tag) {
    auto url = WebURLString();
    if (url.empty()) {
        MyHelper::showAlertMessage("欢迎使用Tansu", "选择服务器中，请稍等！");
        return nullptr;
    }
    return make(delegate, std::move(view), url, tag);
}

std::shared_ptr<WebServiceClient> WebServiceClient::initWithDelegateAndURLViewURL(
    WebServiceDelegate* delegate, std::shared_ptr<platform::ui::View> view, const std::string& url) {
    return make(delegate, std::move(view), url, 0);
}

std::shared_ptr<WebServiceClient> WebServiceClient::initWithDelegateAndURLViewURLtag(
    WebServiceDelegate* delegate, std::shared_ptr<platform::ui::View> view, const std::string& url, int tag) {
    return make(delegate, std::move(view), url, tag);
}

void WebServiceClient::startWithActionKeyAndParameters(const std::string& action,
                                                       const SoapParameters& parameters) {
    if (m_request)
        return; // a client is started once
    m_action = action;
    platform::HttpRequestSpec spec;
    spec.method = "POST";
    spec.url = m_serverUrl;
    spec.headers = soapHeaders(m_serverXmlns, action);
    spec.body = buildSoapEnvelope(m_serverXmlns, action, parameters);
    // The callbacks hold the client until it has reported; then the request is
    // dropped, which breaks the cycle.
    auto self = shared_from_this();
    platform::HttpRequest::Callbacks callbacks;
    callbacks.started = [self] { self->requestStarted(); };
    callbacks.finished = [self](const platform::HttpResponse& r) {
        self->requestFinished(r.body);
        self->m_request.reset();
    };
    callbacks.failed = [self](const platform::HttpResponse& r) {
        self->requestFailed(r.status, r.body);
        self->m_request.reset();
    };
    m_request = platform::HttpRequest::create(std::move(spec), std::move(callbacks));
    m_request->start();
}

void WebServiceClient::detach() {
    delegate = nullptr;
    m_delegateLife.reset();
}

WebServiceDelegate* WebServiceClient::liveDelegate() const {
    if (!delegate || m_delegateLife.expired())
        return nullptr;
    return delegate;
}

void WebServiceClient::requestStarted() {
    platform::log("requestStarted!!!!!");
    if (m_view && m_tag != kSilentTag) {
        platform::ui::ProgressOverlay::show(*m_view, true);
        m_overlayShown = true;
    }
}

void WebServiceClient::hideOverlay() {
    if (!m_view)
        return;
    // A silent request shows no overlay, but its end still hides the view's one.
    platform::ui::ProgressOverlay::hide(*m_view, true);
    m_overlayShown = false;
}

void WebServiceClient::requestFinished(const std::string& body) {
    platform::log("requestFinished!!!!!");
    hideOverlay();
    auto fragment = cutSoapFragment(body);
    if (fragment.outcome == FragmentOutcome::NoFragment) {
        if (auto* d = liveDelegate(); d && d->respondsToDoWithSuccess())
            d->doWithSuccess(std::nullopt);
        return;
    }
    if (auto* d = liveDelegate(); d && d->respondsToDoWithSuccess())
        d->doWithSuccess(fragment.text);
    // The untagged call may have destroyed the delegate: look again.
    if (auto* d = liveDelegate(); d && d->respondsToDoWithSuccessTag())
        d->doWithSuccessTag(fragment.text, m_tag);
}

void WebServiceClient::requestFailed(int status, const std::string& body) {
    platform::log("requestFailed!!!!!!");
    hideOverlay();
    if (auto* d = liveDelegate())
        d->doWithError(std::to_string(status) + ":" + body);
}

std::string WebServiceClient::getSoapRequestParameters(const std::string& action,
                                                       const SoapParameters& parameters) {
    return buildSoapEnvelope(AppConfig::shared().serviceNamespace, action, parameters);
}

std::optional<std::string> WebServiceClient::getSoapResult(const std::string& responseBytes) {
    return extractSoapFragment(responseBytes);
}

std::optional<std::string> WebServiceClient::runSoapActionParameters(const std::string& action,
                                                                     const SoapParameters& parameters) {
    auto url = WebURLString();
    if (url.empty())
        return std::nullopt;
    const auto& ns = AppConfig::shared().serviceNamespace;
    platform::HttpRequestSpec spec;
    spec.method = "POST";
    spec.url = url;
    spec.headers = soapHeaders(ns, action);
    spec.body = buildSoapEnvelope(ns, action, parameters);
    auto response = platform::httpSendBlocking(spec);
    if (!response.finished || response.status != 200)
        return std::nullopt;
    return getSoapResult(response.body);
}
