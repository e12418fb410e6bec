#include "ustring/ustring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

typedef ustring::uchar16_t u16;
const size_t npos = ustring::npos;

// Reads the protected buffer fields so the capacity rule can be observed.
class ProbedString : public ustring {
public:
    using ustring::ustring;
    using ustring::operator=;
    size_t DataCap() const { return data_cap; }
    size_t WdataCap() const { return wdata_cap; }
    size_t WdataLen() const { return wdata_len; }
    const char* DataPtr() const { return data; }
};

std::vector<u16> Units(const u16* s)
{
    std::vector<u16> units;
    while (s && *s)
        units.push_back(*s++);
    return units;
}

std::vector<u16> Units(const ustring& s)
{
    return Units(s.c_str_utf16());
}

// Runs fn with std::cerr redirected and returns what was written to it.
template <typename Fn>
std::string CaptureCerr(Fn fn)
{
    std::ostringstream captured;
    std::streambuf* old = std::cerr.rdbuf(captured.rdbuf());
    fn();
    std::cerr.rdbuf(old);
    return captured.str();
}

// True when text is exactly one warning line "<prefix><code> at line <n>".
bool IsWarningLine(const std::string& text, const std::string& prefix, int code)
{
    std::string head = prefix + std::to_string(code) + " at line ";
    if (text.compare(0, head.size(), head) != 0 || text.back() != '\n')
        return false;
    std::string line = text.substr(head.size(), text.size() - head.size() - 1);
    return !line.empty() && line.find_first_not_of("0123456789") == std::string::npos;
}

const char kFromUtf8[] = "Warning: u_strFromUTF8: error code ";
const char kToUtf8[] = "Warning: u_strToUTF8: error code ";
const int kInvalidChar = 10; // U_INVALID_CHAR_FOUND

// "a", U+1F600 (a surrogate pair in UTF-16), U+00E9.
const char kMixedUtf8[] = "a\xF0\x9F\x98\x80\xC3\xA9";
const u16 kMixedUtf16[] = {0x61, 0xD83D, 0xDE00, 0xE9, 0};

} // namespace


// ------------------------------------------------------------ basics

TEST(UstringBasics, DefaultIsEmptyWithValidBuffers)
{
    ProbedString s;
    EXPECT_EQ(0u, s.length());
    EXPECT_TRUE(s.empty());
    ASSERT_NE(nullptr, s.c_str());
    EXPECT_STREQ("", s.c_str());
    ASSERT_NE(nullptr, s.c_str_utf16());
    EXPECT_EQ(0, s.c_str_utf16()[0]);
    EXPECT_EQ(4u, s.DataCap());
    EXPECT_EQ(4u, s.WdataCap());
}

TEST(UstringBasics, NullAndNulSourcesReadAsEmptyText)
{
    ustring s(static_cast<const char*>(nullptr));
    EXPECT_TRUE(s.empty());
    s.append(static_cast<const char*>(nullptr)).append("ab").append('\0', 3);
    EXPECT_EQ(2u, s.length()) << "a NUL byte must never enter the text";
    s.append(static_cast<u16>(0), 2);
    EXPECT_STREQ("ab", s.c_str());
    EXPECT_TRUE(ustring('\0').empty());
    EXPECT_EQ(0u, s.find(static_cast<const char*>(nullptr)));
}

// ----------------------------------------------------- UTF-8 appends

TEST(UstringAppend, CountAndEmbeddedNulStop)
{
    ustring s("x");
    s.append("abcdef", 3);
    EXPECT_STREQ("xabc", s.c_str());
    s.append("de", 10);
    EXPECT_STREQ("xabcde", s.c_str());
    EXPECT_EQ(6u, s.length());

    ustring t("<");
    t += std::string("ab\0cd", 5);
    EXPECT_STREQ("<ab", t.c_str());
    EXPECT_EQ(3u, t.length());
    t.append(std::string("0123456"), 2, 3);
    EXPECT_STREQ("<ab234", t.c_str());
    t.append('-', 3);
    EXPECT_STREQ("<ab234---", t.c_str());
}

