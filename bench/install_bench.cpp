// The whole launcher's first installation of the reference package against
// `bsdtar -tf` followed by `bsdtar -xf` of the same archive, both onto tmpfs,
// in every package format; the downtime of an upgrade to the next build (the
// old client's SIGTERM to the new client's start) against one `bsdtar -xf`;
// the peak memory that unpacking adds to each program's start-up footprint;
// and, on the disk's own file system, the first installation and the
// upgrade (its downtime, the whole upgrade from the launcher's start to the
// new client's with the old copy in the page cache and with every cache
// dropped, the time the launcher spent proving the old copy's files by their
// content, bytes written and unchanged files linked) against `bsdtar -xf` +
// sync. The next build changes every tenth file, drops one and adds one; a
// package of the tree twice over, with the same change, shows how the
// downtime grows with the package.
//
// usage: install_bench [work-dir] [repetitions]
// The packages are cached in work-dir (the xz ones take minutes to make).
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "bench-run.h"
#include "package-file.h"
#include "package-metadata.h"
#include "reference-package.h"

namespace fs = std::filesystem;
using namespace bench;

namespace {

const char kPackageVersion[] = "v3";
const char kTmpfs[] = "/dev/shm";
const int kOldBuild = 500;
// The block size halvora-pack writes xz in.

enum class Codec { XzBlocks, Xz, Gzip, Zstd };

struct Format {
    const char* label;
    const char* file;
    Codec codec;
    bool metadata;
    double goal;
    // The reference tree this many times over (the copies beyond the first
    // unchanged by the next build): the same change in a larger package.
    int copies = 1;
};

const Format kFormats[] = {
    {"tar.xz, blocks", "tar.xz-blocks", Codec::XzBlocks, true, 0.35},
    {"tar.xz, 1 block", "tar.xz", Codec::Xz, true, 0.55},
    {"tar.gz", "tar.gz", Codec::Gzip, true, 0.75},
    {"tar.zst", "tar.zst", Codec::Zstd, true, 0.75},
    {"tar.zst, no INFO", "tar.zst", Codec::Zstd, false, 1.05},
    {"tar.zst, doubled", "tar.zst-x2", Codec::Zstd, true, 0.75, 2},
};

struct Summary {
    long entries = 0;
    long long bytes = 0;
};

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

bool AddFilter(archive* a, Codec codec)
{
    switch (codec) {
    case Codec::Gzip: return archive_write_add_filter_gzip(a) == ARCHIVE_OK;
    case Codec::Xz: return archive_write_add_filter_xz(a) == ARCHIVE_OK;
    case Codec::Zstd: return archive_write_add_filter_zstd(a) == ARCHIVE_OK;
    case Codec::XzBlocks: return false; // made by halvora-pack
    }
    return false;
}

// One entry of the client tree: data is a file's content or a link's target.
using EntrySink =
    std::function<bool(const std::string& path, mode_t type, mode_t perm, const std::string& data)>;

// The reference content as a client tree: the stand-in client and the start
// script of the sample installation take the places of the executable and
// of package/start-stop.
// The next build (kOldBuild + 1) changes every tenth file, drops one and
// adds one, as a release typically does.
bool ForEachEntry(const EntrySink& sink, int build = kOldBuild, int copies = 1)
{
    std::vector<std::string> dirs;
    std::vector<ReferenceFile> files = PackageLayout(dirs);
    ContentMaker maker;
    const bool next = build != kOldBuild;
    bool ok = true;
    for (size_t i = 0; ok && i < dirs.size(); ++i)
        ok = sink(dirs[i], AE_IFDIR, 0755, "");
    if (next)
        ok = ok && sink("share/added-in-next-build.dat", AE_IFREG, 0644, maker.Make(20000, 7));
    for (size_t i = 0; ok && i < files.size(); ++i) {
        if (next && i == 7)
            continue;
        bool changed = next && i % 10 == 5 && files[i].path.rfind("bin/", 0) != 0;
        std::string data = maker.Make(files[i].size, files[i].seed + (changed ? 1000 : 0));
        mode_t perm = files[i].path.rfind("bin/", 0) == 0 ? 0755 : 0644;
        if (files[i].path == "bin/halvora-backup-ui")
            data = ReadText(HALVORA_STANDIN);
        if (files[i].path == "INFO")
            data = "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" +
                   std::to_string(build) + "\nicon_overlay_version=1\n";
        ok = sink(files[i].path, AE_IFREG, perm, data);
    }
    for (int copy = 1; ok && copy < copies; ++copy) {
        std::string folder = "share/copy" + std::to_string(copy) + "/";
        for (size_t i = 0; ok && i < files.size(); ++i) {
            if (files[i].path.rfind("share/", 0) == 0 || files[i].path.rfind("lib/", 0) == 0)
                ok = sink(folder + files[i].path, AE_IFREG, 0644,
                          maker.Make(files[i].size, files[i].seed + 5000 * copy));
        }
    }
    ok = ok && sink("package/start-stop", AE_IFREG, 0755, ReadText(HALVORA_START_STOP));
    for (int i = 0; ok && i < 6; ++i)
        ok = sink("lib/libcore" + std::to_string(i) + ".so.1", AE_IFLNK, 0777,
                  "libcore" + std::to_string(i) + ".so");
    return ok;
}

bool WriteEntry(archive* a, const std::string& path, mode_t type, mode_t perm,
                const std::string& data, Summary& summary)
{
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, path.c_str());
    archive_entry_set_filetype(entry, type);
    archive_entry_set_perm(entry, perm);
    archive_entry_set_mtime(entry, 1700000000, 0);
    bool file = type == AE_IFREG;
    if (type == AE_IFLNK)
        archive_entry_set_symlink(entry, data.c_str());
    archive_entry_set_size(entry, file ? static_cast<la_int64_t>(data.size()) : 0);
    bool ok = archive_write_header(a, entry) == ARCHIVE_OK;
    archive_entry_free(entry);
    ok = ok && (!file || data.empty() ||
                archive_write_data(a, data.data(), data.size()) ==
                    static_cast<la_ssize_t>(data.size()));
    ++summary.entries;
    summary.bytes += file ? static_cast<long long>(data.size()) : 0;
    return ok;
}

