// The built launcher, run as a real process against a staged system
// installation and a fresh home: first installation, nothing to upgrade, a
// second launcher, odd home directories, stale pid files and installations
// that were cut short.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

#include "launch-fixture.h"
#include "package-manifest.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace e2e {
namespace {

const char kAlreadyLaunched[] = "[DEBUG] main(80): app has already launched, return";
const char kClientName[] = "halvora-backup-ui";

// The language traces on standard error: the compiled-in file was found, and
// the code chosen.
std::string FileFoundTrace(const std::string& code)
{
    return "../libcommon/VeltLocale:161 qPrintable(qstrLangFileName)=[:/" + code + ".qm] ";
}

std::string ChoiceTrace(const std::string& code)
{
    return "../libcommon/VeltLocale:138 qPrintable(qstrDef)=[" + code + "\n] ";
}

class InstallTest : public LaunchFixture {
protected:
    // The client named by ui.pid runs from the per-user copy.
    void ExpectClientFromUserCopy(pid_t pid)
    {
        ASSERT_GT(pid, 0) << "no pid file " << pid_file;
        EXPECT_TRUE(Running(pid)) << "client " << pid << " is not running";
        EXPECT_EQ(ExecutableOf(pid), app + "/bin/" + kClientName);
    }

    void ExpectCompleteCopy()
    {
        Manifest manifest = ReadManifest(package);
        ASSERT_FALSE(manifest.empty()) << "cannot read " << package;
        EXPECT_EQ(CompareTree(app, manifest), "");
        EXPECT_EQ(BuildOf(app + "/INFO"), BuildOf(root + "/INFO"));
        EXPECT_FALSE(fs::exists(marker)) << marker << " left behind";
        EXPECT_TRUE(Backups().empty()) << Backups().front();
    }
};

TEST_F(InstallTest, FirstInstallationUnpacksAndStartsTheClient)
{
    Prepare();
    int target = BuildOf(root + "/INFO");
    ASSERT_GT(target, 0);

    Outcome run = RunLauncher();
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exit_code, 0) << run.out;
    EXPECT_NE(run.out.find("lib path = '" + root + "/lib/plugins'\n"), std::string::npos)
        << run.out;

    std::vector<std::string> log = LogMessages();
    EXPECT_TRUE(InOrder(log, {kRunning,
                              "[DEBUG] linux/linux-service(63): Source version: ('', '')",
                              "[DEBUG] linux/linux-service(64): Target version: ('" +
                                  std::to_string(target) + "', '1')",
                              Builds(0, target), kDone}));
    EXPECT_EQ(Count(log, kRunning), 1);
    EXPECT_EQ(Count(log, kNoUpgrade), 0);
    EXPECT_EQ(Count(log, kUpgradeFailed), 0);
    // Nothing ran before, so there was nothing to stop.
    EXPECT_EQ(CountContaining(log, "local appdata exist"), 0);
    EXPECT_EQ(CountContaining(log, "extract package: '" + package + "' -> '" + app + "'"), 1);

    ExpectCompleteCopy();
    ExpectClientFromUserCopy(ClientPid());
}

// The second start finds the copy up to date and only makes sure the client
// runs: it keeps a running one and starts a stopped one.
struct SecondStart {
    const char* name;
    bool client_running;
};

class NoUpgradeTest : public InstallTest, public ::testing::WithParamInterface<SecondStart> {};

TEST_P(NoUpgradeTest, StartsTheClientWithoutInstalling)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());
    pid_t first = ClientPid();
    ASSERT_TRUE(Running(first));
    if (!GetParam().client_running)
        Stop(first);
    fs::file_time_type info_time = fs::last_write_time(app + "/INFO");
    size_t before = LogLineCount();

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());

    std::vector<std::string> log = LogMessages(before);
    int build = BuildOf(root + "/INFO");
    EXPECT_TRUE(InOrder(log, {kRunning, Builds(build, build), kNoUpgrade, kDone}));
    EXPECT_EQ(CountContaining(log, "extract package"), 0);
    EXPECT_EQ(fs::last_write_time(app + "/INFO"), info_time) << "the copy was touched";
    pid_t now = ClientPid();
    ExpectClientFromUserCopy(now);
    if (GetParam().client_running)
        EXPECT_EQ(now, first) << "a second client was started";
    else
        EXPECT_NE(now, first);
}

