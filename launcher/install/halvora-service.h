#ifndef HALVORA_SERVICE_H
#define HALVORA_SERVICE_H

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "extractor.h"
#include "held-links.h"
#include "new-copy.h"
#include "old-copy.h"
#include "package-file.h"
#include "run-outcome.h"
#include "ustring/ustring.h"

class HomeProbe;

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

    // What this run did, once PostUpgrade has returned.
    const RunOutcome& Outcome() const { return outcome; }

    static ustring GetUserInstallPath();
    static ustring GetRootHalvoraInstallPath();
    static ustring GetRootHalvoraResourceInstallPath();
    static ustring GetUserHalvoraInstallPath();
    static ustring GetUserHalvoraAppInstallPath();
    static ustring GetUserHalvoraDataInstallPath();
    // The system-wide package: package/halvora.hpk under the install root.
    static ustring GetPackagePath();

protected:
    virtual int ExtractPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    virtual int PrepareUserEnv();
    // Whether this run still holds the home's lock; false once another
    // machine has taken it over, after which this run changes nothing more.
    virtual bool StillHoldsHome() { return true; }
    void LeaveHomeToItsHolder();

    int FSCopyPath(const ustring& src, const ustring& dest);
    int CopyFolderEntries(const ustring& src, const ustring& dest);

private:
    int ScanPackage(ArchiveSummary& summary, PackageContents& contents);
    int ForgetMarkerWithoutRecord();
    bool IsOtherMachinesLiveInstallation();
    // What a check of the home's room found.
    struct RoomCheck {
        int64_t to_write = 0;
        int64_t needed = 0;
        int64_t free_bytes = 0;
        int64_t free_files = -1;
        bool short_of_room = false;
        int reserve_error = 0;
    };
    int CheckRoomFor(const ArchiveSummary& summary, PackageContents& contents, bool scanned);
    // Hashes the copy's files an upgrade may link, once; contents narrow
    // them down where the package's headers were read.
    void ProveOldCopyFiles(const PackageContents& contents);
    void StartProofOfOldCopy();
    int CheckPackageFile();
    // After a cut installation's copy is back: its files were linked and
    // unlinked again, which moved their change times; the record follows.
    void RenewRecordOfRestoredCopy();
    int CheckLinkKinds(HomeProbe& probe, PackageContents& contents, bool& scanned);
    int CheckBytes(HomeProbe& probe, const ArchiveSummary& summary, PackageContents& contents,
                   bool& scanned);
    int MeasureRoom(HomeProbe& probe, const ArchiveSummary& summary, RoomCheck& check);
    static bool RoomFits(const RoomCheck& check);
    void LogRoom(const HomeProbe& probe, const ArchiveSummary& summary, const RoomCheck& check);