bool WriteTree(archive* a, Summary& summary)
{
    return ForEachEntry([&](const std::string& path, mode_t type, mode_t perm,
                            const std::string& data) {
        return WriteEntry(a, path, type, perm, data, summary);
    });
}

bool WriteTreeToDisk(const std::string& dir, int build, int copies)
{
    return ForEachEntry([&](const std::string& path, mode_t type, mode_t perm,
                            const std::string& data) {
        std::string full = dir + "/" + path;
        std::error_code ec;
        fs::create_directories(fs::path(full).parent_path(), ec);
        if (type == AE_IFDIR)
            return fs::create_directories(full, ec) || fs::is_directory(full);
        if (type == AE_IFLNK)
            return symlink(data.c_str(), full.c_str()) == 0;
        return WriteText(full, data) && chmod(full.c_str(), perm) == 0;
    }, build, copies);
}

// The package as halvora-pack makes it from the reference tree, with the
// system INFO it writes beside it (package + ".info").
bool PackWithTool(const std::string& work, const std::string& path, const char* format,
                  int build = kOldBuild, int copies = 1)
{
    std::string tree = work + "/tree-" + kPackageVersion +
                       (copies > 1 ? "-x" + std::to_string(copies) : "") +
                       (build == kOldBuild ? "" : "-next");
    if (!fs::exists(tree + ".done")) {
        fs::remove_all(tree);
        if (!WriteTreeToDisk(tree, build, copies) || !WriteText(tree + ".done", ""))
            return false;
    }
    std::string out = path + ".out";
    fs::remove_all(out);
    std::string command = std::string("'") + HALVORA_PACK + "' '" + tree + "' '" + out +
                          "' --build " + std::to_string(build) + " --format " + format;
    if (system(command.c_str()) != 0)
        return false;
    std::error_code ec;
    fs::rename(out + "/INFO", path + ".info", ec);
    if (!ec)
        fs::rename(out + "/package/halvora.hpk", path, ec);
    fs::remove_all(out);
    return !ec;
}

// The package and, beside it, "<entries> <bytes>" for its INFO. halvora-pack
// makes every format it offers; xz in one block is written here.
bool BuildPackage(const std::string& work, const std::string& path, Codec codec, int copies)
{
    switch (codec) {
    case Codec::XzBlocks: return PackWithTool(work, path, "tar.xz");
    case Codec::Gzip: return PackWithTool(work, path, "tar.gz");
    case Codec::Zstd: return PackWithTool(work, path, "tar.zst", kOldBuild, copies);
    case Codec::Xz: break;
    }
    std::string part = path + ".part";
    archive* a = archive_write_new();
    Summary summary;
    bool ok = archive_write_set_format_pax_restricted(a) == ARCHIVE_OK && AddFilter(a, codec) &&
              archive_write_open_filename(a, part.c_str()) == ARCHIVE_OK && WriteTree(a, summary);
    if (!ok)
        fprintf(stderr, "building %s failed: %s\n", part.c_str(), archive_error_string(a));
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    ok = ok && WriteText(path + ".summary", std::to_string(summary.entries) + " " +
                                                std::to_string(summary.bytes) + "\n");
    return ok && rename(part.c_str(), path.c_str()) == 0;
}

