#ifndef HALVORA_E2E_LAUNCH_FIXTURE_H
#define HALVORA_E2E_LAUNCH_FIXTURE_H

#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

#include "child-reaper.h"

namespace e2e {

// One system installation and one home directory, both fresh, for running the
// built launcher as a real child process. The staged tree is copied with
// cp -a (its plug-in links stay links) so that the executable lives in
// <root>/bin, where it finds its installation. Every client the test saw is
// stopped when the test ends; a failed test keeps its directory.
class LaunchFixture : public ::testing::Test {
protected:
    struct Outcome {
        bool ended = false;
        int exit_code = -1;   // -1 unless it exited normally
        std::string out;      // standard output and error
        double seconds = 0;   // from start to end
    };

    void TearDown() override;

    // Creates <scratch>/<root_name> from the staged tree and an empty
    // <scratch>/<home_name>. Call first in every test.
    void Prepare(const std::string& root_name = "Halvora", const std::string& home_name = "home");
    // The home is dir from now on (a folder on a real mount, say).
    void UseHome(const std::string& dir);

    pid_t StartLauncher(const std::vector<std::string>& extra_env = {});
    // From now on the launcher runs as the unprivileged user "nobody", who
    // then owns the home: root would ignore every permission the test means.
    void RunAsNobody();
    Outcome FinishLauncher(pid_t pid, std::chrono::seconds timeout = std::chrono::seconds(60));
    Outcome RunLauncher(const std::vector<std::string>& extra_env = {});
    // A run that must end with 0; the log is printed when it does not.
    void RunLauncherOk(const std::vector<std::string>& extra_env = {});

    // Log lines without their time prefix ("Dec 07 09:15:02 "), from line
    // `from` on. A line without that prefix is a test failure.
    std::vector<std::string> LogMessages(size_t from = 0);
    size_t LogLineCount();
    std::string LogText();

    // The pid in ~/.HalvoraBackup/ui.pid, 0 when there is none. Remembered, so
    // that the client is stopped at the end of the test.
    pid_t ClientPid();
    // A live (not yet reaped) process.
    bool Running(pid_t pid);
    // The executable /proc names for pid, empty when it cannot be read.
    static std::string ExecutableOf(pid_t pid);
    // SIGTERM, then SIGKILL after three seconds; waits until it has ended.
    void Stop(pid_t pid);
    // Until the process has ended (reaped here, or exited), or the time is up.
    bool WaitGone(pid_t pid, std::chrono::milliseconds timeout);
    // How a process the reaper has seen end ended.
    ChildReaper::Ending EndingOf(pid_t pid);

    // Puts the INFO and package of the higher build in place of the staged ones.
    void UseNextPackage();
    // Makes the system INFO and package those of `build`, rewritten from the
    // staged package; with read_only_folder the package also ships a folder
    // of mode 0555 with a file in it, with symbolic_link a link to the client.
    void UsePackageOfBuild(int build, bool read_only_folder, bool symbolic_link = false);
    // build_version of an INFO file, -1 when it has none.
    static int BuildOf(const std::string& info);
    // Entries of the per-user directory whose name starts with "Halvora.app_tmp".
    std::vector<std::string> Backups();

    std::string scratch, root, home, user, app, marker, log, pid_file, package;
    // How the launcher is started; by its path under root when empty.
    std::vector<std::string> command;
    std::set<pid_t> seen;  // processes to stop at the end
    uid_t launcher_user = 0;

private:
    int m_runs = 0;
    std::map<pid_t, std::string> m_outputs; // output file of each launcher started
};

// Runs argv (argv[0] a path) to its end through the reaper, standard output
// and error to out_path: its exit code, or -1. For tests/support's mounts.
int RunReaped(const std::vector<std::string>& argv, const std::string& out_path);

// The launcher's own log messages (without the time prefix), with the line
// numbers support tools match them by.
inline constexpr char kRunning[] = "[DEBUG] launcher(86): running";
inline constexpr char kNoUpgrade[] = "[DEBUG] launcher(91): no need to upgrade";
inline constexpr char kUpgradeFailed[] = "[ERROR] launcher(98): Failed to upgrade package";
inline constexpr char kDone[] = "[DEBUG] launcher(114): done";
// The upgrade decision's message for these build numbers.
std::string Builds(int source, int target);

// The expected messages appear in this order (others may come between).
::testing::AssertionResult InOrder(const std::vector<std::string>& messages,
                                   const std::vector<std::string>& expected);
// How often a message occurs.
int Count(const std::vector<std::string>& messages, const std::string& message);
// How many messages contain the text.
int CountContaining(const std::vector<std::string>& messages, const std::string& text);

} // namespace e2e

#endif
