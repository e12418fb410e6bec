#include "hashed-output.h"

#include <cerrno>
#include <unistd.h>

#include "package-digest.h"

namespace pack {

HashedOutput::HashedOutput(int fd) : m_fd(fd) {}

HashedOutput::~HashedOutput() = default;

bool HashedOutput::Write(const void* data, size_t size)
{
    if (!m_digest.Ready()) {
        errno = ENOMEM;
        return false;
    }
    m_digest.Update(data, size);
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
    return m_digest.Ready() ? FormatDigest(m_digest.Digest()) : std::string();
}

} // namespace pack
