#ifndef HALVORA_EXTRACTOR_H
#define HALVORA_EXTRACTOR_H

#include "ustring/ustring.h"

struct archive;

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
    int Extract();
    // Number of entries (0 for an empty archive), or -1.
    int Count();
    // Writes every entry's path name to standard output, one per line.
    int List();

private:
    int copy_data(archive* ar, archive* aw);

    ustring target;
    ustring source;
};

#endif
