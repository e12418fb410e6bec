#include "ustring.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <new>
#include <stdexcept>
#include <utility>

#include <unicode/unorm2.h>
#include <unicode/ustring.h>

namespace {

typedef ustring::uchar16_t uchar16_t;

// ICU takes capacities as int32_t; anything larger is outside what the type
// supports, so clamp rather than let the value wrap to a negative capacity.
int32_t IcuCapacity(size_t n)
{
    return n > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(n);
}

UChar* AsUChar(uchar16_t* p) { return reinterpret_cast<UChar*>(p); }
const UChar* AsUChar(const uchar16_t* p) { return reinterpret_cast<const UChar*>(p); }

void WarnIcuFailure(const char* prefix, UErrorCode code, int line)
{
    std::cerr << prefix << static_cast<int>(code) << " at line " << line << std::endl;
}

// A null source pointer reads as the empty text rather than crashing.
size_t TextLength(const char* s, size_t max = ustring::npos)
{
    return s ? strnlen(s, max) : 0;
}

size_t Utf16Length(const uchar16_t* s, size_t max = ustring::npos)
{
    size_t n = 0;
    if (s) {
        while (n < max && s[n] != 0)
            ++n;
    }
    return n;
}

// Summed sizes that would wrap cannot be allocated anyway.
size_t CheckedSum(size_t a, size_t b)
{
    if (a > SIZE_MAX - b)
        throw std::bad_alloc();
    return a + b;
}

// Offset of p inside the text [begin, begin + len] (the terminator
// included), or npos when p points elsewhere. std::less gives a total
// order even for pointers into unrelated buffers.
template <typename T>
size_t OffsetInside(const T* p, const T* begin, size_t len)
{
    std::less<const T*> before;
    if (!p || !begin || before(p, begin) || before(begin + len, p))
        return ustring::npos;
    return static_cast<size_t>(p - begin);
}

// Which of the 256 byte values occur in a pattern.
class ByteSet {
public:
    ByteSet(const char* bytes, size_t len)
    {
        for (size_t i = 0; i < len; ++i)
            m_member[static_cast<unsigned char>(bytes[i])] = true;
    }
    bool Has(char c) const { return m_member[static_cast<unsigned char>(c)]; }

private:
    bool m_member[256] = {};
};

struct CaseFoldTable {
    unsigned char map[256];
    constexpr CaseFoldTable() : map()
    {
        for (int i = 0; i < 256; ++i)
            map[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
    }
};
constexpr CaseFoldTable kCaseFold;

// Lengths of the runs of set members at the start and at the end of a text.
size_t LeadingRun(const char* text, size_t length, const ByteSet& set)
{
    size_t n = 0;
    while (n < length && set.Has(text[n]))
        ++n;
    return n;
}

size_t TrailingRun(const char* text, size_t length, const ByteSet& set)
{
    size_t n = 0;
    while (n < length && set.Has(text[length - 1 - n]))
        ++n;
    return n;
}

// Start of a backward search: past-the-end and npos mean the last byte.
size_t BackwardStart(size_t pos, size_t length)
{
    return pos >= length ? length - 1 : pos;
}

} // namespace

// Out-of-line definition so that binding npos to a reference links.
const size_t ustring::npos;

// ---------------------------------------------------------------- buffers

void ustring::realloc_data(size_t n)
{
    if (data_cap >= n && n >= (data_cap >> 1))
        return;
    void* grown = realloc(data, n);
    if (!grown)
        throw std::bad_alloc();
    data = static_cast<char*>(grown);
    data_cap = n;
}

void ustring::realloc_wdata(size_t n) const
{
    if (wdata_cap >= n && n >= (wdata_cap >> 1))
        return;
    if (n > SIZE_MAX / sizeof(uchar16_t))
        throw std::bad_alloc();
    void* grown = realloc(wdata, n * sizeof(uchar16_t));
    if (!grown)
        throw std::bad_alloc();
    wdata = static_cast<uchar16_t*>(grown);
    wdata_cap = n;
}

void ustring::clear_data()
{
    data_len = 0;
    data[0] = '\0';
}

void ustring::clear_wdata() const
{
    wdata_len = 0;
    wdata[0] = 0;
}

void ustring::init()
{
    data = nullptr;
    data_len = 0;
    data_cap = 0;
    wdata = nullptr;
    wdata_len = 0;
    wdata_cap = 0;
    realloc_data(4);
    realloc_wdata(4);
    clear();
}

// ------------------------------------------------------------ conversions

int ustring::convert_from_data() const
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t units = 0;
    u_strFromUTF8(nullptr, 0, &units, data, -1, &err);
    err = U_ZERO_ERROR;
    realloc_wdata(static_cast<size_t>(units) + 1);
    u_strFromUTF8(AsUChar(wdata), IcuCapacity(wdata_cap), &units, data, -1, &err);
    if (U_FAILURE(err)) {
        WarnIcuFailure("Warning: u_strFromUTF8: error code ", err, __LINE__);
        clear_wdata();
        return -1;
    }
    wdata_len = static_cast<size_t>(units);
    wdata[wdata_len] = 0;
    return 0;
}

