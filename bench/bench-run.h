#ifndef HALVORA_BENCH_RUN_H
#define HALVORA_BENCH_RUN_H

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// Running a command under measure_run and looking at what it left.
namespace bench {

namespace fs = std::filesystem;

inline double Now()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

struct Run {
    double seconds = 0;
    long max_rss_kb = 0;
    bool ok = false;
};

// Runs args through measure_run (beside this program), which reports the
// command's wall time and its own peak memory.
inline Run Spawn(const std::string& runner, const std::vector<std::string>& args)
{
    std::vector<char*> argv = {const_cast<char*>(runner.c_str())};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int fds[2];
    Run run;
    if (pipe(fds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    pid_t pid = 0;
    int err = posix_spawn(&pid, runner.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (err != 0) {
        fprintf(stderr, "cannot start %s: %s\n", runner.c_str(), strerror(err));
        close(fds[0]);
        return run;
    }
    char report[128] = "";
    ssize_t n = read(fds[0], report, sizeof(report) - 1);
    close(fds[0]);
    int runner_status = 0;
    waitpid(pid, &runner_status, 0);
    int status = -1;
    if (n <= 0 || sscanf(report, "%lf %ld %d", &run.seconds, &run.max_rss_kb, &status) != 3) {
        fprintf(stderr, "no report from %s for %s\n", runner.c_str(), args[0].c_str());
        return run;
    }
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!run.ok)
        fprintf(stderr, "%s %s exited with status %d\n", args[0].c_str(), args[1].c_str(),
                status);
    return run;
}

struct TreeSummary {
    size_t entries = 0;
    uintmax_t bytes = 0;
    bool operator==(const TreeSummary& o) const { return entries == o.entries && bytes == o.bytes; }
};

inline TreeSummary Summarize(const std::string& dir)
{
    TreeSummary s;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir)) {
        ++s.entries;
        if (e.symlink_status().type() == fs::file_type::regular)
            s.bytes += e.file_size();
    }
    return s;
}

inline void FreshDir(const std::string& dir)
{
    fs::remove_all(dir);
    fs::create_directories(dir);
    // Write-back of the previous run must not be billed to this one.
    sync();
}

// The reference both benchmarks measure against: bsdtar lists the archive,
// then unpacks it into a fresh out_dir.
struct BsdtarPair {
    Run list, unpack;
    bool ok() const { return list.ok && unpack.ok; }
    double seconds() const { return list.seconds + unpack.seconds; }
    long max_rss_kb() const { return std::max(list.max_rss_kb, unpack.max_rss_kb); }
};

inline BsdtarPair RunBsdtarPair(const std::string& runner, const std::string& archive,
                                const std::string& out_dir)
{
    FreshDir(out_dir);
    BsdtarPair pair;
    pair.list = Spawn(runner, {"bsdtar", "-tf", archive});
    pair.unpack = Spawn(runner, {"bsdtar", "-xf", archive, "-C", out_dir});
    return pair;
}

// One repetition of a comparison: ours and theirs once each, ours first in
// even repetitions, so that neither always meets a warmer system.
template <class Ours, class Theirs>
void RunInTurns(int repetition, Ours ours, Theirs theirs)
{
    if (repetition % 2 == 0) {
        ours();
        theirs();
    } else {
        theirs();
        ours();
    }
}

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace bench

#endif
