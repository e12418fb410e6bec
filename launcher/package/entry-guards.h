#ifndef HALVORA_ENTRY_GUARDS_H
#define HALVORA_ENTRY_GUARDS_H

#include <cstdint>

#include "extractor.h"
#include "package-digest.h"
#include "ustring/ustring.h"

struct archive;
struct archive_entry;

// Each check logs its own line (component "extractor_debug") and returns 0,
// or -1 when the package must be refused.

// Adds the entry's size to the sum, saturating; an entry without a size
// makes the sum no measure of the package.
void AddSize(ArchiveSummary& summary, archive_entry* entry, int64_t size);
// A tar read to its end must have had its end-of-archive marker.
int CheckEndMarker(archive* reader);
// A zip member must be stored or deflated.
int CheckMemberMethod(archive* reader, archive_entry* entry);
bool HasDotDotElement(const ustring& path);
// Absolute and empty names (and hard links' targets) become relative to
// the copy, the working directory of the unpack.
int MakeEntryPathsRelative(archive_entry* entry);
// The entries read against the number expected.
int CheckEntryCount(int progress, int total);
// Refuses a path through a symbolic link, a hard link that carries data and
// a kind of file a copy never holds; clears set-id and sticky bits.
int CheckEntry(archive_entry* entry);
// The sizes read so far (or at the end, in all) against those expected.
int CheckSize(const ArchiveSummary& read, const ArchiveSummary& expected, bool at_end);
// The checksum the packer gave the entry's content, if it did.
bool EntryDigest(archive_entry* entry, PackageDigest& digest);

#endif
