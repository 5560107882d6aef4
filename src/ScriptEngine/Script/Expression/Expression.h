// The evaluator of an instance. It cuts a command line into words, classifies
// them into tokens, orders them by binding level into postfix order (in the
// manner of the shunting-yard method) and evaluates them on the running
// process's operand stack. Keywords act when they are evaluated, so a line
// may hold an assignment, calls and statements together.
//
//   script->expression->runCmdLine("x = a + 1");
#pragma once

#include "Token/TokenItem.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Script;
class SysSeparatorList;
class SysFunctionItem;
class SysSeparatorItem;

class Expression {
public:
    explicit Expression(Script* owner);

    std::vector<std::string> expression;
    std::shared_ptr<TokenQueueCmd> tokenQueueCmd;
    std::shared_ptr<TokenStackData> tokenStackData;
    Script* script;

    std::optional<VariableList> runCmdLine(const std::string& line);
    // Reuse the ordered tokens of lines already run (see CachedLine). Off
    // only to compare both ways in tests.
    bool lineCacheEnabled{true};

    // Cuts text into pieces: every separator character is a piece of its
    // own, every run of other characters one piece.
    static void MyStringTokenizer(std::string_view text, const SysSeparatorList& separators,
                                  std::vector<std::string_view>& pieces);
    const std::vector<std::string>& SplitCmdLine(std::string_view line);
    static std::vector<std::string> SplitCmdLineNoVariable(std::string_view line,
                                                           const SysSeparatorList& separators);
    void toRight();
    std::optional<VariableList> getResult();
    // Collects count operands from the operand stack, first pushed first;
    // none when count is 0.
    bool getParamerList(int count, ParamerList& out);
    static bool isNotConstant2(const TokenItem& token);

private:
    void evaluateSysFunction(const TokenItem& token);
    void evaluateKeyword(const SysFunctionItem& entry, ParamerList& operands, bool hasOperands);
    void evaluateUserFunction(const TokenItem& token);
    void evaluateVariable(const TokenItem& token);
    void evaluateSeparator(const TokenItem& token);
    void pushValue(std::string name, std::string data, int type);
    void adoptCurrentContext();
    void endSubLevel(const VariableList* value, bool hasValue);
    void jumpFromWhile(int conditionValue);
    void jumpFromWend();
    bool currentProcessAlive() const;
    void checkText(const std::string& text) const;

    // The ordered tokens of each line already run, reused while nothing they
    // depend on has changed: the registries, and which variable (if any)
    // every word that could name one stands for. Lines are keyed by address
    // (a shell's lines never move) and checked by text.
    struct CachedLine {
        std::string text;
        unsigned long long registryVersion{0};
        std::vector<std::pair<std::string, const VariableItem*>> candidates;
        std::vector<TokenItem> postfix;
    };
    bool stillValid(const CachedLine& cached) const;
    std::unordered_map<const std::string*, CachedLine> m_lineCache;
    size_t m_lineCacheBytes{0};
    std::vector<std::pair<std::string_view, const VariableItem*>> m_candidates;

    std::vector<std::string_view> m_pieces;
    std::vector<TokenItem> m_operators;
};
