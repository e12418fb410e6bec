#ifndef HALVORA_PACK_VERSION_FILE_H
#define HALVORA_PACK_VERSION_FILE_H

#include <cstdint>
#include <string>

#include "version-keys.h"

namespace pack {

using ::VersionKeys;

// What the system INFO says about the package beside it, so that the
// launcher can check it before it stops the running client.
struct PackageFacts {
    int64_t entries = 0;
    int64_t unpacked_size = 0;
    std::string xxh3_128; // 32 lowercase hex digits, high half first
};

// Two build texts name the same build when they are the same number.
bool SameBuild(const std::string& a, const std::string& b);

// The text of the system INFO: group "Version", then group "Package".
std::string SystemInfoText(const VersionKeys& keys, const PackageFacts& facts);

} // namespace pack

#endif
