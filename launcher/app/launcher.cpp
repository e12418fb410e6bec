#include "launcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QWindow>
#include <cstdio>
#include <unistd.h>
#include <limits>

#include "adapter.h"
#include "centre-on-screen.h"
#include "halvora-service.h"
#include "linux/linux-service.h"
#include "log.h"
#include "no-client-notice.h"
#include "outcome-journal.h"
#include "strtab.h"
#include "x11-first-frame.h"

namespace {

const char* const kComponent = "launcher_debug";

// Support tools match these lines by their numbers.
enum FixedLine {
    kRunningLine = 86,
    kNoUpgradeLine = 91,
    kUpgradeFailedLine = 98,
    kDoneLine = 114,
};

const char* const kStyleSheet =
    " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ";

} // namespace

void HandlerThread::run()
{
    exec();
}

Worker::Worker()
{
    m_service = new LinuxService;
    m_handler_thread = new HandlerThread;
    moveToThread(m_handler_thread);
}

Worker::~Worker()
{
    delete m_handler_thread;
    delete m_service;
}

void Worker::StartThread()
{
    m_handler_thread->start(QThread::InheritPriority);
}

void Worker::QuitThread()
{
    m_handler_thread->quit();
}

void Worker::JoinThread()
{
    m_handler_thread->wait();
}

const RunOutcome& Worker::Outcome() const
{
    return m_service->Outcome();
}

void Worker::HandleServicce()
{
    Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] launcher(%d): running\n", kRunningLine);
    m_service->PreUpgrade();
    if (m_service->IsNeedUpgrade()) {
        Q_EMIT sigShowMsg();
        if (m_service->HandlePackageUpgrade() != 0) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] launcher(%d): Failed to upgrade package\n", kUpgradeFailedLine);
        } else {
            Q_EMIT sigUpdateProgress(100, 100);
            Q_EMIT sigSetLabelText(StrTable::LoadStr(StrTable::desc_hlvr_env_preparation_done));
        }
    } else {
        Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] launcher(%d): no need to upgrade\n",
                       kNoUpgradeLine);
    }
    m_service->RemoveAgedFolders();
    m_service->PostUpgrade();
    Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] launcher(%d): done\n", kDoneLine);
    Q_EMIT sigServiceDone();
}

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags())
{
    QFont font("Arial", -1, -1, false);
    QString icon_path = QString::fromUtf8(Service::GetRootHalvoraResourceInstallPath().c_str()) +
                        "/images/ico_72_halvora.png";
    setWindowTitle(StrTable::LoadStr(StrTable::app_name));
    setWindowIcon(QIcon(icon_path));
    // A title and a system menu only: on X11 the window manager hears of the
    // missing minimise, maximise and close buttons only when the window also
    // asks to choose its decorations itself. On Wayland the toolkit draws the
    // frame itself, and its only decoration always has all three buttons:
    // there the dialog goes without one.
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        flags |= Qt::FramelessWindowHint;
    setWindowFlags(flags);
    setValue(0);
    setRange(0, 100);
    setLabelText(StrTable::LoadStr(StrTable::desc_hlvr_env_preparing));
    setFont(font);
    setFixedWidth(400);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setStyleSheet(kStyleSheet);
    // The base class would show the dialog by itself some seconds after it
    // was built, or from setValue, wherever and however big it is then: it is
    // shown by ShowInPlace only.
    setMinimumDuration(std::numeric_limits<int>::max());
}

void ProcessingProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void ProcessingProgressDialog::reject()
{
}

void ProcessingProgressDialog::ShowInPlace()
{
    if (isVisible())
        return;
    // Everything that decides the window's size and place is settled before
    // the window is mapped, so that the window system shows it once, as it
    // stays: the style sheet applied, the height fixed at what the text needs
    // (as the width is, so that a compositor that offers every window the
    // whole output leaves it at its size), the native window made at that
    // size and placed with the frame its manager will add.
    ensurePolished();
    setFixedHeight(sizeHint().height());
    // Made where it will stand, not at the top-left corner: a manager that
    // lets go of a window puts it back where it was made.
    CentreOnScreen(this, QMargins());
    winId();
    CentreOnScreen(this, AnnouncedFrameExtents(this));
    FillBeforeFirstPaint(this);
    show();
}

Launcher::Launcher()
{
    m_worker = new Worker;
    // The dialog is the only window; hiding it must not end the event loop
    // while the worker still runs. LaunchDone ends it explicitly.
    QApplication::setQuitOnLastWindowClosed(false);

    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    connect(this, &Launcher::sigStart, m_worker, &Worker::HandleServicce);
    connect(m_worker, &Worker::sigShowMsg, this, &Launcher::ShowMsgBox);
    connect(m_worker, &Worker::sigServiceDone, this, &Launcher::LaunchDone);
    connect(m_worker, &Worker::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(m_worker, &Worker::sigSetLabelText, this, &Launcher::SetLabelText);
    connect(&adapter, &Notify_Adapter::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(&adapter, &Notify_Adapter::sigUpdateDialogText, this, &Launcher::SetLabelText);
}

Launcher::~Launcher()
{
    delete m_worker;
    delete m_progress;
}

ProcessingProgressDialog* Launcher::Dialog()
{
    if (!m_progress) {
        m_progress = new ProcessingProgressDialog;
        m_progress->setCancelButton(nullptr);
        m_progress->setAutoReset(false);
    }
    return m_progress;
}

void Launcher::Run()
{
    m_worker->StartThread();
}

void Launcher::Start()
{
    Q_EMIT sigStart();
}

void Launcher::ShowMsgBox()
{
    Dialog()->ShowInPlace();
}

void Launcher::UpdateProgress(int total, int steps)
{
    if (total <= 0)
        return;
    // Whole percent only; the product is taken in 64 bits so that no count of
    // entries can overflow it.
    Dialog()->setValue(static_cast<int>(static_cast<qint64>(steps) * 100 / total));
}

void Launcher::SetLabelText(const QString& label)
{
    Dialog()->setLabelText(label);
}

void Launcher::LaunchDone()
{
    if (m_progress) {
        m_progress->setValue(100);
        m_progress->hide();
    }
    m_worker->QuitThread();
    m_worker->JoinThread();
    // After the dialog is gone: the one thing the user sees of a login
    // that leaves them without a client. The entry follows, saying whether
    // the user was told.
    RunOutcome outcome = m_worker->Outcome();
    if (outcome.result == RunResult::NoClient)
        outcome.notified = ShowNoClientNotice(outcome);
    SendOutcomeToJournal(outcome);
    if (NoticeLeftWaiting()) {
        // The toolkit's bus thread waits on a bus that does not answer, and
        // the normal exit would wait for that thread without end.
        fflush(nullptr);
        _exit(0);
    }
    QCoreApplication::quit();
}