TEST(UstringAppend, OwnTextDoubles)
{
    ustring s("abc");
    s.append(s.c_str());
    EXPECT_STREQ("abcabc", s.c_str());
    s += s;
    EXPECT_STREQ("abcabcabcabc", s.c_str());
    EXPECT_EQ(12u, s.length());
    s.append(s.c_str(), 2);
    EXPECT_STREQ("abcabcabcabcab", s.c_str());
    s.append(s.c_str() + 12); // a pointer into the middle survives the reallocation
    EXPECT_STREQ("abcabcabcabcabab", s.c_str());
}

TEST(UstringAssign, FromOwnText)
{
    ProbedString s("abcdef");
    const char* before = s.DataPtr();
    s.assign(s.c_str());
    EXPECT_STREQ("abcdef", s.c_str());
    s.assign(s.c_str(), 10);
    EXPECT_STREQ("abcdef", s.c_str());
    s.assign(s.c_str(), 4);
    EXPECT_STREQ("abcd", s.c_str());
    EXPECT_EQ(4u, s.length());
    s.assign(s.c_str() + 1, 2);
    EXPECT_STREQ("bc", s.c_str());
    EXPECT_EQ(before, s.DataPtr()) << "assigning a part of the own text needs no allocation";

    ustring t("hello world");
    t = t;
    EXPECT_STREQ("hello world", t.c_str());
    t.assign(t, 6);
    EXPECT_STREQ("world", t.c_str());
    t.assign(t, 1, 3);
    EXPECT_STREQ("orl", t.c_str());
}

TEST(UstringAssign, FailuresLeaveTheStringUnchanged)
{
    ustring s("abc");
    EXPECT_THROW(s.assign(std::string("xy"), 3), std::out_of_range);
    EXPECT_THROW(s.append(std::string("xy"), 3), std::out_of_range);
    EXPECT_THROW(s.append(ustring("xy"), 3), std::out_of_range);
    EXPECT_THROW(s.append('x', npos - 1), std::bad_alloc);
    EXPECT_STREQ("abc", s.c_str());
    EXPECT_EQ(3u, s.length());
}

// ------------------------------------------------------------ capacity

TEST(UstringCapacity, GrowsAndShrinksToTheExactNeed)
{
    struct Step {
        const char* text;
        size_t cap;
    };
    const Step steps[] = {
        {"abcdefghij", 11}, // grows to exactly length + 1
        {"abcdef", 11},     // 7 is at least half of 11: kept
        {"abcd", 11},       // 5 is still at least 11 >> 1
        {"abc", 4},         // 4 is below half: shrinks
        {"", 1},
        {"a", 2},
    };
    ProbedString s;
    for (const Step& step : steps) {
        s = step.text;
        EXPECT_EQ(step.cap, s.DataCap()) << "after assigning '" << step.text << "'";
        EXPECT_STREQ(step.text, s.c_str());
    }
    s += "b";
    EXPECT_EQ(3u, s.DataCap());
    s.clear();
    EXPECT_EQ(3u, s.DataCap()) << "clear keeps the buffer";
}

TEST(UstringCapacity, Utf16CopyFollowsTheSameRule)
{
    ProbedString s("abcdefghij");
    s.c_str_utf16();
    EXPECT_EQ(11u, s.WdataCap());
    s = "abcdefg";
    EXPECT_EQ(0u, s.WdataLen()) << "a UTF-8 change drops the copy";
    EXPECT_EQ(11u, s.WdataCap()) << "but keeps its buffer";
    s.c_str_utf16();
    EXPECT_EQ(11u, s.WdataCap());
    s = "ab";
    s.c_str_utf16();
    EXPECT_EQ(3u, s.WdataCap());
}

// ------------------------------------------------------------ UTF-16

TEST(UstringUtf16, RoundTripsWithNonBmpCharacters)
{
    ustring from_units(kMixedUtf16);
    EXPECT_STREQ(kMixedUtf8, from_units.c_str());
    EXPECT_EQ(7u, from_units.length()) << "lengths count UTF-8 bytes";

    ustring from_bytes(kMixedUtf8);
    EXPECT_EQ(Units(kMixedUtf16), Units(from_bytes));
    EXPECT_TRUE(ustring(kMixedUtf16) == from_bytes);
}

