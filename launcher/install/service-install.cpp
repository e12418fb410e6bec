// Installing the per-user copy of the client from the system-wide package:
// back the old copy up, unpack, then drop the backups or roll back. At every
// step the marker says which folder holds the last complete copy.
#include "halvora-service.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "copy-flush.h"

#include "extractor.h"
#include "file/file-op.h"
#include "file/open-beneath.h"
#include "file/own-file.h"
#include "install-marker.h"
#include "installed-files-record.h"
#include "log-place.h"
#include "log.h"

namespace {

const int kLinePlace = logplace::kServiceInstall;

const char* const kLogComponent = "service_debug";
const int kMaxBackupTries = 10;

ustring GetAppBackupDir(const ustring& app, int n)
{
    ustring backup = app + "_tmp";
    if (n == 0)
        return backup;
    char postfix[8] = "";
    if (snprintf(postfix, sizeof(postfix), "%d", n) < 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): snprintf failed (continuing without postfix)",
                       kLinePlace + __LINE__);
        postfix[0] = '\0';
    }
    return backup + postfix;
}

int RemoveTree(const ustring& path, const char* what)
{
    int rc = FSRemove(path, false);
    if (rc == 0)
        return 0;
    int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] halvora-service(%d): failed to remove %s '%s': %s (%d, %d)\n",
                   kLinePlace + __LINE__, what, path.c_str(), strerror(err), err, rc);
    return -1;
}

int MoveTree(const ustring& from, const ustring& to)
{
    int rc = FSRename(from, to, false);
    if (rc == 0)
        return 0;
    int err = errno;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] halvora-service(%d): failed to move '%s' -> '%s': %s (%d, %d)\n",
                   kLinePlace + __LINE__, from.c_str(), to.c_str(), strerror(err), err, rc);
    return -1;
}

// Backups of earlier runs hold no copy anyone needs once no installation is
// under way; left in place they would use up the ten names.
void RemoveLeftoverBackups(const ustring& app)
{
    for (int i = 0; i < kMaxBackupTries; ++i)
        RemoveTree(GetAppBackupDir(app, i), "leftover backup");
}

// Moves app aside under the first free backup name, recording that name in
// the marker before the try: from then on the old copy is known to be
// either still at app or at that name. n ends as the number of the name
// used (or of the last one tried). 0 on success, -1 when every name was in
// the way or the marker could not be written.
int BackupApp(const ustring& app, ustring& backup, int& n)
{
    for (;;) {
        backup = GetAppBackupDir(app, n);
        // A leftover that could not be removed must never be named as the
        // complete copy, so its name is passed over without a try.
        if (!IsFileExist(backup, false)) {
            if (MarkInstallationUnderway(app, FSBaseName(backup)) != 0)
                return -1;
            if (FSRename(app, backup, false) == 0)
                return 0;
        }
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): failed to backup app from '%s' -> '%s'\n",
                       kLinePlace + __LINE__, app.c_str(), backup.c_str());
        ++n;
        if (n >= kMaxBackupTries) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] halvora-service(%d): failed to backup app from '%s' -> '%s' "
                           "at max retries, exiting\n",
                           kLinePlace + __LINE__, app.c_str(), backup.c_str());
            return -1;
        }
    }
}

// The marker is honoured only where it names what the launcher makes: the
// copy itself, one of its backup names, or nothing (a first installation).
// Any other name (a folder of the user's beside it) is no record.
bool IsOwnName(const ustring& app, const ustring& name)
{
    if (name.empty() || name == FSBaseName(app))
        return true;
    for (int i = 0; i < kMaxBackupTries; ++i) {
        if (name == FSBaseName(GetAppBackupDir(app, i)))
            return true;
    }
    return false;
}

