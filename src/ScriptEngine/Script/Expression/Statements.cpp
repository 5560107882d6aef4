// The keyword statements of the language. Each keyword has its operands
// collected like a function (Expression::getParamerList) and then acts here.

#include "Expression/Expression.h"

#include "Functions/SysFunctionList.h"
#include "Global/PublicFunctions.h"
#include "Global/ScriptException.h"
#include "Script/Script.h"
#include "Shell/ShellItem.h"

namespace {

const char* const kSource = "Expression";

[[noreturn]] void fail(const char* message) {
    throw ScriptException(kSource, message);
}

std::string dataOf(const ParamerList& operands, int i) {
    auto item = operands.getSingleVariableItem(i);
    return item ? item->data : std::string();
}

} // namespace

void Expression::evaluateKeyword(const SysFunctionItem& entry, ParamerList& operands, bool /*hasOperands*/) {
    using T = SysFunctionItemType;
    VariableList& store = script->variableList;
    // Every statement runs inside a process; a line run without one (by a
    // host that calls the evaluator directly) is refused, never dereferenced.
    if (!script->curPocItem)
        fail("没有运行中的进程");
    switch (entry.itemId) {
    case T::type_object:
    case T::type_objectArray: {
        VariableItemPtr declared = operands.getSingleVariableItem(0);
        if (store.isPublicVariableItem(declared->name)) {
            // A declaration of a public name reuses the public variable.
            tokenStackData->push1(std::move(operands.paramerList[0]));
            return;
        }
        if (declared->name != "_unknow_token")
            fail("变量重复声明或以关键字作为变量名");
        const std::string name = declared->data;
        const std::string& firstString = script->getCurVariableFirstString();
        if (store.isVariableItem2(name, firstString))
            fail("变量重复声明");
        int at = -1;
        if (entry.itemId == T::type_object) {
            at = store.addVariableItem5(name, "", false, firstString, 0, 0, VariableItemType::getObject);
        } else {
            const int length = PublicFunctions::Val(dataOf(operands, 1));
            if (length < 0)
                fail("变量创建失败");
            at = store.addVariableItem_AutoCreateArray1(VariableItem::make(
                name, "", VariableItemType::getObjectArray, length, 0, false, firstString));
        }
        if (at < 0 || at >= store.size())
            fail("变量创建失败");
        tokenStackData->push2(store.variableItems[static_cast<size_t>(at)]);
        return;
    }
    case T::type_public: {
        VariableItemPtr variable = operands.getSingleVariableItem(0);
        if (!store.isVariableItem1(variable->name, script->getCurVariableFirstString()))
            fail("变量不存在");
        if (variable->arrayItemIndex >= 1)
            fail("不能指定数组单元的生存期");
        const int at = store.indexOfItem(variable.get());
        const int count = at >= 0 ? store.gatherCount(at) : 1;
        for (int i = 0; i < count; ++i) {
            VariableItem& item = at >= 0 ? *store.variableItems[static_cast<size_t>(at + i)] : *variable;
            item.isPublic = true;
            item.firstString.clear();
        }
        tokenStackData->push2(std::move(variable));
        return;
    }
    case T::scriptCtrl_println:
        script->log("println:" + dataOf(operands, 0));
        return;
    case T::scriptCtrl_printf: {
        std::string text;
        for (const auto& item : operands.paramerList[0].variableItems)
            text += item->data;
        script->log("printf :" + text);
        return;
    }
    case T::scriptCtrl_if:
        if (PublicFunctions::Val(dataOf(operands, 0)) == 0)
            script->curPocItem->pocContext.Pi = PublicFunctions::Val(dataOf(operands, 1));
        return;
    case T::scriptCtrl_then: {
        auto shell = script->getCurShellItem();
        const int here = script->curPocItem->pocContext.Pi - 1;
        const FindResult5 found =
            shell ? shell->cmdLines.findPairsStrings("if", SubStringLocType::getIsFirst, "endif",
                                                     SubStringLocType::getIsEnd, here)
                  : FindResult5(-1);
        if (!found.isFinded)
            fail("没有找到配对的endif");
        pushValue("then_result", std::to_string(found.index), VariableItemType::getObject);
        return;
    }
    case T::scriptCtrl_while:
        jumpFromWhile(PublicFunctions::Val(dataOf(operands, 0)));
        return;
    case T::scriptCtrl_wend:
        jumpFromWend();
        return;
    case T::scriptCtrl_sub: {
        PocItem& poc = *script->curPocItem;
        const auto args = poc.getLastParamerListByStackTop("@newsub");
        const std::string& firstString = script->getCurVariableFirstString();
        int next = 0;
        VariableList parameter;
        // The last declared parameter takes the last argument, and so on.
        while (tokenStackData->pop(parameter)) {
            VariableItemPtr item = parameter.getSingleItem();
            if (!item)
                continue;
            if (!item->isPublic)
                item->firstString = firstString;
            if (args && next < args->size()) {
                store.let(item, args->get(next));
                ++next;
            }
        }
        return;
    }
    case T::scriptCtrl_endsub:
        endSubLevel(nullptr, false);
        return;
    case T::scriptCtrl_return:
        endSubLevel(operands.get(0), true);
        return;
    case T::scriptCtrl_addshell: {
        auto shell = script->addShellItem4(dataOf(operands, 0), dataOf(operands, 1));
        tokenStackData->push2(VariableItem::make("shellcreateret", std::to_string(shell ? shell->shellID : 0),
                                                 VariableItemType::getObject, 0, 0, false, ""));
        return;
    }
    case T::scriptCtrl_createpoc:
    case T::scriptCtrl_createpocbyshell: {
        PocItemPtr poc = entry.itemId == T::scriptCtrl_createpoc
                             ? script->runAtFunctionNameByNewPoc(dataOf(operands, 0), ParamerList())
                             : script->createNewPocWithShellID(PublicFunctions::Val(dataOf(operands, 0)));
        if (!poc)
            fail("创建线程失败");
        pushValue("createpocret", std::to_string(poc->ID()), VariableItemType::getObject);
        return;
    }
    case T::scriptCtrl_call: {
        ParamerList list;
        if (!tokenStackData->isEmpty())
            list = tokenStackData->getLastParamerList("@netcall");
        list.reverse();
        const FindResult1 id = script->sysFunctionList.getFunctionItemId1("@call");
        if (!id.isFinded)
            fail("没有call方法的实现");
        auto result = script->implFunctions->call(id.index, &list);
        if (!result)
            fail("外部函数无返回值");
        if (result->isError) {
            pushValue("errorret", "", VariableItemType::getObject);
            return;
        }
        if (!result->resultData.empty())
            tokenStackData->push1(std::move(result->resultData));
        return;
    }
    case T::scriptCtrl_append: {
        VariableItemPtr target = operands.getSingleVariableItem(0);
        const int at = store.indexOfItem(target.get());
        VariableList joined = at >= 0 ? store.getVariableList2(at) : operands.paramerList[0];
        for (const auto& item : operands.paramerList[1].variableItems)
            joined.variableItems.push_back(item);
        joined.isSingleArray = true;
        tokenStackData->push1(store.let(target, &joined));
        return;
    }
    case T::scriptCtrl_clearallvariable:
        store.clear();
        return;
    case T::scriptCtrl_clearallsubvariable:
        store.removeAllSubItem();
        return;
    case T::scriptCtrl_clearallpublicvariable:
        store.removeAllPublicItem();
        return;
    case T::scriptCtrl_end: {
        const FindResult1 id = script->sysFunctionList.getFunctionItemId1("script_kill");
        if (id.isFinded) {
            ParamerList list;
            list.add2(VariableItem::make("id", script->scriptID, VariableItemType::getObject));
            script->implFunctions->call(id.index, &list);
        }
        // "end" ends its own script: every process stops here.
        tokenQueueCmd->clear();
        script->allStop();
        return;
    }
    default:
        return; // registered words without an action of their own
    }
}

