#include "single-application.h"

#include <QFileInfo>

SingleApplication::SingleApplication(int& argc, char** argv, bool GUIenabled)
    : QApplication(argc, argv)
{
    Q_UNUSED(GUIenabled);
    // applicationFilePath() comes from /proc/self/exe: absolute, links resolved.
    QString executable = QFileInfo(applicationFilePath()).canonicalFilePath();
    if (executable.isEmpty())
        executable = applicationFilePath();
    // A guard that cannot be set up must not keep the user from the client:
    // only a lock held by another live launcher counts as running.
    m_running = m_lock.Acquire(executable) == InstanceLock::HeldElsewhere;
}
