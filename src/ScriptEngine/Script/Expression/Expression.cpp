#include "Expression/Expression.h"

#include "Functions/SysFunctionList.h"
#include "Functions/UserFunctionList.h"
#include "Global/PublicFunctions.h"
#include "Global/ScriptException.h"
#include "Script/Script.h"
#include "Separator/SysSeparatorList.h"
#include "Shell/ShellItem.h"

#include <climits>

namespace {

const char* const kSource = "Expression";

[[noreturn]] void fail(const char* message) {
    throw ScriptException(kSource, message);
}

// Cuts a line into words. isVariable tells whether a piece names a variable
// visible in the running process; such a piece is followed by its index
// part, so that every variable reference reads as a one-operand call.
template <class IsVariable>
void splitWords(std::string_view line, const SysSeparatorList& separators,
                std::vector<std::string_view>& pieces, std::vector<std::string>& words,
                IsVariable isVariable) {
    Expression::MyStringTokenizer(line, separators, pieces);
    words.clear();
    const size_t n = pieces.size();
    for (size_t i = 0; i < n; ++i) {
        const std::string_view piece = pieces[i];
        if (piece == "\"") {
            size_t close = i + 1;
            while (close < n && pieces[close] != "\"")
                ++close;
            if (close >= n)
                fail("没有配对的引号");
            // The pieces lie in the line one after another: the word is the
            // text from the opening to the closing quote, as written.
            const char* begin = piece.data();
            const char* end = pieces[close].data() + 1;
            words.emplace_back(begin, static_cast<size_t>(end - begin));
            i = close;
            continue;
        }
        if (piece == " " || piece == "\t")
            continue;
        // "==" and "!=" are rebuilt only from adjacent characters.
        if ((piece == "=" || piece == "!") && i + 1 < n && pieces[i + 1] == "=") {
            words.emplace_back(piece == "=" ? "==" : "!=");
            ++i;
            continue;
        }
        if (piece == "," || PublicFunctions::isNumber(piece)) {
            words.emplace_back(piece);
            continue;
        }
        if (isVariable(piece)) {
            words.emplace_back(piece);
            if (i + 1 < n && pieces[i + 1] == "[") {
                words.emplace_back("(");
                ++i;
            } else {
                words.emplace_back("(");
                words.emplace_back("@all");
                words.emplace_back(")");
            }
            continue;
        }
        if (piece == "[")
            words.emplace_back("(");
        else if (piece == "]")
            words.emplace_back(")");
        else
            words.emplace_back(piece);
    }
}

bool isWord(const TokenItem& token, std::string_view word) {
    return token.string == word;
}

VariableItemPtr firstItem(const ParamerList& operands, int i) {
    return operands.getSingleVariableItem(i);
}

std::string dataOf(const ParamerList& operands, int i) {
    auto item = operands.getSingleVariableItem(i);
    return item ? item->data : std::string();
}

int wrap32(long long value) {
    // 32-bit integer arithmetic wraps around like the machine's.
    return static_cast<int>(static_cast<unsigned int>(static_cast<unsigned long long>(value)));
}

} // namespace

Expression::Expression(Script* owner) : script(owner) {}

void Expression::MyStringTokenizer(std::string_view text, const SysSeparatorList& separators,
                                   std::vector<std::string_view>& pieces) {
    pieces.clear();
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!separators.isSplitChar(static_cast<unsigned char>(text[i])))
            continue;
        if (i > start)
            pieces.push_back(text.substr(start, i - start));
        pieces.push_back(text.substr(i, 1));
        start = i + 1;
    }
    if (start < text.size())
        pieces.push_back(text.substr(start));
}

const std::vector<std::string>& Expression::SplitCmdLine(std::string_view line) {
    const std::string& firstString = script->getCurVariableFirstString();
    const VariableList& store = script->variableList;
    m_candidates.clear();
    splitWords(line, script->sysSeparatorList, m_pieces, expression, [&](std::string_view piece) {
        const int found = store.findVisible(piece, firstString);
        m_candidates.emplace_back(piece, found >= 0 ? store.variableItems[static_cast<size_t>(found)].get()
                                                    : nullptr);
        return found >= 0;
    });
    return expression;
}

std::vector<std::string> Expression::SplitCmdLineNoVariable(std::string_view line,
                                                            const SysSeparatorList& separators) {
    std::vector<std::string_view> pieces;
    std::vector<std::string> words;
    splitWords(line, separators, pieces, words, [](std::string_view) { return false; });
    return words;
}

bool Expression::isNotConstant2(const TokenItem& token) {
    switch (token.type) {
    case TokenType::getError:
    case TokenType::getNum:
    case TokenType::getStr:
    case TokenType::getCtrl:
    case TokenType::getNul:
        return false;
    default:
        return true;
    }
}

