// Scripts arrive over the network: no text may crash the interpreter or end
// it with anything but a ScriptException. Random lines built from the
// language's own words, operators and broken brackets are run under a small
// budget (and under the sanitizers in the test build).

#include "support/Interp.h"

#include <gtest/gtest.h>

#include <random>

TEST(HostileText, RandomScriptsEndCleanly) {
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
        "get_now",
        "newline",
        "\t",
    };
    std::mt19937 random(20261211);
    std::uniform_int_distribution<size_t> pick(0, std::size(words) - 1);
    std::uniform_int_distribution<int> length(0, 9);
    int errors = 0;
    for (int round = 0; round < 400; ++round) {
        std::string text = "sub main(ObjectArray args[10])\n";
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
        Interp interp;
        interp.script->budget.maxTurns = 2000;
        interp.script->budget.maxCallDepth = 50;
        interp.script->budget.maxArrayLength = 1000;
        try {
            interp.run(text);
        } catch (const ScriptException&) {
            ++errors;
        }
        EXPECT_FALSE(interp.script->isRunning);
    }
    // Most random lines are errors; the point is that each one ended.
    EXPECT_GT(errors, 0);
}