void Expression::endSubLevel(const VariableList* value, bool hasValue) {
    PocItemPtr poc = script->curPocItem;
    if (!poc)
        return;
    if (!poc->contextStack.empty() && poc->contextStack.back().curLevel != 0) {
        if (hasValue && value)
            poc->contextStack.back().tokenStackData->push1(VariableList::copyOf(*value));
        script->variableList.delVariableItemWithFirstString(script->getCurVariableFirstString());
        poc->contextStackPop();
        // The rest of the calling line goes on in this same turn.
        tokenQueueCmd = poc->pocContext.tokenQueueCmd;
        tokenStackData = poc->pocContext.tokenStackData;
        return;
    }
    if (hasValue && value)
        script->setCurFunctionResult(std::make_shared<VariableList>(VariableList::copyOf(*value)));
    tokenQueueCmd->clear();
    script->killPoc1(*poc);
}

// "while (condition)" tests its condition on its own line: when it is 0 the
// process goes on after the matching "wend"; "wend" goes back to the while
// line. Pairs nest by depth like if/endif.
void Expression::jumpFromWhile(int conditionValue) {
    auto shell = script->getCurShellItem();
    PocItemContextItem& context = script->curPocItem->pocContext;
    const FindResult5 found =
        shell ? shell->cmdLines.findPairsStrings("while", SubStringLocType::getIsFirst, "wend",
                                                 SubStringLocType::getIsEnd, context.Pi - 1)
              : FindResult5(-1);
    if (!found.isFinded)
        fail("没有找到配对的wend");
    if (conditionValue == 0)
        context.Pi = found.index + 1;
}

void Expression::jumpFromWend() {
    auto shell = script->getCurShellItem();
    PocItemContextItem& context = script->curPocItem->pocContext;
    const FindResult5 found =
        shell ? shell->cmdLines.findPairsStringsBackward("while", SubStringLocType::getIsFirst, "wend",
                                                         SubStringLocType::getIsEnd, context.Pi - 1)
              : FindResult5(-1);
    if (!found.isFinded)
        fail("没有找到配对的while");
    context.Pi = found.index;
}
