#include "file/disk-stat.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/sysmacros.h>

int StatOnDisk(int dirfd, const char* path, struct stat& st)
{
    int flags = AT_SYMLINK_NOFOLLOW | AT_STATX_FORCE_SYNC | (*path ? 0 : AT_EMPTY_PATH);
    struct statx sx;
    if (statx(dirfd, path, flags, STATX_BASIC_STATS, &sx) != 0)
        return -1;
    memset(&st, 0, sizeof st);
    st.st_dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    st.st_ino = sx.stx_ino;
    st.st_mode = sx.stx_mode;
    st.st_nlink = sx.stx_nlink;
    st.st_uid = sx.stx_uid;
    st.st_gid = sx.stx_gid;
    st.st_size = static_cast<off_t>(sx.stx_size);
    st.st_blocks = static_cast<blkcnt_t>(sx.stx_blocks);
    st.st_blksize = static_cast<blksize_t>(sx.stx_blksize);
    st.st_mtim.tv_sec = sx.stx_mtime.tv_sec;
    st.st_mtim.tv_nsec = sx.stx_mtime.tv_nsec;
    st.st_ctim.tv_sec = sx.stx_ctime.tv_sec;
    st.st_ctim.tv_nsec = sx.stx_ctime.tv_nsec;
    st.st_atim.tv_sec = sx.stx_atime.tv_sec;
    st.st_atim.tv_nsec = sx.stx_atime.tv_nsec;
    return 0;
}