// One small package: what the launcher needs just to start and install.
bool BuildTinyPackage(const std::string& path)
{
    archive* a = archive_write_new();
    Summary summary;
    bool ok = archive_write_set_format_pax_restricted(a) == ARCHIVE_OK &&
              archive_write_add_filter_zstd(a) == ARCHIVE_OK &&
              archive_write_open_filename(a, path.c_str()) == ARCHIVE_OK &&
              WriteEntry(a, "INFO", AE_IFREG, 0644, "[Version]\nbuild_version=1\n", summary) &&
              WriteEntry(a, "bin/halvora-backup-ui", AE_IFREG, 0755, ReadText(HALVORA_STANDIN),
                         summary) &&
              WriteEntry(a, "package/start-stop", AE_IFREG, 0755, ReadText(HALVORA_START_STOP),
                         summary);
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    return ok && WriteText(path + ".summary", std::to_string(summary.entries) + " " +
                                                  std::to_string(summary.bytes) + "\n");
}

// XXH3-128 of the file through the launcher's own check, and the seconds it
// took.
std::string DigestOf(const std::string& path, double& seconds)
{
    double start = Now();
    PackageDigest digest;
    std::string error;
    PackageFile file;
    int rc = file.Open(path.c_str());
    if (rc != 0)
        error = strerror(rc);
    else
        rc = DigestPackage(file, digest, error);
    seconds = Now() - start;
    if (rc != 0)
        fprintf(stderr, "cannot read %s: %s\n", path.c_str(), error.c_str());
    return rc == 0 ? FormatDigest(digest) : std::string();
}

// The INFO the packer wrote, or one made here from the package's summary.
std::string PackageInfo(const std::string& package, const std::string& installed)
{
    if (fs::exists(package + ".info"))
        return ReadText(package + ".info");
    long entries = 0;
    long long bytes = 0;
    if (sscanf(ReadText(package + ".summary").c_str(), "%ld %lld", &entries, &bytes) != 2)
        return "";
    double seconds = 0;
    return "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" +
           std::to_string(kOldBuild) + "\nicon_overlay_version=1\n[Package]\nentries=" +
           std::to_string(entries) + "\nunpacked_size=" + std::to_string(bytes) +
           "\nxxh3_128=" + DigestOf(installed, seconds) + "\n";
}

// The staged system installation on tmpfs with this package and its INFO,
// naming the given build; without metadata, group "Package" is left out.
bool InstallPackage(const std::string& root, const std::string& package, int build,
                    bool metadata)
{
    std::string installed = root + "/package/halvora.hpk";
    std::error_code ec;
    fs::copy_file(package, installed, fs::copy_options::overwrite_existing, ec);
    std::string info = ec ? "" : PackageInfo(package, installed);
    std::string old_build = "build_version=" + std::to_string(kOldBuild) + "\n";
    std::string wanted = "build_version=" + std::to_string(build) + "\n";
    size_t at = info.find(old_build);
    if (at != std::string::npos)
        info.replace(at, old_build.size(), wanted);
    else if (info.find(wanted) == std::string::npos)
        return false;
    if (!metadata)
        info = info.substr(0, info.find("[Package]"));
    return WriteText(root + "/INFO", info);
}

std::string AppOf(const std::string& home)
{
    return home + "/.HalvoraBackup/Halvora.app";
}

// Ends the client the launcher started (the start script detaches it).
void StopClient(const std::string& home)
{
    int pid = 0;
    if (sscanf(ReadText(home + "/.HalvoraBackup/ui.pid").c_str(), "pid=%d", &pid) != 1 || pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 500 && kill(pid, 0) == 0; ++i)
        usleep(10000);
}

// A first installation in a fresh home: the launcher's wall time and peak.
Run FirstInstall(const std::string& runner, const std::string& root, const std::string& home)
{
    fs::remove_all(home);
    fs::create_directories(home);
    sync();
    setenv("HOME", home.c_str(), 1);
    Run run = Spawn(runner, {root + "/bin/halvora-launcher"});
    StopClient(home);
    std::string log = ReadText(home + "/.HalvoraBackup/log/launcher.log");
    if (log.find("[ERROR]") != std::string::npos || !fs::exists(AppOf(home) + "/INFO")) {
        fprintf(stderr, "the launcher did not install the package:\n%s\n", log.c_str());
        run.ok = false;
    }
    return run;
}

