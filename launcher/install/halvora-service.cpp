#include "halvora-service.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QString>

#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "digest-stream.h"
#include "file/open-beneath.h"
#include "installed-files-record.h"

#include "file/file-op.h"
#include "log.h"
#include "version-keys.h"

namespace {

const char* const kComponent = "service_debug";

ustring ToUstring(const QString& text)
{
    return ustring(text.toUtf8().constData());
}

// The copy's and the system's INFO go through the reader the packer uses.
void ReadVersionFile(const ustring& path, Service::VersionInfo& version)
{
    VersionKeys keys{version.major_version.c_str(), version.minor_version.c_str(),
                     version.build_version.c_str(), version.icon_overlay_version.c_str()};
    ReadVersionKeys(path.c_str(), keys);
    version.major_version = keys.major_version.c_str();
    version.minor_version = keys.minor_version.c_str();
    version.build_version = keys.build_version.c_str();
    version.icon_overlay_version = keys.icon_overlay_version.c_str();
}

// A regular file that someone may execute; the package's own start script
// and client are never links to elsewhere.
bool IsExecutableFile(const ustring& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0111) != 0;
}

} // namespace

const char* Service::MissingExecutable(const ustring& app)
{
    if (!IsExecutableFile(app + "/bin/halvora-backup-ui"))
        return "an executable bin/halvora-backup-ui";
    if (!IsExecutableFile(app + "/package/start-stop"))
        return "an executable package/start-stop";
    return nullptr;
}

int Service::CheckCopyHoldsClient()
{
    return CheckCopyHoldsClient(per_user_install_path);
}

int Service::CheckCopyHoldsClient(const ustring& app)
{
    VersionInfo system = target_version;
    if (system.build_version.empty())
        ReadVersionFile(GetRootHalvoraResourceInstallPath() + "/INFO", system);
    VersionInfo copy;
    ReadVersionFile(app + "/INFO", copy);
    const char* missing = MissingExecutable(app);
    if (copy.build_version.empty() || !(copy.build_version == system.build_version))
        missing = "an INFO of the system's build";
    if (!missing)
        return 0;
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] halvora-service(%d): the unpacked copy '%s' holds no client of build "
                   "'%s': it lacks %s\n",
                   __LINE__, app.c_str(), system.build_version.c_str(), missing);
    return -1;
}

namespace {

// The file at name under app is what the record's checksum names.
bool MatchesRecord(const ustring& app, const char* name, const InstalledFiles& record)
{
    auto it = record.files.find(name);
    if (it == record.files.end())
        return true;
    int dir = open(app.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    int fd = dir < 0 ? -1 : OpenBeneath(dir, name, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    PackageDigest digest;
    bool same = fd >= 0 && DigestOfFile(fd, digest) && digest == it->second.digest;
    if (fd >= 0)
        close(fd);
    if (dir >= 0)
        close(dir);
    return same;
}

} // namespace

const char* Service::RestoredCopyLacks() const
{
    ustring app = per_user_install_path;
    VersionInfo copy;
    ReadVersionFile(app + "/INFO", copy);
    if (copy.build_version.empty())
        return "an INFO with a build";
    const char* missing = MissingExecutable(app);
    if (missing)
        return missing;
    const std::pair<const char*, const char*> parts[] = {
        {"bin/halvora-backup-ui", "bin/halvora-backup-ui as it was installed"},
        {"package/start-stop", "package/start-stop as it was installed"},
    };
    for (const auto& part : parts) {
        if (!MatchesRecord(app, part.first, recorded_files))
            return part.second;
    }
    return nullptr;
}

void Service::LoadRecord()
{
    if (record_loaded)
        return;
    recorded_files = ReadInstalledFiles(InstalledFilesPath(per_user_install_path));
    record_loaded = true;
}

void Service::SetTimeout(int value)
{
    timeout = value;
}

// The home as the bytes the system gives: a name that is not UTF-8 must not
// be turned into another folder's name on its way through a QString.
ustring Service::GetUserInstallPath()
{
    std::string home;
    const char* variable = getenv("HOME");
    if (variable && *variable) {
        home = variable;
    } else {
        struct passwd entry;
        struct passwd* found = nullptr;
        std::vector<char> buffer(16384);
        if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
            found->pw_dir)
            home = found->pw_dir;
    }
    while (home.size() > 1 && home.back() == '/')
        home.pop_back();
    return ustring(home.empty() ? "/" : home);
}

ustring Service::GetRootHalvoraInstallPath()
{
    return ToUstring(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + ".."));
}

ustring Service::GetRootHalvoraResourceInstallPath()
{
    return GetRootHalvoraInstallPath() + "";
}

ustring Service::GetUserHalvoraInstallPath()
{
    return GetUserInstallPath() + "/" + ".HalvoraBackup";
}

ustring Service::GetUserHalvoraAppInstallPath()
{
    return GetUserHalvoraInstallPath() + "/" + "Halvora.app";
}

ustring Service::GetUserHalvoraDataInstallPath()
{
    return GetUserHalvoraInstallPath() + "/" + "data";
}

ustring Service::GetPackagePath()
{
    return GetRootHalvoraResourceInstallPath() + "/package/halvora.hpk";
}

void Service::LoadSourceVersion()
{
    ustring path = GetUserHalvoraAppInstallPath() + "/" + "INFO";
    if (!IsFileExist(path, false)) {
        Logger::LogMsg(Logger::L_INFO, kComponent,
                       "[INFO] halvora-service(%d): source does not exist\n", __LINE__);
        return;
    }
    ReadVersionFile(path, source_version);
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] halvora-service(%d): source_version = (%s, %s, %s, %s)\n", __LINE__,
                   source_version.major_version.c_str(), source_version.minor_version.c_str(),
                   source_version.build_version.c_str(),
                   source_version.icon_overlay_version.c_str());
}

void Service::LoadTargetVersion()
{
    // A missing system INFO yields no keys: the fields stay empty (build 0).
    ReadVersionFile(GetRootHalvoraResourceInstallPath() + "/" + "INFO", target_version);
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] halvora-service(%d): target_version = (%s, %s, %s, %s)\n", __LINE__,
                   target_version.major_version.c_str(), target_version.minor_version.c_str(),
                   target_version.build_version.c_str(),
                   target_version.icon_overlay_version.c_str());
}

void Service::Decide(RunResult result)
{
    outcome.result = result;
    if (result == RunResult::Installed || result == RunResult::Upgraded)
        outcome.reason.clear();
    else if (outcome.reason.empty())
        outcome.reason = Logger::FirstFailure();
    outcome.from_build = source_version.build_version.c_str();
    outcome.to_build = target_version.build_version.c_str();
}
