#ifndef HALVORA_PACK_CLIENT_TREE_H
#define HALVORA_PACK_CLIENT_TREE_H

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace pack {

enum EntryKind { EK_DIR, EK_FILE, EK_LINK };

// One entry of the client tree as it goes into the package.
struct TreeEntry {
    std::string name;        // relative to the tree, "/"-separated
    std::string disk_path;   // where the packer reads it
    EntryKind kind = EK_FILE;
    bool executable = false; // a file with any execute bit
    int64_t size = 0;        // files only
    uint64_t dev = 0;        // files only: which names share one file
    uint64_t ino = 0;
    unsigned nlink = 1;
    timespec changed{};      // files only: its change time when the tree was checked
    std::string link_target; // links only
};

// Where a symbolic link in the tree leads, followed as the kernel would.
enum LinkResolution {
    LR_INSIDE,     // into the tree (or to a missing name inside it)
    LR_OUTSIDE,    // above the tree or absolute
    LR_LOOP,       // never ends: more links on the way than the kernel follows
    LR_UNREADABLE, // a link on the way cannot be read
};

// The two files the launcher runs from every unpacked copy.
extern const char* const kRequiredExecutables[2];

// Whether root is a folder that can be walked; if not, the one problem is
// added to problems.
bool CheckTreeRoot(const std::string& root, std::vector<std::string>* problems);

// Walks the client tree depth first, each directory's names in byte order,
// and refuses what an unpacked copy must not hold: every offending path is
// added to problems as one line naming it, and false is returned when there
// is any. A root that cannot be walked (CheckTreeRoot) is the only problem
// reported.
bool ScanClientTree(const std::string& root, std::vector<TreeEntry>* entries,
                    std::vector<std::string>* problems);

// A name that stays below the folder it is unpacked into: relative, no "."
// or ".." component, no empty component.
bool IsSafeName(const std::string& name);

// Where a symbolic link at `name` (relative to the tree) with `target` leads,
// following the tree's own links on the way.
LinkResolution ResolveLink(const std::string& root, const std::string& name,
                           const std::string& target);

inline bool LinkStaysInside(const std::string& root, const std::string& name,
                            const std::string& target)
{
    return ResolveLink(root, name, target) == LR_INSIDE;
}

} // namespace pack

#endif
