// Entries of the system function registry: the keywords of the language and
// the built-in functions, with their operand counts and binding levels.
#pragma once

#include <memory>
#include <string>

class VariableList;
class BaseFunctionHandler;

struct SysFunctionItemType {
    static constexpr int scriptCtrl_if = 200;
    static constexpr int scriptCtrl_endif = 201;
    static constexpr int scriptCtrl_then = 202;
    static constexpr int scriptCtrl_for = 203;
    static constexpr int scriptCtrl_next = 204;
    static constexpr int scriptCtrl_while = 205;
    static constexpr int scriptCtrl_wend = 206;
    static constexpr int scriptCtrl_do = 207;
    static constexpr int scriptCtrl_loop = 208;
    static constexpr int scriptCtrl_goto = 209;
    static constexpr int scriptCtrl_gosub = 210;
    static constexpr int scriptCtrl_sub = 211;
    static constexpr int scriptCtrl_endsub = 212;
    static constexpr int scriptCtrl_return = 213;
    static constexpr int scriptCtrl_break = 214;
    static constexpr int scriptCtrl_sleep = 216;
    static constexpr int scriptCtrl_println = 217;
    static constexpr int scriptCtrl_let = 218;
    static constexpr int scriptCtrl_bigthan = 219;
    static constexpr int scriptCtrl_smallthan = 220;
    static constexpr int scriptCtrl_not = 221;
    static constexpr int scriptCtrl_printf = 222;
    static constexpr int scriptCtrl_addshell = 223;
    static constexpr int scriptCtrl_createpoc = 224;
    static constexpr int scriptCtrl_createpocbyshell = 225;
    static constexpr int scriptCtrl_call = 226;
    static constexpr int scriptCtrl_append = 227;
    static constexpr int scriptCtrl_clearallvariable = 228;
    static constexpr int scriptCtrl_clearallsubvariable = 229;
    static constexpr int scriptCtrl_clearallpublicvariable = 230;
    static constexpr int scriptCtrl_end = 231;
    static constexpr int type_object = 240;
    static constexpr int type_objectArray = 241;
    static constexpr int type_public = 242;
    static constexpr int type_number = 243;
    static constexpr int type_numberArray = 244;
};

class SysFunctionItem {
public:
    std::string name;
    int paramerCount{0};
    int itemId{0};
    bool isImplFunction{false};
    bool isError{true};
    int Level{20};
    // Set for built-ins (an ImplSysFunctionItem in the original terms).
    std::shared_ptr<BaseFunctionHandler> handler;

    static std::shared_ptr<SysFunctionItem> make(std::string name, int id, int operands, int level);
    // The operand description: that many Object values "arg0", "arg1", ...
    VariableList paramerType() const;
};

using SysFunctionItemPtr = std::shared_ptr<const SysFunctionItem>;
