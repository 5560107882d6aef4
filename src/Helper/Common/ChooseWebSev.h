// Server selection: probes the official and the backup server at once with a
// plain GET and keeps whichever answers first, whatever its status. The choice
// is made once for the run and stored in WebURLString.
#pragma once

#include "platform/Http.h"

#include <memory>
#include <optional>
#include <string>

class ChooseWebSevDelegate {
public:
    virtual ~ChooseWebSevDelegate() = default;
    virtual void ChooseSuccess(const std::string& url) = 0;
};

class ChooseWebSev : public std::enable_shared_from_this<ChooseWebSev> {
public:
    // Starts both probes; the object keeps itself alive until the run ends.
    static std::shared_ptr<ChooseWebSev> initWebWithDelegate(ChooseWebSevDelegate* delegate,
                                                             const std::string& officialUrl,
                                                             const std::string& backupUrl);
    ~ChooseWebSev();

    std::optional<std::string> getURL() const { return WEBSEVICE_URL; }
    bool requestSucceeded() const { return if_requestSuccess; }
    // The delegate goes away: it will not be told.
    void detach() { delegate = nullptr; }

private:
    ChooseWebSev() = default;
    void runTest();
    void probeFinished(bool official);

    std::optional<std::string> WEBSEVICE_URL;
    std::shared_ptr<platform::HttpRequest> URL_OFFICAL;
    std::shared_ptr<platform::HttpRequest> URL_BACKUP;
    ChooseWebSevDelegate* delegate{nullptr};
    bool if_requestSuccess{false};
    std::string m_officialUrl;
    std::string m_backupUrl;
};
