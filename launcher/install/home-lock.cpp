#include "home-lock.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include "file/own-file.h"
#include "log.h"

namespace {

const char* const kLogComponent = "service_debug";
const int kPollMs = 100;
const size_t kMaxRecordBytes = 1024;
const int kTakeOverTries = 3;
// A FUSE mount answers lookups and attributes from the kernel's cache for
// the entry and attribute timeouts the file system gives (a second unless
// it says otherwise); twice that covers a lookup made just before.
const int kFuseCacheSettleMs = 2000;

// The record's text and when it was last renewed; false when it is gone
// or cannot be read.
bool ReadRecord(const ustring& path, std::string& text, time_t& renewed)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    renewed = st.st_mtime;
    return ReadOwnFile(path, kMaxRecordBytes, text) == 0;
}

int WriteNewFile(const ustring& path, const std::string& text)
{
    unlink(path.c_str());
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    ssize_t written = write(fd, text.data(), text.size());
    int err = written == static_cast<ssize_t>(text.size()) ? 0 : (written < 0 ? errno : ENOSPC);
    close(fd);
    if (err != 0)
        unlink(path.c_str());
    return err;
}

// A link() over NFS may be done and still report a failure (its answer
// lost and the retry refused): the temporary name's count of links tells.
bool LinkMade(const ustring& temporary)
{
    struct stat st;
    return lstat(temporary.c_str(), &st) == 0 && st.st_nlink == 2;
}

} // namespace

HomeLock::~HomeLock()
{
    Release();
}

HomeLock::State HomeLock::Acquire(const ustring& dir, int timeout_ms, int other_machine_ms)
{
    Release();
    m_holder = Machine();
    m_waited_for_other = false;
    ustring path = dir + "/install.lock";
    m_record = dir + "/install.owner";
    if (int err = m_lock.Open(path.c_str())) {
        Logger::LogMsg(Logger::L_WARNING, kLogComponent,
                       "[WARNING] home-lock(%d): cannot open lock file '%s': %s (%d), going "
                       "on without it\n",
                       __LINE__, path.c_str(), strerror(err), err);
        m_state = State::Unavailable;
        return m_state;
    }
    bool announced = false;
    int limit = timeout_ms;
    for (int waited = 0;; waited += kPollMs) {
        int err = m_lock.TryLock();
        if (err == 0) {
            err = TryRecord();
            if (err != EEXIST) {
                // A home that takes no record still has the flock.
                if (err != 0)
                    Logger::LogMsg(Logger::L_WARNING, kLogComponent,
                                   "[WARNING] home-lock(%d): cannot make the lock record '%s': "
                                   "%s (%d), going on with the lock file alone\n",
                                   __LINE__, m_record.c_str(), strerror(err), err);
                m_state = State::Held;
                StartRenewing();
                SettleAfterOtherMachine(dir);
                return m_state;
            }
        } else if (err != EWOULDBLOCK && err != EINTR) {
            Logger::LogMsg(Logger::L_WARNING, kLogComponent,
                           "[WARNING] home-lock(%d): cannot lock '%s': %s (%d), going on "
                           "without it\n",
                           __LINE__, path.c_str(), strerror(err), err);
            Release();
            // A file system without flock (NFS without its lock service)
            // may still take the record, which then excludes alone.
            m_state = TryRecord() == 0 ? State::Held : State::Unavailable;
            if (m_state == State::Held)
                StartRenewing();
            return m_state;
        } else {
            ReadHolder();
        }
        if (m_holder.Known()) {
            m_waited_for_other = true;
            AnnounceMeeting(m_holder, "the installation lock");
            limit = std::min(timeout_ms, other_machine_ms);
        }
        if (waited >= limit)
            break;
        if (!announced) {
            Logger::LogMsg(Logger::L_INFO, kLogComponent,
                           "[INFO] home-lock(%d): another launcher is installing in this "
                           "home, waiting for it\n",
                           __LINE__);
            announced = true;
        }
        usleep(kPollMs * 1000);
    }
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] home-lock(%d): '%s' still locked after %d ms, not installing "
                   "this time\n",
                   __LINE__, path.c_str(), limit);
    if (m_holder.Known())
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] home-lock(%d): machine %s is installing in this home\n",
                       __LINE__, MachineName(m_holder).c_str());
    Release();
    m_state = State::Busy;
    return m_state;
}

// Where flock is not shared, the home is often a FUSE mount (sshfs) whose
// kernel still holds names and attributes of the copy as they were before
// the other machine's installation: a launcher deciding on them took the
// other's new copy for a missing one, missed its client record and failed
// to rename folders that were not there any more. Once the cache has
// timed out, every look at the home goes to the file system again. Only a
// wait that met another machine pays this; one machine alone never does.
void HomeLock::SettleAfterOtherMachine(const ustring& dir) const
{
    struct statfs fs;
    if (!m_waited_for_other || statfs(dir.c_str(), &fs) != 0 || fs.f_type != FUSE_SUPER_MAGIC)
        return;
    Logger::LogMsg(Logger::L_INFO, kLogComponent,
                   "[INFO] home-lock(%d): machine %s installed in this home, which is a FUSE "
                   "mount: waiting %d ms for the mount's cache to show its work\n",
                   __LINE__, MachineName(m_holder).c_str(), kFuseCacheSettleMs);
    usleep(kFuseCacheSettleMs * 1000);
}

