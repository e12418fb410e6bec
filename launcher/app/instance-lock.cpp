#include "instance-lock.h"

#include <QCryptographicHash>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "halvora-service.h"

namespace {

// Why path may not hold the lock, or null when it may: only a real directory
// (not a link) of the user that nobody else may write or even enter is safe.
const char* RefusalReason(const QByteArray& path, uid_t uid)
{
    struct stat st;
    if (lstat(path.constData(), &st) != 0)
        return strerror(errno);
    if (S_ISLNK(st.st_mode))
        return "it is a symbolic link";
    if (!S_ISDIR(st.st_mode))
        return "it is not a directory";
    if (st.st_uid != uid)
        return "it belongs to another user";
    if ((st.st_mode & 077) != 0)
        return "group or others may enter it";
    return nullptr;
}

bool IsPrivateDirectory(const QByteArray& path, uid_t uid)
{
    return RefusalReason(path, uid) == nullptr;
}

QByteArray RuntimeDirectory(uid_t uid)
{
    QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateDirectory(runtime, uid))
        return runtime;
    return QByteArray();
}

// Makes dir with mode 0700 unless it exists. One that exists but belongs to
// someone else, is a link or lets others in, is passed over rather than trusted.
QByteArray PrivateDirectory(const QByteArray& dir, uid_t uid)
{
    const char* reason = mkdir(dir.constData(), 0700) != 0 && errno != EEXIST
                             ? strerror(errno)
                             : RefusalReason(dir, uid);
    if (reason) {
        fprintf(stderr, "halvora-launcher: passing over lock directory %s of uid %u: %s\n",
                dir.constData(), unsigned(uid), reason);
        return QByteArray();
    }
    return dir;
}

// Under /tmp first; should that name be taken, the user's own home, where
// nobody else can create anything.
QByteArray FallbackDirectory(uid_t uid)
{
    QByteArray dir = PrivateDirectory("/tmp/halvora-launcher-" + QByteArray::number(uid), uid);
    if (!dir.isEmpty())
        return dir;
    QByteArray home = Service::GetUserHalvoraInstallPath().c_str();
    mkdir(home.constData(), 0755);
    return PrivateDirectory(home + "/run", uid);
}

} // namespace

InstanceLock::~InstanceLock() = default;

QString InstanceLock::LockFilePath(const QString& executable_path, uid_t uid)
{
    QByteArray dir = RuntimeDirectory(uid);
    if (dir.isEmpty())
        dir = FallbackDirectory(uid);
    if (dir.isEmpty())
        return QString();
    QByteArray key = QCryptographicHash::hash(executable_path.toUtf8(), QCryptographicHash::Sha1);
    return QFile::decodeName(dir) + "/halvora-launcher-" + QString::fromLatin1(key.toHex()) +
           ".lock";
}

InstanceLock::State InstanceLock::Acquire(const QString& executable_path)
{
    if (m_lock.IsOpen())
        return Acquired;
    uid_t uid = geteuid();
    QString path = LockFilePath(executable_path, uid);
    if (path.isEmpty())
        return Unavailable;
    if (int err = m_lock.Open(QFile::encodeName(path).constData(), O_NOFOLLOW)) {
        fprintf(stderr, "halvora-launcher: open(%s): %s\n", qPrintable(path), strerror(err));
        return Unavailable;
    }
    int err = m_lock.TryLock();
    if (err == 0)
        return Acquired;
    m_lock.Close();
    if (err == EWOULDBLOCK)
        return HeldElsewhere;
    fprintf(stderr, "halvora-launcher: flock(%s): %s\n", qPrintable(path), strerror(err));
    return Unavailable;
}