struct Result {
    double ours = 0, pair = 0, ratio = 0;
    long ours_kb = 0, bsdtar_kb = 0;
    bool ok = true;
};

Result Measure(const std::string& runner, const std::string& root, const std::string& tmp,
               int reps)
{
    std::string package = root + "/package/halvora.hpk";
    std::string home = tmp + "/home", out = tmp + "/out-bsdtar";
    std::vector<double> ours, pair, ratios;
    Result r;
    for (int i = 0; i < reps && r.ok; ++i) {
        RunInTurns(
            i,
            [&] {
                Run run = FirstInstall(runner, root, home);
                r.ok = r.ok && run.ok;
                ours.push_back(run.seconds);
                r.ours_kb = std::max(r.ours_kb, run.max_rss_kb);
            },
            [&] {
                BsdtarPair tar = RunBsdtarPair(runner, package, out);
                r.ok = r.ok && tar.ok();
                pair.push_back(tar.seconds());
                r.bsdtar_kb = std::max(r.bsdtar_kb, tar.max_rss_kb());
            });
        // Each repetition's two runs are a pair: the ratio is the median of
        // the pairs', which a shared machine's drift moves much less than
        // the ratio of two medians.
        ratios.push_back(ours.back() / pair.back());
        if (i == 0 && !(Summarize(AppOf(home)) == Summarize(out))) {
            fprintf(stderr, "the launcher's copy and bsdtar's tree differ\n");
            r.ok = false;
        }
    }
    fs::remove_all(home);
    fs::remove_all(out);
    if (!r.ok)
        return r;
    r.ours = Median(ours);
    r.pair = Median(pair);
    r.ratio = Median(ratios);
    return r;
}

// Seconds from the old client's SIGTERM (it drops its pid file) to the new
// client's start (it writes the file anew), watched with inotify; written,
// when given, receives the bytes the launcher (and what it waited for) wrote,
// whole the seconds from the launcher's start to the new client's.
double WatchUpgrade(const std::string& root, const std::string& home, long long* written = nullptr,
                    double* whole = nullptr)
{
    rusage before = {};
    getrusage(RUSAGE_CHILDREN, &before);
    std::string user = home + "/.HalvoraBackup";
    int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0 || inotify_add_watch(fd, user.c_str(), IN_DELETE | IN_MOVED_TO | IN_CREATE) < 0)
        return -1;
    std::string launcher = root + "/bin/halvora-launcher";
    char* argv[] = {const_cast<char*>(launcher.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    double spawned = Now();
    int err = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (err != 0)
        return -1;
    double stopped = -1, started = -1;
    bool running = true;
    while (running || started < 0) {
        pollfd p = {fd, POLLIN, 0};
        poll(&p, 1, 20);
        double now = Now();
        alignas(inotify_event) char buffer[4096];
        ssize_t n;
        while ((n = read(fd, buffer, sizeof(buffer))) > 0) {
            for (char* at = buffer; at < buffer + n;) {
                inotify_event* event = reinterpret_cast<inotify_event*>(at);
                if (event->len > 0 && strcmp(event->name, "ui.pid") == 0) {
                    if ((event->mask & IN_DELETE) && stopped < 0)
                        stopped = now;
                    else if ((event->mask & (IN_MOVED_TO | IN_CREATE)) && stopped >= 0)
                        started = now;
                }
                at += sizeof(inotify_event) + event->len;
            }
        }
        int status = 0;
        if (running && waitpid(pid, &status, WNOHANG) == pid) {
            running = false;
            if (started < 0 && access((user + "/ui.pid").c_str(), F_OK) != 0)
                break;
        }
    }
    close(fd);
    rusage after = {};
    getrusage(RUSAGE_CHILDREN, &after);
    if (written)
        *written = (after.ru_oublock - before.ru_oublock) * 512LL;
    if (whole)
        *whole = started >= 0 ? started - spawned : -1;
    return stopped >= 0 && started >= 0 ? started - stopped : -1;
}

struct Downtimes {
    double upgrade = -1, unpack = -1, ratio = -1;
};

// An upgrade of a running client: installed and started with the old build,
// then the system INFO names a newer one. Each upgrade is paired with one
// bsdtar -xf of the same package right after it, so that both meet the same
// state of a shared machine; the ratio is the median of the pairs'.
Downtimes Downtime(const std::string& runner, const std::string& root, const std::string& tmp,
                   const std::string& package, const std::string& next, bool metadata, int reps)
{
    std::string home = tmp + "/home-upgrade", out = tmp + "/out-bsdtar";
    std::vector<double> upgrades, unpacks, ratios;
    for (int i = 0; i < reps; ++i) {
        fs::remove_all(home);
        fs::create_directories(home);
        setenv("HOME", home.c_str(), 1);
        if (!InstallPackage(root, package, kOldBuild, metadata) ||
            !Spawn(runner, {root + "/bin/halvora-launcher"}).ok ||
            !fs::exists(home + "/.HalvoraBackup/ui.pid") ||
            !InstallPackage(root, next, kOldBuild + 1, metadata))
            return {};
        sync();
        double seconds = WatchUpgrade(root, home);
        StopClient(home);
        if (seconds < 0) {
            fprintf(stderr, "no upgrade seen:\n%s\n",
                    ReadText(home + "/.HalvoraBackup/log/launcher.log").c_str());
            return {};
        }
        FreshDir(out);
        Run tar = Spawn(runner, {"bsdtar", "-xf", root + "/package/halvora.hpk", "-C", out});
        if (!tar.ok)
            return {};
        upgrades.push_back(seconds);
        unpacks.push_back(tar.seconds);
        ratios.push_back(seconds / tar.seconds);
        if (getenv("BENCH_VERBOSE"))
            fprintf(stderr, "upgrade %.3f s, bsdtar -xf %.3f s\n", seconds, tar.seconds);
    }
    fs::remove_all(home);
    fs::remove_all(out);
    return {Median(upgrades), Median(unpacks), Median(ratios)};
}

// Each regular file of a tree: its inode and a hash of its content.
std::map<std::string, std::pair<ino_t, size_t>> FileIdentities(const std::string& dir)
{
    std::map<std::string, std::pair<ino_t, size_t>> files;
    std::error_code ec;
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(dir, ec)) {
        struct stat st;
        if (lstat(item.path().c_str(), &st) == 0 && S_ISREG(st.st_mode))
            files[item.path().lexically_relative(dir).string()] = {
                st.st_ino, std::hash<std::string>()(ReadText(item.path()))};
    }
    return files;
}

