#include "ustring/ustring.h"

#include <gtest/gtest.h>

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

} // namespace

TEST(UstringBasics, DefaultIsEmptyWithValidBuffers)
{
    ustring s;
    EXPECT_EQ(0u, s.length());
    EXPECT_TRUE(s.empty());
    ASSERT_NE(nullptr, s.c_str());
    EXPECT_STREQ("", s.c_str());
    ASSERT_NE(nullptr, s.c_str_utf16());
    EXPECT_EQ(0, s.c_str_utf16()[0]);
}

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
}

TEST(UstringAppend, OwnTextDoubles)
{
    ustring s("abc");
    s.append(s.c_str());
    EXPECT_STREQ("abcabc", s.c_str());
    s += s;
    EXPECT_STREQ("abcabcabcabc", s.c_str());
    EXPECT_EQ(12u, s.length());
}

TEST(UstringCompare, ResultIsTheByteDifference)
{
    EXPECT_EQ(-1, ustring("abc").compare(ustring("abd")));
    EXPECT_EQ(0, ustring::compare(ustring("ABC"), ustring("abc"), true));
    EXPECT_EQ(97, ustring("a").compare(ustring("")));
}

TEST(UstringSubstr, EndAndBeyond)
{
    ustring s("abc");
    EXPECT_STREQ("", s.substr(3, npos).c_str());
    EXPECT_THROW(s.substr(4, 1), std::out_of_range);
    EXPECT_STREQ("bc", s.substr(1).c_str());
}

TEST(UstringSearch, Edges)
{
    EXPECT_EQ(2u, ustring("/a/b").find_last_of('/'));
    EXPECT_EQ(npos, ustring("abc").rfind('/'));
    EXPECT_EQ(2u, ustring("abc").rfind(""));
    EXPECT_EQ(npos, ustring("").find(""));
}

TEST(UstringUnicode, NormalizeEAcute)
{
    const u16 composed[] = {0x00E9, 0};
    ustring nfd = ustring::normalize(ustring(composed), ustring::NFD);
    EXPECT_EQ((std::vector<u16>{0x0065, 0x0301}), Units(nfd.c_str_utf16()));
    EXPECT_STREQ("e\xCC\x81", nfd.c_str());
    ustring nfc = nfd.normalize(ustring::NFC);
    EXPECT_EQ((std::vector<u16>{0x00E9}), Units(nfc.c_str_utf16()));
    EXPECT_STREQ("\xC3\xA9", nfc.c_str());
}

TEST(UstringUnicode, IllFormedUtf8)
{
    ustring s("ab\xFF");
    EXPECT_FALSE(ustring::is_valid(s));
    const u16* units = nullptr;
    std::string err = CaptureCerr([&] { units = s.c_str_utf16(); });
    EXPECT_EQ(0, units[0]);
    EXPECT_EQ(0u, err.find("Warning: u_strFromUTF8: error code 10 at line ")) << err;
    EXPECT_STREQ("ab\xFF", s.c_str());
}

TEST(UstringUnicode, LoneSurrogateEmptiesString)
{
    ustring s("abc");
    std::string err = CaptureCerr([&] { s += static_cast<u16>(0xD800); });
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(0u, err.find("Warning: u_strToUTF8: error code ")) << err;
}
