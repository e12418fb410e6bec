#ifndef HALVORA_COPY_FLUSH_H
#define HALVORA_COPY_FLUSH_H

#include "ustring/ustring.h"

// Puts everything of the unpacked copy at app on the disk before it counts
// as complete. One flush of its file system does that where the kernel
// holds the data (syncfs); a file system served by a user-space daemon
// (FUSE) is not reached by it, and every file and folder of the copy is
// flushed on its own there; only every folder with folders_only, where the
// files were flushed as they were written. 0, or -1 (logged).
int FlushCopyToDisk(const ustring& app, bool folders_only = false);

#endif
