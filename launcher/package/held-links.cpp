#include "held-links.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <mutex>
#include <sched.h>
#include <set>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "old-copy.h"

namespace {

// Descriptors at or above this number are not held: the lease's state is
// kept in a table the signal handler can reach without allocating.
const int kMaxHeldFd = 1 << 16;
// Left free for everything else the launcher opens while the files are held.
const rlim_t kSpareDescriptors = 512;

enum LeaseState : unsigned char { kFree = 0, kHeld = 1, kBroken = 2 };
std::atomic<unsigned char> lease_state[kMaxHeldFd];

int LeaseSignal()
{
    return SIGRTMIN + 5;
}

// A writer opened a held file: its lease ends here and now, so that the
// writer does not wait, and the file is known to be written again.
void OnLeaseBreak(int, siginfo_t* info, void*)
{
    int saved = errno;
    int fd = info->si_fd;
    unsigned char held = kHeld;
    if (fd >= 0 && fd < kMaxHeldFd && lease_state[fd].compare_exchange_strong(held, kBroken))
        fcntl(fd, F_SETLEASE, F_UNLCK);
    errno = saved;
}

// Installed once and never taken away: a break may still be on its way
// when the last lease ends, and this signal's default would end the process.
bool InstallBreakHandler()
{
    static std::once_flag once;
    static bool installed = false;
    std::call_once(once, [] {
        struct sigaction action = {};
        action.sa_sigaction = OnLeaseBreak;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        installed = sigaction(LeaseSignal(), &action, nullptr) == 0;
    });
    return installed;
}

// Marked held before the lease is asked for: a break that comes at once
// finds the mark and ends the lease.
bool TakeHeldLease(int fd)
{
    if (fd < 0 || fd >= kMaxHeldFd)
        return false;
    lease_state[fd].store(kHeld);
    if (fcntl(fd, F_SETSIG, LeaseSignal()) == 0 && fcntl(fd, F_SETOWN, getpid()) == 0 &&
        fcntl(fd, F_SETLEASE, F_RDLCK) == 0)
        return true;
    lease_state[fd].store(kFree);
    return false;
}

// Ends the hold of fd; true when a writer had ended its lease.
bool EndHold(int fd)
{
    bool broken = lease_state[fd].exchange(kFree) == kBroken;
    close(fd);
    return broken;
}

int OpenDescriptors()
{
    DIR* fds = opendir("/proc/self/fd");
    if (!fds)
        return kMaxHeldFd;
    int count = 0;
    while (readdir(fds))
        ++count;
    closedir(fds);
    return count;
}

// Takes name out of folder; a folder the package ships read-only is the
// launcher's own until the swap, and is opened for the moment.
void RemoveFromFolder(int folder, const char* name)
{
    if (unlinkat(folder, name, 0) != 0 && errno == EACCES)
        InWritableFolder(folder, [&] { return unlinkat(folder, name, 0) == 0; });
}

bool SameTimes(const struct timespec& a, const struct timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

HeldLinks::~HeldLinks()
{
    Release();
}

size_t HeldLinks::RaiseDescriptorLimit(size_t files)
{
    if (getrlimit(RLIMIT_NOFILE, &saved_limit) != 0)
        return 0;
    rlim_t open_now = static_cast<rlim_t>(OpenDescriptors());
    rlim_t wanted = files + open_now + kSpareDescriptors;
    rlim_t ceiling = std::min<rlim_t>(saved_limit.rlim_max, kMaxHeldFd);
    struct rlimit raised = saved_limit;
    if (saved_limit.rlim_cur < wanted && saved_limit.rlim_cur < ceiling) {
        raised.rlim_cur = std::min(wanted, ceiling);
        limit_raised = setrlimit(RLIMIT_NOFILE, &raised) == 0;
        if (!limit_raised)
            raised = saved_limit;
    }
    rlim_t usable = std::min<rlim_t>(raised.rlim_cur, kMaxHeldFd);
    return usable > open_now + kSpareDescriptors ? usable - open_now - kSpareDescriptors : 0;
}

void HeldLinks::RestoreDescriptorLimit()
{
    if (limit_raised)
        setrlimit(RLIMIT_NOFILE, &saved_limit);
    limit_raised = false;
}

// Set after the link (whose own change it would otherwise report) and
// before the file is looked at for the last time.
int HeldLinks::Watch(int fd) const
{
    if (watches < 0)
        return -1;
    char self[64];
    snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    return inotify_add_watch(watches, self,
                             IN_ATTRIB | IN_MODIFY | IN_DELETE_SELF | IN_MOVE_SELF);
}

bool HeldLinks::ReadWatches(std::vector<bool>& touched)
{
    std::vector<size_t> index_of;
    for (size_t i = 0; i < held.size(); ++i) {
        if (held[i].watch < 0)
            continue;
        if (static_cast<size_t>(held[i].watch) >= index_of.size())
            index_of.resize(held[i].watch + 1, held.size());
        index_of[held[i].watch] = i;
    }
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        ssize_t n = read(watches, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 && errno == EAGAIN;
        for (char* at = buffer; at < buffer + n;) {
            const inotify_event* event = reinterpret_cast<const inotify_event*>(at);
            if (event->mask & IN_Q_OVERFLOW)
                return false;
            if (event->wd >= 0 && static_cast<size_t>(event->wd) < index_of.size() &&
                index_of[event->wd] < held.size())
                touched[index_of[event->wd]] = true;
            at += sizeof(inotify_event) + event->len;
        }
    }
}

void HeldLinks::LinkOne(FolderWalk& folders, const std::string& key, const InstalledFile& wanted)
{
    const char* base = nullptr;
    int folder = held.size() < room ? folders.FolderOf(key, base) : -1;
    struct stat st;
    int fd = folder < 0 ? -1 : old_copy->OpenLeased(key, wanted, TakeHeldLease, st);
    if (fd < 0)
        return;
    // Through the descriptor that was checked, never by the name again; the
    // link moves the change time, which is taken after it.
    char self[64];
    snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    bool made = LinkIntoFolder(self, folder, base);
    int watch = made ? Watch(fd) : -1;
    struct stat now;
    if (!made || fstat(fd, &now) != 0 || now.st_ino != st.st_ino || now.st_size != st.st_size ||
        now.st_mode != st.st_mode) {
        if (made)
            RemoveFromFolder(folder, base);
        EndHold(fd);
        return;
    }
    held.push_back(
        Held{key, fd, now.st_dev, now.st_ino, now.st_size, now.st_mode, now.st_ctim, watch});
    linked_keys.push_back(key);
}

// A later entry of the path is written there next: the link goes, and so
// does the hold. Rare enough for a search from the end.
void HeldLinks::Unlink(FolderWalk& folders, const std::string& key)
{
    auto file =
        std::find_if(held.rbegin(), held.rend(), [&](const Held& h) { return h.key == key; });
    if (file == held.rend())
        return;
    const char* base = nullptr;
    int folder = folders.FolderOf(key, base);
    if (folder >= 0)
        RemoveFromFolder(folder, base);
    if (file->watch >= 0)
        inotify_rm_watch(watches, file->watch);
    EndHold(file->fd);
    held.erase(std::next(file).base());
    linked_keys.erase(std::find(linked_keys.begin(), linked_keys.end(), key));
}

void HeldLinks::LinkOffers()
{
    FolderWalk folders(new_copy_dir);
    std::unique_lock<std::mutex> lock(queue_lock);
    for (;;) {
        queue_changed.wait(lock, [this] { return closing || !queue.empty(); });
        if (queue.empty())
            return;
        Offer offer = std::move(queue.front());
        queue.pop_front();
        lock.unlock();
        if (offer.withdraw)
            Unlink(folders, offer.key);
        else
            LinkOne(folders, offer.key, offer.wanted);
        lock.lock();
        ++done;
        queue_changed.notify_all();
    }
}

void HeldLinks::Begin(const OldCopy& old, int dir, size_t files)
{
    Release();
    old_copy = &old;
    new_copy_dir = dir;
    room = InstallBreakHandler() ? RaiseDescriptorLimit(files) : 0;
    if (room > 0 && watches < 0)
        watches = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    offered = done = 0;
    closing = false;
    linker = std::thread([this] { LinkOffers(); });
}

uint64_t HeldLinks::Queue(Offer offer)
{
    std::lock_guard<std::mutex> lock(queue_lock);
    queue.push_back(std::move(offer));
    queue_changed.notify_all();
    return ++offered;
}

void HeldLinks::WaitUntilDone(uint64_t number)
{
    std::unique_lock<std::mutex> lock(queue_lock);
    queue_changed.wait(lock, [&] { return done >= number; });
}

void HeldLinks::Deferred(const std::string& key, const InstalledFile& wanted)
{
    if (linker.joinable())
        Queue(Offer{key, wanted, false});
}

void HeldLinks::Withdrawn(const std::string& key)
{
    if (linker.joinable())
        WaitUntilDone(Queue(Offer{key, InstalledFile(), true}));
}

void HeldLinks::Drain()
{
    if (!linker.joinable())
        return;
    uint64_t last = 0;
    {
        std::lock_guard<std::mutex> lock(queue_lock);
        last = offered;
    }
    WaitUntilDone(last);
}

void HeldLinks::StopLinker(bool drop_queued)
{
    if (!linker.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(queue_lock);
        if (drop_queued)
            queue.clear();
        closing = true;
        queue_changed.notify_all();
    }
    linker.join();
}

void HeldLinks::Finish(const DeferredFiles& deferred, std::vector<std::string>& linked,
                       DeferredFiles& rest)
{
    StopLinker(false);
    rest = DeferredFiles();
    rest.hard_links = deferred.hard_links;
    // Whatever the unpack left for later and was not linked here, offered or
    // not, is linked after the stop.
    std::set<std::string> made(linked_keys.begin(), linked_keys.end());
    for (const auto& [key, wanted] : deferred.files) {
        if (made.count(key) == 0)
            rest.files.emplace(key, wanted);
    }
    linked.insert(linked.end(), linked_keys.begin(), linked_keys.end());
    linked_keys.clear();
    old_copy = nullptr;
    if (held.empty())
        RestoreDescriptorLimit();
}

void HeldLinks::Link(const OldCopy& old, int dir, const DeferredFiles& deferred,
                     std::vector<std::string>& linked, DeferredFiles& rest)
{
    Begin(old, dir, deferred.files.size());
    for (const auto& [key, wanted] : deferred.files)
        Deferred(key, wanted);
    Finish(deferred, linked, rest);
}

void HeldLinks::Settle(int new_copy_dir, std::vector<std::string>& changed)
{
    std::vector<bool> touched(held.size(), false);
    bool watched = watches >= 0 && ReadWatches(touched);
    FolderWalk folders(new_copy_dir);
    std::vector<int> fds;
    fds.reserve(held.size());
    for (size_t i = 0; i < held.size(); ++i) {
        const Held& file = held[i];
        fds.push_back(file.fd);
        // A writer the lease lets in after this look comes after the swap's
        // check, as with any file of the copy.
        bool same = lease_state[file.fd].load() != kBroken && !touched[i];
        struct stat now;
        if (same && (!watched || file.watch < 0))
            same = fstat(file.fd, &now) == 0 && now.st_dev == file.device &&
                   now.st_ino == file.inode && now.st_size == file.size &&
                   now.st_mode == file.mode && SameTimes(now.st_ctim, file.changed);
        if (same)
            continue;
        const char* base = nullptr;
        int folder = folders.FolderOf(file.key, base);
        if (folder >= 0)
            RemoveFromFolder(folder, base);
        changed.push_back(file.key);
    }
    held.clear();
    // Each end of a lease and of a watch costs a little; together they would
    // be part of the time the user has no client, so they are left to a
    // thread that runs only where a core would otherwise idle.
    int watch_fd = watches;
    watches = -1;
    ending = std::thread([fds = std::move(fds), watch_fd] {
        struct sched_param lowest = {};
        sched_setscheduler(0, SCHED_IDLE, &lowest);
        for (int fd : fds)
            EndHold(fd);
        if (watch_fd >= 0)
            close(watch_fd);
    });
}

void HeldLinks::BeforeChildStart()
{
    if (limit_raised)
        Release();
}

void HeldLinks::Release()
{
    // What is still queued is not linked at all.
    StopLinker(true);
    linked_keys.clear();
    if (ending.joinable())
        ending.join();
    for (const Held& file : held)
        EndHold(file.fd);
    held.clear();
    if (watches >= 0)
        close(watches);
    watches = -1;
    RestoreDescriptorLimit();
}
