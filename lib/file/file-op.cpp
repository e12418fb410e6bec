#include "file/file-op.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/time.h>
#include <unistd.h>

#include "log.h"
#include "tmp_name_gen.h"

// Directory walks use readdir, not the deprecated readdir_r: every DIR* here
// is private to the call that opened it, and glibc's readdir is thread-safe
// for streams that are not shared between threads.

namespace {

const char* const kLogComp = "file_op_debug";
const size_t kCopyChunk = 33554432; // 32 MiB
const size_t kTempTemplateSize = 4096;
const size_t kLinkBufferSize = 4096;
const size_t kRealPathSize = 8192;
const unsigned long kNfsMagic = 0x6969;
const unsigned long kCifsMagic = 0xFF534D42;
const unsigned long kMsdosMagic = 0x4D44;

} // namespace

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

namespace {

// False for a kind of object the layer has no type for.
bool TypeFromMode(mode_t mode, FILE_TYPE& type)
{
    if (S_ISREG(mode))
        type = FT_FILE;
    else if (S_ISDIR(mode))
        type = FT_DIR;
    else if (S_ISCHR(mode) || S_ISBLK(mode))
        type = FT_DEV;
    else if (S_ISLNK(mode))
        type = FT_SLINK;
    else if (S_ISFIFO(mode))
        type = FT_FIFO;
    else if (S_ISSOCK(mode))
        type = FT_SOCK;
    else
        return false;
    return true;
}

FILE_TYPE TypeFromDirent(unsigned char d_type)
{
    switch (d_type) {
    case DT_FIFO:
        return FT_FIFO;
    case DT_CHR:
    case DT_BLK:
        return FT_DEV;
    case DT_DIR:
        return FT_DIR;
    case DT_REG:
        return FT_FILE;
    case DT_LNK:
        return FT_SLINK;
    case DT_SOCK:
        return FT_SOCK;
    default:
        return FT_ERR;
    }
}

unsigned long FileSystemMagic(const struct statfs& fs)
{
    return static_cast<unsigned long>(fs.f_type) & 0xFFFFFFFFul;
}

// ---- FSMKDirP -------------------------------------------------------------

// Makes sure one prefix of the path is a directory. Returns 0 to go on.
int EnsureDirectory(const char* prefix, mode_t mode, bool force, bool is_last)
{
    struct stat st;
    if (stat(prefix, &st) != 0) {
        if (mkdir(prefix, mode) == 0)
            return 0;
        // Another process may have made it between the look and the mkdir
        // (two launchers that start at once both make the log folder).
        return (errno == EEXIST && stat(prefix, &st) == 0 && S_ISDIR(st.st_mode)) ? 0 : -1;
    }
    if (S_ISDIR(st.st_mode))
        return 0;
    if (force)
        return (remove(prefix) == 0 && mkdir(prefix, mode) == 0) ? 0 : -1;
    if (is_last) {
        Logger::LogMsg(Logger::L_INFO, kLogComp,
                       "[INFO] file-op(%d): FSMKDirP: path: %s is existing file or symbolic link "
                       "pointed to file\n",
                       __LINE__, prefix);
        errno = EEXIST;
        return -1;
    }
    // The next component cannot be created under it, which ends the walk.
    Logger::LogMsg(Logger::L_INFO, kLogComp,
                   "[INFO] file-op(%d): FSMKDirP: path: %s is symbolic link pointed to folder\n",
                   __LINE__, prefix);
    return 0;
}

// Walks the path one component at a time; returns the offset where it stopped.
int CreateEachComponent(char* text, mode_t mode, bool force, size_t& stop)
{
    size_t end = (text[0] == '/') ? 1 : 0;
    for (;;) {
        while (text[end] != '\0' && text[end] != '/')
            ++end;
        const bool is_last = text[end] == '\0' || text[end + 1] == '\0';
        const char cut = text[end];
        text[end] = '\0';
        const int rc = EnsureDirectory(text, mode, force, is_last);
        text[end] = cut;
        if (rc != 0 || is_last) {
            stop = end;
            return rc;
        }
        ++end;
    }
}

// ---- FSCopy ----------------------------------------------------------------

int CopyResultForErrno(int err) { return (err == ENOSPC || err == EDQUOT) ? -2 : -1; }

int OpenCopySource(const ustring& src)
{
    // Non-blocking so that a named pipe without a writer cannot stall the open.
    const int fd = open(src.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n",
                       __LINE__, src.c_str(), strerror(err), err);
        return -1;
    }
    struct stat st;
    if (fstat(fd, &st) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: fstat(%s): %s (%d)\n",
                       __LINE__, src.c_str(), strerror(err), err);
        close(fd);
        return -1;
    }
    // Pipes, devices and sockets have no end to copy up to (a device such as
    // /dev/zero never ends); only regular files, also reached through a link.
    if (!S_ISREG(st.st_mode)) {
        FILE_TYPE type = FT_ERR;
        TypeFromMode(st.st_mode, type);
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): CopyFile: '%s' is not a regular file (%d)\n", __LINE__,
                       src.c_str(), static_cast<int>(type));
        close(fd);
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Opening the destination with O_TRUNC would wipe the source if both name
// the same file (the same path, or two hard links).
bool IsSameFile(int src_fd, const ustring& dst)
{
    struct stat src_st;
    struct stat dst_st;
    if (fstat(src_fd, &src_st) != 0 || stat(dst.c_str(), &dst_st) != 0)
        return false;
    return src_st.st_dev == dst_st.st_dev && src_st.st_ino == dst_st.st_ino;
}

