// Times Extractor::Extract against the reference pair `bsdtar -tf` (the
// count pass) + `bsdtar -xf` (the unpack) on a realistic, deterministically
// built package, and compares the peak memory of the two.
//
// usage: extract_bench [work-dir] [repetitions]
//        extract_bench --extract <archive> <target>   (the measured child)
//        extract_bench --sample <MB>   (content on standard output)
#include <archive.h>
#include <archive_entry.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <spawn.h>
#include <time.h>
#include <unistd.h>
#include <vector>

#include "extractor.h"
#include "strtab.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

// Bump when the package's content changes, so cached archives are rebuilt.
const char kPackageVersion[] = "v2";

class Rng {
public:
    explicit Rng(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ULL + 1) {}
    uint64_t Next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 0x2545F4914F6CDD1DULL;
    }
    size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }

private:
    uint64_t state;
};

// Machine-code-like bytes: recurring instruction sequences drawn very
// unevenly from a fixed set, with varying operands; address tables; a few
// embedded compressed resources; padding. Compresses about as well as real
// executables do (roughly 2.5-3x with gzip).
class ContentMaker {
public:
    ContentMaker()
    {
        Rng rng(1);
        std::vector<std::string> opcodes;
        for (int i = 0; i < 300; ++i)
            opcodes.push_back(RandomBytes(1 + rng.Below(3), rng));
        for (int i = 0; i < 40000; ++i) {
            std::string phrase;
            for (size_t n = 2 + rng.Below(8); n > 0; --n) {
                phrase += opcodes[Skewed(opcodes.size(), rng)];
                phrase += RandomBytes(rng.Below(3), rng);
            }
            phrases.push_back(phrase);
        }
    }

    std::string Make(size_t size, uint64_t seed) const
    {
        Rng rng(seed);
        std::string out;
        out.reserve(size + 8192);
        while (out.size() < size) {
            size_t kind = rng.Below(100);
            if (kind < 78)
                AppendCode(out, rng);
            else if (kind < 86)
                AppendTable(out, rng);
            else if (kind < 97)
                out += RandomBytes(64 + rng.Below(1024), rng);
            else
                out.append(16 + rng.Below(512), '\0');
        }
        out.resize(size);
        return out;
    }

    // Writes megabytes of content to standard output, to check by hand how
    // it compresses.
    void Sample(size_t megabytes) const
    {
        for (size_t i = 0; i < megabytes; ++i) {
            std::string chunk = Make(1 << 20, 5000 + i);
            fwrite(chunk.data(), 1, chunk.size(), stdout);
        }
    }

private:
    // Small indices far more often than large ones, as with real opcodes.
    static size_t Skewed(size_t n, Rng& rng)
    {
        double u = static_cast<double>(rng.Below(1000000)) / 1e6;
        return std::min(n - 1, static_cast<size_t>(static_cast<double>(n) * u * u * u));
    }
    static std::string RandomBytes(size_t n, Rng& rng)
    {
        std::string s(n, '\0');
        for (char& c : s)
            c = static_cast<char>(rng.Next() >> 56);
        return s;
    }
    // A function body reuses a handful of sequences over and over.
    void AppendCode(std::string& out, Rng& rng) const
    {
        size_t working_set[48];
        for (size_t& index : working_set)
            index = rng.Below(phrases.size());
        for (size_t n = 16 + rng.Below(240); n > 0; --n) {
            out += phrases[working_set[rng.Below(48)]];
            // Operands: displacements and immediates.
            if (rng.Below(2) == 0)
                out += RandomBytes(1 + rng.Below(2), rng);
        }
    }
    static void AppendTable(std::string& out, Rng& rng)
    {
        uint32_t value = static_cast<uint32_t>(rng.Next());
        for (size_t n = 8 + rng.Below(120); n > 0; --n) {
            value += 4 + static_cast<uint32_t>(rng.Below(64));
            out.append(reinterpret_cast<const char*>(&value), sizeof(value));
        }
    }

