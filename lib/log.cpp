#include "log.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

#include "config.h"

namespace {

// Past this many bytes written through the logger the file is rotated.
const int64_t kRotateSize = 1048576;

const char kDefaultComponent[] = "default_component";

// Whether this log has told standard error that it cannot be written.
bool told_log_failure = false;
// Why the log file's stream was lost: a rotation or a reopen that failed.
int stream_error = 0;

// "Mon dd hh:mm:ss " in local time; empty when the time cannot be had.
std::string TimePrefix()
{
    char stamp[512] = "";
    time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local))
        strftime(stamp, sizeof stamp, "%b %d %H:%M:%S ", &local);
    return stamp;
}

// The formatted text, appended to out; false when the format fails.
bool AppendFormatted(std::string& out, const char* fmt, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    int len = vsnprintf(nullptr, 0, fmt, measure);
    va_end(measure);
    if (len < 0)
        return false;
    size_t at = out.size();
    out.resize(at + static_cast<size_t>(len) + 1);
    vsnprintf(&out[at], static_cast<size_t>(len) + 1, fmt, args);
    out.resize(at + static_cast<size_t>(len));
    return true;
}

// Straight to the file, not through a stream's buffer: a line the disk
// refused must not stay buffered and come out later inside another one.
// 0, or the errno of the write that failed.
int WriteAll(int fd, const std::string& text)
{
    for (size_t done = 0; done < text.size();) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        done += static_cast<size_t>(n);
    }
    return 0;
}

// A line the log cannot take (a full disk, a quota) goes to standard error,
// which the session's journal keeps, so that what went wrong is not lost
// with the log; a note says why, once.
void WriteToStandardError(const std::string& line, const ustring& path, int err)
{
    Logger::NoteUnwritable(path, err);
    fwrite(line.data(), 1, line.size(), stderr);
    fflush(stderr);
}

// "<path>_<number>"; false when the name does not fit, so that a cut-off name
// never makes a rename or removal hit an unrelated file.
bool NumberedName(char (&name)[1024], const ustring& path, int number)
{
    int len = snprintf(name, sizeof name, "%s_%d", path.c_str(), number);
    return len >= 0 && static_cast<size_t>(len) < sizeof name;
}

bool IsStandardStream(FILE* fp) { return fp == stdout || fp == stderr; }

// The size an opened log file starts the count with; capped at the limit, so
// that a file past it rotates after the next message, however large it is.
int32_t StartingSize(FILE* fp)
{
    struct stat st;
    if (fstat(fileno(fp), &st) != 0 || st.st_size < 0)
        return 0;
    return static_cast<int32_t>(st.st_size < kRotateSize ? st.st_size : kRotateSize);
}

const char* KindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "not a regular file";
}

void ReportNonRegular(const char* path, mode_t mode)
{
    fprintf(stderr, "halvora log: not logging to %s: it is %s\n", path, KindOf(mode));
}

bool IsRegularFile(int fd, const char* path)
{
    struct stat st;
    if (fstat(fd, &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode))
        ReportNonRegular(path, st.st_mode);
    return S_ISREG(st.st_mode);
}

// Appends to a regular file only: a FIFO without a reader would block the
// start for good, and a device, folder or socket is no log either. The stat
// keeps a device from being opened at all; the fstat catches a swap after it.
FILE* OpenLogFile(const char* path)
{
    struct stat st;
    if (stat(path, &st) == 0 && !S_ISREG(st.st_mode)) {
        ReportNonRegular(path, st.st_mode);
        errno = 0;
        return nullptr;
    }
    // Close-on-exec: the client started later must not hold our log open.
    int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return nullptr;
    FILE* fp = nullptr;
    bool regular = IsRegularFile(fd, path);
    int flags = fcntl(fd, F_GETFL);
    if (regular && flags >= 0 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0)
        fp = fdopen(fd, "a");
    int err = regular ? errno : 0; // what is no regular file has said so
    if (!fp)
        close(fd);
    errno = err;
    return fp;
}

} // namespace

std::map<ustring, int> Logger::log_level;
Logger::Type Logger::log_type = Logger::STDOUT_LOGGER;
// Before configuration every message goes to standard error.
FILE* Logger::log_fp = stderr;
int32_t* Logger::log_size = nullptr;
int Logger::rotate_cnt = 50;
ustring Logger::log_path;
pthread_mutex_t* Logger::log_lock = nullptr;
int Logger::log_flock = -1;
bool Logger::inter_process_safe = false;
uint64_t* Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
bool Logger::log_initialized = true;

int Logger::Initialize(Type type, const ustring& path, const ustring& level_path, int count)
{
    DestroySharedData();
    DestroyLock();
    InitializeLock();
    InitializeSharedData();
    if (!log_lock || !log_size || !log_rotated_count_shared)
        return -1;

    log_level[kDefaultComponent] = L_WARNING;
    if (!level_path.empty())
        LoadLevels(level_path);

    if (OpenDestination(type, path, count) != 0)
        return -1;
    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    log_initialized = true;
    return 0;
}