int OpenCopyDestination(const ustring& dst)
{
    // Non-blocking so that an existing named pipe without a reader fails
    // instead of stalling; regular files ignore the flag.
    const int fd = open(dst.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n",
                       __LINE__, dst.c_str(), strerror(err), err);
        return -1;
    }
    // Once open, writes wait for a slow reader instead of failing on a full pipe.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

int WriteAll(int fd, const char* data, size_t len)
{
    while (len > 0) {
        const ssize_t written = write(fd, data, len);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A zero-byte write sets no errno; report it as out of space.
            const int err = written == 0 ? ENOSPC : errno;
            Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: write: %s (%d)\n",
                           __LINE__, strerror(err), err);
            return CopyResultForErrno(err);
        }
        data += written;
        len -= static_cast<size_t>(written);
    }
    return 0;
}

int CopyContents(int in, int out, char* buffer)
{
    for (;;) {
        const ssize_t got = read(in, buffer, kCopyChunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int err = errno;
            Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: read: %s (%d)\n",
                           __LINE__, strerror(err), err);
            return -1;
        }
        if (got == 0)
            return 0;
        const int rc = WriteAll(out, buffer, static_cast<size_t>(got));
        if (rc != 0)
            return rc;
    }
}

// A copy only counts when its data reached the disk.
int SyncAndClose(int fd, const ustring& dst)
{
    int rc = 0;
    if (fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: fsync(%s): %s (%d)\n",
                       __LINE__, dst.c_str(), strerror(err), err);
        rc = CopyResultForErrno(err);
    }
    close(fd);
    return rc;
}

int RemoveCopiedSource(const ustring& src)
{
    if (remove(src.c_str()) == 0)
        return 0;
    const int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: remove(%s): %s (%d)\n",
                   __LINE__, src.c_str(), strerror(err), err);
    return -1;
}

// ---- FSRemove ----------------------------------------------------------------

int RemoveEntryAt(int dir_fd, const char* name, unsigned char d_type);

// Empties the directory open on fd (which it takes over and closes). Works
// relative to the open directory, so no path is looked up twice per entry.
int RemoveDirectoryContents(int fd)
{
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return -1;
    }
    int rc = 0;
    // A read error ends the walk like the end of the directory; removing the
    // directory itself then fails if entries remain.
    for (struct dirent* entry = readdir(dir); entry != nullptr; entry = readdir(dir)) {
        if (IsDotOrDotDot(entry->d_name))
            continue;
        if (RemoveEntryAt(dirfd(dir), entry->d_name, entry->d_type) != 0) {
            rc = -1;
            break;
        }
    }
    closedir(dir);
    return rc;
}

// A folder of the caller's own that lacks write or search permission for its
// owner (a package may ship one as 0555) would keep its entries: give the
// owner full access first. Others' folders are left as they are.
void MakeOwnFolderRemovable(int fd)
{
    struct stat st;
    if (fstat(fd, &st) != 0 || st.st_uid != geteuid())
        return;
    if ((st.st_mode & S_IRWXU) != S_IRWXU)
        fchmod(fd, (st.st_mode & 07777) | S_IRWXU);
}

