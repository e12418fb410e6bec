#include <climits>
#include <gtest/gtest.h>
#include <map>
#include <string>

#include "config.h"
#include "test-support.h"

using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

typedef std::map<std::string, std::string> Entries;

Entries EntriesOf(const Config& conf)
{
    Entries entries;
    for (Config::const_iterator it = conf.begin(); it != conf.end(); ++it)
        entries[it->first.c_str()] = it->second.c_str();
    return entries;
}

// Writes content to a fresh file, reads it into conf and returns read's result.
int ReadText(const TempDir& dir, Config& conf, const std::string& content,
             const std::string& name = "conf")
{
    std::string path = dir / name;
    EXPECT_TRUE(WriteFile(path, content)) << "cannot write " << path;
    return conf.read(path.c_str());
}

enum Outcome { Stored, Ignored, Malformed };

struct LineCase {
    const char* what;
    std::string line;
    Outcome outcome;
    const char* key;
    const char* value;
};

const LineCase kLineCases[] = {
    {"blank line", "\n", Ignored, "", ""},
    {"white space only", " \t \r\n", Ignored, "", ""},
    {"comment", "# just a note = x y\n", Ignored, "", ""},
    {"indented comment", "   # note\n", Ignored, "", ""},
    {"key followed directly by a comment", "pid# note\n", Ignored, "", ""},
    {"key alone at the end of the file", "pid", Ignored, "", ""},
    {"key alone followed by a line feed", "pid\n", Malformed, "", ""},
    {"plain", "pid=1234\n", Stored, "pid", "1234"},
    {"blanks everywhere", "  pid   =   1234   \n", Stored, "pid", "1234"},
    {"tabs everywhere", "\tpid\t=\t1234\t\n", Stored, "pid", "1234"},
    {"carriage return and line feed", "pid=1234\r\n", Stored, "pid", "1234"},
    {"no line feed at the end", "pid=1234", Stored, "pid", "1234"},
    {"trailing comment", "pid = 1234 # written by the client\n", Stored, "pid", "1234"},
    {"double quotes", "pid=\"1234\"\n", Stored, "pid", "1234"},
    {"single quotes", "pid='1234'\n", Stored, "pid", "1234"},
    {"quotes and a comment", "pid = '1234' # note\n", Stored, "pid", "1234"},
    {"comment right after the closing quote", "pid=\"1234\"#note\n", Stored, "pid", "1234"},
    {"single quotes hold blanks and double quotes", "msg='say \"hi\" now'\n", Stored, "msg",
     "say \"hi\" now"},
    {"double quotes hold blanks and single quotes", "msg=\"it's here\"\n", Stored, "msg",
     "it's here"},
    {"quoted hash", "msg=\"a # b\"\n", Stored, "msg", "a # b"},
    {"hash without a blank before it", "url=a#b\n", Stored, "url", "a#b"},
    {"hash after a blank starts a comment", "url=a #b\n", Stored, "url", "a"},
    {"value starting with a hash", "url=#b\n", Stored, "url", "#b"},
    {"second equals sign is value text", "key ==1\n", Stored, "key", "=1"},
    {"equals sign then nothing", "key=\n", Malformed, "", ""},
    {"equals sign then white space", "key=   \t\n", Malformed, "", ""},
    {"empty value in double quotes", "key=\"\"\n", Stored, "key", ""},
    {"two words", "key=two words\n", Malformed, "", ""},
    {"double quote not closed", "key=\"abc\n", Malformed, "", ""},
    {"single quote not closed", "key='abc\n", Malformed, "", ""},
    {"text after the closing quote", "key=\"abc\"x\n", Malformed, "", ""},
    {"word after the closing quote", "key=\"abc\" x\n", Malformed, "", ""},
    {"section line", "[Version]\n", Malformed, "", ""},
    {"empty key", "=value\n", Stored, "", "value"},
    {"empty key after blanks", "  = value\n", Stored, "", "value"},
    {"key characters", "a-B_c.9=1\n", Stored, "a-B_c.9", "1"},
    {"other byte in the key", "a/b=1\n", Malformed, "", ""},
    {"tab inside quotes", "key=\"a\tb\"\n", Malformed, "", ""},
    {"DEL in a value", "key=a\x7f\n", Malformed, "", ""},
    {"control byte in a value", "key=a\x01\n", Malformed, "", ""},
    {"high bytes in a value", "name=caf\xc3\xa9\n", Stored, "name", "caf\xc3\xa9"},
    {"high bytes in a key", "caf\xc3\xa9=1\n", Malformed, "", ""},
};