INSTANTIATE_TEST_SUITE_P(Client, NoUpgradeTest,
                         ::testing::Values(SecondStart{"Running", true},
                                           SecondStart{"Stopped", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Stands in for a slow start script: says it has begun, then waits for the
// test to let it go on to the real one.
void GateStartScript(const std::string& script, const std::string& gate)
{
    fs::rename(script, script + ".real");
    std::ofstream out(script);
    out << "#!/bin/sh\n"
        << "touch '" << gate << "/entered'\n"
        << "i=0\n"
        << "while [ ! -f '" << gate << "/open' ] && [ $i -lt 600 ]; do sleep 0.05; i=$((i+1)); done\n"
        << "exec '" << script << ".real' \"$@\"\n";
    out.close();
    fs::permissions(script, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

bool WaitForFile(const std::string& path, std::chrono::seconds timeout)
{
    auto end = std::chrono::steady_clock::now() + timeout;
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// After a first installation (its client stopped again), the per-user start
// script waits at a gate until the test opens it, so that a launcher can be
// caught in the middle of its work.
class GatedTest : public InstallTest {
protected:
    void SetUp() override
    {
        Prepare();
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk());
        Stop(ClientPid());
        gate = scratch + "/gate";
        fs::create_directories(gate);
        GateStartScript(app + "/package/start-stop", gate);
    }

    // A launcher that has reached its start script and waits at the gate;
    // -1 (with a failure) when it never gets there.
    pid_t StartHeldLauncher()
    {
        pid_t pid = StartLauncher();
        if (!WaitForFile(gate + "/entered", 30s)) {
            ADD_FAILURE() << "the launcher never ran its start script";
            return -1;
        }
        return pid;
    }

    void OpenGate() { std::ofstream(gate + "/open").close(); }

    std::string gate;
};

TEST_F(GatedTest, SecondLauncherLeavesAtOnceWhileTheFirstWorks)
{
    size_t before = LogLineCount();

    pid_t first = StartHeldLauncher();
    ASSERT_GT(first, 0);
    Outcome second = RunLauncher();
    bool first_still_working = !ChildReaper::Instance().HasEnded(first);
    OpenGate();
    Outcome first_outcome = FinishLauncher(first);

    EXPECT_TRUE(second.ended);
    EXPECT_EQ(second.exit_code, 0) << second.out;
    EXPECT_TRUE(first_still_working) << "the second launcher waited for the first";
    EXPECT_EQ(first_outcome.exit_code, 0) << first_outcome.out;
    // The second leaves before the language step: no translator, no table,
    // no window.
    EXPECT_NE(first_outcome.out.find("VeltLocale:138"), std::string::npos) << first_outcome.out;
    EXPECT_EQ(second.out.find("VeltLocale"), std::string::npos) << second.out;
    std::vector<std::string> log = LogMessages(before);
    EXPECT_TRUE(InOrder(log, {kRunning, kAlreadyLaunched, kDone}));
    EXPECT_EQ(Count(log, kAlreadyLaunched), 1);
    EXPECT_EQ(Count(log, kRunning), 1) << "the second launcher did the work again";
    ExpectClientFromUserCopy(ClientPid());
}

TEST_F(GatedTest, KilledLauncherNeverBlocksTheNextStart)
{
    size_t before = LogLineCount();

    pid_t first = StartHeldLauncher();
    ASSERT_GT(first, 0);
    kill(first, SIGKILL);
    FinishLauncher(first);
    // The orphaned start script goes on and starts the client; let it finish
    // so that the next launch finds the client running.
    OpenGate();
    ASSERT_TRUE(WaitForFile(pid_file, 30s));
    ClientPid();

    Outcome next = RunLauncher();
    EXPECT_EQ(next.exit_code, 0) << next.out;
    std::vector<std::string> log = LogMessages(before);
    EXPECT_EQ(Count(log, kAlreadyLaunched), 0) << "the killed launcher still blocks";
    EXPECT_EQ(Count(log, kRunning), 2);
    EXPECT_EQ(Count(log, kDone), 1);
}

TEST_F(GatedTest, AnotherCopyOfTheLauncherRunsBesideTheFirst)
{
    std::string copy = scratch + "/Copy";
    fs::copy(root, copy, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    size_t before = LogLineCount();

    pid_t first = StartHeldLauncher();
    ASSERT_GT(first, 0);
    std::string original = root;
    root = copy;
    pid_t second = StartLauncher();
    root = original;
    // Both reach their start script while the gate is shut: neither waits for
    // the other.
    bool both_running = false;
    for (int i = 0; i < 1500 && !both_running; ++i) {
        both_running = Count(LogMessages(before), kRunning) == 2;
        std::this_thread::sleep_for(20ms);
    }
    OpenGate();
    Outcome first_outcome = FinishLauncher(first);
    Outcome second_outcome = FinishLauncher(second);

    EXPECT_TRUE(both_running) << "the copy did not run beside the first";
    EXPECT_EQ(first_outcome.exit_code, 0) << first_outcome.out;
    EXPECT_EQ(second_outcome.exit_code, 0) << second_outcome.out;
    EXPECT_EQ(Count(LogMessages(before), kAlreadyLaunched), 0);
    // Two start scripts at once may each start a client; stop them all.
    for (const auto& entry : fs::directory_iterator("/proc")) {
        pid_t pid = static_cast<pid_t>(atoi(entry.path().filename().c_str()));
        if (pid > 0 && ExecutableOf(pid) == app + "/bin/" + kClientName)
            seen.insert(pid);
    }
}

// Start-up picks the language of the system locale from the compiled-in
// translations; a locale nothing covers gets English.
// Started from a console or over ssh, with no display of any kind: one
// line saying why, status 1, no abort, and the home as it was.
TEST_F(InstallTest, WithoutADisplayItSaysSoAndChangesNothing)
{
    Prepare();
    Outcome run = RunLauncher({"QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY="});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exit_code, 1) << run.out;
    EXPECT_NE(run.out.find("a graphical session is needed"), std::string::npos) << run.out;
    EXPECT_TRUE(fs::is_empty(home));
}

TEST_F(InstallTest, LanguageFollowsTheSystemLocale)
{
    Prepare();
    const std::pair<std::string, std::string> cases[] = {
        {"de_DE.UTF-8", "deu"}, {"pt_PT.UTF-8", "ptg"}, {"fi_FI.UTF-8", "enu"}, {"C", "enu"}};
    for (const auto& [locale, code] : cases) {
        Outcome run = RunLauncher({"LANG=" + locale, "LC_ALL=" + locale});
        ASSERT_TRUE(run.ended) << locale;
        EXPECT_EQ(run.exit_code, 0) << locale << ":\n" << run.out;
        EXPECT_NE(run.out.find(FileFoundTrace(code)), std::string::npos) << locale << ":\n"
                                                                          << run.out;
        EXPECT_NE(run.out.find(ChoiceTrace(code)), std::string::npos) << locale << ":\n"
                                                                       << run.out;
    }
}

// Blanks in the home directory (and in the installation root) must neither
// split the start command nor any path; started through a symbolic link
// elsewhere or by its bare name from PATH, the launcher still finds its
// installation.
enum class Started { ByPath, ThroughALink, FromPath };

struct Places {
    const char* name;
    const char* root;
    const char* home;
    Started started = Started::ByPath;
};

class OddPlacesTest : public InstallTest, public ::testing::WithParamInterface<Places> {
protected:
    std::vector<std::string> StartUp()
    {
        Started started = GetParam().started;
        if (started == Started::ThroughALink) {
            fs::create_directories(scratch + "/links");
            fs::create_symlink(root + "/bin/halvora-launcher", scratch + "/links/halvora");
            command = {scratch + "/links/halvora"};
        } else if (started == Started::FromPath) {
            command = {"/bin/sh", "-c", "exec halvora-launcher"};
            return {"PATH=" + root + "/bin:/usr/bin:/bin"};
        }
        return {};
    }
};

TEST_P(OddPlacesTest, InstallsAndStartsTheClient)
{
    Prepare(GetParam().root, GetParam().home);
    Outcome run = RunLauncher(StartUp());
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exit_code, 0) << run.out;
    std::string plugins = fs::canonical(root).string() + "/lib/plugins";
    EXPECT_NE(run.out.find("lib path = '" + plugins + "'"), std::string::npos) << run.out;
    std::vector<std::string> log = LogMessages();
    EXPECT_TRUE(InOrder(log, {kRunning, kDone}));
    ExpectCompleteCopy();
    ExpectClientFromUserCopy(ClientPid());
}

INSTANTIATE_TEST_SUITE_P(Blanks, OddPlacesTest,
                         ::testing::Values(Places{"HomeWithBlank", "Halvora", "my home"},
                                           Places{"BothWithBlanks", "Veltrane Halvora",
                                                  "home  of  Ann"},
                                           Places{"ThroughALink", "Halvora", "home",
                                                  Started::ThroughALink},
                                           Places{"FromPath", "Halvora", "home",
                                                  Started::FromPath}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallTest, StalePidFileNamingAnotherProgramLeavesItAlone)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());
    Stop(ClientPid());
    // After a reboot the number may belong to any program of the user.
    pid_t other = ChildReaper::Instance().Spawn({"/bin/sleep", "120"}, EnvironmentWith({}));
    ASSERT_GT(other, 0);
    seen.insert(other);
    std::ofstream(pid_file) << "pid=" << other << "\n";
    UseNextPackage();
    size_t before = LogLineCount();

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());

    EXPECT_TRUE(Running(other)) << "the unrelated process " << other << " was killed";
    std::vector<std::string> log = LogMessages(before);
    EXPECT_EQ(CountContaining(log, "process " + std::to_string(other) + " of pid file '" +
                                       pid_file + "' is not halvora-backup-ui, leaving it alone"),
              1)
        << LogText();
    ExpectCompleteCopy();
    pid_t client = ClientPid();
    EXPECT_NE(client, other);
    ExpectClientFromUserCopy(client);
}

// An installation cut by a power failure, a logout or SIGKILL leaves the
// marker beside the copy, naming the backup that holds the last complete
// copy; whatever state it was cut in, the next start leaves a complete copy
// with no backups.
enum class Cut { AfterUnpack, MidUnpack, AfterMovingAside };

struct Interruption {
    const char* name;
    Cut cut;
};

class InterruptedTest : public InstallTest, public ::testing::WithParamInterface<Interruption> {
protected:
    void LeaveCutInstallation(Cut cut)
    {
        std::ofstream(marker) << "installation under way\ncomplete=Halvora.app_tmp\n";
        if (cut == Cut::AfterUnpack) {
            fs::copy(app, app + "_tmp", fs::copy_options::recursive | fs::copy_options::copy_symlinks);
            return;
        }
        fs::rename(app, app + "_tmp");
        if (cut == Cut::AfterMovingAside)
            return;
        int half = static_cast<int>(ReadManifest(package).size() / 2);
        ASSERT_TRUE(ExtractPrefix(package, app, half));
        // Cut this way, the copy looks complete to the build numbers alone.
        ASSERT_TRUE(fs::exists(app + "/INFO"));
        ASSERT_TRUE(fs::exists(app + "/bin/halvora-backup-ui"));
        ASSERT_NE(CompareTree(app, ReadManifest(package)), "");
    }
};

TEST_P(InterruptedTest, IsRepairedOnTheNextStart)
{
    Prepare();
    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());
    Stop(ClientPid());
    ASSERT_NO_FATAL_FAILURE(LeaveCutInstallation(GetParam().cut));
    size_t before = LogLineCount();

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk());

    std::vector<std::string> log = LogMessages(before);
    EXPECT_EQ(CountContaining(log, "was cut short; last complete copy: 'Halvora.app_tmp'"), 1)
        << LogText();
    EXPECT_EQ(Count(log, kUpgradeFailed), 0);
    EXPECT_FALSE(fs::exists(app + "_tmp"));
    ExpectCompleteCopy();
    ExpectClientFromUserCopy(ClientPid());
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, InterruptedTest,
    ::testing::Values(Interruption{"AfterUnpack", Cut::AfterUnpack},
                      Interruption{"MidUnpack", Cut::MidUnpack},
                      Interruption{"AfterMovingAside", Cut::AfterMovingAside}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
