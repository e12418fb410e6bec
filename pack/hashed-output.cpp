#include "hashed-output.h"

#include <cerrno>
#include <unistd.h>

#include "package-digest.h"

namespace pack {

HashedOutput::HashedOutput(int fd) : m_fd(fd), m_state(XXH3_createState())
{
    if (m_state)
        XXH3_128bits_reset(m_state);
}

HashedOutput::~HashedOutput()
{
    XXH3_freeState(m_state);
}

bool HashedOutput::Write(const void* data, size_t size)
{
    if (!m_state) {
        errno = ENOMEM;
        return false;
    }
    XXH3_128bits_update(m_state, data, size);
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = write(m_fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::string HashedOutput::HexDigest() const
{
    if (!m_state)
        return std::string();
    XXH128_hash_t hash = XXH3_128bits_digest(m_state);
    PackageDigest digest;
    digest.high = hash.high64;
    digest.low = hash.low64;
    return FormatDigest(digest);
}

} // namespace pack
