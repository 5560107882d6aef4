#include "platform/Http.h"

#include "platform/RunLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSaveFile>
#include <QThread>
#include <QUrl>

#include <atomic>
#include <mutex>

namespace platform {

namespace {

std::atomic<double> g_defaultTimeout { 10.0 };

QNetworkAccessManager& mainManager()
{
    static QNetworkAccessManager* manager = [] {
        auto* m = new QNetworkAccessManager(QCoreApplication::instance());
        m->setAutoDeleteReplies(false);
        return m;
    }();
    return *manager;
}

QNetworkRequest makeRequest(const HttpRequestSpec& spec)
{
    QNetworkRequest request(QUrl(QString::fromStdString(spec.url)));
    for (auto& [name, value] : spec.headers)
        request.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    if (!spec.formFields.empty() && !request.hasRawHeader("Content-Type"))
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    double timeout = spec.timeoutSeconds < 0 ? g_defaultTimeout.load() : spec.timeoutSeconds;
    request.setTransferTimeout(static_cast<int>(timeout * 1000.0));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    return request;
}

QByteArray requestBody(const HttpRequestSpec& spec)
{
    if (!spec.formFields.empty())
        return QByteArray::fromStdString(urlEncodeForm(spec.formFields));
    return QByteArray::fromStdString(spec.body);
}

QNetworkReply* send(QNetworkAccessManager& manager, const HttpRequestSpec& spec)
{
    auto request = makeRequest(spec);
    if (spec.method == "GET")
        return manager.get(request);
    if (spec.method == "POST")
        return manager.post(request, requestBody(spec));
    return manager.sendCustomRequest(request, QByteArray::fromStdString(spec.method), requestBody(spec));
}

HttpResponse readReply(QNetworkReply* reply, const HttpRequestSpec& spec)
{
    HttpResponse response;
    QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    response.body = reply->readAll().toStdString();
    if (status.isValid() && status.toInt() > 0) {
        response.finished = true;
        response.status = status.toInt();
        if (!spec.downloadPath.empty()) {
            QSaveFile file(QString::fromStdString(spec.downloadPath));
            if (file.open(QIODevice::WriteOnly)) {
                file.write(QByteArray::fromStdString(response.body));
                file.commit();
            }
        }
        return response;
    }
    response.errorText = reply->errorString().toStdString();
    return response;
}

} // namespace

double httpDefaultTimeout()
{
    return g_defaultTimeout;
}

void setHttpDefaultTimeout(double seconds)
{
    g_defaultTimeout = seconds;
}

struct HttpRequest::Impl {
    Callbacks callbacks;
    QPointer<QNetworkReply> reply;
    std::shared_ptr<HttpRequest> keepAlive; // held while running
    bool started { false };
    bool reported { false };
    bool cancelRequested { false };
};

std::shared_ptr<HttpRequest> HttpRequest::create(HttpRequestSpec spec, Callbacks callbacks)
{
    return std::shared_ptr<HttpRequest>(new HttpRequest(std::move(spec), std::move(callbacks)));
}

HttpRequest::HttpRequest(HttpRequestSpec spec, Callbacks callbacks)
    : m_spec(std::move(spec))
    , m_impl(std::make_unique<Impl>())
{
    m_impl->callbacks = std::move(callbacks);
}

HttpRequest::~HttpRequest()
{
    if (m_impl->reply) {
        m_impl->reply->disconnect();
        m_impl->reply->abort();
        m_impl->reply->deleteLater();
    }
}

void HttpRequest::start()
{
    auto self = shared_from_this();
    performOnMain([self] {
        auto& impl = *self->m_impl;
        if (impl.started)
            return;
        impl.started = true;
        impl.keepAlive = self;
        if (auto cb = impl.callbacks.started)
            cb(); // a copy: the owner may detach from inside its callback
        if (impl.cancelRequested || impl.reported) {
            // cancelled before it went out: report once, send nothing
            if (!impl.reported) {
                impl.reported = true;
                HttpResponse response;
                response.errorText = "cancelled";
                if (auto cb = impl.callbacks.failed)
                    cb(response);
            }
            impl.keepAlive.reset();
            return;
        }
        QNetworkReply* reply = send(mainManager(), self->m_spec);
        impl.reply = reply;
        QObject::connect(reply, &QNetworkReply::finished, reply, [raw = self.get(), reply] {
            auto& impl = *raw->m_impl;
            auto keep = impl.keepAlive; // the callbacks may drop the owner's last reference
            HttpResponse response = readReply(reply, raw->m_spec);
            reply->deleteLater();
            impl.reply = nullptr;
            if (!impl.reported) {
                impl.reported = true;
                auto cb = response.finished ? impl.callbacks.finished : impl.callbacks.failed;
                if (cb)
                    cb(response);
            }
            impl.keepAlive.reset();
        });
    });
}

void HttpRequest::cancel()
{
    auto self = shared_from_this();
    performOnMain([self] {
        auto& impl = *self->m_impl;
        impl.cancelRequested = true;
        if (impl.reply)
            impl.reply->abort(); // finishes with no status: reported as failed
    });
}

void HttpRequest::detach()
{
    auto self = shared_from_this();
    performOnMain([self] {
        self->m_impl->callbacks = {};
    });
    // Callbacks already queued on the main loop must not run either.
    if (isMainThread())
        m_impl->callbacks = {};
}

HttpResponse httpSendBlocking(const HttpRequestSpec& spec)
{
    // Each blocking request gets its own manager and loop on the calling
    // thread, so a worker never depends on the main loop being free.
    QNetworkAccessManager manager;
    QEventLoop loop;
    QNetworkReply* reply = send(manager, spec);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    HttpResponse response = readReply(reply, spec);
    delete reply;
    return response;
}

void httpCloseIdleConnections()
{
    mainManager().clearConnectionCache();
}

std::string urlEncode(const std::string& text)
{
    return QUrl::toPercentEncoding(QString::fromStdString(text)).toStdString();
}

std::string urlEncodeForm(const HttpFields& fields)
{
    std::string out;
    for (auto& [name, value] : fields) {
        if (!out.empty())
            out += '&';
        out += urlEncode(name);
        out += '=';
        out += urlEncode(value);
    }
    return out;
}

} // namespace platform
