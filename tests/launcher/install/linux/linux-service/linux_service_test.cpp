#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <ostream>
#include <string>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/time.h>
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
    // The stand-in scripts start no client: one look is enough.
    ProbeService() { client_start_wait_ms = 0; }
    using LinuxService::client_left_running;
    using LinuxService::per_user_install_path;
    using LinuxService::source_version;
    using LinuxService::target_version;
    using LinuxService::timeout;
};

bool Alive(pid_t pid)
{
    return kill(pid, 0) == 0;
}

// The kernel reaps an ended child a moment after its pidfd has said so.
bool GoneWithinASecond(pid_t pid)
{
    for (int i = 0; i < 100 && Alive(pid); ++i)
        usleep(10 * 1000);
    return !Alive(pid);
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
    // on_term: how the stand-in client takes SIGTERM ("1": ignores it).
    pid_t Spawn(const char* program, const char* arg, const char* on_term = nullptr)
    {
        pid_t pid = fork();
        if (pid == 0) {
            setsid();
            if (on_term)
                setenv("HALVORA_STANDIN_IGNORE_TERM", on_term, 1);
            execl(program, program, arg, static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }

    pid_t StartStandInClient(const char* on_term = nullptr)
    {
        pid_t pid = Spawn(STANDIN_CLIENT, nullptr, on_term);
        for (int i = 0; i < 200 && !testsupport::Exists(user + "/ui.pid"); ++i)
            usleep(10 * 1000);
        return pid;
    }

    // Lets an unprivileged child write the pid file and the log.
    void OpenToNobody()
    {
        chmod(home.path().c_str(), 0777);
        chmod(user.c_str(), 0777);
        chmod(logs.path().c_str(), 0777);
        chmod(log.c_str(), 0666);
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
    EXPECT_TRUE(GoneWithinASecond(client));
    EXPECT_FALSE(testsupport::Exists(user + "/ui.pid")) << "the client cleans up after SIGTERM";
}

TEST_F(LinuxServiceTest, ClientIgnoringSigtermIsKilledAfterFiveSeconds)
{
    pid_t client = StartStandInClient("1");
    ASSERT_TRUE(testsupport::Exists(user + "/ui.pid"));
    ProbeService service;
    auto start = std::chrono::steady_clock::now();
    service.StopService();
    double elapsed = SecondsSince(start);
    EXPECT_GE(elapsed, 4.5);
    EXPECT_LT(elapsed, 8.0);
    usleep(200 * 1000);
    EXPECT_TRUE(GoneWithinASecond(client));
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

TEST_F(LinuxServiceTest, ForeignProcessGetsTheErrorLineWithoutWaiting)
{
    // Root's process, seen from an unprivileged launcher: the system refuses
    // the signal, and no wait would change that.
    pid_t foreign = Spawn("/bin/sleep", "30");
    usleep(100 * 1000);
    OpenToNobody();
    WriteFile(user + "/ui.pid", "pid=" + std::to_string(foreign) + "\n");
    int code = testsupport::RunAsNobody([&] {
        ProbeService service;
        auto start = std::chrono::steady_clock::now();
        service.StopService();
        return SecondsSince(start) < 2.0 ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(Alive(foreign));
    EXPECT_NE(ReadFile(log).find("[ERROR] linux/linux-service(97): kill: Operation not "
                                 "permitted (1)\n"),
              std::string::npos) << ReadFile(log);
    kill(foreign, SIGKILL);
}

// This test's root holds no package, so the package check fails before
// anything is touched: the running client keeps running.
TEST_F(LinuxServiceTest, MissingPackageNeverStopsTheClient)
{
    InstallClientExecutable();
    pid_t client = StartStandInClient();
    ASSERT_TRUE(testsupport::Exists(user + "/ui.pid"));
    ProbeService service;
    EXPECT_EQ(service.HandlePackageUpgrade(), -1);
    EXPECT_TRUE(Alive(client));
    EXPECT_TRUE(testsupport::Exists(app + "/bin/halvora-backup-ui"));
    std::string text = ReadFile(log);
    EXPECT_EQ(text.find("local appdata exist"), std::string::npos) << text;
    EXPECT_NE(text.find("/package/halvora.hpk' is damaged or empty (0 entries read to its end), "
                        "nothing is changed\n"),
              std::string::npos)
        << text;
    kill(client, SIGKILL);
}

TEST_F(LinuxServiceTest, FirstInstallationStopsNothing)
{
    ProbeService service;
    EXPECT_EQ(service.HandlePackageUpgrade(), -1);
    std::string text = ReadFile(log);
    EXPECT_EQ(text.find("local appdata exist"), std::string::npos);
    EXPECT_EQ(text.find("pid file"), std::string::npos);
    EXPECT_FALSE(testsupport::Exists(app));
}

// Only a complete copy is started: none at all, or one whose installation
// is under way, gets a line and no start.
TEST_F(LinuxServiceTest, OnlyACompleteCopyIsStarted)
{
    std::string record = home.path() + "/started";
    testsupport::MakeDirs(app + "/package");
    WriteFile(app + "/package/start-stop", "#!/bin/sh\necho started >> '" + record + "'\n");
    chmod((app + "/package/start-stop").c_str(), 0755);
    const std::string line = "): no complete copy of the client in '" + app + "', not starting it\n";

    ProbeService().PostUpgrade();
    EXPECT_FALSE(testsupport::Exists(record));
    InstallClientExecutable();
    ASSERT_EQ(MarkInstallationUnderway(app.c_str()), 0);
    ProbeService().PostUpgrade();
    EXPECT_FALSE(testsupport::Exists(record));
    ASSERT_EQ(ClearInstallationUnderway(app.c_str()), 0);
    ProbeService().PostUpgrade();
    EXPECT_EQ(ReadFile(record), "started\n");

    std::string text = ReadFile(log);
    size_t first = text.find(line);
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find(line, first + 1), std::string::npos) << text;
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
    testsupport::MakeDirs(spaced + "/.HalvoraBackup/Halvora.app/bin");
    WriteFile(spaced + "/.HalvoraBackup/Halvora.app/bin/halvora-backup-ui", "");
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

namespace {

// Makes pidfd_open fail with ENOSYS in this process and its children, as on
// a kernel before 5.3.
bool HidePidfdFromThisProcess()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_pidfd_open, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program = {static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// SIGKILL is delivered asynchronously: give the process a moment to go.
bool EndsWithinASecond(pid_t pid)
{
    for (int i = 0; i < 100; ++i) {
        if (HasProcessEnded(pid))
            return true;
        usleep(10 * 1000);
    }
    return false;
}

// NonDumpable hides itself under the client's name, and is the client even
// when its pid file reads older than its start (NonDumpableAfterClockStep,
// as after the wall clock was stepped); NonDumpableOtherName is what a stale
// pid file meets after a reboot.
enum class Target {
    Client, ClientIgnoringTerm, ClientHandingOver, NonDumpable, NonDumpableOtherName,
    NonDumpableAfterClockStep, RootProcess, Init, PidFileIsFifo
};

struct StopCase {
    const char* name;
    Target target;
    bool without_pidfd;
    bool survives;
    bool postpones; // the upgrade waits for a later start
    int min_seconds; // the whole stop took at least this long ...
    int max_seconds; // ... and less than this
    const char* line; // expected in the log, or empty
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class StopAsNobodyTest : public LinuxServiceTest, public ::testing::WithParamInterface<StopCase> {
protected:
    // In the unprivileged child: starts the target, stops it through the pid
    // file, and reports 100 when it survived, 50 when the upgrade waits, plus
    // the whole seconds taken. A stop that hangs ends by the alarm.
    int StopAndReport(const StopCase& c, pid_t root_process)
    {
        alarm(30);
        if (c.without_pidfd && !HidePidfdFromThisProcess())
            return 250;
        pid_t target = StartTarget(c.target, root_process);
        if (target <= 0)
            return 251;
        ProbeService service;
        auto start = std::chrono::steady_clock::now();
        service.StopService();
        int seconds = static_cast<int>(SecondsSince(start));
        bool survived = !EndsWithinASecond(target);
        if (target != getpid() && target != root_process && target != 1)
            kill(target, SIGKILL);
        return (survived ? 100 : 0) + (service.client_left_running ? 50 : 0) + std::min(seconds, 49);
    }

    pid_t StartTarget(Target kind, pid_t root_process)
    {
        pid_t pid = 1;
        switch (kind) {
        case Target::Client:
            return StartStandInClient();
        case Target::ClientIgnoringTerm:
            return StartStandInClient("1");
        case Target::ClientHandingOver:
            return StartStandInClient("exec");
        case Target::NonDumpable:
        case Target::NonDumpableAfterClockStep:
            pid = testsupport::StartNonDumpable();
            break;
        case Target::NonDumpableOtherName:
            pid = testsupport::StartNonDumpable("agent) (x y");
            break;
        case Target::PidFileIsFifo:
            // Nothing to stop: the launcher itself must come through.
            return mkfifo((user + "/ui.pid").c_str(), 0600) == 0 ? getpid() : -1;
        case Target::RootProcess:
            pid = root_process;
            break;
        case Target::Init:
            break;
        }
        WriteFile(user + "/ui.pid", "pid=" + std::to_string(pid) + "\n");
        if (kind == Target::NonDumpableAfterClockStep) {
            timeval written[2] = {{time(nullptr) - 30, 0}, {time(nullptr) - 30, 0}};
            if (utimes((user + "/ui.pid").c_str(), written) != 0)
                return -1;
        }
        return pid;
    }
};

TEST_P(StopAsNobodyTest, OnlyTheClientIsStopped)
{
    const StopCase& c = GetParam();
    pid_t root_process = Spawn("/bin/sleep", "30");
    OpenToNobody();
    int code = testsupport::RunAsNobody([&] { return StopAndReport(c, root_process); });
    kill(root_process, SIGKILL);
    ASSERT_GE(code, 0);
    ASSERT_LT(code, 250) << "the target could not be set up";
    EXPECT_EQ(code >= 100, c.survives);
    EXPECT_EQ(code % 100 >= 50, c.postpones);
    EXPECT_GE(code % 50, c.min_seconds);
    EXPECT_LT(code % 50, c.max_seconds);
    if (*c.line) {
        EXPECT_NE(ReadFile(log).find(c.line), std::string::npos) << ReadFile(log);
    }
    EXPECT_EQ(ReadFile(log).find("pidfd_open"), std::string::npos) << "ENOSYS is no failure";
}

const char kHidden[] = "hides its executable under the name of halvora-backup-ui: it is stopped "
                       "as the client\n";
const char kOtherName[] = "is not halvora-backup-ui (it has another name), leaving it alone\n";
const char kHandedOver[] = "no longer runs halvora-backup-ui, leaving it alone\n";
const char kRefused[] = "[ERROR] linux/linux-service(97): kill: Operation not permitted (1)\n";
const char kFifo[] = "/ui.pid' cannot be read: not a regular file; no client known to stop\n";

INSTANTIATE_TEST_SUITE_P(
    Processes, StopAsNobodyTest,
    ::testing::Values(
        StopCase{"client", Target::Client, false, false, false, 0, 2, ""},
        StopCase{"client_ignoring_term", Target::ClientIgnoringTerm, false, false, false, 4, 8, ""},
        StopCase{"non_dumpable", Target::NonDumpable, false, false, false, 0, 2, kHidden},
        StopCase{"non_dumpable_of_another_name", Target::NonDumpableOtherName, false, true, false,
                 0, 2, kOtherName},
        StopCase{"non_dumpable_whose_pid_file_reads_older", Target::NonDumpableAfterClockStep,
                 false, false, false, 0, 2, kHidden},
        StopCase{"client_executing_another_program", Target::ClientHandingOver, false, true, false,
                 4, 8, kHandedOver},
        StopCase{"root_process", Target::RootProcess, false, true, false, 0, 2, kRefused},
        StopCase{"init", Target::Init, false, true, false, 0, 2, kRefused},
        StopCase{"pid_file_is_a_fifo", Target::PidFileIsFifo, false, true, false, 0, 2, kFifo},
        StopCase{"client_no_pidfd", Target::Client, true, false, false, 0, 2, ""},
        StopCase{"client_ignoring_term_no_pidfd", Target::ClientIgnoringTerm, true, false, false,
                 4, 8, ""},
        StopCase{"non_dumpable_no_pidfd", Target::NonDumpable, true, false, false, 0, 2, kHidden},
        StopCase{"root_process_no_pidfd", Target::RootProcess, true, true, false, 0, 2, kRefused}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return info.param.name; });

TEST(ClientProcess, HandleFallsBackToTheNumberWithoutPidfd)
{
    int code = testsupport::RunWithDeadline(
        [] {
            if (!HidePidfdFromThisProcess())
                return 2;
            ProcessHandle self(getpid());
            return !self.HeldByPidfd() && self.OpenError() == 0 && self.Signal(0) == 0 ? 0 : 1;
        },
        10);
    EXPECT_EQ(code, 0);
    ProcessHandle self(getpid());
    EXPECT_TRUE(self.HeldByPidfd());
    EXPECT_EQ(ProcessHandle(INT32_MAX - 7).OpenError(), ESRCH);
}

} // namespace
