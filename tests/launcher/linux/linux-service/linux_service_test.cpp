#include <chrono>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "install-marker.h"
#include "linux/client-process.h"
#include "linux/linux-service.h"
#include "test-support.h"

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class ProbeService : public LinuxService {
public:
    using LinuxService::per_user_install_path;
    using LinuxService::source_version;
    using LinuxService::target_version;
    using LinuxService::timeout;
};

bool Alive(pid_t pid)
{
    return kill(pid, 0) == 0;
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Children end up reaped by the kernel, as the real client is reaped by init:
// a zombie would still answer the launcher's probes.
class AutoReap {
public:
    AutoReap() { old = signal(SIGCHLD, SIG_IGN); }
    ~AutoReap() { signal(SIGCHLD, old); }

private:
    sighandler_t old;
};

class LinuxServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("HOME", home.path().c_str(), 1);
        user = home.path() + "/.HalvoraBackup";
        app = user + "/Halvora.app";
        testsupport::MakeDirs(user);
        log = testsupport::LogToFile(logs.path(), {"service_debug"});
    }

    void InstallClientExecutable()
    {
        testsupport::MakeDirs(app + "/bin");
        WriteFile(app + "/bin/halvora-backup-ui", "");
    }

    // Starts a process in its own session and returns its pid; it is not
    // waited for here.
    pid_t Spawn(const char* program, const char* arg, bool ignore_term = false)
    {
        pid_t pid = fork();
        if (pid == 0) {
            setsid();
            if (ignore_term)
                setenv("HALVORA_STANDIN_IGNORE_TERM", "1", 1);
            execl(program, program, arg, static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }

    pid_t StartStandInClient(bool ignore_term = false)
    {
        pid_t pid = Spawn(STANDIN_CLIENT, nullptr, ignore_term);
        for (int i = 0; i < 200 && !testsupport::Exists(user + "/ui.pid"); ++i)
            usleep(10 * 1000);
        return pid;
    }

    AutoReap reap;
    TempDir home{"halvora-home"};
    TempDir logs{"halvora-log"};
    std::string user, app, log;
};

TEST_F(LinuxServiceTest, ConstructionSetsTimeoutAndAppDirectory)
{
    ProbeService service;
    EXPECT_EQ(service.timeout, 10000);
    EXPECT_STREQ(service.per_user_install_path.c_str(), app.c_str());
    EXPECT_TRUE(service.source_version.build_version.empty());
    EXPECT_EQ(&LinuxService::GetInstace(), &LinuxService::GetInstace());
}

struct Decision {
    const char* source;
    const char* target;
    bool client_present;
    bool expected;
};

class UpgradeDecisionTest : public LinuxServiceTest,
                            public ::testing::WithParamInterface<Decision> {};

TEST_P(UpgradeDecisionTest, ByBuildNumberAndClientPresence)
{
    const Decision& d = GetParam();
    if (d.client_present)
        InstallClientExecutable();
    ProbeService service;
    service.source_version.build_version = d.source;
    service.target_version.build_version = d.target;
    EXPECT_EQ(service.IsNeedUpgrade(), d.expected) << d.source << " -> " << d.target;
}

INSTANTIATE_TEST_SUITE_P(
    Builds, UpgradeDecisionTest,
    ::testing::Values(Decision{"", "", false, true},         // first installation
                      Decision{"12", "12", true, false},     // up to date
                      Decision{"13", "12", true, false},     // never downgrade
                      Decision{"12", "12", false, true},     // client missing
                      Decision{"11", "12", true, true},      // newer package
                      Decision{"0012", "12", true, false},   // leading zeros: 12
                      Decision{"abc", "1", true, true},      // letters: 0
                      Decision{"", "0", true, false},        // empty: 0
                      Decision{"12rc", "12", true, false},   // leading digits count
                      Decision{"-5", "-3", true, true}));    // signed comparison

TEST_F(LinuxServiceTest, BuildNumbersAreLogged)
{
    InstallClientExecutable();
    ProbeService service;
    service.source_version.build_version = "0012";
    service.target_version.build_version = "abc";
    service.IsNeedUpgrade();
    EXPECT_NE(ReadFile(log).find("[DEBUG] linux/linux-service(127): source version = 12, "
                                 "target version = 0\n"),
              std::string::npos);
}

TEST_F(LinuxServiceTest, AnInterruptedInstallationIsUpgradedAgain)
{
    InstallClientExecutable();
    ProbeService service;
    service.source_version.build_version = "12";
    service.target_version.build_version = "12";
    ASSERT_FALSE(service.IsNeedUpgrade());
    ASSERT_EQ(MarkInstallationUnderway(app.c_str()), 0);
    EXPECT_TRUE(service.IsNeedUpgrade());
}

TEST_F(LinuxServiceTest, PreUpgradeLogsBothVersions)
{
    testsupport::MakeDirs(app);
    WriteFile(app + "/INFO", "[Version]\nbuild_version=7\nicon_overlay_version=3\n");
    ProbeService service;
    service.PreUpgrade();
    std::string text = ReadFile(log);
    EXPECT_NE(text.find("[DEBUG] linux/linux-service(63): Source version: ('7', '3')\n"),
              std::string::npos) << text;
    EXPECT_NE(text.find("[DEBUG] linux/linux-service(64): Target version: ('', '')\n"),
              std::string::npos) << text;
}

TEST_F(LinuxServiceTest, NoPidFileNothingToStop)
{
    ProbeService service;
    service.StopService();
    EXPECT_NE(ReadFile(log).find("[DEBUG] linux/linux-service(77): pid file '" + user +
                                 "/ui.pid' does not exist, no need to terminate\n"),
              std::string::npos);
}

TEST_F(LinuxServiceTest, MalformedPidFileIsANotice)
{
    WriteFile(user + "/ui.pid", "[pid]\n");
    ProbeService service;
    service.StopService();
    EXPECT_NE(ReadFile(log).find("[NOTE] linux/linux-service(82): Failed to read pid file '" +
                                 user + "/ui.pid', not exist ?\n"),
              std::string::npos);
}

TEST_F(LinuxServiceTest, RunningClientStopsOnSigterm)
{
    pid_t client = StartStandInClient();
    ASSERT_TRUE(testsupport::Exists(user + "/ui.pid"));
    ProbeService service;
    auto start = std::chrono::steady_clock::now();
    service.StopService();
    EXPECT_LT(SecondsSince(start), 2.5);
    EXPECT_FALSE(Alive(client));
    EXPECT_FALSE(testsupport::Exists(user + "/ui.pid")) << "the client cleans up after SIGTERM";
}

TEST_F(LinuxServiceTest, ClientIgnoringSigtermIsKilledAfterFiveSeconds)
{
    pid_t client = StartStandInClient(true);
    ASSERT_TRUE(testsupport::Exists(user + "/ui.pid"));
    ProbeService service;
    auto start = std::chrono::steady_clock::now();
    service.StopService();
    double elapsed = SecondsSince(start);
    EXPECT_GE(elapsed, 4.5);
    EXPECT_LT(elapsed, 8.0);
    usleep(200 * 1000);
    EXPECT_FALSE(Alive(client));
}

TEST_F(LinuxServiceTest, EndedClientMeansNoWaiting)
{
    WriteFile(user + "/ui.pid", "pid=" + std::to_string(INT32_MAX - 7) + "\n");
    ProbeService service;
    auto start = std::chrono::steady_clock::now();
    service.StopService();
    EXPECT_LT(SecondsSince(start), 0.5);
}

TEST_F(LinuxServiceTest, StalePidOfAnUnrelatedProgramIsLeftAlone)
{
    pid_t other = Spawn("/bin/sleep", "30");
    usleep(100 * 1000);
    WriteFile(user + "/ui.pid", "pid=" + std::to_string(other) + "\n");
    ProbeService service;
    service.StopService();
    EXPECT_TRUE(Alive(other));
    EXPECT_NE(ReadFile(log).find("is not halvora-backup-ui, leaving it alone"), std::string::npos);
    kill(other, SIGKILL);
}

TEST_F(LinuxServiceTest, InvalidPidsNeverLeadToASignal)
{
    // Run as an unprivileged user: should a signal go to -1 after all, it
    // reaches only that user's processes, never the machine's.
    chmod(home.path().c_str(), 0777);
    chmod(user.c_str(), 0777);
    chmod(logs.path().c_str(), 0777);
    for (const char* value : {"", "0", "-1", "abc", "12abc", "99999999999", "''"}) {
        std::string content = std::string("pid=") + (*value ? value : "\"\"") + "\n";
        WriteFile(user + "/ui.pid", content);
        chmod((user + "/ui.pid").c_str(), 0666);
        int code = testsupport::RunAsNobody([&] {
            // A signal to our own group would end this process with it.
            pid_t bystander = fork();
            if (bystander == 0) {
                pause();
                _exit(0);
            }
            ProbeService service;
            service.StopService();
            bool alive = kill(bystander, 0) == 0;
            kill(bystander, SIGKILL);
            waitpid(bystander, nullptr, 0);
            return alive ? 0 : 1;
        });
        EXPECT_EQ(code, 0) << "pid value '" << value << "'";
    }
    WriteFile(user + "/ui.pid", "name=x\n");
    ProbeService service;
    service.StopService();
    EXPECT_NE(ReadFile(log).find("names no valid process id"), std::string::npos);
}

TEST_F(LinuxServiceTest, ForeignProcessGetsTheErrorLineAndTheFullWait)
{
    // Root's process, seen from an unprivileged launcher: it may not look at
    // the process, so it tries as the client would be tried and fails.
    pid_t foreign = Spawn("/bin/sleep", "30");
    usleep(100 * 1000);
    chmod(home.path().c_str(), 0777);
    chmod(user.c_str(), 0777);
    chmod(logs.path().c_str(), 0777);
    chmod(log.c_str(), 0666);
    WriteFile(user + "/ui.pid", "pid=" + std::to_string(foreign) + "\n");
    int code = testsupport::RunAsNobody([&] {
        ProbeService service;
        auto start = std::chrono::steady_clock::now();
        service.StopService();
        double elapsed = SecondsSince(start);
        return elapsed >= 4.5 && elapsed < 8.0 ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(Alive(foreign));
    EXPECT_NE(ReadFile(log).find("[ERROR] linux/linux-service(97): kill: Operation not "
                                 "permitted (1)\n"),
              std::string::npos) << ReadFile(log);
    kill(foreign, SIGKILL);
}

// This test's root holds no package, so every preparation fails; what it
// returns must come up unchanged.
TEST_F(LinuxServiceTest, UpgradeStopsAnInstalledClientBeforeThePreparation)
{
    InstallClientExecutable();
    pid_t client = StartStandInClient();
    ASSERT_TRUE(testsupport::Exists(user + "/ui.pid"));
    ProbeService service;
    EXPECT_EQ(service.HandlePackageUpgrade(), -1);
    EXPECT_FALSE(Alive(client));
    EXPECT_TRUE(testsupport::Exists(app + "/bin/halvora-backup-ui")) << "rolled back";
    std::string text = ReadFile(log);
    size_t stop = text.find("[DEBUG] linux/linux-service(140): local appdata exist\n");
    size_t rollback = text.find("): Failed to extract package, rollback to old installation");
    ASSERT_NE(rollback, std::string::npos) << text;
    EXPECT_LT(stop, rollback) << text;
}

TEST_F(LinuxServiceTest, FirstInstallationStopsNothing)
{
    ProbeService service;
    EXPECT_EQ(service.HandlePackageUpgrade(), -1);
    std::string text = ReadFile(log);
    EXPECT_EQ(text.find("local appdata exist"), std::string::npos);
    EXPECT_EQ(text.find("pid file"), std::string::npos);
    EXPECT_NE(text.find("): Failed to extract package, and no old installation"), std::string::npos);
}

TEST_F(LinuxServiceTest, StartScriptGetsItsArgumentInAHomeWithBlanks)
{
    std::string spaced = home.path() + "/my home";
    testsupport::MakeDirs(spaced);
    setenv("HOME", spaced.c_str(), 1);
    std::string script_dir = spaced + "/.HalvoraBackup/Halvora.app/package";
    testsupport::MakeDirs(script_dir);
    std::string record = home.path() + "/args";
    WriteFile(script_dir + "/start-stop", "#!/bin/sh\necho \"$# $1\" > '" + record + "'\n");
    chmod((script_dir + "/start-stop").c_str(), 0755);
    ProbeService service;
    service.PostUpgrade();
    EXPECT_EQ(ReadFile(record), "1 start\n");
}

TEST(ClientProcess, ParsePidAcceptsOnlyAPositiveNumber)
{
    EXPECT_EQ(ParsePid("1234"), 1234);
    EXPECT_EQ(ParsePid(" 1234 "), 1234);
    for (const char* bad : {"", "0", "-1", "+5", "abc", "12abc", "1 2", "99999999999"})
        EXPECT_EQ(ParsePid(bad), 0) << bad;
}

TEST(ClientProcess, IdentifiesByExecutableName)
{
    EXPECT_EQ(IdentifyProcess(getpid(), "linux_service_test"), ClientIdentity::IsClient);
    EXPECT_EQ(IdentifyProcess(getpid(), "halvora-backup-ui"), ClientIdentity::NotClient);
    EXPECT_EQ(IdentifyProcess(INT32_MAX - 7, "halvora-backup-ui"), ClientIdentity::Gone);
}

} // namespace

namespace {

TEST(ClientProcess, AnExitedButUnreapedProcessHasEnded)
{
    pid_t child = fork();
    if (child == 0)
        _exit(0);
    usleep(200 * 1000);
    EXPECT_EQ(kill(child, 0), 0) << "a zombie still answers signal 0";
    EXPECT_TRUE(HasProcessEnded(child));
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(HasProcessEnded(child));
    EXPECT_FALSE(HasProcessEnded(getpid()));
}

} // namespace
