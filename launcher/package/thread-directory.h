#ifndef HALVORA_THREAD_DIRECTORY_H
#define HALVORA_THREAD_DIRECTORY_H

#include "ustring/ustring.h"

// While it lives, the calling thread works in a given directory, created
// when missing. The thread first takes a private copy of the process's
// working directory (unshare CLONE_FS), so other threads never see the
// change. Unpacking with names relative to the copy lets the archive writer
// check every element of an entry's path for symbolic links without tripping
// over links on the way to the copy itself (/home -> /data/home).
class WorkInDirectoryOnThisThread {
public:
    WorkInDirectoryOnThisThread();
    ~WorkInDirectoryOnThisThread();
    WorkInDirectoryOnThisThread(const WorkInDirectoryOnThisThread&) = delete;
    WorkInDirectoryOnThisThread& operator=(const WorkInDirectoryOnThisThread&) = delete;

    // 0, or -1 with the reason logged.
    int Enter(const ustring& dir);

private:
    int previous = -1;
};

#endif
