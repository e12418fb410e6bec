#include "linux/linux-service.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "file/own-file.h"
#include "install-marker.h"
#include "linux/client-process.h"
#include "linux/client-record.h"
#include "linux/client-start.h"
#include "log.h"

namespace {

const char* const kComponent = "service_debug";
const char* const kClientName = "halvora-backup-ui";

// Support tools match these lines by their numbers, so they stay fixed
// whatever the layout of this file.
enum FixedLine {
    kSourceVersionLine = 63,
    kTargetVersionLine = 64,
    kNoPidFileLine = 77,
    kPidFileUnreadableLine = 82,
    kKillFailedLine = 97,
    kBuildNumbersLine = 127,
    kAppDataExistLine = 140,
};

// The nearest folder at or above path that exists, and 0 when we may write
// in it, or the system's reason why not.
int WriteErrorAbove(const ustring& path, std::string& folder)
{
    folder = path.c_str();
    struct stat st;
    while (stat(folder.c_str(), &st) != 0) {
        size_t slash = folder.rfind('/');
        if (slash == std::string::npos || folder == "/")
            break;
        // The root keeps its slash.
        folder.resize(slash > 0 ? slash : 1);
    }
    return access(folder.c_str(), W_OK) == 0 ? 0 : errno;
}

// The user is left without a client: said on standard error too, which the
// session's journal keeps even when the log cannot be written.
void TellNotStarted(const ustring& app)
{
    std::string folder;
    int err = WriteErrorAbove(app, folder);
    if (err != 0)
        fprintf(stderr, "halvora-launcher: Halvora Backup was not started: '%s' cannot be "
                        "written: %s\n",
                folder.c_str(), strerror(err));
    else
        fprintf(stderr, "halvora-launcher: Halvora Backup was not started: there is no complete "
                        "copy of it in '%s' (the log says why)\n",
                app.c_str());
}

// How long the client has to end on SIGTERM before it is killed.
const int kTermWaitMs = 5000;
// Long enough for another launcher of this machine to stop its client and
// unpack a large package; a launcher never waits for ever behind one that
// hangs, and behind another machine's at most HomeLock::kOtherMachineWaitMs.
const int kHomeLockWaitMs = 10 * 60 * 1000;

} // namespace

LinuxService::LinuxService()
{
    timeout = 10000;
    per_user_install_path = GetUserHalvoraAppInstallPath();
    backups_after_start = true;
}

LinuxService& LinuxService::GetInstace()
{
    static LinuxService instance;
    return instance;
}

void LinuxService::LoadSourceVerInfo()
{
    Service::LoadSourceVersion();
}

void LinuxService::LoadTargetVerInfo()
{
    Service::LoadTargetVersion();
}

void LinuxService::PreUpgrade()
{
    // A refusal or a run without a client is reported with the words of
    // the first error line since here.
    Logger::WatchFailures();
    MeetOtherMachines();
    // The decision and the installation must see one state of the home,
    // and a cut installation is undone first, whatever the package is like.
    HomeLock::State lock = home_lock.Acquire(GetUserHalvoraInstallPath(), kHomeLockWaitMs);
    others_excluded = lock == HomeLock::State::Held;
    if (lock != HomeLock::State::Busy)
        RestoreLastCompleteCopy();
    LoadTargetVerInfo();
    LoadSourceVerInfo();
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] linux/linux-service(%d): Source version: ('%s', '%s')\n",
                   kSourceVersionLine, source_version.build_version.c_str(),
                   source_version.icon_overlay_version.c_str());
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] linux/linux-service(%d): Target version: ('%s', '%s')\n",
                   kTargetVersionLine, target_version.build_version.c_str(),
                   target_version.icon_overlay_version.c_str());
}

bool LinuxService::PerUserBinPathExist()
{
    ustring per_user_ui_bin = per_user_install_path + "/" + "bin" + "/" + kClientName;
    return access(per_user_ui_bin.c_str(), F_OK) == 0;
}

bool LinuxService::IsNeedUpgrade()
{
    int src_ver = 0;
    int tgt_ver = 0;
    if (!source_version.build_version.empty())
        src_ver = atoi(source_version.build_version.c_str());
    if (!target_version.build_version.empty())
        tgt_ver = atoi(target_version.build_version.c_str());
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n",
                   kBuildNumbersLine, src_ver, tgt_ver);
    bool need_upgrade = tgt_ver > src_ver;
    if (!PerUserBinPathExist())
        need_upgrade = true;
    if (copy_in_doubt && (tgt_ver != src_ver || MissingExecutable(per_user_install_path)))
        need_upgrade = true;
    // An installation that was cut short may have left a copy that looks
    // complete; only a finished one clears the marker.
    if (IsInstallationUnderway(per_user_install_path))
        need_upgrade = true;
    if (need_upgrade && restore_pending) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] linux/linux-service(%d): the last complete copy could not be put "
                       "back in '%s', not upgrading this time\n",
                       __LINE__, per_user_install_path.c_str());
        need_upgrade = false;
        Decide(RunResult::Refused);
    }
    if (need_upgrade && home_lock.state() == HomeLock::State::Busy) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): another launcher is still installing, "
                       "not upgrading this time\n",
                       __LINE__);
        need_upgrade = false;
    }
    return need_upgrade;
}

