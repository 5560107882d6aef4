#include "Expression/Expression.h"
#include "Impl/Sys/SysHandlers.h"
#include "Script/ScriptBridge.h"
#include "Script/ScriptEngine.h"
#include "support/Interp.h"

#include <gtest/gtest.h>

namespace {

const char* const kMain = "sub main(ObjectArray args[10])\n";

// The postfix order of a line as the words of its tokens.
std::string postfix(Interp& interp, const std::string& line) {
    interp.eval("'"); // makes the main process without running anything
    Expression& e = *interp.script->expression;
    e.tokenQueueCmd = std::make_shared<TokenQueueCmd>();
    e.tokenStackData = std::make_shared<TokenStackData>();
    e.SplitCmdLine(line);
    e.toRight();
    std::string order;
    TokenItem token;
    while (e.tokenQueueCmd->pop(token))
        order += (order.empty() ? "" : " ") + token.string;
    return order;
}

struct EngineOptionsGuard {
    ~EngineOptionsGuard() { ScriptEngine::setOptions({}); }
};

} // namespace

TEST(Expression, OrderingByLevels) {
    Interp interp;
    interp.script->addShellItem4("subs", "sub f(Object a, Object b)\nendsub\nsub g(Object a)\nendsub\n"
                                         "sub h(Object a, Object b, Object c)\nendsub");
    interp.eval("Object x");
    const struct {
        const char* line;
        const char* order;
    } cases[] = {
        {"x = 1", "@all x 1 ="},
        {"x = f(1, 2)", "@all x 1 2 f ="},
        {"g(g(1))", "1 g g"},
        {"h(1,2,3) == 4", "1 2 3 4 == h"},
        {"x = h(1,2,3) == 4", "@all x 1 2 3 h 4 == ="},
        {"f(1 & 2 + 3, 4)", "1 2 3 + 4 & f"},
        {"if (x == 1) then", "@all x 1 == then if"},
        {"x = 1; x = 2", "@all x 1 = @all x 2 = ;"},
        {"return x + 1", "@all x 1 + return"},
        {"a==1", "a 1 =="},
        {"a = = 1", "a = 1 ="},
        {"a != 1", "a 1 !="},
        {"ObjectArray b[3]", "b 3 ObjectArray"},
        {"s = \"a, b\"", "s \"a, b\" ="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(postfix(interp, c.line), c.order) << c.line;
    EXPECT_EQ(interp.evalError("x = 1)"), "[Expression] 文法错误");
    EXPECT_EQ(interp.evalError("println(\"a)"), "[Expression] 没有配对的引号");
    EXPECT_EQ(interp.evalError(" "), "[TokenItem] 空关键字");
}

TEST(Expression, SplitRewritesVariableReferences) {
    Interp interp;
    interp.eval("ObjectArray arr[3]");
    interp.eval("Object i");
    Expression& e = *interp.script->expression;
    EXPECT_EQ(e.SplitCmdLine("arr[i] = 1"),
              (std::vector<std::string>{"arr", "(", "i", "(", "@all", ")", ")", "=", "1"}));
    EXPECT_EQ(e.SplitCmdLine("i"), (std::vector<std::string>{"i", "(", "@all", ")"}));
    EXPECT_EQ(e.SplitCmdLine("x\t=\t=1"), (std::vector<std::string>{"x", "=", "=", "1"}));
    EXPECT_EQ(Expression::SplitCmdLineNoVariable("i = 公交", interp.script->sysSeparatorList),
              (std::vector<std::string>{"i", "=", "公交"}));
}

TEST(Script, RunLoopContract) {
    Interp interp;
    EXPECT_FALSE(interp.script->runPause());
    EXPECT_FALSE(interp.script->runPaused);
    // A run without a top-level return hands back its argument.
    interp.script->addShellItem3("a", std::string(kMain) + "println(1)\nendsub", true);
    auto given = std::make_shared<VariableList>(VariableList::initVariableList4("r", "given", 0));
    EXPECT_EQ(interp.script->coreStart(given), given);
    // A top-level return stores its value, which "sysresult" then mirrors.
    interp.script->addShellItem3("b", std::string(kMain) + "return \"done\"\nendsub", true);
    auto result = interp.script->coreStart(nullptr);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->getSingleItem()->data, "done");
    EXPECT_FALSE(interp.script->isRunning);
    EXPECT_EQ(interp.script->getCmdLine(nullptr), nullptr);
}

TEST(Script, CoreStartOnARunningInstanceReturnsAtOnce) {
    SysHostFunctions host;
    std::shared_ptr<Script> script;
    bool reentered = false;
    host.functions["ui_show"] = [&](const Paramers&) {
        reentered = script->coreStart(nullptr) == nullptr;
        return BaseFunctionHandler::getEmptyResult();
    };
    Interp interp(std::make_shared<DefaultSysFunction>([host] { return makeSysHandlers(host); }));
    script = interp.script;
    interp.run(std::string(kMain) + "ui_show()\nendsub");
    EXPECT_TRUE(reentered);
}

TEST(Script, ErrorsLeaveTheInstanceIdle) {
    Interp interp;
    EXPECT_EQ(interp.runError(std::string(kMain) + "println(1 / 0)\nendsub"), "[Expression] 除数不能为零");
    EXPECT_FALSE(interp.script->isRunning);
    EXPECT_EQ(interp.script->curPocItem, nullptr);
}

TEST(ScriptEngine, DeliveredTwiceMakesTwoInstances) {
    EngineOptionsGuard guard;
    std::vector<std::string> log;
    ScriptEngineOptions options;
    options.log = [&](const std::string& line) { log.push_back(line); };
    ScriptEngine::setOptions(options);
    EXPECT_FALSE(ScriptEngine::initScriptEngine("A1", std::nullopt, "u", "n"));
    EXPECT_FALSE(ScriptEngine::initScriptEngine(std::nullopt, "c", "u", "n"));

    const std::string text = std::string(kMain) + "println(sys_get_cur_itemid())\nendsub";
    auto first = ScriptEngine::initScriptEngine("A1", "c", "u", std::nullopt);
    ASSERT_TRUE(first);
    const ScriptRunReport one = first->run(text);
    auto second = ScriptEngine::initScriptEngine("A1", "c", "u", "n");
    const ScriptRunReport two = second->run(text);
    EXPECT_TRUE(one.ok);
    EXPECT_TRUE(two.ok);
    EXPECT_NE(one.scriptName, two.scriptName);
    EXPECT_EQ(one.scriptName.rfind("A1", 0), 0u);
    EXPECT_GE(std::stoi(one.scriptName.substr(2)), 1500);
    EXPECT_TRUE(ScriptList::getScript(one.scriptName));
    EXPECT_TRUE(ScriptList::getScript(two.scriptName));
    EXPECT_EQ(ScriptList::getScript(two.scriptName)->scriptID, "A1");
    EXPECT_EQ(log, (std::vector<std::string>{"println:A1", "println:A1"}));
    EXPECT_EQ(ScriptBridge::current().userName(), "n");
    EXPECT_TRUE(ScriptList::remove(one.scriptName));
    EXPECT_FALSE(ScriptList::remove(one.scriptName));
    ScriptList::remove(two.scriptName);
}

TEST(ScriptEngine, ErrorsAreReportedAndTheInstanceStopped) {
    EngineOptionsGuard guard;
    ScriptEngineOptions options;
    options.log = [](const std::string&) {};
    ScriptEngine::setOptions(options);
    auto engine = ScriptEngine::initScriptEngine("E1", "c", "u", "n");
    const ScriptRunReport report =
        engine->run(std::string(kMain) + "createpoc(\"w\")\nObject x\nx = \"" + std::string(1 << 20, 'a') +
                    "\"\nendsub\nsub w()\nprintln(1)\nprintln(2)\nendsub");
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(report.source, "Script");
    EXPECT_EQ(report.message, "命令行长度超出限制(65536字节)");
    auto script = ScriptList::getScript(report.scriptName);
    ASSERT_TRUE(script);
    EXPECT_EQ(script->pocList.size(), 0);
    EXPECT_FALSE(script->isRunning);
    ScriptList::remove(report.scriptName);
}

TEST(ScriptEngine, ScriptKillStopsTheNamedInstance) {
    EngineOptionsGuard guard;
    ScriptEngineOptions options;
    std::vector<std::string> log;
    options.log = [&](const std::string& line) { log.push_back(line); };
    ScriptEngine::setOptions(options);
    auto engine = ScriptEngine::initScriptEngine("K1", "c", "u", "n");
    const std::string name = ScriptBridge::current().scriptName();
    const ScriptRunReport report =
        engine->run(std::string(kMain) + "createpoc(\"w\")\nscript_kill(\"" + name +
                    "\")\nprintln(\"after\")\nendsub\nsub w()\nprintln(\"w\")\nendsub");
    EXPECT_TRUE(report.ok) << report.message;
    EXPECT_FALSE(ScriptList::getScript(name));
    EXPECT_TRUE(log.empty());
}

TEST(Statements, NetCallReachesTheHostInPushingOrder) {
    EXPECT_EQ(Interp().runError(std::string(kMain) + "call(@netcall, \"f1\")\nendsub"),
              "[Expression] 没有call方法的实现");

    std::vector<std::string> received;
    bool fail = false;
    SysHostFunctions host;
    host.functions["@call"] = [&](const Paramers& p) -> std::optional<SysFunctionResult> {
        received.clear();
        for (int i = 0; i < p.size(); ++i)
            received.push_back(p.getInnerContent()->get(i)->toNetCallParamer(";"));
        if (fail) {
            SysFunctionResult failed;
            failed.isError = true;
            return failed;
        }
        return BaseFunctionHandler::getSingleResult("reply");
    };
    Interp interp(std::make_shared<DefaultSysFunction>([host] { return makeSysHandlers(host); }));
    interp.run(std::string(kMain) + "ObjectArray a[2]\na[0] = \"x;y\"\na[1] = \"z\"\n"
                                    "println(call(@netcall, \"f1\", a, 7))\nendsub");
    EXPECT_EQ(received, (std::vector<std::string>{"f1", "x\\;y;z", "7"}));
    EXPECT_EQ(interp.log, (std::vector<std::string>{"println:reply"}));

    fail = true;
    interp.log.clear();
    interp.run(std::string(kMain) + "Object r\nr = call(@netcall, \"f2\")\nprintln(r == \"\")\nendsub");
    EXPECT_EQ(received, (std::vector<std::string>{"f2"}));
    EXPECT_EQ(interp.log, (std::vector<std::string>{"println:1"}));
}
