// Class-level helpers shared by every screen: the alert with one "确定"
// button, the options file (user id, name, password), dates, network images
// with their documents-folder cache, the weather widgets, and the station and
// line menus.
#pragma once

#include "platform/ui/AlertView.h"
#include "platform/ui/Image.h"

#include <memory>
#include <optional>
#include <string>

namespace platform::ui {
class ImageView;
class Label;
class View;
} // namespace platform::ui

class MyHelper {
public:
    // An alert with the title and message (either may be empty) and one button "确定".
    static void showAlertMessage(const std::string& title, const std::string& message);

    // --- options file ("options.plist" in the documents folder) -----------------
    static bool setUserId(const std::string& value);
    static bool setUserName(const std::string& value);
    static bool setUserPass(const std::string& value);
    static std::optional<std::string> getUserId();
    static std::optional<std::string> getUserName();
    static std::optional<std::string> getUserPass();

    // --- the password token ---------------------------------------------------------
    // MD5 of the UTF-8 bytes as 32 lower-case hex digits; none for none.
    static std::optional<std::string> Md5String(const std::optional<std::string>& text);
    // The server's day number ("getDateTime", blocking), or none.
    static std::optional<std::string> getDateTime();
    // MD5(MD5(password) + day number): the password on the wire, made afresh per request.
    static std::optional<std::string> getPassword(const std::optional<std::string>& password);

    // --- dates and images --------------------------------------------------------
    // Reads and writes back "yyyy-MM-dd HH:mm:ss"; none when the text does not match.
    static std::optional<std::string> convertDateTime(const std::string& text);
    // The cached file when present; otherwise starts its download and answers none.
    static platform::ui::Image getNetImageLocal(const std::string& url, const std::string& localPath);
    static void clearSubViews(platform::ui::View* view);
    static void setWeatherStatusImageTextLabel(const std::string& iconUrl, platform::ui::ImageView& imageView,
                                               const std::string& text, platform::ui::Label& label);

    // --- station and line menus ----------------------------------------------------
    // Tag 0: station menus; tag 1: line menus. "1" variants offer "添加到收藏夹",
    // "2" variants (the local list page) "从收藏夹删除". Cancel ("取消") is last.
    static std::shared_ptr<platform::ui::ActionSheet>
    showSiteAction1Delegate(const std::string& title, platform::ui::ActionSheetDelegate* delegate);
    static std::shared_ptr<platform::ui::ActionSheet>
    showLineAction1Delegate(const std::string& title, platform::ui::ActionSheetDelegate* delegate);
    static std::shared_ptr<platform::ui::ActionSheet>
    showSiteAction2Delegate(const std::string& title, platform::ui::ActionSheetDelegate* delegate);
    static std::shared_ptr<platform::ui::ActionSheet>
    showLineAction2Delegate(const std::string& title, platform::ui::ActionSheetDelegate* delegate);

    static constexpr int kSiteMenuTag = 0;
    static constexpr int kLineMenuTag = 1;
};
