#ifndef HALVORA_E2E_PACKAGE_MANIFEST_H
#define HALVORA_E2E_PACKAGE_MANIFEST_H

#include <cstdint>
#include <map>
#include <string>
#include <sys/types.h>
#include <utility>

namespace e2e {

struct ManifestEntry {
    bool is_dir = false;
    int64_t size = 0;
    int mode = 0;  // permission bits
};

// Entry path (without a trailing "/") -> what the package holds there, read
// with libarchive. Empty when the package cannot be read.
using Manifest = std::map<std::string, ManifestEntry>;
Manifest ReadManifest(const std::string& package);

// Every entry of the manifest is at dir with its kind, size and execute
// bits. Returns the first few differences, one per line; empty when none.
std::string CompareTree(const std::string& dir, const Manifest& manifest);

// Writes the first `entries` entries of the package below dest, the last of
// them cut to half its size: what an unpack stopped by a power cut leaves.
bool ExtractPrefix(const std::string& package, const std::string& dest, int entries);

// Writes the entries of package to `to` as an uncompressed tar, with the
// build number of its INFO set to `build`; with read_only_folder, a folder
// "share/locked" of mode 0555 holding one file is added; with
// symbolic_link, a link "bin/halvora-backup" to the client beside it.
bool RewritePackage(const std::string& package, const std::string& to, int build,
                    bool read_only_folder, bool symbolic_link = false);

// Group "Package" of a system INFO describing the package as halvora-pack
// does: its entry count, unpacked size and XXH3-128.
std::string PackageGroup(const std::string& package);

// Each regular file below dir: its inode and a hash of its content.
using FileIdentities = std::map<std::string, std::pair<ino_t, size_t>>;
FileIdentities IdentifyFiles(const std::string& dir);

// The files below dir that hold what they held in `before`, and how many
// of them kept their inode: linked by an upgrade, not written again.
struct KeptFiles {
    int unchanged = 0;
    int linked = 0;
};
KeptFiles CountLinked(const FileIdentities& before, const std::string& dir);

} // namespace e2e

#endif
