// Scripts arrive over the network: no text may crash the interpreter or end
// it with anything but a ScriptException. Random lines built from the
// language's own words, operators and broken brackets are run under a small
// budget (and under the sanitizers in the test build), each twice: plainly,
// and with the cache of ordered lines and the store's name index, which must
// not change what happens.

#include "support/Interp.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Shell and process numbers come from process-wide counters and differ
// between two runs of the same text: runs of three or more digits become "#".
std::string withoutNumbers(const std::string& text) {
    std::string out;
    size_t digits = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\0';
        if (c >= '0' && c <= '9') {
            ++digits;
            continue;
        }
        if (digits >= 3)
            out += '#';
        else
            out += text.substr(i - digits, digits);
        digits = 0;
        if (i < text.size())
            out += c;
    }
    return out;
}

} // namespace

TEST(HostileText, RandomScriptsEndCleanlyWithAndWithoutCaches) {
    static const char* const words[] = {
        "sub",
        "endsub",
        "main",
        "f",
        "(",
        ")",
        "[",
        "]",
        ",",
        "\"",
        "'",
        "=",
        "==",
        "!=",
        "!",
        "+",
        "-",
        "*",
        "/",
        "&",
        "|",
        ";",
        "{",
        "}",
        "Object",
        "a",
        "b",
        "ObjectArray",
        "public",
        "if",
        "then",
        "endif",
        "while",
        "wend",
        "return",
        "println",
        "printf",
        "append",
        "call",
        "@netcall",
        "@newsub",
        "@all",
        "createpoc",
        "createpocbyshell",
        "addshell",
        "end",
        "clearallvariable",
        "clearallsubvariable",
        "0",
        "1",
        "5",
        "99999999999",
        "-.5",
        "公交",
        "\xff",
        "var1",
        "sysresult",
        "quot",
        "newline",
        "\t",
    };
    std::mt19937 random(20261211);
    std::uniform_int_distribution<size_t> pick(0, std::size(words) - 1);
    std::uniform_int_distribution<int> length(0, 9);
    int errors = 0;
    for (int round = 0; round < 300; ++round) {
        // A long store makes the variable lookups go through the name index.
        std::string text = "sub main(ObjectArray args[10])\nObjectArray big[20]\n";
        const int lines = 1 + length(random);
        for (int l = 0; l < lines; ++l) {
            const int count = length(random);
            for (int w = 0; w < count; ++w) {
                text += words[pick(random)];
                text += (random() % 3 == 0) ? "" : " ";
            }
            text += "\n";
        }
        text += "endsub\nsub f(Object a, ObjectArray b[2])\nreturn a\nendsub\n";

        std::vector<std::string> logs[2];
        std::string endings[2];
        for (int cached = 0; cached < 2; ++cached) {
            Interp interp;
            interp.script->budget.maxTurns = 2000;
            interp.script->budget.maxCallDepth = 50;
            interp.script->budget.maxArrayLength = 1000;
            interp.script->expression->lineCacheEnabled = cached == 1;
            // The plain run walks the store; the other uses the name index.
            VariableList::setIndexedSizeForTesting(cached == 1 ? 16 : static_cast<size_t>(-1));
            try {
                interp.run(text);
            } catch (const ScriptException& e) {
                endings[cached] = withoutNumbers(e.what());
            }
            VariableList::setIndexedSizeForTesting(16);
            EXPECT_FALSE(interp.script->isRunning);
            for (const auto& line : interp.log)
                logs[cached].push_back(withoutNumbers(line));
        }
        EXPECT_EQ(logs[0], logs[1]) << text;
        EXPECT_EQ(endings[0], endings[1]) << text;
        if (!endings[1].empty())
            ++errors;
    }
    // Most random lines are errors; the point is that each one ended.
    EXPECT_GT(errors, 0);
}