void Expression::adoptCurrentContext() {
    tokenQueueCmd = script->getCurTokenQueueCmd();
    tokenStackData = script->getCurTokenStackData();
}

std::optional<VariableList> Expression::runCmdLine(const std::string& line) {
    if (!line.empty() && line.front() == '\'')
        return std::nullopt;
    if (script->budget.maxLineLength > 0 && line.size() > script->budget.maxLineLength)
        throw ScriptException("Script",
                              "命令行长度超出限制(" + std::to_string(script->budget.maxLineLength) + "字节)");
    adoptCurrentContext();
    if (!tokenQueueCmd || !tokenStackData) {
        tokenQueueCmd = std::make_shared<TokenQueueCmd>();
        tokenStackData = std::make_shared<TokenStackData>();
    }
    if (!lineCacheEnabled) {
        SplitCmdLine(line);
        toRight();
        return getResult();
    }
    auto cached = m_lineCache.find(&line);
    if (cached != m_lineCache.end() && cached->second.text == line && stillValid(cached->second)) {
        tokenQueueCmd->tokenQueue = cached->second.postfix;
        tokenQueueCmd->readLoc = 0;
        return getResult();
    }
    SplitCmdLine(line);
    toRight();
    // The cache is bounded by the text it holds; a script of many long lines
    // simply starts it again.
    if (m_lineCache.size() >= 4096 || m_lineCacheBytes > (4u << 20)) {
        m_lineCache.clear();
        m_lineCacheBytes = 0;
    }
    CachedLine& entry = m_lineCache[&line];
    m_lineCacheBytes += line.size() * 3 + sizeof(CachedLine);
    entry.text = line;
    entry.registryVersion = script->registryVersion();
    entry.candidates.clear();
    for (const auto& [word, variable] : m_candidates)
        entry.candidates.emplace_back(std::string(word), variable);
    entry.postfix = tokenQueueCmd->tokenQueue;
    return getResult();
}

bool Expression::stillValid(const CachedLine& cached) const {
    if (cached.registryVersion != script->registryVersion())
        return false;
    const std::string& firstString = script->getCurVariableFirstString();
    const VariableList& store = script->variableList;
    for (const auto& [word, variable] : cached.candidates) {
        const int found = store.findVisible(word, firstString);
        const VariableItem* now =
            found >= 0 ? store.variableItems[static_cast<size_t>(found)].get() : nullptr;
        if (now != variable)
            return false;
    }
    return true;
}

void Expression::toRight() {
    TokenQueueCmd& queue = *tokenQueueCmd;
    queue.clear();
    m_operators.clear();
    if (expression.empty())
        throw ScriptException("TokenItem", "空关键字");
    for (std::string& words : expression) {
        TokenItem token = TokenItem::initTokenItem3(std::move(words), script);
        const std::string& word = token.string;
        if (!isNotConstant2(token)) {
            queue.add(std::move(token));
            continue;
        }
        if (m_operators.empty() || word == "(") {
            m_operators.push_back(std::move(token));
            continue;
        }
        if (word == ")") {
            bool opened = false;
            while (!m_operators.empty()) {
                TokenItem top = std::move(m_operators.back());
                m_operators.pop_back();
                if (isWord(top, "(")) {
                    opened = true;
                    break;
                }
                queue.add(std::move(top));
            }
            // A ")" without its "(" would otherwise leave the line unordered.
            if (!opened)
                fail("文法错误");
            if (m_operators.size() >= 2) {
                TokenItem top = std::move(m_operators.back());
                m_operators.pop_back();
                if (!isNotConstant2(top) || isWord(top, "("))
                    m_operators.push_back(std::move(top));
                else if (isWord(top, ")"))
                    fail("文法错误");
                else
                    queue.add(std::move(top));
            }
            continue;
        }
        if (word == ",") {
            if (!isWord(m_operators.back(), "(")) {
                queue.add(std::move(m_operators.back()));
                m_operators.pop_back();
            }
            continue;
        }
        while (!m_operators.empty() && m_operators.back().Level >= token.Level &&
               !isWord(m_operators.back(), "(")) {
            queue.add(std::move(m_operators.back()));
            m_operators.pop_back();
        }
        m_operators.push_back(std::move(token));
    }
    while (!m_operators.empty()) {
        queue.add(std::move(m_operators.back()));
        m_operators.pop_back();
    }
    queue.reverse();
}

void Expression::pushValue(std::string name, std::string data, int type) {
    tokenStackData->push2(VariableItem::make(std::move(name), std::move(data), type));
}

