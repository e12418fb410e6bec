#include "installed-files-record.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

#include "file/disk-stat.h"
#include "file/own-file.h"
#include "install-marker.h"
#include "log.h"

namespace {

const char* const kLogComponent = "service_debug";
// Bumped when a line's fields change: a record of another version is ignored.
const char kHeader[] = "halvora installed files 2 ";
// A line is under a hundred bytes and a path; far more than any client's
// files, and a bound on what a file under this name can cost the launcher.
const size_t kMaxRecordBytes = 64u << 20;
// How long the record waits for the clock to leave the tick of the last
// change it records; past that, such files are hashed at the next upgrade.
const int kMaxTickWaitMs = 50;

// Names may hold any byte but "/" joins and NUL ends them; a line ends at
// "\n", so that and the escape itself are escaped.
std::string Escape(const std::string& path)
{
    std::string out;
    for (char c : path) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

bool Unescape(const char* text, std::string& path)
{
    path.clear();
    for (; *text; ++text) {
        if (*text != '\\') {
            path += *text;
            continue;
        }
        ++text;
        if (*text == 'n')
            path += '\n';
        else if (*text == '\\')
            path += '\\';
        else
            return false;
    }
    return !path.empty();
}

// One number and the single blank after it; false when the text holds no
// plain decimal number there.
bool TakeNumber(const char*& p, long long& value, int base = 10)
{
    if (!((*p >= '0' && *p <= '9') || (base == 8 && *p >= '0' && *p <= '7')))
        return false;
    char* end = nullptr;
    errno = 0;
    value = strtoll(p, &end, base);
    if (errno != 0 || *end != ' ' || value < 0)
        return false;
    p = end + 1;
    return true;
}

// "inode size ctime_sec ctime_nsec mode disk_mode checksum name": the name
// begins right after the single blank that follows the checksum, and may
// itself begin with blanks.
bool ParseLine(const std::string& line, std::string& path, InstalledFile& file)
{
    const char* p = line.c_str();
    long long inode, size, sec, nsec, mode, disk_mode;
    if (!TakeNumber(p, inode) || !TakeNumber(p, size) || !TakeNumber(p, sec) ||
        !TakeNumber(p, nsec) || !TakeNumber(p, mode, 8) || !TakeNumber(p, disk_mode, 8))
        return false;
    const char* blank = strchr(p, ' ');
    if (!blank || !ParseDigest(std::string(p, static_cast<size_t>(blank - p)), file.digest))
        return false;
    file.inode = static_cast<uint64_t>(inode);
    file.size = size;
    file.ctime_sec = sec;
    file.ctime_nsec = nsec;
    file.mode = static_cast<unsigned>(mode) & 07777;
    file.disk_mode = static_cast<unsigned>(disk_mode) & 07777;
    return Unescape(blank + 1, path);
}

bool ParseHeader(const std::string& line, FileTime& taken)
{
    if (line.compare(0, sizeof(kHeader) - 1, kHeader) != 0)
        return false;
    long long sec = 0, nsec = 0;
    std::string rest = line.substr(sizeof(kHeader) - 1) + " ";
    const char* p = rest.c_str();
    if (!TakeNumber(p, sec) || !TakeNumber(p, nsec) || *p)
        return false;
    taken.sec = sec;
    taken.nsec = nsec;
    return true;
}

FileTime CoarseNow()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return FileTime{now.tv_sec, now.tv_nsec};
}

bool After(const FileTime& a, const FileTime& b)
{
    return a.sec > b.sec || (a.sec == b.sec && a.nsec > b.nsec);
}

// The moment the record counts as taken. The file system stamps changes
// from this coarse clock; once it has moved past the last change recorded,
// any later change carries a later time than every recorded one. A file
// system of whole seconds is not waited for: its times prove nothing.
FileTime TakenAfter(const FileTime& latest)
{
    FileTime now = CoarseNow();
    for (int waited = 0; !After(now, latest) && latest.nsec != 0 && waited < kMaxTickWaitMs;
         ++waited) {
        usleep(1000);
        now = CoarseNow();
    }
    return now;
}

// The file at name under the copy as it stands, into file; false when it is
// not there as a regular file.
bool StatInstalled(int app_fd, const std::string& name, InstalledFile& file)
{
    struct stat st;
    if (StatOnDisk(app_fd, name.c_str(), st) != 0 || !S_ISREG(st.st_mode))
        return false;
    file.inode = static_cast<uint64_t>(st.st_ino);
    file.size = st.st_size;
    file.ctime_sec = st.st_ctim.tv_sec;
    file.ctime_nsec = st.st_ctim.tv_nsec;
    file.disk_mode = st.st_mode & 07777;
    return true;
}

std::string FormatLine(const std::string& path, const InstalledFile& file)
{
    char fields[200];
    snprintf(fields, sizeof fields, "%" PRIu64 " %lld %lld %lld %o %o %s ", file.inode,
             static_cast<long long>(file.size), static_cast<long long>(file.ctime_sec),
             static_cast<long long>(file.ctime_nsec), file.mode, file.disk_mode,
             FormatDigest(file.digest).c_str());
    return fields + Escape(path) + "\n";
}

// Taken once the clock has passed every change time it records. A later
// moment never proves a change as none: a change after an earlier moment
// already carries a time other than the one recorded.
int WriteRecord(const ustring& app_dir, InstalledFiles& files)
{
    FileTime latest;
    for (const auto& [path, file] : files.files) {
        FileTime changed{file.ctime_sec, file.ctime_nsec};
        if (After(changed, latest))
            latest = changed;
    }
    files.taken = TakenAfter(latest);
    char header[80];
    snprintf(header, sizeof header, "%s%lld %lld\n", kHeader,
             static_cast<long long>(files.taken.sec), static_cast<long long>(files.taken.nsec));
    std::string text = header;
    for (const auto& [path, file] : files.files)
        text += FormatLine(path, file);
    // Not flushed: it is written while the user has no client, and a record
    // a power cut takes only costs the next upgrade its links.
    return WriteFileWhole(InstalledFilesPath(app_dir), text, false);
}

int OpenCopy(const ustring& app_dir)
{
    int fd = open(app_dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] installed-files(%d): cannot open '%s' to record its files: %s "
                       "(%d)\n",
                       __LINE__, app_dir.c_str(), strerror(err), err);
    }
    return fd;
}

} // namespace

