#ifndef HALVORA_HOME_LOCK_H
#define HALVORA_HOME_LOCK_H

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "file/file-lock.h"
#include "machine-identity.h"
#include "ustring/ustring.h"

// One installation per home at a time. The instance guard covers launchers
// of one executable only; launchers of two installed copies sharing a home
// meet here, on an exclusive flock of a file in the per-user folder (flock
// works on local file systems and, through byte-range locks, on NFSv4).
// Where the home's file system does not share flock between machines
// (sshfs, SMB), a lock record made atomically with link() beside it, naming
// the machine and process and renewed while held, keeps two machines apart.
class HomeLock {
public:
    enum class State {
        Unlocked, // not tried yet, or released
        Held,
        Unavailable, // the lock file cannot be made or locked: go on as before
        Busy,        // another launcher held it for the whole wait
    };

    // A record of another machine not renewed for this long is stale: its
    // launcher renews it every kRenewSeconds while it runs.
    static constexpr int kStaleSeconds = 180;
    static constexpr int kRenewSeconds = 20;
    // A login waits this long at most for another machine's installation.
    static constexpr int kOtherMachineWaitMs = 60 * 1000;

    HomeLock() = default;
    ~HomeLock();
    HomeLock(const HomeLock&) = delete;
    HomeLock& operator=(const HomeLock&) = delete;

    // Takes the lock on dir + "/install.lock" and the record dir +
    // "/install.owner", waiting at most timeout_ms for a holder of this
    // machine to let go, and at most other_machine_ms for one of another
    // machine. Every outcome but Held is logged.
    State Acquire(const ustring& dir, int timeout_ms,
                  int other_machine_ms = kOtherMachineWaitMs);
    void Release();
    // False once another machine has taken the record over, which it does
    // only when this launcher stopped renewing it for kStaleSeconds (a
    // frozen or suspended process): the home is that machine's from then
    // on, and the lock counts as Busy with it as the holder.
    bool StillHeld();
    State state() const { return m_state; }
    // The other machine whose lock was met, host empty when none was.
    const Machine& holder() const { return m_holder; }

private:
    int TryRecord();
    bool HolderIsStale(const std::string& text, time_t renewed) const;
    void TakeOver(const std::string& judged);
    void ReadHolder();
    void SettleAfterOtherMachine(const ustring& dir) const;
    void StartRenewing();
    void StopRenewing();
    void RemoveOwnRecord();

    FileLock m_lock;
    State m_state = State::Unlocked;
    ustring m_record;
    std::string m_record_text;
    bool m_record_held = false;
    Machine m_holder;
    bool m_waited_for_other = false;
    std::thread m_renewer;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
};

#endif
