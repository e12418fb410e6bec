// The upgrade as a transaction, over every state an installation can be
// found in and every kind of package: whatever happens, the user ends with
// the last complete copy or the new one, the client is stopped only for an
// upgrade that can land, started only from a complete copy, and no backup
// is left behind. Runs the launcher's steps as an unprivileged user on real
// trees (read-only folders included) and real archives.
#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <fcntl.h>
#include <unistd.h>
#include <xxhash.h>

#include "extractor.h"
#include "install-marker.h"
#include "installed-files-record.h"
#include "linux/client-process.h"
#include "linux/linux-service.h"
#include "loop-mount.h"
#include "package-file.h"
#include "test-archive.h"
#include "test-support.h"

using namespace testarchive;
using testsupport::TempDir;

namespace {

// Empty, Foreign (naming a folder of the user's) and NamesCopy are markers
// no launcher of ours leaves beside a backup: an older launcher's, one cut
// while written, one tampered with.
enum class Marker { Absent, Present, Empty, Foreign, NamesCopy };
enum class Copy { Complete, Partial, Absent };
// Beside the copy: a backup, nothing, or the new copy of an upgrade cut
// while it was being built (the client still running) or between the stop
// and the swap (complete, its unchanged files linked from the copy).
enum class Backup { Complete, Absent, NewCopyBeingBuilt, NewCopyBeforeSwap };
// After Good: packages refused before the stop, then one that unpacks well
// but holds no client.
enum class Package {
    Good, Damaged, TooBig, TarCut, MalformedGroup, ZeroSize, HugeSize, Empty, NoClient
};
// The record beside the copy: emptied by a power cut, or of more files than
// any package holds, in as many bytes as a record may have.
enum class Home { Writable, ReadOnly, EmptyRecord, RecordPastCap };
// Hidden: the pid file names a process of the user hidden from /proc under
// the client's name, which makes it the client.
enum class Client { None, Hidden };

const char* Name(Marker m)
{
    const char* names[] = {"NoMarker", "Marker", "EmptyMarker", "ForeignMarker", "MarkerNamingCopy"};
    return names[static_cast<int>(m)];
}
const char* Name(Copy c)
{
    return c == Copy::Complete ? "CompleteCopy" : c == Copy::Partial ? "PartialCopy" : "NoCopy";
}
const char* Name(Backup b)
{
    const char* names[] = {"Backup", "NoBackup", "NewCopyBeingBuilt", "NewCopyBeforeSwap"};
    return names[static_cast<int>(b)];
}
const char* Name(Package p)
{
    const char* names[] = {"Good",     "Damaged",  "TooBig", "TarCut",  "MalformedGroup",
                           "ZeroSize", "HugeSize", "Empty",  "NoClient"};
    return names[static_cast<int>(p)];
}

using State = std::tuple<Marker, Copy, Backup, Package, Home, Client>;

// A copy of the client as a package of the given build unpacks it, marked
// with where it came from; its start script records that it ran, and how
// many backups of an older copy were on disk at that moment and whether the
// home's install lock was held.
std::vector<Entry> ClientTree(const std::string& build, const std::string& origin)
{
    std::vector<Entry> entries = ClientPackage(build);
    for (Entry& e : entries) {
        if (e.path == "package/start-stop")
            e.data = "#!/bin/sh\necho " + origin + " >> \"$HOME/started\"\n"
                     "ls -d \"$HOME\"/.HalvoraBackup/Halvora.app_tmp* 2>/dev/null | wc -l "
                     "> \"$HOME/backups-at-start\"\n"
                     "{ flock -n \"$HOME/.HalvoraBackup/install.lock\" true && echo free || echo held; "
                     "} > \"$HOME/lock-at-start\"\n";
    }
    entries.push_back(File("origin", origin + "\n"));
    // A folder the package ships read-only, with something in it.
    entries.push_back(Dir("share/locked", 0555));
    entries.push_back(File("share/locked/data", "kept read-only"));
    return entries;
}

// What unpacking leaves when cut half-way: INFO, the client executable and
// its start script are there, the rest is not.
std::vector<Entry> PartialTree(const std::string& origin)
{
    std::vector<Entry> entries = ClientTree("1", origin);
    entries.resize(4);
    entries.push_back(File("origin", origin + "\n"));
    entries.push_back(Dir("share/locked", 0555));
    return entries;
}

// A throwaway home whose per-user folder the launcher's steps use, and the
// system installation around this test's executable.
class TransactionHome {
protected:
    void PrepareHome()
    {
        umask(022);
        setenv("HOME", home.path().c_str(), 1);
        user = home / ".HalvoraBackup";
        app = user + "/Halvora.app";
        log = testsupport::LogToFile(logs.path(), {"service_debug", "extractor_debug"});
        root = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..").toStdString();
        ASSERT_TRUE(testsupport::MakeDirs(root + "/package"));
        ASSERT_TRUE(testsupport::MakeDirs(user));
    }

    TempDir home{"transaction-home"};
    TempDir logs{"transaction-log"};
    std::string user, app, log, root;
};

class UpgradeTransactionTest : public ::testing::TestWithParam<State>, protected TransactionHome {
protected:
    void SetUp() override
    {
        std::tie(marker, copy, backup, package, home_state, client) = GetParam();
        ASSERT_NO_FATAL_FAILURE(PrepareHome());
        ASSERT_TRUE(testsupport::WriteFile(root + "/INFO", "[Version]\nbuild_version=2\n"));
        ASSERT_NO_FATAL_FAILURE(WritePackage());
        ASSERT_NO_FATAL_FAILURE(LayOutState());
        if (home_state == Home::EmptyRecord || home_state == Home::RecordPastCap) {
            ASSERT_TRUE(testsupport::WriteFile(InstalledFilesPath(app.c_str()).c_str(), RecordText()));
        }
        ASSERT_EQ(0, chmod(home.path().c_str(), 0755));
        ASSERT_EQ(0, system(("chown -R nobody '" + home.path() + "'").c_str()));
    }