// Removes the backup's names of the files an upgrade linked from it, so
// that the new copy's files have one name each and change no more when the
// backup goes: their change times are recorded next. Reached without
// following a link anywhere below the backup.
void ReleaseLinkedNames(const ustring& backup, const std::vector<std::string>& names)
{
    int dir = open(backup.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0)
        return;
    // Names come in the package's order, folder by folder: each folder is
    // opened once for a run of its files.
    std::string folder;
    int parent = -1;
    for (const std::string& name : names) {
        size_t slash = name.rfind('/');
        std::string this_folder = slash == std::string::npos ? "." : name.substr(0, slash);
        if (parent < 0 || this_folder != folder) {
            if (parent >= 0)
                close(parent);
            folder = this_folder;
            parent = OpenBeneath(dir, folder.c_str(), O_RDONLY | O_DIRECTORY);
        }
        if (parent >= 0)
            unlinkat(parent, name.c_str() + (slash == std::string::npos ? 0 : slash + 1), 0);
    }
    if (parent >= 0)
        close(parent);
    close(dir);
}

} // namespace

// Puts the old copy back after a failed unpack: done only when the copy
// that came back holds the client. The record of its files is written anew
// for the files the upgrade linked. 0, or -1 (logged).
int Service::RollBack(const ustring& backup)
{
    ustring app = per_user_install_path;
    if (RemoveTree(app, "partly unpacked copy") != 0 || MoveTree(backup, app) != 0 ||
        ClearInstallationUnderway(app) != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): rollback to old installation failed, the last "
                       "complete copy stays in '%s'\n",
                       kLinePlace + __LINE__, backup.c_str());
        return -1;
    }
    const char* lacks = RestoredCopyLacks();
    if (lacks) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): rollback to old installation is not done: "
                       "the copy back in '%s' holds no client, it lacks %s\n",
                       kLinePlace + __LINE__, app.c_str(), lacks);
        return -1;
    }
    if (!recorded_files.empty())
        RenewInstalledFiles(app, recorded_files, linked_names);
    Logger::LogMsg(Logger::L_INFO, kLogComponent,
                   "[INFO] halvora-service(%d): rollback to old installation done\n",
                   kLinePlace + __LINE__);
    return 0;
}

// After a failed unpack the old copy, if there was one, comes back; what a
// first installation unpacked goes, so that it takes no room in the home.
void Service::UndoFailedUnpack(const ustring& backup)
{
    ustring app = per_user_install_path;
    if (!backup.empty()) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): Failed to extract package, rollback to old "
                       "installation\n",
                       kLinePlace + __LINE__);
        RollBack(backup);
        return;
    }
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] halvora-service(%d): Failed to extract package, and no old "
                   "installation to rollback\n",
                   kLinePlace + __LINE__);
    if (RemoveTree(app, "partly unpacked copy") == 0 && ClearInstallationUnderway(app) == 0)
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): what was unpacked to '%s' is removed, no "
                       "copy was installed\n",
                       kLinePlace + __LINE__, app.c_str());
    else
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): no copy was installed; what was unpacked "
                       "to '%s' stays until the next start\n",
                       kLinePlace + __LINE__, app.c_str());
}

int Service::PrepareUserEnv()
{
    ustring app = per_user_install_path;
    ustring backup;
    int n = 0;
    // A marker this run wrote before the stop is no leftover of a cut.
    if (!marked_before_stop && RestoreLastCompleteCopy() != 0)
        return -1;
    if (!new_copy.empty())
        return FinishNewCopy();

    if (IsFileExist(app, false)) {
        if (BackupApp(app, backup, n) != 0) {
            // The old copy never left its place.
            ClearInstallationUnderway(app);
            return -1;
        }
    } else if (MarkInstallationUnderway(app) != 0) {
        return -1;
    }

    reuse_from = backup;
    int ret = ExtractPackage();
    reuse_from = ustring();
    // Whatever the package unpacked to, only a copy that holds the client
    // may replace one.
    if (ret == 0)
        ret = CheckCopyHoldsClient();
    // The backups go right after this; a power cut must not find the new
    // copy still sitting in the page cache by then.
    if (ret == 0)
        ret = FlushCopyToDisk(app);
    if (ret != 0) {
        UndoFailedUnpack(backup);
        return -1;
    }

    return CompleteInstallation(backup);
}

