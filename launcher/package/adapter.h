#ifndef HALVORA_ADAPTER_H
#define HALVORA_ADAPTER_H

#include <QObject>
#include <QString>

// Process-wide relay from code that knows nothing of widgets (the package
// extractor) to the progress dialog. Plain calls become signals; because the
// instance lives on the main thread, receivers there get them queued, in call
// order, with copied arguments. Nothing is filtered or stored.
class Notify_Adapter : public QObject {
    Q_OBJECT

public:
    static Notify_Adapter& GetInstance();

    void UpdateProgress(int total, int step);
    void UpdateDialogText(QString text);

Q_SIGNALS:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString text);

private:
    Notify_Adapter() = default;
    Notify_Adapter(const Notify_Adapter&) = delete;
    Notify_Adapter& operator=(const Notify_Adapter&) = delete;
};

#endif