int LinuxService::HandlePackageUpgrade()
{
    // Only lines of the upgrade itself say why it did not happen.
    Logger::WatchFailures();
    if (PostponeForOtherMachine())
        return -1;
    bool had_client = PerUserBinPathExist();
    // A package that is damaged or does not fit, or a home that cannot take
    // the marker or the new copy, must not cost the user the running client.
    if (CheckPackage() != 0 || MarkBeforeStop() != 0 || BuildNewCopy() != 0 ||
        !StillHoldsHome()) {
        if (!StillHoldsHome())
            LeaveHomeToItsHolder();
        UnmarkBeforeStop();
        Decide(RunResult::Refused);
        return -1;
    }
    if (PerUserBinPathExist())
        Logger::LogMsg(Logger::L_DEBUG, kComponent,
                       "[DEBUG] linux/linux-service(%d): local appdata exist\n", kAppDataExistLine);
    // A client keeps running when the user deletes its copy; the start
    // script would take it for the new copy's client and start none.
    stopped_at = std::chrono::steady_clock::now();
    StopService();
    // Replacing the copy under a client that may still run it would leave
    // two clients for one home, one of them running a deleted copy.
    if (client_left_running) {
        outcome.reason = "the client may still be running, the upgrade is left to a later start";
        Logger::LogMsg(Logger::L_NOTICE, kComponent, "[NOTE] linux/linux-service(%d): %s\n",
                       __LINE__, outcome.reason.c_str());
        UnmarkBeforeStop();
        Decide(RunResult::Postponed);
        return -1;
    }
    int ret = PrepareUserEnv();
    if (ret != 0)
        Decide(RunResult::RolledBack);
    else
        Decide(had_client ? RunResult::Upgraded : RunResult::Installed);
    return ret;
}

void LinuxService::StopService()
{
    // This machine's own client, whatever the pid file (which another
    // machine's client may have written) says now.
    if (pid_t own = OwnRecordedClient()) {
        TerminateClient(own, GetUserHalvoraInstallPath() + "/ui.pid");
        return;
    }
    ustring ui_pid_file = GetUserHalvoraInstallPath() + "/ui.pid";
    // Read like the launcher's other own files: whatever the user put in its
    // place must neither block the launcher nor be taken for a client.
    std::string text;
    int err = ReadOwnFile(ui_pid_file, kPidFileMaxBytes, text);
    if (err == ENOENT) {
        Logger::LogMsg(Logger::L_DEBUG, kComponent,
                       "[DEBUG] linux/linux-service(%d): pid file '%s' does not exist, no need to "
                       "terminate\n",
                       kNoPidFileLine, ui_pid_file.c_str());
        return;
    }
    if (err != 0) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): pid file '%s' cannot be read: %s; no "
                       "client known to stop\n",
                       __LINE__, ui_pid_file.c_str(), OwnFileErrorText(err));
        return;
    }
    pid_t pid = 0;
    ustring value;
    if (PidOfPidFile(text, pid, value) < 0) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): Failed to read pid file '%s', not exist ?\n",
                       kPidFileUnreadableLine, ui_pid_file.c_str());
        return;
    }
    // A pid of 0 or below would signal our own process group or every process
    // of the user: only a plain positive number names a process.
    if (pid <= 0) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): pid file '%s' names no valid process id "
                       "('%s'), nothing to terminate\n",
                       __LINE__, ui_pid_file.c_str(), value.c_str());
        return;
    }
    TerminateClient(pid, ui_pid_file);
}

