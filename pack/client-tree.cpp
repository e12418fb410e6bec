#include "client-tree.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file/file-op.h"

namespace pack {

const char* const kRequiredExecutables[2] = {"bin/halvora-backup-ui", "package/start-stop"};

namespace {

// Beyond this many links on one path the kernel gives up too (ELOOP).
const int kMaxLinkHops = 40;

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string JoinPath(const std::vector<std::string>& parts)
{
    std::string path;
    for (const std::string& part : parts)
        path += (path.empty() ? "" : "/") + part;
    return path;
}

bool ReadLink(const std::string& path, std::string* target)
{
    std::vector<char> buf(4096);
    ssize_t n = readlink(path.c_str(), buf.data(), buf.size());
    if (n < 0 || static_cast<size_t>(n) >= buf.size())
        return false;
    target->assign(buf.data(), static_cast<size_t>(n));
    return true;
}

// Resolves `target` from the directory `dir` (components below the root),
// the way the kernel would: each link met on the way is followed, and dir
// ends where the target lies. Stops as soon as the walk leaves the root or
// loops.
LinkResolution ResolveInside(const std::string& root, std::vector<std::string>* dir,
                             const std::string& target, int* hops)
{
    if (target.empty() || target[0] == '/')
        return LR_OUTSIDE;
    if (++*hops > kMaxLinkHops)
        return LR_LOOP;
    for (const std::string& part : SplitPath(target)) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (dir->empty())
                return LR_OUTSIDE;
            dir->pop_back();
            continue;
        }
        dir->push_back(part);
        std::string next;
        struct stat st;
        const std::string disk = root + "/" + JoinPath(*dir);
        if (lstat(disk.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            continue; // a missing name dangles, but inside the tree
        if (!ReadLink(disk, &next))
            return LR_UNREADABLE;
        dir->pop_back();
        const LinkResolution further = ResolveInside(root, dir, next, hops);
        if (further != LR_INSIDE)
            return further;
    }
    return LR_INSIDE;
}

// Names and link targets are stored as UTF-8; other bytes would come out
// differently on every machine that unpacks them.
bool IsUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t extra = 0;
        unsigned char low = 0x80, high = 0xbf; // allowed range of the second byte
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xc2 && c <= 0xdf)
            extra = 1;
        else if (c >= 0xe0 && c <= 0xef)
            extra = 2, low = c == 0xe0 ? 0xa0 : 0x80, high = c == 0xed ? 0x9f : 0xbf;
        else if (c >= 0xf0 && c <= 0xf4)
            extra = 3, low = c == 0xf0 ? 0x90 : 0x80, high = c == 0xf4 ? 0x8f : 0xbf;
        else
            return false;
        if (text.size() - i <= extra)
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xbf))
                return false;
        }
        i += extra + 1;
    }
    return true;
}

bool Refuse(const std::string& path, const std::string& reason, std::vector<std::string>* problems)
{
    problems->push_back(path + ": " + reason);
    return false;
}

// Why a symbolic link is refused, or null when it is not.
const char* LinkProblem(LinkResolution resolution)
{
    switch (resolution) {
    case LR_INSIDE: return nullptr;
    case LR_OUTSIDE: return "points outside the tree";
    case LR_LOOP: return "is a symbolic link loop (it never resolves)";
    case LR_UNREADABLE: return "leads through a symbolic link that cannot be read";
    }
    return nullptr;
}

const char* SpecialKind(mode_t mode)
{
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "is a device";
    if (S_ISFIFO(mode))
        return "is a FIFO";
    if (S_ISSOCK(mode))
        return "is a socket";
    return nullptr;
}

bool SortedNames(const std::string& dir, std::vector<std::string>* names,
                 std::vector<std::string>* problems)
{
    DIR* d = opendir(dir.c_str());
    if (!d)
        return Refuse(dir, std::string("cannot be read: ") + strerror(errno), problems);
    errno = 0;
    while (dirent* e = readdir(d)) {
        if (!IsDotOrDotDot(e->d_name))
            names->push_back(e->d_name);
    }
    int read_errno = errno;
    closedir(d);
    if (read_errno != 0)
        return Refuse(dir, std::string("cannot be read: ") + strerror(read_errno), problems);
    std::sort(names->begin(), names->end());
    return true;
}

