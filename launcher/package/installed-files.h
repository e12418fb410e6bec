#ifndef HALVORA_INSTALLED_FILES_H
#define HALVORA_INSTALLED_FILES_H

#include <cstdint>
#include <map>
#include <string>
#include <sys/stat.h>

#include "package-digest.h"

// What an installation wrote, recorded beside the copy so that the next
// upgrade can tell which of the copy's files are still exactly what the
// package held: each regular file's identity on disk (inode, size, change
// time, mode) and the content checksum the package gave for it. The change
// time is the key: a user can put back a file's size and modification time,
// never its change time, so an edited file no longer matches its record.
struct InstalledFile {
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t ctime_sec = 0;
    int64_t ctime_nsec = 0;
    unsigned mode = 0; // permission bits
    PackageDigest digest;
};

// By path relative to the copy.
using InstalledFiles = std::map<std::string, InstalledFile>;

// True when the file st describes is still the one the record describes.
bool IsUnchanged(const InstalledFile& record, const struct stat& st);

#endif
