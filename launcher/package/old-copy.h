#ifndef HALVORA_OLD_COPY_H
#define HALVORA_OLD_COPY_H

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "extractor.h"
#include "installed-files.h"
#include "ustring/ustring.h"

// An upgrade links the old copy's files that the new package holds
// unchanged instead of writing them. A file's change time says nothing
// about its content (an edit whose new change time a power cut lost, a
// block the disk damaged): each file is proved by hashing its content,
// before the client is stopped, and linked only while it is still the very
// file that was hashed. The record of the last installation says which
// files to try and what their content must be.

// One file of the old copy whose content matched its record, as it stood
// on disk while it was hashed.
struct ProvedFile {
    uint64_t inode = 0;
    int64_t size = 0;
    FileTime changed;
};

// What the hashing found, by path relative to the copy.
struct OldCopyProof {
    std::map<std::string, ProvedFile> files;
    // The clock when the hashing began: a change made later is stamped no
    // earlier than this.
    FileTime hashed;
    int candidates = 0;
    int64_t bytes = 0;         // read, of the files proved
    int64_t milliseconds = 0;  // the proof's own time

    bool empty() const { return files.empty(); }
};

// The recorded files an upgrade may link: those the package holds with the
// recorded checksum, mode and size where its headers are known (contents
// with files), else every recorded file with a checksum.
std::vector<std::string> LinkCandidates(const InstalledFiles& record,
                                        const PackageContents* contents);

// Hashes each candidate below copy_dir (reached through no link) on
// `threads` threads, each file read once; a file whose content, size or
// mode on disk is not what the record gives, or that changes while it is
// hashed, is left out.
OldCopyProof ProveOldCopy(const ustring& copy_dir, const InstalledFiles& record,
                          const std::vector<std::string>& candidates, int threads);

// Files by their inode numbers alone: a stacked file system (overlayfs)
// shows a mapping under the device below it, and a file taken for another
// one of the same number is only written rather than linked.
using FileIds = std::set<uint64_t>;

// Runs op with folder open to its owner's writes for the moment (a folder of
// a copy not yet swapped in is the launcher's own), then gives the folder its
// mode back; op's result, with its errno.
bool InWritableFolder(int folder, const std::function<bool()>& op);

// Links the file self names (a /proc/self/fd path) as name in folder. A
// folder of a copy not yet swapped in is the launcher's own: one the package
// ships without write permission is opened for the moment, and gets its
// mode back at once.
bool LinkIntoFolder(const char* self, int folder, const char* name);

// The old copy, held open while an upgrade takes files from it: moved aside
// (links made into the working directory, the new copy) or still in place
// beside a new copy built while its client runs.
class OldCopy {
public:
    // An empty dir, a null record or a null proof: nothing is linked.
    OldCopy(const ustring& dir, const InstalledFiles* record, const OldCopyProof* proof);
    ~OldCopy();
    OldCopy(const OldCopy&) = delete;
    OldCopy& operator=(const OldCopy&) = delete;

    bool Usable() const { return dir_fd >= 0 && record && proof; }
    // Links the old file at key to name when the package's entry (checksum,
    // mode and size in wanted) is what the record holds for it and the file
    // is still the one proved; true when linked.
    bool Link(const std::string& key, const InstalledFile& wanted, const char* name) const;
    // Whether Link may take the file at key: the record holds it as wanted
    // and it was proved. Asked while the client runs, before any link.
    bool Provable(const std::string& key, const InstalledFile& wanted) const;
    // The same link, as name in folder (see LinkIntoFolder).
    bool LinkInto(const std::string& key, const InstalledFile& wanted, int folder,
                  const char* name) const;
    // The proved file at key, opened, when the package wants it as recorded
    // and take_lease(fd) puts it under a read lease: the lease is taken
    // before the file is checked, so that no writer comes between the check
    // and the lease's end unseen. st: the file as it was checked. -1 when it
    // is not the file proved, or when the lease is refused (a writer holds
    // the file, or leases are not to be had here).
    int OpenLeased(const std::string& key, const InstalledFile& wanted, bool (*take_lease)(int fd),
                   struct stat& st) const;
    // Files that a process may still write through a shared mapping: their
    // change times would not move, so they are never linked; every_file
    // when some process's mappings could not be read: then a file is linked
    // only while no process holds it open for writing.
    void Avoid(const FileIds* files, bool every_file)
    {
        avoided = files;
        avoid_all = every_file;
    }

private:
    // st: the file as it was checked, through the descriptor returned.
    int OpenProved(const std::string& key, const InstalledFile& recorded, struct stat& st,
                   bool (*take_lease)(int fd) = nullptr) const;
    int OpenWanted(const std::string& key, const InstalledFile& wanted) const;

    int dir_fd = -1;
    const InstalledFiles* record = nullptr;
    const OldCopyProof* proof = nullptr;
    const FileIds* avoided = nullptr;
    bool avoid_all = false;
};

#endif
