// Upgrades by the built launcher, run as a real process while the stand-in
// client of the older build runs: the client is stopped, the copy replaced,
// the new client started; a client deaf to SIGTERM is killed; a corrupt
// package leaves the old copy in place and running.
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "launch-fixture.h"
#include "package-manifest.h"
#include "test-support.h"

namespace fs = std::filesystem;

namespace e2e {
namespace {

const char kAppDataExist[] = "[DEBUG] linux/linux-service(140): local appdata exist";

double SecondsBetween(ChildReaper::Clock::time_point from, ChildReaper::Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

class UpgradeTest : public LaunchFixture {
protected:
    // Installs the staged build and leaves its client running.
    void InstallOlderBuild(const std::vector<std::string>& env = {})
    {
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
        old_build = BuildOf(app + "/INFO");
        old_manifest = ReadManifest(package);
        old_client = ClientPid();
        ASSERT_TRUE(Running(old_client)) << "no client after the first installation";
    }

    void ExpectNewClientRunning()
    {
        pid_t client = ClientPid();
        ASSERT_GT(client, 0);
        EXPECT_NE(client, old_client);
        EXPECT_TRUE(Running(client));
        EXPECT_EQ(ExecutableOf(client), app + "/bin/halvora-backup-ui");
    }

    void ExpectNoLeftovers()
    {
        EXPECT_TRUE(Backups().empty()) << Backups().front();
        EXPECT_FALSE(fs::exists(marker));
    }

    int old_build = 0;
    Manifest old_manifest;
    pid_t old_client = 0;
};

TEST_F(UpgradeTest, RunningClientIsStoppedAndTheCopyReplaced)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(InstallOlderBuild());
    UseNextPackage();
    int new_build = BuildOf(root + "/INFO");
    ASSERT_GT(new_build, old_build);
    FileIdentities old_files = IdentifyFiles(app);
    size_t before = LogLineCount();

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());

    // The stand-in ends with 0 after it has handled SIGTERM; SIGKILL would
    // show as a signal.
    int status = EndingOf(old_client).status;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "old client ended with status " << status;
    std::vector<std::string> log = LogMessages(before);
    EXPECT_TRUE(InOrder(log, {kRunning, Builds(old_build, new_build), kAppDataExist, kDone}));
    EXPECT_EQ(Count(log, kUpgradeFailed), 0);
    EXPECT_EQ(BuildOf(app + "/INFO"), new_build);
    EXPECT_EQ(CompareTree(app, ReadManifest(package)), "");
    // What the new build holds unchanged was linked, not written again.
    KeptFiles kept = CountLinked(old_files, app);
    EXPECT_GT(kept.unchanged, 100);
    EXPECT_EQ(kept.linked, kept.unchanged);
    ExpectNoLeftovers();
    ExpectNewClientRunning();
}

TEST_F(UpgradeTest, ClientIgnoringSigtermIsKilledAfterFiveSeconds)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(InstallOlderBuild({"HALVORA_STANDIN_IGNORE_TERM=1"}));
    UseNextPackage();

    auto start = ChildReaper::Clock::now();
    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());

    ChildReaper::Ending ending = EndingOf(old_client);
    ASSERT_TRUE(WIFSIGNALED(ending.status)) << "old client status " << ending.status;
    EXPECT_EQ(WTERMSIG(ending.status), SIGKILL);
    // Five probes a second apart come first; the launcher starts probing
    // right after its SIGTERM, early in the run.
    double waited = SecondsBetween(start, ending.when);
    EXPECT_GE(waited, 4.5);
    EXPECT_LT(waited, 15.0);
    EXPECT_EQ(BuildOf(app + "/INFO"), BuildOf(root + "/INFO"));
    ExpectNoLeftovers();
    ExpectNewClientRunning();
}

// Packages that break at different points of the unpack, with the system
// INFO as the packer wrote it (group "Package": the checksum catches them) or
// as an older packer did (without it: reading the package to its end does).
struct Corruption {
    const char* name;
    void (*damage)(const std::string& package);
    bool metadata;
    const char* line;
};

const char kDamaged[] = "is damaged or empty";
const char kMismatch[] = "does not match its INFO";

void TruncateToHalf(const std::string& package)
{
    fs::resize_file(package, fs::file_size(package) / 2);
}

void ReplaceWithGarbage(const std::string& package)
{
    std::ofstream(package, std::ios::trunc) << std::string(4096, '\x5a');
}

// A whole, readable package, but not the one the INFO describes.
void ReplaceWithTheOlderPackage(const std::string& package)
{
    fs::copy_file(std::string(HALVORA_STAGE_DIR) + "/package/halvora.hpk", package,
                  fs::copy_options::overwrite_existing);
}

// Two bytes inside the compressed stream: without the package checksum only
// the stream's own check can tell.
void FlipTwoBytes(const std::string& package)
{
    std::fstream file(package, std::ios::in | std::ios::out | std::ios::binary);
    auto at = static_cast<std::streamoff>(fs::file_size(package) * 3 / 5);
    for (std::streamoff offset : {at, at + 7}) {
        file.seekg(offset);
        char byte = static_cast<char>(file.get() ^ 0x5a);
        file.seekp(offset);
        file.put(byte);
    }
}

