// A home on a slow disk, for the tests: a FUSE file system that passes
// every call through to a folder and lets writes through at no more than a
// given number of bytes a second, as a congested network disk would.
//
// usage: halvora-throttled-fs BACKING MOUNTPOINT BYTES_PER_SECOND [fuse options]
// Run as root with allow_other; files are made for the user who asks.
#define FUSE_USE_VERSION 31

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

int g_backing = -1;
double g_rate = 0;
std::chrono::steady_clock::time_point g_next;

// Paths arrive absolute within the mount; relative to the backing folder.
const char* Rel(const char* path)
{
    return path[1] ? path + 1 : ".";
}

int Result(int rc)
{
    return rc < 0 ? -errno : rc;
}

// What the caller makes is the caller's, not the daemon's.
int Own(const char* path)
{
    fuse_context* c = fuse_get_context();
    return Result(fchownat(g_backing, Rel(path), c->uid, c->gid, AT_SYMLINK_NOFOLLOW));
}

// Each write waits for the disk's time: a single thread serves every call.
void Throttle(size_t bytes)
{
    auto now = std::chrono::steady_clock::now();
    if (g_next < now)
        g_next = now;
    g_next += std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(bytes / g_rate));
    std::this_thread::sleep_until(g_next);
}

int GetAttr(const char* path, struct stat* st, fuse_file_info* fi)
{
    if (fi)
        return Result(fstat(static_cast<int>(fi->fh), st));
    return Result(fstatat(g_backing, Rel(path), st, AT_SYMLINK_NOFOLLOW));
}

int ReadLink(const char* path, char* buf, size_t size)
{
    ssize_t n = readlinkat(g_backing, Rel(path), buf, size - 1);
    if (n < 0)
        return -errno;
    buf[n] = '\0';
    return 0;
}

int ReadDir(const char* path, void* buf, fuse_fill_dir_t fill, off_t, fuse_file_info*,
            fuse_readdir_flags)
{
    int fd = openat(g_backing, Rel(path), O_RDONLY | O_DIRECTORY);
    DIR* dir = fd < 0 ? nullptr : fdopendir(fd);
    if (!dir)
        return -errno;
    while (dirent* e = readdir(dir))
        fill(buf, e->d_name, nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    closedir(dir);
    return 0;
}

int MkDir(const char* path, mode_t mode)
{
    int rc = Result(mkdirat(g_backing, Rel(path), mode));
    return rc ? rc : Own(path);
}

int SymLink(const char* target, const char* path)
{
    int rc = Result(symlinkat(target, g_backing, Rel(path)));
    return rc ? rc : Own(path);
}

int Link(const char* from, const char* to)
{
    return Result(linkat(g_backing, Rel(from), g_backing, Rel(to), 0));
}

int Unlink(const char* path) { return Result(unlinkat(g_backing, Rel(path), 0)); }
int RmDir(const char* path) { return Result(unlinkat(g_backing, Rel(path), AT_REMOVEDIR)); }

int Rename(const char* from, const char* to, unsigned int flags)
{
    return Result(renameat2(g_backing, Rel(from), g_backing, Rel(to), flags));
}

int ChMod(const char* path, mode_t mode, fuse_file_info*)
{
    return Result(fchmodat(g_backing, Rel(path), mode, 0));
}

int ChOwn(const char* path, uid_t uid, gid_t gid, fuse_file_info*)
{
    return Result(fchownat(g_backing, Rel(path), uid, gid, AT_SYMLINK_NOFOLLOW));
}

int Truncate(const char* path, off_t size, fuse_file_info* fi)
{
    if (fi)
        return Result(ftruncate(static_cast<int>(fi->fh), size));
    int fd = openat(g_backing, Rel(path), O_WRONLY);
    if (fd < 0)
        return -errno;
    int rc = Result(ftruncate(fd, size));
    close(fd);
    return rc;
}

int UTimens(const char* path, const timespec tv[2], fuse_file_info*)
{
    return Result(utimensat(g_backing, Rel(path), tv, AT_SYMLINK_NOFOLLOW));
}

int Create(const char* path, mode_t mode, fuse_file_info* fi)
{
    int fd = openat(g_backing, Rel(path), fi->flags | O_NOFOLLOW, mode);
    if (fd < 0)
        return -errno;
    fi->fh = static_cast<uint64_t>(fd);
    return Own(path);
}

int Open(const char* path, fuse_file_info* fi)
{
    int fd = openat(g_backing, Rel(path), fi->flags | O_NOFOLLOW);
    if (fd < 0)
        return -errno;
    fi->fh = static_cast<uint64_t>(fd);
    return 0;
}

int Read(const char*, char* buf, size_t size, off_t off, fuse_file_info* fi)
{
    return Result(static_cast<int>(pread(static_cast<int>(fi->fh), buf, size, off)));
}

int Write(const char*, const char* buf, size_t size, off_t off, fuse_file_info* fi)
{
    Throttle(size);
    return Result(static_cast<int>(pwrite(static_cast<int>(fi->fh), buf, size, off)));
}

int StatFs(const char* path, struct statvfs* st)
{
    int fd = openat(g_backing, Rel(path), O_RDONLY);
    if (fd < 0)
        return -errno;
    int rc = Result(fstatvfs(fd, st));
    close(fd);
    return rc;
}

int Release(const char*, fuse_file_info* fi)
{
    close(static_cast<int>(fi->fh));
    return 0;
}

int FSync(const char*, int data_only, fuse_file_info* fi)
{
    int fd = static_cast<int>(fi->fh);
    return Result(data_only ? fdatasync(fd) : fsync(fd));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || (g_rate = atof(argv[3])) <= 0) {
        fprintf(stderr, "usage: %s BACKING MOUNTPOINT BYTES_PER_SECOND [fuse options]\n", argv[0]);
        return 2;
    }
    g_backing = open(argv[1], O_RDONLY | O_DIRECTORY);
    if (g_backing < 0) {
        fprintf(stderr, "%s: %s\n", argv[1], strerror(errno));
        return 1;
    }
    fuse_operations ops = {};
    ops.getattr = GetAttr;
    ops.readlink = ReadLink;
    ops.mkdir = MkDir;
    ops.unlink = Unlink;
    ops.rmdir = RmDir;
    ops.symlink = SymLink;
    ops.rename = Rename;
    ops.link = Link;
    ops.chmod = ChMod;
    ops.chown = ChOwn;
    ops.truncate = Truncate;
    ops.open = Open;
    ops.read = Read;
    ops.write = Write;
    ops.statfs = StatFs;
    ops.release = Release;
    ops.fsync = FSync;
    ops.readdir = ReadDir;
    ops.create = Create;
    ops.utimens = UTimens;
    // One thread, so that the bound holds for every write together.
    std::vector<char*> args = {argv[0], argv[2], const_cast<char*>("-s"), const_cast<char*>("-o"),
                               const_cast<char*>("allow_other,default_permissions")};
    for (int i = 4; i < argc; ++i)
        args.push_back(argv[i]);
    return fuse_main(static_cast<int>(args.size()), args.data(), &ops, nullptr);
}
