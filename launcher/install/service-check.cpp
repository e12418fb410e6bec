// The checks an upgrade must pass before anything of the user's is touched:
// the package reads to its end, and what it unpacks to fits in the home.
#include "halvora-service.h"

#include <cerrno>
#include <cstring>
#include <sys/statvfs.h>

#include "extractor.h"
#include "file/file-op.h"
#include "log-place.h"
#include "log.h"
#include "package-file.h"
#include "package-metadata.h"

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
int Service::ScanPackage(ArchiveSummary& summary)
{
    Extractor extractor;
    extractor.SetSource(package_file.get());
    extractor.SetTarget(per_user_install_path);
    int scanned = extractor.Scan(summary);
    if (scanned == 0 && summary.entries > 0)
        return 0;
    Extractor::LogNoEntries(scanned == 0 ? summary.entries : -1);
    LogDamaged(package_file->Path(), summary.entries);
    return -1;
}

int Service::CheckRoomFor(const ArchiveSummary& summary)
{
    ustring home = GetUserHalvoraInstallPath();
    const char* package = package_file->Path().c_str();
    FreeRoom room;
    if (MeasureFreeRoom(home, room) != 0)
        return -1;
    int64_t needed = BytesNeeded(summary, room.block);
    if (needed < 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): package '%s' claims %lld bytes in %d "
                       "entries, more than any disk holds: it is damaged, nothing is changed\n",
                       kLinePlace + __LINE__, package,
                       static_cast<long long>(summary.unpacked_size), summary.entries);
        return -1;
    }
    bool inodes_short = room.inodes >= 0 && room.inodes < summary.entries + kOwnFiles;
    if (room.bytes < needed || inodes_short) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): package '%s' does not fit in '%s': %lld bytes "
                       "in %d entries unpacked, %lld bytes needed with the margin, %lld bytes "
                       "and %lld files free, nothing is changed\n",
                       kLinePlace + __LINE__, package, home.c_str(),
                       static_cast<long long>(summary.unpacked_size), summary.entries,
                       static_cast<long long>(needed), static_cast<long long>(room.bytes),
                       static_cast<long long>(room.inodes));
        return -1;
    }
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] halvora-service(%d): package '%s' checked: %d entries, %lld bytes, "
                   "%lld bytes free\n",
                   kLinePlace + __LINE__, package, summary.entries,
                   static_cast<long long>(summary.unpacked_size),
                   static_cast<long long>(room.bytes));
    return 0;
}

int Service::CheckPackage()
{
    LoadRecord();
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
        return -1;
    }
    // With the packer's description the checksum proves the package whole
    // at a fraction of a read through it, and the unpack is the only pass.
    PackageMetadata metadata;
    PackageCheck described = CheckPackageAgainstInfo(GetRootHalvoraResourceInstallPath() + "/INFO",
                                                     *package_file, metadata);
    if (described == PackageCheck::Mismatch)
        return -1;
    ArchiveSummary summary;
    if (described == PackageCheck::Described)
        summary = DescribedSummary(metadata);
    else if (ScanPackage(summary) != 0)
        return -1;
    if (CheckRoomFor(summary) != 0)
        return -1;
    package_summary = summary;
    package_checked = true;
    return 0;
}
