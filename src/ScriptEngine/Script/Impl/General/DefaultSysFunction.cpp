#include "Impl/General/DefaultSysFunction.h"

#include "Impl/Sys/SysHandlers.h"

ImplSysFunctionList::ImplSysFunctionList(const std::vector<BaseFunctionHandlerPtr>& handlers) {
    for (const auto& handler : handlers) {
        if (!handler)
            continue;
        auto item = SysFunctionItem::make(handler->getFunctionName(), handler->getFunctionId(),
                                          handler->getParamerNumber(), 20);
        item->isImplFunction = true;
        item->handler = handler;
        add2(item);
    }
}

BaseFunctionHandlerPtr ImplSysFunctionList::getHandler(int id) const {
    auto item = getFunctionItemWithItemId(id);
    return item ? item->handler : nullptr;
}

DefaultSysFunction::DefaultSysFunction() : m_provider([] { return makeSysHandlers(SysHostFunctions{}); }) {}

DefaultSysFunction::DefaultSysFunction(HandlerProvider provider) : m_provider(std::move(provider)) {}

const ImplSysFunctionList& DefaultSysFunction::getSysFunctionList() {
    if (!m_list)
        m_list = std::make_unique<ImplSysFunctionList>(m_provider ? m_provider()
                                                                  : std::vector<BaseFunctionHandlerPtr>{});
    return *m_list;
}

std::optional<SysFunctionResult> DefaultSysFunction::call(int id, const ParamerList* list) {
    static const char* const kSource = "DefaultSysFunction";
    const ImplSysFunctionList& functions = getSysFunctionList();
    auto item = functions.getFunctionItemWithItemId(id);
    if (!item)
        return BaseFunctionHandler::getErrorResult1(kSource, "function id can't be found");
    if (list) {
        if (list->isError)
            return BaseFunctionHandler::getErrorResult1(kSource, "paramerList isError = true");
        if (list->size() < item->paramerCount)
            return BaseFunctionHandler::getErrorResult1(kSource, "not enough paramers");
    }
    if (!item->handler)
        return BaseFunctionHandler::getErrorResult1(kSource, "function id can't be found");
    return item->handler->call(id, list);
}
