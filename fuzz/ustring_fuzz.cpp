// The string type's UTF-8 and UTF-16 input paths and its normalisation. The
// first byte picks the path; the rest is the text. Besides crashes it checks
// the round trips a valid text must survive.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ustring/ustring.h"

namespace {

void Check(bool ok, const char* what)
{
    if (!ok) {
        fprintf(stderr, "ustring_fuzz: %s\n", what);
        abort();
    }
}

void FromUtf8(const uint8_t* data, size_t size)
{
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    ustring s(text.data());
    const ustring::uchar16_t* wide = s.c_str_utf16();
    bool valid = ustring::is_valid(s);
    if (valid && wide) {
        ustring back(wide);
        Check(back == s, "UTF-8 -> UTF-16 -> UTF-8 changed a valid text");
    }
    ustring nfc = s.normalize(ustring::NFC);
    ustring nfd = s.normalize(ustring::NFD);
    if (valid) {
        Check(ustring::normalize(nfd, ustring::NFC) == nfc, "NFC(NFD(x)) != NFC(x)");
        Check(ustring::normalize(nfc, ustring::NFC) == nfc, "NFC is not idempotent");
    }
    ustring::compare(s, nfd, true);
    s.find(nfc);
    s.rfind(nfd);
    ustring joined = s + nfc;
    joined += static_cast<ustring::uchar16_t>(0x00E9);
    // A start past the end throws by design; the fuzzer keeps to the text.
    joined.substr(std::min(size / 2, joined.length()), size);
}

void FromUtf16(const uint8_t* data, size_t size)
{
    std::vector<ustring::uchar16_t> text(size / 2 + 1, 0);
    memcpy(text.data(), data, size / 2 * 2);
    ustring s(text.data());
    ustring copy;
    copy.append(text.data(), size / 2);
    copy.c_str_utf16();
    ustring::is_valid(s);
    s.normalize(ustring::NFC);
    s.normalize(ustring::NFD);
    ustring mixed("prefix ");
    mixed += text.data();
    mixed.append("suffix");
    ustring::compare(mixed, s, true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] & 1)
        FromUtf16(data + 1, size - 1);
    else
        FromUtf8(data + 1, size - 1);
    return 0;
}
