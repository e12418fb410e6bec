#include "adapter.h"

Notify_Adapter& Notify_Adapter::GetInstance()
{
    // The launcher makes the first call on the main thread, before the worker
    // starts, so the instance (and thus queued delivery) belongs there.
    static Notify_Adapter instance;
    return instance;
}

void Notify_Adapter::UpdateProgress(int total, int step)
{
    Q_EMIT sigUpdateProgress(total, step);
}

void Notify_Adapter::UpdateDialogText(QString text)
{
    Q_EMIT sigUpdateDialogText(text);
}