struct DiskFigures {
    double first = -1, first_ref = -1, first_ratio = -1;
    double upgrade = -1, upgrade_ref = -1, upgrade_ratio = -1;
    double whole = -1, whole_ratio = -1, proof = -1, proof_ratio = -1;
    double whole_cold = -1, cold_ref = -1, whole_cold_ratio = -1, proof_cold = -1,
           proof_cold_ratio = -1;
    double written_mb = -1, linked_share = -1;
    int unchanged = 0;
    std::vector<double> downtime_ratios, whole_ratios; // each repetition's
};

// Every cache of the file systems dropped, as after a reboot (root only).
bool DropCaches()
{
    sync();
    return WriteText("/proc/sys/vm/drop_caches", "3\n");
}

// bsdtar -xf into a fresh folder, then a sync of that file system; cold,
// with every cache dropped first.
Run UnpackAndSync(const std::string& runner, const std::string& package, const std::string& out,
                  bool cold = false)
{
    FreshDir(out);
    if (cold && !DropCaches())
        return Run();
    return Spawn(runner, {"sh", "-c", "bsdtar -xf \"$0\" -C \"$1\" && sync -f \"$1\"",
                          package, out});
}

// The seconds the last launcher spent proving the old copy's files by
// their content, from its log line (the staged levels log it); 0 for none.
double ProofSeconds(const std::string& home)
{
    std::string log = ReadText(home + "/.HalvoraBackup/log/launcher.log");
    size_t at = log.rfind("proved by their content");
    size_t in = at == std::string::npos ? at : log.find(") in ", at);
    return in == std::string::npos ? 0 : atof(log.c_str() + in + 5) / 1000;
}

struct DiskUpgrade {
    double downtime = -1, whole = -1, proof = 0;
    long long bytes = 0;
    int unchanged = 0, kept = 0;
};