// Opens a folder for emptying it; a folder of our own that cannot even be
// read is opened once more after its owner's permissions are restored.
int OpenFolderToEmpty(int dir_fd, const char* name)
{
    const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = openat(dir_fd, name, flags);
    if (fd < 0 && errno == EACCES) {
        struct stat st;
        if (fstatat(dir_fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) ||
            st.st_uid != geteuid() ||
            fchmodat(dir_fd, name, (st.st_mode & 07777) | S_IRWXU, 0) != 0) {
            errno = EACCES;
            return -1;
        }
        fd = openat(dir_fd, name, flags);
    }
    if (fd >= 0)
        MakeOwnFolderRemovable(fd);
    return fd;
}

// Something already gone counts as removed.
int RemoveEntryAt(int dir_fd, const char* name, unsigned char d_type)
{
    bool is_dir = d_type == DT_DIR;
    if (d_type == DT_UNKNOWN) {
        struct stat st;
        if (fstatat(dir_fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? 0 : -1;
        is_dir = S_ISDIR(st.st_mode);
    }
    if (!is_dir)
        return (unlinkat(dir_fd, name, 0) == 0 || errno == ENOENT) ? 0 : -1;
    // O_NOFOLLOW: a link that replaced the directory meanwhile is never entered.
    const int child = OpenFolderToEmpty(dir_fd, name);
    if (child < 0)
        return errno == ENOENT ? 0 : -1;
    if (RemoveDirectoryContents(child) != 0)
        return -1;
    return (unlinkat(dir_fd, name, AT_REMOVEDIR) == 0 || errno == ENOENT) ? 0 : -1;
}

// ---- FSRename across file systems -------------------------------------------

int MoveFileAcrossDevices(const ustring& from, const ustring& to, mode_t mode)
{
    const bool existed = IsFileExist(to, false);
    if (FSCopy(from, to, false) < 0) {
        // The source is intact; a half-written copy we created is only litter.
        if (!existed)
            unlink(to.c_str());
        return -3;
    }
    // A move keeps the permission bits: executables stay executable and
    // private files stay private.
    if (chmod(to.c_str(), mode & 07777) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): FSRename: chmod(%s): %s (%d)\n",
                       __LINE__, to.c_str(), strerror(err), err);
        return -3;
    }
    return RemoveCopiedSource(from) == 0 ? 0 : -3;
}

int MoveEntriesAcrossDevices(const ustring& from, const ustring& to, bool do_case_check)
{
    DIR* dir = opendir(from.c_str());
    if (dir == nullptr)
        return -3;
    int rc = 0;
    for (struct dirent* entry = readdir(dir); entry != nullptr; entry = readdir(dir)) {
        if (IsDotOrDotDot(entry->d_name))
            continue;
        const ustring name(entry->d_name);
        if (FSRename(from + "/" + name, to + "/" + name, do_case_check) != 0) {
            rc = -3;
            break;
        }
    }
    closedir(dir);
    return rc;
}

int MoveDirectoryAcrossDevices(const ustring& from, const ustring& to, mode_t mode,
                               bool do_case_check)
{
    const bool existed = IsFileExist(to, false);
    if (FSMKDir(to, true) != 0)
        return -3;
    // A new directory gets the source's bits at the end; until then the owner
    // must be able to fill it, and nobody else gets more than the source gave.
    if (!existed)
        chmod(to.c_str(), (mode & 07777) | S_IRWXU);
    if (MoveEntriesAcrossDevices(from, to, do_case_check) != 0)
        return -3;
    if (!existed && chmod(to.c_str(), mode & 07777) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): FSRename: chmod(%s): %s (%d)\n",
                       __LINE__, to.c_str(), strerror(err), err);
        return -3;
    }
    return remove(from.c_str()) == 0 ? 0 : -3;
}

} // namespace

bool _FILE_INFO_tag::operator==(const _FILE_INFO_tag& other) const
{
    return isExist == other.isExist && size == other.size && mtime == other.mtime &&
           type == other.type && path == other.path && name == other.name;
}

// ---- Information ---------------------------------------------------------------

