#include "package-metadata.h"

#include <QSettings>
#include <QString>
#include <cerrno>
#include <climits>
#include <cstring>

#include "log-place.h"
#include "log.h"
#include "package-file.h"

namespace {

const char* const kLogComponent = "service_debug";
const int kLinePlace = logplace::kPackageMetadata;

// Plain decimal digits only: no sign, no blanks, no exponent, no overflow.
bool ParseCount(const QString& text, int64_t max, int64_t& value)
{
    if (text.isEmpty() || text.size() > 19)
        return false;
    value = 0;
    for (QChar c : text) {
        if (c < '0' || c > '9')
            return false;
        int64_t digit = c.unicode() - '0';
        if (value > (max - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    return true;
}

// A package that could be bigger than this, or hold more entries, is no
// package of ours: such a figure is damage, and would overflow the space
// needed.
const int64_t kMaxUnpackedSize = int64_t(1) << 50;
const int64_t kMaxEntries = 1 << 24;
// Room for a compressed package to be bigger than what it holds: headers
// (long names take several blocks) and a stream that did not compress.
const int64_t kHeaderRoomPerEntry = 8 << 10;
const int64_t kFixedRoom = 1 << 20;

// The figures must be able to describe a package of this size: a package
// that unpacks to nearly nothing from many megabytes was not described by
// its packer.
bool PlausibleFor(const PackageMetadata& metadata, int64_t package_size)
{
    int64_t room = metadata.unpacked_size + metadata.entries * kHeaderRoomPerEntry + kFixedRoom;
    return room >= package_size / 2;
}

} // namespace

MetadataState ReadPackageMetadata(const ustring& path, PackageMetadata& metadata,
                                  std::string& problem)
{
    QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    if (!settings.childGroups().contains("Package"))
        return MetadataState::Absent;
    settings.beginGroup("Package");
    int64_t entries = 0;
    int64_t size = 0;
    // QSettings splits a value at commas into a list; toString() of a list is
    // empty, which the parsers refuse.
    if (!ParseCount(settings.value("entries").toString(), kMaxEntries, entries) || entries == 0) {
        problem = "entries";
        return MetadataState::Malformed;
    }
    // A package holds at least the client's executable and its start script.
    if (!ParseCount(settings.value("unpacked_size").toString(), kMaxUnpackedSize, size) ||
        size == 0) {
        problem = "unpacked_size";
        return MetadataState::Malformed;
    }
    if (!ParseDigest(settings.value("xxh3_128").toString().toStdString(), metadata.digest)) {
        problem = "xxh3_128";
        return MetadataState::Malformed;
    }
    metadata.entries = static_cast<int>(entries);
    metadata.unpacked_size = size;
    return MetadataState::Valid;
}

PackageCheck CheckPackageAgainstInfo(const ustring& info, const PackageFile& package,
                                     PackageMetadata& metadata)
{
    std::string problem;
    switch (ReadPackageMetadata(info, metadata, problem)) {
    case MetadataState::Absent: return PackageCheck::Undescribed;
    case MetadataState::Malformed:
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): group \"Package\" of '%s' has no valid %s, "
                       "the INFO is damaged, nothing is changed\n",
                       kLinePlace + __LINE__, info.c_str(), problem.c_str());
        return PackageCheck::Mismatch;
    case MetadataState::Valid: break;
    }
    const char* path = package.Path().c_str();
    if (!PlausibleFor(metadata, package.Size())) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): group \"Package\" of '%s' cannot describe "
                       "package '%s' of %lld bytes (%d entries, %lld bytes unpacked), the INFO "
                       "is damaged, nothing is changed\n",
                       kLinePlace + __LINE__, info.c_str(), path,
                       static_cast<long long>(package.Size()), metadata.entries,
                       static_cast<long long>(metadata.unpacked_size));
        return PackageCheck::Mismatch;
    }
    PackageDigest digest;
    std::string error;
    if (DigestPackage(package, digest, error) != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): cannot read package '%s' for its checksum: "
                       "%s, nothing is changed\n",
                       kLinePlace + __LINE__, path, error.c_str());
        return PackageCheck::Mismatch;
    }
    if (!(digest == metadata.digest)) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): package '%s' does not match its INFO: "
                       "xxh3_128 %s where '%s' says %s, nothing is changed\n",
                       kLinePlace + __LINE__, path, FormatDigest(digest).c_str(), info.c_str(),
                       FormatDigest(metadata.digest).c_str());
        return PackageCheck::Mismatch;
    }
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] halvora-service(%d): package '%s' matches its INFO: %d entries, %lld "
                   "bytes unpacked\n",
                   kLinePlace + __LINE__, path, metadata.entries,
                   static_cast<long long>(metadata.unpacked_size));
    return PackageCheck::Described;
}
