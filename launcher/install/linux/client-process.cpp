#include "linux/client-process.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

#include "config.h"

pid_t ParsePid(const ustring& text)
{
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t')
        ++begin;
    if (*begin < '0' || *begin > '9')
        return 0;
    char* end = nullptr;
    errno = 0;
    long value = strtol(begin, &end, 10);
    while (*end == ' ' || *end == '\t' || *end == '\r' || *end == '\n')
        ++end;
    if (errno != 0 || *end != '\0' || value <= 0 || value > INT_MAX)
        return 0;
    return static_cast<pid_t>(value);
}

int PidOfPidFile(const std::string& text, pid_t& pid, ustring& value)
{
    pid = 0;
    Config pid_conf;
    if (pid_conf.read_text(text) < 0)
        return -1;
    value = pid_conf["pid"];
    pid = ParsePid(value);
    return 0;
}

bool HasProcessEnded(pid_t pid)
{
    if (kill(pid, 0) != 0 && errno == ESRCH)
        return true;
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
    FILE* f = fopen(path, "re");
    if (!f)
        return false;
    // "pid (comm) state ...": comm may hold blanks and parentheses, so the
    // state is found after the last ')'.
    char buf[512];
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = '\0';
    const char* close = strrchr(buf, ')');
    return close && close[1] == ' ' && close[2] == 'Z';
}

ClientIdentity IdentifyProcess(pid_t pid, const char* client_name)
{
    char link[64];
    snprintf(link, sizeof link, "/proc/%d/exe", static_cast<int>(pid));
    char target[4096];
    ssize_t n = readlink(link, target, sizeof target - 1);
    if (n < 0) {
        if (errno == ENOENT)
            return ClientIdentity::Gone;
        return ClientIdentity::Unknown;
    }
    target[n] = '\0';
    // A client whose file was replaced since it started still is the client.
    const char* deleted = " (deleted)";
    size_t len = static_cast<size_t>(n), dlen = strlen(deleted);
    if (len > dlen && strcmp(target + len - dlen, deleted) == 0)
        target[len - dlen] = '\0';
    const char* name = strrchr(target, '/');
    name = name ? name + 1 : target;
    return strcmp(name, client_name) == 0 ? ClientIdentity::IsClient : ClientIdentity::NotClient;
}

namespace {

// The system keeps this many bytes of a program's name in /proc/<pid>/stat.
const size_t kProcessNameBytes = 15;

// "pid (name) state ...": the name may hold blanks and parentheses, so it
// ends at the last ')'. False when the file cannot be read.
bool ReadProcessName(pid_t pid, std::string& name)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[512];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer - 1)) < 0 && errno == EINTR) {
    }
    close(fd);
    if (n <= 0)
        return false;
    std::string text(buffer, static_cast<size_t>(n));
    size_t open_paren = text.find('(');
    size_t close_paren = text.rfind(')');
    if (open_paren == std::string::npos || close_paren == std::string::npos ||
        close_paren < open_paren)
        return false;
    name = text.substr(open_paren + 1, close_paren - open_paren - 1);
    return true;
}

} // namespace

HiddenProcess JudgeHiddenProcess(pid_t pid, const char* client_name)
{
    std::string name;
    if (!ReadProcessName(pid, name))
        return HiddenProcess::MayBeClient;
    return name == std::string(client_name).substr(0, kProcessNameBytes) ? HiddenProcess::ClientName
                                                                         : HiddenProcess::OtherName;
}

bool RunsClient(pid_t pid, const char* client_name)
{
    ClientIdentity identity = IdentifyProcess(pid, client_name);
    return identity == ClientIdentity::IsClient ||
           (identity == ClientIdentity::Unknown &&
            JudgeHiddenProcess(pid, client_name) == HiddenProcess::ClientName);
}

ProcessHandle::ProcessHandle(pid_t process) : pid(process)
{
    pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0 && errno != ENOSYS)
        open_error = errno;
}

ProcessHandle::~ProcessHandle()
{
    if (pidfd >= 0)
        close(pidfd);
}

int ProcessHandle::Signal(int sig) const
{
    long ret = pidfd >= 0 ? syscall(SYS_pidfd_send_signal, pidfd, sig, nullptr, 0)
                          : kill(pid, sig);
    return ret == 0 ? 0 : errno;
}

namespace {

// The pidfd turns readable when the process exits, zombie or not.
bool PollForExit(int pidfd, int timeout_ms)
{
    timespec start;
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (int left = timeout_ms;;) {
        pollfd pfd = {pidfd, POLLIN, 0};
        int ret = poll(&pfd, 1, left);
        if (ret > 0)
            return true;
        if (ret == 0 || errno != EINTR)
            return false;
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        long spent = (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
        left = timeout_ms - static_cast<int>(spent);
        if (left <= 0)
            return false;
    }
}

// Without a pidfd nothing tells us of the exit: probe once a second.
bool ProbeForExit(pid_t pid, int timeout_ms)
{
    for (int waited = 0; waited < timeout_ms; waited += 1000) {
        if (HasProcessEnded(pid))
            return true;
        sleep(1);
    }
    return false;
}

} // namespace

bool ProcessHandle::WaitForExit(int timeout_ms) const
{
    return pidfd >= 0 ? PollForExit(pidfd, timeout_ms) : ProbeForExit(pid, timeout_ms);
}
