#ifndef HALVORA_PACK_VERSION_FILE_H
#define HALVORA_PACK_VERSION_FILE_H

#include <cstdint>
#include <string>

namespace pack {

// The group "Version" of an INFO file, as the launcher reads it.
struct VersionKeys {
    std::string major_version;
    std::string minor_version;
    std::string build_version;
    std::string icon_overlay_version;
};

// What the system INFO says about the package beside it, so that the
// launcher can check it before it stops the running client.
struct PackageFacts {
    int64_t entries = 0;
    int64_t unpacked_size = 0;
    std::string xxh3_128; // 32 lowercase hex digits, high half first
};

// Reads the group "Version" with the same INI reader as the launcher. False
// when the file does not exist or cannot be read.
bool ReadVersionKeys(const std::string& info_path, VersionKeys* keys);

// Two build texts name the same build when they are the same number.
bool SameBuild(const std::string& a, const std::string& b);

// The text of the system INFO: group "Version", then group "Package".
std::string SystemInfoText(const VersionKeys& keys, const PackageFacts& facts);

} // namespace pack

#endif
