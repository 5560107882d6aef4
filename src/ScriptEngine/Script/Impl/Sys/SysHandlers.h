// The built-in functions in their registration order. The core implements
// those that need nothing outside the interpreter (dates, constants, the
// identity of the run, ending a script); the others (page, phone, network,
// favourites, starting another script) are bodies that the host supplies by
// script name. A host name without a body is not registered.
//
//   SysHostFunctions host;
//   host.functions["ui_create_label"] = [](const Paramers& p) { ... };
//   auto impl = std::make_shared<DefaultSysFunction>([host] { return makeSysHandlers(host); });
#pragma once

#include "Impl/General/BaseFunctionHandler.h"

#include <map>
#include <string>
#include <vector>

struct SysHostFunctions {
    std::map<std::string, FunctionHandler::Body> functions;
};

struct BuiltinEntry {
    const char* className;
    const char* scriptName;
    int operands;
    bool needsHost;
};

// Every built-in of the system, in registration order.
const std::vector<BuiltinEntry>& builtinCatalog();

std::vector<BaseFunctionHandlerPtr> makeSysHandlers(const SysHostFunctions& host);

// The core built-ins that reach the instance registry or the identity of the
// run (script_kill, sys_get_*); none for any other class name.
BaseFunctionHandlerPtr makeCoreHandler(const std::string& className, const std::string& name, int operands);

class GET_NOW : public BaseFunctionHandler {
public:
    GET_NOW() : BaseFunctionHandler("get_now", 0) {}
    std::optional<SysFunctionResult> run(const Paramers& paramers) override;
};

// A built-in that answers one fixed text ("get_system_info", "newline",
// "shell_get_version").
class ConstantHandler : public BaseFunctionHandler {
public:
    ConstantHandler(std::string name, std::string value)
        : BaseFunctionHandler(std::move(name), 0), m_value(std::move(value)) {}
    std::optional<SysFunctionResult> run(const Paramers&) override { return getSingleResult(m_value); }

private:
    std::string m_value;
};

// "quot" answers nothing; the evaluator then raises "外部函数无返回值".
class QUOT : public BaseFunctionHandler {
public:
    QUOT() : BaseFunctionHandler("quot", 0) {}
    std::optional<SysFunctionResult> run(const Paramers&) override { return std::nullopt; }
};

// "sys_load", "sys_save" and "ping" accept their operands and do nothing.
class NoEffectHandler : public BaseFunctionHandler {
public:
    NoEffectHandler(std::string name, int operands) : BaseFunctionHandler(std::move(name), operands) {}
    std::optional<SysFunctionResult> run(const Paramers&) override { return getEmptyResult(); }
};

class SYS_DOWNLOAD_IMAGE : public BaseFunctionHandler {
public:
    SYS_DOWNLOAD_IMAGE() : BaseFunctionHandler("sys_download_image", 1) {}
    std::optional<SysFunctionResult> run(const Paramers& paramers) override {
        return getSingleResult(paramers.getString(0));
    }
};
