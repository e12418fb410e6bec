#include "file/own-file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "file/file-op.h"

namespace {

// The open never blocks and follows no link; fd is the open file when the
// result is 0.
int OpenOwnFile(const ustring& path, size_t max_bytes, int& fd)
{
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer.
    fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == EMLINK ? ELOOP : errno;
    struct stat st;
    int err = 0;
    if (fstat(fd, &st) != 0)
        err = errno;
    else if (!S_ISREG(st.st_mode))
        err = EFTYPE_NOT_REGULAR;
    else if (static_cast<unsigned long long>(st.st_size) > max_bytes)
        err = EFBIG;
    if (err != 0) {
        close(fd);
        fd = -1;
    }
    return err;
}

// The next chunk of fd into buffer, counting it against what is left of the
// bound: the size may grow while it is read. Bytes read, 0 at the end, or
// -errno.
ssize_t ReadChunk(int fd, char* buffer, size_t size, size_t& left)
{
    for (;;) {
        ssize_t n = read(fd, buffer, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -errno;
        if (static_cast<size_t>(n) > left)
            return -EFBIG;
        left -= static_cast<size_t>(n);
        return n;
    }
}

} // namespace

int ReadOwnFile(const ustring& path, size_t max_bytes, std::string& text)
{
    text.clear();
    int fd = -1;
    int err = OpenOwnFile(path, max_bytes, fd);
    char buffer[4096];
    for (size_t left = max_bytes; err == 0;) {
        ssize_t n = ReadChunk(fd, buffer, sizeof buffer, left);
        if (n <= 0) {
            err = static_cast<int>(-n);
            break;
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    if (fd >= 0)
        close(fd);
    if (err != 0)
        text.clear();
    return err;
}

int ReadOwnFileLines(const ustring& path, size_t max_bytes, size_t max_line,
                     const OwnFileLine& take)
{
    int fd = -1;
    int err = OpenOwnFile(path, max_bytes, fd);
    if (err != 0)
        return err;
    std::string line;
    size_t number = 1;
    bool overlong = false;
    std::vector<char> chunk(64 << 10);
    char* buffer = chunk.data();
    for (size_t left = max_bytes;;) {
        ssize_t n = ReadChunk(fd, buffer, chunk.size(), left);
        if (n <= 0) {
            err = static_cast<int>(-n);
            break;
        }
        bool go_on = true;
        for (const char *p = buffer, *end = buffer + n; p < end && go_on;) {
            const char* eol = static_cast<const char*>(memchr(p, '\n', static_cast<size_t>(end - p)));
            size_t length = static_cast<size_t>((eol ? eol : end) - p);
            overlong = overlong || line.size() + length > max_line;
            if (!overlong)
                line.append(p, length);
            p += length + (eol ? 1 : 0);
            if (!eol)
                break;
            go_on = overlong || take(line, number);
            line.clear();
            overlong = false;
            ++number;
        }
        if (!go_on)
            break;
    }
    close(fd);
    return err;
}

const char* OwnFileErrorText(int err)
{
    if (err == EFTYPE_NOT_REGULAR)
        return "not a regular file";
    if (err == ELOOP)
        return "a symbolic link";
    if (err == EFBIG)
        return "larger than such a file can be";
    return strerror(err);
}

int ClearOwnTemporaryName(const ustring& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(st.st_mode)) {
        if (FSRemove(path, false) != 0)
            return errno ? errno : EEXIST;
        return 0;
    }
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        return errno;
    return 0;
}