void Logger::LoadLevels(const ustring& level_path)
{
    Config levels;
    // A missing or malformed levels file leaves every component at its
    // current threshold.
    (void)levels.read(level_path);
    for (Config::const_iterator it = levels.begin(); it != levels.end(); ++it)
        log_level[it->first] = levels.get_int(it->first);
}

// Switches type and stream together, and only when the new destination is
// usable: a failed configuration keeps logging where it logged before.
int Logger::OpenDestination(Type type, const ustring& path, int count)
{
    if (type == SYSLOG_LOGGER || type == STDOUT_LOGGER || type == STDERR_LOGGER) {
        ReplaceStream(type == SYSLOG_LOGGER ? nullptr : type == STDOUT_LOGGER ? stdout : stderr);
        log_type = type;
        log_path.clear();
        *log_size = -1;
        return 0;
    }
    if (path.empty())
        return -1;
    errno = 0;
    FILE* fp = OpenLogFile(path.c_str_utf8());
    // A file that is there but no regular file has said so already.
    if (!fp && errno != 0)
        NoteUnwritable(path, errno);
    if (!fp)
        return -1;
    ReplaceStream(fp);
    log_type = type;
    told_log_failure = false;
    stream_error = 0;
    // Counted from what the file already holds, so that a log written by many
    // short runs still rotates.
    *log_size = StartingSize(fp);
    log_path = path;
    rotate_cnt = count;
    return 0;
}

// A file opened by an earlier configuration would otherwise stay open for
// good; the standard streams are never ours to close.
void Logger::ReplaceStream(FILE* fp)
{
    if (log_fp && log_fp != fp && !IsStandardStream(log_fp))
        fclose(log_fp);
    log_fp = fp;
}

void Logger::Destroy()
{
    log_initialized = false;
    if (log_type == FILE_LOGGER) {
        if (log_fp)
            fclose(log_fp);
        // Nothing reaches this stream: logging stays off until the next
        // Initialize, which picks its own.
        log_type = STDERR_LOGGER;
        log_fp = stdout;
        log_path.clear();
        rotate_cnt = 32;
    }
    DestroySharedData();
    DestroyLock();
}

void Logger::NoteUnwritable(const ustring& path, int err)
{
    if (!told_log_failure)
        fprintf(stderr, "halvora log: cannot write the log %s: %s; its lines go to standard "
                        "error\n",
                path.c_str(), err != 0 ? strerror(err) : "it could not be opened again");
    told_log_failure = true;
}

void Logger::LogMsg(Level level, const ustring& comp, const xchar* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    LogMsg2(level, comp, fmt, args);
    va_end(args);
}

void Logger::LogMsg2(Level level, const ustring& comp, const xchar* fmt, va_list args)
{
    if (level <= L_ERR)
        NoteFailure(fmt, args);
    if (!log_initialized)
        return;
    InitializeLock();
    InitializeSharedData();
    if (!log_lock || !log_size || !log_rotated_count_shared)
        return;

    Lock();
    if (log_rotated_count_private != *log_rotated_count_shared) {
        ReloadLogFile();
        log_rotated_count_private = *log_rotated_count_shared;
    }
    // The stream is looked at under the lock only: a rotation on another
    // thread leaves it null for a moment, and a message must not be lost then.
    // A log file whose stream was lost still has standard error.
    bool has_destination = log_type == SYSLOG_LOGGER || log_type == FILE_LOGGER || log_fp;
    if (has_destination && level <= Threshold(comp))
        CountWritten(WriteMessage(fmt, args));
    Unlock();
}

namespace {

// The reason a caller reports elsewhere: per thread, as each run's steps
// are on one thread.
thread_local bool failures_watched = false;
thread_local std::string first_failure;

} // namespace

void Logger::WatchFailures()
{
    failures_watched = true;
    first_failure.clear();
}

std::string Logger::FirstFailure()
{
    return first_failure;
}

void Logger::NoteFailure(const xchar* fmt, va_list args)
{
    if (!failures_watched || !first_failure.empty())
        return;
    va_list copy;
    va_copy(copy, args);
    std::string line;
    bool formatted = AppendFormatted(line, fmt, copy);
    va_end(copy);
    if (!formatted)
        return;
    size_t text = line.find("): ");
    line.erase(0, text == std::string::npos ? 0 : text + 3);
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
    first_failure = line;
}

// Components without an entry of their own get the default threshold.
int Logger::Threshold(const ustring& comp)
{
    std::map<ustring, int>::const_iterator it = log_level.find(comp);
    return it == log_level.end() ? static_cast<int>(L_WARNING) : it->second;
}