int ustring::convert_from_wdata()
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t bytes = 0;
    u_strToUTF8(nullptr, 0, &bytes, AsUChar(wdata), -1, &err);
    err = U_ZERO_ERROR;
    try {
        realloc_data(static_cast<size_t>(bytes) + 1);
    } catch (const std::bad_alloc&) {
        // The UTF-8 text is still the old one; a cache that no longer
        // matches it must not survive.
        clear_wdata();
        throw;
    }
    u_strToUTF8(data, IcuCapacity(data_cap), &bytes, AsUChar(wdata), -1, &err);
    if (U_FAILURE(err)) {
        WarnIcuFailure("Warning: u_strToUTF8: error code ", err, __LINE__);
        clear();
        return -1;
    }
    data_len = static_cast<size_t>(bytes);
    data[data_len] = '\0';
    return 0;
}

// ---------------------------------------------------------- construction

ustring::ustring() { init(); }

ustring::ustring(const char* str_utf8)
{
    init();
    assign(str_utf8);
}

ustring::ustring(const uchar16_t* str_utf16)
{
    init();
    assign(str_utf16);
}

ustring::ustring(const std::string& str)
{
    init();
    assign(str);
}

ustring::ustring(char c)
{
    init();
    assign(c, 1);
}

ustring::ustring(const ustring& str)
{
    init();
    assign(str);
}

ustring::~ustring()
{
    free(data);
    free(wdata);
    data = nullptr;
    wdata = nullptr;
}

const ustring::uchar16_t* ustring::c_str_utf16() const
{
    // An empty text already has its (empty) copy in place.
    if (wdata_len == 0 && data_len != 0)
        convert_from_data();
    return wdata;
}

// ------------------------------------------------------ UTF-8 appending

ustring& ustring::append(const char* s)
{
    return append(s, npos);
}

ustring& ustring::append(const char* s, size_t len)
{
    // The count and any offset into the own text are taken before the
    // buffer can move.
    size_t count = TextLength(s, len);
    size_t own = OffsetInside(s, static_cast<const char*>(data), data_len);
    realloc_data(CheckedSum(CheckedSum(data_len, count), 1));
    const char* src = own != npos ? data + own : s;
    if (count > 0) // a null source is allowed only with nothing to copy
        memmove(data + data_len, src, count);
    data_len += count;
    data[data_len] = '\0';
    clear_wdata();
    return *this;
}

ustring& ustring::append(const std::string& x, size_t pos, size_t len)
{
    std::string part = x.substr(pos, len);
    return append(part.c_str());
}

ustring& ustring::append(const ustring& x, size_t pos, size_t len)
{
    if (pos > x.data_len)
        throw std::out_of_range("substr");
    return append(x.data + pos, len);
}