    void WritePackage()
    {
        std::string path = root + "/package/halvora.hpk";
        std::vector<Entry> entries = ClientTree("2", "package");
        if (package == Package::TooBig)
            entries.push_back(Sparse("share/huge", int64_t(1) << 50));
        if (package == Package::NoClient)
            entries.erase(entries.begin() + 2);
        if (package == Package::TarCut)
            entries.resize(entries.size() / 2);
        if (package == Package::Empty)
            entries.clear();
        ASSERT_TRUE(WriteArchive(path, package == Package::TarCut ? Format::Tar : Format::TarGz,
                                 entries));
        std::string bytes = testsupport::ReadFile(path);
        if (package == Package::Damaged) {
            ASSERT_TRUE(testsupport::WriteFile(path, bytes.substr(0, bytes.size() * 3 / 4)));
        }
        // Cut where an entry ends: the end-of-archive marker and the
        // padding after it are gone, nothing else.
        if (package == Package::TarCut) {
            size_t end = bytes.find_last_not_of('\0') + 1;
            ASSERT_TRUE(testsupport::WriteFile(path, bytes.substr(0, (end + 511) / 512 * 512)));
        }
        ASSERT_NO_FATAL_FAILURE(DescribePackage(path, static_cast<int>(entries.size())));
    }

    // The packer's group "Package", true but for the figure the row spoils.
    void DescribePackage(const std::string& path, int entries)
    {
        const char* size = package == Package::ZeroSize   ? "0"
                           : package == Package::HugeSize ? "9000000000000000000"
                                                          : nullptr;
        if (!size && package != Package::MalformedGroup)
            return;
        PackageFile file;
        ASSERT_EQ(0, file.Open(path.c_str()));
        PackageDigest digest;
        std::string error;
        ASSERT_EQ(0, DigestPackage(file, digest, error));
        std::string checksum = FormatDigest(digest);
        if (package == Package::MalformedGroup)
            checksum.pop_back();
        ASSERT_TRUE(testsupport::WriteFile(
            root + "/INFO", "[Version]\nbuild_version=2\n[Package]\nentries=" +
                                std::to_string(entries) + "\nunpacked_size=" +
                                (size ? size : "5000") + "\nxxh3_128=" + checksum + "\n"));
    }

    // Unpacks a tree the way the launcher would have left it.
    void Lay(const std::vector<Entry>& entries, const std::string& dir)
    {
        std::string archive = logs / "tree.tar";
        ASSERT_TRUE(WriteArchive(archive, Format::Tar, entries));
        Extractor extractor;
        extractor.SetSource(archive.c_str());
        extractor.SetTarget(dir.c_str());
        ASSERT_EQ(0, extractor.Extract());
    }

    void LayOutState()
    {
        if (copy == Copy::Complete)
            Lay(ClientTree("1", "copy"), app);
        if (copy == Copy::Partial)
            Lay(PartialTree("partial"), app);
        if (backup == Backup::Complete)
            Lay(ClientTree("1", "backup"), app + "_tmp");
        if (backup == Backup::NewCopyBeingBuilt)
            Lay(PartialTree("new"), app + "_tmp");
        if (backup == Backup::NewCopyBeforeSwap) {
            Lay(ClientTree("2", "new"), app + "_tmp");
            std::string linked = app + "_tmp/lib/libhalvora.so.1";
            ASSERT_EQ(0, unlink(linked.c_str()));
            ASSERT_EQ(0, link((app + "/lib/libhalvora.so.1").c_str(), linked.c_str()));
        }
        // The marker names the backup the old copy was (about to be) moved
        // to; a first installation has none to name.
        bool names_backup = backup == Backup::Complete || copy == Copy::Complete;
        if (marker == Marker::Present) {
            ASSERT_EQ(0, MarkInstallationUnderway(app.c_str(),
                                                  names_backup ? "Halvora.app_tmp" : ""));
        }
        ASSERT_TRUE(testsupport::MakeDirs(user + "/data"));
        ASSERT_TRUE(testsupport::WriteFile(user + "/data/backup-set", "the user's"));
        std::string text = marker == Marker::Foreign     ? "installation under way\ncomplete=data\n"
                           : marker == Marker::NamesCopy ? "installation under way\ncomplete=Halvora.app\n"
                                                         : "";
        if (marker == Marker::Empty || !text.empty()) {
            ASSERT_TRUE(testsupport::WriteFile(InstallMarkerPath(app.c_str()).c_str(), text));
        }
    }

    // 1.3 million short lines fill the 64 MiB a record may have.
    std::string RecordText() const
    {
        if (home_state != Home::RecordPastCap)
            return "";
        std::string text = "halvora installed files 2 1 0\n";
        const std::string fields = "0 0 0 0 0 0 " + std::string(32, 'a') + " ";
        for (unsigned n = 0; text.size() + 64 < (64u << 20); ++n)
            text += fields + std::to_string(n) + "\n";
        return text;
    }

    // Which copy the user must end with, by the rules of the transaction: a
    // marker names the last complete copy (the backup if it is there, else
    // the copy never moved); without one, or with one that names nothing the
    // launcher made, the copy in place counts as it is.
    std::string LastCompleteCopy() const
    {
        if (marker == Marker::Present) {
            if (backup == Backup::Complete)
                return "backup";
            return copy == Copy::Complete ? "copy" : "";
        }
        return copy == Copy::Complete ? "copy" : copy == Copy::Partial ? "partial" : "";
    }

