#include "package-file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const size_t kReadSize = 1 << 20;

} // namespace

PackageFile::~PackageFile()
{
    if (fd >= 0)
        close(fd);
}

int PackageFile::Open(const ustring& where)
{
    path = where;
    fd = open(where.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat st;
    if (fstat(fd, &st) == 0)
        size = static_cast<int64_t>(st.st_size);
    return 0;
}

ssize_t ReadAt(int fd, void* buffer, size_t size, int64_t offset)
{
    ssize_t n;
    do
        n = pread(fd, buffer, size, offset);
    while (n < 0 && errno == EINTR);
    return n;
}

PackageBytes::PackageBytes(const PackageFile& file) : fd(file.Descriptor()) {}

PackageBytes::~PackageBytes() = default;

ssize_t PackageBytes::Read(void* buffer, size_t size)
{
    if (!digest.Ready()) {
        errno = ENOMEM;
        return -1;
    }
    ssize_t n = ReadAt(fd, buffer, size, offset);
    if (n > 0) {
        digest.Update(buffer, static_cast<size_t>(n));
        offset += n;
    }
    at_end = n == 0;
    return n;
}

int PackageBytes::ReadRest()
{
    std::unique_ptr<char[]> buffer(new char[kReadSize]);
    for (;;) {
        ssize_t n = Read(buffer.get(), kReadSize);
        if (n <= 0)
            return n == 0 ? 0 : -1;
    }
}

PackageDigest PackageBytes::Digest() const
{
    return digest.Digest();
}

int DigestPackage(const PackageFile& file, PackageDigest& digest, std::string& error)
{
    PackageBytes bytes(file);
    if (bytes.ReadRest() != 0) {
        error = strerror(errno);
        return -1;
    }
    digest = bytes.Digest();
    return 0;
}