int Service::CompleteInstallation(const ustring& backup)
{
    ustring app = per_user_install_path;
    if (!StillHoldsHome()) {
        LeaveHomeToItsHolder();
        return -1;
    }
    // Until the marker is gone the old copy is the complete one: the backup
    // must outlive it.
    if (ClearInstallationUnderway(app) != 0)
        return -1;
    // Taken before anything runs from the new copy, so that a file the
    // client changes at its first start is never recorded as the package's.
    // A record taken before the stop does not wait for these: the backup's
    // removal drops the second names with the rest of it.
    if (!backup.empty() && !installed_files_stated)
        ReleaseLinkedNames(backup, linked_names);
    if (installed_files.empty())
        ClearOwnTemporaryName(InstalledFilesPath(app)); // it describes the old copy
    else if (!installed_files_stated)
        WriteInstalledFiles(app, installed_files);
    else if (!record_pending || TakePendingRecord(app) != 0)
        WriteStatedFiles(app, installed_files);
    record_pending = false;
    Logger::LogMsg(Logger::L_INFO, kLogComponent,
                   "[INFO] halvora-service(%d): user installation is ready, removing backup app\n",
                   kLinePlace + __LINE__);
    backups_pending = true;
    if (!backups_after_start)
        RemoveBackupsOfFinishedInstallation();
    return 0;
}

// What lies in the home now is the other machine's to finish or undo,
// whatever names it bears (it may have picked our new copy's name for its
// own): this run removes, restores and unmarks nothing more.
void Service::LeaveHomeToItsHolder()
{
    new_copy = ustring();
    marked_before_stop = false;
    backups_pending = false;
}

void Service::RemoveBackupsOfFinishedInstallation()
{
    if (!backups_pending)
        return;
    backups_pending = false;
    RemoveLeftoverBackups(per_user_install_path);
}

int Service::RestoreLastCompleteCopy()
{
    ustring app = per_user_install_path;
    if (!IsInstallationUnderway(app)) {
        RemoveLeftoverBackups(app);
        return 0;
    }
    // Presence unknown (the folder cannot be read): touch nothing.
    if (!IsFileExist(InstallMarkerPath(app), false))
        return -1;
    if (IsOtherMachinesLiveInstallation()) {
        restore_pending = true;
        return -1;
    }
    ustring complete;
    if (!ReadLastCompleteCopy(app, complete) || !IsOwnName(app, complete))
        return ForgetMarkerWithoutRecord();
    bool known = !complete.empty();
    Logger::LogMsg(Logger::L_NOTICE, kLogComponent,
                   "[NOTE] halvora-service(%d): an installation of '%s' was cut short; last "
                   "complete copy: '%s'\n",
                   kLinePlace + __LINE__, app.c_str(), complete.c_str());
    ustring backup = FSParentPath(app) + "/" + complete;
    // Without a backup under the recorded name the old copy never left app
    // (or was already moved back); without a record nothing there is whole.
    if (known && complete != FSBaseName(app) && IsFileExist(backup, false)) {
        if (RemoveTree(app, "partly unpacked copy") != 0 || MoveTree(backup, app) != 0) {
            // The marker keeps naming the backup: no upgrade may take the
            // partial copy for the complete one.
            restore_pending = true;
            return -1;
        }
        RenewRecordOfRestoredCopy();
    } else if (!known && RemoveTree(app, "incomplete copy") != 0) {
        return -1;
    }
    if (ClearInstallationUnderway(app) != 0)
        return -1;
    RemoveLeftoverBackups(app);
    if (known)
        Logger::LogMsg(Logger::L_INFO, kLogComponent,
                       "[INFO] halvora-service(%d): the last complete copy is back in '%s'\n",
                       kLinePlace + __LINE__, app.c_str());
    else
        Logger::LogMsg(Logger::L_INFO, kLogComponent,
                       "[INFO] halvora-service(%d): what the cut installation unpacked to '%s' "
                       "is removed, no copy is installed\n",
                       kLinePlace + __LINE__, app.c_str());
    return 0;
}

