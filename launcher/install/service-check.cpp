// The checks an upgrade must pass before anything of the user's is touched:
// the package reads to its end, and what it unpacks to fits in the home,
// quota included, which must also make every kind of entry it holds.
#include "halvora-service.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/statvfs.h>
#include <unistd.h>

#include "extractor.h"
#include "file/file-op.h"
#include "home-probe.h"
#include "installed-files-record.h"
#include "log-place.h"
#include "log.h"
#include "package-file.h"
#include "package-metadata.h"
#include "package-stream.h"

namespace {

const int kLinePlace = logplace::kServiceCheck;

const char* const kLogComponent = "service_debug";
// Beyond the bytes themselves every entry takes part of a block, and the
// file system needs room of its own; an upgrade that ends within a few
// blocks of a full disk would leave the user with nothing to write to.
const int64_t kFixedMargin = 4 << 20;
const int kMarginDivisor = 16;
// Beside the package's entries the installation makes files of its own: the
// copy's folder, the marker and the marker's temporary name.
const int kOwnFiles = 3;

struct FreeRoom {
    int64_t bytes = 0;
    int64_t block = 4096;
    int64_t inodes = -1; // -1: the file system does not count them
};

// The folder itself may not exist yet (first start of a fresh home): the
// nearest existing parent is on the same file system for our purpose.
int MeasureFreeRoom(ustring dir, FreeRoom& room)
{
    struct statvfs fs;
    while (statvfs(dir.c_str(), &fs) != 0) {
        int err = errno;
        ustring parent = FSParentPath(dir);
        if (err != ENOENT || parent.empty() || parent == dir) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] halvora-service(%d): statvfs '%s' failed: %s (%d)\n",
                           kLinePlace + __LINE__, dir.c_str(), strerror(err), err);
            return -1;
        }
        dir = parent;
    }
    // f_bavail: what an unprivileged user may still write, not the root reserve.
    room.bytes = static_cast<int64_t>(fs.f_bavail) * static_cast<int64_t>(fs.f_frsize);
    room.block = fs.f_frsize > 0 ? static_cast<int64_t>(fs.f_frsize) : 4096;
    room.inodes = fs.f_files > 0 ? static_cast<int64_t>(fs.f_favail) : -1;
    return 0;
}

// -1 when the figures add up to more than any file system holds: a package
// that claims so is damaged.
int64_t BytesNeeded(const ArchiveSummary& summary, int64_t block)
{
    int64_t blocks = 0;
    int64_t needed = 0;
    if (__builtin_mul_overflow(static_cast<int64_t>(summary.entries) + kOwnFiles, block, &blocks) ||
        __builtin_add_overflow(summary.unpacked_size, blocks, &needed) ||
        __builtin_add_overflow(needed, summary.unpacked_size / kMarginDivisor + kFixedMargin,
                               &needed))
        return -1;
    return needed;
}

void LogDamaged(const ustring& package, int entries)
{
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] halvora-service(%d): package '%s' is damaged or empty (%d "
                   "entries read to its end), nothing is changed\n",
                   kLinePlace + __LINE__, package.c_str(), entries);
}

// The line of a home that cannot take the package; what names what is
// missing, with the system's reason.
void LogCannotTake(const ustring& package, const ustring& home, const char* what, int err)
{
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] halvora-service(%d): package '%s' does not fit in '%s': %s: %s (%d), "
                   "nothing is changed\n",
                   kLinePlace + __LINE__, package.c_str(), home.c_str(), what, strerror(err), err);
}

// The count and size a check found, or the INFO's, and the checksum the
// unpack must read again.
ArchiveSummary DescribedSummary(const PackageMetadata& metadata)
{
    ArchiveSummary summary;
    summary.entries = metadata.entries;
    summary.unpacked_size = metadata.unpacked_size;
    summary.digest_known = true;
    summary.digest = metadata.digest;
    return summary;
}

} // namespace

// The package is read in full: it must read to its end and hold something.
// The lines of an unpack that meets such a package are logged as well.
int Service::ScanPackage(ArchiveSummary& summary, PackageContents& contents)
{
    Extractor extractor;
    extractor.SetSource(package_file.get());
    extractor.SetTarget(per_user_install_path);
    int scanned = extractor.Scan(summary, contents);
    if (scanned == 0 && summary.entries > 0)
        return 0;
    Extractor::LogNoEntries(scanned == 0 ? summary.entries : -1);
    LogDamaged(package_file->Path(), summary.entries);
    NoticeWhy(NoticeReason::Damaged);
    return -1;
}

