// Small helpers shared by the action units: reading parameters, paging
// lists, joining values and the city's time as text. Not for use outside the
// server's action units.
#pragma once

#include "Actions.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tansu::demo {

// The value of a parameter the action needs; throws SoapFault when it is missing.
const std::string& required(const SoapRequest& request, const std::string& name);
std::string optional(const SoapRequest& request, const std::string& name, const std::string& fallback = "");
// A whole number from text, or the fallback when the text is not one; clamped.
int number(const std::string& text, int fallback, int low, int high);
// A decimal number that is the whole text, or none.
std::optional<double> decimal(const std::string& text);
std::string join(const std::vector<std::string>& parts, const char* separator = ",");
// Six digits after the point, as the client sends and reads coordinates.
std::string formatCoordinate(double value);
// The city's time now, "yyyy-MM-dd HH:mm:ss".
std::string now(ServiceContext& context);
std::string randomHex(std::size_t digits);

// The part of a list that a page holds ("pageIndex" from 1, "pageSize").
template <typename T>
std::vector<T> pageOf(const std::vector<T>& all, const SoapRequest& request, int defaultSize) {
    int index = number(optional(request, "pageIndex", "1"), 1, 1, 100000);
    int size = number(optional(request, "pageSize", std::to_string(defaultSize)), defaultSize, 1, 100);
    std::size_t begin = static_cast<std::size_t>(index - 1) * static_cast<std::size_t>(size);
    if (begin >= all.size())
        return {};
    return std::vector<T>(all.begin() + static_cast<long>(begin),
                          all.begin() + static_cast<long>(std::min(all.size(), begin + size)));
}

using ActionMap = std::map<std::string, ActionHandler>;

// Each unit adds its handlers under their action names.
void addBusActions(ActionMap& actions);
void addAccountActions(ActionMap& actions);
void addInfoActions(ActionMap& actions);
void addShopActions(ActionMap& actions);
void addInteractionActions(ActionMap& actions);

} // namespace tansu::demo
