#ifndef HALVORA_CLIENT_PROCESS_H
#define HALVORA_CLIENT_PROCESS_H

#include <cstddef>
#include <string>
#include <sys/types.h>

#include "ustring/ustring.h"

// What the launcher can tell about the process a pid file names before it
// sends it a signal.
enum class ClientIdentity {
    IsClient,   // its executable is the per-user client
    NotClient,  // a live process running something else: leave it alone
    Gone,       // no such process
    Unknown,    // the system does not let us look (another user's process)
};

// The pid stored in a pid file: a positive decimal number and nothing else.
// 0 when the text is empty, not a number, zero, negative or out of range, so
// that no signal can ever reach a process group or every process of the user.
pid_t ParsePid(const ustring& text);

// A pid file holds one short line; anything larger is not the client's.
const size_t kPidFileMaxBytes = 4096;

// The pid that the text of a pid file gives under its key "pid", by
// ParsePid's rules, with what the key held in value: -1 when the text is
// no key-value text at all, else 0 (pid 0 when it names no process).
int PidOfPidFile(const std::string& text, pid_t& pid, ustring& value);

// True once the process has ended: no such process, or one that has exited
// and waits only to be reaped (a zombie still answers signal 0).
bool HasProcessEnded(pid_t pid);

// Looks at /proc/<pid>/exe and compares its file name with client_name.
ClientIdentity IdentifyProcess(pid_t pid, const char* client_name);

// What tells a process whose executable is hidden from us (non-dumpable)
// apart from the client: only its name. A process of the user under the
// client's name is the client; stopping it before its copy is replaced is
// right whatever it is. Its start time proves nothing: it is reckoned from
// a boot time that moves when the wall clock is stepped.
enum class HiddenProcess {
    MayBeClient, // its name cannot be read either: leave it running, upgrade later
    ClientName,  // it runs under the client's name: it is the client
    OtherName,   // its name is not the client's
};

HiddenProcess JudgeHiddenProcess(pid_t pid, const char* client_name);

// The process runs the client: its executable is the client's, or hidden
// from us under the client's name. Asked again right before each signal.
bool RunsClient(pid_t pid, const char* client_name);

// One process, held by a pidfd where the kernel has them, so that a number
// reused after the process ended is never signalled. Without pidfd support
// (ENOSYS, kernels before 5.3) it falls back to the process number.
class ProcessHandle {
public:
    explicit ProcessHandle(pid_t pid);
    ~ProcessHandle();
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;

    // 0 when held (or held by number), else the errno of pidfd_open other
    // than ENOSYS; ESRCH means the process has already gone.
    int OpenError() const { return open_error; }
    bool HeldByPidfd() const { return pidfd >= 0; }
    // 0 when sent, else the errno; signal 0 only asks whether we may signal.
    int Signal(int sig) const;
    // True when the process ended within about timeout_ms.
    bool WaitForExit(int timeout_ms) const;

private:
    pid_t pid;
    int pidfd = -1;
    int open_error = 0;
};

#endif