int GetFileInfo(const ustring& path, FILE_INFO& info)
{
    struct stat st;
    const bool exists = lstat(path.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return -1;
    info.isExist = exists;
    info.mtime = exists ? static_cast<uint32_t>(st.st_mtime) : 0;
    info.size = exists ? static_cast<uint64_t>(st.st_size) : 0;
    info.mode = exists ? st.st_mode : 0;
    info.uid = exists ? st.st_uid : 0;
    info.gid = exists ? st.st_gid : 0;
    info.dev_id = exists ? st.st_dev : 0;
    info.name = FSBaseName(path);
    if (&info.path != &path)
        info.path = path;
    if (!exists) {
        info.type = FT_ERR;
        return 0;
    }
    // A kind without a type of its own keeps the fields but fails.
    return TypeFromMode(st.st_mode, info.type) ? 0 : -1;
}

int FSStat(const ustring& path, FILE_INFO& info, bool /*do_case_check*/)
{
    if (path.empty())
        return -1;
    return GetFileInfo(path, info) == 0 ? 0 : -2;
}

bool IsFileExist(const ustring& path, bool /*do_case_check*/)
{
    if (path.empty())
        return false;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0)
        return false;
    return info.isExist;
}

// ---- Directories -----------------------------------------------------------------

int FSMKDir(const ustring& path, bool isCreateParent)
{
    if (path.empty())
        return -1;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): FSMKDir: Failed to to file info '%s'\n", __LINE__,
                       path.c_str());
        return -1;
    }
    // A link to a folder is that folder: a home may keep its data elsewhere.
    struct stat target;
    if (info.isExist && info.type == FT_SLINK && stat(path.c_str(), &target) == 0 &&
        S_ISDIR(target.st_mode))
        return 0;
    if (info.isExist) {
        if (info.type == FT_DIR)
            return 0;
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): FSMKDir: Create a folder but local file system is not "
                       "directory '%s' (%d)\n",
                       __LINE__, path.c_str(), static_cast<int>(info.type));
        return -1;
    }
    const int rc = isCreateParent ? FSMKDirP(path, nullptr, false, static_cast<mode_t>(-1))
                                  : mkdir(path.c_str(), 0777);
    if (rc != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): path = %s errno : %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return -2;
    }
    return 0;
}

int FSMKDirP(const ustring& path, char** endptr, bool blForceCreate, mode_t mode)
{
    char* const text_start = const_cast<char*>(path.c_str());
    if (path.empty()) {
        if (endptr)
            *endptr = text_start;
        return -1;
    }
    char* text = strdup(path.c_str());
    if (text == nullptr)
        return -1;
    // mode -1 means "the usual 0777 under the caller's umask"; an explicit mode
    // is applied exactly, which needs the umask out of the way meanwhile.
    const bool explicit_mode = mode != static_cast<mode_t>(-1);
    const mode_t create_mode = explicit_mode ? mode : 0777;
    const mode_t old_umask = explicit_mode ? umask(0) : 0;

    size_t stop = 0;
    const int rc = CreateEachComponent(text, create_mode, blForceCreate, stop);

    const int err = errno;
    if (explicit_mode)
        umask(old_umask);
    free(text);
    if (endptr)
        *endptr = text_start + stop;
    errno = err;
    return rc == 0 ? 0 : -1;
}

int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh)
{
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): FSOpenDir: Failed to open directory '%s'. %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return -1;
    }
    dh.dp = dir;
    dh.path = path;
    dh.flag = flag;
    return 0;
}

int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry)
{
    struct dirent* found = nullptr;
    int err = EBADF;
    if (dh.dp != nullptr) {
        errno = 0;
        found = readdir(dh.dp);
        err = errno;
    }
    if (found == nullptr) {
        if (err == 0)
            return 0;
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): FSOpenDir: Failed to read directory '%s'. %s\n",
                       __LINE__, dh.path.c_str(), strerror(err));
        return -1;
    }
    entry.mtime = 0;
    entry.size = 0;
    if (dh.flag & 1) {
        const ustring full_path = dh.path + "/" + found->d_name;
        FILE_INFO info;
        if (FSStat(full_path, info, false) != 0) {
            Logger::LogMsg(Logger::L_ERR, kLogComp,
                           "[ERROR] file-op(%d): FSOpenDir: Failed to get info for '%s'\n",
                           __LINE__, full_path.c_str());
            return -1;
        }
        entry.mtime = info.mtime;
        entry.size = info.size;
    }
    entry.name = found->d_name;
    entry.type = TypeFromDirent(found->d_type);
    return 1;
}

void FSCloseDir(DIR_HANDLE& dh)
{
    if (dh.dp != nullptr)
        closedir(dh.dp);
    dh.dp = nullptr;
    dh.path.clear();
}

// ---- Copy, move, remove ----------------------------------------------------------------

