#ifndef HALVORA_EXTRACTOR_H
#define HALVORA_EXTRACTOR_H

#include <cstdint>

#include "ustring/ustring.h"

struct archive;

// What a scan of the whole archive found: the number of entries and the sum
// of their sizes in bytes (what the unpacked copy takes, before blocks).
struct ArchiveSummary {
    int entries = 0;
    int64_t unpacked_size = 0;
};

// Unpacks an archive of any format and compression libarchive can read into
// a target directory, reporting the preparing text and per-entry progress
// through Notify_Adapter. Holds no library handles between calls.
class Extractor {
public:
    Extractor();
    ~Extractor();

    void SetTarget(const ustring& path);
    void SetSource(const ustring& path);

    // 0 when every entry was written and the end of the archive reached.
    // Scans the archive first for the progress total.
    int Extract();
    // The same with the total of a scan done earlier, so that an archive
    // already checked is not read a third time.
    int Extract(int total);
    // Number of entries (0 for an empty archive), or -1 when the archive
    // cannot be read to its end.
    int Count();
    // Reads every entry to the end of the archive; 0, or -1 (logged) when
    // any other end is met.
    int Scan(ArchiveSummary& summary);
    // Writes every entry's path name to standard output, one per line.
    int List();

private:
    int Unpack(bool scan_first, int total);
    int copy_data(archive* ar, archive* aw);

    ustring target;
    ustring source;
};

#endif
