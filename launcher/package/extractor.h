#ifndef HALVORA_EXTRACTOR_H
#define HALVORA_EXTRACTOR_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "installed-files.h"
#include "package-digest.h"
#include "ustring/ustring.h"

struct archive;
struct DeferredFiles;
struct InstalledFile;
struct OldCopyProof;
class PackageFile;
struct PackageRead;

// What a read of the whole archive found, or what an unpack must find: the
// number of entries, the sum of their sizes in bytes (what the unpacked copy
// takes, before blocks) and the checksum of the package file.
struct ArchiveSummary {
    int entries = 0;
    int64_t unpacked_size = 0;
    // False when an entry's header carried no size, or when the size is
    // not known: then the sum is no measure of the package.
    bool sized = true;
    bool digest_known = false;
    PackageDigest digest;
};

// A regular file of the package as its header gives it.
struct PackageFileEntry {
    int64_t size = 0;
    unsigned mode = 0; // permission bits
    bool digest_known = false;
    PackageDigest digest;
};

// What a package holds, read from its headers before anything is stopped:
// enough to tell which files an upgrade may link from the old copy rather
// than write, and which kinds of entries the home must be able to make.
struct PackageContents {
    // By path relative to the copy, as the unpack records them; a later
    // entry of one path replaces an earlier one, as on the disk.
    std::map<std::string, PackageFileEntry> files;
    bool symbolic_links = false;
    bool hard_links = false;
};

// Told, while an unpack runs, of each file it leaves for its link: so that
// the link can be made while the rest of the package is still decoded.
class DeferredFileSink {
public:
    virtual ~DeferredFileSink() = default;
    // The file at key was read and checked against its checksum and is not
    // written: wanted holds what the package gave.
    virtual void Deferred(const std::string& key, const InstalledFile& wanted) = 0;
    // A later entry of key's path takes its place: whatever was done for it
    // must be undone before this returns, for that entry is written next.
    virtual void Withdrawn(const std::string& key) = 0;
    // Returns once everything told so far is done: the unpack then applies
    // the folders' own modes, which may shut them to new names.
    virtual void Drain() = 0;
};

// Unpacks a package (a tar, plain or compressed, or a zip: see
// OpenPackageReader) into a target directory, reporting the preparing text
// and per-entry progress through Notify_Adapter. Holds no library handles
// between calls.
class Extractor {
public:
    Extractor();
    ~Extractor();

    void SetTarget(const ustring& path);
    // The package by path: opened once by each call below.
    void SetSource(const ustring& path);
    // A package already open, read through its descriptor; it must outlive
    // the calls below.
    void SetSource(const PackageFile* file);

    // 0 when every entry was written and the end of the archive reached.
    // Scans the archive first for the progress total, and checks that the
    // unpack read what the scan read.
    int Extract();
    // The same against what a check done earlier found, so that an archive
    // already checked is not read a third time: another number of entries,
    // another total size (when sized) or another checksum (when known)
    // fails the unpack.
    int Extract(const ArchiveSummary& expected);
    // Against a number of entries alone.
    int Extract(int total);
    // Number of entries (0 for an empty archive), or -1 when the archive
    // cannot be read to its end.
    int Count();
    // Reads every entry to the end of the archive; 0, or -1 (logged) when
    // any other end is met.
    int Scan(ArchiveSummary& summary);
    // The same, noting each regular file and the kinds of links it holds.
    int Scan(ArchiveSummary& summary, PackageContents& contents);
    // Writes every entry's path name to standard output, one per line.
    int List();

    // The line of a package that holds no entries, or cannot be counted.
    static void LogNoEntries(int total);

    // An upgrade: the old copy, moved aside, the record of its files and
    // the proof of their content taken before the stop (see old-copy.h). A
    // file the package holds unchanged, proved and still the file proved,
    // is linked from there rather than written again; the old copy's files
    // are never changed. All three must outlive the calls above.
    void ReuseFrom(const ustring& old_copy, const InstalledFiles* record,
                   const OldCopyProof* proof);
    // Building a new copy beside the old one while its client runs: the
    // files Link would take are not written but noted in files (still read
    // and checked against their checksums), to be linked after the stop;
    // sink (may be null) is told of each as the unpack goes.
    void DeferLinks(DeferredFiles* files, DeferredFileSink* sink = nullptr);
    // After an unpack: each file whose entry gave its checksum, with its
    // mode and checksum (the record of the next upgrade), and how many of
    // them were linked.
    const InstalledFiles& Unpacked() const { return unpacked; }
    int Linked() const { return static_cast<int>(linked.size()); }
    // The names (relative to the copy) of the files linked from the old
    // copy, which then shares them until it is removed.
    const std::vector<std::string>& LinkedNames() const { return linked; }

private:
    const PackageFile* OpenPackage(PackageFile& own);
    int Scan(const PackageFile& file, ArchiveSummary& summary, PackageContents* contents);
    int Run(const ArchiveSummary* expected);
    int Unpack(const PackageFile& file, const ArchiveSummary& expected);
    int CheckDigest(const PackageRead& record, const ArchiveSummary& expected) const;
    int copy_data(archive* ar, archive* aw);

    ustring target;
    ustring source;
    const PackageFile* package = nullptr;
    ustring reuse_dir;
    const InstalledFiles* reuse = nullptr;
    const OldCopyProof* reuse_proof = nullptr;
    DeferredFiles* deferred = nullptr;
    DeferredFileSink* deferred_sink = nullptr;
    InstalledFiles unpacked;
    std::vector<std::string> linked;
};

#endif