bool Expression::getParamerList(int count, ParamerList& out) {
    out.paramerList.clear();
    if (count <= 0)
        return false;
    TokenStackData& stack = *tokenStackData;
    if (stack.isEmpty())
        fail("缺少参数1");
    if (stack.size() < count)
        fail("缺少参数2");
    const size_t first = stack.variableListStack.size() - static_cast<size_t>(count);
    for (size_t i = first; i < stack.variableListStack.size(); ++i) {
        const VariableList& value = stack.variableListStack[i];
        if (value.empty())
            fail("缺少参数或参数错误");
        const std::string& name = value.variableItems.front()->name;
        if (name == "@newline" || name == "@newsub")
            fail("缺少参数或参数错误");
    }
    out.paramerList.reserve(static_cast<size_t>(count));
    for (size_t i = first; i < stack.variableListStack.size(); ++i)
        out.paramerList.push_back(std::move(stack.variableListStack[i]));
    stack.variableListStack.resize(first);
    return true;
}

std::optional<VariableList> Expression::getResult() {
    tokenStackData->clear();
    TokenItem token;
    while (tokenQueueCmd && !tokenQueueCmd->isEmpty()) {
        tokenQueueCmd->pop(token);
        switch (token.type) {
        case TokenType::getNul:
            break;
        case TokenType::getError:
            pushValue("_unknow_token", token.string, VariableItemType::getObject);
            break;
        case TokenType::getCtrl:
            pushValue(token.string, token.string, VariableItemType::getCtrl);
            break;
        case TokenType::getNum:
            pushValue("_num", token.value, VariableItemType::getNumber);
            break;
        case TokenType::getStr:
            pushValue("_str", token.value, VariableItemType::getObject);
            break;
        case TokenType::getSysFun:
            evaluateSysFunction(token);
            break;
        case TokenType::getUserFun:
            evaluateUserFunction(token);
            break;
        case TokenType::getVal:
            evaluateVariable(token);
            break;
        case TokenType::getSysSeq:
            evaluateSeparator(token);
            break;
        default:
            fail("未定义的符号");
        }
        const auto& result = script->curFunctionResult;
        if (result && !result->empty()) {
            VariableList& store = script->variableList;
            int at = store.getVariableItemListIndex4("sysresult", false, true, "");
            if (at < 0)
                at = store.addVariableItem5("sysresult", "", true, "", 0, 0, VariableItemType::getObject);
            store.setItemData(at, result->variableItems.front()->data);
        }
    }
    if (!tokenStackData || tokenStackData->isEmpty())
        return std::nullopt;
    return *tokenStackData->top();
}

bool Expression::currentProcessAlive() const {
    const auto& poc = script->curPocItem;
    return poc && script->pocList.getPocItemListIndex1(poc->ID()) >= 0;
}

void Expression::checkText(const std::string& text) const {
    const size_t limit = script->budget.maxTextLength;
    if (limit > 0 && text.size() > limit)
        throw ScriptException("Script", "文本长度超出限制(" + std::to_string(limit) + "字节)");
}

void Expression::evaluateSysFunction(const TokenItem& token) {
    auto entry = script->sysFunctionList.getFunctionItemWithItemId(token.itemId);
    if (!entry)
        fail("未定义的符号");
    ParamerList operands;
    const bool hasOperands = getParamerList(entry->paramerCount, operands);
    if (!entry->isImplFunction) {
        evaluateKeyword(*entry, operands, hasOperands);
        return;
    }
    auto result = script->implFunctions->call(entry->itemId, hasOperands ? &operands : nullptr);
    if (!result)
        fail("外部函数无返回值");
    if (result->isError)
        fail("外部函数执行错误");
    // A built-in may have ended this very process (script_kill on its own
    // instance): the rest of the line has nothing left to run on.
    if (!currentProcessAlive()) {
        tokenQueueCmd->clear();
        return;
    }
    if (!result->resultData.empty())
        tokenStackData->push1(std::move(result->resultData));
}

void Expression::evaluateUserFunction(const TokenItem& token) {
    const TokenItem* next = tokenQueueCmd->readTop();
    if (next && next->type == TokenType::getSysFun && next->itemId == SysFunctionItemType::scriptCtrl_sub)
        return; // the sub's own header line
    auto function = token.userFunction();
    if (!function)
        fail("未定义的符号");
    ParamerList operands;
    const bool hasOperands = getParamerList(function->paramerCount(), operands);
    if (!script->curPocItem)
        fail("未定义的符号");
    script->curPocItem->gosubUserFunction1(*function, hasOperands ? &operands : nullptr);
}

