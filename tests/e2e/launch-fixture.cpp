#include "launch-fixture.h"

#include <algorithm>

#include "package-manifest.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace e2e {

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string MakeScratch()
{
    const char* base = getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/halvora-e2e-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) {
        ADD_FAILURE() << "mkdtemp " << tmpl << ": " << strerror(errno);
        return std::string();
    }
    return buf.data();
}

bool Failed()
{
    return ::testing::Test::HasFailure();
}

} // namespace

void LaunchFixture::Prepare(const std::string& root_name, const std::string& home_name)
{
    scratch = MakeScratch();
    root = scratch + "/" + root_name;
    home = scratch + "/" + home_name;
    UseHome(home);
    package = root + "/package/halvora.hpk";
    ASSERT_EQ(RunToEnd({"/bin/cp", "-a", HALVORA_STAGE_DIR, root}, 60s), 0)
        << "copying " << HALVORA_STAGE_DIR;
    ASSERT_TRUE(fs::is_symlink(root + "/lib/plugins/platforms")) << "plug-in links lost";
    fs::create_directories(home);
}

void LaunchFixture::UseHome(const std::string& dir)
{
    home = dir;
    user = home + "/.HalvoraBackup";
    app = user + "/Halvora.app";
    marker = app + ".installing";
    log = user + "/log/launcher.log";
    pid_file = user + "/ui.pid";
}

void LaunchFixture::TearDown()
{
    ClientPid();
    for (pid_t pid : seen)
        Stop(pid);
    if (scratch.empty())
        return;
    if (Failed()) {
        fprintf(stderr, "keeping %s for inspection\n", scratch.c_str());
        return;
    }
    std::error_code ec;
    fs::remove_all(scratch, ec);
}

pid_t LaunchFixture::StartLauncher(const std::vector<std::string>& extra_env)
{
    // Qt's debug messages (the language traces) go to standard error and so
    // into the output file, whatever the build of Qt does by default.
    std::vector<std::string> env = {"HOME=" + home, "QT_QPA_PLATFORM=offscreen",
                                    "QT_FORCE_STDERR_LOGGING=1"};
    // A variable the test sets replaces the default of the same name.
    for (const std::string& extra : extra_env) {
        std::string name = extra.substr(0, extra.find('=') + 1);
        env.erase(std::remove_if(env.begin(), env.end(),
                                 [&](const std::string& e) { return e.rfind(name, 0) == 0; }),
                  env.end());
        env.push_back(extra);
    }
    std::string out = scratch + "/launcher-" + std::to_string(++m_runs) + ".out";
    std::vector<std::string> argv = command;
    if (argv.empty())
        argv = {root + "/bin/halvora-launcher"};
    pid_t pid = ChildReaper::Instance().Spawn(argv, EnvironmentWith(env), out, launcher_user);
    m_outputs[pid] = out;
    return pid;
}

LaunchFixture::Outcome LaunchFixture::FinishLauncher(pid_t pid, std::chrono::seconds timeout)
{
    Outcome outcome;
    ChildReaper::Ending ending;
    outcome.ended = pid > 0 && ChildReaper::Instance().WaitEnded(pid, timeout, &ending);
    if (!outcome.ended) {
        ADD_FAILURE() << "launcher " << pid << " still runs after " << timeout.count() << " s";
        if (pid > 0) {
            kill(pid, SIGKILL);
            ChildReaper::Instance().WaitEnded(pid, 5s);
        }
        return outcome;
    }
    if (WIFEXITED(ending.status))
        outcome.exit_code = WEXITSTATUS(ending.status);
    outcome.out = ReadAll(m_outputs[pid]);
    return outcome;
}

LaunchFixture::Outcome LaunchFixture::RunLauncher(const std::vector<std::string>& extra_env)
{
    auto start = ChildReaper::Clock::now();
    Outcome outcome = FinishLauncher(StartLauncher(extra_env));
    outcome.seconds = std::chrono::duration<double>(ChildReaper::Clock::now() - start).count();
    ClientPid();
    return outcome;
}

void LaunchFixture::RunLauncherOk(const std::vector<std::string>& extra_env)
{
    Outcome outcome = RunLauncher(extra_env);
    ASSERT_TRUE(outcome.ended);
    ASSERT_EQ(outcome.exit_code, 0) << outcome.out << "\nlog:\n" << LogText();
}

std::string LaunchFixture::LogText()
{
    return ReadAll(log);
}

std::vector<std::string> LaunchFixture::LogMessages(size_t from)
{
    static const std::regex prefix("^[A-Z][a-z]{2} [ 0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] ");
    std::vector<std::string> messages;
    std::istringstream in(LogText());
    size_t n = 0;
    for (std::string line; std::getline(in, line); ++n) {
        if (n < from)
            continue;
        std::smatch m;
        if (!std::regex_search(line, m, prefix)) {
            ADD_FAILURE() << "log line without time prefix: '" << line << "'";
            messages.push_back(line);
            continue;
        }
        messages.push_back(line.substr(m.length(0)));
    }
    return messages;
}

size_t LaunchFixture::LogLineCount()
{
    std::string text = LogText();
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

pid_t LaunchFixture::ClientPid()
{
    std::istringstream in(ReadAll(pid_file));
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("pid=", 0) == 0) {
            pid_t pid = static_cast<pid_t>(atol(line.c_str() + 4));
            if (pid > 0)
                seen.insert(pid);
            return pid;
        }
    }
    return 0;
}

