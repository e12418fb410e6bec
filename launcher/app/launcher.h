#ifndef HALVORA_LAUNCHER_H
#define HALVORA_LAUNCHER_H

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>

#include "run-outcome.h"

class Service;

// The worker's thread: nothing but its own event loop.
class HandlerThread : public QThread {
    Q_OBJECT
protected:
    void run() override;
};

// Runs the installation service on its own thread; reports by signals only.
class Worker : public QObject {
    Q_OBJECT
public:
    Worker();
    ~Worker() override;

    void StartThread();
    void QuitThread();
    void JoinThread();
    // What the job did; read once the thread is joined.
    const RunOutcome& Outcome() const;

Q_SIGNALS:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int current);
    void sigSetLabelText(const QString& label);

private Q_SLOTS:
    void HandleServicce();

private:
    // The launcher connects its start signal to the private job slot.
    friend class Launcher;

    HandlerThread* m_handler_thread = nullptr;
    Service* m_service = nullptr;
};

// The launcher's only window: progress of an installation or upgrade.
class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT
public:
    ProcessingProgressDialog();
    ~ProcessingProgressDialog() override = default;

    // Shows it at the size its text needs, centred with its frame on its
    // screen, drawn from the moment it appears.
    void ShowInPlace();

protected:
    // The job cannot be cancelled: neither the window system's close nor the
    // Escape key may take the dialog away while the worker runs.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

// Owns the worker and the dialog and carries the worker's reports to it.
class Launcher : public QObject {
    Q_OBJECT
public:
    Launcher();
    ~Launcher() override;

    void Run();
    void Start();

Q_SIGNALS:
    void sigStart();

private Q_SLOTS:
    void LaunchDone();
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString& label);
    void ShowMsgBox();

private:
    // Built on first use: a launch with nothing to install never needs it,
    // and building a widget costs that launch a good part of its start time.
    ProcessingProgressDialog* Dialog();

    Worker* m_worker = nullptr;
    ProcessingProgressDialog* m_progress = nullptr;
};

#endif
