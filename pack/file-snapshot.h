#ifndef HALVORA_PACK_FILE_SNAPSHOT_H
#define HALVORA_PACK_FILE_SNAPSHOT_H

#include <cstdint>
#include <memory>
#include <string>

#include "client-tree.h"
#include "package-digest.h"

struct archive;

namespace pack {

// One read of a tree file, kept where nothing else can change it: the
// checksum that goes into the entry's header and the data that follows it
// come from the same bytes. A small file is held in memory, a larger one in
// a temporary file without a name (gone however the run ends).
class FileSnapshot {
public:
    FileSnapshot() = default;
    ~FileSnapshot();
    FileSnapshot(const FileSnapshot&) = delete;
    FileSnapshot& operator=(const FileSnapshot&) = delete;

    // Reads the entry's file, spooling into spool_dir when it is large.
    // False with one line in error; "<path>: changed while it was packed"
    // when the file is not the one the tree check saw, or changes while it
    // is read.
    bool Take(const TreeEntry& entry, const std::string& spool_dir, std::string* error);
    const PackageDigest& Digest() const { return m_digest; }
    // The bytes taken, as the data of the entry whose header a was just
    // given. False with one line in error.
    bool WriteTo(archive* a, const std::string& package, std::string* error);

private:
    bool OpenSpool(const std::string& spool_dir);
    bool Keep(const char* data, size_t size);

    std::string m_memory;
    int m_spool = -1;
    int64_t m_size = 0;
    PackageDigest m_digest;
};

} // namespace pack

#endif
