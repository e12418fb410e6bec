#ifndef HALVORA_DIALOG_PROBE_H
#define HALVORA_DIALOG_PROBE_H

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>
#include <functional>

class ProcessingProgressDialog;

// Watches the launcher's dialog from the main thread while a job runs: every
// value its bar takes, its show and hide events with the state at that
// moment, and periodic samples of everything visible while it is shown. The
// launcher builds its dialog only when there is something to show, so the
// probe attaches to the first one the application shows.
class DialogProbe : public QObject {
    Q_OBJECT
public:
    struct Snapshot {
        bool visible = false;
        int value = 0;
        QString label;
        QString title;
        int width = 0;
    };

    DialogProbe();

    // The dialog attached to, null while none has been shown.
    ProcessingProgressDialog* dialog() const { return m_dialog; }

    // Runs once, on the main thread, right after the first show event.
    void OnFirstShow(std::function<void()> action) { m_on_first_show = std::move(action); }

    QVector<int> values;          // every change of the bar's value, in order
    QVector<Snapshot> shown;      // state at each show event
    QVector<Snapshot> hidden;     // state at each hide event
    QVector<Snapshot> samples;    // taken every few milliseconds while visible

    Snapshot Take() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Attach(ProcessingProgressDialog* dialog);

    ProcessingProgressDialog* m_dialog = nullptr;
    QTimer m_timer;
    std::function<void()> m_on_first_show;
};

// The launcher's dialog among the top-level widgets, or null.
ProcessingProgressDialog* FindLauncherDialog();

#endif