ustring& ustring::append(char c, size_t n)
{
    // A NUL byte ends a text, so n copies of it add nothing.
    if (c == '\0' || n == 0)
        return append("", 0);
    realloc_data(CheckedSum(CheckedSum(data_len, n), 1));
    memset(data + data_len, c, n);
    data_len += n;
    data[data_len] = '\0';
    clear_wdata();
    return *this;
}

// ----------------------------------------------------- UTF-16 appending

// UTF-16 appends extend the UTF-16 copy, built first from the UTF-8 text
// when missing, and then rebuild the UTF-8 text from it.
ustring& ustring::append(const uchar16_t* s)
{
    return append(s, npos);
}

ustring& ustring::append(const uchar16_t* s, size_t len)
{
    size_t count = Utf16Length(s, len);
    size_t own = OffsetInside(s, static_cast<const uchar16_t*>(wdata), wdata_len);
    if (wdata_len == 0 && data_len != 0 && convert_from_data() != 0)
        return *this; // ill-formed UTF-8 cannot be joined with UTF-16; keep it as it is
    realloc_wdata(CheckedSum(CheckedSum(wdata_len, count), 1));
    const uchar16_t* src = own != npos ? wdata + own : s;
    if (count > 0)
        memmove(wdata + wdata_len, src, count * sizeof(uchar16_t));
    wdata_len += count;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

ustring& ustring::append(uchar16_t c, size_t n)
{
    if (c == 0)
        n = 0;
    if (wdata_len == 0 && data_len != 0 && convert_from_data() != 0)
        return *this; // ill-formed UTF-8 cannot be joined with UTF-16; keep it as it is
    realloc_wdata(CheckedSum(CheckedSum(wdata_len, n), 1));
    for (size_t i = 0; i < n; ++i)
        wdata[wdata_len + i] = c;
    wdata_len += n;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

// ------------------------------------------------------------ assigning

ustring& ustring::assign(const char* s)
{
    return assign(s, npos);
}

ustring& ustring::assign(const char* s, size_t len)
{
    size_t own = OffsetInside(s, static_cast<const char*>(data), data_len);
    if (own == npos) {
        // Allocating before clearing leaves the string unchanged when it fails.
        size_t count = TextLength(s, len);
        realloc_data(CheckedSum(count, 1));
        clear();
        return append(s, count);
    }
    // A part of the own text: move it to the front, no allocation needed.
    size_t count = TextLength(s, len);
    if (own == 0 && count == data_len)
        return *this;
    memmove(data, data + own, count);
    data_len = count;
    data[data_len] = '\0';
    clear_wdata();
    return *this;
}

ustring& ustring::assign(const std::string& x, size_t pos, size_t len)
{
    // Taken before clearing so that a bad pos leaves the string unchanged.
    std::string part = x.substr(pos, len);
    clear();
    return append(part.c_str());
}

ustring& ustring::assign(const ustring& x, size_t pos, size_t len)
{
    if (pos > x.data_len)
        throw std::out_of_range("substr");
    return assign(x.data + pos, len);
}

ustring& ustring::assign(char c, size_t n)
{
    realloc_data(CheckedSum(c == '\0' ? 0 : n, 1));
    clear();
    return append(c, n);
}

ustring& ustring::assign(const uchar16_t* s)
{
    return assign(s, npos);
}

ustring& ustring::assign(const uchar16_t* s, size_t len)
{
    size_t own = OffsetInside(s, static_cast<const uchar16_t*>(wdata), wdata_len);
    if (own == npos) {
        clear();
        return append(s, len);
    }
    size_t count = Utf16Length(s, len);
    if (own == 0 && count == wdata_len)
        return *this;
    memmove(wdata, wdata + own, count * sizeof(uchar16_t));
    wdata_len = count;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

ustring& ustring::assign(uchar16_t c, size_t n)
{
    clear();
    return append(c, n);
}

ustring& ustring::operator=(const char* s) { return assign(s); }
ustring& ustring::operator=(const std::string& x) { return assign(x); }
ustring& ustring::operator=(const ustring& x) { return assign(x); }
ustring& ustring::operator=(char c) { return assign(c, 1); }
ustring& ustring::operator=(const uchar16_t* s) { return assign(s); }
ustring& ustring::operator=(uchar16_t c) { return assign(c, 1); }

ustring& ustring::operator+=(const char* s) { return append(s); }
ustring& ustring::operator+=(const std::string& x) { return append(x); }
ustring& ustring::operator+=(const ustring& x) { return append(x); }
ustring& ustring::operator+=(char c) { return append(c, 1); }
ustring& ustring::operator+=(const uchar16_t* s) { return append(s); }
ustring& ustring::operator+=(uchar16_t c) { return append(c, 1); }

// ------------------------------------------------------- other members

ustring& ustring::clear()
{
    clear_data();
    clear_wdata();
    return *this;
}

ustring ustring::substr(size_t start, size_t len) const
{
    if (start > data_len)
        throw std::out_of_range("substr");
    if (len > data_len)
        len = data_len;
    ustring part;
    part.assign(data + start, len);
    return part;
}

ustring& ustring::replace(char c1, char c2)
{
    if (c1 == '\0')
        return *this;
    bool changed = false;
    for (size_t i = 0; i < data_len; ++i) {
        if (data[i] != c1)
            continue;
        changed = true;
        data[i] = c2;
        if (c2 == '\0') {
            // The text now ends here; keep the length honest.
            data_len = i;
            break;
        }
    }
    if (changed)
        clear_wdata();
    return *this;
}

void ustring::swap(ustring& s)
{
    std::swap(data, s.data);
    std::swap(data_len, s.data_len);
    std::swap(data_cap, s.data_cap);
    std::swap(wdata, s.wdata);
    std::swap(wdata_len, s.wdata_len);
    std::swap(wdata_cap, s.wdata_cap);
}

void swap(ustring& a, ustring& b)
{
    a.swap(b);
}

// -------------------------------------------------------------- searches

namespace {

struct Pattern {
    const char* bytes;
    size_t len;
};

Pattern TextPattern(const char* s) { return Pattern{s, TextLength(s)}; }
Pattern CharPattern(const char& c) { return Pattern{&c, 1}; }

size_t FindForward(const char* text, size_t length, Pattern p, size_t pos)
{
    if (pos >= length)
        return ustring::npos;
    if (p.len == 0)
        return pos;
    for (size_t i = pos; p.len <= length - i; ++i) {
        if (memcmp(text + i, p.bytes, p.len) == 0)
            return i;
    }
    return ustring::npos;
}

size_t FindBackward(const char* text, size_t length, Pattern p, size_t pos)
{
    if (length == 0)
        return ustring::npos;
    pos = BackwardStart(pos, length);
    if (p.len == 0)
        return pos;
    for (size_t i = pos + 1; i-- > 0;) {
        if (p.len <= length - i && memcmp(text + i, p.bytes, p.len) == 0)
            return i;
    }
    return ustring::npos;
}

// First byte from pos on whose membership in p equals wanted.
size_t ScanForward(const char* text, size_t length, Pattern p, size_t pos, bool wanted)
{
    if (pos >= length)
        return ustring::npos;
    if (p.len == 0)
        return wanted ? ustring::npos : pos;
    ByteSet set(p.bytes, p.len);
    for (size_t i = pos; i < length; ++i) {
        if (set.Has(text[i]) == wanted)
            return i;
    }
    return ustring::npos;
}

size_t ScanBackward(const char* text, size_t length, Pattern p, size_t pos, bool wanted)
{
    if (length == 0)
        return ustring::npos;
    pos = BackwardStart(pos, length);
    if (p.len == 0)
        return wanted ? ustring::npos : pos;
    ByteSet set(p.bytes, p.len);
    for (size_t i = pos + 1; i-- > 0;) {
        if (set.Has(text[i]) == wanted)
            return i;
    }
    return ustring::npos;
}

} // namespace

size_t ustring::find(const char* s, size_t pos) const
{
    return FindForward(data, data_len, TextPattern(s), pos);
}
size_t ustring::find(const std::string& s, size_t pos) const { return find(s.c_str(), pos); }
size_t ustring::find(const ustring& s, size_t pos) const { return find(s.c_str(), pos); }
size_t ustring::find(char c, size_t pos) const
{
    return FindForward(data, data_len, CharPattern(c), pos);
}

size_t ustring::rfind(const char* s, size_t pos) const
{
    return FindBackward(data, data_len, TextPattern(s), pos);
}
size_t ustring::rfind(const std::string& s, size_t pos) const { return rfind(s.c_str(), pos); }
size_t ustring::rfind(const ustring& s, size_t pos) const { return rfind(s.c_str(), pos); }
size_t ustring::rfind(char c, size_t pos) const
{
    return FindBackward(data, data_len, CharPattern(c), pos);
}

size_t ustring::find_first_of(const char* s, size_t pos) const
{
    return ScanForward(data, data_len, TextPattern(s), pos, true);
}
size_t ustring::find_first_of(const std::string& s, size_t pos) const
{
    return find_first_of(s.c_str(), pos);
}
size_t ustring::find_first_of(const ustring& s, size_t pos) const
{
    return find_first_of(s.c_str(), pos);
}
size_t ustring::find_first_of(char c, size_t pos) const
{
    return ScanForward(data, data_len, CharPattern(c), pos, true);
}

size_t ustring::find_first_not_of(const char* s, size_t pos) const
{
    return ScanForward(data, data_len, TextPattern(s), pos, false);
}
size_t ustring::find_first_not_of(const std::string& s, size_t pos) const
{
    return find_first_not_of(s.c_str(), pos);
}
size_t ustring::find_first_not_of(const ustring& s, size_t pos) const
{
    return find_first_not_of(s.c_str(), pos);
}
size_t ustring::find_first_not_of(char c, size_t pos) const
{
    return ScanForward(data, data_len, CharPattern(c), pos, false);
}

size_t ustring::find_last_of(const char* s, size_t pos) const
{
    return ScanBackward(data, data_len, TextPattern(s), pos, true);
}
size_t ustring::find_last_of(const std::string& s, size_t pos) const
{
    return find_last_of(s.c_str(), pos);
}
size_t ustring::find_last_of(const ustring& s, size_t pos) const
{
    return find_last_of(s.c_str(), pos);
}
size_t ustring::find_last_of(char c, size_t pos) const
{
    return ScanBackward(data, data_len, CharPattern(c), pos, true);
}

size_t ustring::find_last_not_of(const char* s, size_t pos) const
{
    return ScanBackward(data, data_len, TextPattern(s), pos, false);
}
size_t ustring::find_last_not_of(const std::string& s, size_t pos) const
{
    return find_last_not_of(s.c_str(), pos);
}
size_t ustring::find_last_not_of(const ustring& s, size_t pos) const
{
    return find_last_not_of(s.c_str(), pos);
}
size_t ustring::find_last_not_of(char c, size_t pos) const
{
    return ScanBackward(data, data_len, CharPattern(c), pos, false);
}

// -------------------------------------------------------------- trimming

// Trimming keeps a range of the own text; assign moves it to the front
// without allocating. The byte set is built first, so a list that points
// into the own text is read before anything moves.
ustring& ustring::ltrim(const char* list)
{
    ByteSet set(list, TextLength(list));
    size_t lead = LeadingRun(data, data_len, set);
    return assign(data + lead, data_len - lead);
}

ustring& ustring::ltrim(const ustring& list) { return ltrim(list.c_str()); }

ustring& ustring::rtrim(const char* list)
{
    ByteSet set(list, TextLength(list));
    return assign(data, data_len - TrailingRun(data, data_len, set));
}

ustring& ustring::rtrim(const ustring& list) { return rtrim(list.c_str()); }

ustring& ustring::trim(const char* list)
{
    ByteSet set(list, TextLength(list));
    size_t lead = LeadingRun(data, data_len, set);
    size_t kept = data_len - lead;
    kept -= TrailingRun(data + lead, kept, set);
    return assign(data + lead, kept);
}

ustring& ustring::trim(const ustring& list) { return trim(list.c_str()); }

// ------------------------------------------------------------- comparing

int ustring::compare(const ustring& str) const
{
    return compare(*this, str, false);
}

int ustring::compare(const ustring& str, size_t n) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(data);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(str.data);
    for (size_t i = 0; i < n; ++i) {
        if (a[i] != b[i] || a[i] == 0)
            return a[i] - b[i];
    }
    return 0;
}

int ustring::compare(const ustring& a, const ustring& b, bool caseless)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a.data);
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b.data);
    for (;; ++p, ++q) {
        int x = caseless ? kCaseFold.map[*p] : *p;
        int y = caseless ? kCaseFold.map[*q] : *q;
        if (x != y || x == 0)
            return x - y;
    }
}

