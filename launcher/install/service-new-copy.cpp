// An upgrade's new copy, built beside the old one while the old client
// runs: the package is decoded once and the unchanged files are linked, all
// before the stop; the client waits only for a look at what may have changed
// since, two renames and the flushes.
#include "halvora-service.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <thread>
#include <unistd.h>

#include "copy-flush.h"
#include "file/file-op.h"
#include "install-marker.h"
#include "installed-files-record.h"
#include "linux/shared-mappings.h"
#include "log-place.h"
#include "log.h"

namespace {

const int kLinePlace = logplace::kServiceNewCopy;
const char* const kLogComponent = "service_debug";

// The new copy's record, taken while the client still runs: the files
// written as they stand, each file left for its link as it was proved. The
// link and the backup's removal move only its change time, which decides
// nothing: the next upgrade proves every file by its content.
int RecordBeforeStop(const ustring& new_copy, const InstalledFiles& unpacked,
                     const DeferredFiles& deferred, const InstalledFiles& recorded,
                     const OldCopyProof& proof, InstalledFiles& record)
{
    // Only the files written are looked at on the disk: the others are
    // recorded as proved.
    InstalledFiles written;
    for (const auto& [key, file] : unpacked.files) {
        if (deferred.files.count(key) == 0)
            written.files.emplace(key, file);
    }
    if (StatInstalledFiles(new_copy, written, record) != 0)
        return -1;
    for (const auto& [key, wanted] : deferred.files) {
        auto proved = proof.files.find(key);
        auto was = recorded.files.find(key);
        auto file = unpacked.files.find(key);
        if (proved == proof.files.end() || was == recorded.files.end() ||
            file == unpacked.files.end())
            continue;
        InstalledFile linked = file->second;
        linked.inode = proved->second.inode;
        linked.size = proved->second.size;
        linked.ctime_sec = proved->second.changed.sec;
        linked.ctime_nsec = proved->second.changed.nsec;
        linked.disk_mode = was->second.disk_mode;
        record.files[key] = linked;
    }
    return 0;
}

// A flush of the file system that holds dir, whose outcome the flush that
// counts comes after.
void StartFlushOfFileSystem(const ustring& dir)
{
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        syncfs(fd);
        close(fd);
    }
}

} // namespace

int Service::BuildNewCopy()
{
    ustring app = per_user_install_path;
    if (!package_checked || !IsFileExist(app, false) || PickNewCopyFolder() != 0)
        return 0;
    Logger::LogMsg(Logger::L_INFO, kLogComponent,
                   "[INFO] halvora-service(%d): extract package: '%s' -> '%s', beside the running "
                   "copy\n",
                   kLinePlace + __LINE__, package_file->Path().c_str(), new_copy.c_str());
    Extractor extractor;
    extractor.SetTarget(new_copy);
    extractor.SetSource(package_file.get());
    if (!LinkingPossible())
        Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                       "[DEBUG] halvora-service(%d): no file is linked from '%s': %s\n",
                       kLinePlace + __LINE__, app.c_str(), link_refusal.c_str());
    extractor.ReuseFrom(LinkingPossible() ? app : ustring(), &recorded_files, &old_copy_proof);
    int dir = FSMKDir(new_copy, true) < 0
                  ? -1
                  : open(new_copy.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    // The proved files are linked while the rest of the package is decoded.
    OldCopy old_copy(app, &recorded_files, &old_copy_proof);
    bool link_meanwhile = dir >= 0 && LinkingPossible();
    if (link_meanwhile)
        held_links.Begin(old_copy, dir, old_copy_proof.files.size());
    extractor.DeferLinks(&deferred_files, link_meanwhile ? &held_links : nullptr);
    int ret = dir < 0 ? -1 : extractor.Extract(package_summary);
    linked_names.clear();
    held_links.Finish(deferred_files, linked_names, deferred_after_stop);
    if (dir >= 0)
        close(dir);
    if (ret == 0) {
        // The written files go to the disk while the record is taken: the
        // flush after it then has little left but the links.
        std::thread early_flush(StartFlushOfFileSystem, new_copy);
        installed_files_stated =
            RecordBeforeStop(new_copy, extractor.Unpacked(), deferred_files, recorded_files,
                             old_copy_proof, installed_files) == 0;
        early_flush.join();
        if (!installed_files_stated)
            installed_files = extractor.Unpacked();
        else
            record_pending = WritePendingRecord(app, installed_files) == 0;
        // On the disk before the stop, with the record: what is left after
        // it is names.
        ret = FlushCopyToDisk(new_copy);
    }
    if (ret != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): the new copy could not be built in '%s', "
                       "nothing is stopped or changed\n",
                       kLinePlace + __LINE__, new_copy.c_str());
        RemoveNewCopy();
        return -1;
    }
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] halvora-service(%d): new copy built in '%s', %d unchanged files "
                   "linked and held until the stop, %d to link after it\n",
                   kLinePlace + __LINE__, new_copy.c_str(), static_cast<int>(linked_names.size()),
                   static_cast<int>(deferred_after_stop.files.size()));
    return 0;
}