TEST(UstringUtf16, AppendsRebuildTheUtf8Text)
{
    ustring s("a");
    const u16 pair[] = {0xD83D, 0xDE00, 0};
    s += pair;
    EXPECT_STREQ("a\xF0\x9F\x98\x80", s.c_str());
    s.append(static_cast<u16>(0xE9), 2);
    EXPECT_STREQ("a\xF0\x9F\x98\x80\xC3\xA9\xC3\xA9", s.c_str());
    const u16 bcd[] = {'b', 'c', 'd', 0};
    s.assign(bcd, 2);
    EXPECT_STREQ("bc", s.c_str());
    s += "x"; // UTF-8 change in between: the UTF-16 append must start from "bcx"
    s += static_cast<u16>('y');
    EXPECT_STREQ("bcxy", s.c_str());
}

TEST(UstringUtf16, OwnUnitsDoubleAndCut)
{
    ustring s("\xC3\xA9\xF0\x9F\x98\x80"); // U+00E9 U+1F600
    s.append(s.c_str_utf16());
    EXPECT_STREQ("\xC3\xA9\xF0\x9F\x98\x80\xC3\xA9\xF0\x9F\x98\x80", s.c_str());
    s.assign(s.c_str_utf16());
    EXPECT_EQ(12u, s.length());
    s.assign(s.c_str_utf16(), 3);
    EXPECT_STREQ("\xC3\xA9\xF0\x9F\x98\x80", s.c_str());
    s.assign(s.c_str_utf16(), 1);
    EXPECT_STREQ("\xC3\xA9", s.c_str());
}

TEST(UstringUtf16, CopyTakesOnlyTheUtf8Text)
{
    ProbedString original(kMixedUtf8);
    original.c_str_utf16();
    ASSERT_EQ(4u, original.WdataLen());
    ProbedString copy(original);
    EXPECT_EQ(0u, copy.WdataLen());
    EXPECT_STREQ(kMixedUtf8, copy.c_str());
    EXPECT_EQ(Units(kMixedUtf16), Units(copy));
}

TEST(UstringUtf16, ChangesThroughUtf8SideDropTheCopy)
{
    ustring s("a/b");
    s.c_str_utf16();
    s.replace('/', '-');
    EXPECT_EQ((std::vector<u16>{'a', '-', 'b'}), Units(s));
    s[0] = 'x';
    EXPECT_EQ((std::vector<u16>{'x', '-', 'b'}), Units(s));
    s.trim("xb");
    EXPECT_EQ((std::vector<u16>{'-'}), Units(s));
}

// ------------------------------------------------- ill-formed input

TEST(UstringInvalid, IllFormedUtf8KeepsBytesAndWarnsOnEveryRequest)
{
    ustring s("ab\xFF");
    EXPECT_FALSE(ustring::is_valid(s));
    const u16* units = nullptr;
    std::string first = CaptureCerr([&] { units = s.c_str_utf16(); });
    EXPECT_EQ(0, units[0]);
    EXPECT_TRUE(IsWarningLine(first, kFromUtf8, kInvalidChar)) << first;
    EXPECT_STREQ("ab\xFF", s.c_str());
    std::string second = CaptureCerr([&] { s.c_str_utf16(); });
    EXPECT_TRUE(IsWarningLine(second, kFromUtf8, kInvalidChar)) << second;
}

TEST(UstringInvalid, LoneSurrogateEmptiesString)
{
    ustring s("abc");
    std::string err = CaptureCerr([&] { s += static_cast<u16>(0xD800); });
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(0, s.c_str_utf16()[0]);
    EXPECT_TRUE(IsWarningLine(err, kToUtf8, kInvalidChar)) << err;
}

TEST(UstringInvalid, Utf16AppendToIllFormedTextKeepsIt)
{
    ustring s("\xFF");
    std::string err = CaptureCerr([&] { s += static_cast<u16>('x'); });
    EXPECT_STREQ("\xFF", s.c_str()) << "the bytes must not be replaced by the appended units";
    EXPECT_TRUE(IsWarningLine(err, kFromUtf8, kInvalidChar)) << err;
}

