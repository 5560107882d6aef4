// Process-wide helpers of the script core: the five id counters shared by all
// instances, the word tests of the tokenizer, the integer reading of a text
// and the default binding levels.
//
//   int id = PublicFunctions::getNextCanCreatePocId();   // 900, 901, ...
//   PublicFunctions::Val(" -12abc");                      // -12
#pragma once

#include <string>
#include <string_view>

class VariableList;

class PublicFunctions {
public:
    // Each draw answers the current value and then adds one. Safe to draw from
    // several threads at once.
    static int getNextNewUserFunctionId();
    static int getNextNewSysFunctionId();
    static int getNextNewSysSeparatorId();
    static int getNextCanCreatePocId();
    static int getNextCanCreateShellId();
    static void restUserFunctionId();

    // Optional leading white space, an optional sign and the leading decimal
    // digits; 0 when there are none; clamped to the signed 32-bit range.
    static int Val(std::string_view text);

    static bool isNumber(std::string_view word);
    static bool isString(std::string_view word);
    static bool isControl(std::string_view word);

    static int getDefaultLevel() { return 20; }
    static int getDefaultLevel(const VariableList* list);
    static int getDefaultLevelForCount(int operandCount) { return 20 - operandCount; }

    static const char* getSubVariableFirst() { return "sub_"; }
};
