#include "Global/PublicFunctions.h"
#include "Poc/PocItem.h"
#include "support/Interp.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>

namespace {

const char* const kMain = "sub main(ObjectArray args[10])\n";

PocItemPtr makePoc(Script* script, int state) {
    auto poc = std::make_shared<PocItem>(
        script, PocItemContextItem(PublicFunctions::getNextCanCreatePocId(), "p", 0));
    poc->pocContext.pocRunningType = state;
    return poc;
}

std::string visits(Core& core, int turns) {
    std::string order;
    for (int i = 0; i < turns; ++i) {
        PocItemPtr poc = core.getCanRunPoc();
        order += poc ? poc->pocContext.name : "-";
    }
    return order;
}

} // namespace

TEST(Scheduler, RoundRobinWaitAndTempPause) {
    auto script = Script::create();
    PocList list;
    Core core(list);
    EXPECT_EQ(core.getCanRunPoc(), nullptr);
    EXPECT_TRUE(core.isEnd());
    for (const char* name : {"A", "B", "C"}) {
        auto poc = makePoc(script.get(), PocItemRunningType::Ready);
        poc->pocContext.name = name;
        list.addPoc1(poc);
    }
    EXPECT_EQ(visits(core, 7), "ABCABCA");

    // A process waiting 2 turns beside a Ready one runs again at its 4th visit.
    PocList pair;
    Core core2(pair);
    auto sleeper = makePoc(script.get(), PocItemRunningType::Ready);
    sleeper->pocContext.name = "S";
    sleeper->wait(2);
    auto ready = makePoc(script.get(), PocItemRunningType::Ready);
    ready->pocContext.name = "R";
    pair.addPoc1(sleeper);
    pair.addPoc1(ready);
    EXPECT_EQ(visits(core2, 5), "RRRSR");

    // TempPause becomes Ready and runs in the same search.
    PocList temp;
    Core core3(temp);
    auto paused = makePoc(script.get(), PocItemRunningType::TempPause);
    paused->pocContext.name = "T";
    temp.addPoc1(paused);
    EXPECT_EQ(visits(core3, 1), "T");

    // Only Nul processes: the loop has ended; a Paused one keeps it alive.
    PocList idle;
    Core core4(idle);
    idle.addPoc1(makePoc(script.get(), PocItemRunningType::Nul));
    EXPECT_TRUE(core4.isEnd());
    EXPECT_EQ(core4.getCanRunPoc(), nullptr);
    idle.addPoc1(makePoc(script.get(), PocItemRunningType::Paused));
    EXPECT_FALSE(core4.isEnd());
    EXPECT_EQ(core4.getCanRunPoc(), nullptr);
}

TEST(Processes, InterleaveLineByLine) {
    Interp interp;
    interp.script->addShellItem3(
        "a", std::string(kMain) + "println(\"A1\")\nprintln(\"A2\")\nprintln(\"A3\")\nendsub", true);
    interp.script->addShellItem3(
        "b", std::string(kMain) + "println(\"B1\")\nprintln(\"B2\")\nprintln(\"B3\")\nendsub", true);
    interp.script->coreStart(nullptr);
    EXPECT_EQ(interp.log, (std::vector<std::string>{"println:A1", "println:B1", "println:A2", "println:B2",
                                                    "println:A3", "println:B3"}));
    EXPECT_EQ(interp.script->pocList.size(), 0);
}

TEST(Processes, CallSavesADeepCopyAboveTheMarker) {
    Interp interp;
    auto poc = interp.script->addShellItem3(
        "s", std::string(kMain) + "x = f(1, 2)\nendsub\nsub f(Object a, Object b)\nendsub", true);
    ASSERT_TRUE(poc);
    // main was called at once: one saved context of level 0 holding the
    // marker and the default argument.
    ASSERT_EQ(poc->contextStack.size(), 1u);
    EXPECT_EQ(poc->contextStack[0].curLevel, 0);
    EXPECT_EQ(poc->pocContext.curLevel, 1);
    EXPECT_EQ(poc->pocContext.Pi, 0);
    const auto& saved = poc->contextStack[0].tokenStackData->variableListStack;
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].getSingleItem()->name, "@newsub");
    EXPECT_EQ(saved[1].getSingleItem()->name, "args");

    // Call f by hand from the main level at line 1: the saved position
    // points past the calling line.
    poc->pocContext.Pi = 2;
    interp.script->curPocItem = poc;
    auto f = interp.script->userFunctionList.findByName("f");
    ParamerList args;
    args.addData2("1");
    args.addData2("2");
    poc->gosubUserFunction1(*f, &args);
    ASSERT_EQ(poc->contextStack.size(), 2u);
    const PocItemContextItem& top = poc->contextStack.back();
    EXPECT_EQ(top.Pi, 2);
    EXPECT_EQ(top.curLevel, 1);
    ASSERT_EQ(top.tokenStackData->size(), 3);
    EXPECT_EQ(top.tokenStackData->variableListStack[0].getSingleItem()->name, "@newsub");
    EXPECT_NE(top.tokenStackData.get(), poc->pocContext.tokenStackData.get());
    EXPECT_EQ(poc->pocContext.Pi, f->functionLoc.indexLoc);
    EXPECT_EQ(poc->pocContext.curLevel, 2);
    EXPECT_TRUE(poc->pocContext.tokenStackData->isEmpty());
    auto bound = poc->getLastParamerListByStackTop("@newsub");
    ASSERT_TRUE(bound);
    EXPECT_EQ(Paramers(&*bound).getString(0), "2");
}

