#ifndef HALVORA_PACKAGE_STREAM_H
#define HALVORA_PACKAGE_STREAM_H

#include <cstdint>

#include "package-digest.h"

struct archive;
class PackageFile;

// The cores this process may run on (its CPU affinity), at least 1.
int UsableCores();

// What one read of the package saw, known once its reader is closed.
struct PackageRead {
    bool whole = false;  // read, and its stream checked, to the last byte of the file
    int64_t bytes = 0;   // of the file, read
    PackageDigest digest; // XXH3-128 of those bytes
};

// Opens reader on the package, choosing the only kinds of archive a package
// can be: a tar, plain or compressed with gzip, xz, zstd or bzip2, or a zip.
// gzip, xz and zstd are decoded here: with more than one core on a thread
// of its own that feeds the reader through a bounded buffer, so that
// decoding overlaps with writing, and xz written in blocks on `cores`
// threads; on one core on the reader's own thread. No outside program is
// ever started, one compression at most is undone, and the read fails once
// it has taken longer than the package's size allows. Returns the result
// of opening the reader; a decoding error later shows as the reader's
// error, and a damaged end of the compressed stream (after the end of the
// tar) as a failure of archive_read_close, which also fills record (may be
// null).
int OpenPackageReader(archive* reader, const PackageFile& file, PackageRead* record,
                      int cores = UsableCores());

#endif
