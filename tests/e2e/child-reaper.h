#ifndef HALVORA_E2E_CHILD_REAPER_H
#define HALVORA_E2E_CHILD_REAPER_H

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

// Makes this process the reaper of every process orphaned below it, as init
// is on a desktop: the client the start script leaves behind becomes our
// child once the script ends, and a thread reaps it the moment it dies. A
// dead client left as a zombie would still answer the launcher's kill(pid, 0)
// probes, and its wait status tells how it ended (SIGTERM handled or SIGKILL).
//
// Because the thread reaps every child, nothing else in the process may wait
// for children of its own (no system(), no QProcess): start them with Spawn.
class ChildReaper {
public:
    using Clock = std::chrono::steady_clock;

    struct Ending {
        int status = 0;          // as from waitpid
        Clock::time_point when;  // when it was reaped
    };

    static ChildReaper& Instance();

    // Starts argv[0] (a path) with exactly the given environment; standard
    // output and error go to out_path (or /dev/null when empty). A user id
    // other than 0 is taken (with the same group id) before the start. 0 on
    // failure.
    pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                const std::string& out_path = std::string(), uid_t user = 0);

    // Waits until the process has ended, at most timeout. True when it has.
    bool WaitEnded(pid_t pid, std::chrono::milliseconds timeout, Ending* ending = nullptr);
    bool HasEnded(pid_t pid, Ending* ending = nullptr);

private:
    ChildReaper();
    void ReapForever();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<pid_t, Ending> m_ended;
};

// The environment of this process with the given NAME=value entries put in
// place of (or beside) the ones of the same name.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& overrides);

// Runs argv to its end (at most timeout) and returns its exit code, or -1.
int RunToEnd(const std::vector<std::string>& argv, std::chrono::milliseconds timeout);

} // namespace e2e

#endif
