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
#include "package-metadata.h"

namespace {

const int kLinePlace = logplace::kServiceCheck;

const char* const kLogComponent = "service_debug";
// Beyond the bytes themselves every entry takes part of a block, and the
// file system needs room of its own; an upgrade that ends within a few
// blocks of a full disk would leave the user with nothing to write to.
const int64_t kFixedMargin = 4 << 20;
const int kMarginDivisor = 16;

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

int64_t BytesNeeded(const ArchiveSummary& summary, int64_t block)
{
    return summary.unpacked_size + summary.entries * block +
           summary.unpacked_size / kMarginDivisor + kFixedMargin;
}

} // namespace

int Service::CheckPackage()
{
    ustring package = GetRootHalvoraResourceInstallPath() + "/package/halvora.hpk";
    ustring home = GetUserHalvoraInstallPath();
    Extractor extractor;
    extractor.SetSource(package);
    extractor.SetTarget(per_user_install_path);
    // With the packer's description the checksum proves the package whole
    // at a fraction of a read through it, and the unpack is the only pass.
    PackageMetadata metadata;
    PackageCheck described = CheckPackageAgainstInfo(GetRootHalvoraResourceInstallPath() + "/INFO",
                                                     package, metadata);
    if (described == PackageCheck::Mismatch)
        return -1;
    ArchiveSummary summary;
    if (described == PackageCheck::Described) {
        summary.entries = metadata.entries;
        summary.unpacked_size = metadata.unpacked_size;
    } else if (extractor.Scan(summary) != 0 || summary.entries == 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): package '%s' is damaged or empty (%d "
                       "entries read to its end), nothing is changed\n",
                       kLinePlace + __LINE__, package.c_str(), summary.entries);
        return -1;
    }
    FreeRoom room;
    if (MeasureFreeRoom(home, room) != 0)
        return -1;
    int64_t needed = BytesNeeded(summary, room.block);
    bool inodes_short = room.inodes >= 0 && room.inodes < summary.entries;
    if (room.bytes < needed || inodes_short) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): package '%s' does not fit in '%s': %lld bytes "
                       "in %d entries unpacked, %lld bytes needed with the margin, %lld bytes "
                       "and %lld files free, nothing is changed\n",
                       kLinePlace + __LINE__, package.c_str(), home.c_str(),
                       static_cast<long long>(summary.unpacked_size), summary.entries,
                       static_cast<long long>(needed), static_cast<long long>(room.bytes),
                       static_cast<long long>(room.inodes));
        return -1;
    }
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] halvora-service(%d): package '%s' checked: %d entries, %lld bytes, "
                   "%lld bytes free\n",
                   kLinePlace + __LINE__, package.c_str(), summary.entries,
                   static_cast<long long>(summary.unpacked_size),
                   static_cast<long long>(room.bytes));
    package_entries = summary.entries;
    return 0;
}
