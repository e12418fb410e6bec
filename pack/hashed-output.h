#ifndef HALVORA_PACK_HASHED_OUTPUT_H
#define HALVORA_PACK_HASHED_OUTPUT_H

#include <cstddef>
#include <string>

#include "digest-stream.h"

namespace pack {

// The package file being written: every byte also goes into its XXH3-128
// checksum, so the package is read only once.
class HashedOutput {
public:
    explicit HashedOutput(int fd);
    ~HashedOutput();
    HashedOutput(const HashedOutput&) = delete;
    HashedOutput& operator=(const HashedOutput&) = delete;

    // False with errno set when the file cannot take the bytes.
    bool Write(const void* data, size_t size);
    // The checksum of everything written: 32 lowercase hex digits, high half
    // first.
    std::string HexDigest() const;

private:
    int m_fd;
    DigestStream m_digest;
};

} // namespace pack

#endif
