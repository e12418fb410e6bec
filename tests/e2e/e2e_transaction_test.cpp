// The upgrade as a transaction, run by the built launcher: a cut during the
// unpack followed by a damaged package, upgrades that do not fit, packages
// with read-only folders again and again, a per-user folder that is a
// symbolic link, launchers of two installed copies on one home, and a
// client left running from a deleted copy.
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <thread>
#include <tuple>

#include "launch-fixture.h"
#include "loop-mount.h"
#include "package-manifest.h"
#include "test-support.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace e2e {
namespace {

class TransactionTest : public LaunchFixture {
protected:
    void TearDown() override
    {
        // Clients running from the tmpfs go before it is unmounted.
        ClientPid();
        for (pid_t pid : seen)
            Stop(pid);
        if (!mounted.empty())
            umount2(mounted.c_str(), MNT_DETACH);
        loop.reset();
        LaunchFixture::TearDown();
    }

    // Every live process run from this test's trees, deleted ones included.
    std::vector<pid_t> ProcessesOfThisTest()
    {
        std::vector<pid_t> found;
        for (const fs::directory_entry& e : fs::directory_iterator("/proc")) {
            pid_t pid = static_cast<pid_t>(atoi(e.path().filename().c_str()));
            std::string exe = pid > 0 ? ExecutableOf(pid) : std::string();
            // The lease beside a client ends with it.
            if (exe.rfind(scratch, 0) == 0 && exe.find("/bin/halvora-lease") == std::string::npos)
                found.push_back(pid);
        }
        return found;
    }

    // Two start scripts at once may each start a client: every process run
    // from this test's trees is stopped at the end.
    void StopEveryClientOfThisTest()
    {
        for (pid_t pid : ProcessesOfThisTest())
            seen.insert(pid);
    }

    void ExpectCompleteCopyOf(const Manifest& manifest, int build)
    {
        EXPECT_EQ(CompareTree(app, manifest), "");
        EXPECT_EQ(BuildOf(app + "/INFO"), build);
        EXPECT_FALSE(fs::exists(marker)) << marker << " left behind";
        EXPECT_TRUE(Backups().empty()) << Backups().front();
    }

    void ExpectClientFromCopy()
    {
        pid_t client = ClientPid();
        ASSERT_GT(client, 0) << "no pid file";
        EXPECT_TRUE(Running(client));
        EXPECT_EQ(ExecutableOf(client), fs::canonical(app).string() + "/bin/halvora-backup-ui");
    }

    std::string mounted;
    std::unique_ptr<testsupport::LoopMount> loop;
};

// What the next start after the cut meets: the package gone bad, or the
// package the cut run was installing.
enum class AfterCut { DamagedPackage, SamePackage };
// Where the run is cut: while it builds the new copy beside the running
// client, or as soon as the client has stopped (in the links, the swap or
// the start, wherever the kill lands).
enum class CutAt { BuildingTheNewCopy, AfterTheStop };

class CutTest : public TransactionTest,
                public ::testing::WithParamInterface<std::tuple<CutAt, AfterCut>> {
protected:
    // Waits for the point, then kills the launcher.
    void CutAtThePoint(pid_t launcher, CutAt at, pid_t old_client)
    {
        auto deadline = std::chrono::steady_clock::now() + 60s;
        auto reached = [&] {
            if (at == CutAt::AfterTheStop)
                return !Running(old_client);
            return fs::exists(app + "_tmp") && fs::exists(app + "/INFO");
        };
        while (!reached() && !ChildReaper::Instance().HasEnded(launcher) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(at == CutAt::AfterTheStop ? 100us : 1ms);
        ASSERT_FALSE(ChildReaper::Instance().HasEnded(launcher))
            << "the upgrade ended before the cut";
        kill(launcher, SIGKILL);
        ASSERT_TRUE(ChildReaper::Instance().WaitEnded(launcher, 10s));
    }
};

// The launcher is killed during an upgrade. With a damaged package the
// complete old copy must be back, and started; with the same package the
// copy is put back and upgraded (or was already), linking its unchanged
// files whatever the cut run's links did to their change times.
TEST_P(CutTest, KilledDuringTheUpgradeThenTheNextStart)
{
    auto [at, after] = GetParam();
    Prepare();
    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());
    int old_build = BuildOf(app + "/INFO");
    Manifest old_manifest = ReadManifest(package);
    FileIdentities old_files = IdentifyFiles(app);
    UseNextPackage();

    pid_t old_client = ClientPid();
    pid_t launcher = StartLauncher();
    ASSERT_NO_FATAL_FAILURE(CutAtThePoint(launcher, at, old_client));
    // After the stop the kill may land once the marker is gone.
    bool marked = fs::exists(marker);
    if (at == CutAt::BuildingTheNewCopy) {
        ASSERT_TRUE(marked);
    }
    bool damaged = after == AfterCut::DamagedPackage;
    Manifest next_manifest = ReadManifest(package);
    if (damaged)
        fs::resize_file(package, fs::file_size(package) / 2);
    size_t before = LogLineCount();

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());