// While the flock is another's, the record says whose it is.
void HomeLock::ReadHolder()
{
    std::string text;
    time_t renewed = 0;
    if (!ReadRecord(m_record, text, renewed))
        return;
    Machine holder = MachineOfRecord(text);
    if (holder.Known() && !IsThisMachine(holder))
        m_holder = holder;
}

// 0 when the record is ours now, EEXIST while a live one of another holder
// stands, another errno when no record can be made here.
int HomeLock::TryRecord()
{
    const Machine& self = ThisMachine();
    m_record_text = MachineRecordLines(self) + "pid=" + std::to_string(getpid()) + "\n";
    ustring temporary = m_record + "." + MachineFileTag(self).c_str() + "." +
                        std::to_string(getpid()).c_str();
    if (int err = WriteNewFile(temporary, m_record_text))
        return err;
    int result = EEXIST;
    for (int tries = 0; tries < kTakeOverTries; ++tries) {
        if (link(temporary.c_str(), m_record.c_str()) == 0 || LinkMade(temporary)) {
            result = 0;
            break;
        }
        if (errno != EEXIST) {
            result = errno;
            break;
        }
        std::string text;
        time_t renewed = 0;
        if (!ReadRecord(m_record, text, renewed))
            continue;
        if (!HolderIsStale(text, renewed)) {
            m_holder = MachineOfRecord(text);
            break;
        }
        TakeOver(text);
    }
    unlink(temporary.c_str());
    m_record_held = result == 0;
    return result;
}

// Provably stale only: another boot of this host, this machine's own (its
// flock, which we hold now, would be held by a live holder; without the
// flock, its pid is gone), or a record of another host that has not been
// renewed for kStaleSeconds.
bool HomeLock::HolderIsStale(const std::string& text, time_t renewed) const
{
    Machine holder = MachineOfRecord(text);
    const Machine& self = ThisMachine();
    if (holder.host == self.host && (holder.boot_id != self.boot_id || m_lock.IsOpen()))
        return true;
    if (holder == self) {
        pid_t pid = static_cast<pid_t>(atol(RecordValue(text, "pid").c_str()));
        return pid <= 0 || (kill(pid, 0) != 0 && errno == ESRCH);
    }
    return time(nullptr) - renewed > kStaleSeconds;
}

// Moves the stale record aside and looks at what was moved: a holder that
// renewed or replaced it since we judged it gets it back.
void HomeLock::TakeOver(const std::string& judged)
{
    ustring aside = m_record + ".stale." + MachineFileTag(ThisMachine()).c_str() + "." +
                    std::to_string(getpid()).c_str();
    if (rename(m_record.c_str(), aside.c_str()) != 0)
        return;
    std::string text;
    time_t renewed = 0;
    bool same = ReadRecord(aside, text, renewed) && text == judged && HolderIsStale(text, renewed);
    if (!same) {
        if (link(aside.c_str(), m_record.c_str()) != 0)
            Logger::LogMsg(Logger::L_WARNING, kLogComponent,
                           "[WARNING] home-lock(%d): the lock record '%s' changed while it was "
                           "taken over and could not be put back: %s\n",
                           __LINE__, m_record.c_str(), strerror(errno));
    } else {
        Machine holder = MachineOfRecord(text);
        Logger::LogMsg(Logger::L_NOTICE, kLogComponent,
                       "[NOTE] home-lock(%d): taking over the stale lock record of machine %s "
                       "(pid %s, not renewed for %ld s)\n",
                       __LINE__, MachineName(holder).c_str(), RecordValue(text, "pid").c_str(),
                       static_cast<long>(time(nullptr) - renewed));
    }
    unlink(aside.c_str());
}

bool HomeLock::StillHeld()
{
    if (m_state == State::Busy)
        return false;
    if (!m_record_held)
        return true;
    std::string text;
    time_t renewed = 0;
    if (ReadRecord(m_record, text, renewed) && text == m_record_text)
        return true;
    // The record at our name is someone else's now: never renew or remove it.
    StopRenewing();
    m_record_held = false;
    Machine holder = MachineOfRecord(text);
    if (holder.Known() && !IsThisMachine(holder))
        m_holder = holder;
    m_state = State::Busy;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] home-lock(%d): the lock record '%s' is no longer this launcher's "
                   "(taken over by machine %s while this one did not run), leaving the home "
                   "to it\n",
                   __LINE__, m_record.c_str(),
                   m_holder.Known() ? MachineName(m_holder).c_str() : "unknown");
    return false;
}

void HomeLock::StartRenewing()
{
    if (!m_record_held)
        return;
    m_stop = false;
    m_renewer = std::thread([this] {
        std::unique_lock<std::mutex> guard(m_mutex);
        while (!m_wake.wait_for(guard, std::chrono::seconds(int(kRenewSeconds)), [this] { return m_stop; }))
            utimensat(AT_FDCWD, m_record.c_str(), nullptr, AT_SYMLINK_NOFOLLOW);
    });
}

void HomeLock::StopRenewing()
{
    if (!m_renewer.joinable())
        return;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_renewer.join();
}

// Only a record that still names this process goes: one another machine
// took over (ours having looked stale) is theirs now.
void HomeLock::RemoveOwnRecord()
{
    if (!m_record_held)
        return;
    m_record_held = false;
    std::string text;
    time_t renewed = 0;
    if (ReadRecord(m_record, text, renewed) && text == m_record_text)
        unlink(m_record.c_str());
}

void HomeLock::Release()
{
    StopRenewing();
    RemoveOwnRecord();
    m_lock.Close();
    m_state = State::Unlocked;
}
