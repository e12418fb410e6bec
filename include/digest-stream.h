#ifndef HALVORA_DIGEST_STREAM_H
#define HALVORA_DIGEST_STREAM_H

#include <cerrno>
#include <cstddef>
#include <sys/types.h>
#include <unistd.h>
#include <xxhash.h>

#include "package-digest.h"

// The XXH3-128 of bytes handed over piece by piece: the package's checksum
// and each file's, in the packer and in the launcher alike.
class DigestStream {
public:
    DigestStream() : state(XXH3_createState())
    {
        if (state)
            XXH3_128bits_reset(state);
    }
    ~DigestStream() { XXH3_freeState(state); }
    DigestStream(const DigestStream&) = delete;
    DigestStream& operator=(const DigestStream&) = delete;

    // False when the state could not be made (out of memory).
    bool Ready() const { return state != nullptr; }
    void Update(const void* data, size_t size)
    {
        if (state)
            XXH3_128bits_update(state, data, size);
    }
    PackageDigest Digest() const
    {
        if (!state)
            return PackageDigest();
        XXH128_hash_t hash = XXH3_128bits_digest(state);
        return PackageDigest{hash.high64, hash.low64};
    }

private:
    XXH3_state_t* state;
};

// The XXH3-128 of the whole content of the open file fd, read from its
// start whatever its offset; false when it cannot be read.
inline bool DigestOfFile(int fd, PackageDigest& digest)
{
    DigestStream content;
    if (!content.Ready())
        return false;
    char buffer[1 << 16];
    for (off_t offset = 0;;) {
        ssize_t n = pread(fd, buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        content.Update(buffer, static_cast<size_t>(n));
        offset += n;
    }
    digest = content.Digest();
    return true;
}

#endif