    std::vector<std::string> log = LogMessages(before);
    EXPECT_EQ(CountContaining(log, "): the last complete copy is back in '" + app + "'"),
              marked ? 1 : 0)
        << LogText();
    ExpectClientFromCopy();
    if (damaged) {
        EXPECT_TRUE(InOrder(log, {kRunning, kUpgradeFailed, kDone}));
        EXPECT_EQ(CountContaining(log, "local appdata exist"), 0);
        ExpectCompleteCopyOf(old_manifest, old_build);
        return;
    }
    ExpectCompleteCopyOf(next_manifest, old_build + 1);
    KeptFiles kept = CountLinked(old_files, app);
    EXPECT_GT(kept.unchanged, 100);
    EXPECT_GE(kept.linked * 10, kept.unchanged * 9) << kept.linked << " of " << kept.unchanged;
}

// A damaged package after a cut past the stop would meet the new copy
// already in place, with nothing to upgrade: that cut is followed by the
// same package only.
INSTANTIATE_TEST_SUITE_P(
    Cut, CutTest,
    ::testing::Values(std::make_tuple(CutAt::BuildingTheNewCopy, AfterCut::DamagedPackage),
                      std::make_tuple(CutAt::BuildingTheNewCopy, AfterCut::SamePackage),
                      std::make_tuple(CutAt::AfterTheStop, AfterCut::SamePackage)),
    [](const ::testing::TestParamInfo<std::tuple<CutAt, AfterCut>>& info) {
        std::string at = std::get<0>(info.param) == CutAt::BuildingTheNewCopy
                             ? "BuildingTheNewCopy"
                             : "AfterTheStop";
        return at + (std::get<1>(info.param) == AfterCut::DamagedPackage ? "ThenADamagedPackage"
                                                                          : "ThenTheSamePackage");
    });

// A home that cannot take an installation is found out before the client
// is stopped, and the line names what it lacks: bytes or files on a small
// tmpfs (an upgrade whose record is gone, so that it links nothing), bytes
// under a btrfs quota group (a first installation and an upgrade, run as an
// ordinary user), symbolic links on exFAT as its FUSE daemon serves it. The
// client keeps running and nothing is left behind. Each home is mounted for
// real, and the row skips where the machine cannot mount it. A home the user
// cannot write at all holds no log either: standard error says that the log
// cannot be written, and that the client was not started and why.
enum class Home { TmpfsBytes, TmpfsFiles, BtrfsQuota, Exfat, ReadOnly };

struct CannotTake {
    const char* name;
    Home home;
    bool upgrade;
    const char* missing; // in the line that refuses it
};