protected:

    // Opens the package, proves it whole (by the checksum its INFO gives,
    // or by reading it to its end) and makes sure its unpacked size fits on
    // the home's file system, before anything is stopped or moved. 0 when
    // the package is good; the unpack then reads the same open file and
    // must find what was found here.
    int CheckPackage();
    // After a cut, puts the last complete copy back in place, whatever the
    // package, then removes the backups no installation needs any more; 0
    // when nothing was left to do or the copy is back.
    int RestoreLastCompleteCopy();
    // Removes the backups a finished installation left for later; see
    // backups_after_start.
    void RemoveBackupsOfFinishedInstallation();
    // Records, before the client is stopped, that an installation is under
    // way and which copy is complete: a home that cannot take the record
    // must not cost the user the running client. 0, or -1 (logged).
    int MarkBeforeStop();
    // Withdraws that record when the installation does not go ahead, and
    // removes the new copy built for it.
    void UnmarkBeforeStop();
    // An upgrade: builds the new copy beside the old one while the old
    // client runs, once the package is checked and the marker written. The
    // old copy's proved files are left for the links after the stop. 0 when
    // built, or when there is no copy to build beside (the installation is
    // then one pass after the stop); -1 (logged) with nothing left of it.
    int BuildNewCopy();
    // Removes the new copy, if one was built.
    void RemoveNewCopy();
    // 0 when the copy in place holds the client of the system's build: its
    // INFO, its executable and its start script; -1 (logged) otherwise.
    int CheckCopyHoldsClient();
    int CheckCopyHoldsClient(const ustring& copy);
    // What the copy at app lacks of the client's executable and start
    // script, or null when it has both.
    static const char* MissingExecutable(const ustring& app);
    // What the copy a rollback brought back lacks of a client, by the rule
    // a new copy must meet (an INFO with a build, the executable and the
    // start script), and where the record knows them, those two as the
    // package gave them; null when it holds the client.
    const char* RestoredCopyLacks() const;
    // Reads the record of the copy's files, once; before the stop, so that
    // nothing under the launcher's names can hold it up with the client down.
    void LoadRecord();
    bool LinkingPossible() const { return link_refusal.empty(); }
    int RollBack(const ustring& backup);
    // After the stop: the deferred files linked in (or written again), the
    // new copy checked, flushed and swapped in by renames. 0, or -1 with
    // the old copy in place (logged).
    int FinishNewCopy();
    int LinkIntoNewCopy();
    void DropPendingRecord();
    int SwapInNewCopy(ustring& backup);
    void DropNewCopy();
    // The steps every installation ends with once the new copy is in place.
    int CompleteInstallation(const ustring& backup);
    int PickNewCopyFolder();
    void UndoFailedUnpack(const ustring& backup);

    // Settles the outcome, with the first failure logged since the run's
    // steps began as its reason when it has none yet.
    void Decide(RunResult result);
    // What the user is told should the run leave no client.
    void NoticeWhy(NoticeReason why) { outcome.notice = why; }
    void CountWritten(int linked);

    int timeout = 0;
    ustring per_user_install_path;
    RunOutcome outcome;
    VersionInfo target_version;
    VersionInfo source_version;
    // The package CheckPackage opened and what it found there; the unpack
    // reads it again and compares.
    std::unique_ptr<PackageFile> package_file;
    ArchiveSummary package_summary;
    bool package_checked = false;
    // During an upgrade, the old copy moved aside: unchanged files are
    // linked from it. What the unpack wrote is recorded for the next one.
    ustring reuse_from;
    InstalledFiles recorded_files;
    bool record_loaded = false;
    // The old copy's files proved by their content before the stop.
    OldCopyProof old_copy_proof;
    bool old_copy_proved = false;
    // The proof of every recorded file, begun while the package is checked:
    // what ProveOldCopyFiles takes where no header narrows the files down.
    std::future<OldCopyProof> early_proof;
    InstalledFiles installed_files;
    // installed_files already holds each file as it stands (a new copy
    // built beside the running client): written without a stat after the stop.
    bool installed_files_stated = false;
    // That record is written aside already, for its name after the swap.
    bool record_pending = false;
    std::vector<std::string> linked_names;
    // The folder the new copy is built in (one of the backup names, so that
    // a cut leaves it to be removed as a leftover), its number among them,
    // and the files it is to be given by links after the stop.
    ustring new_copy;
    int new_copy_number = 0;
    DeferredFiles deferred_files;
    // Of those, the ones linked before the stop and held until it is over,
    // and the ones left for links after it.
    HeldLinks held_links;
    DeferredFiles deferred_after_stop;
    // Why no file can be linked from the old copy in this home (its file
    // system makes no hard links), or empty when they can.
    std::string link_refusal;
    // A cut installation could not be undone: its marker still names the
    // last complete copy, and no upgrade may start over it.
    bool restore_pending = false;
    // A service that starts the client itself may drop the old copy after
    // the start, so that its removal is not part of the time the user has
    // no client. Until then the backups of a finished installation stay.
    bool backups_after_start = false;
    bool backups_pending = false;
    bool marked_before_stop = false;
    // The copy in place was found beside a marker without a record: it is
    // kept only if it holds the client.
    bool copy_in_doubt = false;
    // No other machine can be installing now (this run holds the home's
    // lock): an installation of another machine left under way was cut.
    bool others_excluded = false;
};

#endif
