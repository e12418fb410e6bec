#ifndef HALVORA_PACKAGE_STREAM_H
#define HALVORA_PACKAGE_STREAM_H

#include <chrono>
#include <cstdint>
#include <string>

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

// The read's time bound is for reading and decoding the package, not for
// the home it is unpacked into: the unpack hands back each moment it spends
// in the disk writer, and the deadline moves by as much. Used on the
// reader's thread only.
struct ReadClock {
    std::chrono::steady_clock::duration writing{}; // handed back by the unpack
    int allowed_seconds = 0;                       // the bound, set when the reader opens
};

// The bound of a read: base_seconds, and seconds_per_mib more for each MiB
// of the package (60 and 1 unless set; tests set a small one).
void SetPackageReadBound(int base_seconds, int seconds_per_mib);

// Opens reader on the package, choosing the only kinds of archive a package
// can be: a tar, plain or compressed with gzip, xz, zstd or bzip2, or a zip.
// The compressions are decoded here: with more than one core on a thread
// of its own that feeds the reader through a bounded buffer, so that
// decoding overlaps with writing, and xz written in blocks on `cores`
// threads; on one core on the reader's own thread. No outside program is
// ever started, one compression at most is undone, and the read fails once
// it has taken longer than the package's size allows. Returns the result
// of opening the reader; a decoding error later shows as the reader's
// error, and a damaged end of the compressed stream (after the end of the
// tar) as a failure of archive_read_close, which also fills record (may be
// null). clock (may be null) takes the time the unpack spends writing.
int OpenPackageReader(archive* reader, const PackageFile& file, PackageRead* record,
                      int cores = UsableCores(), ReadClock* clock = nullptr);

// The archive library decodes a zip's members itself, and bounds the memory
// of no method but storing and deflating, the only ones a package needs:
// false for any other member, with the library's name of its method in
// `method`, known from the member's header before any of its data is read.
bool ZipMemberMethodAllowed(archive* reader, std::string& method);

#endif