bool MakeEntry(const std::string& root, const std::string& name, TreeEntry* entry,
               std::vector<std::string>* problems)
{
    entry->name = name;
    entry->disk_path = root + "/" + name;
    if (!IsSafeName(name))
        return Refuse(entry->disk_path, "name is absolute or has '..'", problems);
    if (!IsUtf8(name))
        return Refuse(entry->disk_path, "name is not UTF-8", problems);
    struct stat st;
    if (lstat(entry->disk_path.c_str(), &st) != 0)
        return Refuse(entry->disk_path, strerror(errno), problems);
    if (const char* special = SpecialKind(st.st_mode))
        return Refuse(entry->disk_path, special, problems);
    if (S_ISDIR(st.st_mode)) {
        entry->kind = EK_DIR;
    } else if (S_ISLNK(st.st_mode)) {
        entry->kind = EK_LINK;
        if (!ReadLink(entry->disk_path, &entry->link_target))
            return Refuse(entry->disk_path, std::string("cannot be read: ") + strerror(errno),
                          problems);
        if (!IsUtf8(entry->link_target))
            return Refuse(entry->disk_path, "link target is not UTF-8", problems);
        if (const char* problem = LinkProblem(ResolveLink(root, name, entry->link_target)))
            return Refuse(entry->disk_path,
                          "symbolic link to '" + entry->link_target + "' " + problem, problems);
    } else {
        entry->kind = EK_FILE;
        entry->size = st.st_size;
        entry->executable = (st.st_mode & 0111) != 0;
        entry->dev = st.st_dev;
        entry->ino = st.st_ino;
        entry->nlink = static_cast<unsigned>(st.st_nlink);
        entry->changed = st.st_ctim;
    }
    return true;
}

// Goes on past a refused entry, so that one run names every problem.
void Walk(const std::string& root, const std::string& rel, std::vector<TreeEntry>* entries,
          std::vector<std::string>* problems)
{
    std::vector<std::string> names;
    if (!SortedNames(rel.empty() ? root : root + "/" + rel, &names, problems))
        return;
    for (const std::string& base : names) {
        TreeEntry entry;
        if (!MakeEntry(root, rel.empty() ? base : rel + "/" + base, &entry, problems))
            continue;
        entries->push_back(entry);
        if (entry.kind == EK_DIR)
            Walk(root, entry.name, entries, problems);
    }
}

bool Named(const std::vector<std::string>& problems, const std::string& path)
{
    return std::any_of(problems.begin(), problems.end(), [&](const std::string& problem) {
        return problem.compare(0, path.size() + 2, path + ": ") == 0;
    });
}

// The launcher starts the client through these two; a package without them
// would install but never run. One refused already is not named again.
void CheckRequired(const std::string& root, const std::vector<TreeEntry>& entries,
                   std::vector<std::string>* problems)
{
    for (const char* required : kRequiredExecutables) {
        const std::string path = root + "/" + required;
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const TreeEntry& e) { return e.name == required; });
        struct stat st;
        if (Named(*problems, path))
            continue;
        if (it == entries.end())
            Refuse(path, "missing", problems);
        else if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            Refuse(path, "not a regular file", problems);
        else if ((st.st_mode & 0111) == 0)
            Refuse(path, "not executable", problems);
    }
}

} // namespace

bool IsSafeName(const std::string& name)
{
    if (name.empty() || name[0] == '/')
        return false;
    for (const std::string& part : SplitPath(name)) {
        if (part.empty() || IsDotOrDotDot(part.c_str()))
            return false;
    }
    return true;
}

LinkResolution ResolveLink(const std::string& root, const std::string& name,
                           const std::string& target)
{
    std::vector<std::string> dir = SplitPath(name);
    dir.pop_back();
    int hops = 0;
    return ResolveInside(root, &dir, target, &hops);
}

bool CheckTreeRoot(const std::string& root, std::vector<std::string>* problems)
{
    struct stat st;
    if (stat(root.c_str(), &st) != 0)
        return Refuse(root, strerror(errno), problems);
    if (!S_ISDIR(st.st_mode))
        return Refuse(root, "not a directory", problems);
    return true;
}

bool ScanClientTree(const std::string& root, std::vector<TreeEntry>* entries,
                    std::vector<std::string>* problems)
{
    if (!CheckTreeRoot(root, problems))
        return false;
    const size_t before = problems->size();
    Walk(root, "", entries, problems);
    CheckRequired(root, *entries, problems);
    return problems->size() == before;
}

} // namespace pack