class CannotFitTest : public TransactionTest, public ::testing::WithParamInterface<CannotTake> {
protected:
    // Room for one copy and the log, not for a second one beside it.
    void MountTmpfs()
    {
        int64_t unpacked = 0;
        for (const auto& [path, entry] : ReadManifest(std::string(HALVORA_STAGE_NEXT_DIR) +
                                                      "/package/halvora.hpk"))
            unpacked += entry.size;
        bool files = GetParam().home == Home::TmpfsFiles;
        std::string size = "size=" + std::to_string(unpacked * (files ? 6 : 3) / 2 + (8 << 20));
        if (mount("tmpfs", home.c_str(), "tmpfs", 0, size.c_str()) != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here: " << strerror(errno);
        mounted = home;
    }

    void MountHome()
    {
        if (GetParam().home == Home::TmpfsBytes || GetParam().home == Home::TmpfsFiles)
            return MountTmpfs();
        if (GetParam().home == Home::ReadOnly) {
            ASSERT_NO_FATAL_FAILURE(RunAsNobody());
            fs::permissions(home, fs::perms::owner_read | fs::perms::owner_exec);
            return;
        }
        loop.reset(new testsupport::LoopMount(RunReaped));
        bool btrfs = GetParam().home == Home::BtrfsQuota;
        std::string why = loop->Make(btrfs ? testsupport::MountKind::BtrfsQuota
                                           : testsupport::MountKind::ExfatFuse,
                                     256 << 20, testsupport::NobodyUid());
        if (!why.empty())
            GTEST_SKIP() << why;
        UseHome(loop->Folder() + "/home");
        fs::create_directories(home);
        ASSERT_NO_FATAL_FAILURE(RunAsNobody());
        // Below what a first installation writes from the start.
        if (btrfs && !GetParam().upgrade)
            loop->LimitQuota(16 << 20);
    }

    // What the home lacks once the copy in place is there.
    void Narrow()
    {
        int next = BuildOf(std::string(HALVORA_STAGE_NEXT_DIR) + "/INFO");
        switch (GetParam().home) {
        case Home::TmpfsBytes:
            UseNextPackage();
            fs::remove(app + ".files");
            return;
        case Home::TmpfsFiles: return NarrowFiles();
        case Home::BtrfsQuota:
            UseNextPackage();
            loop->LimitQuota(loop->QuotaUsed() + (1 << 20));
            return;
        case Home::Exfat: return UsePackageOfBuild(next, false, true);
        case Home::ReadOnly: return;
        }
    }

    // Exactly as many free files as the package has entries: the
    // installation makes files of its own.
    void NarrowFiles()
    {
        UseNextPackage();
        std::string info = testsupport::ReadFile(root + "/INFO");
        int64_t entries = atoll(info.c_str() + info.find("entries=") + strlen("entries="));
        struct statvfs fs_now;
        ASSERT_EQ(statvfs(home.c_str(), &fs_now), 0);
        std::string files = "nr_inodes=" + std::to_string(fs_now.f_files - fs_now.f_ffree + entries);
        ASSERT_EQ(mount("tmpfs", home.c_str(), "tmpfs", MS_REMOUNT, files.c_str()), 0)
            << strerror(errno);
    }

    // Names the launcher makes beside the copy, other than the copy and its
    // record: a marker, a backup, a probe of the home.
    std::vector<std::string> LeftBehind()
    {
        std::vector<std::string> left;
        for (const fs::directory_entry& e : fs::directory_iterator(user)) {
            std::string name = e.path().filename();
            if (name.rfind("Halvora.app", 0) == 0 && name != "Halvora.app" &&
                name != "Halvora.app.files")
                left.push_back(name);
        }
        return left;
    }
};

TEST_P(CannotFitTest, RefusedBeforeTheStop)
{
    const CannotTake& row = GetParam();
    Prepare();
    ASSERT_NO_FATAL_FAILURE(MountHome());
    if (IsSkipped())
        return;
    int old_build = -1;
    Manifest old_manifest;
    pid_t client = 0;
    if (row.upgrade) {
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk());
        old_build = BuildOf(app + "/INFO");
        old_manifest = ReadManifest(package);
        client = ClientPid();
    }
    ASSERT_NO_FATAL_FAILURE(Narrow());
    size_t before = LogLineCount();

    Outcome run = RunLauncher();
    ASSERT_EQ(run.exit_code, 0) << run.out << "\nlog:\n" << LogText();
    if (row.home == Home::ReadOnly) {
        std::vector<std::string> said = testsupport::SplitLines(run.out);
        EXPECT_EQ(1, Count(said, "halvora log: cannot write the log " + log + ": " + row.missing +
                                     "; its lines go to standard error"))
            << run.out;
        EXPECT_EQ(1, Count(said, "halvora-launcher: Halvora Backup was not started: '" + home +
                                     "' cannot be written: " + row.missing))
            << run.out;
        EXPECT_TRUE(fs::is_empty(home));
        return;
    }

    std::vector<std::string> log = LogMessages(before);
    EXPECT_EQ(CountContaining(log, "/package/halvora.hpk' does not fit in '" + user + "': "), 1)
        << LogText();
    EXPECT_EQ(CountContaining(log, row.missing), 1) << LogText();
    EXPECT_TRUE(InOrder(log, {kRunning, kUpgradeFailed, kDone}));
    EXPECT_EQ(CountContaining(log, "local appdata exist"), 0);
    EXPECT_EQ(LeftBehind(), std::vector<std::string>());
    if (!row.upgrade) {
        EXPECT_FALSE(fs::exists(app));
        return;
    }
    EXPECT_EQ(ClientPid(), client);
    EXPECT_TRUE(Running(client));
    EXPECT_EQ(BuildOf(app + "/INFO"), old_build);
    // exFAT keeps no modes: there every file may be executed.
    if (row.home != Home::Exfat)
        ExpectCompleteCopyOf(old_manifest, old_build);
}

