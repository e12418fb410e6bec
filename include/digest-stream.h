#ifndef HALVORA_DIGEST_STREAM_H
#define HALVORA_DIGEST_STREAM_H

#include <cstddef>
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

#endif