// The held files that nothing wrote meanwhile stay linked; the others, and
// the files left for now, are linked from the old copy while each is still
// the file proved and no process maps it for writing, else decoded again.
int Service::LinkIntoNewCopy()
{
    int dir = open(new_copy.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): cannot open the new copy '%s': %s (%d)\n",
                       kLinePlace + __LINE__, new_copy.c_str(), strerror(err), err);
        return -1;
    }
    std::vector<std::string> unlinked;
    held_links.Settle(dir, unlinked);
    if (!unlinked.empty()) {
        std::set<std::string> changed(unlinked.begin(), unlinked.end());
        linked_names.erase(std::remove_if(linked_names.begin(), linked_names.end(),
                                          [&](const std::string& k) { return changed.count(k); }),
                           linked_names.end());
    }
    bool every_file_mapped = false;
    if (!deferred_after_stop.files.empty()) {
        FileIds mapped;
        ReadWritableSharedMappings(getuid(), mapped, every_file_mapped);
        OldCopy old_copy(per_user_install_path, &recorded_files, &old_copy_proof);
        old_copy.Avoid(&mapped, every_file_mapped);
        LinkDeferredFiles(old_copy, dir, deferred_after_stop, linked_names, unlinked);
    }
    if (!unlinked.empty())
        Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                       "[DEBUG] halvora-service(%d): %d unchanged files are written from the "
                       "package: changed since their proof, opened or mapped for writing%s\n",
                       kLinePlace + __LINE__, static_cast<int>(unlinked.size()),
                       every_file_mapped ? " (a process of the user hides its mappings)" : "");
    int ret = WriteDeferredFiles(*package_file, dir, deferred_files, unlinked);
    if (ret == 0)
        ret = MakeDeferredHardLinks(dir, deferred_files);
    close(dir);
    // Written again: new files, not the ones proved, and not what the
    // record taken before the stop says.
    if (ret == 0 && installed_files_stated && !unlinked.empty())
        RestatInstalledFiles(new_copy, installed_files, unlinked);
    if (!unlinked.empty())
        DropPendingRecord();
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] halvora-service(%d): %d unchanged files linked from '%s'\n",
                   kLinePlace + __LINE__, static_cast<int>(linked_names.size()),
                   per_user_install_path.c_str());
    return ret;
}

// A failure after the stop: the old copy never left its place.
void Service::DropNewCopy()
{
    ustring app = per_user_install_path;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] halvora-service(%d): Failed to extract package, rollback to old "
                   "installation\n",
                   kLinePlace + __LINE__);
    RemoveNewCopy();
    if (ClearInstallationUnderway(app) == 0)
        Logger::LogMsg(Logger::L_INFO, kLogComponent,
                       "[INFO] halvora-service(%d): rollback to old installation done\n",
                       kLinePlace + __LINE__);
}

int Service::FinishNewCopy()
{
    ustring backup;
    int swapped = -1;
    // The files were flushed before the stop, or as they were written
    // again: what the links changed is in the folders.
    if (!StillHoldsHome()) {
        LeaveHomeToItsHolder();
        return -1;
    }
    if (LinkIntoNewCopy() == 0 && CheckCopyHoldsClient(new_copy) == 0 &&
        FlushCopyToDisk(new_copy, true) == 0 && StillHoldsHome())
        swapped = SwapInNewCopy(backup);
    if (swapped != 0 && !StillHoldsHome()) {
        LeaveHomeToItsHolder();
        return -1;
    }
    // Stuck at the backup: the marker names it, the next start puts it back.
    if (swapped == -2) {
        restore_pending = true;
        return -1;
    }
    if (swapped != 0) {
        DropNewCopy();
        return -1;
    }
    CountWritten(static_cast<int>(linked_names.size()));
    return CompleteInstallation(backup);
}