TEST(UstringInvalid, IsValid)
{
    const struct {
        const char* text;
        bool valid;
    } rows[] = {
        {"", true},
        {"plain", true},
        {kMixedUtf8, true},
        {"ab\xFF", false},
        {"\xC3", false},             // truncated sequence
        {"\xC0\x80", false},         // overlong NUL
        {"\xED\xA0\x80", false},     // encoded surrogate
        {"\xF4\x90\x80\x80", false}, // beyond U+10FFFF
    };
    for (const auto& row : rows) {
        std::string err = CaptureCerr([&] {
            EXPECT_EQ(row.valid, ustring::is_valid(ustring(row.text))) << "text '" << row.text << "'";
        });
        EXPECT_EQ("", err) << "is_valid must stay silent";
    }
}

// ------------------------------------------------------ normalisation

TEST(UstringNormalize, EAcuteBothWays)
{
    const u16 composed[] = {0x00E9, 0};
    ustring nfd = ustring::normalize(ustring(composed), ustring::NFD);
    EXPECT_EQ((std::vector<u16>{0x0065, 0x0301}), Units(nfd));
    EXPECT_STREQ("e\xCC\x81", nfd.c_str());
    ustring nfc = nfd.normalize(ustring::NFC);
    EXPECT_EQ((std::vector<u16>{0x00E9}), Units(nfc));
    EXPECT_STREQ("\xC3\xA9", nfc.c_str());
    EXPECT_STREQ("\xC3\xA9", ustring::normalize(nfc, ustring::NFC).c_str());
}

TEST(UstringNormalize, EmptyAndIllFormedGiveEmpty)
{
    std::string err = CaptureCerr([] {
        EXPECT_TRUE(ustring::normalize(ustring(), ustring::NFD).empty());
        EXPECT_TRUE(ustring().normalize(ustring::NFC).empty());
    });
    EXPECT_EQ("", err);
    err = CaptureCerr([] { EXPECT_TRUE(ustring("\xFF").normalize(ustring::NFC).empty()); });
    EXPECT_TRUE(IsWarningLine(err, kFromUtf8, kInvalidChar)) << err;
}

// ----------------------------------------------------------- compare

