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
// time, mode) and the content checksum and mode the package gave for it.
// The change time is the key: a user can put back a file's size and
// modification time, never its change time, so an edited file no longer
// matches its record.
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

// By path relative to the copy (see RecordName), and when it was taken:
// every change made to a file after that has a later change time.
struct InstalledFiles {
    std::map<std::string, InstalledFile> files;
    FileTime taken;

    bool empty() const { return files.empty(); }
};

// The one name a path has in the record: "./a", "a/" and "a//b" are the
// same files as "a" and "a/b" on disk, and must not make two records.
std::string RecordName(const char* path);

// What the record can say of a file as it stands on disk now.
enum class FileProof {
    Changed,   // not the recorded file, or edited since
    Unchanged, // its change time proves it untouched since the record
    Unproved,  // may be untouched, but the change time cannot tell: hash it
};

// st must be read from the file system itself (not a cache of it).
FileProof ProveUnchanged(const InstalledFile& record, const FileTime& taken,
                         const struct stat& st);

#endif