// The old build's copy is installed in home: its client is started, the
// system INFO then names the next build, and the launcher upgrades; cold,
// with every cache dropped just before. Its files are compared with the
// old copy's: unchanged ones that kept their inode were linked.
DiskUpgrade UpgradeOnDisk(const std::string& runner, const std::string& root,
                          const std::string& home, const std::string& next, bool cold)
{
    DiskUpgrade u;
    setenv("HOME", home.c_str(), 1);
    if (!Spawn(runner, {root + "/bin/halvora-launcher"}).ok ||
        !InstallPackage(root, next, kOldBuild + 1, true))
        return u;
    auto before = FileIdentities(AppOf(home));
    sync();
    if (cold && !DropCaches()) {
        fprintf(stderr, "cannot drop the caches: the cold upgrade needs root\n");
        return u;
    }
    u.downtime = WatchUpgrade(root, home, &u.bytes, &u.whole);
    StopClient(home);
    u.proof = ProofSeconds(home);
    for (const auto& [path, identity] : FileIdentities(AppOf(home))) {
        auto old = before.find(path);
        if (old != before.end() && old->second.second == identity.second) {
            ++u.unchanged;
            u.kept += old->second.first == identity.first;
        }
    }
    return u;
}

struct DiskSamples {
    std::vector<double> first, first_ref, first_ratio, upgrade, upgrade_ref, upgrade_ratio;
    std::vector<double> whole, whole_ratio, proof, proof_ratio;
    std::vector<double> whole_cold, cold_ref, whole_cold_ratio, proof_cold, proof_cold_ratio;
    std::vector<double> written, linked;
    int unchanged = 0;
};

// One repetition: the first installation against bsdtar -xf + sync of the
// package, the upgrade warm against the same of the next package, then a
// fresh old copy upgraded cold against a cold bsdtar -xf + sync.
bool DiskRepetition(const std::string& runner, const std::string& root, const std::string& work,
                    const std::string& package, const std::string& next, DiskSamples& s)
{
    std::string home = work + "/disk-home", out = work + "/disk-out";
    std::string installed = root + "/package/halvora.hpk";
    if (!InstallPackage(root, package, kOldBuild, true))
        return false;
    Run run = FirstInstall(runner, root, home);
    Run tar = UnpackAndSync(runner, installed, out);
    if (!run.ok || !tar.ok)
        return false;
    DiskUpgrade warm = UpgradeOnDisk(runner, root, home, next, false);
    Run next_tar = UnpackAndSync(runner, installed, out);
    if (warm.downtime < 0 || warm.whole < 0 || !next_tar.ok ||
        !InstallPackage(root, package, kOldBuild, true) || !FirstInstall(runner, root, home).ok)
        return false;
    DiskUpgrade cold = UpgradeOnDisk(runner, root, home, next, true);
    Run cold_tar = UnpackAndSync(runner, installed, out, true);
    if (cold.whole < 0 || !cold_tar.ok)
        return false;
    double ref = next_tar.seconds;
    s.first.push_back(run.seconds);
    s.first_ref.push_back(tar.seconds);
    s.first_ratio.push_back(run.seconds / tar.seconds);
    s.upgrade.push_back(warm.downtime);
    s.upgrade_ref.push_back(ref);
    s.upgrade_ratio.push_back(warm.downtime / ref);
    s.whole.push_back(warm.whole);
    s.whole_ratio.push_back(warm.whole / ref);
    s.proof.push_back(warm.proof);
    s.proof_ratio.push_back(warm.proof / ref);
    s.whole_cold.push_back(cold.whole);
    s.cold_ref.push_back(cold_tar.seconds);
    s.whole_cold_ratio.push_back(cold.whole / cold_tar.seconds);
    s.proof_cold.push_back(cold.proof);
    s.proof_cold_ratio.push_back(cold.proof / cold_tar.seconds);
    s.written.push_back(warm.bytes / 1e6);
    s.linked.push_back(warm.unchanged ? 100.0 * warm.kept / warm.unchanged : 0);
    s.unchanged = warm.unchanged;
    if (getenv("BENCH_VERBOSE"))
        fprintf(stderr, "disk: first %.3f s (bsdtar+sync %.3f s), upgrade downtime %.3f s, whole "
                        "%.3f s, proof %.3f s (bsdtar+sync %.3f s), cold whole %.3f s, proof %.3f "
                        "s (bsdtar+sync %.3f s), %.1f MB written, %d of %d unchanged files "
                        "linked\n",
                run.seconds, tar.seconds, warm.downtime, warm.whole, warm.proof, ref, cold.whole,
                cold.proof, cold_tar.seconds, warm.bytes / 1e6, warm.kept, warm.unchanged);
    return true;
}

