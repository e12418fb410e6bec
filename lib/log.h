#ifndef HALVORA_LOG_H
#define HALVORA_LOG_H

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <pthread.h>
#include <string>

#include "ustring/ustring.h"

// Process-wide logger. Callers put the whole visible line into the format:
// "[LEVEL] source(%d): text\n" with the source line as first argument; the
// logger prefixes the local time only.
class Logger {
public:
    enum Type : int32_t {
        ANDROID_LOGGER = 0,
        SYSLOG_LOGGER = 1,
        STDOUT_LOGGER = 2,
        STDERR_LOGGER = 3,
        FILE_LOGGER = 4,
    };
    enum Level : int32_t {
        L_EMERG = 0,
        L_ALERT = 1,
        L_CRIT = 2,
        L_ERR = 3,
        L_WARNING = 4,
        L_NOTICE = 5,
        L_INFO = 6,
        L_DEBUG = 7,
    };
    typedef char xchar;

    static int Initialize(Type type, const ustring& log_path, const ustring& level_path,
                          int rotate_cnt);
    static void Destroy();
    static void LogMsg(Level level, const ustring& comp, const xchar* fmt, ...)
        __attribute__((format(printf, 3, 4)));
    static void LogMsg2(Level level, const ustring& comp, const xchar* fmt, va_list args)
        __attribute__((format(printf, 3, 0)));
    // Tells standard error, once, that the log at path cannot be written
    // (err, or 0 when it could not be opened again) and that its lines go
    // there instead: a full disk, a quota, a read-only or unwritable home.
    static void NoteUnwritable(const ustring& path, int err);
    // The first line at L_ERR or worse that the calling thread logs after
    // WatchFailures, whatever the levels let through: its text without the
    // level, the place and the line end. A caller that reports an outcome
    // elsewhere gives the same reason as the line that said why.
    static void WatchFailures();
    static std::string FirstFailure();

private:
    // Tests reach the private state through this class only.
    friend class LoggerTestAccess;

    static void LoadLevels(const ustring& level_path);
    static int OpenDestination(Type type, const ustring& path, int count);
    static void ReplaceStream(FILE* fp);
    static int Threshold(const ustring& comp);
    static int WriteMessage(const xchar* fmt, va_list args);
    static void NoteFailure(const xchar* fmt, va_list args);
    static int WriteToFile(const std::string& line);
    static void CountWritten(int bytes);
    static int Rotate();
    static void ReloadLogFile();
    static void InitializeLock();
    static void DestroyLock();
    static void InitializeFileLock();
    static void DestroyFileLock();
    static void Lock();
    static void Unlock();
    static void InitializeSharedData();
    static void DestroySharedData();

    static std::map<ustring, int> log_level;
    static Type log_type;
    static FILE* log_fp;
    static int32_t* log_size;
    static int rotate_cnt;
    static ustring log_path;
    static pthread_mutex_t* log_lock;
    static int log_flock;
    static bool inter_process_safe;
    static uint64_t* log_rotated_count_shared;
    static uint64_t log_rotated_count_private;
    static bool log_initialized;
};

void LogMSG_c(int level, char* comp, const Logger::xchar* fmt, va_list args);

#endif
