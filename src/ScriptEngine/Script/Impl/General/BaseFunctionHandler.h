// Built-in functions. Each built-in is a handler with a script name and a
// fixed operand count; its number is drawn from the system function counter
// (250, 251, ...) when it is made and becomes the id of its registry entry.
// A failed built-in gives the text "[source] message" as its value, so the
// script receives the message and goes on.
//
//   class PING : public BaseFunctionHandler {
//   public:
//       PING() : BaseFunctionHandler("ping", 1) {}
//       std::optional<SysFunctionResult> run(const Paramers&) override { return getEmptyResult(); }
//   };
#pragma once

#include "VariableControl/ParamerList.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

struct SysFunctionResult {
    bool isError{false};
    VariableList resultData;
};

class BaseFunctionHandler {
public:
    BaseFunctionHandler(std::string name, int paramerNumber);
    virtual ~BaseFunctionHandler() = default;

    int getFunctionId() const { return m_functionId; }
    const std::string& getFunctionName() const { return m_functionName; }
    int getParamerNumber() const { return m_paramerNumber; }

    std::optional<SysFunctionResult> call(int id, const ParamerList* list);
    // Runs the built-in. No result (none) makes the evaluator raise
    // "外部函数无返回值".
    virtual std::optional<SysFunctionResult> run(const Paramers& paramers) = 0;

    static SysFunctionResult getSingleResult(std::string text);
    static SysFunctionResult getEmptyResult();
    static SysFunctionResult getErrorResult1(const std::string& source, const std::string& message);

private:
    int m_functionId;
    int m_paramerNumber;
    std::string m_functionName;
};

using BaseFunctionHandlerPtr = std::shared_ptr<BaseFunctionHandler>;

// A handler whose work is a function given by whoever registers it; the host
// uses it for the built-ins that need the phone, the page or the network.
class FunctionHandler : public BaseFunctionHandler {
public:
    using Body = std::function<std::optional<SysFunctionResult>(const Paramers&)>;
    FunctionHandler(std::string name, int paramerNumber, Body body)
        : BaseFunctionHandler(std::move(name), paramerNumber), m_body(std::move(body)) {}
    std::optional<SysFunctionResult> run(const Paramers& paramers) override {
        return m_body ? m_body(paramers) : std::nullopt;
    }

private:
    Body m_body;
};
