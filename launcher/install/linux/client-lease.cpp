#include "linux/client-lease.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

unsigned long long ProcessStartTicks(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char buffer[1024];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer - 1)) < 0 && errno == EINTR) {
    }
    close(fd);
    if (n <= 0)
        return 0;
    buffer[n] = '\0';
    // "pid (comm) state ppid ...": comm may hold blanks, so fields are
    // counted from the last ')', which comes right before field 3.
    const char* field = strrchr(buffer, ')');
    for (int number = 3; number <= 22 && field; ++number)
        field = strchr(field + 1, ' ');
    return field ? strtoull(field + 1, nullptr, 10) : 0;
}

namespace {

// The name still names the file we hold: a newer record (a new client's,
// written under the same name) is not ours to remove.
void RemoveIfOurs(const char* record, int record_fd)
{
    struct stat held, named;
    if (fstat(record_fd, &held) == 0 && lstat(record, &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino)
        unlink(record);
}

} // namespace

int RunClientLease(const char* record, pid_t pid, unsigned long long start_ticks, int record_fd)
{
    int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    // The number names our client only while its start time is the one
    // recorded: checked once the pidfd pins the process.
    if (pidfd < 0 || ProcessStartTicks(pid) != start_ticks) {
        if (pidfd < 0 && errno != ESRCH)
            fprintf(stderr, "halvora-lease: pidfd_open(%d): %s\n", static_cast<int>(pid),
                    strerror(errno));
        RemoveIfOurs(record, record_fd);
        return pidfd < 0 && errno != ESRCH ? 1 : 0;
    }
    for (;;) {
        pollfd pfd = {pidfd, POLLIN, 0};
        int ret = poll(&pfd, 1, kLeaseRenewSeconds * 1000);
        if (ret > 0)
            break;
        if (ret < 0 && errno != EINTR) {
            fprintf(stderr, "halvora-lease: poll: %s\n", strerror(errno));
            break;
        }
        if (ret == 0 && futimens(record_fd, nullptr) != 0)
            fprintf(stderr, "halvora-lease: cannot renew '%s': %s\n", record, strerror(errno));
    }
    RemoveIfOurs(record, record_fd);
    close(pidfd);
    return 0;
}
