// Stand-in for the per-user backup client, so the launcher can be shown and
// tested without the real one. It announces itself through the pid file the
// launcher reads, runs until SIGTERM, then removes the file.
//
// HALVORA_STANDIN_IGNORE_TERM=1 makes it ignore SIGTERM, like a client that
// hangs while shutting down; =exec makes it execute /bin/sleep on SIGTERM,
// like a client that hands over to a helper program.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string PidFilePath()
{
    const char* home = getenv("HOME");
    return std::string(home ? home : "") + "/.HalvoraBackup/ui.pid";
}

// Written under a temporary name and renamed, so a reader never sees half a file.
bool WritePidFile(const std::string& path)
{
    std::string tmp = path + ".new";
    FILE* f = fopen(tmp.c_str(), "w");
    if (!f)
        return false;
    fprintf(f, "pid=%d\n", static_cast<int>(getpid()));
    bool ok = fflush(f) == 0 && fsync(fileno(f)) == 0;
    ok = fclose(f) == 0 && ok;
    return ok && rename(tmp.c_str(), path.c_str()) == 0;
}

} // namespace

int main()
{
    std::string pid_file = PidFilePath();
    mkdir((std::string(getenv("HOME") ? getenv("HOME") : "") + "/.HalvoraBackup").c_str(), 0755);

    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    const char* ignore = getenv("HALVORA_STANDIN_IGNORE_TERM");
    if (ignore && strcmp(ignore, "1") == 0)
        signal(SIGTERM, SIG_IGN);
    else
        sigprocmask(SIG_BLOCK, &set, nullptr);

    if (!WritePidFile(pid_file)) {
        fprintf(stderr, "halvora-backup-ui: cannot write %s: %s\n", pid_file.c_str(),
                strerror(errno));
        return 1;
    }
    int sig = 0;
    if (ignore && strcmp(ignore, "1") == 0) {
        for (;;)
            pause();
    }
    sigwait(&set, &sig);
    if (ignore && strcmp(ignore, "exec") == 0) {
        sigprocmask(SIG_UNBLOCK, &set, nullptr);
        execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
    }
    unlink(pid_file.c_str());
    return 0;
}
