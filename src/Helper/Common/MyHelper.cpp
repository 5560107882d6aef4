#include "Helper/Common/MyHelper.h"

#include "platform/DateFormat.h"
#include "platform/Http.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/PhoneWindow.h"
#include "platform/ui/View.h"

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
