#ifndef HALVORA_PACK_CLIENT_TREE_H
#define HALVORA_PACK_CLIENT_TREE_H

#include <cstdint>
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
    std::string link_target; // links only
};

// The two files the launcher runs from every unpacked copy.
extern const char* const kRequiredExecutables[2];

// Walks the client tree depth first, each directory's names in byte order,
// and refuses what an unpacked copy must not hold. On refusal, error is one
// line naming the offending path and false is returned.
bool ScanClientTree(const std::string& root, std::vector<TreeEntry>* entries, std::string* error);

// A name that stays below the folder it is unpacked into: relative, no "."
// or ".." component, no empty component.
bool IsSafeName(const std::string& name);

// Whether a symbolic link at `name` (relative to the tree) with `target`
// stays inside the tree, following the tree's own links on the way.
bool LinkStaysInside(const std::string& root, const std::string& name, const std::string& target);

} // namespace pack

#endif
