#ifndef HALVORA_PROGRESS_RECORDER_H
#define HALVORA_PROGRESS_RECORDER_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <string>

#include "adapter.h"

namespace testsupport {

// Records what Notify_Adapter sends, as "text:<text>" and
// "progress:<total>/<current>", and whether any of it ran on another thread
// than the recorder's own. Delivery follows the recorder's thread, so it is
// queued when the sender runs elsewhere.
class ProgressRecorder : public QObject {
public:
    QStringList events;
    bool wrong_thread = false;

    void Listen()
    {
        Notify_Adapter& adapter = Notify_Adapter::GetInstance();
        connect(&adapter, &Notify_Adapter::sigUpdateDialogText, this,
                [this](QString text) { Record("text:" + text); });
        connect(&adapter, &Notify_Adapter::sigUpdateProgress, this, [this](int total, int current) {
            Record(QString("progress:%1/%2").arg(total).arg(current));
        });
    }

    std::string Joined() const { return events.join(" | ").toStdString(); }

private:
    void Record(const QString& event)
    {
        wrong_thread = wrong_thread || QThread::currentThread() != thread();
        events << event;
    }
};

} // namespace testsupport

#endif
