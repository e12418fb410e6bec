#include "linux/client-process.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <cstring>
#include <unistd.h>

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