bool LaunchFixture::Running(pid_t pid)
{
    return pid > 0 && !ChildReaper::Instance().HasEnded(pid) && kill(pid, 0) == 0;
}

std::string LaunchFixture::ExecutableOf(pid_t pid)
{
    char target[4096];
    std::string link = "/proc/" + std::to_string(pid) + "/exe";
    ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
    return n < 0 ? std::string() : std::string(target, static_cast<size_t>(n));
}

void LaunchFixture::Stop(pid_t pid)
{
    if (!Running(pid))
        return;
    // Only what this test started: a pid file may name anything by now. A
    // home on a mount of the test's own is outside the scratch folder.
    std::string exe = ExecutableOf(pid);
    if (exe.rfind(scratch, 0) != 0 && exe.rfind(home + "/", 0) != 0 &&
        exe != "/usr/bin/sleep" && exe != "/bin/sleep")
        return;
    kill(pid, SIGTERM);
    if (!WaitGone(pid, 3s)) {
        kill(pid, SIGKILL);
        WaitGone(pid, 3s);
    }
}

bool LaunchFixture::WaitGone(pid_t pid, std::chrono::milliseconds timeout)
{
    // A client orphaned by a killed launcher may be reaped by someone else:
    // an unreadable /proc exe link means it has exited all the same.
    auto end = std::chrono::steady_clock::now() + timeout;
    while (!ChildReaper::Instance().WaitEnded(pid, 10ms)) {
        if (ExecutableOf(pid).empty())
            return true;
        if (std::chrono::steady_clock::now() > end)
            return false;
    }
    return true;
}

ChildReaper::Ending LaunchFixture::EndingOf(pid_t pid)
{
    ChildReaper::Ending ending;
    EXPECT_TRUE(ChildReaper::Instance().WaitEnded(pid, 3s, &ending)) << pid << " has not ended";
    return ending;
}

void LaunchFixture::UseNextPackage()
{
    fs::copy_file(std::string(HALVORA_STAGE_NEXT_DIR) + "/INFO", root + "/INFO",
                  fs::copy_options::overwrite_existing);
    fs::copy_file(std::string(HALVORA_STAGE_NEXT_DIR) + "/package/halvora.hpk", package,
                  fs::copy_options::overwrite_existing);
}

void LaunchFixture::RunAsNobody()
{
    launcher_user = 65534;
    fs::permissions(scratch, fs::perms::owner_all | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read |
                                 fs::perms::others_exec);
    ASSERT_EQ(RunToEnd({"/bin/chown", "-R", "nobody:nogroup", home}, 30s), 0);
}

void LaunchFixture::UsePackageOfBuild(int build, bool read_only_folder, bool symbolic_link)
{
    std::string staged = std::string(HALVORA_STAGE_DIR) + "/package/halvora.hpk";
    ASSERT_TRUE(RewritePackage(staged, package, build, read_only_folder, symbolic_link)) << staged;
    std::string info = ReadAll(std::string(HALVORA_STAGE_DIR) + "/INFO");
    info = std::regex_replace(info, std::regex("build_version=[0-9]*"),
                              "build_version=" + std::to_string(build));
    // The rewritten package is described anew, as its packer would.
    info = info.substr(0, info.find("[Package]")) + PackageGroup(package);
    std::ofstream(root + "/INFO", std::ios::trunc) << info;
}

int LaunchFixture::BuildOf(const std::string& info)
{
    std::istringstream in(ReadAll(info));
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("build_version=", 0) == 0)
            return atoi(line.c_str() + strlen("build_version="));
    }
    return -1;
}

std::vector<std::string> LaunchFixture::Backups()
{
    std::vector<std::string> found;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(user, ec)) {
        std::string name = e.path().filename();
        if (name.rfind("Halvora.app_tmp", 0) == 0)
            found.push_back(name);
    }
    return found;
}

int RunReaped(const std::vector<std::string>& argv, const std::string& out_path)
{
    ChildReaper& reaper = ChildReaper::Instance();
    pid_t pid = reaper.Spawn(argv, EnvironmentWith({}), out_path);
    ChildReaper::Ending ending;
    if (pid == 0 || !reaper.WaitEnded(pid, 120s, &ending))
        return -1;
    return WIFEXITED(ending.status) ? WEXITSTATUS(ending.status) : -1;
}

std::string Builds(int source, int target)
{
    return "[DEBUG] linux/linux-service(127): source version = " + std::to_string(source) +
           ", target version = " + std::to_string(target);
}

::testing::AssertionResult InOrder(const std::vector<std::string>& messages,
                                   const std::vector<std::string>& expected)
{
    size_t next = 0;
    for (const std::string& m : messages) {
        if (next < expected.size() && m == expected[next])
            ++next;
    }
    if (next == expected.size())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "missing or out of order: '" << expected[next] << "'\nlog:\n";
    for (const std::string& m : messages)
        failure << "  " << m << "\n";
    return failure;
}

int Count(const std::vector<std::string>& messages, const std::string& message)
{
    return static_cast<int>(std::count(messages.begin(), messages.end(), message));
}

int CountContaining(const std::vector<std::string>& messages, const std::string& text)
{
    return static_cast<int>(std::count_if(messages.begin(), messages.end(), [&](const auto& m) {
        return m.find(text) != std::string::npos;
    }));
}

} // namespace e2e
