#include "Global/PublicFunctions.h"

#include "VariableControl/VariableList.h"

#include <atomic>
#include <climits>

namespace {
std::atomic<int> g_userFunctionId{100};
std::atomic<int> g_sysFunctionId{250};
std::atomic<int> g_sysSeparatorId{350};
std::atomic<int> g_pocId{900};
std::atomic<int> g_shellId{1500};
} // namespace

int PublicFunctions::getNextNewUserFunctionId() {
    return g_userFunctionId.fetch_add(1);
}
int PublicFunctions::getNextNewSysFunctionId() {
    return g_sysFunctionId.fetch_add(1);
}
int PublicFunctions::getNextNewSysSeparatorId() {
    return g_sysSeparatorId.fetch_add(1);
}
int PublicFunctions::getNextCanCreatePocId() {
    return g_pocId.fetch_add(1);
}
int PublicFunctions::getNextCanCreateShellId() {
    return g_shellId.fetch_add(1);
}
void PublicFunctions::restUserFunctionId() {
    g_userFunctionId.store(100);
}

int PublicFunctions::Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        // Past the 32-bit range the answer is clamped; stop before the
        // accumulator itself could overflow on a very long run of digits.
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool PublicFunctions::isNumber(std::string_view word) {
    if (word.empty())
        return false;
    bool seenPoint = false;
    for (size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        if (c >= '0' && c <= '9')
            continue;
        if (i == 0 && (c == '+' || c == '-'))
            continue;
        if (c == '.' && i > 0 && !seenPoint) {
            seenPoint = true;
            continue;
        }
        // Any other byte, including every byte of a non-ASCII character, is
        // neither a digit, a sign nor a point.
        return false;
    }
    return true;
}

bool PublicFunctions::isString(std::string_view word) {
    if (word.empty())
        return false;
    const char first = word.front();
    const char last = word.back();
    return (first == '"' && last == '"') || (first == '\'' && last == '\'');
}

bool PublicFunctions::isControl(std::string_view word) {
    return !word.empty() && word.front() == '@';
}

int PublicFunctions::getDefaultLevel(const VariableList* list) {
    if (!list)
        return 20;
    return 20 - list->size();
}