// Identify positively, or not at all: the number may have been reused since
// the client wrote it (a reboot in between), and another program must never
// lose its work to our signal. The handle pins the process, so the one we
// identify is the one we signal.
void LinuxService::TerminateClient(pid_t pid, const ustring& ui_pid_file)
{
    ProcessHandle process(pid);
    if (process.OpenError() == ESRCH)
        return;
    if (process.OpenError() != 0)
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): pidfd_open(%d): %s (%d), going by the "
                       "process number\n",
                       __LINE__, static_cast<int>(pid), strerror(process.OpenError()),
                       process.OpenError());
    ClientIdentity identity = IdentifyProcess(pid, kClientName);
    // Asked after the look: a process still alive now was alive during it,
    // so the number then still named the process we hold.
    int may_signal = process.Signal(0);
    if (identity == ClientIdentity::Gone || may_signal == ESRCH)
        return;
    if (identity == ClientIdentity::NotClient) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): process %d of pid file '%s' is not %s, "
                       "leaving it alone\n",
                       __LINE__, static_cast<int>(pid), ui_pid_file.c_str(), kClientName);
        return;
    }
    // Another user's process: the system refuses, and waiting will not change that.
    if (may_signal != 0) {
        LogKillFailure(may_signal);
        return;
    }
    // Ours to signal but hidden from us (non-dumpable, like the agents that
    // start early at login): its name tells the client from another
    // program that got the number after a reboot.
    if (identity == ClientIdentity::Unknown && !IsHiddenClient(pid, ui_pid_file))
        return;
    int err = SignalClient(process, pid, SIGTERM);
    if (err == ESRCH)
        return;
    if (err != 0) {
        LogKillFailure(err);
        return;
    }
    if (process.WaitForExit(kTermWaitMs))
        return;
    SignalClient(process, pid, SIGKILL);
}

// True when the hidden process pid is the client by its name; otherwise it
// is left alone, with a line, and when even its name cannot be read the
// upgrade waits for a later start.
bool LinuxService::IsHiddenClient(pid_t pid, const ustring& ui_pid_file)
{
    HiddenProcess hidden = JudgeHiddenProcess(pid, kClientName);
    if (hidden == HiddenProcess::ClientName) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): process %d of pid file '%s' hides its "
                       "executable under the name of %s: it is stopped as the client\n",
                       __LINE__, static_cast<int>(pid), ui_pid_file.c_str(), kClientName);
        return true;
    }
    if (hidden == HiddenProcess::OtherName) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): process %d of pid file '%s' is not %s (it "
                       "has another name), leaving it alone\n",
                       __LINE__, static_cast<int>(pid), ui_pid_file.c_str(), kClientName);
        return false;
    }
    Logger::LogMsg(Logger::L_NOTICE, kComponent,
                   "[NOTE] linux/linux-service(%d): process %d of pid file '%s' cannot be "
                   "identified as %s, leaving it alone\n",
                   __LINE__, static_cast<int>(pid), ui_pid_file.c_str(), kClientName);
    client_left_running = true;
    return false;
}

// The process may have executed another program since it was identified (a
// client that hands over to a helper on SIGTERM): that program is not ours
// to stop. ESRCH when the process is no longer the client.
int LinuxService::SignalClient(const ProcessHandle& process, pid_t pid, int sig)
{
    if (!RunsClient(pid, kClientName)) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): process %d no longer runs %s, leaving it "
                       "alone\n",
                       __LINE__, static_cast<int>(pid), kClientName);
        return ESRCH;
    }
    return process.Signal(sig);
}

void LinuxService::LogKillFailure(int err)
{
    Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] linux/linux-service(%d): kill: %s (%d)\n",
                   kKillFailedLine, strerror(err), err);
}

void LinuxService::PostUpgrade()
{
    if (client_left_running)
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): not starting a second client beside the "
                       "one that may be running\n",
                       __LINE__);
    else if (IsInstallationUnderway(per_user_install_path) || !PerUserBinPathExist())
        NoClientToStart();
    else if (!OwnClientAlreadyRuns()) {
        BeforeClientStart();
        AfterClientStart(LaunchPerUserBin());
    }
    // The old copy goes once the new client runs, and still under the lock:
    // another launcher must neither meet it half removed nor have its own
    // backup, made under the same name, taken for it.
    RemoveBackupsOfFinishedInstallation();
    home_lock.Release();
}

void LinuxService::NoClientToStart()
{
    NameInstallingMachine();
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] linux/linux-service(%d): no complete copy of the client in '%s', not "
                   "starting it\n",
                   __LINE__, per_user_install_path.c_str());
    TellNotStarted(per_user_install_path);
    Decide(RunResult::NoClient);
}

pid_t LinuxService::LaunchPerUserBin()
{
    std::string reason;
    pid_t client = 0;
    held_links.BeforeChildStart();
    int ret = StartClient(per_user_install_path, GetUserHalvoraInstallPath() + "/ui.pid",
                          client_start_wait_ms, client, reason);
    held_links.Release();
    outcome.downtime_msec = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - stopped_at)
                                .count();
    if (ret != 0)
        ClientNotStarted(reason);
    return client;
}

// The copy's figures stay: the installation itself may well have succeeded.
void LinuxService::ClientNotStarted(const std::string& reason)
{
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] linux/linux-service(%d): the client was not started: %s\n", __LINE__,
                   reason.c_str());
    if (outcome.result == RunResult::Installed || outcome.result == RunResult::Upgraded)
        outcome.copy_result = outcome.result;
    outcome.reason = reason;
    Decide(RunResult::NoClient);
}
