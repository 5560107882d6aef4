#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class TextFileTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::path(temporaryDirectory()) / "textfile";
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_path = (m_dir / "bus_announcement.txt").string();
    }
    void TearDown() override {
        setAtomicWriteFaultForTesting(AtomicWriteFault::None);
        fs::remove_all(m_dir);
    }

    fs::path m_dir;
    std::string m_path;
};

TEST_F(TextFileTest, ChineseTextRoundTripsExactly) {
    const std::string text = "公交公告：1路改线\r\n第二行\t😀\n\n";
    ASSERT_TRUE(writeTextFile(m_path, text));
    EXPECT_EQ(readTextFile(m_path), text);
    ASSERT_TRUE(writeTextFile(m_path, ""));
    EXPECT_EQ(readTextFile(m_path), "");
}

TEST_F(TextFileTest, MissingOrNonUtf8FileReadsAsNone) {
    EXPECT_FALSE(readTextFile((m_dir / "missing.txt").string()));
    std::ofstream(m_path, std::ios::binary) << "\xB9\xAB\xBD\xBB"; // GBK, not UTF-8
    EXPECT_FALSE(readTextFile(m_path));
}

TEST_F(TextFileTest, ByteOrderMarkIsDropped) {
    std::ofstream(m_path, std::ios::binary) << "\xEF\xBB\xBF公告";
    EXPECT_EQ(readTextFile(m_path), "公告");
}

TEST_F(TextFileTest, CrashBeforeRenameKeepsTheOldText) {
    ASSERT_TRUE(writeTextFile(m_path, "旧的缓存"));
    setAtomicWriteFaultForTesting(AtomicWriteFault::CrashBeforeRename);
    EXPECT_FALSE(writeTextFile(m_path, "新的缓存"));
    setAtomicWriteFaultForTesting(AtomicWriteFault::None);
    EXPECT_EQ(readTextFile(m_path), "旧的缓存");
    ASSERT_TRUE(writeTextFile(m_path, "新的缓存"));
    EXPECT_EQ(readTextFile(m_path), "新的缓存");
}

TEST(Utf8Test, ValidatesWellFormedUtf8) {
    struct Case {
        std::string text;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"abc", true},
        {"站点", true},
        {"\xF0\x9F\x98\x80", true},  // U+1F600
        {"\xE7\xAB", false},         // cut inside a character
        {"\x80", false},             // stray continuation byte
        {"\xC0\xAF", false},         // overlong "/"
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"ok\xFF", false},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isValidUtf8(c.text), c.valid);
    }
}

} // namespace
