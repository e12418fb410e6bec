#ifndef HALVORA_SINGLE_APPLICATION_H
#define HALVORA_SINGLE_APPLICATION_H

#include <QApplication>

#include "instance-lock.h"

// The application object with a single-instance guard: two launchers of the
// same user from the same executable file are one application; another user,
// or another copy of the executable, is not.
class SingleApplication : public QApplication {
    Q_OBJECT
public:
    SingleApplication(int& argc, char** argv, bool GUIenabled);
    ~SingleApplication() override = default;

    // True when another process of this user already runs this executable.
    bool isRunning() const { return m_running; }

private:
    InstanceLock m_lock;
    bool m_running = false;
};

#endif
