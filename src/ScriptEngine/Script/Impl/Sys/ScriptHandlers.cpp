// The built-ins of the core that reach the instance registry and the
// identity of the run kept by the page bridge.

#include "Impl/Sys/SysHandlers.h"
#include "Script/Script.h"
#include "Script/ScriptBridge.h"

namespace {

// script_kill: stops the instance of that name, drops it from the registry
// and hides the script page.
class SHELL_KILL_SCRIPT : public BaseFunctionHandler {
public:
    SHELL_KILL_SCRIPT() : BaseFunctionHandler("script_kill", 1) {}
    std::optional<SysFunctionResult> run(const Paramers& paramers) override {
        const std::string name = paramers.getString(0);
        if (auto script = ScriptList::getScript(name))
            script->allStop();
        ScriptList::remove(name);
        ScriptBridge::current().hideMainView();
        return getEmptyResult();
    }
};

class IdentityHandler : public BaseFunctionHandler {
public:
    using Getter = std::string (ScriptBridge::*)() const;
    IdentityHandler(std::string name, Getter getter)
        : BaseFunctionHandler(std::move(name), 0), m_getter(getter) {}
    std::optional<SysFunctionResult> run(const Paramers&) override {
        return getSingleResult((ScriptBridge::current().*m_getter)());
    }

private:
    Getter m_getter;
};

} // namespace

BaseFunctionHandlerPtr makeCoreHandler(const std::string& className, const std::string& name,
                                       int /*operands*/) {
    if (className == "SHELL_KILL_SCRIPT")
        return std::make_shared<SHELL_KILL_SCRIPT>();
    if (className == "SYS_GET_CALLER_ITEMID")
        return std::make_shared<IdentityHandler>(name, &ScriptBridge::callerId);
    if (className == "SYS_GET_CUR_ITEMID")
        return std::make_shared<IdentityHandler>(name, &ScriptBridge::scriptCode);
    if (className == "SYS_GET_USERID")
        return std::make_shared<IdentityHandler>(name, &ScriptBridge::userId);
    if (className == "SYS_GET_USERNAME")
        return std::make_shared<IdentityHandler>(name, &ScriptBridge::userName);
    return nullptr;
}
