#include "Helper/Common/MyHelper.h"

#include "Helper/WebService/WebServiceClient.h"
#include "platform/DateFormat.h"
#include "platform/Md5.h"

#include "platform/Http.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/PhoneWindow.h"
#include "platform/ui/View.h"
#include <cstdio>
#include <cstdlib>

#include <vector>

using namespace platform;

void MyHelper::showAlertMessage(const std::string& title, const std::string& message) {
    ui::AlertView::create(title, message, nullptr, "确定")->show();
}

// --- options file ------------------------------------------------------------------

namespace {

std::string optionsPath() {
    return documentsDirectory() + "/options.plist";
}

bool setOption(const char* key, const std::string& value) {
    if (value.empty())
        return false;
    auto options = readPropertyList(optionsPath());
    PlistValue dict = options && options->isDictionary() ? *options : PlistValue::dictionary();
    dict.set(key, PlistValue::string(value));
    return writePropertyList(optionsPath(), dict);
}

std::optional<std::string> getOption(const char* key) {
    auto options = readPropertyList(optionsPath());
    if (!options || !options->isDictionary())
        return std::nullopt;
    auto* value = options->find(key);
    if (!value || !value->isString())
        return std::nullopt;
    return value->asString();
}

} // namespace

bool MyHelper::setUserId(const std::string& value) {
    return setOption("Option_User_Id", value);
}
bool MyHelper::setUserName(const std::string& value) {
    return setOption("Option_User_Name", value);
}
bool MyHelper::setUserPass(const std::string& value) {
    return setOption("Option_User_Pass", value);
}
std::optional<std::string> MyHelper::getUserId() {
    return getOption("Option_User_Id");
}
std::optional<std::string> MyHelper::getUserName() {
    return getOption("Option_User_Name");
}
std::optional<std::string> MyHelper::getUserPass() {
    return getOption("Option_User_Pass");
}

// --- the password token ---------------------------------------------------------------

std::optional<std::string> MyHelper::Md5String(const std::optional<std::string>& text) {
    if (!text)
        return std::nullopt;
    return md5Hex(*text);
}

std::optional<std::string> MyHelper::getDateTime() {
    auto fragment = WebServiceClient::runSoapActionParameters("getDateTime", {});
    if (!fragment)
        return std::nullopt;
    auto millis = cutBetween(*fragment, "<systemTime>", "</systemTime>");
    if (!millis)
        return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(millis->c_str(), &end);
    if (end == millis->c_str())
        return std::nullopt;
    // The day changes at noon in the server's time base: the division rounds.
    double days = value / 24 / 60 / 60 / 1000;
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", days);
    return std::string(text);
}

std::optional<std::string> MyHelper::getPassword(const std::optional<std::string>& password) {
    if (!password)
        return std::nullopt;
    auto day = getDateTime();
    return Md5String(*Md5String(password) + day.value_or(""));
}

// --- dates and images ----------------------------------------------------------------

std::optional<std::string> MyHelper::convertDateTime(const std::string& text) {
    static const char* kPattern = "yyyy-MM-dd HH:mm:ss";
    auto date = parseDate(text, kPattern);
    if (!date)
        return std::nullopt;
    return formatDate(*date, kPattern);
}

ui::Image MyHelper::getNetImageLocal(const std::string& url, const std::string& localPath) {
    if (fileExists(localPath))
        return ui::Image::fromFile(localPath);
    // The file appears when the download ends; the image shows from its next use.
    auto request = HttpRequest::create({.method = "GET", .url = url, .downloadPath = localPath}, {});
    request->start();
    return {};
}

void MyHelper::clearSubViews(ui::View* view) {
    if (!view)
        return;
    for (auto& subview : view->subviews())
        subview->removeFromSuperview();
}

void MyHelper::setWeatherStatusImageTextLabel(const std::string& iconUrl, ui::ImageView& imageView,
                                              const std::string& text, ui::Label& label) {
    ui::Image icon;
    if (!iconUrl.empty()) {
        auto slash = iconUrl.rfind('/');
        auto name = slash == std::string::npos ? iconUrl : iconUrl.substr(slash + 1);
        icon = getNetImageLocal(iconUrl, documentsDirectory() + "/" + name);
    }
    imageView.setImage(icon);
    label.setText(text);
}

// --- menus ---------------------------------------------------------------------------

namespace {

std::shared_ptr<ui::ActionSheet> showMenu(const std::string& title, ui::ActionSheetDelegate* delegate,
                                          int tag, const std::vector<std::string>& buttons) {
    auto sheet = ui::ActionSheet::create(title, delegate);
    for (auto& button : buttons)
        sheet->addButtonWithTitle(button);
    sheet->setCancelButtonIndex(sheet->addButtonWithTitle("取消"));
    sheet->setTag(tag);
    sheet->show();
    return sheet;
}

} // namespace

std::shared_ptr<ui::ActionSheet> MyHelper::showSiteAction1Delegate(const std::string& title,
                                                                   ui::ActionSheetDelegate* delegate) {
    return showMenu(title, delegate, kSiteMenuTag,
                    {"周边吃喝玩乐", "设为起点", "设为终点", "车辆位置", "站点查询", "添加到收藏夹"});
}

std::shared_ptr<ui::ActionSheet> MyHelper::showLineAction1Delegate(const std::string& title,
                                                                   ui::ActionSheetDelegate* delegate) {
    return showMenu(title, delegate, kLineMenuTag, {"车辆位置", "线路查询", "添加到收藏夹"});
}

std::shared_ptr<ui::ActionSheet> MyHelper::showSiteAction2Delegate(const std::string& title,
                                                                   ui::ActionSheetDelegate* delegate) {
    return showMenu(title, delegate, kSiteMenuTag,
                    {"周边吃喝玩乐", "设为起点", "设为终点", "车辆位置", "站点查询", "从收藏夹删除"});
}

std::shared_ptr<ui::ActionSheet> MyHelper::showLineAction2Delegate(const std::string& title,
                                                                   ui::ActionSheetDelegate* delegate) {
    return showMenu(title, delegate, kLineMenuTag, {"车辆位置", "线路查询", "从收藏夹删除"});
}
