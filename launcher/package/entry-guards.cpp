// The checks each entry of a package passes on its way to the disk, and the
// sums the scan and the unpack keep: a hostile or damaged package is
// refused with a line naming what is wrong, before it is written.
#include "entry-guards.h"

#include <archive.h>
#include <archive_entry.h>
#include <cstdint>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "log-place.h"
#include "log.h"
#include "package-stream.h"

namespace {

const int kLinePlace = logplace::kEntryGuards;
const char* const kLogComponent = "extractor_debug";

// Names relative to the copy, which is the thread's working directory while
// it unpacks: a leading "/" would otherwise leave it.
const char* RelativeName(const char* name)
{
    while (*name == '/')
        ++name;
    return *name ? name : ".";
}

// The name of a file type the copy must never hold, or null for the types it
// may: files, folders, symbolic links and hard links to entries before.
const char* RefusedTypeName(archive_entry* entry)
{
    if (archive_entry_hardlink(entry))
        return nullptr;
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
    case AE_IFDIR:
    case AE_IFLNK:
        return nullptr;
    case AE_IFIFO: return "FIFO";
    case AE_IFCHR: return "character device";
    case AE_IFBLK: return "block device";
    case AE_IFSOCK: return "socket";
    default: return "file of unknown type";
    }
}

// The first folder on the way to path (relative to the copy) that is a
// symbolic link, or empty. The writer alone would replace such a link by a
// folder and carry on; a package that writes through one is refused instead.
ustring LinkOnTheWay(const char* path)
{
    ustring prefix;
    for (const char* slash = strchr(path, '/'); slash; slash = strchr(slash + 1, '/')) {
        prefix.assign(path, static_cast<size_t>(slash - path));
        struct stat st;
        if (lstat(prefix.c_str(), &st) != 0)
            break; // what does not exist yet is created as a folder
        if (S_ISLNK(st.st_mode))
            return prefix;
    }
    return ustring();
}

int CheckNotThroughLink(const char* name, const char* path)
{
    if (!path || !*path)
        return 0;
    ustring link = LinkOnTheWay(path);
    if (link.empty())
        return 0;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): refusing '%s': its path passes through the symbolic "
                   "link '%s'\n",
                   kLinePlace + __LINE__, name, link.c_str());
    return -1;
}

} // namespace

// Saturates rather than overflows: a hostile archive may claim sizes that
// add up to more than any disk holds, and then no sum fits anyway.
void AddSize(ArchiveSummary& summary, archive_entry* entry, int64_t size)
{
    if (!archive_entry_size_is_set(entry))
        summary.sized = false;
    if (size > 0 && __builtin_add_overflow(summary.unpacked_size, size, &summary.unpacked_size))
        summary.unpacked_size = INT64_MAX;
}

// The library takes a tar that stops at a block boundary for a whole one,
// since some writers omit the end-of-archive marker; a package always has
// it, so one without was cut short. The marker is what the library consumed
// after the position of the header it was looking for.
int CheckEndMarker(archive* reader)
{
    if ((archive_format(reader) & ARCHIVE_FORMAT_BASE_MASK) != ARCHIVE_FORMAT_TAR)
        return 0;
    if (archive_filter_bytes(reader, 0) > archive_read_header_position(reader))
        return 0;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): the archive ends without its end-of-archive marker, "
                   "it was cut short\n",
                   kLinePlace + __LINE__);
    return -1;
}

// A zip member that the library would decode without a memory bound is
// refused from its header, before its data is read, in the scan as in the
// unpack.
int CheckMemberMethod(archive* reader, archive_entry* entry)
{
    std::string method;
    if (ZipMemberMethodAllowed(reader, method))
        return 0;
    const char* name = archive_entry_pathname(entry);
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): refusing '%s': a package's zip members are stored or "
                   "deflated, not compressed with '%s'\n",
                   kLinePlace + __LINE__, name ? name : "", method.c_str());
    return -1;
}

