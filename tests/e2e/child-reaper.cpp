#include "child-reaper.h"

#include <grp.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace e2e {

namespace {

std::vector<char*> CStrings(const std::vector<std::string>& strings)
{
    std::vector<char*> out;
    for (const std::string& s : strings)
        out.push_back(const_cast<char*>(s.c_str()));
    out.push_back(nullptr);
    return out;
}

std::string NameOf(const std::string& entry)
{
    return entry.substr(0, entry.find('='));
}

} // namespace

ChildReaper& ChildReaper::Instance()
{
    // Never destroyed: the reaping thread uses it until the process ends.
    static ChildReaper* instance = new ChildReaper;
    return *instance;
}

ChildReaper::ChildReaper()
{
    if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0)
        fprintf(stderr, "prctl(PR_SET_CHILD_SUBREAPER): %s\n", strerror(errno));
    std::thread(&ChildReaper::ReapForever, this).detach();
}

void ChildReaper::ReapForever()
{
    for (;;) {
        int status = 0;
        pid_t pid = waitpid(-1, &status, 0);
        if (pid > 0) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_ended[pid] = Ending{status, Clock::now()};
            m_changed.notify_all();
        } else if (errno == ECHILD) {
            // No children at the moment; new ones come from Spawn or adoption.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
}

pid_t ChildReaper::Spawn(const std::vector<std::string>& argv,
                         const std::vector<std::string>& env, const std::string& out_path,
                         uid_t user)
{
    // Everything the child needs is prepared before fork: after it only
    // async-signal-safe calls are allowed in a threaded process.
    std::vector<char*> args = CStrings(argv);
    std::vector<char*> envp = CStrings(env);
    const char* out = out_path.empty() ? "/dev/null" : out_path.c_str();
    fflush(nullptr);
    // Held across fork so that the reaper cannot record the new child's end
    // before an earlier process of the same number is forgotten below.
    std::lock_guard<std::mutex> lock(m_mutex);
    pid_t pid = fork();
    if (pid < 0) {
        fprintf(stderr, "fork: %s\n", strerror(errno));
        return 0;
    }
    if (pid == 0) {
        int in = open("/dev/null", O_RDONLY);
        int fd = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || fd < 0)
            _exit(126);
        dup2(in, 0);
        dup2(fd, 1);
        dup2(fd, 2);
        if (user != 0 && (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0))
            _exit(125);
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    m_ended.erase(pid);
    return pid;
}

bool ChildReaper::WaitEnded(pid_t pid, std::chrono::milliseconds timeout, Ending* ending)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    bool ended = m_changed.wait_for(lock, timeout, [&] { return m_ended.count(pid) != 0; });
    if (ended && ending)
        *ending = m_ended[pid];
    return ended;
}

bool ChildReaper::HasEnded(pid_t pid, Ending* ending)
{
    return WaitEnded(pid, std::chrono::milliseconds(0), ending);
}

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& overrides)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        bool replaced = false;
        for (const std::string& o : overrides)
            replaced = replaced || NameOf(o) == NameOf(entry);
        if (!replaced)
            env.push_back(entry);
    }
    env.insert(env.end(), overrides.begin(), overrides.end());
    return env;
}

int RunToEnd(const std::vector<std::string>& argv, std::chrono::milliseconds timeout)
{
    ChildReaper& reaper = ChildReaper::Instance();
    pid_t pid = reaper.Spawn(argv, EnvironmentWith({}));
    ChildReaper::Ending ending;
    if (pid == 0 || !reaper.WaitEnded(pid, timeout, &ending)) {
        fprintf(stderr, "%s did not finish\n", argv[0].c_str());
        return -1;
    }
    return WIFEXITED(ending.status) ? WEXITSTATUS(ending.status) : -1;
}

} // namespace e2e
