#include "test-support.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <csignal>
#include <grp.h>
#include <regex>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "log.h"

namespace testsupport {

namespace {
const uid_t kNobody = 65534;
}

TempDir::TempDir(const std::string& tag)
{
    const char* base = getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/" + tag + "-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data()))
        ADD_FAILURE() << "mkdtemp(" << tmpl << ") failed: " << strerror(errno);
    m_path = buf.data();
}

TempDir::~TempDir()
{
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    if (info && info->result()->Failed()) {
        fprintf(stderr, "keeping %s for inspection\n", m_path.c_str());
        return;
    }
    RemoveTree(m_path);
}

bool WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool MakeDirs(const std::string& path)
{
    std::string cmd = "mkdir -p '" + path + "'";
    return system(cmd.c_str()) == 0;
}

void RemoveTree(const std::string& path)
{
    if (path.empty() || path == "/")
        return;
    // Directories left without write permission by a test must still go.
    std::string cmd = "chmod -R u+rwx '" + path + "' 2>/dev/null; rm -rf '" + path + "'";
    if (system(cmd.c_str()) != 0)
        fprintf(stderr, "could not remove %s\n", path.c_str());
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int CountLines(const std::string& path, const std::string& pattern)
{
    std::regex re(pattern);
    int n = 0;
    for (const std::string& line : SplitLines(ReadFile(path)))
        n += std::regex_search(line, re) ? 1 : 0;
    return n;
}

uid_t NobodyUid() { return kNobody; }

namespace {

// Runs fn in a forked child once prepare() has succeeded (else the child
// exits with 254); the child's raw wait status, or -1 without a child.
int RunInChild(const std::function<int()>& fn, const std::function<bool()>& prepare)
{
    // With SIGCHLD ignored (tests that let the kernel reap their clients) the
    // kernel would drop the child's status; the child keeps the caller's way.
    struct sigaction wait_for_status = {};
    struct sigaction caller = {};
    wait_for_status.sa_handler = SIG_DFL;
    sigemptyset(&wait_for_status.sa_mask);
    sigaction(SIGCHLD, &wait_for_status, &caller);
    fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        sigaction(SIGCHLD, &caller, nullptr);
        if (!prepare())
            _exit(254);
        _exit(fn() & 0xff);
    }
    int status = -1;
    if (pid > 0) {
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    sigaction(SIGCHLD, &caller, nullptr);
    return status;
}

} // namespace

int RunAsNobody(const std::function<int()>& fn)
{
    const int status = RunInChild(fn, [] {
        return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
    });
    return status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

pid_t StartNonDumpable(const char* name)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
        prctl(PR_SET_NAME, name, 0, 0, 0);
        if (write(ready[1], "x", 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char byte;
    bool ok = pid > 0 && read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    return ok ? pid : -1;
}

int RunWithDeadline(const std::function<int()>& fn, unsigned seconds)
{
    const int status = RunInChild(fn, [seconds] {
        alarm(seconds);
        return true;
    });
    if (status < 0)
        return -1;
    if (WIFSIGNALED(status))
        return 1000 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string LogToFile(const std::string& dir, const std::vector<std::string>& components)
{
    std::string levels = dir + "/levels.debug";
    std::string content;
    for (const std::string& c : components)
        content += c + "=7\n";
    WriteFile(levels, content);
    std::string log = dir + "/test.log";
    Logger::Initialize(Logger::FILE_LOGGER, log.c_str(), levels.c_str(), 50);
    return log;
}

} // namespace testsupport
