// Peak memory and time of reading the record of installed files, for
// records of the largest size a record may have, each against the empty
// record (memory) and against `wc -l` reading the same file (time):
//   1. 1.3 million short lines, far past the cap on files;
//   2. one name of 64 MiB;
//   3. the largest record that is kept: as many files and name bytes as the
//      caps allow.
// Each is read in a child of its own, its peak (VmHWM) counted from what it
// held before. usage: record_bench [work directory]   (default: /dev/shm)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "installed-files-record.h"

namespace {

const char kHeader[] = "halvora installed files 2 1 0\n";
const size_t kRecordBytes = 64u << 20;

long StatusKb(const char* field)
{
    FILE* f = fopen("/proc/self/status", "r");
    char line[256];
    long kb = -1;
    while (f && fgets(line, sizeof line, f)) {
        if (strncmp(line, field, strlen(field)) == 0)
            kb = atol(line + strlen(field));
    }
    if (f)
        fclose(f);
    return kb;
}

std::string Line(const std::string& name)
{
    return "0 0 0 0 0 0 " + std::string(32, 'a') + " " + name + "\n";
}

bool Write(const std::string& path, const std::string& text)
{
    FILE* f = fopen(path.c_str(), "w");
    bool ok = f && fwrite(text.data(), 1, text.size(), f) == text.size();
    return f && fclose(f) == 0 && ok;
}

struct Reading {
    double mib = -1;
    double seconds = 0;
    size_t files = 0;
};

// In a child, so that each reading starts from the same memory.
Reading Read(const std::string& path)
{
    int pipe_fds[2];
    Reading r;
    if (pipe(pipe_fds) != 0)
        return r;
    pid_t child = fork();
    if (child == 0) {
        FILE* refs = fopen("/proc/self/clear_refs", "w");
        bool reset = refs && fputs("5", refs) >= 0 && fclose(refs) == 0;
        long before = StatusKb("VmRSS:");
        auto start = std::chrono::steady_clock::now();
        InstalledFiles record = ReadInstalledFiles(path.c_str());
        Reading out;
        out.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        out.mib = reset ? (StatusKb("VmHWM:") - before) / 1024.0 : -1;
        out.files = record.files.size();
        _exit(write(pipe_fds[1], &out, sizeof out) == sizeof out ? 0 : 1);
    }
    close(pipe_fds[1]);
    if (read(pipe_fds[0], &r, sizeof r) != sizeof r)
        r.mib = -1;
    close(pipe_fds[0]);
    waitpid(child, nullptr, 0);
    return r;
}

double TimeWc(const std::string& path)
{
    auto start = std::chrono::steady_clock::now();
    std::string command = "wc -l '" + path + "' >/dev/null";
    if (system(command.c_str()) != 0)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string ShortLines()
{
    std::string text = kHeader;
    text.reserve(kRecordBytes);
    for (unsigned n = 0; text.size() + 64 < kRecordBytes; ++n)
        text += Line(std::to_string(n));
    return text;
}

// 131,072 files of 255-byte names: the caps, reached together.
std::string LargestKept()
{
    std::string text = kHeader;
    for (unsigned n = 0; n < (1u << 17); ++n) {
        std::string name = std::to_string(n);
        text += Line(name + std::string(255 - name.size(), 'x'));
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    std::string dir = std::string(argc > 1 ? argv[1] : "/dev/shm") + "/record-bench-XXXXXX";
    if (!mkdtemp(&dir[0]))
        return 1;
    const std::string empty = dir + "/empty";
    const std::pair<const char*, std::string> records[] = {
        {"1.3 million short lines", ShortLines()},
        {"one name of 64 MiB", kHeader + Line(std::string(kRecordBytes - 200, 'n'))},
        {"largest record kept", LargestKept()},
    };
    bool ok = Write(empty, kHeader);
    Reading reference = Read(empty);
    printf("reference: the empty record, %.1f MiB at its peak\n", reference.mib);
    for (const auto& [name, text] : records) {
        std::string path = dir + "/record";
        ok = Write(path, text) && ok;
        Reading r = Read(path);
        size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
        printf("%-24s %5.1f MiB, %zu lines, %zu files kept: +%.1f MiB over the empty record; "
               "%.3f s = %.2fx wc -l\n",
               name, text.size() / 1048576.0, lines, r.files, r.mib - reference.mib, r.seconds,
               r.seconds / TimeWc(path));
        unlink(path.c_str());
    }
    unlink(empty.c_str());
    rmdir(dir.c_str());
    return ok && reference.mib >= 0 ? 0 : 1;
}
