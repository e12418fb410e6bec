#include "file/open-beneath.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

int OpenBeneath(int dirfd, const char* path, int flags)
{
    open_how how;
    memset(&how, 0, sizeof how);
    how.flags = static_cast<uint64_t>(flags | O_CLOEXEC);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    for (;;) {
        long fd = syscall(SYS_openat2, dirfd, path, &how, sizeof how);
        // The kernel asks for a retry when a rename raced the lookup.
        if (fd < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        return static_cast<int>(fd);
    }
}