class LineGrammar : public testing::TestWithParam<LineCase> {};

// Each line follows a good one, so "ignored" (earlier entry kept) and
// "malformed" (store emptied) can be told apart.
TEST_P(LineGrammar, ClassifiesLine)
{
    const LineCase& c = GetParam();
    TempDir dir;
    Config conf;
    int result = ReadText(dir, conf, "earlier=1\n" + c.line);
    Entries entries = EntriesOf(conf);
    switch (c.outcome) {
    case Stored:
        EXPECT_EQ(0, result) << c.what;
        EXPECT_EQ((Entries{{"earlier", "1"}, {c.key, c.value}}), entries) << c.what;
        break;
    case Ignored:
        EXPECT_EQ(0, result) << c.what;
        EXPECT_EQ((Entries{{"earlier", "1"}}), entries) << c.what;
        break;
    case Malformed:
        EXPECT_EQ(-1, result) << c.what;
        EXPECT_TRUE(entries.empty()) << c.what << ": " << entries.size() << " entries left";
        break;
    }
}

std::string CaseName(const testing::TestParamInfo<LineCase>& info)
{
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Config, LineGrammar, testing::ValuesIn(kLineCases), CaseName);

TEST(ConfigRead, EmptyAndCommentOnlyFilesGiveEmptyStore)
{
    TempDir dir;
    Config empty;
    EXPECT_EQ(0, ReadText(dir, empty, ""));
    EXPECT_TRUE(EntriesOf(empty).empty());

    Config comments;
    EXPECT_EQ(0, ReadText(dir, comments, "\n# one\n   \n\t# two\r\n\n"));
    EXPECT_TRUE(EntriesOf(comments).empty());
}

TEST(ConfigRead, LaterKeyWinsAndKeysAreCaseSensitive)
{
    TempDir dir;
    Config conf;
    EXPECT_EQ(0, ReadText(dir, conf, "pid=1\nPID=2\npid=3\n"));
    EXPECT_EQ((Entries{{"PID", "2"}, {"pid", "3"}}), EntriesOf(conf));
}

TEST(ConfigRead, IteratesInKeyOrder)
{
    TempDir dir;
    Config conf;
    EXPECT_EQ(0, ReadText(dir, conf, "b=2\nc=3\na=1\n"));
    std::string order;
    for (Config::const_iterator it = conf.begin(); it != conf.end(); ++it)
        order += it->first.c_str();
    EXPECT_EQ("abc", order);
}

TEST(ConfigRead, ReadsAccumulateLaterFilesOverride)
{
    TempDir dir;
    Config conf;
    ASSERT_EQ(0, ReadText(dir, conf, "a=1\nb=2\n", "first"));
    ASSERT_EQ(0, ReadText(dir, conf, "b=20\nc=30\n", "second"));
    EXPECT_EQ((Entries{{"a", "1"}, {"b", "20"}, {"c", "30"}}), EntriesOf(conf));
}

TEST(ConfigRead, MalformedLineClearsEntriesOfEarlierReads)
{
    TempDir dir;
    Config conf;
    ASSERT_EQ(0, ReadText(dir, conf, "a=1\n", "first"));
    EXPECT_EQ(-1, ReadText(dir, conf, "b=2\n[section]\nc=3\n", "second"));
    EXPECT_TRUE(EntriesOf(conf).empty());
    EXPECT_TRUE(conf["a"].empty());
}

