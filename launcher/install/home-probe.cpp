#include "home-probe.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "file/file-op.h"
#include "file/own-file.h"

namespace {

enum Name { kFile, kHardLink, kSymbolicLink };

} // namespace

HomeProbe::HomeProbe(const ustring& app) : folder(FSParentPath(app))
{
    ustring base = FSBaseName(app) + ".room";
    names[kFile] = base;
    names[kHardLink] = base + ".link";
    names[kSymbolicLink] = base + ".symlink";
}

HomeProbe::~HomeProbe()
{
    Remove();
}

// The folder may be a link (to a folder of the user's elsewhere); below it
// nothing is followed, and whatever a cut run left at the probe's names goes.
int HomeProbe::Create()
{
    if (!IsFileExist(folder, false) && FSMKDir(folder, true) < 0)
        return errno ? errno : EACCES;
    dir_fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_fd < 0)
        return errno;
    for (const ustring& name : names) {
        if (int err = ClearOwnTemporaryName(folder + "/" + name))
            return err;
    }
    fd = openat(dir_fd, names[kFile].c_str(),
                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    made[kFile] = true;
    return 0;
}

int HomeProbe::TryHardLink()
{
    if (linkat(dir_fd, names[kFile].c_str(), dir_fd, names[kHardLink].c_str(), 0) != 0)
        return errno;
    made[kHardLink] = true;
    return 0;
}

int HomeProbe::TrySymbolicLink()
{
    if (symlinkat(names[kFile].c_str(), dir_fd, names[kSymbolicLink].c_str()) != 0)
        return errno;
    made[kSymbolicLink] = true;
    return 0;
}

int HomeProbe::Reserve(int64_t bytes)
{
    int rc;
    do
        rc = fallocate(fd, 0, 0, bytes);
    while (rc != 0 && errno == EINTR);
    if (rc == 0)
        return 0;
    int err = errno == ENOSYS ? EOPNOTSUPP : errno;
    // A reservation that fails part way may keep the blocks it got.
    if (ftruncate(fd, 0) != 0 && err == EOPNOTSUPP)
        return errno;
    return err;
}

int HomeProbe::Remove()
{
    int result = 0;
    // Closed first: some FUSE file systems keep an open file's name alive.
    if (fd >= 0)
        close(fd);
    fd = -1;
    for (int i = 0; i < 3; ++i) {
        if (made[i] && unlinkat(dir_fd, names[i].c_str(), 0) != 0 && errno != ENOENT && !result)
            result = errno;
        made[i] = false;
    }
    if (dir_fd >= 0)
        close(dir_fd);
    dir_fd = -1;
    return result;
}