// The marker of another machine's launcher is undone only while this run
// holds the home's lock, which that launcher would hold were it still at
// work: without the lock its installation may be live.
bool Service::IsOtherMachinesLiveInstallation()
{
    Machine writer = MarkerMachine(per_user_install_path);
    if (!writer.Known() || IsThisMachine(writer))
        return false;
    AnnounceMeeting(writer, "an installation");
    if (others_excluded) {
        Logger::LogMsg(Logger::L_NOTICE, kLogComponent,
                       "[NOTE] halvora-service(%d): the installation under way is machine %s's, "
                       "whose lock is gone: it was cut short\n",
                       kLinePlace + __LINE__, MachineName(writer).c_str());
        return false;
    }
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] halvora-service(%d): machine %s may still be installing in '%s', "
                   "its work is left alone\n",
                   kLinePlace + __LINE__, MachineName(writer).c_str(),
                   per_user_install_path.c_str());
    return true;
}

void Service::RenewRecordOfRestoredCopy()
{
    LoadRecord();
    if (recorded_files.empty())
        return;
    std::vector<std::string> names;
    for (const auto& file : recorded_files.files)
        names.push_back(file.first);
    RenewInstalledFiles(per_user_install_path, recorded_files, names);
}

// A marker that names nothing the launcher made (empty, garbled, an older
// launcher's, or naming a folder of the user's) says nothing: the copy in
// place stands as it is, to be reinstalled if it does not hold the client,
// and the backups stay until an installation completes.
int Service::ForgetMarkerWithoutRecord()
{
    ustring app = per_user_install_path;
    Logger::LogMsg(Logger::L_NOTICE, kLogComponent,
                   "[NOTE] halvora-service(%d): the marker '%s' holds no record of a copy the "
                   "launcher made; nothing is moved or removed on its word\n",
                   kLinePlace + __LINE__, InstallMarkerPath(app).c_str());
    if (ClearInstallationUnderway(app) != 0)
        return -1;
    copy_in_doubt = true;
    return 0;
}

int Service::MarkBeforeStop()
{
    ustring app = per_user_install_path;
    // A marker this run did not write still names the last complete copy;
    // writing over it would name whatever stands at app instead.
    if (restore_pending || IsInstallationUnderway(app)) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): an earlier installation of '%s' is not undone, "
                       "nothing is stopped or changed\n",
                       kLinePlace + __LINE__, app.c_str());
        return -1;
    }
    ustring complete = IsFileExist(app, false) ? FSBaseName(app) : ustring();
    if (MarkInstallationUnderway(app, complete) != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): '%s' cannot take the installation, nothing "
                       "is stopped or changed\n",
                       kLinePlace + __LINE__, FSParentPath(app).c_str());
        NoticeWhy(NoticeReason::HomeCannotHold);
        return -1;
    }
    marked_before_stop = true;
    return 0;
}

void Service::UnmarkBeforeStop()
{
    RemoveNewCopy();
    if (marked_before_stop && ClearInstallationUnderway(per_user_install_path) == 0)
        marked_before_stop = false;
}

int Service::PickNewCopyFolder()
{
    // The last name is left for the old copy's backup.
    for (int n = 0; n + 1 < kMaxBackupTries; ++n) {
        ustring folder = GetAppBackupDir(per_user_install_path, n);
        if (!IsFileExist(folder, false)) {
            new_copy = folder;
            new_copy_number = n;
            return 0;
        }
    }
    return -1;
}

void Service::RemoveNewCopy()
{
    held_links.Release();
    if (new_copy.empty())
        return;
    RemoveTree(new_copy, "new copy");
    new_copy = ustring();
    // The links and their removal moved the change times of the old copy's
    // files, which stays in place.
    if (!recorded_files.empty() && !linked_names.empty())
        RenewInstalledFiles(per_user_install_path, recorded_files, linked_names);
    linked_names.clear();
    deferred_files = DeferredFiles();
    deferred_after_stop = DeferredFiles();
    installed_files_stated = false;
    DropPendingRecord();
}