// On the disk's own file system (the work folder), not tmpfs: the first
// installation and the upgrade to the next build, each against bsdtar -xf +
// sync. Medians of the repetitions' figures and ratios.
DiskFigures OnDisk(const std::string& runner, const std::string& root, const std::string& work,
                   const std::string& package, const std::string& next, int reps)
{
    DiskSamples s;
    DiskFigures d;
    for (int i = 0; i < reps; ++i) {
        if (!DiskRepetition(runner, root, work, package, next, s))
            return d;
    }
    fs::remove_all(work + "/disk-home");
    fs::remove_all(work + "/disk-out");
    d.first = Median(s.first);
    d.first_ref = Median(s.first_ref);
    d.first_ratio = Median(s.first_ratio);
    d.upgrade = Median(s.upgrade);
    d.upgrade_ref = Median(s.upgrade_ref);
    d.upgrade_ratio = Median(s.upgrade_ratio);
    d.whole = Median(s.whole);
    d.whole_ratio = Median(s.whole_ratio);
    d.proof = Median(s.proof);
    d.proof_ratio = Median(s.proof_ratio);
    d.whole_cold = Median(s.whole_cold);
    d.cold_ref = Median(s.cold_ref);
    d.whole_cold_ratio = Median(s.whole_cold_ratio);
    d.proof_cold = Median(s.proof_cold);
    d.proof_cold_ratio = Median(s.proof_cold_ratio);
    d.written_mb = Median(s.written);
    d.linked_share = Median(s.linked);
    d.unchanged = s.unchanged;
    d.downtime_ratios = s.upgrade_ratio;
    d.whole_ratios = s.whole_ratio;
    return d;
}

void PrintRuns(const char* what, const std::vector<double>& ratios)
{
    printf("  %s of each run:", what);
    for (double ratio : ratios)
        printf(" %.3f", ratio);
    printf("\n");
}

void PrintDisk(const char* label, const DiskFigures& d, int reps)
{
    printf("\non the disk's file system (ext4 here), %s, median of %d; reference: bsdtar -xf + "
           "sync of the same package\n", label, reps);
    printf("first installation %.3f s, bsdtar+sync %.3f s, ratio %.2f (goal <= 1.0)\n", d.first,
           d.first_ref, d.first_ratio);
    printf("upgrade downtime   %.3f s, bsdtar+sync %.3f s, ratio %.3f (goal <= 0.10 in every "
           "run)\n",
           d.upgrade, d.upgrade_ref, d.upgrade_ratio);
    PrintRuns("downtime ratio", d.downtime_ratios);
    printf("whole upgrade warm %.3f s (launcher start to client start), ratio %.2f (goal <= "
           "0.30)\n",
           d.whole, d.whole_ratio);
    PrintRuns("whole upgrade ratio", d.whole_ratios);
    printf("  of it proving the old copy by content %.3f s, ratio %.3f\n", d.proof, d.proof_ratio);
    printf("whole upgrade cold %.3f s, bsdtar+sync cold %.3f s, ratio %.2f (caches dropped before "
           "each)\n", d.whole_cold, d.cold_ref, d.whole_cold_ratio);
    printf("  of it proving the old copy by content %.3f s, ratio %.3f\n", d.proof_cold,
           d.proof_cold_ratio);
    printf("upgrade wrote %.1f MB; %.1f %% of the %d unchanged files linked, not written "
           "(goal >= 90 %%)\n", d.written_mb, d.linked_share, d.unchanged);
}

std::string MakeTmpfsDir()
{
    std::string tmpl = std::string(kTmpfs) + "/halvora-install-bench-XXXXXX";
    std::vector<char> buffer(tmpl.begin(), tmpl.end());
    buffer.push_back('\0');
    return mkdtemp(buffer.data()) ? buffer.data() : "";
}

struct Row {
    const Format* format;
    Result result;
    Downtimes downtime;
    double digest = 0;
    double megabytes = 0;
};

