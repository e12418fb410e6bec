#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "adapter.h"
#include "exposed-service.h"
#include "install-marker.h"
#include "strtab.h"
#include "test-archive.h"
#include "test-support.h"

using namespace testarchive;
using testsupport::TempDir;
namespace fs = std::filesystem;

namespace {

// Reaches the protected installation steps; the platform operations are not
// part of what is tested here.
class TestService : public testsupport::ExposedService {
public:
    TestService() { per_user_install_path = GetUserHalvoraAppInstallPath(); }

    int RealExtractPackage() { return Service::ExtractPackage(); }
    using Service::RestoreLastCompleteCopy;
    int ExtractPackage() override { return extract ? extract() : Service::ExtractPackage(); }

    // Runs in place of the unpack when set (to look at the disk or to cut).
    std::function<int()> extract;
};

std::string RegexEscape(const std::string& text)
{
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(text, special, R"(\$&)");
}

class ServiceInstallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        umask(022);
        StrTable::InitStrTable();
        setenv("HOME", home.path().c_str(), 1);
        log = testsupport::LogToFile(logs.path(), {"service_debug", "extractor_debug"});
        root = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..").toStdString();
        package = root + "/package/halvora.hpk";
        testsupport::RemoveTree(root + "/package");
        ASSERT_TRUE(testsupport::MakeDirs(root + "/package"));
        user = home / ".HalvoraBackup";
        app = user + "/Halvora.app";
        ASSERT_TRUE(testsupport::MakeDirs(user));
    }

    // The system INFO describes the package's build, as its packer writes it.
    void WritePackage(const std::vector<Entry>& entries)
    {
        ASSERT_TRUE(WriteArchive(package, Format::TarGz, entries));
        for (const Entry& e : entries) {
            if (e.path == "INFO") {
                ASSERT_TRUE(testsupport::WriteFile(root + "/INFO", e.data));
            }
        }
    }

    // An installed older copy, with a file the new package no longer has.
    Tree InstallOldCopy()
    {
        testsupport::MakeDirs(app + "/bin");
        testsupport::WriteFile(app + "/INFO", "[Version]\nbuild_version=1\n");
        testsupport::WriteFile(app + "/bin/halvora-backup-ui", "old client");
        testsupport::MakeDirs(app + "/package");
        testsupport::WriteFile(app + "/package/start-stop", "#!/bin/sh\n");
        chmod((app + "/bin/halvora-backup-ui").c_str(), 0755);
        chmod((app + "/package/start-stop").c_str(), 0755);
        testsupport::WriteFile(app + "/stale.txt", "only in the old copy");
        return Snapshot(app);
    }

    std::string Backup(int n) const { return app + "_tmp" + (n ? std::to_string(n) : ""); }

    // A backup left over from an earlier run; not empty, so it is in the way.
    void LeaveBackup(int n)
    {
        testsupport::MakeDirs(Backup(n));
        testsupport::WriteFile(Backup(n) + "/left", "over " + std::to_string(n));
    }

    std::vector<std::string> BackupsOnDisk() const
    {
        std::vector<std::string> found;
        for (const fs::directory_entry& e : fs::directory_iterator(user)) {
            std::string name = e.path().filename().string();
            if (name.rfind("Halvora.app_tmp", 0) == 0)
                found.push_back(name);
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    std::vector<std::string> LogLines(const std::string& pattern) const
    {
        std::regex re(pattern);
        std::vector<std::string> lines;
        for (const std::string& line : testsupport::SplitLines(testsupport::ReadFile(log)))
            if (std::regex_search(line, re))
                lines.push_back(line);
        return lines;
    }

    size_t CountLines(const std::string& pattern) const { return LogLines(pattern).size(); }

    std::string BackupFailedLine(int n) const
    {
        return R"(\[ERROR\] halvora-service\(\d+\): failed to backup app from ')" +
               RegexEscape(app) + "' -> '" + RegexEscape(Backup(n)) + "'$";
    }

    bool Underway() const { return IsInstallationUnderway(app.c_str()); }

    TempDir home{"service-install-home"};
    TempDir logs{"service-install-log"};
    std::string log, root, package, user, app;
};

const char kReadyLine[] =
    R"(\[INFO\] halvora-service\(\d+\): user installation is ready, removing backup app$)";
const char kRollbackLine[] =
    R"(\[ERROR\] halvora-service\(\d+\): Failed to extract package, rollback to old installation$)";
const char kRollbackDoneLine[] =
    R"(\[INFO\] halvora-service\(\d+\): rollback to old installation done$)";
const char kNoRollbackLine[] = R"(\[ERROR\] halvora-service\(\d+\): Failed to extract package, )"
                               R"(and no old installation to rollback$)";

// A package that unpacks its first entries and then hits a refused one.
std::vector<Entry> BrokenPackage()
{
    std::vector<Entry> entries = ClientPackage("2");
    entries.insert(entries.begin() + 3, File("../outside", "refused"));
    return entries;
}

TEST_F(ServiceInstallTest, FirstInstallationUnpacksAndDropsALeftoverBackup)
{
    WritePackage(ClientPackage("2"));
    LeaveBackup(0);

    EXPECT_EQ(0, TestService().PrepareUserEnv());
    EXPECT_EQ(Expected(ClientPackage("2")), Snapshot(app));
    EXPECT_TRUE(BackupsOnDisk().empty());
    EXPECT_FALSE(Underway());
    EXPECT_EQ(0u, CountLines("failed to backup"));
    EXPECT_EQ(1u, CountLines(R"(\[INFO\] halvora-service\(\d+\): extract package: ')" +
                             RegexEscape(package) + "' -> '" + RegexEscape(app) + "'$"));
    EXPECT_EQ(1u, CountLines(kReadyLine));
}

TEST_F(ServiceInstallTest, UpgradeReplacesTheOldCopyEntirely)
{
    WritePackage(ClientPackage("2"));
    Tree old_copy = InstallOldCopy();
    TestService service;
    Tree seen_backup;
    service.extract = [&] {
        seen_backup = Snapshot(Backup(0));
        return service.RealExtractPackage();
    };

    EXPECT_EQ(0, service.PrepareUserEnv());
    EXPECT_EQ(old_copy, seen_backup);
    EXPECT_EQ(Expected(ClientPackage("2")), Snapshot(app));
    EXPECT_TRUE(BackupsOnDisk().empty());
    EXPECT_FALSE(Underway());
    EXPECT_EQ(1u, CountLines(kReadyLine));
}

// Backups left by earlier runs hold nothing anyone needs once no
// installation is under way: they go before the old copy moves aside, so
// that the first name is free and ten of them never block an upgrade.
class LeftoverBackupsTest : public ServiceInstallTest,
                            public ::testing::WithParamInterface<int> {};

TEST_P(LeftoverBackupsTest, AreRemovedBeforeTheBackup)
{
    WritePackage(ClientPackage("2"));
    Tree old_copy = InstallOldCopy();
    for (int n = 0; n < GetParam(); ++n)
        LeaveBackup(n);
    TestService service;
    Tree seen_backup;
    service.extract = [&] {
        seen_backup = Snapshot(Backup(0));
        return service.RealExtractPackage();
    };

    EXPECT_EQ(0, service.PrepareUserEnv());
    EXPECT_EQ(old_copy, seen_backup);
    EXPECT_EQ(0u, CountLines("failed to backup"));
    EXPECT_EQ(Expected(ClientPackage("2")), Snapshot(app));
    EXPECT_TRUE(BackupsOnDisk().empty());
    EXPECT_FALSE(Underway());
}

INSTANTIATE_TEST_SUITE_P(Counts, LeftoverBackupsTest, ::testing::Values(1, 2, 10));

// A leftover another user owns cannot be removed: its failure has a line of
// its own, its name is passed over, and it is never taken for a copy.
TEST_F(ServiceInstallTest, LeftoverThatCannotBeRemovedIsPassedOver)
{
    WritePackage(ClientPackage("2"));
    Tree old_copy = InstallOldCopy();
    ASSERT_EQ(0, chmod(home.path().c_str(), 0755));
    ASSERT_EQ(0, system(("chown -R nobody '" + home.path() + "'").c_str()));
    LeaveBackup(0); // root's, inside the user's folder

    int ret = testsupport::RunAsNobody([] { return -TestService().PrepareUserEnv(); });
    EXPECT_EQ(0, ret);
    EXPECT_EQ(Expected(ClientPackage("2")), Snapshot(app));
    EXPECT_EQ(std::vector<std::string>{"Halvora.app_tmp"}, BackupsOnDisk());
    EXPECT_EQ("over 0", testsupport::ReadFile(Backup(0) + "/left"));
    EXPECT_EQ(1u, CountLines(BackupFailedLine(0)));
    EXPECT_EQ(2u, CountLines(R"(\[ERROR\] halvora-service\(\d+\): failed to remove leftover )"
                             R"(backup ')" + RegexEscape(Backup(0)) + "': .+$"));
    EXPECT_FALSE(Underway());
}

TEST_F(ServiceInstallTest, FailedUnpackDuringUpgradeRestoresTheOldCopy)
{
    WritePackage(BrokenPackage());
    Tree old_copy = InstallOldCopy();

    EXPECT_EQ(-1, TestService().PrepareUserEnv());
    EXPECT_EQ(old_copy, Snapshot(app));
    EXPECT_TRUE(BackupsOnDisk().empty());
    EXPECT_FALSE(testsupport::Exists(user + "/outside"));
    EXPECT_EQ(1u, CountLines(kRollbackLine));
    EXPECT_EQ(1u, CountLines(kRollbackDoneLine));
    EXPECT_EQ(1u, CountLines(R"(\[ERROR\] extractor\(\d+\): archive_read_extract2 failed)"));
    EXPECT_EQ(0u, CountLines(kReadyLine));
    // The copy rolled back to was complete.
    EXPECT_FALSE(Underway());
}

// A rollback that cannot finish says so and keeps the marker naming the
// backup, so that the next start puts the old copy back.
TEST_F(ServiceInstallTest, RollbackThatFailsIsReportedAndFinishedNextTime)
{
    WritePackage(ClientPackage("2"));
    Tree old_copy = InstallOldCopy();
    ASSERT_EQ(0, chmod(home.path().c_str(), 0755));
    ASSERT_EQ(0, system(("chown -R nobody '" + home.path() + "'").c_str()));
    std::string folder = user;
    int ret = testsupport::RunAsNobody([&folder] {
        TestService service;
        service.extract = [&] {
            service.RealExtractPackage();
            // Nothing can leave the per-user folder any more.
            chmod(folder.c_str(), 0555);
            return -1;
        };
        return -service.PrepareUserEnv();
    });
    ASSERT_EQ(0, chmod(user.c_str(), 0755));

    EXPECT_EQ(1, ret);
    EXPECT_EQ(1u, CountLines(kRollbackLine));
    EXPECT_EQ(1u, CountLines(R"(\[ERROR\] halvora-service\(\d+\): rollback to old installation )"
                             R"(failed, the last complete copy stays in ')" +
                             RegexEscape(Backup(0)) + "'$"));
    EXPECT_EQ(old_copy, Snapshot(Backup(0)));
    EXPECT_TRUE(Underway());

    TestService next;
    EXPECT_EQ(0, next.RestoreLastCompleteCopy());
    EXPECT_EQ(old_copy, Snapshot(app));
    EXPECT_TRUE(BackupsOnDisk().empty());
    EXPECT_FALSE(Underway());
}

// What a failed first installation unpacked would hold the home's room
// (a quota) for the whole session: it goes, and the line says no copy is in.
TEST_F(ServiceInstallTest, FailedFirstInstallationLeavesNothing)
{
    WritePackage(BrokenPackage());

    EXPECT_EQ(-1, TestService().PrepareUserEnv());
    EXPECT_EQ(1u, CountLines(kNoRollbackLine));
    EXPECT_EQ(1u, CountLines("is removed, no copy was installed$"));
    EXPECT_FALSE(testsupport::Exists(app));
    EXPECT_FALSE(Underway());

    WritePackage(ClientPackage("2"));
    EXPECT_EQ(0, TestService().PrepareUserEnv());
    EXPECT_EQ(Expected(ClientPackage("2")), Snapshot(app));
    EXPECT_TRUE(BackupsOnDisk().empty());
    EXPECT_FALSE(Underway());
}

// An unpack that claims success while nothing is there is no installation:
// the old copy comes back.
TEST_F(ServiceInstallTest, CopyThatCannotBeFlushedIsRolledBack)
{
    WritePackage(ClientPackage("2"));
    Tree old_copy = InstallOldCopy();
    TestService service;
    service.extract = [] { return 0; };

    EXPECT_EQ(-1, service.PrepareUserEnv());
    EXPECT_EQ(1u, CountLines(R"(\[ERROR\] halvora-service\(\d+\): the unpacked copy ')" +
                             RegexEscape(app) + "' holds no client of build '2': it lacks an INFO "
                             "of the system's build$"));
    EXPECT_EQ(1u, CountLines(kRollbackLine));
    EXPECT_EQ(old_copy, Snapshot(app));
    EXPECT_TRUE(BackupsOnDisk().empty());
    EXPECT_FALSE(Underway());
}

TEST_F(ServiceInstallTest, ExtractPackageFailsWhenAFileStandsAtTheTarget)
{
    WritePackage(ClientPackage("2"));
    ASSERT_TRUE(testsupport::WriteFile(app, "not a folder"));

    EXPECT_EQ(-1, TestService().ExtractPackage());
    EXPECT_EQ(1u, CountLines(R"(\[ERROR\] halvora-service\(\d+\): failed to create folder: ')" +
                             RegexEscape(app) + "'$"));
    EXPECT_EQ(0u, CountLines("extract package"));
    EXPECT_EQ("not a folder", testsupport::ReadFile(app));
}

TEST_F(ServiceInstallTest, RemoveAgedFoldersTakesOnlyTheAppFolder)
{
    testsupport::MakeDirs(user + "/app/bin");
    testsupport::WriteFile(user + "/app/bin/x", "aged");
    LeaveBackup(0);
    std::string line = R"(\[INFO\] halvora-service\(\d+\): removing aged app folder )" +
                       RegexEscape(user + "/app") + "$";

    TestService().RemoveAgedFolders();
    EXPECT_FALSE(testsupport::Exists(user + "/app"));
    EXPECT_EQ(std::vector<std::string>{"Halvora.app_tmp"}, BackupsOnDisk());
    EXPECT_EQ(1u, CountLines(line));

    TestService().RemoveAgedFolders();
    EXPECT_EQ(2u, CountLines(line));
}

// Unpacks for real and dies at the fourth entry: INFO and the client
// executable are written by then, the rest of the package is not.
int CutDuringTheUnpack(TestService& service)
{
    QObject::connect(&Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
                     [](int, int step) {
                         if (step == 4)
                             raise(SIGKILL);
                     });
    return service.RealExtractPackage();
}

// Crash safety: an installation cut at any moment must leave the marker, and
// the next preparation must end with a complete copy and no marker.
class CutInstallationTest : public ServiceInstallTest {
protected:
    // Runs a preparation in a child process whose unpack step is `cut`; the
    // child is expected to die of SIGKILL there.
    void RunAndCut(std::function<int(TestService&)> cut)
    {
        fflush(nullptr);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            TestService service;
            service.extract = [&] { return cut(service); };
            service.PrepareUserEnv();
            _exit(3);
        }
        int status = 0;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    }

    void ExpectRecovery()
    {
        EXPECT_TRUE(Underway());
        EXPECT_EQ(0, TestService().PrepareUserEnv());
        EXPECT_EQ(Expected(ClientPackage("2")), Snapshot(app));
        EXPECT_TRUE(BackupsOnDisk().empty());
        EXPECT_FALSE(Underway());
    }

    void SetUp() override
    {
        ServiceInstallTest::SetUp();
        WritePackage(ClientPackage("2"));
        old_copy = InstallOldCopy();
    }

    Tree old_copy;
};

