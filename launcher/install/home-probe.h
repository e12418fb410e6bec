#ifndef HALVORA_HOME_PROBE_H
#define HALVORA_HOME_PROBE_H

#include <cstdint>

#include "ustring/ustring.h"

// Proves what a home can take by doing it, beside the copy: a file of the
// launcher's own given the bytes an installation needs (a quota counts
// them, where the free blocks of the file system do not), a hard link to it
// and a symbolic link. Whatever the probe made is removed again. Each call
// returns 0 or the errno value the system gave.
class HomeProbe {
public:
    // app: the copy's path; the probe works in its folder, under its name.
    explicit HomeProbe(const ustring& app);
    ~HomeProbe();
    HomeProbe(const HomeProbe&) = delete;
    HomeProbe& operator=(const HomeProbe&) = delete;

    int Create();
    int TryHardLink();
    int TrySymbolicLink();
    // EOPNOTSUPP where the file system cannot reserve (some FUSE file
    // systems): then only its free blocks tell.
    int Reserve(int64_t bytes);
    // Removes what the probe made; the destructor does it too.
    int Remove();

    const ustring& Folder() const { return folder; }

private:
    ustring folder;
    ustring names[3]; // the file, its hard link, the symbolic link
    bool made[3] = {false, false, false};
    int dir_fd = -1;
    int fd = -1;
};

#endif
