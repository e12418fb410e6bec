// Measures the file layer against the system tools in the same run:
//   1. removing a tree of 20,000 entries: FSRemove against `rm -rf`;
//   2. moving a large file between a disk and /dev/shm: FSRename against
//      `mv`, and against `mv` followed by an fsync of the moved file, since
//      FSRename syncs the copy before it removes the source and mv does not.
// usage: fileop_bench [disk work directory]   (default: the current directory)
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "file/file-op.h"

extern char** environ;

namespace {

const int kTreeDirs = 200;
const int kFilesPerDir = 99; // 200 directories + 19,800 files = 20,000 entries
const int kRemoveRounds = 7;
const int kMoveRounds = 3;
const unsigned long long kMoveSize = 1ull << 30;
const unsigned long long kMinMoveSize = 64ull << 20;

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool RunTool(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Every timed step starts with nothing left to write back, so no step pays
// for the dirty pages of the one before it (mv leaves them, FSRename not).
double TimeTool(const std::vector<std::string>& args)
{
    sync();
    const auto start = std::chrono::steady_clock::now();
    if (!RunTool(args)) {
        fprintf(stderr, "%s failed\n", args[0].c_str());
        exit(1);
    }
    return Seconds(start);
}

// The fsync of the moved file right after mv: the flush FSRename includes.
double TimeFileSync(const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0 || fsync(fd) != 0) {
        perror(path.c_str());
        exit(1);
    }
    close(fd);
    return Seconds(start);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

bool WriteSmallFile(const std::string& path)
{
    static const char content[100] = "payload";
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = write(fd, content, sizeof(content)) == static_cast<ssize_t>(sizeof(content));
    return close(fd) == 0 && ok;
}

void BuildTree(const std::string& root)
{
    if (mkdir(root.c_str(), 0755) != 0) {
        perror(root.c_str());
        exit(1);
    }
    for (int d = 0; d < kTreeDirs; ++d) {
        const std::string sub = root + "/d" + std::to_string(d);
        bool ok = mkdir(sub.c_str(), 0755) == 0;
        for (int f = 0; ok && f < kFilesPerDir; ++f)
            ok = WriteSmallFile(sub + "/file" + std::to_string(f));
        if (!ok) {
            perror(sub.c_str());
            exit(1);
        }
    }
    sync();
}

void BenchRemove(const std::string& work)
{
    std::vector<double> layer;
    std::vector<double> tool;
    for (int round = 0; round < kRemoveRounds; ++round) {
        const std::string a = work + "/tree-a";
        const std::string b = work + "/tree-b";
        BuildTree(a);
        BuildTree(b);
        // Alternate who goes first so that neither always meets a warmer cache.
        const bool layer_first = round % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == layer_first) {
                sync();
                const auto start = std::chrono::steady_clock::now();
                if (FSRemove(a, false) != 0) {
                    fprintf(stderr, "FSRemove failed\n");
                    exit(1);
                }
                layer.push_back(Seconds(start));
            } else {
                tool.push_back(TimeTool({"rm", "-rf", b}));
            }
        }
        printf("  round %d: FSRemove %.3f s, rm -rf %.3f s\n", round + 1, layer.back(),
               tool.back());
        fflush(stdout);
    }
    // The disk is shared with other work, so single rounds can stall for
    // seconds; the median and the best round are both shown.
    const double fs = Median(layer);
    const double rm = Median(tool);
    const double fs_best = *std::min_element(layer.begin(), layer.end());
    const double rm_best = *std::min_element(tool.begin(), tool.end());
    printf("remove %d entries, %d rounds: FSRemove median %.3f s, best %.3f s; rm -rf median "
           "%.3f s, best %.3f s; ratio of medians %.2f, of bests %.2f\n",
           kTreeDirs * (kFilesPerDir + 1), kRemoveRounds, fs, fs_best, rm, rm_best, fs / rm,
           fs_best / rm_best);
}

unsigned long long FreeBytes(const std::string& path)
{
    struct statvfs fs;
    if (statvfs(path.c_str(), &fs) != 0)
        return 0;
    return static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize;
}