    std::vector<std::string> phrases;
};

struct PackageFile {
    std::string path;
    size_t size;
    uint64_t seed;
};

// About 3,000 files and 250 MB: a few large libraries, some medium ones and
// many small resources, in a tree of about a hundred directories.
std::vector<PackageFile> PackageLayout(std::vector<std::string>& dirs)
{
    Rng rng(2024);
    std::vector<PackageFile> files;
    dirs = {"bin", "lib", "plugins", "share", "share/locale", "share/icons", "package"};
    for (int i = 0; i < 24; ++i)
        dirs.push_back("share/locale/l" + std::to_string(i));
    for (int i = 0; i < 40; ++i)
        dirs.push_back("plugins/p" + std::to_string(i));
    for (int i = 0; i < 30; ++i)
        dirs.push_back("share/icons/s" + std::to_string(i));
    const size_t large[] = {60, 40, 25, 15, 10, 8};
    for (size_t i = 0; i < sizeof(large) / sizeof(large[0]); ++i)
        files.push_back({"lib/libcore" + std::to_string(i) + ".so", large[i] << 20, 100 + i});
    for (int i = 0; i < 60; ++i)
        files.push_back({"plugins/p" + std::to_string(i % 40) + "/libplugin" + std::to_string(i) +
                             ".so",
                         300000 + rng.Below(1200000), 200 + static_cast<uint64_t>(i)});
    for (int i = 0; files.size() < 3000; ++i) {
        // Log-uniform between about 200 bytes and 64 KB.
        size_t size = static_cast<size_t>(200.0 * std::pow(320.0, rng.Below(1000) / 1000.0));
        const std::string& dir = dirs[7 + rng.Below(dirs.size() - 7)];
        files.push_back({dir + "/res" + std::to_string(i) + ".dat", size,
                         1000 + static_cast<uint64_t>(i)});
    }
    files.push_back({"bin/halvora-backup-ui", 3 << 20, 7});
    files.push_back({"INFO", 120, 8});
    return files;
}

struct Format {
    const char* name;
    int filter; // ARCHIVE_FILTER_*
};

bool AddFilter(archive* a, int filter)
{
    switch (filter) {
    case ARCHIVE_FILTER_GZIP: return archive_write_add_filter_gzip(a) == ARCHIVE_OK;
    case ARCHIVE_FILTER_XZ: return archive_write_add_filter_xz(a) == ARCHIVE_OK;
    default: return true;
    }
}

bool WriteHeader(archive* a, const std::string& path, mode_t type, mode_t perm, size_t size)
{
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, path.c_str());
    archive_entry_set_filetype(entry, type);
    archive_entry_set_perm(entry, perm);
    archive_entry_set_size(entry, static_cast<la_int64_t>(size));
    archive_entry_set_mtime(entry, 1700000000, 0);
    bool ok = archive_write_header(a, entry) == ARCHIVE_OK;
    archive_entry_free(entry);
    return ok;
}

// Writes the package to path (through a temporary name, so that a build cut
// short is never taken for a cached archive).
bool BuildPackage(const std::string& path, const Format& format)
{
    std::vector<std::string> dirs;
    std::vector<PackageFile> files = PackageLayout(dirs);
    ContentMaker maker;
    std::string part = path + ".part";
    archive* a = archive_write_new();
    bool ok = archive_write_set_format_pax_restricted(a) == ARCHIVE_OK &&
              AddFilter(a, format.filter) &&
              archive_write_open_filename(a, part.c_str()) == ARCHIVE_OK;
    for (size_t i = 0; ok && i < dirs.size(); ++i)
        ok = WriteHeader(a, dirs[i], AE_IFDIR, 0755, 0);
    for (size_t i = 0; ok && i < files.size(); ++i) {
        std::string data = maker.Make(files[i].size, files[i].seed);
        mode_t perm = files[i].path.rfind("bin/", 0) == 0 ? 0755 : 0644;
        ok = WriteHeader(a, files[i].path, AE_IFREG, perm, data.size()) &&
             archive_write_data(a, data.data(), data.size()) == static_cast<la_ssize_t>(data.size());
    }
    for (int i = 0; ok && i < 6; ++i) {
        archive_entry* link = archive_entry_new();
        archive_entry_set_pathname(link, ("lib/libcore" + std::to_string(i) + ".so.1").c_str());
        archive_entry_set_filetype(link, AE_IFLNK);
        archive_entry_set_perm(link, 0777);
        archive_entry_set_symlink(link, ("libcore" + std::to_string(i) + ".so").c_str());
        ok = archive_write_header(a, link) == ARCHIVE_OK;
        archive_entry_free(link);
    }
    if (!ok)
        fprintf(stderr, "building %s failed: %s\n", part.c_str(), archive_error_string(a));
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    return ok && rename(part.c_str(), path.c_str()) == 0;
}