// The marker names the backup, the old copy not yet moved aside.
TEST_F(CutInstallationTest, BeforeTheBackup)
{
    ASSERT_EQ(0, MarkInstallationUnderway(app.c_str(), "Halvora.app_tmp"));
    TestService service;
    EXPECT_EQ(0, service.RestoreLastCompleteCopy());
    EXPECT_EQ(old_copy, Snapshot(app));
    ASSERT_EQ(0, MarkInstallationUnderway(app.c_str(), "Halvora.app_tmp"));
    ExpectRecovery();
}

TEST_F(CutInstallationTest, AfterTheBackupBeforeTheUnpack)
{
    RunAndCut([](TestService&) { return raise(SIGKILL); });
    EXPECT_FALSE(testsupport::Exists(app));
    EXPECT_EQ(old_copy, Snapshot(Backup(0)));
    ExpectRecovery();
}

TEST_F(CutInstallationTest, DuringTheUnpack)
{
    RunAndCut(CutDuringTheUnpack);
    // Partial, yet with INFO and the client executable already written.
    EXPECT_TRUE(testsupport::Exists(app + "/INFO"));
    EXPECT_TRUE(testsupport::Exists(app + "/bin/halvora-backup-ui"));
    EXPECT_NE(Expected(ClientPackage("2")), Snapshot(app));
    ExpectRecovery();
    EXPECT_EQ(0u, CountLines("failed to backup"));
    EXPECT_EQ(1u, CountLines(R"(\[INFO\] halvora-service\(\d+\): the last complete copy is back in ')" +
                             RegexEscape(app) + "'$"));
}

