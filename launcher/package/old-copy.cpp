#include "old-copy.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include "digest-stream.h"
#include "file/disk-stat.h"
#include "file/open-beneath.h"

namespace {

FileTime CoarseNow()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return FileTime{now.tv_sec, now.tv_nsec};
}

FileTime ChangeTime(const struct stat& st)
{
    return FileTime{st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
}

bool SameTime(const FileTime& a, const FileTime& b)
{
    return a.sec == b.sec && a.nsec == b.nsec;
}

// True when any change made after `moment` would carry a change time other
// than `changed`. The file system stamps changes from the coarse clock the
// moment was read from, in its own grain: a stamp of whole seconds (no
// sub-second part; some grains are two seconds) must lie a full grain
// before the moment, a finer one only before it.
bool StampedBefore(const FileTime& changed, const FileTime& moment)
{
    if (changed.nsec == 0)
        return changed.sec + 2 < moment.sec;
    return changed.sec < moment.sec || (changed.sec == moment.sec && changed.nsec < moment.nsec);
}

// The file as the record wants it before its content is read: a regular
// file of the recorded size and mode on disk.
bool LooksRecorded(const struct stat& st, const InstalledFile& recorded)
{
    return S_ISREG(st.st_mode) && st.st_size == recorded.size &&
           (st.st_mode & 07777) == recorded.disk_mode;
}

// Hashes one open file; true, with how it stood, when its content is the
// recorded one and it did not change while it was read.
bool ProveOpenFile(int fd, const InstalledFile& recorded, ProvedFile& proved)
{
    struct stat before, after;
    if (StatOnDisk(fd, "", before) != 0 || !LooksRecorded(before, recorded))
        return false;
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    PackageDigest digest;
    if (!DigestOfFile(fd, digest) || !(digest == recorded.digest))
        return false;
    if (StatOnDisk(fd, "", after) != 0 || after.st_ino != before.st_ino ||
        after.st_size != before.st_size || !SameTime(ChangeTime(after), ChangeTime(before)))
        return false;
    proved.inode = static_cast<uint64_t>(before.st_ino);
    proved.size = before.st_size;
    proved.changed = ChangeTime(before);
    return true;
}

// One hashing thread's share: it takes the next candidate until none is left.
struct ProofWork {
    int dir_fd = -1;
    const InstalledFiles* record = nullptr;
    const std::vector<std::string>* candidates = nullptr;
    std::atomic<size_t> next{0};
};

struct ProofShare {
    ProofWork* work = nullptr;
    std::vector<std::pair<size_t, ProvedFile>> proved;
};

void* ProveShare(void* arg)
{
    ProofShare& share = *static_cast<ProofShare*>(arg);
    ProofWork& work = *share.work;
    for (size_t i = work.next++; i < work.candidates->size(); i = work.next++) {
        const std::string& key = (*work.candidates)[i];
        auto recorded = work.record->files.find(key);
        if (recorded == work.record->files.end())
            continue;
        int fd = OpenBeneath(work.dir_fd, key.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
        if (fd < 0)
            continue;
        ProvedFile proved;
        if (ProveOpenFile(fd, recorded->second, proved))
            share.proved.emplace_back(i, proved);
        close(fd);
    }
    return nullptr;
}

// Runs the shares on threads of their own, the first on the calling one;
// a thread that cannot be made leaves its share's files to the others.
void RunShares(std::vector<ProofShare>& shares)
{
    std::vector<pthread_t> threads;
    for (size_t i = 1; i < shares.size(); ++i) {
        pthread_t thread;
        if (pthread_create(&thread, nullptr, &ProveShare, &shares[i]) == 0)
            threads.push_back(thread);
    }
    ProveShare(&shares[0]);
    for (pthread_t thread : threads)
        pthread_join(thread, nullptr);
}

} // namespace

std::vector<std::string> LinkCandidates(const InstalledFiles& record, const PackageContents* contents)
{
    std::vector<std::string> candidates;
    bool headers_known = contents && !contents->files.empty();
    for (const auto& [path, recorded] : record.files) {
        if (headers_known) {
            auto entry = contents->files.find(path);
            if (entry == contents->files.end() || !entry->second.digest_known ||
                !(entry->second.digest == recorded.digest) || entry->second.mode != recorded.mode ||
                entry->second.size != recorded.size)
                continue;
        }
        candidates.push_back(path);
    }
    return candidates;
}

OldCopyProof ProveOldCopy(const ustring& copy_dir, const InstalledFiles& record,
                          const std::vector<std::string>& candidates, int threads)
{
    auto start = std::chrono::steady_clock::now();
    OldCopyProof proof;
    proof.candidates = static_cast<int>(candidates.size());
    // Read before the first file is looked at: whatever changes after it is
    // stamped no earlier.
    proof.hashed = CoarseNow();
    ProofWork work;
    work.dir_fd = open(copy_dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    work.record = &record;
    work.candidates = &candidates;
    if (work.dir_fd < 0 || candidates.empty()) {
        if (work.dir_fd >= 0)
            close(work.dir_fd);
        return proof;
    }
    size_t count = std::min(candidates.size(), static_cast<size_t>(std::max(threads, 1)));
    std::vector<ProofShare> shares(count);
    for (ProofShare& share : shares)
        share.work = &work;
    RunShares(shares);
    close(work.dir_fd);
    for (const ProofShare& share : shares) {
        for (const auto& [index, proved] : share.proved) {
            proof.files[candidates[index]] = proved;
            proof.bytes += proved.size;
        }
    }
    proof.milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
    return proof;
}

OldCopy::OldCopy(const ustring& dir, const InstalledFiles* record, const OldCopyProof* proof)
    : record(record), proof(proof)
{
    // The folder itself must not be a link (the folder that holds it may be).
    if (!dir.empty() && record && proof)
        dir_fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

OldCopy::~OldCopy()
{
    if (dir_fd >= 0)
        close(dir_fd);
}

// The old file at key, opened through no link, when it is still the file
// that was proved: the same inode, size, mode and change time, and a change
// time that would have moved with any change since the hash. Where the time
// cannot tell (it fell in the grain of the hash's moment), the content is
// hashed again. -1 otherwise.
int OldCopy::OpenProved(const std::string& key, const InstalledFile& recorded,
                        struct stat& st, bool (*take_lease)(int fd)) const
{
    auto proved = proof->files.find(key);
    if (proved == proof->files.end())
        return -1;
    int fd = OpenBeneath(dir_fd, key.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    if (take_lease && !take_lease(fd)) {
        close(fd);
        return -1;
    }
    const ProvedFile& was = proved->second;
    bool same = StatOnDisk(fd, "", st) == 0 && LooksRecorded(st, recorded) &&
                static_cast<uint64_t>(st.st_ino) == was.inode && st.st_size == was.size &&
                SameTime(ChangeTime(st), was.changed);
    PackageDigest digest;
    if (same && !StampedBefore(was.changed, proof->hashed))
        same = DigestOfFile(fd, digest) && digest == recorded.digest;
    if (same)
        return fd;
    close(fd);
    return -1;
}

int OldCopy::OpenLeased(const std::string& key, const InstalledFile& wanted,
                        bool (*take_lease)(int fd), struct stat& st) const
{
    if (!Provable(key, wanted))
        return -1;
    return OpenProved(key, record->files.find(key)->second, st, take_lease);
}

bool OldCopy::Provable(const std::string& key, const InstalledFile& wanted) const
{
    if (!Usable() || proof->files.find(key) == proof->files.end())
        return false;
    auto it = record->files.find(key);
    return it != record->files.end() && it->second.digest == wanted.digest &&
           it->second.mode == wanted.mode && it->second.size == wanted.size;
}

namespace {

// A read lease is granted only while no process holds the file open for
// writing, and a writable shared mapping holds it so: held until the link
// is made, it also keeps any new writer waiting. False where the lease is
// refused or leases are not to be had.
bool NoWriterHoldsIt(int fd)
{
    // A writer that opens the file meanwhile must not end the launcher with
    // the lease's SIGIO: the break is told by a signal ignored unless handled,
    // then by none (no owner), and the writer only waits for the release.
    if (fcntl(fd, F_SETSIG, SIGWINCH) != 0 || fcntl(fd, F_SETLEASE, F_RDLCK) != 0)
        return false;
    fcntl(fd, F_SETOWN, 0);
    return true;
}

void EndLease(int fd)
{
    fcntl(fd, F_SETLEASE, F_UNLCK);
}

} // namespace

// The proved file at key, opened, when the package wants it as recorded and
// no process may be writing it unseen; -1 otherwise. Where the mappings of
// some process could not be read, a lease says whether any writer holds it.
int OldCopy::OpenWanted(const std::string& key, const InstalledFile& wanted) const
{
    if (!Provable(key, wanted))
        return -1;
    struct stat st;
    int fd = OpenProved(key, record->files.find(key)->second, st);
    if (fd >= 0 && avoided &&
        (avoided->count(static_cast<uint64_t>(st.st_ino)) || (avoid_all && !NoWriterHoldsIt(fd)))) {
        close(fd);
        return -1;
    }
    return fd;
}

bool OldCopy::Link(const std::string& key, const InstalledFile& wanted, const char* name) const
{
    int fd = OpenWanted(key, wanted);
    if (fd < 0)
        return false;
    // Through the descriptor that was checked, never by the name again.
    char self[64];
    snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    bool linked = linkat(AT_FDCWD, self, AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
    if (avoid_all)
        EndLease(fd);
    close(fd);
    return linked;
}

bool InWritableFolder(int folder, const std::function<bool()>& op)
{
    // One at a time: a thread that read the mode while another had opened
    // the folder would give it back that other's mode.
    static std::mutex one_at_a_time;
    std::lock_guard<std::mutex> guard(one_at_a_time);
    struct stat st;
    if (fstat(folder, &st) != 0 || fchmod(folder, st.st_mode | S_IRWXU) != 0)
        return false;
    bool done = op();
    int err = errno;
    fchmod(folder, st.st_mode & 07777);
    errno = err;
    return done;
}

bool LinkIntoFolder(const char* self, int folder, const char* name)
{
    if (linkat(AT_FDCWD, self, folder, name, AT_SYMLINK_FOLLOW) == 0)
        return true;
    return errno == EACCES && InWritableFolder(folder, [&] {
               return linkat(AT_FDCWD, self, folder, name, AT_SYMLINK_FOLLOW) == 0;
           });
}

bool OldCopy::LinkInto(const std::string& key, const InstalledFile& wanted, int folder,
                       const char* name) const
{
    int fd = OpenWanted(key, wanted);
    if (fd < 0)
        return false;
    char self[64];
    snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    bool linked = LinkIntoFolder(self, folder, name);
    if (avoid_all)
        EndLease(fd);
    close(fd);
    return linked;
}