int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin)
{
    const int in = OpenCopySource(src);
    if (in < 0)
        return -1;
    if (IsSameFile(in, dst)) {
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): CopyFile: '%s' and '%s' are the same file\n", __LINE__,
                       src.c_str(), dst.c_str());
        close(in);
        return -1;
    }
    const int out = OpenCopyDestination(dst);
    if (out < 0) {
        close(in);
        return -1;
    }
    int rc = -1;
    char* buffer = static_cast<char*>(malloc(kCopyChunk));
    if (buffer == nullptr) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): FSCopy: malloc(%d): %s (%d)\n",
                       __LINE__, static_cast<int>(kCopyChunk), strerror(err), err);
    } else {
        rc = CopyContents(in, out, buffer);
        free(buffer);
    }
    close(in);
    const int sync_rc = SyncAndClose(out, dst);
    if (rc == 0)
        rc = sync_rc;
    if (rc == 0 && isDelOrigin)
        rc = RemoveCopiedSource(src);
    return rc;
}

int FSRename(const ustring& from, const ustring& to, bool do_case_check)
{
    if (from.empty() || to.empty())
        return -1;
    FILE_INFO info;
    if (FSStat(from, info, do_case_check) != 0 || !info.isExist)
        return -2;
    if (rename(from.c_str(), to.c_str()) == 0)
        return 0;
    if (errno == ENAMETOOLONG)
        return -100;
    if (errno != EXDEV)
        return -3;
    if (info.type == FT_FILE)
        return MoveFileAcrossDevices(from, to, info.mode);
    if (info.type == FT_DIR)
        return MoveDirectoryAcrossDevices(from, to, info.mode, do_case_check);
    // Links, devices, pipes and sockets stay where they are; the installation
    // only ever moves files and folders.
    return 0;
}

int FSRemove(const ustring& path, bool /*allowundo*/)
{
    FILE_INFO info;
    if (path.empty() || GetFileInfo(path, info) != 0)
        return -1;
    if (!info.isExist)
        return 0;
    if (info.type != FT_DIR)
        return remove(path.c_str()) == 0 ? 0 : -3;
    const int fd = OpenFolderToEmpty(AT_FDCWD, path.c_str());
    if (fd < 0 || RemoveDirectoryContents(fd) != 0)
        return -3;
    return rmdir(path.c_str()) == 0 ? 0 : -3;
}

// ---- Paths ---------------------------------------------------------------------------

ustring FSParentPath(const ustring& path)
{
    const size_t slash = path.rfind('/');
    if (slash == ustring::npos || slash == 0)
        return ustring("/");
    return path.substr(0, slash);
}

ustring FSBaseName(const ustring& path)
{
    const size_t slash = path.rfind('/');
    if (slash == ustring::npos)
        return path;
    return path.substr(slash + 1);
}

bool FSIsParentFolder(const ustring& parent, const ustring& child)
{
    const size_t len = parent.length();
    if (child.length() < len)
        return false;
    if (child.length() > len && child[len] != '/')
        return false;
    return memcmp(parent.c_str(), child.c_str(), len) == 0;
}

int FSMKDirFromRoot(const ustring& path, const ustring& from)
{
    if (path.length() < from.length()) {
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): Giving a root '%s' whose length is larger then "
                       "target's '%s'.\n",
                       __LINE__, from.c_str(), path.c_str());
        return -1;
    }
    if (!FSIsParentFolder(from, path)) {
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): root '%s' is not a parent folder of target '%s'\n",
                       __LINE__, from.c_str(), path.c_str());
        return -1;
    }
    const ustring rest = path.substr(from.length());
    ustring prefix;
    while (prefix != rest) {
        const size_t slash = rest.find('/', prefix.length() + 1);
        prefix = (slash == ustring::npos) ? rest : rest.substr(0, slash);
        Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] file-op(%d): FSMKDirFromRoot: create %s\n",
                       __LINE__, prefix.c_str());
        if (FSMKDir(from + prefix, false) < 0)
            return -1;
    }
    return 0;
}

int FSGetRealPath(ustring& path)
{
    Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] file-op(%d):  org path [%s]\n", __LINE__,
                   path.c_str());
    static_assert(kRealPathSize >= PATH_MAX, "realpath needs PATH_MAX bytes");
    char resolved[kRealPathSize];
    if (realpath(path.c_str(), resolved) == nullptr)
        return -1;
    path = resolved;
    Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] file-op(%d):  get full path [%s]\n", __LINE__,
                   path.c_str());
    return 0;
}

// ---- Temporary names ----------------------------------------------------------------

