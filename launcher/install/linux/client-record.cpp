#include "linux/client-record.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file/own-file.h"
#include "linux/client-lease.h"
#include "linux/client-process.h"
#include "log.h"

namespace {

const char* const kComponent = "service_debug";
const char kPrefix[] = "client.";
const char kTemporarySuffix[] = ".new";
const size_t kMaxRecordBytes = 1024;

bool IsRecordName(const char* name)
{
    size_t len = strlen(name), suffix = sizeof(kTemporarySuffix) - 1;
    if (strncmp(name, kPrefix, sizeof(kPrefix) - 1) != 0)
        return false;
    return len < suffix || strcmp(name + len - suffix, kTemporarySuffix) != 0;
}

} // namespace

bool ReadClientRecord(const ustring& path, ClientRecord& record)
{
    struct stat st;
    std::string text;
    if (lstat(path.c_str(), &st) != 0 || ReadOwnFile(path, kMaxRecordBytes, text) != 0)
        return false;
    record.path = path;
    record.machine = MachineOfRecord(text);
    record.pid = ParsePid(RecordValue(text, "pid").c_str());
    record.start_ticks = strtoull(RecordValue(text, "start").c_str(), nullptr, 10);
    record.renewed = st.st_mtime;
    record.inode = st.st_ino;
    return record.machine.Known() && record.pid > 0;
}

void RemoveClientRecord(const ClientRecord& record)
{
    struct stat st;
    if (lstat(record.path.c_str(), &st) == 0 && st.st_ino == record.inode)
        unlink(record.path.c_str());
}

ustring ClientRecordPath(const ustring& dir, const Machine& machine)
{
    return dir + "/" + kPrefix + MachineFileTag(machine).c_str();
}

std::vector<ClientRecord> ReadClientRecords(const ustring& dir)
{
    std::vector<ClientRecord> records;
    DIR* folder = opendir(dir.c_str());
    if (!folder)
        return records;
    while (dirent* entry = readdir(folder)) {
        ClientRecord record;
        if (IsRecordName(entry->d_name) && ReadClientRecord(dir + "/" + entry->d_name, record))
            records.push_back(record);
    }
    closedir(folder);
    return records;
}

bool OwnClientRuns(const ClientRecord& record, const char* client_name)
{
    return ProcessStartTicks(record.pid) == record.start_ticks &&
           RunsClient(record.pid, client_name);
}

bool OtherClientCounts(const ClientRecord& record)
{
    int fd = open(record.path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        close(fd);
        if (held)
            return true;
    }
    return time(nullptr) - record.renewed <= kLeaseStaleSeconds;
}

ClientRecordWriter::~ClientRecordWriter()
{
    Close();
}

int ClientRecordWriter::Open(const ustring& dir)
{
    Close();
    m_path = ClientRecordPath(dir, ThisMachine());
    m_temporary = m_path + kTemporarySuffix;
    m_published = false;
    ClearOwnTemporaryName(m_temporary);
    // Not close-on-exec: the start script and the client inherit it.
    m_fd = open(m_temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
    if (m_fd < 0 || flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] client-record(%d): cannot make the client record '%s': %s "
                       "(%d)\n",
                       __LINE__, m_temporary.c_str(), strerror(err), err);
        Close();
        return -1;
    }
    return 0;
}

int ClientRecordWriter::Publish(pid_t pid, unsigned long long start_ticks)
{
    if (m_fd < 0)
        return -1;
    std::string text = MachineRecordLines(ThisMachine()) + "pid=" + std::to_string(pid) +
                       "\nstart=" + std::to_string(start_ticks) + "\n";
    ssize_t written = pwrite(m_fd, text.data(), text.size(), 0);
    if (written != static_cast<ssize_t>(text.size()) ||
        rename(m_temporary.c_str(), m_path.c_str()) != 0) {
        int err = written < 0 || written == static_cast<ssize_t>(text.size()) ? errno : ENOSPC;
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] client-record(%d): cannot write the client record '%s': %s "
                       "(%d)\n",
                       __LINE__, m_path.c_str(), strerror(err), err);
        return -1;
    }
    m_published = true;
    return 0;
}

// Started in a session of its own and orphaned at once (a second fork), so
// that it outlives the launcher and no one needs to reap it.
int ClientRecordWriter::StartLease(const ustring& lease_program, pid_t pid,
                                   unsigned long long start_ticks)
{
    if (!m_published)
        return -1;
    std::string pid_text = std::to_string(pid), start_text = std::to_string(start_ticks);
    const char* argv[] = {lease_program.c_str(), m_path.c_str(), pid_text.c_str(),
                          start_text.c_str(), nullptr};
    int fd = m_fd;
    pid_t child = fork();
    if (child == 0) {
        setsid();
        if (fork() != 0)
            _exit(0);
        int null_fd = open("/dev/null", O_RDWR);
        if (null_fd >= 0) {
            dup2(null_fd, 0);
            dup2(null_fd, 1);
        }
        if (fd != kLeaseRecordFd && dup2(fd, kLeaseRecordFd) < 0)
            _exit(127);
        execv(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        int err = errno;
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] client-record(%d): cannot start '%s': %s (%d)\n", __LINE__,
                       lease_program.c_str(), strerror(err), err);
        return -1;
    }
    return 0;
}

void ClientRecordWriter::Close()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    if (!m_published && !m_temporary.empty())
        unlink(m_temporary.c_str());
    m_temporary = ustring();
}
