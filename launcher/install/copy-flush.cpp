#include "copy-flush.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ftw.h>
#include <sys/vfs.h>
#include <unistd.h>

#include "install-marker.h"
#include "log.h"

namespace {

const char* const kLogComponent = "service_debug";
const long kFuseSuperMagic = 0x65735546;
const int kMaxOpenFolders = 16;

int flush_error = 0;
bool flush_folders_only = false;

int FlushEntry(const char* path, const struct stat* st, int type, struct FTW*)
{
    // Links hold nothing of their own to flush, and opening one would
    // follow it out of the copy.
    if (type == FTW_SL || !(S_ISREG(st->st_mode) || S_ISDIR(st->st_mode)) ||
        (flush_folders_only && !S_ISDIR(st->st_mode)))
        return 0;
    int fd = open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 || fsync(fd) != 0) {
        flush_error = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] copy-flush(%d): failed to flush '%s' to disk: %s (%d)\n",
                       __LINE__, path, strerror(flush_error), flush_error);
        if (fd >= 0)
            close(fd);
        return 1;
    }
    close(fd);
    return 0;
}

bool IsServedByUserSpace(const ustring& app)
{
    struct statfs fs;
    return statfs(app.c_str(), &fs) == 0 && static_cast<long>(fs.f_type) == kFuseSuperMagic;
}

} // namespace

int FlushCopyToDisk(const ustring& app, bool folders_only)
{
    if (FlushToDisk(app, FlushScope::FileSystem) != 0)
        return -1;
    if (!IsServedByUserSpace(app))
        return 0;
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] copy-flush(%d): '%s' is on a user-space file system, flushing each "
                   "file and folder\n",
                   __LINE__, app.c_str());
    flush_error = 0;
    flush_folders_only = folders_only;
    // Depth first: a folder is flushed after the entries made in it.
    int rc = nftw(app.c_str(), FlushEntry, kMaxOpenFolders, FTW_PHYS | FTW_DEPTH);
    if (rc != 0 && flush_error == 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] copy-flush(%d): cannot walk '%s' to flush it: %s (%d)\n",
                       __LINE__, app.c_str(), strerror(err), err);
    }
    return rc == 0 ? 0 : -1;
}
