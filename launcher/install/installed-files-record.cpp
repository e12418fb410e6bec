#include "installed-files-record.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <climits>
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
const char kHeaderWords[] = "halvora installed files ";
// A line is under a hundred bytes and a path; far more than any client's
// files.
const size_t kMaxRecordBytes = 64u << 20;
// What the record read may hold, so that a file under this name costs the
// launcher a bounded amount of memory whatever it holds: forty times the
// files of a real client (about 3,000), and names that together take half
// the bound of the file (a few long names cost as much as many short ones).
const size_t kMaxRecordEntries = 1u << 17;
const size_t kMaxRecordNameBytes = 32u << 20;
// The fields, and a name of PATH_MAX bytes each of them escaped.
const size_t kMaxLineBytes = 2 * PATH_MAX + 128;
const long long kNanosecondsPerSecond = 1000000000;
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

// Names never hold NUL: a line with one is no line of ours.
bool Unescape(const char* text, const char* end, std::string& path)
{
    // Kept as it is made: no room beyond the name, which the reading counts.
    path.clear();
    path.reserve(static_cast<size_t>(end - text));
    for (; text < end; ++text) {
        if (*text == '\0')
            return false;
        if (*text != '\\') {
            path += *text;
            continue;
        }
        ++text;
        if (text < end && *text == 'n')
            path += '\n';
        else if (text < end && *text == '\\')
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
    if (!blank || !ParseDigest(std::string(p, static_cast<size_t>(blank - p)), file.digest) ||
        nsec >= kNanosecondsPerSecond)
        return false;
    file.inode = static_cast<uint64_t>(inode);
    file.size = size;
    file.ctime_sec = sec;
    file.ctime_nsec = nsec;
    file.mode = static_cast<unsigned>(mode) & 07777;
    file.disk_mode = static_cast<unsigned>(disk_mode) & 07777;
    return Unescape(blank + 1, line.data() + line.size(), path);
}

bool ParseHeader(const std::string& line, FileTime& taken)
{
    if (line.compare(0, sizeof(kHeader) - 1, kHeader) != 0)
        return false;
    long long sec = 0, nsec = 0;
    std::string rest = line.substr(sizeof(kHeader) - 1) + " ";
    const char* p = rest.c_str();
    if (!TakeNumber(p, sec) || !TakeNumber(p, nsec) || *p || nsec >= kNanosecondsPerSecond)
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
std::string RecordText(InstalledFiles& files)
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
    return text;
}

// Not flushed: it is written while the user has no client, and a record a
// power cut takes only costs the next upgrade its links.
int WriteRecord(const ustring& app_dir, InstalledFiles& files)
{
    return WriteFileWhole(InstalledFilesPath(app_dir), RecordText(files), false);
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

bool IsEmptyFile(const ustring& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && st.st_size == 0;
}

// A record as it is read, and why it cannot serve once that is known.
struct RecordReading {
    InstalledFiles record;
    bool header_seen = false;
    size_t name_bytes = 0;
    size_t dropped = 0;
    size_t last_line = 0;
    const char* refused = nullptr;
};

bool TakeHeader(RecordReading& reading, const std::string& line)
{
    if (ParseHeader(line, reading.record.taken)) {
        reading.header_seen = true;
        return true;
    }
    // The same words with another version: written by another launcher.
    reading.refused = line.compare(0, sizeof(kHeaderWords) - 1, kHeaderWords) == 0
                          ? "it is of another format"
                          : "it does not begin with the header of its format";
    return false;
}

// Ends the reading (false) once the record holds more than any package can
// have put there: such a record is no installation's, and is dropped whole.
bool TakeLine(RecordReading& reading, const std::string& line, size_t number)
{
    // A line too long for any name was skipped: it counts as garbled.
    reading.dropped += number - reading.last_line - 1;
    reading.last_line = number;
    if (number == 1)
        return TakeHeader(reading, line);
    if (!reading.header_seen) {
        reading.refused = "it does not begin with the header of its format";
        return false;
    }
    std::string name;
    InstalledFile file;
    if (!ParseLine(line, name, file)) {
        ++reading.dropped;
        return true;
    }
    // Aliases of one file ("./a", ".//a") are one key, so that the proof
    // reads the file once however often the record names it.
    name = RecordName(name.c_str());
    if (name.empty()) {
        ++reading.dropped;
        return true;
    }
    reading.name_bytes += name.size();
    reading.record.files[std::move(name)] = file;
    if (reading.record.files.size() > kMaxRecordEntries ||
        reading.name_bytes > kMaxRecordNameBytes) {
        reading.record = InstalledFiles();
        reading.refused = "it holds more files than any package";
        return false;
    }
    return true;
}

} // namespace

ustring InstalledFilesPath(const ustring& app_dir)
{
    return app_dir + ".files";
}

InstalledFiles ReadInstalledFiles(const ustring& path)
{
    RecordReading reading;
    int err = ReadOwnFileLines(path, kMaxRecordBytes, kMaxLineBytes,
                               [&reading](const std::string& line, size_t number) {
                                   return TakeLine(reading, line, number);
                               });
    if (err == ENOENT)
        return InstalledFiles();
    if (err != 0)
        reading.refused = OwnFileErrorText(err);
    else if (!reading.refused && !reading.header_seen)
        reading.refused = IsEmptyFile(path) ? "it is empty" : "it holds no whole first line";
    if (reading.refused) {
        Logger::LogMsg(Logger::L_WARNING, kLogComponent,
                       "[WARNING] installed-files(%d): the record '%s' cannot serve (%s), nothing "
                       "is linked from it\n",
                       __LINE__, path.c_str(), reading.refused);
        return InstalledFiles();
    }
    if (reading.dropped > 0)
        Logger::LogMsg(Logger::L_WARNING, kLogComponent,
                       "[WARNING] installed-files(%d): %zu lines of the record '%s' are garbled, "
                       "their files are not linked\n",
                       __LINE__, reading.dropped, path.c_str());
    return std::move(reading.record);
}

int StatInstalledFiles(const ustring& app_dir, const InstalledFiles& installed,
                       InstalledFiles& record)
{
    record = InstalledFiles();
    int app_fd = OpenCopy(app_dir);
    if (app_fd < 0)
        return -1;
    for (const auto& [path, wanted] : installed.files) {
        InstalledFile file = wanted;
        if (StatInstalled(app_fd, path, file))
            record.files[path] = file;
    }
    close(app_fd);
    return 0;
}

void RestatInstalledFiles(const ustring& app_dir, InstalledFiles& record,
                          const std::vector<std::string>& names)
{
    int app_fd = OpenCopy(app_dir);
    for (const std::string& path : names) {
        auto it = record.files.find(path);
        if (it != record.files.end() && (app_fd < 0 || !StatInstalled(app_fd, path, it->second)))
            record.files.erase(it);
    }
    if (app_fd >= 0)
        close(app_fd);
}

int WriteStatedFiles(const ustring& app_dir, InstalledFiles record)
{
    return WriteRecord(app_dir, record);
}

int WritePendingRecord(const ustring& app_dir, InstalledFiles record)
{
    return WriteFileAside(InstalledFilesPath(app_dir), RecordText(record), false);
}

int TakePendingRecord(const ustring& app_dir)
{
    return TakeFileAside(InstalledFilesPath(app_dir));
}

void DropPendingRecord(const ustring& app_dir)
{
    unlink((InstalledFilesPath(app_dir) + ".new").c_str());
}

int WriteInstalledFiles(const ustring& app_dir, const InstalledFiles& installed)
{
    InstalledFiles record;
    if (StatInstalledFiles(app_dir, installed, record) != 0)
        return -1;
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