// --------------------------------------------------------- normalisation

ustring ustring::normalize(const ustring& x, normalization_form n)
{
    ustring result;
    if (x.empty())
        return result;
    UErrorCode err = U_ZERO_ERROR;
    const UNormalizer2* normalizer = unorm2_getInstance(
        nullptr, "nfc", n == NFC ? UNORM2_COMPOSE : UNORM2_DECOMPOSE, &err);
    if (U_FAILURE(err) || !normalizer) {
        WarnIcuFailure("Warning: unorm2_getInstance: error code ", err, __LINE__);
        return result;
    }
    const UChar* source = AsUChar(x.c_str_utf16());
    int32_t units = unorm2_normalize(normalizer, source, -1, nullptr, 0, &err);
    err = U_ZERO_ERROR;
    result.realloc_wdata(static_cast<size_t>(units) + 1);
    units = unorm2_normalize(normalizer, source, -1, AsUChar(result.wdata),
                             IcuCapacity(result.wdata_cap), &err);
    if (U_FAILURE(err)) {
        WarnIcuFailure("Warning: unorm2_normalize: error code ", err, __LINE__);
        result.clear();
        return result;
    }
    result.wdata_len = static_cast<size_t>(units);
    result.wdata[result.wdata_len] = 0;
    result.convert_from_wdata();
    return result;
}

