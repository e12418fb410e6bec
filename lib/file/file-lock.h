#ifndef HALVORA_FILE_LOCK_H
#define HALVORA_FILE_LOCK_H

// An exclusive flock on a lock file, the one way the launcher's locks are
// taken. The kernel drops it when its holder ends, however it ends; the
// descriptor is close-on-exec, so that a program started later (the client)
// never inherits it and blocks every later launch while it runs.
class FileLock {
public:
    FileLock() = default;
    ~FileLock() { Close(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Opens path, making it (mode 0600) when missing; extra_flags adds to
    // the open's flags (O_NOFOLLOW, say). 0, or the errno of the open.
    int Open(const char* path, int extra_flags = 0);
    // One try that never blocks: 0 when held now, EWOULDBLOCK while another
    // holder has it, or another errno.
    int TryLock();
    // Gives the lock up, with the descriptor.
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

#endif
