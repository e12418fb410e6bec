#include "instance-lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A directory is safe for the lock when it is a real directory (not a link)
// that belongs to the user and that nobody else may write or even enter.
bool IsPrivateDirectory(const QByteArray& path, uid_t uid)
{
    struct stat st;
    if (lstat(path.constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & 077) == 0;
}

QByteArray RuntimeDirectory(uid_t uid)
{
    QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateDirectory(runtime, uid))
        return runtime;
    return QByteArray();
}

// Makes dir with mode 0700 unless it exists. One that exists but belongs to
// someone else, or lets others in, is refused rather than trusted.
QByteArray PrivateDirectory(const QByteArray& dir, uid_t uid)
{
    if (mkdir(dir.constData(), 0700) != 0 && errno != EEXIST)
        return QByteArray();
    if (!IsPrivateDirectory(dir, uid)) {
        fprintf(stderr, "halvora-launcher: refusing lock directory %s: not a private "
                        "directory of uid %u\n", dir.constData(), unsigned(uid));
        return QByteArray();
    }
    return dir;
}

// Under /tmp first; should another user have taken that name, the user's own
// home, where nobody else can create anything.
QByteArray FallbackDirectory(uid_t uid)
{
    QByteArray dir = PrivateDirectory("/tmp/halvora-launcher-" + QByteArray::number(uid), uid);
    if (!dir.isEmpty())
        return dir;
    QByteArray home = QFile::encodeName(QDir::homePath()) + "/.HalvoraBackup";
    mkdir(home.constData(), 0755);
    return PrivateDirectory(home + "/run", uid);
}

} // namespace

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

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
    if (m_fd >= 0)
        return Acquired;
    uid_t uid = geteuid();
    QString path = LockFilePath(executable_path, uid);
    if (path.isEmpty())
        return Unavailable;
    // Close-on-exec: the client started later must not inherit the lock, or
    // it would block every later launch while it runs.
    int fd = open(QFile::encodeName(path).constData(),
                  O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        fprintf(stderr, "halvora-launcher: open(%s): %s\n", qPrintable(path), strerror(errno));
        return Unavailable;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int err = errno;
        close(fd);
        if (err == EWOULDBLOCK)
            return HeldElsewhere;
        fprintf(stderr, "halvora-launcher: flock(%s): %s\n", qPrintable(path), strerror(err));
        return Unavailable;
    }
    m_fd = fd;
    return Acquired;
}