    std::string Origin() const
    {
        if (!testsupport::Exists(app + "/origin"))
            return testsupport::Exists(app) ? "?" : "";
        std::string text = testsupport::ReadFile(app + "/origin");
        return text.substr(0, text.size() - 1);
    }

    // What the upgrade does: lands, or is refused before the client is
    // stopped, or fails after (a copy without the client).
    bool Lands() const
    {
        return package == Package::Good && home_state != Home::ReadOnly;
    }
    bool PassesChecks() const
    {
        return Lands() || (package == Package::NoClient && home_state != Home::ReadOnly);
    }

    Marker marker;
    Copy copy;
    Backup backup;
    Package package;
    Home home_state;
    Client client;
};

// Records whether the client was asked to stop, then stops it for real;
// at_stop, if set, runs first (after the checks before the stop).
class RecordingService : public LinuxService {
public:
    // The stand-in scripts start no client: one look is enough.
    RecordingService() { client_start_wait_ms = 0; }
    void StopService() override
    {
        stopped = true;
        if (at_stop)
            at_stop();
        LinuxService::StopService();
    }
    bool stopped = false;
    std::function<void()> at_stop;
};

long StatusKb(const char* field)
{
    std::string status = testsupport::ReadFile("/proc/self/status");
    size_t at = status.find(field);
    return at == std::string::npos ? -1 : atol(status.c_str() + at + strlen(field));
}

// The peak memory is counted from what the process holds now on (a process
// that changed its user must be dumpable to write its own /proc files).
long ResetPeakKb()
{
    prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);
    return testsupport::WriteFile("/proc/self/clear_refs", "5") ? StatusKb("VmRSS:") : -1;
}

// The worker's sequence of steps; 1 in the exit code when a stop was asked,
// 2 when a process the pid file named did not survive it, 4 when the steps
// took more than 64 MiB of memory at their peak.
int RunLauncherSteps(Client client, const std::string& user,
                     const std::function<void()>& at_stop = nullptr)
{
    pid_t other = 0;
    if (client == Client::Hidden) {
        other = testsupport::StartNonDumpable();
        testsupport::WriteFile(user + "/ui.pid", "pid=" + std::to_string(other) + "\n");
    }
    long before = ResetPeakKb();
    RecordingService service;
    service.at_stop = at_stop;
    service.PreUpgrade();
    if (service.IsNeedUpgrade())
        service.HandlePackageUpgrade();
    service.RemoveAgedFolders();
    service.PostUpgrade();
    bool survived = other == 0 || !HasProcessEnded(other);
    if (other > 0)
        kill(other, SIGKILL);
    bool bounded = before > 0 && StatusKb("VmHWM:") - before <= 64 * 1024;
    return (service.stopped ? 1 : 0) + (survived ? 0 : 2) + (bounded ? 0 : 4);
}

TEST_P(UpgradeTransactionTest, EndsWithACompleteCopy)
{
    if (home_state == Home::ReadOnly) {
        ASSERT_EQ(0, chmod(user.c_str(), 0555));
    }
    int code = testsupport::RunAsNobody([this] { return RunLauncherSteps(client, user); });
    EXPECT_EQ(0, code & 4) << "the steps took more than 64 MiB at their peak";
    int stopped = code & 1;
    EXPECT_EQ(client == Client::Hidden && PassesChecks(), (code & 2) != 0) << code;
    ASSERT_EQ(0, chmod(user.c_str(), 0755));

    std::string last = LastCompleteCopy();
    bool lands = Lands();
    std::string expected = lands ? "package" : last;
    EXPECT_EQ(expected, Origin()) << testsupport::ReadFile(log);
    if (lands) {
        EXPECT_EQ(Expected(ClientTree("2", "package")), Snapshot(app));
    }
    // Only an upgrade that passed its checks may stop a client, whether or
    // not a copy is there: a client may run on from a deleted one.
    EXPECT_EQ(PassesChecks(), stopped == 1);
    std::string started = expected.empty() ? "" : expected + "\n";
    EXPECT_EQ(started, testsupport::Exists(home / "started") ? testsupport::ReadFile(home / "started")
                                                             : "");
    if (expected.empty()) {
        EXPECT_NE(std::string::npos, testsupport::ReadFile(log).find("no complete copy"));
    }
    EXPECT_EQ("the user's", testsupport::ReadFile(user + "/data/backup-set"));
    const char* why = home_state == Home::EmptyRecord     ? "it is empty"
                      : home_state == Home::RecordPastCap ? "it holds more files than any package"
                                                          : nullptr;
    if (why) {
        EXPECT_EQ(1, testsupport::CountLines(log, "\\[WARNING\\] .*Halvora.app.files' cannot serve \\(" +
                                                      std::string(why) + "\\), nothing is linked"));
    }
    // Refused before the unpack, with the line the unpack gave it as well.
    if (package == Package::Empty) {
        EXPECT_EQ(1, testsupport::CountLines(log, "Failed to calculate total file numbers, ret: 0$"));
    }
    // The copy an upgrade replaced is removed only after the new client
    // started, so that its removal costs the user no time without one.
    if (!started.empty()) {
        bool replaced_a_copy = lands && !last.empty();
        EXPECT_EQ(replaced_a_copy ? "1\n" : "0\n",
                  testsupport::ReadFile(home / "backups-at-start"));
        EXPECT_EQ("held\n", testsupport::ReadFile(home / "lock-at-start"));
    }
    for (const char* leftover : {"_tmp", "_tmp1", "_tmp2"})
        EXPECT_FALSE(testsupport::Exists(app + leftover)) << leftover;
    // A file the cut new copy shared with the copy kept is the copy's alone.
    if (backup == Backup::NewCopyBeforeSwap && !lands) {
        struct stat st = {};
        EXPECT_EQ(0, lstat((app + "/lib/libhalvora.so.1").c_str(), &st));
        EXPECT_EQ(1u, st.st_nlink);
    }
    EXPECT_FALSE(testsupport::Exists(InstallMarkerPath(app.c_str()).c_str()));
}

