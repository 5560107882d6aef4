// Processes: cooperative flows of control inside one instance. A process is
// a position in a shell plus its own evaluation state; the run loop executes
// one command line of one process per turn. Sub calls save a deep copy of
// the whole context on the process's context stack and a return puts it
// back, so no native call stack is used.
//
//   auto poc = script->createNewPocWithShellItem3(shell, nullptr);   // starts at main
#pragma once

#include "Token/TokenItem.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

class Script;
class ShellItem;
class UserFunctionItem;

struct PocItemRunningType {
    static constexpr int Nul = 0;
    static constexpr int Ready = 1;
    static constexpr int Paused = 2;
    static constexpr int TempPause = 3;
    static constexpr int Wait = 4;
};

class PocItemContextItem {
public:
    int ID{0};
    int Pi{0};
    int shellId{-1};
    int curLevel{0};
    bool isError{false};
    int pocRunningType{PocItemRunningType::Ready};
    int waitTimer{0};
    std::string name;
    // Shared with the evaluator while a line of this context runs, so that
    // ending the process in the middle of its line leaves nothing dangling.
    std::shared_ptr<TokenQueueCmd> tokenQueueCmd;
    std::shared_ptr<TokenStackData> tokenStackData;

    PocItemContextItem() = default;
    PocItemContextItem(int id, std::string name, int shellId);
    // A copy with its own queue and operand stack.
    PocItemContextItem deepCopy() const;
    // "sub_<number>_<name>_<level>": the scope of this level's locals.
    std::string firstString() const;
};

class PocItem {
public:
    PocItemContextItem pocContext;
    std::vector<PocItemContextItem> contextStack;
    Script* script{nullptr};
    bool isError{false};

    PocItem(Script* owner, PocItemContextItem context);

    bool run1(const ParamerList* args);
    bool run2();
    bool gosubUserFunction2(const std::string& name, int shellId, const ParamerList* args);
    bool gosubUserFunction1(const UserFunctionItem& function, const ParamerList* args);
    bool contextStackPush();
    bool contextStackPop();
    // The arguments pushed above the marker on the most recently saved
    // operand stack, last argument first; none when nothing is saved.
    std::optional<ParamerList> getLastParamerListByStackTop(const std::string& marker);
    bool clearTokenStack();
    bool wait(int turns);
    std::shared_ptr<ShellItem> getShellItem() const;
    std::string getCurVariableFirstString() const { return pocContext.firstString(); }
    int ID() const { return pocContext.ID; }
};

using PocItemPtr = std::shared_ptr<PocItem>;

// The live processes of an instance. A page button may add a process from
// a worker thread while the run loop walks the list, so every operation
// holds the list's lock.
class PocList {
public:
    std::vector<PocItemPtr> pocList;
    bool isError{false};

    PocList() = default;
    PocList(const PocList&) = delete;
    PocList& operator=(const PocList&) = delete;

    void addPoc1(PocItemPtr poc);
    PocItemPtr getPocItem2(int index) const;
    int getPocItemListIndex1(int id) const;
    bool killPoc(int id);
    bool killPocWithIndex(int index);
    int size() const;
    void clear();

    std::recursive_mutex& mutex() const { return m_mutex; }

private:
    mutable std::recursive_mutex m_mutex;
};

// The round-robin scheduler over an instance's process list.
class Core {
public:
    explicit Core(PocList& list) : pocList(list) {}

    PocItemPtr getCanRunPoc();
    bool isEnd() const;

    int curPocIndex{0};
    PocList& pocList;
};
