#include "thread-directory.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include "file/file-op.h"
#include "log.h"

namespace {
const char* const kComponent = "extractor_debug";
}

WorkInDirectoryOnThisThread::WorkInDirectoryOnThisThread() = default;

WorkInDirectoryOnThisThread::~WorkInDirectoryOnThisThread()
{
    if (previous < 0)
        return;
    // The thread's directory is private by now, so a failure here touches
    // nobody else.
    if (fchdir(previous) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): cannot return to the earlier working directory: "
                       "%s (%d)\n",
                       __LINE__, strerror(err), err);
    }
    close(previous);
}

int WorkInDirectoryOnThisThread::Enter(const ustring& dir)
{
    if (!IsFileExist(dir, false) && FSMKDir(dir, true) < 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): cannot create '%s'\n", __LINE__, dir.c_str());
        return -1;
    }
    if (unshare(CLONE_FS) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): unshare(CLONE_FS): %s (%d)\n", __LINE__,
                       strerror(err), err);
        return -1;
    }
    // O_PATH: a working directory we may not read is still one to return to.
    int saved = open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (saved < 0 || chdir(dir.c_str()) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): cannot work in '%s': %s (%d)\n", __LINE__,
                       dir.c_str(), strerror(err), err);
        if (saved >= 0)
            close(saved);
        return -1;
    }
    previous = saved;
    return 0;
}