std::string RowName(const ::testing::TestParamInfo<State>& info)
{
    const State& s = info.param;
    std::string name = std::string(Name(std::get<0>(s))) + Name(std::get<1>(s)) +
                       Name(std::get<2>(s)) + Name(std::get<3>(s));
    const char* homes[] = {"", "ReadOnlyHome", "EmptyRecord", "RecordPastCap"};
    name += homes[static_cast<int>(std::get<4>(s))];
    if (std::get<5>(s) == Client::Hidden)
        name += "HiddenClient";
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    StatesAndPackages, UpgradeTransactionTest,
    ::testing::Combine(::testing::Values(Marker::Absent, Marker::Present),
                       ::testing::Values(Copy::Complete, Copy::Partial, Copy::Absent),
                       ::testing::Values(Backup::Complete, Backup::Absent),
                       ::testing::Values(Package::Good, Package::Damaged, Package::TooBig),
                       ::testing::Values(Home::Writable), ::testing::Values(Client::None)),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    MarkersWithoutRecord, UpgradeTransactionTest,
    ::testing::Combine(::testing::Values(Marker::Empty, Marker::Foreign, Marker::NamesCopy),
                       ::testing::Values(Copy::Complete, Copy::Partial, Copy::Absent),
                       ::testing::Values(Backup::Absent),
                       ::testing::Values(Package::Good, Package::Damaged),
                       ::testing::Values(Home::Writable), ::testing::Values(Client::None)),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    PackagesThatMustNotLand, UpgradeTransactionTest,
    ::testing::Combine(::testing::Values(Marker::Absent, Marker::Present),
                       ::testing::Values(Copy::Complete), ::testing::Values(Backup::Absent),
                       ::testing::Values(Package::TarCut, Package::MalformedGroup,
                                         Package::ZeroSize, Package::HugeSize, Package::Empty,
                                         Package::NoClient),
                       ::testing::Values(Home::Writable), ::testing::Values(Client::None)),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    HomesAndClients, UpgradeTransactionTest,
    ::testing::Values(State{Marker::Absent, Copy::Complete, Backup::Absent, Package::Good,
                            Home::ReadOnly, Client::None},
                      State{Marker::Absent, Copy::Complete, Backup::Absent, Package::Good,
                            Home::Writable, Client::Hidden},
                      State{Marker::Absent, Copy::Complete, Backup::Absent, Package::Good,
                            Home::EmptyRecord, Client::None},
                      State{Marker::Absent, Copy::Complete, Backup::Absent, Package::Good,
                            Home::RecordPastCap, Client::None}),
    RowName);

// An upgrade cut while it built the new copy beside the running client, or
// between the stop and the swap: its marker names the copy in place.
INSTANTIATE_TEST_SUITE_P(
    CutNewCopies, UpgradeTransactionTest,
    ::testing::Combine(::testing::Values(Marker::NamesCopy), ::testing::Values(Copy::Complete),
                       ::testing::Values(Backup::NewCopyBeingBuilt, Backup::NewCopyBeforeSwap),
                       ::testing::Values(Package::Good, Package::Damaged),
                       ::testing::Values(Home::Writable), ::testing::Values(Client::None)),
    RowName);

} // namespace

