#include "installed-files.h"

bool IsUnchanged(const InstalledFile& record, const struct stat& st)
{
    return S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_ino) == record.inode &&
           st.st_size == record.size && st.st_ctim.tv_sec == record.ctime_sec &&
           st.st_ctim.tv_nsec == record.ctime_nsec && (st.st_mode & 07777) == record.mode;
}
