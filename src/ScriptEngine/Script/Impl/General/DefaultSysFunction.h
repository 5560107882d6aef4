// The dispatcher of an instance: it holds the built-in handlers (made on
// first use, in registration order) and runs a built-in by its entry id after
// checking the operands. The handlers come from a provider, so the host can
// register the built-ins that need the phone, the page or the network.
//
//   auto impl = std::make_shared<DefaultSysFunction>(makeSysHandlerProvider(host));
//   impl->call(id, &args);
#pragma once

#include "Functions/SysFunctionList.h"
#include "Impl/General/BaseFunctionHandler.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The registry of built-ins with their handlers (ImplSysFunctionList).
class ImplSysFunctionList : public SysFunctionList {
public:
    explicit ImplSysFunctionList(const std::vector<BaseFunctionHandlerPtr>& handlers);
    BaseFunctionHandlerPtr getHandler(int id) const;
};

class FunctionImpl {
public:
    virtual ~FunctionImpl() = default;
    virtual std::optional<SysFunctionResult> call(int id, const ParamerList* list) = 0;
};

class SysFunctionImpl {
public:
    virtual ~SysFunctionImpl() = default;
    virtual const ImplSysFunctionList& getSysFunctionList() = 0;
};

class DefaultSysFunction : public FunctionImpl, public SysFunctionImpl {
public:
    using HandlerProvider = std::function<std::vector<BaseFunctionHandlerPtr>()>;

    // Without a provider the dispatcher holds the built-ins of the core only.
    DefaultSysFunction();
    explicit DefaultSysFunction(HandlerProvider provider);

    const ImplSysFunctionList& getSysFunctionList() override;
    std::optional<SysFunctionResult> call(int id, const ParamerList* list) override;

private:
    HandlerProvider m_provider;
    std::unique_ptr<ImplSysFunctionList> m_list;
};