namespace {

// Upgrades that link the old copy's unchanged files: which are linked (the
// inode survives), and that the copy is the package's all the same.
enum class Change {
    None, UserEdit, ModeChange, NoChecksums, LyingChecksum, ClientEditsAtStart,
    HardLinkWithData, SecondEntry, StrictUmask, LeadingBlank, DamagedOnDisk, EditedAfterHash,
    EditedAfterHashInReadOnlyFolder, MappedWritable, AliasedRecord, WrittenByAnotherProcess,
    ChmodAfterLink, ManyFiles, ManyFilesFewDescriptors
};

// Where ~/.HalvoraBackup lives: beside the home, or on a file system of
// its own that it links to.
enum class Disk { Plain, WholeSeconds, Bindfs, Ext4 };

struct ReuseCase {
    const char* name;
    Change change;
    bool kept_linked; // the file kept between builds is linked
    Disk disk = Disk::Plain;
};

void PrintTo(const ReuseCase& c, std::ostream* os) { *os << c.name; }

std::string Checksum(const std::string& content)
{
    XXH128_hash_t hash = XXH3_128bits(content.data(), content.size());
    return FormatDigest(PackageDigest{hash.high64, hash.low64});
}

// The file that is the same in every build.
std::string KeptPath(Change change)
{
    return change == Change::LeadingBlank ? "  a" : "share/a";
}

// Build 1 holds the kept file, b and c; build 2 keeps the first, changes b,
// drops c and adds d; build 3 is build 2 again, honest. Each file's header
// gives its checksum, as the packer writes it.
std::vector<Entry> Build(int build, Change change)
{
    std::vector<Entry> entries = ClientTree(std::to_string(build), "build" + std::to_string(build));
    for (Entry& e : entries) {
        // The client changes one of its files in place when it first starts.
        if (change == Change::ClientEditsAtStart && build == 1 && e.path == "package/start-stop")
            e.data += "printf X | dd of=\"$HOME/.HalvoraBackup/Halvora.app/share/a\" bs=1 "
                      "seek=100 conv=notrunc 2>/dev/null\n";
    }
    entries.push_back(File(KeptPath(change), PseudoRandom(50000, 1),
                           change == Change::ModeChange && build == 2 ? 0755 : 0644));
    entries.push_back(File("share/b", PseudoRandom(4000, build)));
    // Enough unchanged files in two folders for the links to be shared out.
    bool many = change == Change::ManyFiles || change == Change::ManyFilesFewDescriptors;
    for (int i = 0; many && i < 400; ++i)
        entries.push_back(File("share/m" + std::to_string(i % 2) + "/f" + std::to_string(i),
                               PseudoRandom(100, i)));
    entries.push_back(File(build == 1 ? "share/c" : "share/d", "only in build " + std::to_string(build)));
    // A second entry of the kept file's path, whose bytes are what the
    // disk holds after the upgrade.
    if (build == 2 && change == Change::SecondEntry)
        entries.push_back(File("./share/a", PseudoRandom(50000, 9)));
    for (Entry& e : entries) {
        if (e.kind == Kind::File && !(change == Change::NoChecksums && build == 2) &&
            !(change == Change::SecondEntry && e.path == "./share/a"))
            e.digest = Checksum(e.data);
    }
    if (change == Change::LyingChecksum && build == 2)
        entries.back().digest = Checksum("something else");
    // Written as a plain file, to be turned into a hard link of the kept
    // file that carries data of its own.
    if (change == Change::HardLinkWithData && build == 2)
        entries.push_back(File("share/a-link", "XYZ"));
    return entries;
}

// Turns the ustar header of `path` into a hard link to `original` that
// keeps its size and data, as a pax archive may.
bool MakeHardLinkWithData(const std::string& tar, const std::string& path, const std::string& original)
{
    std::string bytes = testsupport::ReadFile(tar);
    for (size_t at = 0; at + 512 <= bytes.size(); at += 512) {
        if (bytes.compare(at, path.size() + 1, path + '\0') != 0 ||
            bytes.compare(at + 257, 5, "ustar") != 0)
            continue;
        bytes[at + 156] = '1';
        bytes.replace(at + 157, original.size(), original);
        SetUstarChecksum(bytes, at);
        return testsupport::WriteFile(tar, bytes);
    }
    return false;
}

// What the disk holds of a package that gives a path twice: the last entry.
std::vector<Entry> LastEntryOfEachPath(std::vector<Entry> entries)
{
    std::vector<Entry> last;
    for (Entry& e : entries) {
        if (e.path.compare(0, 2, "./") == 0)
            e.path = e.path.substr(2);
        for (auto it = last.begin(); it != last.end();) {
            it = it->path == e.path ? last.erase(it) : it + 1;
        }
        last.push_back(e);
    }
    return last;
}

// Edited in place, then its size and modification time put back: only the
// change time tells.
void EditKeepingSizeAndTime(const std::string& path)
{
    struct stat before = {};
    lstat(path.c_str(), &before);
    std::string edited = testsupport::ReadFile(path);
    edited[std::min<size_t>(100, edited.size() - 1)] ^= 1;
    testsupport::WriteFile(path, edited);
    timespec times[2] = {before.st_atim, before.st_mtim};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// A home owned by the unprivileged user, installed into build by build.
class UpgradeHome : protected TransactionHome {
protected:
    void PrepareUserHome(mode_t mask)
    {
        ASSERT_NO_FATAL_FAILURE(PrepareHome());
        umask(mask);
        ASSERT_EQ(0, chmod(home.path().c_str(), 0755));
        ASSERT_EQ(0, system(("chown -R nobody '" + home.path() + "'").c_str()));
    }

    // The launcher's steps for a package of build, within a time bound: a
    // step that blocks fails the row instead of holding the suite.
    void Install(int build, Change change)
    {
        std::string package = root + "/package/halvora.hpk";
        ASSERT_TRUE(testsupport::WriteFile(root + "/INFO", "[Version]\nbuild_version=" +
                                                               std::to_string(build) + "\n"));
        bool crafted = change == Change::HardLinkWithData && build == 2;
        ASSERT_TRUE(WriteArchive(package, crafted ? Format::Tar : Format::TarGz, Build(build, change)));
        if (crafted) {
            ASSERT_TRUE(MakeHardLinkWithData(package, "share/a-link", "share/a"));
        }
        if (change == Change::AliasedRecord && build == 2) {
            ASSERT_NO_FATAL_FAILURE(DescribeAndAlias(package, Build(build, change)));
        }
        // Edited once the upgrade has hashed the old copy and built the new
        // one, before the stop.
        std::function<void()> at_stop;
        if (change == Change::EditedAfterHash && build == 2)
            at_stop = [this] { EditKeepingSizeAndTime(app + "/share/a"); };
        if (change == Change::EditedAfterHashInReadOnlyFolder && build == 2)
            at_stop = [this] { EditKeepingSizeAndTime(app + "/share/locked/data"); };
        // Once linked into the new copy and held: another process's write
        // must neither wait for the launcher nor reach the new copy, and a
        // mode change (which no lease sees) must not either.
        if (change == Change::WrittenByAnotherProcess && build == 2)
            at_stop = [this] { EXPECT_EQ(0, WriteInAnotherProcess(app + "/share/a")); };
        if (change == Change::ChmodAfterLink && build == 2)
            at_stop = [this] { EXPECT_EQ(0, chmod((app + "/share/a").c_str(), 0600)); };
        bool mapped = change == Change::MappedWritable && build == 2;
        // Too few descriptors to hold every file until the stop: the rest
        // are linked after it.
        rlim_t descriptors = change == Change::ManyFilesFewDescriptors && build == 2 ? 640 : 0;
        ASSERT_EQ(0, testsupport::RunAsNobody([this, &at_stop, mapped, descriptors] {
            alarm(60);
            struct rlimit few = {descriptors, descriptors};
            if (descriptors != 0 && setrlimit(RLIMIT_NOFILE, &few) != 0)
                return 2;
            pid_t mapper = mapped ? MapWritableShared(app + "/share/a") : 0;
            int code = mapper < 0 ? 2 : RunLauncherSteps(Client::None, user, at_stop) & 2;
            if (mapper > 0)
                kill(mapper, SIGKILL);
            return code;
        }));
    }

    // A process of the user that edits path in place; its exit status, or
    // -1 when it was kept waiting (for a lease nobody ends) or failed.
    static int WriteInAnotherProcess(const std::string& path)
    {
        pid_t pid = fork();
        if (pid == 0) {
            alarm(10);
            EditKeepingSizeAndTime(path);
            _exit(0);
        }
        int status = 0;
        return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)
                   ? WEXITSTATUS(status)
                   : -1;
    }

    // A process of the user that maps path writable and shared, and keeps it
    // mapped until it is killed; -1 when it could not.
    static pid_t MapWritableShared(const std::string& path)
    {
        int ready[2];
        if (pipe(ready) != 0)
            return -1;
        pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);
            int fd = open(path.c_str(), O_RDWR);
            void* map = fd < 0 ? MAP_FAILED
                               : mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
            if (map == MAP_FAILED || write(ready[1], "x", 1) != 1)
                _exit(1);
            pause();
            _exit(0);
        }
        char byte;
        bool ok = pid > 0 && read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        close(ready[1]);
        return ok ? pid : -1;
    }

    // The package described by its INFO, so that no header is read before
    // the proof and every recorded name is tried; the record names share/a
    // three more times, by aliases.
    void DescribeAndAlias(const std::string& package, const std::vector<Entry>& entries)
    {
        int64_t bytes = 0;
        for (const Entry& e : entries)
            bytes += e.kind == Kind::File ? static_cast<int64_t>(e.data.size()) : 0;
        PackageFile file;
        ASSERT_EQ(0, file.Open(package.c_str()));
        PackageDigest digest;
        std::string error;
        ASSERT_EQ(0, DigestPackage(file, digest, error));
        ASSERT_TRUE(testsupport::WriteFile(
            root + "/INFO", "[Version]\nbuild_version=2\n[Package]\nentries=" +
                                std::to_string(entries.size()) + "\nunpacked_size=" +
                                std::to_string(bytes) + "\nxxh3_128=" + FormatDigest(digest) +
                                "\n"));
        std::string record_path = InstalledFilesPath(app.c_str()).c_str();
        std::string record = testsupport::ReadFile(record_path);
        recorded = testsupport::SplitLines(record).size() - 1;
        size_t at = record.find(" share/a\n");
        ASSERT_NE(std::string::npos, at);
        std::string fields = record.substr(record.rfind('\n', at) + 1, at - record.rfind('\n', at));
        for (const char* alias : {"./share/a", ".//share/a", "share//a"})
            record += fields + alias + "\n";
        ASSERT_TRUE(testsupport::WriteFile(record_path, record));
    }

    size_t recorded = 0;

    struct stat Stat(const std::string& path)
    {
        struct stat st = {};
        EXPECT_EQ(0, lstat((app + "/" + path).c_str(), &st)) << path;
        return st;
    }
};