// Keeps group "Version" only, as an INFO from before the package metadata.
void DropPackageGroup(const std::string& info)
{
    std::string text = testsupport::ReadFile(info);
    std::ofstream(info, std::ios::trunc) << text.substr(0, text.find("[Package]"));
}

class CorruptPackageTest : public UpgradeTest, public ::testing::WithParamInterface<Corruption> {};

// A package that cannot be read to its end, or is not the one its INFO
// describes, is refused before anything is touched: the same client process
// keeps running from the unchanged copy.
TEST_P(CorruptPackageTest, RunningClientAndCopyAreLeftAlone)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(InstallOlderBuild());
    UseNextPackage();
    GetParam().damage(package);
    if (!GetParam().metadata)
        DropPackageGroup(root + "/INFO");
    size_t before = LogLineCount();

    Outcome run = RunLauncher();
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exit_code, 0) << run.out;

    std::vector<std::string> log = LogMessages(before);
    EXPECT_TRUE(InOrder(log, {kRunning, kUpgradeFailed, kDone}));
    EXPECT_EQ(Count(log, kAppDataExist), 0);
    EXPECT_EQ(CountContaining(log, GetParam().line), 1) << LogText();
    EXPECT_EQ(ClientPid(), old_client);
    EXPECT_TRUE(Running(old_client));
    EXPECT_EQ(BuildOf(app + "/INFO"), old_build);
    EXPECT_EQ(CompareTree(app, old_manifest), "");
    ExpectNoLeftovers();
}

INSTANTIATE_TEST_SUITE_P(
    Damage, CorruptPackageTest,
    ::testing::Values(Corruption{"TruncatedHalfway", TruncateToHalf, true, kMismatch},
                      Corruption{"NotAnArchive", ReplaceWithGarbage, true, kMismatch},
                      Corruption{"AnotherPackage", ReplaceWithTheOlderPackage, true, kMismatch},
                      Corruption{"TruncatedHalfwayNoMetadata", TruncateToHalf, false, kDamaged},
                      Corruption{"NotAnArchiveNoMetadata", ReplaceWithGarbage, false, kDamaged},
                      Corruption{"TwoBytesFlippedNoMetadata", FlipTwoBytes, false, kDamaged}),
    [](const auto& info) { return std::string(info.param.name); });

// A system upgrade renames another package over the path while the client
// takes its time to stop: what is installed is the package that was checked,
// read from the file opened before the stop.
TEST_F(UpgradeTest, APackageRenamedOverThePathAfterTheCheckIsNotInstalled)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(InstallOlderBuild({"HALVORA_STANDIN_IGNORE_TERM=1"}));
    UseNextPackage();
    int checked_build = BuildOf(root + "/INFO");
    Manifest checked = ReadManifest(package);
    size_t before = LogLineCount();

    pid_t launcher = StartLauncher();
    // The stop has begun once the launcher says the copy exists; the client
    // ignores SIGTERM, so the swap lands seconds before the unpack starts.
    for (int i = 0; i < 500 && CountContaining(LogMessages(before), "local appdata exist") == 0; ++i)
        usleep(10 * 1000);
    ASSERT_EQ(CountContaining(LogMessages(before), "local appdata exist"), 1) << LogText();
    fs::copy_file(std::string(HALVORA_STAGE_DIR) + "/package/halvora.hpk", package + ".new");
    fs::rename(package + ".new", package);
    Outcome run = FinishLauncher(launcher);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exit_code, 0) << run.out;

    EXPECT_EQ(Count(LogMessages(before), kUpgradeFailed), 0) << LogText();
    EXPECT_EQ(BuildOf(app + "/INFO"), checked_build);
    EXPECT_EQ(CompareTree(app, checked), "");
    ExpectNoLeftovers();
    ExpectNewClientRunning();
}

// The checksum matches but the INFO counts one entry more than the package
// holds: the new copy, built while the old client runs, is found short at
// its end, and nothing the client sees changes.
TEST_F(UpgradeTest, AWrongEntryCountIsRefusedBeforeTheStop)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(InstallOlderBuild());
    UseNextPackage();
    std::string info = testsupport::ReadFile(root + "/INFO");
    size_t at = info.find("entries=");
    ASSERT_NE(at, std::string::npos);
    int entries = atoi(info.c_str() + at + strlen("entries="));
    std::string line = "entries=" + std::to_string(entries);
    info.replace(at, line.size(), "entries=" + std::to_string(entries + 1));
    std::ofstream(root + "/INFO", std::ios::trunc) << info;
    size_t before = LogLineCount();

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());

    std::vector<std::string> log = LogMessages(before);
    EXPECT_TRUE(InOrder(log, {kRunning, kUpgradeFailed, kDone}));
    EXPECT_EQ(Count(log, kAppDataExist), 0);
    EXPECT_EQ(CountContaining(log, "the package holds " + std::to_string(entries) + " entries, " +
                                       std::to_string(entries + 1) + " expected"),
              1)
        << LogText();
    EXPECT_EQ(BuildOf(app + "/INFO"), old_build);
    EXPECT_EQ(CompareTree(app, old_manifest), "");
    ExpectNoLeftovers();
    EXPECT_EQ(ClientPid(), old_client);
    EXPECT_TRUE(Running(old_client));
}

} // namespace
} // namespace e2e