ustring InstalledFilesPath(const ustring& app_dir)
{
    return app_dir + ".files";
}

InstalledFiles ReadInstalledFiles(const ustring& path)
{
    InstalledFiles record;
    std::string text;
    int err = ReadOwnFile(path, kMaxRecordBytes, text);
    if (err != 0) {
        if (err != ENOENT)
            Logger::LogMsg(Logger::L_NOTICE, kLogComponent,
                           "[NOTE] installed-files(%d): the record '%s' is not read (%s), "
                           "nothing is linked from it\n",
                           __LINE__, path.c_str(), OwnFileErrorText(err));
        return record;
    }
    size_t begin = 0;
    bool first = true;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            break; // a line without its end was cut short
        std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (first) {
            first = false;
            if (!ParseHeader(line, record.taken))
                return InstalledFiles();
            continue;
        }
        std::string name;
        InstalledFile file;
        if (ParseLine(line, name, file))
            record.files[name] = file;
    }
    return record;
}

int WriteInstalledFiles(const ustring& app_dir, const InstalledFiles& installed)
{
    int app_fd = OpenCopy(app_dir);
    if (app_fd < 0)
        return -1;
    InstalledFiles record;
    for (const auto& [path, wanted] : installed.files) {
        InstalledFile file = wanted;
        if (StatInstalled(app_fd, path, file))
            record.files[path] = file;
    }
    close(app_fd);
    return WriteRecord(app_dir, record);
}

int RenewInstalledFiles(const ustring& app_dir, const InstalledFiles& recorded,
                        const std::vector<std::string>& touched)
{
    int app_fd = OpenCopy(app_dir);
    if (app_fd < 0)
        return -1;
    InstalledFiles record = recorded;
    for (const std::string& path : touched) {
        auto it = record.files.find(path);
        if (it == record.files.end())
            continue;
        // Only the change time may differ: anything else means the file is
        // not the one recorded, and it is dropped.
        InstalledFile now = it->second;
        if (!StatInstalled(app_fd, path, now) || now.inode != it->second.inode ||
            now.size != it->second.size || now.disk_mode != it->second.disk_mode) {
            record.files.erase(it);
            continue;
        }
        it->second = now;
    }
    close(app_fd);
    return WriteRecord(app_dir, record);
}