// The new copy is complete but neither flushed nor confirmed.
TEST_F(CutInstallationTest, BeforeTheBackupsAreRemoved)
{
    RunAndCut([](TestService& service) {
        service.RealExtractPackage();
        return raise(SIGKILL);
    });
    EXPECT_EQ(Expected(ClientPackage("2")), Snapshot(app));
    EXPECT_EQ(old_copy, Snapshot(Backup(0)));
    ExpectRecovery();
}

// After a cut the complete old copy is put back first, so a failed retry
// rolls back to it, never to the partial copy.
TEST_F(CutInstallationTest, FailedRetryRollsBackToTheCompleteOldCopy)
{
    RunAndCut(CutDuringTheUnpack);

    WritePackage(BrokenPackage());
    EXPECT_EQ(-1, TestService().PrepareUserEnv());
    EXPECT_EQ(1u, CountLines(kRollbackLine));
    EXPECT_EQ(1u, CountLines(kRollbackDoneLine));
    EXPECT_EQ(old_copy, Snapshot(app));
    EXPECT_FALSE(Underway());
    EXPECT_TRUE(BackupsOnDisk().empty());
}

// A first installation cut short leaves no complete copy: the partial one
// is removed, whatever the package is like.
TEST_F(CutInstallationTest, PartialFirstInstallationIsRemoved)
{
    testsupport::RemoveTree(app);
    RunAndCut(CutDuringTheUnpack);
    ASSERT_TRUE(testsupport::Exists(app + "/INFO"));

    WritePackage(BrokenPackage());
    EXPECT_EQ(0, TestService().RestoreLastCompleteCopy());
    EXPECT_FALSE(testsupport::Exists(app));
    EXPECT_FALSE(Underway());
}

} // namespace
