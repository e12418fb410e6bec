#ifndef HALVORA_DISK_STAT_H
#define HALVORA_DISK_STAT_H

#include <sys/stat.h>

// lstat/fstat as the file system holds the file, not as a cache of it says:
// a network or user-space file system (FUSE) may keep attributes it has not
// asked for again, and a stale change time would make a changed file look
// unchanged. dirfd and path as for fstatat (path "" with dirfd a file's
// descriptor stats that file); links are not followed. 0, or -1 with errno.
int StatOnDisk(int dirfd, const char* path, struct stat& st);

#endif
