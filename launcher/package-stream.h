#ifndef HALVORA_PACKAGE_STREAM_H
#define HALVORA_PACKAGE_STREAM_H

#include <cstddef>

#include "ustring/ustring.h"

struct archive;

// The cores this process may run on (its CPU affinity), at least 1.
int UsableCores();

// Opens reader (filters and formats already chosen) on the package at path.
// A tar, plain or compressed with gzip, xz or zstd, is decoded here: with
// more than one core on a thread of its own that feeds the reader through a
// bounded buffer, so that decoding overlaps with writing, and xz written in
// blocks on `cores` threads; on one core on the reader's own thread. Any
// other format or compression is read by the library itself (with
// block_size). Returns the result of opening the reader; a decoding error
// later shows as the reader's error, and a damaged end of the compressed
// stream (after the end of the tar) as a failure of archive_read_close.
int OpenPackageReader(archive* reader, const ustring& path, size_t block_size,
                      int cores = UsableCores());

#endif