// What the file system says is free, and what a reservation proves (a
// quota counts there), against what the unpack writes; -1 only for a
// failure to measure or a package that claims the impossible (logged).
int Service::MeasureRoom(HomeProbe& probe, const ArchiveSummary& summary, RoomCheck& check)
{
    FreeRoom room;
    if (MeasureFreeRoom(GetUserHalvoraInstallPath(), room) != 0)
        return -1;
    ArchiveSummary written = summary;
    written.unpacked_size = check.to_write;
    check.needed = BytesNeeded(written, room.block);
    if (check.needed < 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): package '%s' claims %lld bytes in %d "
                       "entries, more than any disk holds: it is damaged, nothing is changed\n",
                       kLinePlace + __LINE__, package_file->Path().c_str(),
                       static_cast<long long>(summary.unpacked_size), summary.entries);
        NoticeWhy(NoticeReason::Damaged);
        return -1;
    }
    check.free_bytes = room.bytes;
    check.free_files = room.inodes;
    bool inodes_short = room.inodes >= 0 && room.inodes < summary.entries + kOwnFiles;
    check.short_of_room = room.bytes < check.needed || inodes_short;
    check.reserve_error = check.short_of_room ? 0 : probe.Reserve(check.needed);
    return 0;
}

bool Service::RoomFits(const RoomCheck& check)
{
    return !check.short_of_room && (check.reserve_error == 0 || check.reserve_error == EOPNOTSUPP);
}

void Service::LogRoom(const HomeProbe& probe, const ArchiveSummary& summary,
                      const RoomCheck& check)
{
    const char* package = package_file->Path().c_str();
    if (check.short_of_room) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): package '%s' does not fit in '%s': %lld bytes "
                       "in %d entries unpacked, %lld of them to write, %lld bytes needed with the "
                       "margin, %lld bytes and %lld files free, nothing is changed\n",
                       kLinePlace + __LINE__, package, GetUserHalvoraInstallPath().c_str(),
                       static_cast<long long>(summary.unpacked_size), summary.entries,
                       static_cast<long long>(check.to_write), static_cast<long long>(check.needed),
                       static_cast<long long>(check.free_bytes),
                       static_cast<long long>(check.free_files));
    } else if (check.reserve_error == EOPNOTSUPP) {
        Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                       "[DEBUG] halvora-service(%d): '%s' cannot reserve bytes (%s): its free "
                       "room is all that is checked\n",
                       kLinePlace + __LINE__, probe.Folder().c_str(), strerror(EOPNOTSUPP));
    } else if (check.reserve_error != 0) {
        char what[112];
        snprintf(what, sizeof what, "%lld bytes (to write %lld) cannot be reserved there",
                 static_cast<long long>(check.needed), static_cast<long long>(check.to_write));
        LogCannotTake(package_file->Path(), probe.Folder(), what, check.reserve_error);
    }
}

// Every byte of the package first; where that does not fit and the upgrade
// can link files of the copy in place, only what it must write.
int Service::CheckBytes(HomeProbe& probe, const ArchiveSummary& summary,
                        PackageContents& contents, bool& scanned)
{
    RoomCheck check;
    check.to_write = summary.unpacked_size;
    if (MeasureRoom(probe, summary, check) != 0)
        return -1;
    if (!RoomFits(check) && !recorded_files.empty() && LinkingPossible()) {
        ArchiveSummary read;
        if (!scanned && ScanPackage(read, contents) != 0)
            return -1;
        scanned = true;
        // What the upgrade will link rather than write: the files proved by
        // their content, narrowed down by the headers to those the package
        // holds unchanged. The unpack decides for itself; this keeps out of
        // the count only what it will not write.
        ProveOldCopyFiles(contents);
        int files = static_cast<int>(old_copy_proof.files.size());
        int64_t linked = old_copy_proof.bytes;
        Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                       "[DEBUG] halvora-service(%d): %d files of %lld bytes likely linked from "
                       "the copy in place\n",
                       kLinePlace + __LINE__, files, static_cast<long long>(linked));
        check.to_write = linked < summary.unpacked_size ? summary.unpacked_size - linked : 0;
        if (MeasureRoom(probe, summary, check) != 0)
            return -1;
    }
    LogRoom(probe, summary, check);
    if (!RoomFits(check)) {
        NoticeWhy(check.short_of_room ? NoticeReason::NoRoom : NoticeReason::HomeCannotHold);
        outcome.needed_bytes = check.needed;
        outcome.free_bytes = check.free_bytes;
        return -1;
    }
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] halvora-service(%d): package '%s' checked: %d entries, %lld bytes, "
                   "%lld of them to write, %lld bytes free\n",
                   kLinePlace + __LINE__, package_file->Path().c_str(), summary.entries,
                   static_cast<long long>(summary.unpacked_size),
                   static_cast<long long>(check.to_write),
                   static_cast<long long>(check.free_bytes));
    return 0;
}

