#include "file/own-file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file/file-op.h"

int ReadOwnFile(const ustring& path, size_t max_bytes, std::string& text)
{
    text.clear();
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
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
    // The size may grow while it is read: never take more than the bound.
    char buffer[4096];
    while (err == 0) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            err = errno;
        else if (n == 0)
            break;
        else if (text.size() + static_cast<size_t>(n) > max_bytes)
            err = EFBIG;
        else
            text.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    if (err != 0)
        text.clear();
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