bool HasDotDotElement(const ustring& path)
{
    const char* p = path.c_str();
    for (const char* element = p; *element;) {
        const char* end = strchr(element, '/');
        size_t length = end ? static_cast<size_t>(end - element) : strlen(element);
        if (length == 2 && element[0] == '.' && element[1] == '.')
            return true;
        if (!end)
            break;
        element = end + 1;
    }
    return false;
}

int MakeEntryPathsRelative(archive_entry* entry)
{
    const char* name = archive_entry_pathname(entry);
    if (!name) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): archive_entry_pathname failed\n", kLinePlace + __LINE__);
        return -1;
    }
    if (*name == '/' || !*name)
        archive_entry_set_pathname(entry, ustring(RelativeName(name)).c_str());
    // A hard link names its original by archive path, which resolves against
    // the copy just like the entry's own.
    const char* link = archive_entry_hardlink(entry);
    if (link && *link == '/')
        archive_entry_set_hardlink(entry, ustring(RelativeName(link)).c_str());
    return 0;
}

// The total comes from the package's INFO or from a scan done earlier:
// either way a package holding another number of entries is not the one
// that was checked, and must not pass for a complete unpack.
int CheckEntryCount(int progress, int total)
{
    if (progress == total)
        return 0;
    if (progress > total)
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): the package holds more than the %d entries "
                       "expected\n",
                       kLinePlace + __LINE__, total);
    else
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): the package holds %d entries, %d expected\n",
                       kLinePlace + __LINE__, progress, total);
    return -1;
}

int CheckEntry(archive_entry* entry)
{
    const char* name = archive_entry_pathname(entry);
    if (CheckNotThroughLink(name, name) != 0 ||
        CheckNotThroughLink(name, archive_entry_hardlink(entry)) != 0)
        return -1;
    // The writer links, then opens the shared file to write the data: through
    // a file linked from the old copy that would change the old copy too.
    if (archive_entry_hardlink(entry) && archive_entry_size_is_set(entry) &&
        archive_entry_size(entry) > 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): refusing '%s': a hard link that carries data, "
                       "the package is damaged\n",
                       kLinePlace + __LINE__, name ? name : "");
        return -1;
    }
    const char* refused = RefusedTypeName(entry);
    if (refused) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): refusing '%s': a package holds only files, "
                       "folders and links, not a %s\n",
                       kLinePlace + __LINE__, name ? name : "", refused);
        return -1;
    }
    // Without permission restoring the writer drops these too; clearing them
    // here keeps that true whatever the options become.
    archive_entry_set_perm(entry, archive_entry_perm(entry) & 0777);
    return 0;
}

// Sizes as the headers give them, against what the check found: a package
// that unpacks to more is stopped before it fills the disk.
int CheckSize(const ArchiveSummary& read, const ArchiveSummary& expected, bool at_end)
{
    if (!read.sized || !expected.sized)
        return 0;
    if (read.unpacked_size > expected.unpacked_size) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): the package unpacks to more than the %lld bytes "
                       "expected\n",
                       kLinePlace + __LINE__, static_cast<long long>(expected.unpacked_size));
        return -1;
    }
    if (at_end && read.unpacked_size != expected.unpacked_size) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): the package unpacks to %lld bytes, %lld expected\n",
                       kLinePlace + __LINE__, static_cast<long long>(read.unpacked_size),
                       static_cast<long long>(expected.unpacked_size));
        return -1;
    }
    return 0;
}

// The checksum the packer gave the entry's content, if it did.
bool EntryDigest(archive_entry* entry, PackageDigest& digest)
{
    const char* name = nullptr;
    const void* value = nullptr;
    size_t size = 0;
    archive_entry_xattr_reset(entry);
    while (archive_entry_xattr_next(entry, &name, &value, &size) == ARCHIVE_OK) {
        if (name && strcmp(name, kEntryDigestAttribute) == 0)
            return ParseDigest(std::string(static_cast<const char*>(value), size), digest);
    }
    return false;
}
