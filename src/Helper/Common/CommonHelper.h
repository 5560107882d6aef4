// The shared requests that belong to no one screen: today's weather, the
// version check and the anonymous user id. One object for the run.
#pragma once

#include "Helper/WebService/WebServiceClient.h"
#include "platform/ui/AlertView.h"

#include <memory>
#include <string>

namespace platform::ui {
class View;
}

class CommonHelperDelegate {
public:
    virtual ~CommonHelperDelegate() = default;
    virtual void getTodayWeatherSuccess(const std::string& text) = 0;
    virtual void getTodayWeatherFailed() = 0;
};

class CommonHelper : public WebServiceDelegate, public platform::ui::AlertViewDelegate {
public:
    static CommonHelper& getInstance();

    void setM_currView(std::shared_ptr<platform::ui::View> view) { m_currView = std::move(view); }
    void setDelegate(CommonHelperDelegate* delegate) { m_delegate = delegate; }

    // On a worker: "getWeatherInfo"; the answer reaches the delegate on the main thread.
    void getTodayWeather();
    // On a worker: "getUpdateInfo"; the answer is an alert.
    void checkUpdate();
    // Asks for an anonymous id unless one is stored and force is false.
    void getUserUid(bool force);
    // An alert titled "提示" with the message and "确定".
    void showAlert(const std::string& message);

    int requestKind() const { return m_nRequest; }

    // What a weather answer means for the delegate; for the worker's main-thread half.
    void deliverWeather(const std::optional<std::string>& fragment);
    void deliverUpdate(const std::optional<std::string>& fragment);

    void doWithSuccess(const std::optional<std::string>& fragment) override;
    void doWithError(const std::string& error) override;
    void alertViewClickedButtonAtIndex(platform::ui::AlertView& alert, int index) override;

    static constexpr int kRequestStationCode = 2;
    static constexpr int kRequestAnonymousId = 3;

private:
    CommonHelper() = default;

    std::shared_ptr<platform::ui::View> m_currView;
    CommonHelperDelegate* m_delegate{nullptr};
    int m_nRequest{-1};
};