class LinkUnchangedTest : public ::testing::TestWithParam<ReuseCase>, protected UpgradeHome {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PrepareUserHome(GetParam().change == Change::StrictUmask ? 077 : 022));
        if (GetParam().disk != Disk::Plain) {
            ASSERT_NO_FATAL_FAILURE(PutUserFolderOnItsOwnDisk(GetParam().disk));
        }
    }

    // A file system of whole seconds (ext4 with 128-byte inodes), or one a
    // user-space daemon serves (bindfs, with its attribute cache).
    void PutUserFolderOnItsOwnDisk(Disk disk)
    {
        std::vector<std::string> options = {"-b", "4096"};
        if (disk == Disk::WholeSeconds)
            options = {"-I", "128"};
        testsupport::MountKind kind = disk == Disk::Bindfs ? testsupport::MountKind::BindfsExt4
                                                           : testsupport::MountKind::Ext4;
        std::string why = mount.Make(kind, 64 << 20, testsupport::NobodyUid(), options);
        if (!why.empty()) {
            GTEST_SKIP() << why;
        }
        ASSERT_EQ(0, rmdir(user.c_str()));
        ASSERT_EQ(0, symlink(mount.Folder().c_str(), user.c_str()));
        ASSERT_EQ(0, lchown(user.c_str(), testsupport::NobodyUid(), static_cast<gid_t>(-1)));
    }

    testsupport::LoopMount mount;
    void TearDown() override { umask(022); }

    void Install(int build) { UpgradeHome::Install(build, GetParam().change); }
};

