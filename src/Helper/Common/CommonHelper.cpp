#include "Helper/Common/CommonHelper.h"

#include "Helper/Common/MyHelper.h"
#include "Helper/WebService/SoapResult.h"
#include "platform/AppInfo.h"
#include "platform/Log.h"
#include "platform/RunLoop.h"
#include "platform/SystemUrl.h"

CommonHelper& CommonHelper::getInstance() {
    static CommonHelper* instance = new CommonHelper(); // lives for the run
    return *instance;
}

void CommonHelper::getTodayWeather() {
    platform::runWorker([] {
        auto fragment = WebServiceClient::runSoapActionParameters("getWeatherInfo", {});
        platform::performOnMain([fragment] { CommonHelper::getInstance().deliverWeather(fragment); });
    });
}

void CommonHelper::deliverWeather(const std::optional<std::string>& fragment) {
    auto result = SoapResult::parse(fragment);
    if (result && !result->first().field("weatherInfo").empty()) {
        auto text = result->first().field("weatherInfo") + "|||" + result->first().field("imageUrl");
        if (m_delegate)
            m_delegate->getTodayWeatherSuccess(text);
        return;
    }
    if (m_delegate)
        m_delegate->getTodayWeatherFailed();
}

void CommonHelper::checkUpdate() {
    platform::runWorker([] {
        auto versionCode = platform::infoString("VersionCode");
        platform::logf("versionCode is {}", versionCode);
        auto fragment = WebServiceClient::runSoapActionParameters(
            "getUpdateInfo", {{"clientType", "iphone"}, {"versionCode", versionCode}, {"phoneFeature", ""}});
        platform::performOnMain([fragment] { CommonHelper::getInstance().deliverUpdate(fragment); });
    });
}

void CommonHelper::deliverUpdate(const std::optional<std::string>& fragment) {
    auto result = SoapResult::parse(fragment);
    if (!result)
        return;
    if (result->isSuccess() && result->first().field("needUpdate") == "true") {
        platform::ui::AlertView::create("版本升级", "", this, "以后再说", {"立即升级"})->show();
        return;
    }
    platform::ui::AlertView::create("您不需要升级", "", nullptr, "确定")->show();
}

void CommonHelper::alertViewClickedButtonAtIndex(platform::ui::AlertView& alert, int index) {
    showAlert("过了");
    // No update address is configured, so there is nothing to open.
    if (index != alert.cancelButtonIndex())
        platform::log("no update address is configured");
}

void CommonHelper::getUserUid(bool force) {
    if (!force) {
        auto stored = MyHelper::getUserId();
        if (stored && !stored->empty())
            return;
    }
    m_nRequest = kRequestAnonymousId;
    if (auto client = WebServiceClient::initWithDelegateView(this, nullptr))
        client->startWithActionKeyAndParameters("anonymousUserRegister", {});
}

void CommonHelper::showAlert(const std::string& message) {
    MyHelper::showAlertMessage("提示", message);
}

void CommonHelper::doWithSuccess(const std::optional<std::string>& fragment) {
    auto result = SoapResult::parse(fragment);
    if (!result)
        return;
    if (m_nRequest == kRequestAnonymousId) {
        auto uid = result->first().field("uid");
        if (!uid.empty())
            MyHelper::setUserId(uid);
    }
}

void CommonHelper::doWithError(const std::string&) {
    if (m_nRequest == kRequestStationCode)
        MyHelper::showAlertMessage("失败", "无法连接到服务器，查询失败。");
}
