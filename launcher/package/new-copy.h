#ifndef HALVORA_NEW_COPY_H
#define HALVORA_NEW_COPY_H

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "installed-files.h"

class OldCopy;
class PackageFile;

// An upgrade builds the new copy beside the old one while the old client
// runs. The files the old copy holds proved unchanged are not written then:
// they are linked in once the client is stopped and nothing of it can
// change them any more. This is what waits for that moment.
struct DeferredFiles {
    // By record name: the checksum, mode and size the package gave.
    std::map<std::string, InstalledFile> files;
    // Hard links of the package to those files: (link, file), by record name.
    std::vector<std::pair<std::string, std::string>> hard_links;

    bool empty() const { return files.empty() && hard_links.empty(); }
};

// The folder that holds key below dir, opened through no link, and made
// where missing: a package need not list the folders of its files, and the
// unpack made none for a folder whose every file waited for its link. The
// last element of key in base; -1 when it cannot be had.
int OpenParent(int dir, const std::string& key, const char*& base);

// The folders of keys below dir in turn, each opened once for a run of keys
// in it: names come sorted, the files of a folder mostly together.
class FolderWalk {
public:
    explicit FolderWalk(int dir) : dir(dir) {}
    ~FolderWalk();
    FolderWalk(const FolderWalk&) = delete;
    FolderWalk& operator=(const FolderWalk&) = delete;
    // The folder of key (see OpenParent), open until the next one is asked.
    int FolderOf(const std::string& key, const char*& base);

private:
    int dir;
    int folder = -1;
    std::string folder_name;
};

// After the stop: links each deferred file from old into the new copy's
// folder new_copy_dir; the names linked go to linked, the others (changed
// since their proof, mapped by a process, or failing to link) to unlinked.
void LinkDeferredFiles(const OldCopy& old, int new_copy_dir, const DeferredFiles& deferred,
                       std::vector<std::string>& linked, std::vector<std::string>& unlinked);

// Decodes the package again for the deferred files named in keys and
// writes each into the new copy, checked against its checksum and flushed.
// 0, or -1 (logged).
int WriteDeferredFiles(const PackageFile& package, int new_copy_dir, const DeferredFiles& deferred,
                       const std::vector<std::string>& keys);

// Makes the package's hard links to deferred files, once those are there.
// 0, or -1 (logged).
int MakeDeferredHardLinks(int new_copy_dir, const DeferredFiles& deferred);

#endif