int FSMktemp(const ustring& prefix, ustring& path)
{
    char name[kTempTemplateSize];
    const int len = snprintf(name, sizeof(name), "%s/XXXXXX", prefix.c_str());
    int fd = -1;
    // A cut-off template would no longer end in the six X and could name a
    // file outside the prefix directory.
    if (len < 0 || static_cast<size_t>(len) >= sizeof(name))
        errno = ENAMETOOLONG;
    else
        fd = mkstemp(name);
    if (fd < 0) {
        const int err = errno;
        // mkstemp leaves its last attempt in the buffer; the log shows the template.
        if (len >= 6 && static_cast<size_t>(len) < sizeof(name))
            memcpy(name + len - 6, "XXXXXX", 6);
        Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] file-op(%d): mkstemp(%s): %s\n", __LINE__,
                       name, strerror(err));
        return -1;
    }
    close(fd);
    path = name;
    chmod(name, 0644);
    return 0;
}

int FSCreateTempPath(const ustring& prefix, ustring& path)
{
    path = TmpNameGen::getInstance().getTmpPath(prefix);
    return path.empty() ? -1 : 0;
}

// ---- Times, access, file systems ---------------------------------------------------

int FSUTime(const ustring& path, time_t atime, time_t mtime)
{
    struct timeval times[2];
    times[0].tv_sec = atime;
    times[0].tv_usec = 0;
    times[1].tv_sec = mtime;
    times[1].tv_usec = 0;
    return lutimes(path.c_str(), times) == 0 ? 0 : -1;
}

bool FSTimeEqual(time_t a, time_t b) { return a == b; }

bool isFileLocked(const ustring& path, int mode)
{
    return access(path.c_str(), mode) != 0 && (errno == EPERM || errno == EACCES);
}

bool hasFilePermission(const ustring& path, int mode) { return !isFileLocked(path, mode); }

bool isMountPoint(const ustring& path)
{
    struct statfs fs;
    if (statfs(path.c_str(), &fs) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): isMountPoint: Failed to get file system info '%s'. %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return false;
    }
    const unsigned long magic = FileSystemMagic(fs);
    return magic == kNfsMagic || magic == kCifsMagic;
}

bool IsMSDOS(const ustring& path)
{
    struct statfs fs;
    if (statfs(path.c_str(), &fs) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): IsSupportLargeFile: Failed to get file system info "
                       "'%s'. %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return false;
    }
    if (FileSystemMagic(fs) != kMsdosMagic)
        return false;
    Logger::LogMsg(Logger::L_WARNING, kLogComp,
                   "[WARNING] file-op(%d): Detect a MSDOS platform for path '%s'.\n", __LINE__,
                   path.c_str());
    return true;
}

// ---- Links and owners -------------------------------------------------------------

int FSCreateSymbolicLink(const ustring& target, const ustring& link)
{
    if (symlink(target.c_str(), link.c_str()) == 0)
        return 0;
    const int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] file-op(%d): FSCreateSymbolicLink: Failed to create symbolic link '%s' "
                   "-> '%s' (code: %d, msg: %s)\n",
                   __LINE__, target.c_str(), link.c_str(), err, strerror(err));
    return -1;
}

int FSReadSymbolicLink(const ustring& link, ustring& target)
{
    char buffer[kLinkBufferSize] = {};
    const ssize_t len = readlink(link.c_str(), buffer, sizeof(buffer));
    // readlink does not terminate the text; a target that fills the whole
    // buffer may have been cut, so it is refused rather than guessed at.
    const int err = len < 0 ? errno : ENAMETOOLONG;
    if (len < 0 || static_cast<size_t>(len) >= sizeof(buffer)) {
        Logger::LogMsg(Logger::L_ERR, kLogComp,
                       "[ERROR] file-op(%d): FSReadSymbolicLink: Failed to read symbolic link '%s' "
                       "(code: %d, msg: %s)\n",
                       __LINE__, link.c_str(), err, strerror(err));
        return -1;
    }
    target.assign(buffer, static_cast<size_t>(len));
    return 0;
}

int FSChown(const ustring& path, uid_t owner, gid_t group)
{
    if (fchownat(AT_FDCWD, path.c_str(), owner, group, AT_SYMLINK_NOFOLLOW) == 0)
        return 0;
    const int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComp,
                   "[ERROR] file-op(%d): FSChown: Failed to chown '%s' (code: %d, msg: %s)\n",
                   __LINE__, path.c_str(), err, strerror(err));
    return -1;
}
