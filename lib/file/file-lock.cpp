#include "file/file-lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

int FileLock::Open(const char* path, int extra_flags)
{
    Close();
    m_fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC | extra_flags, 0600);
    return m_fd >= 0 ? 0 : errno;
}

int FileLock::TryLock()
{
    return flock(m_fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

void FileLock::Close()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}
