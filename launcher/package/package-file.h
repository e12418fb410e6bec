#ifndef HALVORA_PACKAGE_FILE_H
#define HALVORA_PACKAGE_FILE_H

#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>

#include "digest-stream.h"
#include "package-digest.h"
#include "ustring/ustring.h"

// The package, opened once. Its checksum, its scan and its unpack all read
// this one descriptor, each from its own offset: a package renamed over the
// path meanwhile (a system upgrade does exactly that) is never the one
// installed in place of the one checked.
class PackageFile {
public:
    PackageFile() = default;
    ~PackageFile();
    PackageFile(const PackageFile&) = delete;
    PackageFile& operator=(const PackageFile&) = delete;

    // 0, or the errno of the open.
    int Open(const ustring& path);
    bool IsOpen() const { return fd >= 0; }
    int Descriptor() const { return fd; }
    const ustring& Path() const { return path; }
    // The size when it was opened.
    int64_t Size() const { return size; }

private:
    int fd = -1;
    ustring path;
    int64_t size = 0;
};

// Reads a package from its first byte, keeping the XXH3-128 of every byte
// read, so that what a read decoded is known to be what was checked.
class PackageBytes {
public:
    explicit PackageBytes(const PackageFile& file);
    ~PackageBytes();
    PackageBytes(const PackageBytes&) = delete;
    PackageBytes& operator=(const PackageBytes&) = delete;

    // Bytes read into buffer, 0 at the end of the file, -1 with errno.
    ssize_t Read(void* buffer, size_t size);
    // Reads on to the end of the file; 0, or -1 with errno.
    int ReadRest();
    bool AtEnd() const { return at_end; }
    int64_t Offset() const { return offset; }
    // The checksum of the bytes read so far.
    PackageDigest Digest() const;

private:
    int fd;
    int64_t offset = 0;
    bool at_end = false;
    DigestStream digest;
};

// pread that goes on after a signal: bytes read, 0 at the end, -1 with errno.
ssize_t ReadAt(int fd, void* buffer, size_t size, int64_t offset);

// The XXH3-128 of the whole package; 0, or -1 with errno's text in error.
int DigestPackage(const PackageFile& file, PackageDigest& digest, std::string& error);

#endif