TEST_P(LinkUnchangedTest, LinksOnlyWhatIsUnchangedAndEndsWithThePackage)
{
    const ReuseCase& c = GetParam();
    const std::string kept = KeptPath(c.change);
    ASSERT_NO_FATAL_FAILURE(Install(1));
    Tree old_copy = Snapshot(app);
    ino_t a = Stat(kept).st_ino;
    ino_t b = Stat("share/b").st_ino;
    std::vector<ino_t> many;
    bool many_files = c.change == Change::ManyFiles || c.change == Change::ManyFilesFewDescriptors;
    for (int i = 0; many_files && i < 400; ++i)
        many.push_back(Stat("share/m" + std::to_string(i % 2) + "/f" + std::to_string(i)).st_ino);
    if (c.disk == Disk::WholeSeconds) {
        EXPECT_EQ(0, Stat(kept).st_ctim.tv_nsec) << "not a disk of whole seconds";
    }
    if (c.change == Change::UserEdit)
        EditKeepingSizeAndTime(app + "/share/a");
    // Bytes a failing disk changed: inode, size and change time as recorded.
    if (c.change == Change::DamagedOnDisk) {
        ASSERT_EQ("", mount.DamageFile("Halvora.app/share/a", "damaged"));
    }

    ASSERT_NO_FATAL_FAILURE(Install(2));

    if (c.change == Change::LyingChecksum || c.change == Change::HardLinkWithData) {
        // Failed after share/a was linked: the old copy is back, whole, its
        // file with one link again, and still recorded for the next upgrade.
        EXPECT_EQ(old_copy, Snapshot(app)) << testsupport::ReadFile(log);
        EXPECT_EQ(a, Stat("share/a").st_ino);
        EXPECT_EQ(1u, Stat("share/a").st_nlink);
        const char* line = c.change == Change::LyingChecksum
                               ? "does not match the checksum its entry gives"
                               : "a hard link that carries data";
        EXPECT_EQ(1, testsupport::CountLines(log, line));
        ASSERT_NO_FATAL_FAILURE(Install(3));
        EXPECT_EQ(a, Stat("share/a").st_ino) << testsupport::ReadFile(log);
        return;
    }
    // Each recorded file is tried, and read, once whatever names it.
    if (c.change == Change::AliasedRecord) {
        EXPECT_EQ(1, testsupport::CountLines(log, " of " + std::to_string(recorded) +
                                                      " files of .* proved by their content"))
            << testsupport::ReadFile(log);
    }
    if (c.change == Change::StrictUmask) {
        // Every file is the owner's alone; the record still links.
        EXPECT_EQ(PseudoRandom(4000, 2), testsupport::ReadFile(app + "/share/b"));
        EXPECT_EQ(0600u, Stat("share/b").st_mode & 07777);
    } else {
        EXPECT_EQ(Expected(LastEntryOfEachPath(Build(2, c.change))), Snapshot(app))
            << testsupport::ReadFile(log);
    }
    EXPECT_EQ(c.kept_linked, a == Stat(kept).st_ino);
    if (many_files) {
        const char* after = c.change == Change::ManyFiles ? ", 0 to link after it"
                                                          : ", [1-9][0-9]* to link after it";
        EXPECT_EQ(1, testsupport::CountLines(log, after)) << testsupport::ReadFile(log);
    }
    for (size_t i = 0; i < many.size(); ++i)
        EXPECT_EQ(many[i], Stat("share/m" + std::to_string(i % 2) + "/f" + std::to_string(i)).st_ino);
    EXPECT_NE(b, Stat("share/b").st_ino);
    EXPECT_EQ(1u, Stat(kept).st_nlink);
    // syncfs does not reach a disk that a daemon serves: each file is
    // flushed, the upgrade's before the stop and its folders again after.
    if (c.disk == Disk::Bindfs) {
        EXPECT_EQ(3, testsupport::CountLines(log, "is on a user-space file system, flushing each"));
    }
    // Recorded for the next upgrade, as far as the package gave checksums.
    EXPECT_EQ(c.change != Change::NoChecksums,
              testsupport::Exists(InstalledFilesPath(app.c_str()).c_str()));
    // The kept file is recorded by the inode it now has, linked or written
    // again after the stop (a last entry without a checksum is not recorded).
    if (c.change != Change::NoChecksums && c.change != Change::SecondEntry) {
        std::string path = InstalledFilesPath(app.c_str()).c_str();
        std::string record = "\n" + testsupport::ReadFile(path);
        size_t end = record.find(" " + kept + "\n");
        ASSERT_NE(std::string::npos, end) << record;
        size_t start = record.rfind('\n', end) + 1;
        EXPECT_EQ(std::to_string(Stat(kept).st_ino),
                  record.substr(start, record.find(' ', start) - start));
    }
    // The record holds what the disk holds: an honest package of the first
    // bytes again gets them, whatever a second entry left.
    if (c.change == Change::SecondEntry) {
        ASSERT_NO_FATAL_FAILURE(Install(3));
        EXPECT_EQ(Expected(Build(3, c.change)), Snapshot(app)) << testsupport::ReadFile(log);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Upgrades, LinkUnchangedTest,
    ::testing::Values(ReuseCase{"UnchangedChangedAddedRemoved", Change::None, true},
                      ReuseCase{"EditedWithSizeAndTimePutBack", Change::UserEdit, false},
                      ReuseCase{"ModeChangedBetweenBuilds", Change::ModeChange, false},
                      ReuseCase{"PackageWithoutChecksums", Change::NoChecksums, false},
                      ReuseCase{"FailsAfterLinking", Change::LyingChecksum, true},
                      ReuseCase{"ClientEditsAFileAtItsFirstStart", Change::ClientEditsAtStart, false},
                      ReuseCase{"HardLinkCarryingDataIsRefused", Change::HardLinkWithData, true},
                      ReuseCase{"SecondEntryOfAPathWithoutChecksum", Change::SecondEntry, false},
                      ReuseCase{"StrictUmask", Change::StrictUmask, true},
                      ReuseCase{"NameWithLeadingBlanks", Change::LeadingBlank, true},
                      // Change times of whole seconds prove nothing: an
                      // unchanged file is linked once its content matches,
                      // an edit made in the second of the record is seen.
                      ReuseCase{"WholeSecondsUnchanged", Change::None, true, Disk::WholeSeconds},
                      ReuseCase{"WholeSecondsClientEditsAtStart", Change::ClientEditsAtStart, false,
                                Disk::WholeSeconds},
                      ReuseCase{"BindfsUnchanged", Change::None, true, Disk::Bindfs},
                      // Only the content proves a file: bytes damaged under
                      // its record, an edit between the hash and the link.
                      ReuseCase{"DamagedOnDiskUnderAnUnchangedChangeTime", Change::DamagedOnDisk,
                                false, Disk::Ext4},
                      ReuseCase{"EditedAfterTheHashBeforeTheStop", Change::EditedAfterHash, false},
                      // Written again from the package into a folder it
                      // ships read-only.
                      ReuseCase{"EditedAfterTheHashInAReadOnlyFolder",
                                Change::EditedAfterHashInReadOnlyFolder, true},
                      // A write through the mapping moves no change time.
                      ReuseCase{"MappedWritableAndSharedAtTheStop", Change::MappedWritable, false},
                      ReuseCase{"RecordNamingAFileByAliases", Change::AliasedRecord, true},
                      ReuseCase{"WrittenByAnotherProcessAfterItsLink",
                                Change::WrittenByAnotherProcess, false},
                      ReuseCase{"ModeChangedAfterItsLink", Change::ChmodAfterLink, false},
                      ReuseCase{"ManyFilesInTwoFolders", Change::ManyFiles, true},
                      ReuseCase{"ManyFilesFewDescriptors", Change::ManyFilesFewDescriptors, true}),
    [](const ::testing::TestParamInfo<ReuseCase>& info) { return info.param.name; });

// Names of the launcher's own, and the temporary names it writes through:
// whatever a user left there (a FIFO, a link to a device, a folder) neither
// blocks the launcher nor keeps the upgrade from landing.
enum class Intruder { Fifo, DeviceLink, Folder };

struct OwnNameCase {
    const char* name; // beside the copy
    Intruder intruder;
};

void PrintTo(const OwnNameCase& c, std::ostream* os) { *os << c.name; }

class OwnNameTest : public ::testing::TestWithParam<OwnNameCase>, protected UpgradeHome {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(PrepareUserHome(022)); }

    void PutIntruder(const std::string& path)
    {
        ASSERT_EQ(0, system(("rm -rf '" + path + "'").c_str()));
        Intruder kind = GetParam().intruder;
        if (kind == Intruder::Fifo) {
            ASSERT_EQ(0, mkfifo(path.c_str(), 0644));
        } else if (kind == Intruder::DeviceLink) {
            ASSERT_EQ(0, symlink("/dev/zero", path.c_str()));
        } else {
            ASSERT_TRUE(testsupport::MakeDirs(path + "/inside"));
        }
        ASSERT_EQ(0, lchown(path.c_str(), testsupport::NobodyUid(), static_cast<gid_t>(-1)));
    }
};

