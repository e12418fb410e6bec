#ifndef HALVORA_INSTANCE_LOCK_H
#define HALVORA_INSTANCE_LOCK_H

#include <QString>
#include <sys/types.h>

#include "file/file-lock.h"

// The single-instance lock of the launcher: one per user and executable.
// It is an flock() on a file in a directory only the user can write, so the
// kernel drops it when its holder dies, however it dies, and no other user can
// create, hold or remove it.
class InstanceLock {
public:
    enum State { Acquired, HeldElsewhere, Unavailable };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries to take the lock of this user for the executable at the given
    // canonical path. Never blocks.
    State Acquire(const QString& executable_path);

    // The file that carries the lock for the given user and executable, or an
    // empty string when no safe directory could be found.
    static QString LockFilePath(const QString& executable_path, uid_t uid);

private:
    FileLock m_lock;
};

#endif