void WriteBigFile(const std::string& path, unsigned long long size)
{
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>((i * 2654435761u) >> 13);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    bool ok = fd >= 0;
    for (unsigned long long done = 0; ok && done < size; done += block.size())
        ok = write(fd, block.data(), block.size()) == static_cast<ssize_t>(block.size());
    ok = ok && fsync(fd) == 0;
    if (fd < 0 || close(fd) != 0 || !ok) {
        perror(path.c_str());
        exit(1);
    }
}

double TimeRename(const std::string& from, const std::string& to)
{
    sync();
    const auto start = std::chrono::steady_clock::now();
    if (FSRename(from, to, false) != 0) {
        fprintf(stderr, "FSRename %s -> %s failed\n", from.c_str(), to.c_str());
        exit(1);
    }
    return Seconds(start);
}

struct MoveTimes {
    std::vector<double> layer, mv, mv_sync;
};

void Report(const char* direction, const MoveTimes& t)
{
    const double fs = Median(t.layer);
    const double mv = Median(t.mv);
    const double mv_sync = Median(t.mv_sync);
    printf("move %s: FSRename %.3f s, mv %.3f s, mv+fsync %.3f s; ratio to mv %.2f, to mv+fsync %.2f\n",
           direction, fs, mv, mv_sync, fs / mv, fs / mv_sync);
}

void BenchMove(const std::string& work)
{
    struct stat disk_st;
    struct stat shm_st;
    if (stat("/dev/shm", &shm_st) != 0 || stat(work.c_str(), &disk_st) != 0 ||
        shm_st.st_dev == disk_st.st_dev) {
        printf("move: skipped, /dev/shm is missing or on the same file system as %s\n",
               work.c_str());
        return;
    }
    unsigned long long size = kMoveSize;
    const unsigned long long room = std::min(FreeBytes("/dev/shm"), FreeBytes(work)) / 2;
    if (room < size) {
        size = std::max(kMinMoveSize, room & ~((1ull << 20) - 1));
        printf("note: not enough free space for 1 GiB, moving %llu MiB instead\n", size >> 20);
    }
    char shm_template[] = "/dev/shm/fileop-bench-XXXXXX";
    if (mkdtemp(shm_template) == nullptr) {
        perror("/dev/shm");
        exit(1);
    }
    const std::string shm = shm_template;
    const std::string on_disk = work + "/big";
    const std::string in_shm = shm + "/big";
    WriteBigFile(on_disk, size);

    MoveTimes to_shm;
    MoveTimes to_disk;
    for (int round = 0; round < kMoveRounds; ++round) {
        to_shm.layer.push_back(TimeRename(on_disk, in_shm));
        to_disk.layer.push_back(TimeRename(in_shm, on_disk));
        double mv = TimeTool({"mv", on_disk, in_shm});
        to_shm.mv.push_back(mv);
        to_shm.mv_sync.push_back(mv + TimeFileSync(in_shm));
        mv = TimeTool({"mv", in_shm, on_disk});
        to_disk.mv.push_back(mv);
        to_disk.mv_sync.push_back(mv + TimeFileSync(on_disk));
        printf("  round %d: to /dev/shm FSRename %.3f s, mv %.3f s; to disk FSRename %.3f s, "
               "mv %.3f s\n",
               round + 1, to_shm.layer.back(), to_shm.mv.back(), to_disk.layer.back(),
               to_disk.mv.back());
        fflush(stdout);
    }
    printf("move of %llu MiB (medians of %d):\n", size >> 20, kMoveRounds);
    Report("disk -> /dev/shm", to_shm);
    Report("/dev/shm -> disk", to_disk);
    unlink(on_disk.c_str());
    rmdir(shm.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    char cwd[4096];
    const std::string base = argc > 1 ? argv[1] : (getcwd(cwd, sizeof(cwd)) ? cwd : ".");
    std::string tmpl = base + "/fileop-bench-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data()) == nullptr) {
        perror(tmpl.c_str());
        return 1;
    }
    const std::string work = buf.data();
    printf("work directory %s\n", work.c_str());
    BenchRemove(work);
    BenchMove(work);
    rmdir(work.c_str());
    return 0;
}
