#include "file-snapshot.h"

#include <archive.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "digest-stream.h"

namespace pack {

namespace {

const size_t kBlock = 256 * 1024;
// Up to this a file is held in memory; beyond it, spooled to disk.
const int64_t kMemoryLimit = 8 << 20;

bool SameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Whether the open file is still what the tree check saw (its size, its
// inode, its last change) or, after the read, what it was before it.
bool Unchanged(const struct stat& now, const TreeEntry& entry)
{
    return now.st_size == entry.size && now.st_ino == entry.ino && now.st_dev == entry.dev &&
           SameTime(now.st_ctim, entry.changed);
}

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

struct FdCloser {
    int fd;
    ~FdCloser()
    {
        if (fd >= 0)
            close(fd);
    }
};

} // namespace

FileSnapshot::~FileSnapshot()
{
    if (m_spool >= 0)
        close(m_spool);
}

// Without a name from the start where the file system allows it, else named
// only for the moment between its creation and its unlinking.
bool FileSnapshot::OpenSpool(const std::string& spool_dir)
{
    m_spool = open(spool_dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (m_spool >= 0)
        return true;
    std::string name = spool_dir + "/.spool-XXXXXX";
    m_spool = mkostemp(&name[0], O_CLOEXEC);
    if (m_spool < 0)
        return false;
    unlink(name.c_str());
    return true;
}

bool FileSnapshot::Keep(const char* data, size_t size)
{
    if (m_spool < 0) {
        m_memory.append(data, size);
        return true;
    }
    return WriteAll(m_spool, data, size);
}

bool FileSnapshot::Take(const TreeEntry& entry, const std::string& spool_dir, std::string* error)
{
    const std::string changed = entry.disk_path + ": changed while it was packed";
    FdCloser file{open(entry.disk_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW)};
    struct stat before;
    if (file.fd < 0 || fstat(file.fd, &before) != 0) {
        *error = entry.disk_path + ": " + strerror(errno);
        return false;
    }
    if (!Unchanged(before, entry)) {
        *error = changed;
        return false;
    }
    if (entry.size > kMemoryLimit && !OpenSpool(spool_dir)) {
        *error = spool_dir + ": no room to hold " + entry.disk_path + ": " + strerror(errno);
        return false;
    }
    DigestStream content;
    std::unique_ptr<char[]> buffer(new char[kBlock]);
    m_size = 0;
    for (;;) {
        ssize_t n = read(file.fd, buffer.get(), kBlock);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || !content.Ready()) {
            *error = entry.disk_path + ": " + strerror(n < 0 ? errno : ENOMEM);
            return false;
        }
        if (n == 0 || m_size + n > entry.size)
            break;
        if (!Keep(buffer.get(), static_cast<size_t>(n))) {
            *error = spool_dir + ": no room to hold " + entry.disk_path + ": " + strerror(errno);
            return false;
        }
        content.Update(buffer.get(), static_cast<size_t>(n));
        m_size += n;
    }
    struct stat after;
    if (m_size != entry.size || fstat(file.fd, &after) != 0 || !Unchanged(after, entry) ||
        !SameTime(after.st_mtim, before.st_mtim)) {
        *error = changed;
        return false;
    }
    m_digest = content.Digest();
    return true;
}

bool FileSnapshot::WriteTo(archive* a, const std::string& package, std::string* error)
{
    auto put = [&](const char* data, size_t size) {
        if (archive_write_data(a, data, size) == static_cast<la_ssize_t>(size))
            return true;
        const char* text = archive_error_string(a);
        *error = package + ": " + (text ? text : "unknown libarchive error");
        return false;
    };
    if (m_spool < 0)
        return m_memory.empty() || put(m_memory.data(), m_memory.size());
    std::unique_ptr<char[]> buffer(new char[kBlock]);
    for (int64_t at = 0; at < m_size;) {
        ssize_t n = pread(m_spool, buffer.get(), kBlock, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *error = package + ": the held copy cannot be read back: " +
                     strerror(n < 0 ? errno : EIO);
            return false;
        }
        if (!put(buffer.get(), static_cast<size_t>(n)))
            return false;
        at += n;
    }
    return true;
}

} // namespace pack
