// Measures the launch that finds nothing to upgrade against the cheapest
// program of the same kind, in the same run:
//   launcher:  from the spawn of <root>/bin/halvora-launcher until the
//              per-user start script runs (the script only reports that it
//              ran and returns), and until the launcher has exited;
//   reference: a program that only constructs and destroys a QApplication,
//              from its spawn until it has exited.
// Both use the offscreen platform; the two are run alternately, and the
// medians are compared. Goal: the launcher within 1.3 times the reference.
// usage: startup_bench [iterations]   (default 41)
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

const int kWarmUp = 3;
const char kNoUpgrade[] = "launcher(91): no need to upgrade";

struct Paths {
    std::string work, root, home, app, fifo, log;
};

double Millis(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::vector<char*> CStrings(const std::vector<std::string>& strings)
{
    std::vector<char*> out;
    for (const std::string& s : strings)
        out.push_back(const_cast<char*>(s.c_str()));
    out.push_back(nullptr);
    return out;
}

// Output goes to /dev/null so that the terminal costs nothing.
pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env)
{
    std::vector<char*> argv = CStrings(args);
    std::vector<char*> envp = CStrings(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int err = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (err != 0) {
        fprintf(stderr, "spawn %s: %s\n", argv[0], strerror(err));
        exit(1);
    }
    return pid;
}

int Wait(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> Environment(const std::string& home)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        if (entry.rfind("HOME=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("HOME=" + home);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

int CountOccurrences(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

bool RunTool(const std::vector<std::string>& args)
{
    return Wait(Spawn(args, Environment(getenv("HOME") ? getenv("HOME") : "/"))) == 0;
}

// A copy of the staged installation, a home with the client installed by a
// first launch, and a start script that only writes to a FIFO.
Paths Prepare()
{
    Paths p;
    char tmpl[] = "/tmp/halvora-startup-bench-XXXXXX";
    if (!mkdtemp(tmpl)) {
        perror("mkdtemp");
        exit(1);
    }
    p.work = tmpl;
    p.root = p.work + "/Halvora";
    p.home = p.work + "/home";
    p.app = p.home + "/.HalvoraBackup/Halvora.app";
    p.fifo = p.work + "/started";
    p.log = p.home + "/.HalvoraBackup/log/launcher.log";
    mkdir(p.home.c_str(), 0755);
    if (!RunTool({"/bin/cp", "-a", HALVORA_STAGE_DIR, p.root})) {
        fprintf(stderr, "cannot copy %s\n", HALVORA_STAGE_DIR);
        exit(1);
    }
    // The first launch installs the client; the script it runs is the real one.
    if (Wait(Spawn({p.root + "/bin/halvora-launcher"}, Environment(p.home))) != 0) {
        fprintf(stderr, "the installing launch failed\n");
        exit(1);
    }
    std::string pid_text = ReadFile(p.home + "/.HalvoraBackup/ui.pid");
    if (pid_text.rfind("pid=", 0) == 0 && atol(pid_text.c_str() + 4) > 0)
        kill(static_cast<pid_t>(atol(pid_text.c_str() + 4)), SIGTERM);
    if (mkfifo(p.fifo.c_str(), 0600) != 0) {
        perror("mkfifo");
        exit(1);
    }
    std::ofstream(p.app + "/package/start-stop", std::ios::trunc)
        << "#!/bin/sh\necho \"$1\" > '" << p.fifo << "'\n";
    chmod((p.app + "/package/start-stop").c_str(), 0755);
    return p;
}

// Waits until the start script has written its line; false after 10 s.
bool WaitForScript(int fifo)
{
    pollfd pfd{fifo, POLLIN, 0};
    if (poll(&pfd, 1, 10000) != 1)
        return false;
    char buffer[64];
    while (read(fifo, buffer, sizeof buffer) > 0) {
    }
    return true;
}

struct Sample {
    double to_script = 0;
    double to_exit = 0;
};

Sample TimeLauncher(const Paths& p, const std::vector<std::string>& env, int fifo)
{
    Sample s;
    Clock::time_point start = Clock::now();
    pid_t pid = Spawn({p.root + "/bin/halvora-launcher"}, env);
    if (!WaitForScript(fifo)) {
        fprintf(stderr, "the start script did not run\n");
        exit(1);
    }
    s.to_script = Millis(start, Clock::now());
    if (Wait(pid) != 0) {
        fprintf(stderr, "the launcher failed\n");
        exit(1);
    }
    s.to_exit = Millis(start, Clock::now());
    return s;
}

double TimeReference(const std::vector<std::string>& env)
{
    Clock::time_point start = Clock::now();
    if (Wait(Spawn({HALVORA_QAPP_REFERENCE}, env)) != 0) {
        fprintf(stderr, "the reference failed\n");
        exit(1);
    }
    return Millis(start, Clock::now());
}

} // namespace

int main(int argc, char** argv)
{
    int iterations = argc > 1 ? atoi(argv[1]) : 41;
    if (iterations < 1) {
        fprintf(stderr, "usage: %s [iterations]\n", argv[0]);
        return 2;
    }
    Paths p = Prepare();
    std::vector<std::string> env = Environment(p.home);
    // Opened for reading and writing, so that the script's open never waits
    // for a reader and a closed writer never makes the FIFO read as ended.
    int fifo = open(p.fifo.c_str(), O_RDWR | O_NONBLOCK);
    if (fifo < 0) {
        perror("open fifo");
        return 1;
    }
    size_t log_before = ReadFile(p.log).size();

    std::vector<double> to_script, to_exit, reference;
    for (int i = 0; i < kWarmUp + iterations; ++i) {
        Sample s = TimeLauncher(p, env, fifo);
        double r = TimeReference(env);
        if (i < kWarmUp)
            continue;
        to_script.push_back(s.to_script);
        to_exit.push_back(s.to_exit);
        reference.push_back(r);
    }
    close(fifo);

    int no_upgrade = CountOccurrences(ReadFile(p.log).substr(log_before), kNoUpgrade);
    if (no_upgrade != kWarmUp + iterations) {
        fprintf(stderr, "expected %d launches without upgrade, the log shows %d\n",
                kWarmUp + iterations, no_upgrade);
        return 1;
    }
    double ref = Median(reference);
    printf("startup_bench: %d launches without upgrade and %d reference runs, medians\n",
           iterations, iterations);
    printf("  reference (construct and destroy a QApplication): %8.2f ms\n", ref);
    printf("  launcher, start until the start script runs:      %8.2f ms  ratio %.2f (goal <= 1.30)\n",
           Median(to_script), Median(to_script) / ref);
    printf("  launcher, start until it has exited:              %8.2f ms  ratio %.2f\n",
           Median(to_exit), Median(to_exit) / ref);
    RunTool({"/bin/rm", "-rf", p.work});
    return 0;
}