void Expression::evaluateVariable(const TokenItem& token) {
    VariableList index;
    if (!tokenStackData->pop(index) || index.empty())
        fail("缺少参数1");
    const std::string& key = index.variableItems.front()->data;
    const bool all = key == "@all";
    const int offset = all ? 0 : PublicFunctions::Val(key);
    auto entry = token.variable();
    VariableList& store = script->variableList;
    int at = store.indexOfItem(entry.get());
    if (at < 0)
        at = store.getVariableItemListIndex3(*entry, false);
    if (at < 0)
        fail("变量不存在");
    const VariableItem& first = *store.variableItems[static_cast<size_t>(at)];
    if (all) {
        tokenStackData->push1(store.getVariableList2(at));
        return;
    }
    if (!first.isArray())
        fail("不是一个数组");
    // An index outside the array is refused rather than reading whatever
    // variable happens to follow it in the store.
    // The element must be the array's own: inside its recorded length, in
    // the store, and with the same name, scope and the expected index.
    const int length = first.arrayLength > 0 ? first.arrayLength : 1;
    if (offset < 0 || offset >= length - first.arrayItemIndex || offset >= store.size() - at)
        throw ScriptException("VariableList", "变量索引超限");
    auto element = store.variableItems[static_cast<size_t>(at + offset)];
    if (element->name != first.name || element->firstString != first.firstString ||
        element->isPublic != first.isPublic || element->arrayItemIndex != first.arrayItemIndex + offset)
        throw ScriptException("VariableList", "变量索引超限");
    if (!element->isArray())
        fail("不是一个数组");
    tokenStackData->push2(std::move(element));
}

void Expression::evaluateSeparator(const TokenItem& token) {
    using T = SysSeparatorItemType;
    auto entry = script->sysSeparatorList.getSeparatorItemWithItemId(token.itemId);
    if (!entry)
        fail("未定义的符号");
    ParamerList operands;
    getParamerList(entry->paramerCount, operands);
    switch (entry->itemId) {
    case T::getLet: {
        VariableList result = script->variableList.let(firstItem(operands, 0), operands.get(1));
        tokenStackData->push1(std::move(result));
        return;
    }
    case T::getEq:
    case T::getNoteq: {
        const bool equal = dataOf(operands, 0) == dataOf(operands, 1);
        const bool yes = entry->itemId == T::getEq ? equal : !equal;
        pushValue("arg0", yes ? "1" : "0", VariableItemType::getObject);
        return;
    }
    case T::getNot:
        pushValue("arg0", dataOf(operands, 0) == "0" ? "1" : "0", VariableItemType::getObject);
        return;
    case T::getAdd: {
        VariableItemPtr left = firstItem(operands, 0);
        if (left->isArray()) {
            VariableList joined = std::move(operands.paramerList[0]);
            for (const auto& item : operands.paramerList[1].variableItems)
                joined.variableItems.push_back(item);
            tokenStackData->push1(std::move(joined));
            return;
        }
        const std::string& right = dataOf(operands, 1);
        if (left->type == VariableItemType::getNumber) {
            const long long sum = static_cast<long long>(left->val()) + PublicFunctions::Val(right);
            pushValue("_tempvalue_add", std::to_string(wrap32(sum)), VariableItemType::getNumber);
            return;
        }
        std::string text;
        text.reserve(left->data.size() + right.size());
        text += left->data;
        text += right;
        checkText(text);
        pushValue("_tempvalue_add", std::move(text), VariableItemType::getObject);
        return;
    }
    case T::getSub:
    case T::getMul:
    case T::getDiv: {
        const long long a = PublicFunctions::Val(dataOf(operands, 0));
        const long long b = PublicFunctions::Val(dataOf(operands, 1));
        long long value = 0;
        if (entry->itemId == T::getSub) {
            value = a - b;
        } else if (entry->itemId == T::getMul) {
            value = a * b;
        } else {
            if (b == 0)
                fail("除数不能为零");
            value = a / b;
        }
        const char* name = entry->itemId == T::getSub   ? "_tempvalue_sub"
                           : entry->itemId == T::getMul ? "_tempvalue_mul"
                                                        : "_tempvalue_div";
        pushValue(name, std::to_string(wrap32(value)), VariableItemType::getNumber);
        return;
    }
    case T::getAnd:
    case T::getOr: {
        const bool a = PublicFunctions::Val(dataOf(operands, 0)) != 0;
        const bool b = PublicFunctions::Val(dataOf(operands, 1)) != 0;
        const bool yes = entry->itemId == T::getAnd ? (a && b) : (a || b);
        pushValue(entry->itemId == T::getAnd ? "_tempvalue_and" : "_tempvalue_or", yes ? "1" : "0",
                  VariableItemType::getObject);
        return;
    }
    default:
        return; // brackets, ",", ";" and the like take their operands and give nothing
    }
}