void Service::DropPendingRecord()
{
    if (record_pending)
        ::DropPendingRecord(per_user_install_path);
    record_pending = false;
}

// The old copy goes to a backup name after the new copy's, recorded in the
// marker first; then the new copy takes its place. A cut between the two
// renames leaves the marker naming the backup, which comes back; the
// marker's removal makes both renames durable. 0; -1 with the old copy in
// place; -2 when it stays at the backup the marker names.
int Service::SwapInNewCopy(ustring& backup)
{
    ustring app = per_user_install_path;
    int n = new_copy_number + 1;
    if (BackupApp(app, backup, n) != 0)
        return -1;
    if (MoveTree(new_copy, app) != 0)
        return MoveTree(backup, app) == 0 ? -1 : -2;
    new_copy = ustring();
    return 0;
}

int Service::ExtractPackage()
{
    ustring package = GetPackagePath();
    ustring target = GetUserHalvoraAppInstallPath();
    if (FSMKDir(target, true) < 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): failed to create folder: '%s'\n",
                       kLinePlace + __LINE__, target.c_str());
        return -1;
    }
    Logger::LogMsg(Logger::L_INFO, kLogComponent,
                   "[INFO] halvora-service(%d): extract package: '%s' -> '%s'\n",
                   kLinePlace + __LINE__, package.c_str(), target.c_str());
    Extractor extractor;
    extractor.SetTarget(target);
    // The record, read before the stop, describes the copy now moved aside;
    // it stays until a new one replaces it, for a rollback brings that copy
    // back.
    if (!reuse_from.empty() && !LinkingPossible())
        Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                       "[DEBUG] halvora-service(%d): no file is linked from '%s': %s\n",
                       kLinePlace + __LINE__, reuse_from.c_str(), link_refusal.c_str());
    extractor.ReuseFrom(LinkingPossible() ? reuse_from : ustring(), &recorded_files,
                        &old_copy_proof);
    int ret;
    if (!package_checked) {
        extractor.SetSource(package);
        ret = extractor.Extract();
    } else {
        // The file checked before the stop, not whatever the path names
        // now; it is not scanned a second time, and must read as it did.
        extractor.SetSource(package_file.get());
        ret = extractor.Extract(package_summary);
    }
    installed_files = ret == 0 ? extractor.Unpacked() : InstalledFiles();
    linked_names = extractor.LinkedNames();
    if (ret == 0)
        CountWritten(extractor.Linked());
    if (!reuse_from.empty())
        Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                       "[DEBUG] halvora-service(%d): %d unchanged files linked from '%s'\n",
                       kLinePlace + __LINE__, extractor.Linked(), reuse_from.c_str());
    return ret;
}

// The figures an administrator compares between upgrades: what the unpack
// linked rather than wrote, by the sizes the package gave its files.
void Service::CountWritten(int linked)
{
    int64_t linked_bytes = 0;
    int64_t unpacked_bytes = 0;
    for (const std::string& name : linked_names) {
        auto file = installed_files.files.find(name);
        if (file != installed_files.files.end())
            linked_bytes += file->second.size;
    }
    for (const auto& file : installed_files.files)
        unpacked_bytes += file.second.size;
    outcome.linked = linked;
    outcome.written_bytes =
        (package_checked ? package_summary.unpacked_size : unpacked_bytes) - linked_bytes;
}

void Service::RemoveAgedFolders()
{
    ustring aged = GetUserHalvoraInstallPath() + "/app";
    Logger::LogMsg(Logger::L_INFO, kLogComponent,
                   "[INFO] halvora-service(%d): removing aged app folder %s\n",
                   kLinePlace + __LINE__, aged.c_str());
    FSRemove(aged, false);
}
