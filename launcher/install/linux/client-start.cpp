#include "linux/client-start.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <spawn.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "file/own-file.h"
#include "linux/client-process.h"

extern char** environ;

const char kNoSessionBusAddress[] = "disabled:";

namespace {

const char* const kClientName = "halvora-backup-ui";
// Short enough that a client which writes its pid file just after the
// script returned costs the login next to nothing.
const int kPollMs = 10;

// The launcher's environment, less the bus address it set for itself alone.
std::vector<char*> ClientEnvironment()
{
    std::string own = std::string("DBUS_SESSION_BUS_ADDRESS=") + kNoSessionBusAddress;
    std::vector<char*> env;
    for (char** entry = environ; *entry; ++entry) {
        if (own != *entry)
            env.push_back(*entry);
    }
    env.push_back(nullptr);
    return env;
}

// Runs the script to its end: 0 with its wait status, or the errno that
// kept it from running (the exec's own, which posix_spawn passes back).
int RunScript(const std::string& script, int& status)
{
    char start[] = "start";
    char* argv[] = {const_cast<char*>(script.c_str()), start, nullptr};
    std::vector<char*> env = ClientEnvironment();
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // The worker thread's mask must not become the client's.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK);
    pid_t pid = 0;
    int err = posix_spawn(&pid, script.c_str(), nullptr, &attr, argv, env.data());
    posix_spawnattr_destroy(&attr);
    if (err != 0)
        return err;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

std::string CannotRun(const std::string& script, int err)
{
    std::string reason = "the start script '" + script + "' cannot be run: " + strerror(err);
    struct statvfs fs;
    if (err == EACCES && statvfs(script.c_str(), &fs) == 0 && (fs.f_flag & ST_NOEXEC))
        reason += " (its file system is mounted noexec)";
    else if (err == EACCES && access(script.c_str(), X_OK) != 0)
        reason += " (it is not executable)";
    return reason;
}

std::string ScriptFailed(const std::string& script, int status)
{
    if (WIFSIGNALED(status))
        return "the start script '" + script + "' was ended by signal " +
               std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
    return "the start script '" + script + "' ended with status " +
           std::to_string(WEXITSTATUS(status));
}

// The live client the pid file names, or 0.
pid_t RunningClient(const ustring& pid_file)
{
    std::string text;
    if (ReadOwnFile(pid_file, kPidFileMaxBytes, text) != 0)
        return 0;
    pid_t pid = 0;
    ustring value;
    if (PidOfPidFile(text, pid, value) < 0 || pid <= 0)
        return 0;
    return RunsClient(pid, kClientName) && !HasProcessEnded(pid) ? pid : 0;
}

// Polled, not slept for: the usual client is there at the first look.
pid_t WaitForClient(const ustring& pid_file, int wait_ms)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait_ms);
    pid_t pid;
    while ((pid = RunningClient(pid_file)) == 0) {
        if (std::chrono::steady_clock::now() >= deadline)
            return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    return pid;
}

} // namespace

int StartClient(const ustring& app, const ustring& pid_file, int wait_ms, pid_t& client,
                std::string& reason)
{
    client = 0;
    std::string script = std::string(app.c_str()) + "/package/start-stop";
    int status = 0;
    int err = RunScript(script, status);
    if (err != 0) {
        reason = CannotRun(script, err);
        return -1;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        reason = ScriptFailed(script, status);
        return -1;
    }
    client = WaitForClient(pid_file, wait_ms);
    if (client == 0) {
        reason = "no running client was named by '" + std::string(pid_file.c_str()) + "' " +
                 std::to_string(wait_ms) + " ms after the start script '" + script + "' ended";
        return -1;
    }
    return 0;
}