INSTANTIATE_TEST_SUITE_P(
    Room, CannotFitTest,
    ::testing::Values(CannotTake{"Bytes", Home::TmpfsBytes, true, "files free, nothing is changed"},
                      CannotTake{"Files", Home::TmpfsFiles, true, "files free, nothing is changed"},
                      CannotTake{"QuotaFirstInstallation", Home::BtrfsQuota, false,
                                 "cannot be reserved there: Disk quota exceeded"},
                      CannotTake{"QuotaUpgrade", Home::BtrfsQuota, true,
                                 "cannot be reserved there: Disk quota exceeded"},
                      CannotTake{"SymbolicLinksOnExfat", Home::Exfat, true,
                                 "symbolic links, which the home cannot make"},
                      CannotTake{"ReadOnlyHome", Home::ReadOnly, false, "Permission denied"}),
    [](const auto& info) { return std::string(info.param.name); });

// Each package ships a read-only folder; as an ordinary user, twelve
// upgrades in a row all land, and no backup piles up.
TEST_F(TransactionTest, TwelveUpgradesOfPackagesWithAReadOnlyFolder)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(RunAsNobody());
    for (int build = 200; build < 212; ++build) {
        ASSERT_NO_FATAL_FAILURE(UsePackageOfBuild(build, true));
        size_t before = LogLineCount();
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk());
        std::vector<std::string> log = LogMessages(before);
        EXPECT_EQ(CountContaining(log, "[ERROR]"), 0) << "build " << build << "\n" << LogText();
        ExpectCompleteCopyOf(ReadManifest(package), build);
        ASSERT_EQ(fs::status(app + "/share/locked").permissions() & fs::perms::all,
                  static_cast<fs::perms>(0555));
    }
    ExpectClientFromCopy();
}

// ~/.HalvoraBackup may be a link to a folder of the user's elsewhere.
TEST_F(TransactionTest, LinkedPerUserFolderIsUsedAsAFolder)
{
    Prepare();
    fs::create_directories(home + "/elsewhere");
    fs::create_directory_symlink(home + "/elsewhere", user);

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());

    EXPECT_TRUE(fs::is_symlink(user));
    EXPECT_TRUE(fs::exists(home + "/elsewhere/Halvora.app/INFO"));
    ExpectCompleteCopyOf(ReadManifest(package), BuildOf(root + "/INFO"));
    EXPECT_EQ(CountContaining(LogMessages(), "[ERROR]"), 0) << LogText();
    ExpectClientFromCopy();
}

// Launchers of two installed copies share one home and start at once: one
// installs, the other waits for it, decides again and finds the copy up to
// date, with no error line.
TEST_F(TransactionTest, TwoLaunchersOfTwoCopiesOnOneHome)
{
    Prepare();
    std::string other_root = scratch + "/Halvora2";
    ASSERT_EQ(RunToEnd({"/bin/cp", "-a", HALVORA_STAGE_DIR, other_root}, 60s), 0);

    pid_t first = StartLauncher();
    std::string first_root = root;
    root = other_root;
    pid_t second = StartLauncher();
    root = first_root;
    Outcome one = FinishLauncher(first);
    Outcome two = FinishLauncher(second);

    ASSERT_TRUE(one.ended && two.ended);
    EXPECT_EQ(one.exit_code, 0) << one.out;
    EXPECT_EQ(two.exit_code, 0) << two.out;
    std::vector<std::string> log = LogMessages();
    EXPECT_EQ(CountContaining(log, "): extract package: '"), 1) << LogText();
    EXPECT_EQ(Count(log, kNoUpgrade), 1) << LogText();
    EXPECT_EQ(CountContaining(log, "[ERROR]"), 0) << LogText();
    ExpectCompleteCopyOf(ReadManifest(package), BuildOf(root + "/INFO"));
    ExpectClientFromCopy();
    StopEveryClientOfThisTest();
}

// The user deleted the copy while its client ran: the next start installs
// a new copy, stops the client still running from the deleted one, and
// starts the new copy's, so that one client runs, from the new copy.
TEST_F(TransactionTest, ClientRunningFromADeletedCopyIsReplaced)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());
    pid_t old_client = ClientPid();
    ASSERT_TRUE(Running(old_client));
    fs::remove_all(app);

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());

    StopEveryClientOfThisTest();
    EXPECT_TRUE(WaitGone(old_client, 5s)) << ExecutableOf(old_client);
    ExpectCompleteCopyOf(ReadManifest(package), BuildOf(root + "/INFO"));
    ExpectClientFromCopy();
    EXPECT_EQ(ProcessesOfThisTest(), std::vector<pid_t>{ClientPid()}) << LogText();
}

} // namespace
} // namespace e2e