// Called with the lock held. Returns the bytes that count towards rotation,
// negative when nothing reached the log.
int Logger::WriteMessage(const xchar* fmt, va_list args)
{
    // The caller's list stays untouched, so it may pass it on again.
    va_list copy;
    va_copy(copy, args);
    if (log_type == SYSLOG_LOGGER) {
        vsyslog(LOG_ERR, fmt, copy);
        va_end(copy);
        return 0;
    }
    std::string line = TimePrefix();
    bool formatted = AppendFormatted(line, fmt, copy);
    va_end(copy);
    if (!formatted)
        return -1;
    if (log_type == FILE_LOGGER)
        return WriteToFile(line);
    FILE* stream = log_type == STDOUT_LOGGER || log_type == STDERR_LOGGER ? log_fp : stderr;
    if (!stream)
        return 0;
    fwrite(line.data(), 1, line.size(), stream);
    return fflush(stream) == 0 ? static_cast<int>(line.size()) : -1;
}

// Called with the lock held.
int Logger::WriteToFile(const std::string& line)
{
    int err = log_fp ? WriteAll(fileno(log_fp), line) : stream_error;
    if (log_fp && err == 0)
        return static_cast<int>(line.size());
    WriteToStandardError(line, log_path, err);
    return -1;
}

// Called with the lock held. The message that crosses the limit still lands
// in the old file; the rotation follows it.
void Logger::CountWritten(int bytes)
{
    if (log_type != FILE_LOGGER || *log_size < 0 || bytes < 0)
        return;
    int64_t total = static_cast<int64_t>(*log_size) + bytes;
    if (total > kRotateSize) {
        Rotate();
        *log_size = 0;
    } else {
        *log_size = static_cast<int32_t>(total);
    }
}

// Called with the lock held. Shifts <path>_0.. up by one, drops the oldest,
// and moves the current file to <path>_0. Returns -1 when the current file
// could not be moved or reopened; the stream is then lost.
int Logger::Rotate()
{
    char from[1024];
    char to[1024];
    // The widest number decides whether every name fits the buffers.
    if (log_path.empty() || !NumberedName(to, log_path, INT_MIN))
        return -1;
    // Any count below one keeps just number 0, replaced at every rotation;
    // taking such counts as 0 also keeps the numbers below from wrapping round
    // (INT_MIN - 2 would start a shift of two thousand million names).
    const int count = rotate_cnt < 0 ? 0 : rotate_cnt;
    for (int i = count - 2; i >= 0; --i) {
        NumberedName(from, log_path, i);
        NumberedName(to, log_path, i + 1);
        rename(from, to);
    }
    NumberedName(to, log_path, count - 1);
    remove(to);

    if (log_fp)
        fclose(log_fp);
    log_fp = nullptr;
    NumberedName(to, log_path, 0);
    if (rename(log_path.c_str(), to) != 0) {
        stream_error = errno;
        return -1;
    }
    errno = 0;
    log_fp = OpenLogFile(log_path.c_str());
    if (!log_fp) {
        stream_error = errno;
        return -1;
    }
    ++*log_rotated_count_shared;
    ++log_rotated_count_private;
    return 0;
}

// Called with the lock held, when another writer has rotated the file.
void Logger::ReloadLogFile()
{
    if (log_type == SYSLOG_LOGGER || log_type == STDOUT_LOGGER || log_type == STDERR_LOGGER)
        return;
    // Never configured with a file: the stream in use is not ours to reopen.
    if (log_path.empty())
        return;
    if (log_fp)
        fclose(log_fp);
    errno = 0;
    log_fp = OpenLogFile(log_path.c_str());
    stream_error = errno;
    // The other writer may have written to the new file already.
    if (log_fp)
        *log_size = StartingSize(log_fp);
}

void Logger::InitializeLock()
{
    InitializeFileLock();
    if (log_lock)
        return;
    pthread_mutex_t* lock = static_cast<pthread_mutex_t*>(malloc(sizeof(pthread_mutex_t)));
    if (!lock)
        return;
    if (pthread_mutex_init(lock, nullptr) != 0) {
        free(lock);
        return;
    }
    log_lock = lock;
}

void Logger::DestroyLock()
{
    DestroyFileLock();
    if (!log_lock)
        return;
    pthread_mutex_destroy(log_lock);
    free(log_lock);
    log_lock = nullptr;
}

void Logger::InitializeFileLock() {}

void Logger::DestroyFileLock() {}

void Logger::Lock() { pthread_mutex_lock(log_lock); }

void Logger::Unlock() { pthread_mutex_unlock(log_lock); }

void Logger::InitializeSharedData()
{
    if (log_size && log_rotated_count_shared)
        return;
    DestroySharedData();
    log_size = new (std::nothrow) int32_t;
    log_rotated_count_shared = new (std::nothrow) uint64_t;
    if (!log_size || !log_rotated_count_shared) {
        DestroySharedData();
        return;
    }
    // Until a log file is opened nothing may be counted, rotated or reloaded:
    // a failed configuration must leave the stream in use alone.
    *log_size = -1;
    *log_rotated_count_shared = log_rotated_count_private;
}

void Logger::DestroySharedData()
{
    delete log_size;
    log_size = nullptr;
    delete log_rotated_count_shared;
    log_rotated_count_shared = nullptr;
}

void LogMSG_c(int level, char* comp, const Logger::xchar* fmt, va_list args)
{
    Logger::LogMsg2(static_cast<Logger::Level>(level), ustring(comp ? comp : ""), fmt, args);
}