// The kinds of links the package holds must be made there; its headers are
// read for them only where the home cannot make one kind or the other.
int Service::CheckLinkKinds(HomeProbe& probe, PackageContents& contents, bool& scanned)
{
    int link_error = probe.TryHardLink();
    int symlink_error = probe.TrySymbolicLink();
    link_refusal.clear();
    if (link_error != 0)
        link_refusal =
            std::string("the home cannot make hard links (") + strerror(link_error) + ")";
    if (link_error == 0 && symlink_error == 0)
        return 0;
    ArchiveSummary read;
    if (!scanned && ScanPackage(read, contents) != 0)
        return -1;
    scanned = true;
    const ustring& package = package_file->Path();
    if (contents.hard_links && link_error != 0) {
        LogCannotTake(package, probe.Folder(), "it holds hard links, which the home cannot make",
                      link_error);
        NoticeWhy(NoticeReason::HomeCannotHold);
        return -1;
    }
    if (contents.symbolic_links && symlink_error != 0) {
        LogCannotTake(package, probe.Folder(),
                      "it holds symbolic links, which the home cannot make", symlink_error);
        NoticeWhy(NoticeReason::HomeCannotHold);
        return -1;
    }
    return 0;
}

// Every recorded file is a candidate until the package's headers say more:
// hashing them needs nothing of the package, and runs while its checksum
// is taken.
void Service::StartProofOfOldCopy()
{
    if (old_copy_proved || recorded_files.empty())
        return;
    early_proof = std::async(std::launch::async, [this] {
        return ProveOldCopy(per_user_install_path, recorded_files,
                            LinkCandidates(recorded_files, nullptr), UsableCores());
    });
}

void Service::ProveOldCopyFiles(const PackageContents& contents)
{
    if (old_copy_proved || recorded_files.empty())
        return;
    old_copy_proved = true;
    // Waited for in any case: it reads the record, which must outlive it.
    OldCopyProof early;
    if (early_proof.valid())
        early = early_proof.get();
    if (contents.files.empty() && early.candidates > 0) {
        old_copy_proof = early;
    } else {
        std::vector<std::string> candidates = LinkCandidates(recorded_files, &contents);
        old_copy_proof =
            ProveOldCopy(per_user_install_path, recorded_files, candidates, UsableCores());
    }
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] halvora-service(%d): %d of %d files of '%s' proved by their content "
                   "(%lld bytes) in %lld ms\n",
                   kLinePlace + __LINE__, static_cast<int>(old_copy_proof.files.size()),
                   old_copy_proof.candidates, per_user_install_path.c_str(),
                   static_cast<long long>(old_copy_proof.bytes),
                   static_cast<long long>(old_copy_proof.milliseconds));
}

// Whatever the home cannot take is found here, before the client is
// stopped, by doing it: a file of the launcher's own is given the bytes and
// the links, then removed.
int Service::CheckRoomFor(const ArchiveSummary& summary, PackageContents& contents, bool scanned)
{
    HomeProbe probe(per_user_install_path);
    if (int err = probe.Create()) {
        LogCannotTake(package_file->Path(), probe.Folder(), "no file can be created there", err);
        NoticeWhy(NoticeReason::HomeCannotHold);
        return -1;
    }
    if (CheckLinkKinds(probe, contents, scanned) != 0 ||
        CheckBytes(probe, summary, contents, scanned) != 0)
        return -1;
    if (int err = probe.Remove()) {
        LogCannotTake(package_file->Path(), probe.Folder(), "its probe cannot be removed", err);
        NoticeWhy(NoticeReason::HomeCannotHold);
        return -1;
    }
    return 0;
}

int Service::CheckPackage()
{
    // What the copy in place was installed as: the files an upgrade links
    // are not counted among those it writes.
    LoadRecord();
    StartProofOfOldCopy();
    int ret = CheckPackageFile();
    // Whatever came of the check, the proof reads the record no longer.
    if (early_proof.valid())
        early_proof.wait();
    return ret;
}

int Service::CheckPackageFile()
{
    ustring package = GetPackagePath();
    // Opened once: the unpack reads this same file, whatever is renamed over
    // the path while the client stops.
    package_file.reset(new PackageFile);
    int err = package_file->Open(package);
    if (err != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): cannot open package '%s': %s (%d)\n",
                       kLinePlace + __LINE__, package.c_str(), strerror(err), err);
        LogDamaged(package, 0);
        NoticeWhy(NoticeReason::Damaged);
        return -1;
    }
    // With the packer's description the checksum proves the package whole
    // at a fraction of a read through it, and the unpack is the only pass.
    PackageMetadata metadata;
    PackageCheck described = CheckPackageAgainstInfo(GetRootHalvoraResourceInstallPath() + "/INFO",
                                                     *package_file, metadata);
    if (described == PackageCheck::Mismatch) {
        NoticeWhy(NoticeReason::Damaged);
        return -1;
    }
    // Read in full where nothing else proves the package whole; otherwise
    // its headers are read only where the home's checks need them.
    ArchiveSummary summary;
    PackageContents contents;
    bool scanned = described != PackageCheck::Described;
    if (scanned && ScanPackage(summary, contents) != 0)
        return -1;
    if (!scanned)
        summary = DescribedSummary(metadata);
    if (CheckRoomFor(summary, contents, scanned) != 0)
        return -1;
    // Before the stop, so that hashing the old copy adds nothing to the time
    // the user has no client.
    if (LinkingPossible())
        ProveOldCopyFiles(contents);
    package_summary = summary;
    package_checked = true;
    return 0;
}
