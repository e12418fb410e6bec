#include "linux/shared-mappings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>

namespace {

// True when the process's real or effective user is uid; a process that has
// ended, or whose status cannot be read, is none of the user's.
bool RunsAs(const char* pid, uid_t uid)
{
    std::string path = std::string("/proc/") + pid + "/status";
    FILE* status = fopen(path.c_str(), "re");
    if (!status)
        return false;
    char line[256];
    bool ours = false;
    while (fgets(line, sizeof line, status)) {
        unsigned long real = 0, effective = 0;
        if (sscanf(line, "Uid: %lu %lu", &real, &effective) == 2) {
            ours = real == uid || effective == uid;
            break;
        }
    }
    fclose(status);
    return ours;
}

// Adds the inodes the process maps writable and shared; false when its
// mappings cannot be read while it still runs.
bool ReadMappingsOf(const char* pid, FileIds& files)
{
    std::string path = std::string("/proc/") + pid + "/maps";
    FILE* maps = fopen(path.c_str(), "re");
    if (!maps)
        return errno == ENOENT || errno == ESRCH;
    char line[4096];
    while (fgets(line, sizeof line, maps)) {
        char perms[5] = "";
        unsigned long inode = 0;
        if (sscanf(line, "%*x-%*x %4s %*x %*x:%*x %lu", perms, &inode) == 2 && inode != 0 &&
            perms[1] == 'w' && perms[3] == 's')
            files.insert(inode);
        // A line longer than the buffer: its rest is no line of its own.
        while (!strchr(line, '\n') && fgets(line, sizeof line, maps)) {
        }
    }
    fclose(maps);
    return true;
}

} // namespace

void ReadWritableSharedMappings(uid_t uid, FileIds& files, bool& every_file)
{
    every_file = false;
    DIR* proc = opendir("/proc");
    if (!proc) {
        every_file = true;
        return;
    }
    while (dirent* entry = readdir(proc)) {
        const char* pid = entry->d_name;
        if (pid[0] < '1' || pid[0] > '9' || !RunsAs(pid, uid))
            continue;
        if (!ReadMappingsOf(pid, files))
            every_file = true;
    }
    closedir(proc);
}
