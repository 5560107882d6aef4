// One command line cut into words by the evaluator's splitter without
// resolving variables; the sub header scan reads headers through it.
//
//   CmdLine line("sub f(Object a)", separators);
//   line.get(1);   // "f"
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class SysSeparatorList;
class ShellItem;

class CmdLine {
public:
    std::vector<std::string> cmdLine;

    CmdLine() = default;
    // initCmdLine2:Expression: with the instance's separator table.
    CmdLine(std::string_view line, const SysSeparatorList& separators);

    const std::string& get(int index) const;
    int size() const { return static_cast<int>(cmdLine.size()); }
};

// Where a command line lives: its index in a shell.
class CmdLineLoc {
public:
    int indexLoc{0};
    bool isError{false};
    std::shared_ptr<ShellItem> shellItem;

    CmdLineLoc() = default;
    CmdLineLoc(int index, std::shared_ptr<ShellItem> shell) : indexLoc(index), shellItem(std::move(shell)) {}
};
