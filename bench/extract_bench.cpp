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

#include "bench-run.h"
#include "extractor.h"
#include "reference-package.h"
#include "strtab.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace bench;

namespace {

// Bump when the package's content changes, so cached archives are rebuilt.
const char kPackageVersion[] = "v2";

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
    std::vector<ReferenceFile> files = PackageLayout(dirs);
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
        RunInTurns(
            i,
            [&] {
                FreshDir(our_dir);
                Run run = Spawn(runner, {self, "--extract", archive_path, our_dir});
                r.ok = r.ok && run.ok;
                ours.push_back(run.seconds);
                r.ours_kb = std::max(r.ours_kb, run.max_rss_kb);
            },
            [&] {
                BsdtarPair tar = RunBsdtarPair(runner, archive_path, tar_dir);
                r.ok = r.ok && tar.ok();
                list.push_back(tar.list.seconds);
                unpack.push_back(tar.unpack.seconds);
                pair.push_back(tar.seconds());
                r.bsdtar_kb = std::max(r.bsdtar_kb, tar.max_rss_kb());
            });
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
