#include "Actions.h"

#include "ActionSupport.h"
#include "Md5.h"

#include <cmath>

namespace tansu::demo {

long long dayNumber(long long epochMillis) {
    return static_cast<long long>(std::floor(static_cast<double>(epochMillis) / 24 / 60 / 60 / 1000 + 0.5));
}

std::string passwordToken(const std::string& passwordMd5, long long day) {
    return md5Hex(passwordMd5 + std::to_string(day));
}

const std::map<std::string, ActionHandler>& backEndActions() {
    static const ActionMap actions = [] {
        ActionMap made;
        addBusActions(made);
        addAccountActions(made);
        addInfoActions(made);
        addShopActions(made);
        return made;
    }();
    return actions;
}

const std::map<std::string, ActionHandler>& interactionActions() {
    static const ActionMap actions = [] {
        ActionMap made;
        addInteractionActions(made);
        return made;
    }();
    return actions;
}

} // namespace tansu::demo
