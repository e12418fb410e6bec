#include "package-metadata.h"

#include <QSettings>
#include <QString>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <xxhash.h>

#include "log-place.h"
#include "log.h"

namespace {

const char* const kLogComponent = "service_debug";
const int kLinePlace = logplace::kPackageMetadata;
const size_t kReadSize = 1 << 20;

struct StateFree {
    void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
};

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

int ReadAll(int fd, XXH3_state_t* state, std::string& error)
{
    std::unique_ptr<char[]> buffer(new char[kReadSize]);
    for (;;) {
        ssize_t n = read(fd, buffer.get(), kReadSize);
        if (n == 0)
            return 0;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = strerror(errno);
            return -1;
        }
        XXH3_128bits_update(state, buffer.get(), static_cast<size_t>(n));
    }
}

} // namespace

int DigestFile(const ustring& path, PackageDigest& digest, std::string& error)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = strerror(errno);
        return -1;
    }
    std::unique_ptr<XXH3_state_t, StateFree> state(XXH3_createState());
    int ret = -1;
    if (!state)
        error = "out of memory";
    else if (XXH3_128bits_reset(state.get()) == XXH_OK)
        ret = ReadAll(fd, state.get(), error);
    close(fd);
    if (ret == 0) {
        XXH128_hash_t hash = XXH3_128bits_digest(state.get());
        digest.high = hash.high64;
        digest.low = hash.low64;
    }
    return ret;
}

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
    if (!ParseCount(settings.value("entries").toString(), INT_MAX, entries) || entries == 0) {
        problem = "entries";
        return MetadataState::Malformed;
    }
    if (!ParseCount(settings.value("unpacked_size").toString(), INT64_MAX, size)) {
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

PackageCheck CheckPackageAgainstInfo(const ustring& info, const ustring& package,
                                     PackageMetadata& metadata)
{
    std::string problem;
    switch (ReadPackageMetadata(info, metadata, problem)) {
    case MetadataState::Absent: return PackageCheck::Undescribed;
    case MetadataState::Malformed:
        Logger::LogMsg(Logger::L_WARNING, kLogComponent,
                       "[WARNING] halvora-service(%d): group \"Package\" of '%s' has no valid "
                       "%s, the package is read in full instead\n",
                       kLinePlace + __LINE__, info.c_str(), problem.c_str());
        return PackageCheck::Undescribed;
    case MetadataState::Valid: break;
    }
    PackageDigest digest;
    std::string error;
    if (DigestFile(package, digest, error) != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): cannot read package '%s' for its checksum: "
                       "%s, nothing is changed\n",
                       kLinePlace + __LINE__, package.c_str(), error.c_str());
        return PackageCheck::Mismatch;
    }
    if (!(digest == metadata.digest)) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] halvora-service(%d): package '%s' does not match its INFO: "
                       "xxh3_128 %s where '%s' says %s, nothing is changed\n",
                       kLinePlace + __LINE__, package.c_str(), FormatDigest(digest).c_str(),
                       info.c_str(), FormatDigest(metadata.digest).c_str());
        return PackageCheck::Mismatch;
    }
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] halvora-service(%d): package '%s' matches its INFO: %d entries, %lld "
                   "bytes unpacked\n",
                   kLinePlace + __LINE__, package.c_str(), metadata.entries,
                   static_cast<long long>(metadata.unpacked_size));
    return PackageCheck::Described;
}
