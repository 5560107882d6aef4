#include "Helper/Common/ChooseWebSev.h"

#include "Helper/WebService/WebURL.h"
#include "platform/Log.h"

std::shared_ptr<ChooseWebSev> ChooseWebSev::initWebWithDelegate(ChooseWebSevDelegate* delegate,
                                                                const std::string& officialUrl,
                                                                const std::string& backupUrl) {
    auto self = std::shared_ptr<ChooseWebSev>(new ChooseWebSev());
    self->m_officialUrl = officialUrl;
    self->m_backupUrl = backupUrl;
    self->runTest();
    self->delegate = delegate;
    self->if_requestSuccess = false;
    return self;
}

ChooseWebSev::~ChooseWebSev() {
    for (auto& probe : {URL_OFFICAL, URL_BACKUP}) {
        if (probe)
            probe->detach();
    }
}

void ChooseWebSev::runTest() {
    // The probes hold the selector alive until they have reported, so it
    // lives as long as the run needs it even when its creator lets it go.
    auto makeProbe = [this](bool official) {
        auto self = shared_from_this();
        platform::HttpRequest::Callbacks callbacks;
        callbacks.started = [] { platform::log("requestStarted!!!!!"); };
        callbacks.finished = [self, official](const platform::HttpResponse&) {
            self->probeFinished(official);
        };
        callbacks.failed = [self, official](const platform::HttpResponse&) {
            platform::log(official ? "OFFICAL     requestFailed!!!!!!" : "BACKUP     requestFailed!!!!!!");
        };
        return platform::HttpRequest::create({.method = "GET", .url = official ? m_officialUrl : m_backupUrl},
                                             std::move(callbacks));
    };
    URL_BACKUP = makeProbe(false);
    URL_OFFICAL = makeProbe(true);
    URL_BACKUP->start();
    URL_OFFICAL->start();
}

void ChooseWebSev::probeFinished(bool official) {
    if (if_requestSuccess || WEBSEVICE_URL)
        return; // a server is already chosen: a late answer is ignored
    if (official) {
        platform::log("----OFFICAL    requestFinished!!!!!----");
        WEBSEVICE_URL = m_officialUrl;
        URL_BACKUP->cancel();
        setWebURLString(m_officialUrl);
        platform::logf(" ---------- 当前请求URL为：--------{}", m_officialUrl);
    } else {
        platform::log("----BACKUP    requestFinished!!!!!----");
        WEBSEVICE_URL = m_backupUrl;
        URL_OFFICAL->cancel();
        setWebURLString(m_backupUrl);
        platform::log(m_backupUrl);
    }
    if (delegate)
        delegate->ChooseSuccess(WebURLString());
    if_requestSuccess = true;
}