ustring ustring::normalize(normalization_form n) const
{
    return normalize(*this, n);
}

bool ustring::is_valid(const ustring& x)
{
    if (x.empty())
        return true;
    UErrorCode err = U_ZERO_ERROR;
    int32_t units = 0;
    u_strFromUTF8(nullptr, 0, &units, x.data, -1, &err);
    return err != U_INVALID_CHAR_FOUND;
}

// ------------------------------------------------------- free operators

ustring operator+(const ustring& a, const ustring& b)
{
    ustring sum(a);
    return sum.append(b);
}

ustring operator+(const ustring& a, const char* b)
{
    ustring sum(a);
    return sum.append(b);
}

ustring operator+(const ustring& a, char b)
{
    ustring sum(a);
    return sum.append(b, 1);
}

ustring operator+(const ustring& a, const ustring::uchar16_t* b)
{
    ustring sum(a);
    return sum.append(b);
}

ustring operator+(const ustring& a, ustring::uchar16_t b)
{
    ustring sum(a);
    return sum.append(b, 1);
}

bool operator<(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) < 0; }
bool operator>(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) > 0; }
bool operator==(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) == 0; }
bool operator!=(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) != 0; }

std::ostream& operator<<(std::ostream& os, const ustring& s)
{
    return os << s.c_str();
}

std::istream& operator>>(std::istream& is, ustring& s)
{
    // A failed read (end of input) leaves the target as it was, like
    // reading into a std::string.
    std::string word;
    if (is >> word)
        s.assign(word);
    return is;
}