TEST(Processes, EndingRemovesAllLocalsOfTheProcessOnly) {
    Interp interp;
    interp.run(std::string(kMain) +
               "Object keep\npublic keep\nkeep = 1\nObject mine\ng(1)\nendsub\n"
               "sub g(Object n)\nObject deeper\nclearallpublicvariable\nreturn 1\nendsub");
    // Only what is not a local of the ended process is left.
    for (const auto& item : interp.script->variableList.variableItems)
        EXPECT_TRUE(item->firstString.empty()) << item->name;
}

TEST(Processes, KillRemovesLocalsAndKeepsOthers) {
    Interp interp;
    auto a = interp.script->addShellItem3("a", std::string(kMain) + "endsub", true);
    auto b = interp.script->addShellItem3("b", std::string(kMain) + "endsub", true);
    VariableList& store = interp.script->variableList;
    store.addVariableItem5("x", "", false, a->pocContext.firstString(), 0, 0, 0);
    store.addVariableItem5("y", "", false, "sub_" + std::to_string(a->ID()) + "_a_3", 0, 0, 0);
    store.addVariableItem5("z", "", false, b->pocContext.firstString(), 0, 0, 0);
    EXPECT_EQ(interp.script->killPoc1(*a), 1);
    EXPECT_FALSE(store.isVariableItem2("x", a->pocContext.firstString()));
    EXPECT_TRUE(store.isVariableItem2("z", b->pocContext.firstString()));
    EXPECT_TRUE(store.isPublicVariableItem("var1"));
    EXPECT_EQ(interp.script->killPoc1(*a), 1); // not in the list any more: left alone
}

TEST(Shells, LoadingNumberingAndMain) {
    Interp interp;
    auto first = interp.script->addShellItem4("same", "sub main(ObjectArray args[10])\r\nendsub");
    auto second =
        interp.script->addShellItem4("same", "sub main(ObjectArray args[10])\nendsub\nsub other()\nendsub");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->shellID, first->shellID + 1);
    EXPECT_GE(first->shellID, 1500);
    EXPECT_EQ(first->cmdLines.cmdLines,
              (std::vector<std::string>{"sub main(ObjectArray args[10])", "endsub"}));
    EXPECT_EQ(interp.script->shellList.getShellItem1("same"), first);
    EXPECT_EQ(interp.script->shellList.getShellItemWithId(second->shellID), second);
    EXPECT_EQ(interp.script->addShellItem4("", "x"), nullptr);
    EXPECT_EQ(interp.script->addShellItem4("n", std::nullopt), nullptr);
    // Subs of a later shell take ids after the earlier ones.
    EXPECT_GT(interp.script->userFunctionList.findByName("other")->itemId,
              interp.script->userFunctionList.userFunctionList[0]->itemId);
    EXPECT_EQ(interp.script->createNewPocWithShellID(4), nullptr);
    EXPECT_EQ(interp.runError("sub start()\nendsub"), "[PocItem] 没有找到用户方法:main");
    EXPECT_FALSE(interp.script->runPaused);
}

TEST(Shells, AddshellWhileRunningStartsAProcessInTheNewShell) {
    Interp interp;
    interp.run(std::string(kMain) + "Object id\n"
                                    "id = addshell(\"second\", \"sub main(ObjectArray args[10])\")\n"
                                    "println(id == 0)\n"
                                    "endsub");
    EXPECT_EQ(interp.log, (std::vector<std::string>{"println:0"}));
    EXPECT_FALSE(interp.script->runPaused);
    EXPECT_EQ(interp.script->shellList.size(), 2);
}

// A page button starts a sub from a worker thread while the loop runs on
// another: the new processes join the running loop (or start one) and the
// process list is never walked while it grows.
TEST(Processes, ButtonSubsFromAnotherThreadJoinTheLoop) {
    auto script = Script::create();
    script->initSelf();
    std::mutex logMutex;
    std::vector<std::string> log;
    script->setLogSink([&](const std::string& line) {
        std::lock_guard lock(logMutex);
        log.push_back(line);
    });
    script->addShellItem3("page",
                          std::string(kMain) + "Object i\ni = 0\nwhile (i != 3000)\ni = i + 1\nwend\nendsub\n"
                                               "sub button(Object a)\nprintln(a)\nendsub",
                          true);
    std::thread worker([&] {
        for (int i = 0; i < 40; ++i) {
            ParamerList args;
            args.addData2("press");
            script->runAtFunctionNameByNewPoc("button", args);
        }
    });
    script->coreStart(nullptr);
    worker.join();
    // Presses that came as the loop ended were run by it or by a loop of
    // their own: none is left waiting.
    std::lock_guard lock(logMutex);
    EXPECT_EQ(log.size(), 40u);
    EXPECT_EQ(script->pocList.size(), 0);
}
