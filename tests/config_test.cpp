#include "config.h"
#include "support/temp_dir.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A fresh folder per test, kept for inspection when the test fails.
class ConfigTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(dir.empty()); }

    ustring write(const std::string& name, const std::string& content)
    {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << content;
        return ustring(path.c_str());
    }

    testutil::TempDir tmp{"config_test"};
    const fs::path dir{tmp.path()};
};

struct Row
{
    const char* line;
    int result;
    const char* key;
    const char* value;
};

const Row kRows[] = {
    // Assignments, with the value boundaries that matter.
    {"name = value", 0, "name", "value"},
    {"a=b#c", 0, "a", "b#c"},
    {"a=b #c", 0, "a", "b"},
    {"key = abc   # note", 0, "key", "abc"},
    {"key='a b'", 0, "key", "a b"},
    {"key=\"a b\"", 0, "key", "a b"},
    {"key='x\"'", 0, "key", "x\""},
    {"key=\"it's\"", 0, "key", "it's"},
    {"key=abc\r\n", 0, "key", "abc"},
    {"=value", 0, "", "value"},
    {"a=b=c", 0, "a", "b=c"},
    {"key = #note", 0, "key", "#note"},
    {"  \tk_e-y.1\t=\t'v' # c\n", 0, "k_e-y.1", "v"},
    {"k=''", 0, "k", ""},
    // Bytes from 128 up are value bytes but end a key.
    {"name=Gr\xC3\xBC\xC3\x9F"
     "e",
     0, "name",
     "Gr\xC3\xBC\xC3\x9F"
     "e"},
    {"n\xC3\xA4me=1", 2, nullptr, nullptr},
    // Malformed lines.
    {"key = # note", 2, nullptr, nullptr},
    {"key=", 2, nullptr, nullptr},
    {"key=   \t ", 2, nullptr, nullptr},
    {"key= \n", 2, nullptr, nullptr},
    {"key='abc", 2, nullptr, nullptr},
    {"key='abc' x", 2, nullptr, nullptr},
    {"key=abc def", 2, nullptr, nullptr},
    {"key='a\tb'", 2, nullptr, nullptr},
    {"key=a\x01", 2, nullptr, nullptr},
    {"key=a\x7F", 2, nullptr, nullptr},
    {"my key=1", 2, nullptr, nullptr},
    {"key:1", 2, nullptr, nullptr},
    {"key[0]=1", 2, nullptr, nullptr},
    {"key\n", 2, nullptr, nullptr},
    // Lines that carry nothing.
    {"key", 1, nullptr, nullptr},
    {"", 1, nullptr, nullptr},
    {"   \t", 1, nullptr, nullptr},
    {"\r\n", 1, nullptr, nullptr},
    {"# comment = x", 1, nullptr, nullptr},
    {"   # indented comment\n", 1, nullptr, nullptr},
    {"key#=1", 1, nullptr, nullptr},
};

TEST(ConfigParse, EveryRowOfTheSyntax)
{
    // Each row alone, then the in-place terminators and keep_quotes.
    for (const Row& row : kRows) {
        std::string text = row.line;
        Config config;
        ustring key("untouched");
        ustring value("untouched");
        EXPECT_EQ(config.parse(text.data(), static_cast<int>(text.size()), key, value), row.result)
            << "line [" << row.line << "]";
        EXPECT_EQ(std::string(key.c_str()), row.result == 0 ? row.key : "untouched") << row.line;
        EXPECT_EQ(std::string(value.c_str()), row.result == 0 ? row.value : "untouched")
            << row.line;
    }

    char line[] = "key = val # c\0k=v";
    Config config;
    ustring key;
    ustring value;
    ASSERT_EQ(config.parse(line, sizeof(line), key, value), 0);
    EXPECT_STREQ(line, "key");
    EXPECT_STREQ(line + 6, "val");

    config.keep_quotes = true;
    char quoted[] = "k='a \"b'";
    ASSERT_EQ(config.parse(quoted, 0, key, value), 0);
    EXPECT_EQ(value, ustring("'a \"b'"));
    char plain[] = "k=a'b";
    ASSERT_EQ(config.parse(plain, 0, key, value), 0);
    EXPECT_EQ(value, ustring("a'b"));
}

