// The upgrade as a transaction, over every state an installation can be
// found in and every kind of package: whatever happens, the user ends with
// the last complete copy or the new one, the client is stopped only for an
// upgrade that can land, started only from a complete copy, and no backup
// is left behind. Runs the launcher's steps as an unprivileged user on real
// trees (read-only folders included) and real archives.
#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

#include "extractor.h"
#include "install-marker.h"
#include "linux/linux-service.h"
#include "test-archive.h"
#include "test-support.h"

using namespace testarchive;
using testsupport::TempDir;

namespace {

enum class Marker { Absent, Present };
enum class Copy { Complete, Partial, Absent };
enum class Backup { Complete, Absent };
enum class Package { Good, Damaged, TooBig };

const char* Name(Marker m) { return m == Marker::Present ? "Marker" : "NoMarker"; }
const char* Name(Copy c)
{
    return c == Copy::Complete ? "CompleteCopy" : c == Copy::Partial ? "PartialCopy" : "NoCopy";
}
const char* Name(Backup b) { return b == Backup::Complete ? "Backup" : "NoBackup"; }
const char* Name(Package p)
{
    return p == Package::Good ? "Good" : p == Package::Damaged ? "Damaged" : "TooBig";
}

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

class UpgradeTransactionTest
    : public ::testing::TestWithParam<std::tuple<Marker, Copy, Backup, Package>> {
protected:
    void SetUp() override
    {
        umask(022);
        std::tie(marker, copy, backup, package) = GetParam();
        setenv("HOME", home.path().c_str(), 1);
        user = home / ".HalvoraBackup";
        app = user + "/Halvora.app";
        log = testsupport::LogToFile(logs.path(), {"service_debug", "extractor_debug"});
        root = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..").toStdString();
        ASSERT_TRUE(testsupport::MakeDirs(root + "/package"));
        ASSERT_TRUE(testsupport::MakeDirs(user));
        ASSERT_TRUE(testsupport::WriteFile(root + "/INFO", "[Version]\nbuild_version=2\n"));
        ASSERT_NO_FATAL_FAILURE(WritePackage());
        ASSERT_NO_FATAL_FAILURE(LayOutState());
        ASSERT_EQ(0, chmod(home.path().c_str(), 0755));
        ASSERT_EQ(0, system(("chown -R nobody '" + home.path() + "'").c_str()));
    }

    void WritePackage()
    {
        std::string path = root + "/package/halvora.hpk";
        std::vector<Entry> entries = ClientTree("2", "package");
        if (package == Package::TooBig)
            entries.push_back(Sparse("share/huge", int64_t(1) << 50));
        ASSERT_TRUE(WriteArchive(path, Format::TarGz, entries));
        if (package == Package::Damaged) {
            std::string bytes = testsupport::ReadFile(path);
            ASSERT_TRUE(testsupport::WriteFile(path, bytes.substr(0, bytes.size() * 3 / 4)));
        }
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
        // The marker names the backup the old copy was (about to be) moved
        // to; a first installation has none to name.
        bool names_backup = backup == Backup::Complete || copy == Copy::Complete;
        if (marker == Marker::Present) {
            ASSERT_EQ(0, MarkInstallationUnderway(app.c_str(),
                                                  names_backup ? "Halvora.app_tmp" : ""));
        }
    }

    // Which copy the user must end with, by the rules of the transaction: a
    // marker names the last complete copy (the backup if it is there, else
    // the copy never moved); without one the copy in place counts as it is.
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

    Marker marker;
    Copy copy;
    Backup backup;
    Package package;
    TempDir home{"transaction-home"};
    TempDir logs{"transaction-log"};
    std::string user, app, log, root;
};

// Records whether the client was asked to stop, then stops it for real.
class RecordingService : public LinuxService {
public:
    void StopService() override
    {
        stopped = true;
        LinuxService::StopService();
    }
    bool stopped = false;
};

// The worker's sequence of steps; 1 in the exit code when a stop was asked.
int RunLauncherSteps()
{
    RecordingService service;
    service.PreUpgrade();
    if (service.IsNeedUpgrade())
        service.HandlePackageUpgrade();
    service.RemoveAgedFolders();
    service.PostUpgrade();
    return service.stopped ? 1 : 0;
}

TEST_P(UpgradeTransactionTest, EndsWithACompleteCopy)
{
    int stopped = testsupport::RunAsNobody(RunLauncherSteps);
    ASSERT_TRUE(stopped == 0 || stopped == 1) << stopped;

    std::string last = LastCompleteCopy();
    bool lands = package == Package::Good;
    std::string expected = lands ? "package" : last;
    EXPECT_EQ(expected, Origin()) << testsupport::ReadFile(log);
    if (lands) {
        EXPECT_EQ(Expected(ClientTree("2", "package")), Snapshot(app));
    }
    // Only an upgrade that can land may stop a client, and only one there is.
    EXPECT_EQ(lands && !last.empty(), stopped == 1);
    std::string started = expected.empty() ? "" : expected + "\n";
    EXPECT_EQ(started, testsupport::Exists(home / "started") ? testsupport::ReadFile(home / "started")
                                                             : "");
    if (expected.empty()) {
        EXPECT_NE(std::string::npos, testsupport::ReadFile(log).find("no complete copy"));
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
    EXPECT_FALSE(testsupport::Exists(InstallMarkerPath(app.c_str()).c_str()));
}

INSTANTIATE_TEST_SUITE_P(
    StatesAndPackages, UpgradeTransactionTest,
    ::testing::Combine(::testing::Values(Marker::Absent, Marker::Present),
                       ::testing::Values(Copy::Complete, Copy::Partial, Copy::Absent),
                       ::testing::Values(Backup::Complete, Backup::Absent),
                       ::testing::Values(Package::Good, Package::Damaged, Package::TooBig)),
    [](const auto& info) {
        return std::string(Name(std::get<0>(info.param))) + Name(std::get<1>(info.param)) +
               Name(std::get<2>(info.param)) + Name(std::get<3>(info.param));
    });

} // namespace
