#include "dialog-probe.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>

#include "launcher.h"

DialogProbe::DialogProbe()
{
    qApp->installEventFilter(this);
}

void DialogProbe::Attach(ProcessingProgressDialog* dialog)
{
    m_dialog = dialog;
    QProgressBar* bar = dialog->findChild<QProgressBar*>();
    if (bar)
        connect(bar, &QProgressBar::valueChanged, this, [this](int v) { values.append(v); });
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_dialog->isVisible())
            samples.append(Take());
    });
    m_timer.start(2);
}

DialogProbe::Snapshot DialogProbe::Take() const
{
    Snapshot s;
    s.visible = m_dialog->isVisible();
    s.value = m_dialog->value();
    s.label = m_dialog->labelText();
    s.title = m_dialog->windowTitle();
    s.width = m_dialog->width();
    return s;
}

bool DialogProbe::eventFilter(QObject* watched, QEvent* event)
{
    auto* dialog = qobject_cast<ProcessingProgressDialog*>(watched);
    if (dialog && !m_dialog && event->type() == QEvent::Show)
        Attach(dialog);
    if (!dialog || dialog != m_dialog)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Show) {
        shown.append(Take());
        if (shown.size() == 1 && m_on_first_show)
            QTimer::singleShot(0, this, m_on_first_show);
    } else if (event->type() == QEvent::Hide) {
        hidden.append(Take());
    }
    return QObject::eventFilter(watched, event);
}

ProcessingProgressDialog* FindLauncherDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ProcessingProgressDialog*>(w))
            return dialog;
    }
    return nullptr;
}