TEST(UstringCompare, ResultIsTheByteDifference)
{
    const struct {
        const char* a;
        const char* b;
        bool caseless;
        int expected;
    } rows[] = {
        {"abc", "abd", false, -1},
        {"ABC", "abc", true, 0},
        {"ABC", "abc", false, 'A' - 'a'},
        {"a", "", false, 97},
        {"", "a", true, -97},
        {"a", "B", true, 'a' - 'b'},
        {"a", "B", false, 'a' - 'B'},
        {"\xC3\xA9", "z", false, 0xC3 - 'z'}, // bytes compare unsigned
        {"[", "a", true, '[' - 'a'},          // only letters are folded
        {"same", "same", false, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, ustring::compare(ustring(row.a), ustring(row.b), row.caseless))
            << "'" << row.a << "' vs '" << row.b << "' caseless " << row.caseless;
}

TEST(UstringCompare, PrefixAndOperators)
{
    ustring path("abcdef");
    EXPECT_EQ(0, path.compare(ustring("abcxyz"), 3));
    EXPECT_EQ('d' - 'x', path.compare(ustring("abcxyz"), 4));
    EXPECT_EQ(0, path.compare(ustring("zzz"), 0));
    EXPECT_EQ('d', path.compare(ustring("abc"), 10));
    EXPECT_EQ(-1, ustring("abc").compare(ustring("abd")));

    EXPECT_TRUE(ustring("B") < ustring("a")); // byte order, not case-folded
    EXPECT_TRUE(ustring("ab") > ustring("a"));
    EXPECT_TRUE(ustring("ab") == ustring("ab"));
    EXPECT_TRUE(ustring("ab") != ustring("aB"));
}

// ------------------------------------------------------------ substr

TEST(UstringSubstr, Bounds)
{
    ustring s("abc");
    EXPECT_STREQ("", s.substr(3, npos).c_str());
    EXPECT_STREQ("bc", s.substr(1).c_str());
    EXPECT_STREQ("b", s.substr(1, 1).c_str());
    EXPECT_STREQ("abc", s.substr(0, 100).c_str());
    try {
        s.substr(4, 1);
        ADD_FAILURE() << "substr(4, 1) on a three-byte text did not throw";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ("substr", e.what());
    }
}

// ---------------------------------------------------------- searches

namespace {

enum SearchOp { FIND, RFIND, FIRST_OF, FIRST_NOT_OF, LAST_OF, LAST_NOT_OF };

struct SearchRow {
    const char* text;
    SearchOp op;
    const char* pattern;
    size_t pos;
    size_t expected;
};

size_t RunSearch(const ustring& text, SearchOp op, const ustring& pattern, size_t pos)
{
    switch (op) {
    case FIND: return text.find(pattern, pos);
    case RFIND: return text.rfind(pattern, pos);
    case FIRST_OF: return text.find_first_of(pattern, pos);
    case FIRST_NOT_OF: return text.find_first_not_of(pattern, pos);
    case LAST_OF: return text.find_last_of(pattern, pos);
    case LAST_NOT_OF: return text.find_last_not_of(pattern, pos);
    }
    return 0;
}

const SearchRow kSearchRows[] = {
    {"abcabc", FIND, "bc", 0, 1},
    {"abcabc", FIND, "bc", 2, 4},
    {"abcabc", FIND, "bc", 5, npos},
    {"abcabc", FIND, "bc", npos, npos},
    {"abcabc", FIND, "abcabcx", 0, npos},
    {"abcabc", FIND, "", 3, 3},
    {"abcabc", FIND, "", 6, npos},
    {"", FIND, "", 0, npos},
    {"abcabc", RFIND, "bc", npos, 4},
    {"abcabc", RFIND, "bc", 3, 1},
    {"abcabc", RFIND, "abc", 0, 0}, // a match may extend past pos
    {"abcabc", RFIND, "", npos, 5},
    {"abc", RFIND, "", 100, 2},
    {"abcabc", RFIND, "", 2, 2},
    {"", RFIND, "", npos, npos},
    {"abc", RFIND, "/", npos, npos},
    {"abcabc", FIRST_OF, "cb", 0, 1},
    {"abcabc", FIRST_OF, "cb", 3, 4},
    {"abcabc", FIRST_OF, "", 0, npos},
    {"abcabc", FIRST_OF, "a", 6, npos},
    {"abcabc", FIRST_NOT_OF, "ab", 0, 2},
    {"abcabc", FIRST_NOT_OF, "abc", 0, npos},
    {"abcabc", FIRST_NOT_OF, "", 4, 4},
    {"abcabc", FIRST_NOT_OF, "", 6, npos},
    {"/a/b", LAST_OF, "/", npos, 2},
    {"abcabc", LAST_OF, "ab", npos, 4},
    {"abcabc", LAST_OF, "ab", 3, 3},
    {"abcabc", LAST_OF, "a", 2, 0},
    {"abcabc", LAST_OF, "", npos, npos},
    {"", LAST_OF, "a", npos, npos},
    {"abcabc", LAST_NOT_OF, "c", npos, 4},
    {"abcabc", LAST_NOT_OF, "bc", npos, 3},
    {"abcabc", LAST_NOT_OF, "abc", npos, npos},
    {"abcabc", LAST_NOT_OF, "", npos, 5},
    {"abcabc", LAST_NOT_OF, "", 2, 2},
    {"", LAST_NOT_OF, "", npos, npos},
};

} // namespace

TEST(UstringSearch, EdgePositionsAndEmptyPatterns)
{
    for (const SearchRow& row : kSearchRows) {
        size_t got = RunSearch(ustring(row.text), row.op, ustring(row.pattern), row.pos);
        EXPECT_EQ(row.expected, got) << "op " << row.op << " of '" << row.pattern << "' in '"
                                     << row.text << "' from " << row.pos;
    }
}

TEST(UstringSearch, EveryPatternKindAgrees)
{
    ustring text("x/y/z");
    const std::string slash_std("/");
    const ustring slash_u("/");
    EXPECT_EQ(1u, text.find('/'));
    EXPECT_EQ(1u, text.find(slash_std));
    EXPECT_EQ(3u, text.rfind(slash_u));
    EXPECT_EQ(3u, text.rfind("/"));
    EXPECT_EQ(3u, text.find_first_of('/', 2));
    EXPECT_EQ(3u, text.find_first_of(slash_std, 2));
    EXPECT_EQ(2u, text.find_first_not_of(slash_u, 1));
    EXPECT_EQ(2u, text.find_first_not_of('/', 1));
    EXPECT_EQ(1u, text.find_last_of(slash_std, 2));
    EXPECT_EQ(1u, text.find_last_of("/", 2));
    EXPECT_EQ(2u, text.find_last_not_of(slash_u, 3));
    EXPECT_EQ(2u, text.find_last_not_of('/', 3));
    EXPECT_EQ(1u, text.find(std::string("/\0z", 3))) << "a std::string pattern ends at a NUL";
}

// ---------------------------------------------------------- trimming

TEST(UstringTrim, Table)
{
    enum Side { LEFT, RIGHT, BOTH };
    const struct {
        const char* text;
        Side side;
        const char* list;
        const char* expected;
    } rows[] = {
        {"  a ", LEFT, " ", "a "},
        {"  a ", RIGHT, " ", "  a"},
        {"  a ", BOTH, " ", "a"},
        {"abc", BOTH, "", "abc"},
        {"xyxy", BOTH, "xy", ""},
        {"xyxy", LEFT, "xy", ""},
        {"", BOTH, " ", ""},
        {"\t a\n", BOTH, " \t\n", "a"},
        {" \xC3\xA9 ", BOTH, " ", "\xC3\xA9"},
    };
    for (const auto& row : rows) {
        ustring s(row.text);
        if (row.side == LEFT)
            s.ltrim(row.list);
        else if (row.side == RIGHT)
            s.rtrim(ustring(row.list));
        else
            s.trim(row.list);
        EXPECT_STREQ(row.expected, s.c_str()) << "side " << row.side << " of '" << row.text << "'";
        EXPECT_EQ(strlen(row.expected), s.length());
    }
}

TEST(UstringTrim, OwnTextAsList)
{
    ustring s("abba");
    s.trim(s);
    EXPECT_TRUE(s.empty());
}

// ------------------------------------------------- other operations

TEST(UstringOther, ReplaceBytes)
{
    ustring s("a/b/c");
    s.replace('/', '\\');
    EXPECT_STREQ("a\\b\\c", s.c_str());
    s.replace('\\', '\0');
    EXPECT_STREQ("a", s.c_str());
    EXPECT_EQ(1u, s.length()) << "the length must follow a NUL written into the text";
}

TEST(UstringOther, SwapExchangesBuffersWithoutCopying)
{
    ProbedString a("short");
    ProbedString b("a longer text");
    a.c_str_utf16();
    const char* a_data = a.DataPtr();
    const char* b_data = b.DataPtr();
    swap(a, b);
    EXPECT_STREQ("a longer text", a.c_str());
    EXPECT_STREQ("short", b.c_str());
    EXPECT_EQ(b_data, a.DataPtr());
    EXPECT_EQ(a_data, b.DataPtr());
    EXPECT_EQ(5u, b.WdataLen()) << "the UTF-16 copy travels with its text";
    EXPECT_EQ(0u, a.WdataLen());
}

TEST(UstringOther, ConcatenationOperators)
{
    ustring sum = ustring("a") + "b" + 'c' + ustring("d") + static_cast<u16>(0xE9);
    EXPECT_STREQ("abcd\xC3\xA9", sum.c_str());
    const u16 pair[] = {0xD83D, 0xDE00, 0};
    EXPECT_STREQ("x\xF0\x9F\x98\x80", (ustring("x") + pair).c_str());
}

TEST(UstringOther, Streams)
{
    std::ostringstream out;
    out << ustring(kMixedUtf8) << '|';
    EXPECT_EQ(std::string(kMixedUtf8) + "|", out.str());

    std::istringstream in("  first \xC3\xA9t\xC3\xA9\n");
    ustring a, b, c("kept");
    in >> a >> b;
    EXPECT_STREQ("first", a.c_str());
    EXPECT_STREQ("\xC3\xA9t\xC3\xA9", b.c_str());
    EXPECT_FALSE(in >> c);
    EXPECT_STREQ("kept", c.c_str()) << "a failed read must not clear the target";
}
