#ifndef HALVORA_SERVICE_H
#define HALVORA_SERVICE_H

#include "ustring/ustring.h"

// Decides whether the user's private copy of the client must be installed
// from the system-wide package, installs it, and starts it. The platform
// part (stopping and starting the client, the decision) is a subclass.
class Service {
public:
    struct VersionInfo {
        ustring major_version;
        ustring minor_version;
        ustring build_version;
        ustring icon_overlay_version;
    };

    virtual ~Service() = default;

    virtual void StopService() = 0;
    virtual void SetTimeout(int value);
    virtual int HandlePackageUpgrade() = 0;
    virtual void PostUpgrade() = 0;
    virtual void PreUpgrade() = 0;
    virtual bool IsNeedUpgrade() = 0;

    void RemoveAgedFolders();

    static ustring GetUserInstallPath();
    static ustring GetRootHalvoraInstallPath();
    static ustring GetRootHalvoraResourceInstallPath();
    static ustring GetUserHalvoraInstallPath();
    static ustring GetUserHalvoraAppInstallPath();
    static ustring GetUserHalvoraDataInstallPath();

protected:
    virtual int ExtractPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    virtual int PrepareUserEnv();

    int FSCopyPath(const ustring& src, const ustring& dest);

    // Reads the package to its end and makes sure its unpacked size fits on
    // the home's file system, before anything is stopped or moved. 0 when
    // the package is good; it is then unpacked with the count found here.
    int CheckPackage();
    // After a cut, puts the last complete copy back in place, whatever the
    // package, then removes the backups no installation needs any more; 0
    // when nothing was left to do or the copy is back.
    int RestoreLastCompleteCopy();
    // Removes the backups a finished installation left for later; see
    // backups_after_start.
    void RemoveBackupsOfFinishedInstallation();

    int timeout = 0;
    ustring per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;
    // Entries counted by CheckPackage, the progress total of the unpack; -1
    // until the package was checked.
    int package_entries = -1;
    // A service that starts the client itself may drop the old copy after
    // the start, so that its removal is not part of the time the user has
    // no client. Until then the backups of a finished installation stay.
    bool backups_after_start = false;
    bool backups_pending = false;
};

#endif
