#include "Impl/General/BaseFunctionHandler.h"

#include "Global/PublicFunctions.h"

BaseFunctionHandler::BaseFunctionHandler(std::string name, int paramerNumber)
    : m_functionId(PublicFunctions::getNextNewSysFunctionId()), m_paramerNumber(paramerNumber),
      m_functionName(std::move(name)) {}

std::optional<SysFunctionResult> BaseFunctionHandler::call(int /*id*/, const ParamerList* list) {
    return run(Paramers(list));
}

SysFunctionResult BaseFunctionHandler::getSingleResult(std::string text) {
    SysFunctionResult result;
    result.resultData = VariableList::initVariableList4("arg0", std::move(text), VariableItemType::getObject);
    return result;
}

SysFunctionResult BaseFunctionHandler::getEmptyResult() {
    return SysFunctionResult{};
}

SysFunctionResult BaseFunctionHandler::getErrorResult1(const std::string& source,
                                                       const std::string& message) {
    return getSingleResult("[" + source + "] " + message);
}
