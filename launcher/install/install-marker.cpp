#include "install-marker.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "file/file-op.h"
#include "file/own-file.h"
#include "log.h"

namespace {

const char* const kLogComponent = "service_debug";
const char kMarkerText[] = "installation under way\n";
const char kCompleteKey[] = "complete=";

const char kTemporarySuffix[] = ".new";
// A marker holds two short lines.
const size_t kMaxMarkerBytes = 4096;

// The temporary name is the launcher's alone: whatever stands there (a FIFO
// whose open would block, a link, a folder) is cleared, and the file is
// created anew, never opened as found.
int WriteAndSync(const ustring& path, const std::string& text, bool flush)
{
    int err = ClearOwnTemporaryName(path);
    int fd = err != 0 ? -1
                      : open(path.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                             0644);
    if (fd < 0) {
        err = err != 0 ? err : errno;
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] install-marker(%d): failed to create '%s': %s (%d)\n", __LINE__,
                       path.c_str(), strerror(err), err);
        return -1;
    }
    ssize_t len = static_cast<ssize_t>(text.size());
    ssize_t written = write(fd, text.data(), text.size());
    // A short write sets no errno; it can only mean the disk is full.
    err = written < 0 ? errno : ENOSPC;
    if (written == len)
        err = !flush || fsync(fd) == 0 ? 0 : errno;
    if (err != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] install-marker(%d): failed to write '%s': %s (%d)\n", __LINE__,
                       path.c_str(), strerror(err), err);
        close(fd);
        return -1;
    }
    close(fd);
    return 0;
}

} // namespace

int WriteFileDurably(const ustring& path, const std::string& text)
{
    if (WriteFileWhole(path, text, true) != 0)
        return -1;
    return FlushToDisk(FSParentPath(path), FlushScope::FolderEntries);
}

int WriteFileWhole(const ustring& path, const std::string& text, bool flush)
{
    return WriteFileAside(path, text, flush) == 0 ? TakeFileAside(path) : -1;
}

int WriteFileAside(const ustring& path, const std::string& text, bool flush)
{
    ustring temporary = path + kTemporarySuffix;
    if (WriteAndSync(temporary, text, flush) == 0)
        return 0;
    unlink(temporary.c_str());
    return -1;
}

int TakeFileAside(const ustring& path)
{
    ustring temporary = path + kTemporarySuffix;
    // A folder under the name would refuse the rename at every start.
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        ClearOwnTemporaryName(path);
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] install-marker(%d): failed to rename '%s' -> '%s': %s (%d)\n",
                       __LINE__, temporary.c_str(), path.c_str(), strerror(err), err);
        unlink(temporary.c_str());
        return -1;
    }
    return 0;
}

int FlushToDisk(const ustring& dir, FlushScope scope)
{
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int rc = -1;
    if (fd >= 0)
        rc = scope == FlushScope::FileSystem ? syncfs(fd) : fsync(fd);
    int err = errno;
    if (fd >= 0)
        close(fd);
    if (rc != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] install-marker(%d): failed to flush '%s' to disk: %s (%d)\n",
                       __LINE__, dir.c_str(), strerror(err), err);
        return -1;
    }
    return 0;
}

ustring InstallMarkerPath(const ustring& app_dir)
{
    return app_dir + ".installing";
}

bool IsInstallationUnderway(const ustring& app_dir)
{
    ustring marker = InstallMarkerPath(app_dir);
    struct stat st;
    if (lstat(marker.c_str(), &st) == 0)
        return true;
    int err = errno;
    if (err == ENOENT || err == ENOTDIR)
        return false;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] install-marker(%d): cannot tell whether '%s' exists: %s (%d)\n",
                   __LINE__, marker.c_str(), strerror(err), err);
    return true;
}

int MarkInstallationUnderway(const ustring& app_dir, const ustring& complete_copy)
{
    ustring parent = FSParentPath(app_dir);
    if (FSMKDir(parent, true) < 0)
        return -1;
    std::string text = std::string(kMarkerText) + kCompleteKey + complete_copy.c_str() + "\n" +
                       MachineRecordLines(ThisMachine()) + "pid=" + std::to_string(getpid()) +
                       "\n";
    return WriteFileDurably(InstallMarkerPath(app_dir), text);
}

bool ReadLastCompleteCopy(const ustring& app_dir, ustring& complete_copy)
{
    ustring marker = InstallMarkerPath(app_dir);
    std::string text;
    int err = ReadOwnFile(marker, kMaxMarkerBytes, text);
    if (err != 0) {
        Logger::LogMsg(Logger::L_NOTICE, kLogComponent,
                       "[NOTE] install-marker(%d): the marker '%s' is not read (%s)\n", __LINE__,
                       marker.c_str(), OwnFileErrorText(err));
        return false;
    }
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, sizeof(kCompleteKey) - 1, kCompleteKey) != 0)
            continue;
        std::string name = line.substr(sizeof(kCompleteKey) - 1);
        // Only a plain name beside the app directory may be trusted.
        if (name.find('/') != std::string::npos || IsDotOrDotDot(name.c_str()))
            return false;
        complete_copy = name.c_str();
        return true;
    }
    return false;
}

Machine MarkerMachine(const ustring& app_dir)
{
    std::string text;
    if (ReadOwnFile(InstallMarkerPath(app_dir), kMaxMarkerBytes, text) != 0)
        return Machine();
    return MachineOfRecord(text);
}

int ClearInstallationUnderway(const ustring& app_dir)
{
    ustring parent = FSParentPath(app_dir);
    // A rollback renames the old copy back beside the marker: that rename
    // must reach the disk before the marker's removal does.
    if (FlushToDisk(parent, FlushScope::FolderEntries) != 0)
        return -1;
    ustring marker = InstallMarkerPath(app_dir);
    // A temporary name a cut left behind goes with the marker; so does
    // whatever else stands under the marker's name.
    ClearOwnTemporaryName(marker + kTemporarySuffix);
    int err = ClearOwnTemporaryName(marker);
    if (err != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] install-marker(%d): failed to remove '%s': %s (%d)\n", __LINE__,
                       marker.c_str(), strerror(err), err);
        return -1;
    }
    return FlushToDisk(parent, FlushScope::FolderEntries);
}