TEST(ConfigRead, NothingReadableLeavesStoreUnchanged)
{
    TempDir dir;
    Config conf;
    ASSERT_EQ(0, ReadText(dir, conf, "a=1\n"));
    EXPECT_EQ(-1, conf.read(""));
    EXPECT_EQ(-1, conf.read((dir / "missing").c_str()));
    EXPECT_EQ(-1, conf.read(dir.path().c_str())) << "a directory is no key-value file";
    EXPECT_EQ((Entries{{"a", "1"}}), EntriesOf(conf));
}

TEST(ConfigRead, LongLineIsClassifiedInPieces)
{
    TempDir dir;
    // Each read takes at most 8191 bytes.
    const size_t piece = 8191;

    Config fits;
    std::string whole = "key=" + std::string(piece - 5, 'v') + "\n";
    ASSERT_EQ(piece, whole.size());
    EXPECT_EQ(0, ReadText(dir, fits, whole, "fits"));
    EXPECT_EQ(piece - 5, fits["key"].length());

    // The line feed alone forms the second piece: a blank line.
    Config cut_before_feed;
    EXPECT_EQ(0, ReadText(dir, cut_before_feed, "key=" + std::string(piece - 4, 'v') + "\n",
                          "cut-before-feed"));
    EXPECT_EQ(piece - 4, cut_before_feed["key"].length());

    // The rest of the value forms a second piece: a key without a value.
    Config cut_value;
    EXPECT_EQ(-1, ReadText(dir, cut_value, "a=1\nkey=" + std::string(piece + 100, 'v') + "\n",
                           "cut-value"));
    EXPECT_TRUE(EntriesOf(cut_value).empty());

    // A long comment goes on as ordinary text in its second piece.
    Config long_comment;
    EXPECT_EQ(-1, ReadText(dir, long_comment, "#" + std::string(piece, 'x') + " y\n",
                           "long-comment"));

    // ... unless that piece happens to begin a comment itself.
    Config comment_in_pieces;
    EXPECT_EQ(0, ReadText(dir, comment_in_pieces,
                          "#" + std::string(piece - 1, 'x') + "# more\na=1\n",
                          "comment-in-pieces"));
    EXPECT_EQ((Entries{{"a", "1"}}), EntriesOf(comment_in_pieces));
}

TEST(ConfigLookup, AbsentKeyIsInsertedEmpty)
{
    Config conf;
    EXPECT_TRUE(conf["pid"].empty());
    EXPECT_EQ((Entries{{"pid", ""}}), EntriesOf(conf));
    EXPECT_EQ(0, conf.get_int("level"));
    EXPECT_EQ((Entries{{"level", ""}, {"pid", ""}}), EntriesOf(conf));
}

struct IntCase {
    const char* value;
    int expected;
};

TEST(ConfigGetInt, ReadsLikeStreamExtraction)
{
    const IntCase cases[] = {
        {"42", 42},
        {"007", 7},
        {"+8", 8},
        {"-17", -17},
        {" \t-17", -17},
        {"-0", 0},
        {"12abc", 12},
        {"3.9", 3},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"0x1A", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        // Beyond int the result saturates instead of wrapping round.
        {"2147483648", INT_MAX},
        {"-2147483649", INT_MIN},
        {"99999999999999999999999999", INT_MAX},
        {"-99999999999999999999999999", INT_MIN},
        {"4294967297", INT_MAX},
    };
    for (const IntCase& c : cases) {
        Config conf;
        conf["n"] = c.value;
        EXPECT_EQ(c.expected, conf.get_int("n")) << "value '" << c.value << "'";
    }
}

TEST(ConfigGetInt, QuotedValueFromFile)
{
    TempDir dir;
    Config conf;
    ASSERT_EQ(0, ReadText(dir, conf, "level = \" 7\"\nname=debug\n"));
    EXPECT_EQ(7, conf.get_int("level"));
    EXPECT_EQ(0, conf.get_int("name"));
}

} // namespace
