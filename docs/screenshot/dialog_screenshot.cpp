// Takes a picture of the whole screen with the launcher's progress dialog in
// the middle of a real installation, on a real display: X11 (run it under
// Xvfb), read back from the server, or Wayland (run it under weston with
// --debug), taken by weston-screenshooter. The dialog as the user sees it, in
// the language chosen from the system locale, where the window system put it.
//
// The executable must sit in <root>/bin of a copy of the staged installation
// (the dialog's icon and the package come from there), with HOME pointing at a
// fresh directory. usage: dialog-screenshot <output.png> [percent]
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QEvent>
#include <QProcess>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <atomic>
#include <functional>
#include <unistd.h>

#include "VeltLocale.h"
#include "adapter.h"
#include "halvora-service.h"
#include "high-dpi.h"
#include "launcher.h"
#include "log.h"
#include "strtab.h"

int qInitResources_texts();

namespace {

// The launcher builds its dialog when the installation starts; this hands
// the dialog over the first time it is shown.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(std::function<void(ProcessingProgressDialog*)> on_show)
        : m_on_show(std::move(on_show))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<ProcessingProgressDialog*>(watched);
        if (dialog && event->type() == QEvent::Show && m_on_show) {
            m_on_show(dialog);
            m_on_show = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(ProcessingProgressDialog*)> m_on_show;
};

// Lets the window system map, frame and place the dialog: its events are
// taken in until the window is exposed with its frame (none on Wayland,
// where the toolkit would draw it), and a few rounds more, as a manager may
// still be placing the frame when it reports its extents. The unpack waits
// meanwhile (see main), so the dialog stays as it is.
void Settle(QWidget* dialog, bool framed)
{
    for (int i = 0, settled = 0; i < 120 && settled < 10; ++i) {
        usleep(25 * 1000);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QWindow* window = dialog->windowHandle();
        if (window->isExposed() && (!framed || window->frameMargins().top() > 0))
            ++settled;
    }
    dialog->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// A Wayland client cannot read the screen: weston's own client takes the
// picture, into its working folder.
QPixmap ShootWayland()
{
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start("weston-screenshooter", QStringList());
    if (!dir.isValid() || !shooter.waitForFinished(10000) || shooter.exitCode() != 0)
        return QPixmap();
    QStringList shots = QDir(dir.path()).entryList({"*.png"}, QDir::Files);
    return shots.isEmpty() ? QPixmap() : QPixmap(dir.filePath(shots.first()));
}

// Paints the dialog now and takes the whole screen with it.
bool Grab(QWidget* dialog, const QString& path)
{
    const bool wayland = QGuiApplication::platformName().startsWith("wayland");
    Settle(dialog, !wayland);
    QScreen* screen = dialog->screen();
    QPixmap picture = wayland ? ShootWayland() : screen->grabWindow(0);
    if (picture.isNull() || !picture.save(path, "PNG")) {
        fprintf(stderr, "dialog-screenshot: cannot save %s\n", qPrintable(path));
        return false;
    }
    // What the client knows of its place; on Wayland only the compositor does.
    QRect frame = dialog->frameGeometry();
    QPoint centre = screen->availableGeometry().center();
    printf("dialog-screenshot: %s (%dx%d, value %d, label '%s'; frame %dx%d at %d,%d, centre %d,%d, "
           "screen's centre %d,%d)\n",
           qPrintable(path), picture.width(), picture.height(),
           static_cast<ProcessingProgressDialog*>(dialog)->value(),
           qPrintable(static_cast<ProcessingProgressDialog*>(dialog)->labelText()), frame.width(),
           frame.height(), frame.x(), frame.y(), frame.center().x(), frame.center().y(),
           centre.x(), centre.y());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s <output.png> [percent]\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const int percent = argc > 2 ? atoi(argv[2]) : 40;
    setlocale(LC_ALL, "");
    qInitResources_texts();
    EnableHighDpiScaling();
    QApplication app(argc, argv);

    QTranslator translator;
    if (translator.load(":/" + VeltLocale::getDefaultLanguage() + ".qm"))
        QCoreApplication::installTranslator(&translator);
    StrTable::InitStrTable();

    Launcher* launcher = new Launcher;
    bool taken = false;
    std::atomic<bool> grabbed{false};
    bool saved = false;
    ShowWatcher watcher([&](ProcessingProgressDialog* dialog) {
        QProgressBar* bar = dialog->findChild<QProgressBar*>();
        if (!bar)
            return;
        QObject::connect(bar, &QProgressBar::valueChanged, [&, dialog](int value) {
            if (!taken && value >= percent && dialog->isVisible()) {
                taken = true;
                saved = Grab(dialog, output);
                grabbed = true;
            }
        });
    });
    // The unpack is held at the percentage of the picture until it is taken:
    // a small package is unpacked before the window manager has framed the
    // dialog. Direct: this runs on the unpacking thread.
    std::atomic<bool> held{false};
    QObject::connect(&Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
                     [&](int total, int current) {
                         if (!held && total > 0 && current * 100 / total >= percent) {
                             held = true;
                             for (int i = 0; i < 400 && !grabbed; ++i)
                                 usleep(10 * 1000);
                         }
                     });
    launcher->Run();
    launcher->Start();
    int ret = QApplication::exec();
    delete launcher;
    if (!taken)
        fprintf(stderr, "dialog-screenshot: the dialog never reached %d%%\n", percent);
    return ret == 0 && saved ? 0 : 1;
}