void PrintTable(const std::vector<Row>& rows, const Result& base, int reps)
{
    printf("\nfirst installation, median of %d; reference: bsdtar -tf + bsdtar -xf, both onto "
           "tmpfs;\nratio: median of the repetitions' (each runs both)\n",
           reps);
    printf("%-17s %6s %9s %9s %6s %5s | %8s %8s | %7s\n", "format", "MB", "launcher",
           "bsdtar", "ratio", "goal", "launcher", "bsdtar", "xxh3");
    printf("%-17s %6s %9s %9s %6s %5s | %8s %8s | %7s\n", "", "", "s", "pair s", "", "",
           "+MB peak", "+MB peak", "ms");
    for (const Row& row : rows) {
        const Result& r = row.result;
        if (!r.ok) {
            printf("%-17s failed\n", row.format->label);
            continue;
        }
        printf("%-17s %6.1f %9.3f %9.3f %6.2f %5.2f | %8.1f %8.1f | %7.1f\n", row.format->label,
               row.megabytes, r.ours, r.pair, r.ratio, row.format->goal,
               (r.ours_kb - base.ours_kb) / 1024.0, (r.bsdtar_kb - base.bsdtar_kb) / 1024.0,
               row.digest * 1000);
    }
    printf("start-up footprint (a 3-entry package): launcher %.1f MB, bsdtar %.1f MB peak\n",
           base.ours_kb / 1024.0, base.bsdtar_kb / 1024.0);
    printf("\nupgrade downtime (old client's SIGTERM to the new client's start), median of %d;\n"
           "reference: one bsdtar -xf right after each upgrade; ratio: median of the pairs'; "
           "goal: ratio <= 1.0\n",
           reps);
    printf("%-17s %9s %9s %6s\n", "format", "downtime", "bsdtar", "ratio");
    for (const Row& row : rows) {
        if (row.result.ok && row.downtime.ratio >= 0)
            printf("%-17s %9.3f %9.3f %6.2f\n", row.format->label, row.downtime.upgrade,
                   row.downtime.unpack, row.downtime.ratio);
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string work = fs::absolute(argc > 1 ? argv[1] : "install-bench-work").string();
    int reps = argc > 2 ? atoi(argv[2]) : 5;
    // An optional third argument picks the formats whose label contains it.
    std::string only = argc > 3 ? argv[3] : "";
    fs::create_directories(work);
    std::string self = fs::read_symlink("/proc/self/exe").string();
    std::string runner = (fs::path(self).parent_path() / "measure_run").string();
    std::string tmp = MakeTmpfsDir();
    std::string root = tmp + "/Halvora";
    if (tmp.empty() || system(("cp -a '" + std::string(HALVORA_STAGE_DIR) + "' '" + root + "'")
                                  .c_str()) != 0) {
        fprintf(stderr, "cannot stage the installation on %s\n", kTmpfs);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::string tiny = work + "/tiny.tar.zst";
    Result base;
    if (!BuildTinyPackage(tiny) || !InstallPackage(root, tiny, 1, true)) {
        fprintf(stderr, "cannot make the start-up package\n");
        return 2;
    }
    base = Measure(runner, root, tmp, 1);

    std::vector<Row> rows;
    std::vector<std::pair<const char*, DiskFigures>> disks;
    bool all_ok = base.ok;
    for (const Format& format : kFormats) {
        if (!only.empty() && std::string(format.label).find(only) == std::string::npos)
            continue;
        std::string package = work + "/package-" + kPackageVersion + "." + format.file;
        if (!fs::exists(package)) {
            fprintf(stderr, "building %s ...\n", package.c_str());
            double start = Now();
            if (!BuildPackage(work, package, format.codec, format.copies))
                return 2;
            fprintf(stderr, "built in %.0f s\n", Now() - start);
        }
        std::string next = package + ".next";
        if (!fs::exists(next) && !PackWithTool(work, next, format.codec == Codec::Gzip ? "tar.gz"
                                                          : format.codec == Codec::Zstd ? "tar.zst"
                                                                                        : "tar.xz",
                                               kOldBuild + 1, format.copies))
            return 2;
        Row row{&format, {}, {}, 0, static_cast<double>(fs::file_size(package)) / 1e6};
        if (!InstallPackage(root, package, kOldBuild, format.metadata))
            return 2;
        DigestOf(root + "/package/halvora.hpk", row.digest);
        row.result = Measure(runner, root, tmp, reps);
        if (row.result.ok)
            row.downtime = Downtime(runner, root, tmp, package, next, format.metadata, reps);
        if (row.result.ok && format.codec == Codec::Zstd && format.metadata)
            disks.emplace_back(format.label, OnDisk(runner, root, work, package, next, reps));
        all_ok = all_ok && row.result.ok && row.downtime.ratio >= 0;
        fprintf(stderr, "%s: %s\n", format.label, row.result.ok ? "done" : "failed");
        rows.push_back(row);
    }
    PrintTable(rows, base, reps);
    for (const auto& [label, disk] : disks) {
        if (disk.first >= 0)
            PrintDisk(label, disk, reps);
    }
    // Same change, twice the package: the downtime should hardly grow.
    if (disks.size() == 2 && disks[0].second.upgrade > 0 && disks[1].second.upgrade > 0)
        printf("\ndowntime, package doubled: %.3f s against %.3f s, growth %.2f (goal <= 1.20)\n",
               disks[1].second.upgrade, disks[0].second.upgrade,
               disks[1].second.upgrade / disks[0].second.upgrade);
    fs::remove_all(tmp);
    return all_ok ? 0 : 1;
}
