#ifndef HALVORA_HOME_LOCK_H
#define HALVORA_HOME_LOCK_H

#include "file/file-lock.h"
#include "ustring/ustring.h"

// One installation per home at a time. The instance guard covers launchers
// of one executable only; launchers of two installed copies sharing a home
// meet here, on an exclusive flock of a file in the per-user folder (flock
// works on local file systems and, through byte-range locks, on NFSv4).
class HomeLock {
public:
    enum class State {
        Unlocked, // not tried yet, or released
        Held,
        Unavailable, // the lock file cannot be made or locked: go on as before
        Busy,        // another launcher held it for the whole wait
    };

    HomeLock() = default;
    ~HomeLock();
    HomeLock(const HomeLock&) = delete;
    HomeLock& operator=(const HomeLock&) = delete;

    // Takes the lock on dir + "/install.lock", waiting at most timeout_ms
    // for a holder to let go. Every outcome but Held is logged.
    State Acquire(const ustring& dir, int timeout_ms);
    void Release();
    State state() const { return m_state; }

private:
    FileLock m_lock;
    State m_state = State::Unlocked;
};

#endif
