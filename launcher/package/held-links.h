#ifndef HALVORA_HELD_LINKS_H
#define HALVORA_HELD_LINKS_H

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <thread>
#include <vector>

#include "extractor.h"
#include "new-copy.h"

class OldCopy;

// The old copy's proved files, linked into the new copy while the client
// still runs, each held open under a read lease until the stop is over. A
// lease stands only while no process has the file open for writing (a
// writable shared mapping keeps it open so): one that still stands after
// the stop proves that nothing wrote the file since it was checked, with no
// look at any process. A writer that opens a held file meanwhile ends its
// lease at once and is not kept waiting; that file is written again after
// the stop. The client's wait is then one look at each held descriptor.
//
// The links are made on a thread of their own as the unpack offers the
// files (Begin, then the unpack's calls, then Finish), so that they take
// little time beyond the decode's.
class HeldLinks : public DeferredFileSink {
public:
    HeldLinks() = default;
    ~HeldLinks() override;
    HeldLinks(const HeldLinks&) = delete;
    HeldLinks& operator=(const HeldLinks&) = delete;

    // Starts the thread that links each file offered, when it can be held
    // (proved, under a lease, and within the descriptors this process may
    // open), from old into the new copy's folder new_copy_dir. files: how
    // many may be offered at most. old and the folder outlive Finish.
    void Begin(const OldCopy& old, int new_copy_dir, size_t files);
    void Deferred(const std::string& key, const InstalledFile& wanted) override;
    void Withdrawn(const std::string& key) override;
    void Drain() override;
    // Ends the thread once it has linked what was offered: the names linked
    // go to linked, the other files of deferred to rest, for the links made
    // after the stop.
    void Finish(const DeferredFiles& deferred, std::vector<std::string>& linked,
                DeferredFiles& rest);
    // Begin, each of deferred's files offered, and Finish.
    void Link(const OldCopy& old, int new_copy_dir, const DeferredFiles& deferred,
              std::vector<std::string>& linked, DeferredFiles& rest);
    // After the stop: a held file whose lease a writer ended, or whose
    // change time, size or mode moved since its link, is taken out of the
    // new copy again and named in changed. The leases then end on a thread
    // of their own, while the copy is swapped in.
    void Settle(int new_copy_dir, std::vector<std::string>& changed);
    // Before a program is started: the descriptor limit it inherits must be
    // the one this process was given, so the leases end first where it was
    // raised for them.
    void BeforeChildStart();
    // Ends every lease (waiting for those ending on their own thread) and
    // takes nothing out of the new copy.
    void Release();
    bool empty() const { return held.empty(); }

private:
    struct Held {
        std::string key;
        int fd;
        dev_t device;
        ino_t inode;
        off_t size;
        mode_t mode;
        struct timespec changed;
        // Its inotify watch, or -1 where none could be had: then its change
        // time tells.
        int watch;
    };
    // A file offered by the unpack, or taken back (withdraw).
    struct Offer {
        std::string key;
        InstalledFile wanted;
        bool withdraw;
    };
    void LinkOffers();
    void LinkOne(FolderWalk& folders, const std::string& key, const InstalledFile& wanted);
    void Unlink(FolderWalk& folders, const std::string& key);
    // Queues offer; its number in the queue's order.
    uint64_t Queue(Offer offer);
    void WaitUntilDone(uint64_t number);
    void StopLinker(bool drop_queued);
    // Which held files a change of their attributes or content was seen on
    // since their watches were set; false when the watches cannot tell (the
    // queue overflowed), and every file is then looked at.
    bool ReadWatches(std::vector<bool>& touched);
    int Watch(int fd) const;
    // Room for one descriptor a file: raised toward the hard limit for the
    // files to hold, and given back once they are closed.
    size_t RaiseDescriptorLimit(size_t files);
    void RestoreDescriptorLimit();

    std::vector<Held> held;
    std::vector<std::string> linked_keys;

    const OldCopy* old_copy = nullptr;
    int new_copy_dir = -1;
    size_t room = 0;
    std::thread linker;
    std::mutex queue_lock;
    std::condition_variable queue_changed;
    std::deque<Offer> queue;
    uint64_t offered = 0;
    uint64_t done = 0;
    bool closing = false;

    int watches = -1;
    std::thread ending;
    struct rlimit saved_limit = {};
    bool limit_raised = false;
};

#endif