// One small file: what both programs need just to start and unpack anything.
bool BuildTinyPackage(const std::string& path)
{
    archive* a = archive_write_new();
    std::string data(1000, 'x');
    bool ok = archive_write_set_format_pax_restricted(a) == ARCHIVE_OK &&
              archive_write_open_filename(a, path.c_str()) == ARCHIVE_OK &&
              WriteHeader(a, "INFO", AE_IFREG, 0644, data.size()) &&
              archive_write_data(a, data.data(), data.size()) == static_cast<la_ssize_t>(data.size());
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    return ok;
}

double Now()
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
Run Spawn(const std::string& runner, const std::vector<std::string>& args)
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

TreeSummary Summarize(const std::string& dir)
{
    TreeSummary s;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir)) {
        ++s.entries;
        if (e.symlink_status().type() == fs::file_type::regular)
            s.bytes += e.file_size();
    }
    return s;
}

void FreshDir(const std::string& dir)
{
    fs::remove_all(dir);
    fs::create_directories(dir);
    // Write-back of the previous run must not be billed to this one.
    sync();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Result {
    double ours = 0, pair = 0, list = 0, unpack = 0;
    long ours_kb = 0, bsdtar_kb = 0;
    bool ok = true;
};

Result Measure(const std::string& runner, const std::string& self, const std::string& archive_path, const std::string& work,
               int reps)
{
    std::vector<double> ours, pair, list, unpack;
    Result r;
    for (int i = 0; i < reps && r.ok; ++i) {
        std::string our_dir = work + "/out-extract", tar_dir = work + "/out-bsdtar";
        // Alternate who goes first, so neither always meets a warmer system.
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (i % 2 == 0)) {
                FreshDir(our_dir);
                Run run = Spawn(runner, {self, "--extract", archive_path, our_dir});
                r.ok = r.ok && run.ok;
                ours.push_back(run.seconds);
                r.ours_kb = std::max(r.ours_kb, run.max_rss_kb);
            } else {
                FreshDir(tar_dir);
                Run tf = Spawn(runner, {"bsdtar", "-tf", archive_path});
                Run xf = Spawn(runner, {"bsdtar", "-xf", archive_path, "-C", tar_dir});
                r.ok = r.ok && tf.ok && xf.ok;
                list.push_back(tf.seconds);
                unpack.push_back(xf.seconds);
                pair.push_back(tf.seconds + xf.seconds);
                r.bsdtar_kb = std::max({r.bsdtar_kb, tf.max_rss_kb, xf.max_rss_kb});
            }
        }
        if (i == 0 && !(Summarize(our_dir) == Summarize(tar_dir))) {
            fprintf(stderr, "the two unpacked trees differ\n");
            r.ok = false;
        }
    }
    fs::remove_all(work + "/out-extract");
    fs::remove_all(work + "/out-bsdtar");
    if (!r.ok)
        return r;
    r.ours = Median(ours);
    r.pair = Median(pair);
    r.list = Median(list);
    r.unpack = Median(unpack);
    return r;
}