TEST_F(ConfigTest, EveryRowThroughRead)
{
    // An assignment is stored, an empty line ignored, a malformed line fails
    // the read and also drops what an earlier read stored.
    for (const Row& row : kRows) {
        Config config;
        ASSERT_EQ(config.read(write("earlier", "earlier=1\n")), 0);
        const int result = config.read(write("row", row.line));
        if (row.result == 2) {
            EXPECT_EQ(result, -1) << row.line;
            EXPECT_TRUE(config.entries.empty()) << row.line;
            continue;
        }
        EXPECT_EQ(result, 0) << row.line;
        EXPECT_EQ(config.entries.size(), row.result == 0 ? 2u : 1u) << row.line;
        if (row.result == 0) {
            EXPECT_EQ(config.entries[ustring(row.key)], ustring(row.value)) << row.line;
        }
    }
}

TEST_F(ConfigTest, ReadEdgeCases)
{
    // Blank and comment lines only, or nothing: success, nothing stored.
    Config empty;
    EXPECT_EQ(empty.read(write("blank", "\n   \n# c\n   # d\n\t\n")), 0);
    EXPECT_EQ(empty.read(write("zero", "")), 0);
    EXPECT_TRUE(empty.entries.empty());

    // Last line without LF is taken; the later of two equal keys wins; a
    // second read merges.
    Config c;
    ASSERT_EQ(c.read(write("a", "x=1\r\ny = 'two words'\nx=3")), 0);
    ASSERT_EQ(c.read(write("b", "z=4\n")), 0);
    EXPECT_EQ(c.entries, (std::map<ustring, ustring>{{"x", "3"}, {"y", "two words"}, {"z", "4"}}));

    // A lone key is ignored at the very end, malformed with its LF.
    Config lone;
    EXPECT_EQ(lone.read(write("lone", "a=1\nkey")), 0);
    EXPECT_EQ(lone.entries.size(), 1u);
    EXPECT_EQ(lone.read(write("lone_lf", "b=2\nkey\nc=3\n")), -1);
    EXPECT_TRUE(lone.entries.empty());

    // A byte-order mark makes the first line malformed.
    Config bom;
    EXPECT_EQ(bom.read(write("bom", "\xEF\xBB\xBFkey=1\n")), -1);

    // Empty path and missing file fail and keep entries; a folder opens but
    // cannot be read, which is a failure too, not an empty file.
    Config none;
    none.entries[ustring("kept")] = ustring("1");
    EXPECT_EQ(none.read(ustring("")), -1);
    EXPECT_EQ(none.read(ustring((dir / "missing").c_str())), -1);
    EXPECT_EQ(none.entries.size(), 1u);
    EXPECT_EQ(none.read(ustring(dir.c_str())), -1);

    // UTF-8 in the path.
    Config utf;
    ASSERT_EQ(utf.read(write("pid \xC3\xA9.txt", "pid=12\n")), 0);
    EXPECT_EQ(utf.entries[ustring("pid")], ustring("12"));

    // Lines longer than 8191 bytes are parsed in pieces: the tail of a long
    // comment becomes an assignment; the tail of a long value is malformed.
    Config longer;
    ASSERT_EQ(longer.read(write("long", "#" + std::string(8190, 'c') + "k=v\n")), 0);
    EXPECT_EQ(longer.entries, (std::map<ustring, ustring>{{"k", "v"}}));
    EXPECT_EQ(longer.read(write("longvalue", "k=" + std::string(9000, 'x') + "\n")), -1);
    ASSERT_EQ(longer.read(write("fit", "k=" + std::string(8188, 'y') + "\n")), 0);
    EXPECT_EQ(longer.entries[ustring("k")].length(), 8188u);
}

TEST(ConfigGetInt, ReadsLikeStreamExtraction)
{
    const std::pair<const char*, int> cases[] = {
        {"42", 42},
        {"  -7", -7},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"0x10", 0},
        {"+5", 5},
        {"007", 7},
        {"-", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483649", INT_MIN},
        {"99999999999999999999999", INT_MAX},
    };
    Config c;
    for (const auto& [text, expected] : cases) {
        c.entries[ustring("k")] = ustring(text);
        EXPECT_EQ(c.get_int(ustring("k")), expected) << "[" << text << "]";
    }

    // An absent key gives 0 and leaves an empty entry behind.
    EXPECT_EQ(c.get_int(ustring("absent")), 0);
    EXPECT_EQ(c.entries.size(), 2u);
    EXPECT_TRUE(c.entries[ustring("absent")].empty());
}

} // namespace
