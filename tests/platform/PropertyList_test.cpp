#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class PropertyListFileTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir =
            fs::path(temporaryDirectory()) / testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_path = (m_dir / "options.plist").string();
    }
    void TearDown() override {
        setAtomicWriteFaultForTesting(AtomicWriteFault::None);
        fs::remove_all(m_dir);
    }

    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (auto& entry : fs::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_dir;
    std::string m_path;
};

PlistValue sampleOptions() {
    auto station = PlistValue::dictionary();
    station.set("name", "火车站");
    station.set("code", "10086");
    auto line = PlistValue::dictionary();
    line.set("name", "1路");
    line.set("loop", PlistValue::boolean(true));

    auto root = PlistValue::dictionary();
    // Keys deliberately out of alphabetical order: the file keeps insertion order.
    root.set("uid", "用户-7");
    root.set("name", "张三 <a&b> \"q\"");
    root.set("password", "");
    root.set("count", PlistValue::integer(-42));
    root.set("big", PlistValue::integer(9007199254740993LL));
    root.set("ratio", PlistValue::real(0.1));
    root.set("off", PlistValue::boolean(false));
    root.set("sites", PlistValue::array({station, line, PlistValue::array()}));
    root.set("empty", PlistValue::dictionary());
    return root;
}

TEST_F(PropertyListFileTest, NestedValuesWithChineseTextSurviveARoundTrip) {
    const auto written = sampleOptions();
    ASSERT_TRUE(writePropertyList(m_path, written));

    auto read = readPropertyList(m_path);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, written);
    EXPECT_EQ(read->keys(), (std::vector<std::string>{"uid", "name", "password", "count", "big", "ratio",
                                                      "off", "sites", "empty"}));
    EXPECT_EQ(read->stringForKey("name"), "张三 <a&b> \"q\"");
    EXPECT_EQ(read->find("count")->asInteger(), -42);
    EXPECT_EQ(read->find("sites")->at(1).stringForKey("name"), "1路");
    EXPECT_TRUE(read->find("sites")->at(1).find("loop")->asBoolean());
    EXPECT_TRUE(read->find("empty")->isDictionary());

    // Reading and writing again gives the same bytes: nothing drifts between runs.
    auto firstBytes = readWholeFile(m_path);
    ASSERT_TRUE(writePropertyList(m_path, *read));
    EXPECT_EQ(readWholeFile(m_path), firstBytes);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"options.plist"});
}

TEST_F(PropertyListFileTest, TruncatedFileReadsAsAbsentAndALaterWriteStillWorks) {
    ASSERT_TRUE(writePropertyList(m_path, sampleOptions()));
    const auto whole = *readWholeFile(m_path);

    // Every cut, from the middle of the header to the last byte of the
    // closing tag, must be noticed.
    for (size_t cut : {size_t{0}, size_t{10}, whole.size() / 2, whole.find("火车站") + 2, whole.size() - 9,
                       whole.size() - 2}) {
        SCOPED_TRACE(cut);
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << whole.substr(0, cut);
        EXPECT_FALSE(readPropertyList(m_path));
    }

    auto fresh = PlistValue::dictionary();
    fresh.set("uid", "新用户");
    ASSERT_TRUE(writePropertyList(m_path, fresh));
    EXPECT_EQ(readPropertyList(m_path), fresh);
}

TEST_F(PropertyListFileTest, DamagedOrForeignContentReadsAsAbsent) {
    const std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";
    const std::vector<std::string> damaged{
        "",
        "not a plist at all",
        header + "<dict><key>a</key><string>x</dict></plist>",                 // unclosed string
        header + "<dict><key>a</key><string>\xFF\xFE</string></dict></plist>", // not UTF-8
        std::string("\0\0\0\0</plist>", 12),
        "bplist00garbage",
    };
    for (auto& bytes : damaged) {
        SCOPED_TRACE(bytes);
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
        EXPECT_FALSE(readPropertyList(m_path));
    }
    EXPECT_FALSE(readPropertyList((m_dir / "missing.plist").string()));
}

TEST_F(PropertyListFileTest, CrashBetweenWriteAndRenameLeavesTheOldFileIntact) {
    const auto old = sampleOptions();
    ASSERT_TRUE(writePropertyList(m_path, old));

    auto replacement = PlistValue::dictionary();
    replacement.set("uid", "半途");
    setAtomicWriteFaultForTesting(AtomicWriteFault::CrashBeforeRename);
    EXPECT_FALSE(writePropertyList(m_path, replacement));
    setAtomicWriteFaultForTesting(AtomicWriteFault::None);

    // The "crash" left its complete temporary file beside the old one.
    auto files = filesInFolder();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(readPropertyList(m_path), old);

    // A stray half-written temporary file from an earlier crash does not
    // disturb reading or the next write either.
    std::ofstream(m_dir / "options.plist.tmp.abc123") << "<?xml version=\"1.0\"?><plist><di";
    EXPECT_EQ(readPropertyList(m_path), old);
    ASSERT_TRUE(writePropertyList(m_path, replacement));
    EXPECT_EQ(readPropertyList(m_path), replacement);
}

TEST_F(PropertyListFileTest, FailedWriteAnswersFalseAndCreatesNothing) {
    const auto missingFolder = (m_dir / "no-such-folder" / "sites.plist").string();
    EXPECT_FALSE(writePropertyList(missingFolder, sampleOptions()));
    EXPECT_FALSE(fs::exists(m_dir / "no-such-folder"));

    // A folder in the way of the target: the rename fails and the temporary
    // file is cleaned up.
    fs::create_directories(m_dir / "sites.plist" / "inner");
    EXPECT_FALSE(writePropertyList((m_dir / "sites.plist").string(), sampleOptions()));
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"sites.plist"});
}

TEST(PlistValueTest, DictionaryEditingKeepsPositionsAndTypes) {
    auto dict = PlistValue::dictionary();
    dict.set("b", "1");
    dict.set("a", PlistValue::integer(2));
    dict.set("b", "3"); // replaced in place
    EXPECT_EQ(dict.keys(), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(dict.stringForKey("b"), "3");
    EXPECT_EQ(dict.stringForKey("a", "fallback"), "fallback"); // not a string
    EXPECT_TRUE(dict.remove("b"));
    EXPECT_FALSE(dict.remove("b"));
    EXPECT_EQ(dict.keys(), std::vector<std::string>{"a"});

    EXPECT_EQ(PlistValue::real(1e300).asInteger(), INT64_MAX);
    EXPECT_EQ(PlistValue::real(-2.9).asInteger(), -2);
    EXPECT_EQ(PlistValue("x").find("x"), nullptr);
    EXPECT_NE(PlistValue::integer(1), PlistValue::real(1.0));
}

TEST(PlistValueTest, ParsesBinaryAndForeignXmlTypes) {
    // A plist as other tools write it: <date> and <data> read as a real and bytes.
    const std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<plist version=\"1.0\"><dict>"
                            "<key>when</key><date>2001-01-01T00:01:00Z</date>"
                            "<key>blob</key><data>aGk=</data>"
                            "</dict></plist>\n";
    auto value = parsePropertyList(xml);
    ASSERT_TRUE(value);
    EXPECT_DOUBLE_EQ(value->find("when")->asReal(), 978307260.0);
    EXPECT_EQ(value->stringForKey("blob"), "hi");
}

} // namespace
