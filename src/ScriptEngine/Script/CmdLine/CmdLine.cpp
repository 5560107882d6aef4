#include "CmdLine/CmdLine.h"

#include "Expression/Expression.h"
#include "Global/ScriptException.h"

CmdLine::CmdLine(std::string_view line, const SysSeparatorList& separators)
    : cmdLine(Expression::SplitCmdLineNoVariable(line, separators)) {}

const std::string& CmdLine::get(int index) const {
    if (index < 0 || index >= size())
        throw ScriptException("CmdLine", "get:index越界");
    return cmdLine[static_cast<size_t>(index)];
}