int ExtractOnce(const char* source, const char* target)
{
    StrTable::InitStrTable();
    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(target);
    return extractor.Extract() == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && strcmp(argv[1], "--extract") == 0)
        return ExtractOnce(argv[2], argv[3]);
    if (argc == 3 && strcmp(argv[1], "--sample") == 0) {
        ContentMaker().Sample(static_cast<size_t>(atoi(argv[2])));
        return 0;
    }

    std::string work = fs::absolute(argc > 1 ? argv[1] : "extract-bench-work").string();
    int reps = argc > 2 ? atoi(argv[2]) : 3;
    fs::create_directories(work);
    std::string self = fs::read_symlink("/proc/self/exe").string();
    std::string runner = (fs::path(self).parent_path() / "measure_run").string();
    const Format formats[] = {{"tar", ARCHIVE_FILTER_NONE},
                              {"tar.gz", ARCHIVE_FILTER_GZIP},
                              {"tar.xz", ARCHIVE_FILTER_XZ}};

    // The start-up footprint (libraries, relocations) is measured apart, so
    // that what unpacking itself costs can be told from it.
    std::string tiny = work + "/tiny.tar";
    if (!BuildTinyPackage(tiny))
        return 2;
    Result base = Measure(runner, self, tiny, work, 1);
    bool all_ok = base.ok;
    std::vector<std::pair<std::string, Result>> results;
    for (const Format& format : formats) {
        std::string path = work + "/package-" + kPackageVersion + "." + format.name;
        if (!fs::exists(path)) {
            fprintf(stderr, "building %s ...\n", path.c_str());
            double start = Now();
            if (!BuildPackage(path, format))
                return 2;
            fprintf(stderr, "built in %.0f s\n", Now() - start);
        }
        Result r = Measure(runner, self, path, work, reps);
        all_ok = all_ok && r.ok;
        results.push_back({format.name, r});
        if (!r.ok)
            fprintf(stderr, "%s: measurement failed\n", format.name);
        else
            fprintf(stderr, "%s: done\n", format.name);
    }

    printf("median of %d runs; reference: bsdtar -tf + bsdtar -xf of the same archive\n", reps);
    printf("%-7s %7s %8s %8s %8s %8s %6s | %8s %8s %6s | %8s %8s %6s\n", "format", "MB",
           "Extract", "bsdtar", "-tf", "-xf", "time", "Extract", "bsdtar", "peak", "Extract",
           "bsdtar", "above");
    printf("%-7s %7s %8s %8s %8s %8s %6s | %8s %8s %6s | %8s %8s %6s\n", "", "", "s", "pair s",
           "s", "s", "ratio", "peak MB", "peak MB", "ratio", "+MB", "+MB", "ratio");
    for (const auto& [name, r] : results) {
        if (!r.ok)
            continue;
        double ours_above = (r.ours_kb - base.ours_kb) / 1024.0;
        double bsdtar_above = (r.bsdtar_kb - base.bsdtar_kb) / 1024.0;
        printf("%-7s %7.1f %8.3f %8.3f %8.3f %8.3f %6.2f | %8.1f %8.1f %6.2f | %8.1f %8.1f %6.2f\n",
               name.c_str(),
               static_cast<double>(fs::file_size(work + "/package-" + kPackageVersion + "." +
                                                 name)) / 1e6,
               r.ours, r.pair, r.list, r.unpack, r.ours / r.pair, r.ours_kb / 1024.0,
               r.bsdtar_kb / 1024.0, static_cast<double>(r.ours_kb) / r.bsdtar_kb, ours_above,
               bsdtar_above, bsdtar_above > 0 ? ours_above / bsdtar_above : 0.0);
    }
    printf("start-up baseline (a 1 KB archive): Extract %.1f MB, bsdtar %.1f MB peak\n",
           base.ours_kb / 1024.0, base.bsdtar_kb / 1024.0);
    return all_ok ? 0 : 1;
}
