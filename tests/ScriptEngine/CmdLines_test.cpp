#include "CmdLine/CmdLine.h"
#include "CmdLine/CmdLines.h"
#include "Global/ScriptException.h"
#include "Separator/SysSeparatorList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using Lines = std::vector<std::string>;

TEST(CmdLines, SplitAndNormalise) {
    const struct {
        const char* text;
        Lines lines;
    } cases[] = {
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\rb", {"a\rb"}},
        {"  \n\t\n   ' note\n'x\n", {}},
        {"x = 1 ' note", {"x = 1 ' note"}},
        {"  sub main()  \r\n\r\n  ' c\r\n  endsub", {"sub main()", "endsub"}},
        {"", {}},
        {"a\r\r\nb", {"a\r", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CmdLines::initCmdLines3(c.text).cmdLines, c.lines) << c.text;
}

TEST(CmdLines, GetOfOutsideIsEmpty) {
    CmdLines lines = CmdLines::initCmdLines3("a\nb");
    EXPECT_EQ(lines.getOf(-1), "");
    EXPECT_EQ(lines.getOf(2), "");
    EXPECT_EQ(lines.getOf(1), "b");
    EXPECT_FALSE(lines.set("x", 2));
    EXPECT_FALSE(lines.insert("x", -1));
    EXPECT_FALSE(lines.remove(5));
    EXPECT_EQ(lines.size(), 2);
}

TEST(CmdLines, FindString) {
    CmdLines lines = CmdLines::initCmdLines3("if (a) then\nx = 1\nendif\nprintln(x)");
    EXPECT_EQ(lines.findString("endif", SubStringLocType::getIsEQ, 0).index, 2);
    EXPECT_EQ(lines.findString("x", SubStringLocType::getIsIn, 2).index, 3);
    EXPECT_EQ(lines.findString("then", SubStringLocType::getIsEnd, 1).index, -1);
    EXPECT_EQ(lines.findString("", SubStringLocType::getIsIn, 0).index, -1);
    EXPECT_EQ(lines.findString("x", SubStringLocType::getIsIn, 9).index, -1);
    EXPECT_FALSE(lines.findString("x", SubStringLocType::getIsIn, 9).isFinded);
    try {
        lines.findString("x", 7, 0);
        FAIL();
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.source, "CmdLines");
        EXPECT_EQ(e.message, "subStringLoc:7");
    }
}

TEST(CmdLines, PairSearch) {
    const struct {
        const char* text;
        int start;
        int found;
    } cases[] = {
        {"if (a) then\nif (b) then\nendif\nendif", 0, 3},
        {"if (a) then\nif (b) then\nendif\nendif", 1, 2},
        {"if (a) then\niffy = 1\nendif\nendif", 0, 3}, // "iffy" opens a pair too
        {"if (a) then\nx = 1", 0, -1},
        {"if (a) then\nx = 1\nxendif", 0, 2}, // a line ending in "endif" closes
    };
    for (const auto& c : cases) {
        CmdLines lines = CmdLines::initCmdLines3(c.text);
        const FindResult5 r = lines.findPairsStrings("if", SubStringLocType::getIsFirst, "endif",
                                                     SubStringLocType::getIsEnd, c.start);
        EXPECT_EQ(r.index, c.found) << c.text;
        EXPECT_EQ(r.isFinded, c.found >= 0);
    }
    CmdLines loop = CmdLines::initCmdLines3("while (a)\nwhile (b)\nwend\nwend");
    EXPECT_EQ(loop.findPairsStringsBackward("while", 0, "wend", 1, 3).index, 0);
    EXPECT_EQ(loop.findPairsStringsBackward("while", 0, "wend", 1, 2).index, 1);
}

TEST(CmdLines, CreateByFileKeepsLinesAsTheyAre) {
    const std::string path = testing::TempDir() + "/cmdlines_test.bas";
    {
        std::ofstream out(path, std::ios::binary);
        out << "  a\r\n' c\n\nb";
    }
    CmdLines lines;
    ASSERT_TRUE(lines.createByFile(path));
    EXPECT_EQ(lines.cmdLines, (Lines{"  a", "' c", "", "b"}));
    std::remove(path.c_str());
    CmdLines missing;
    EXPECT_FALSE(missing.createByFile(path));
}

TEST(CmdLine, WordsWithoutVariables) {
    SysSeparatorList table;
    table.createDefaultList();
    CmdLine line("sub f(Object a, ObjectArray b[5])", table);
    EXPECT_EQ(line.cmdLine,
              (Lines{"sub", "f", "(", "Object", "a", ",", "ObjectArray", "b", "(", "5", ")", ")"}));
    try {
        line.get(12);
        FAIL();
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.source, "CmdLine");
        EXPECT_EQ(e.message, "get:index越界");
    }
}
