#include "halvora-service.h"

#include "file/file-op.h"
#include "log-place.h"
#include "log.h"

namespace {

const int kLinePlace = logplace::kServiceCopy;

const char* const kLogComp = "service_debug";


// Some file systems leave the type out of their listings; ask for it then,
// so that a subdirectory is walked rather than copied as a file.
FILE_TYPE EntryType(const DIR_ENTRY& entry, const ustring& path)
{
    if (entry.type != FT_ERR)
        return entry.type;
    _FILE_INFO_tag info;
    if (FSStat(path, info, false) != 0 || !info.isExist)
        return FT_ERR;
    return info.type;
}

} // namespace

int Service::FSCopyPath(const ustring& src, const ustring& dest)
{
    Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] halvora-service(%d): copy from '%s' to '%s'\n",
                   kLinePlace + __LINE__, src.c_str(), dest.c_str());
    _FILE_INFO_tag info;
    if (FSStat(src, info, false) < 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] halvora-service(%d): FSCopyPath: failed to stat source '%s'\n",
                       kLinePlace + __LINE__, src.c_str());
        return -1;
    }
    if (!info.isExist) {
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] halvora-service(%d): FSCopyPath: source path '%s' does not exist\n",
                       kLinePlace + __LINE__, src.c_str());
        return -1;
    }
    if (info.type != FT_DIR)
        return FSCopy(src, dest, false) < 0 ? -1 : 0;

    // A destination inside the source would be walked while it grows.
    if (FSIsParentFolder(src, dest)) {
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] halvora-service(%d): FSCopyPath: destination '%s' lies inside source "
                       "'%s'\n",
                       kLinePlace + __LINE__, dest.c_str(), src.c_str());
        return -1;
    }
    if (FSMKDir(dest, true) < 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] halvora-service(%d): FSCopyPath: failed to create dest folder '%s'\n",
                       kLinePlace + __LINE__, dest.c_str());
        return -1;
    }
    return CopyFolderEntries(src, dest);
}

// Each entry of the folder, folders recursively; stops at the first entry
// that cannot be copied.
int Service::CopyFolderEntries(const ustring& src, const ustring& dest)
{
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) < 0) {
        // Its entries would be missing from the copy, so this is a failure.
        Logger::LogMsg(Logger::L_WARNING, kLogComp,
                       "[WARNING] halvora-service(%d): FSCopyPath: failed to create handle  for src "
                       "'%s' failed\n",
                       kLinePlace + __LINE__, src.c_str());
        return -1;
    }
    int result = 0;
    DIR_ENTRY entry;
    for (;;) {
        const int read = FSReadDir(handle, entry);
        if (read <= 0) {
            // A read error (logged by the file layer) leaves the copy incomplete.
            result = read < 0 ? -1 : 0;
            break;
        }
        if (IsDotOrDotDot(entry.name.c_str()))
            continue;
        const ustring child_src = src + "/" + entry.name;
        const ustring child_dest = dest + "/" + entry.name;
        const int copied = EntryType(entry, child_src) == FT_DIR
                               ? FSCopyPath(child_src, child_dest)
                               : FSCopy(child_src, child_dest, false);
        if (copied < 0) {
            Logger::LogMsg(Logger::L_ERR, kLogComp,
                           "[ERROR] halvora-service(%d): FSCopyPath: failed to copy from '%s' to "
                           "'%s'\n",
                           kLinePlace + __LINE__, child_src.c_str(), child_dest.c_str());
            result = -1;
            break;
        }
    }
    FSCloseDir(handle);
    return result;
}
