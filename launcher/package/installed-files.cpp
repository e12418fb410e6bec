#include "installed-files.h"

#include <cstring>

namespace {

bool Before(int64_t sec, int64_t nsec, const FileTime& t)
{
    return sec < t.sec || (sec == t.sec && nsec < t.nsec);
}

} // namespace

std::string RecordName(const char* path)
{
    std::string name;
    for (const char* element = path; *element;) {
        const char* end = strchr(element, '/');
        size_t length = end ? static_cast<size_t>(end - element) : strlen(element);
        bool dot = length == 1 && element[0] == '.';
        if (length > 0 && !dot) {
            if (!name.empty())
                name += '/';
            name.append(element, length);
        }
        if (!end)
            break;
        element = end + 1;
    }
    return name;
}

FileProof ProveUnchanged(const InstalledFile& record, const FileTime& taken, const struct stat& st)
{
    if (!S_ISREG(st.st_mode) || st.st_size != record.size ||
        (st.st_mode & 07777) != record.disk_mode)
        return FileProof::Changed;
    bool same_inode = static_cast<uint64_t>(st.st_ino) == record.inode;
    bool same_ctime = st.st_ctim.tv_sec == record.ctime_sec && st.st_ctim.tv_nsec == record.ctime_nsec;
    // A change time proves nothing when the file system keeps whole seconds
    // (no sub-second part), or when it falls in the same tick as the record:
    // an edit right after would carry the very same time.
    bool provable = record.ctime_nsec != 0 && Before(record.ctime_sec, record.ctime_nsec, taken);
    if (same_inode && same_ctime && provable)
        return FileProof::Unchanged;
    // Another change time is a change, wherever the clock can tell.
    if (same_inode && !same_ctime && provable)
        return FileProof::Changed;
    return FileProof::Unproved;
}
