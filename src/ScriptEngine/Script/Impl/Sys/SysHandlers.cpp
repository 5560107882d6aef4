#include "Impl/Sys/SysHandlers.h"

#include <cstdio>
#include <ctime>

const std::vector<BuiltinEntry>& builtinCatalog() {
    static const std::vector<BuiltinEntry> catalog = {
        {"GET_NOW", "get_now", 0, false},
        {"GET_SYSTEM_INFO", "get_system_info", 0, false},
        {"NEW_LINE", "newline", 0, false},
        {"QUOT", "quot", 0, false},
        {"SHELL_GET_VERSION", "shell_get_version", 0, false},
        {"UI_ADD_CTRL_TO_PANEL", "ui_add_ctrl_to_panel", 2, true},
        {"UI_ADD_CTRL_TO_TOOLBAR", "ui_add_ctrl_to_toolbar", 1, true},
        {"UI_ADD_PANEL", "ui_add_panel", 1, true},
        {"UI_CLOSE_ALERT", "ui_close_alert", 1, true},
        {"UI_CREATE_BUTTON", "ui_create_button", 2, true},
        {"UI_CREATE_CONTACTINFO", "ui_create_contactinfo", 3, true},
        {"UI_CREATE_EMAIL_BUTTON", "ui_create_email_button", 1, true},
        {"UI_CREATE_FAVOR_BUTTON", "ui_create_favor_button", 0, true},
        {"UI_CREATE_IMAGE", "ui_create_image", 1, true},
        {"UI_CREATE_LABEL", "ui_create_label", 1, true},
        {"UI_CREATE_MAP_BUTTON", "ui_create_map_button", 1, true},
        {"UI_CREATE_PANEL", "ui_create_panel", 1, true},
        {"UI_CREATE_PHONE_BUTTON", "ui_create_phone_button", 1, true},
        {"UI_CREATE_SITE_BUTTON", "ui_create_site_button", 1, true},
        {"UI_HIDE", "ui_hide", 0, true},
        {"UI_SHOW_ALERT", "ui_show_alert", 2, true},
        {"UI_SHOW_WAITTING_ALERT", "ui_show_waitting_alert", 3, true},
        {"UI_SHOW_TAB", "ui_show_tab", 0, true},
        {"UI_SHOW_TOOLBAR", "ui_show_toolbar", 0, true},
        {"UI_SHOW", "ui_show", 0, true},
        {"APP_GO_SITE", "app_go_site", 1, true},
        {"APP_LOCATE", "app_locate", 1, true},
        {"APP_PHONE_CALL", "app_phone_call", 1, true},
        {"APP_SEND_EMAIL", "app_send_email", 1, true},
        {"SHELL_KILL_SCRIPT", "script_kill", 1, false},
        {"SHELL_RUN_SCRIPT", "shell_run_script", 4, true},
        {"SYS_ADD_FAVORITE", "sys_add_favorite", 1, true},
        {"SYS_DOWNLOAD_IMAGE", "sys_download_image", 1, false},
        {"SYS_GET_CALLER_ITEMID", "sys_get_caller_itemid", 0, false},
        {"SYS_GET_CUR_ITEMID", "sys_get_cur_itemid", 0, false},
        {"SYS_GET_USERID", "sys_get_userid", 0, false},
        {"SYS_GET_USERNAME", "sys_get_username", 0, false},
        {"SYS_LOAD", "sys_load", 1, false},
        {"SYS_NEW_LINE", "newline", 0, false},
        {"SYS_SAVE", "sys_save", 2, false},
        {"NET_CALL", "@call", 1, true},
        {"PING", "ping", 1, false},
    };
    return catalog;
}

std::optional<SysFunctionResult> GET_NOW::run(const Paramers&) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return getSingleResult(text);
}

std::vector<BaseFunctionHandlerPtr> makeSysHandlers(const SysHostFunctions& host) {
    std::vector<BaseFunctionHandlerPtr> handlers;
    for (const BuiltinEntry& entry : builtinCatalog()) {
        const std::string name = entry.scriptName;
        // A body given by the host replaces the core's own (the host knows
        // the page and the identity of the run).
        if (auto it = host.functions.find(name); it != host.functions.end()) {
            handlers.push_back(std::make_shared<FunctionHandler>(name, entry.operands, it->second));
            continue;
        }
        if (entry.needsHost)
            continue;
        const std::string className = entry.className;
        if (className == "GET_NOW")
            handlers.push_back(std::make_shared<GET_NOW>());
        else if (className == "GET_SYSTEM_INFO")
            handlers.push_back(std::make_shared<ConstantHandler>(name, "iphone"));
        else if (className == "NEW_LINE" || className == "SYS_NEW_LINE")
            handlers.push_back(std::make_shared<ConstantHandler>(name, "\r\n"));
        else if (className == "QUOT")
            handlers.push_back(std::make_shared<QUOT>());
        else if (className == "SHELL_GET_VERSION")
            handlers.push_back(std::make_shared<ConstantHandler>(name, "1"));
        else if (className == "SYS_DOWNLOAD_IMAGE")
            handlers.push_back(std::make_shared<SYS_DOWNLOAD_IMAGE>());
        else if (className == "SYS_LOAD" || className == "SYS_SAVE" || className == "PING")
            handlers.push_back(std::make_shared<NoEffectHandler>(name, entry.operands));
        else if (auto made = makeCoreHandler(className, name, entry.operands))
            handlers.push_back(std::move(made));
    }
    return handlers;
}
