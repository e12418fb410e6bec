#ifndef HALVORA_PACKAGE_DIGEST_H
#define HALVORA_PACKAGE_DIGEST_H

#include <cstdint>
#include <cstdio>
#include <string>

// The checksum of a package as the system INFO carries it: XXH3-128 as 32
// hex digits, high half first. The packer writes it and the launcher reads
// it, so both go through these two functions.
struct PackageDigest {
    uint64_t high = 0;
    uint64_t low = 0;
    bool operator==(const PackageDigest& other) const
    {
        return high == other.high && low == other.low;
    }
};

// The packer gives each file entry the checksum of its content in this
// extended attribute of its header (pax SCHILY.xattr), so that the launcher
// knows it before it reads the data. The disk writer never restores it.
const char kEntryDigestAttribute[] = "user.halvora.xxh3_128";

// 32 lowercase hex digits, high half first.
inline std::string FormatDigest(const PackageDigest& digest)
{
    char text[33];
    snprintf(text, sizeof(text), "%016llx%016llx", static_cast<unsigned long long>(digest.high),
             static_cast<unsigned long long>(digest.low));
    return text;
}

namespace package_digest_detail {

inline bool ParseHex64(const std::string& text, uint64_t& value)
{
    value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value << 4 | static_cast<uint64_t>(digit);
    }
    return true;
}

} // namespace package_digest_detail

// Accepts exactly 32 hex digits (either case); false otherwise.
inline bool ParseDigest(const std::string& text, PackageDigest& digest)
{
    return text.size() == 32 &&
           package_digest_detail::ParseHex64(text.substr(0, 16), digest.high) &&
           package_digest_detail::ParseHex64(text.substr(16), digest.low);
}

#endif
