#ifndef HALVORA_PACKAGE_METADATA_H
#define HALVORA_PACKAGE_METADATA_H

#include <cstdint>
#include <string>

#include "package-digest.h"
#include "ustring/ustring.h"

class PackageFile;

// What the packer wrote into group "Package" of the system INFO: the number
// of entries, the sum of their sizes and the checksum of halvora.hpk.
struct PackageMetadata {
    int entries = 0;
    int64_t unpacked_size = 0;
    PackageDigest digest;
};

enum class MetadataState {
    Absent,    // no group "Package": a package from before the metadata
    Valid,     // all three keys, well formed
    Malformed, // the group is there but a key is missing, unreadable or absurd
};

// Reads group "Package" of the INFO file at path; problem names the first
// missing or malformed key.
MetadataState ReadPackageMetadata(const ustring& path, PackageMetadata& metadata,
                                  std::string& problem);

// How the package stands against group "Package" of the system INFO, checked
// before anything of the user's is touched. The XXH3-128 of the whole file
// is cheap enough (a small fraction of one decode) to prove the package is
// the one its INFO describes.
enum class PackageCheck {
    Described,   // the checksum matches: count and size come from the INFO
    Undescribed, // no group "Package" (an older packer): the package must be read in full
    Mismatch,    // another package, a damaged group, or unreadable: it must not be installed
};

// Every outcome but Described is logged.
PackageCheck CheckPackageAgainstInfo(const ustring& info, const PackageFile& package,
                                     PackageMetadata& metadata);

#endif
