// Installing the per-user copy of the client from the system-wide package:
// back the old copy up, unpack, then drop the backups or roll back.
#include "halvora-service.h"

#include <cstdio>

#include "extractor.h"
#include "file/file-op.h"
#include "install-marker.h"
#include "log.h"

namespace {

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
                       __LINE__);
        postfix[0] = '\0';
    }
    return backup + postfix;
}

// Moves app aside under the first free backup name; n ends as the number of
// the name used (or of the last one tried). 0 on success, -1 when every name
// was in the way.
int BackupApp(const ustring& app, ustring& backup, int& n)
{
    for (;;) {
        backup = GetAppBackupDir(app, n);
        if (FSRename(app, backup, false) == 0)
            return 0;
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): failed to backup app from '%s' -> '%s'\n",
                       __LINE__, app.c_str(), backup.c_str());
        ++n;
        if (n >= kMaxBackupTries) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] halvora-service(%d): failed to backup app from '%s' -> '%s' "
                           "at max retries, exiting\n",
                           __LINE__, app.c_str(), backup.c_str());
            return -1;
        }
    }
}

} // namespace

int Service::PrepareUserEnv()
{
    ustring app = per_user_install_path;
    ustring backup;
    int n = 0;
    // A marker left behind means an earlier installation was cut: the copy
    // at app (which may become the rollback copy) is not known to be whole.
    bool resumed = IsInstallationUnderway(app);
    if (MarkInstallationUnderway(app) != 0)
        return -1;

    if (IsFileExist(app, false) && BackupApp(app, backup, n) != 0) {
        if (!resumed)
            ClearInstallationUnderway(app);
        return -1;
    }

    int ret = ExtractPackage();
    // The backups go right after this; a power cut must not find the new
    // copy still sitting in the page cache by then.
    if (ret == 0)
        ret = FlushToDisk(app, FlushScope::FileSystem);
    if (ret != 0) {
        if (backup.empty()) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] halvora-service(%d): Failed to extract package, and no old "
                           "installation to rollback\n",
                           __LINE__);
            return -1;
        }
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): Failed to extract package, rollback to old "
                       "installation\n",
                       __LINE__);
        FSRemove(app, false);
        if (FSRename(backup, app, false) == 0 && !resumed)
            ClearInstallationUnderway(app);
        return -1;
    }

    ClearInstallationUnderway(app);
    Logger::LogMsg(Logger::L_INFO, kLogComponent,
                   "[INFO] halvora-service(%d): user installation is ready, removing backup app\n",
                   __LINE__);
    for (int i = 0; i <= n; ++i)
        FSRemove(GetAppBackupDir(app, i), false);
    return 0;
}

int Service::ExtractPackage()
{
    ustring package = GetRootHalvoraResourceInstallPath() + "/package/halvora.hpk";
    ustring target = GetUserHalvoraAppInstallPath();
    if (FSMKDir(target, true) < 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): failed to create folder: '%s'\n", __LINE__,
                       target.c_str());
        return -1;
    }
    Logger::LogMsg(Logger::L_INFO, kLogComponent,
                   "[INFO] halvora-service(%d): extract package: '%s' -> '%s'\n", __LINE__,
                   package.c_str(), target.c_str());
    Extractor extractor;
    extractor.SetSource(package);
    extractor.SetTarget(target);
    return extractor.Extract();
}

void Service::RemoveAgedFolders()
{
    ustring aged = GetUserHalvoraInstallPath() + "/app";
    Logger::LogMsg(Logger::L_INFO, kLogComponent,
                   "[INFO] halvora-service(%d): removing aged app folder %s\n", __LINE__,
                   aged.c_str());
    FSRemove(aged, false);
}
