#ifndef HALVORA_INSTALLED_FILES_H
#define HALVORA_INSTALLED_FILES_H

#include <cstdint>
#include <map>
#include <string>

#include "package-digest.h"

// What an installation wrote, recorded beside the copy: the index of the
// files the next upgrade may link from it. Each regular file's identity on
// disk (inode, size, change time, mode) and the content checksum and mode
// the package gave for it. The next upgrade proves a file by hashing its
// content (old-copy.h), not by these times: a change time says nothing of
// bytes that a power cut or a failing disk changed under it.
struct InstalledFile {
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t ctime_sec = 0;
    int64_t ctime_nsec = 0;
    unsigned mode = 0;      // permission bits the package gave
    unsigned disk_mode = 0; // permission bits on disk (after the umask)
    PackageDigest digest;
};

// A moment in the clock that stamps files' change times.
struct FileTime {
    int64_t sec = 0;
    int64_t nsec = 0;
};

// By path relative to the copy (see RecordName), and when it was taken.
struct InstalledFiles {
    std::map<std::string, InstalledFile> files;
    FileTime taken;

    bool empty() const { return files.empty(); }
};

// The one name a path has in the record: "./a", "a/" and "a//b" are the
// same files as "a" and "a/b" on disk, and must not make two records.
std::string RecordName(const char* path);

#endif