TEST_P(OwnNameTest, NeitherBlocksNorKeepsTheUpgradeFromLanding)
{
    ASSERT_NO_FATAL_FAILURE(Install(1, Change::None));
    ASSERT_NO_FATAL_FAILURE(PutIntruder(user + "/" + GetParam().name));

    ASSERT_NO_FATAL_FAILURE(Install(2, Change::None));

    EXPECT_EQ(Expected(Build(2, Change::None)), Snapshot(app)) << testsupport::ReadFile(log);
    EXPECT_EQ("build1\nbuild2\n", testsupport::ReadFile(home / "started"));
    struct stat st = {};
    EXPECT_EQ(0, lstat(InstalledFilesPath(app.c_str()).c_str(), &st));
    EXPECT_TRUE(S_ISREG(st.st_mode));
    for (const char* gone : {".installing", ".installing.new", ".files.new"})
        EXPECT_FALSE(testsupport::Exists(app + gone)) << gone;
}

std::vector<OwnNameCase> OwnNameCases()
{
    std::vector<OwnNameCase> cases;
    for (const char* name : {"Halvora.app.files", "Halvora.app.files.new", "Halvora.app.installing",
                             "Halvora.app.installing.new"}) {
        for (Intruder kind : {Intruder::Fifo, Intruder::DeviceLink, Intruder::Folder})
            cases.push_back(OwnNameCase{name, kind});
    }
    return cases;
}

std::string OwnNameRow(const ::testing::TestParamInfo<OwnNameCase>& info)
{
    std::string name;
    for (const char* p = info.param.name; *p; ++p)
        name += isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    const char* kinds[] = {"Fifo", "DeviceLink", "Folder"};
    return name + "_" + kinds[static_cast<int>(info.param.intruder)];
}

INSTANTIATE_TEST_SUITE_P(IntrudersAtOwnNames, OwnNameTest, ::testing::ValuesIn(OwnNameCases()),
                         OwnNameRow);

class StuckRestoreTest : public ::testing::Test, protected UpgradeHome {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(PrepareUserHome(022)); }
};

// A cut installation whose partial copy cannot be removed (a folder in it
// is not the user's): the marker keeps naming the complete copy, no upgrade
// starts over the partial one, and no client starts from it.
TEST_F(StuckRestoreTest, ARestoreThatCannotFinishHoldsTheUpgradeBack)
{
    ASSERT_NO_FATAL_FAILURE(Install(1, Change::None));
    Tree complete = Snapshot(app);
    ASSERT_EQ(0, rename(app.c_str(), (app + "_tmp").c_str()));
    ASSERT_EQ(0, MarkInstallationUnderway(app.c_str(), "Halvora.app_tmp"));
    ASSERT_TRUE(testsupport::MakeDirs(app + "/share/root-owned"));
    ASSERT_TRUE(testsupport::WriteFile(app + "/share/root-owned/file", "not the user's"));
    ASSERT_EQ(0, system(("chown nobody '" + app + "' '" + app + "/share' '" +
                         InstallMarkerPath(app.c_str()).c_str() + "'").c_str()));

    ASSERT_NO_FATAL_FAILURE(Install(2, Change::None));

    EXPECT_EQ(complete, Snapshot(app + "_tmp")) << testsupport::ReadFile(log);
    ustring named;
    EXPECT_TRUE(ReadLastCompleteCopy(app.c_str(), named));
    EXPECT_STREQ("Halvora.app_tmp", named.c_str());
    EXPECT_EQ("build1\n", testsupport::ReadFile(home / "started"));
    EXPECT_EQ(1, testsupport::CountLines(log, "could not be put back"));
}

} // namespace
