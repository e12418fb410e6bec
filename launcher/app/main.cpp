// Entry point of the launcher: prepares the process, refuses a second launcher
// of the same user and executable, then brings the per-user client up to date
// and starts it.
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <unistd.h>

#include "VeltLocale.h"
#include "file/file-op.h"
#include "halvora-service.h"
#include "high-dpi.h"
#include "launcher.h"
#include "log.h"
#include "session-bus.h"
#include "single-application.h"
#include "strtab.h"
#include "ustring/ustring.h"

namespace {

// Support tools match this line by its number; it must not follow the code.
const int kAlreadyLaunchedLine = 80;

// The executable itself, however it was started (through a symbolic link, a
// bare name found on PATH, a relative path): argv[0] only says how it was
// called. bin when the system does not tell.
QString ExecutablePath(const char* bin)
{
    char target[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", target, sizeof target - 1);
    if (n <= 0)
        return QString::fromUtf8(bin);
    target[n] = '\0';
    return QString::fromUtf8(target);
}

void initialize_resources(const char* bin)
{
    setlocale(LC_ALL, "");
    qInitResources_texts();
    // bin_path names the executable itself: the first ".." leaves the file,
    // the second its directory, giving <root>/lib/plugins.
    QString bin_path = ExecutablePath(bin);
    QString path = QDir::cleanPath(bin_path + "/../../lib/plugins");
    QStringList paths;
    paths << path;
    QCoreApplication::setLibraryPaths(paths);
    printf("lib path = '%s'\n", path.toStdString().c_str());
}

void initialize_logger()
{
    ustring log_level = Service::GetRootHalvoraInstallPath() + "/log/launcher.debug";
    ustring log_folder_path = Service::GetUserHalvoraInstallPath() + "/log";
    // By the home's own bytes, which need not be UTF-8.
    errno = 0;
    if (FSMKDirP(log_folder_path, nullptr, false, static_cast<mode_t>(-1)) != 0) {
        // A read-only or unwritable home: its lines go to standard error,
        // which the session's journal keeps, after a note that says why.
        Logger::NoteUnwritable(log_folder_path + "/launcher.log", errno);
        return;
    }
    Logger::Initialize(Logger::FILE_LOGGER, log_folder_path + "/launcher.log", log_level, 50);
}

// Without any display the toolkit would abort (and dump core) when the
// application object is made; a start from a console or over ssh is told
// why instead, before anything of the home is touched.
bool HasGraphicalSession()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    fprintf(stderr, "halvora-launcher: a graphical session is needed to start Halvora Backup, "
                    "but none of DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set\n");
    return false;
}

QString getCurrentLanguageFileName()
{
    QString strDefLan = VeltLocale::getDefaultLanguage();
    return ":/" + strDefLan + ".qm";
}

} // namespace

int main(int argc, char** argv)
{
    int ret = -1;
    if (!HasGraphicalSession())
        return 1;
    initialize_resources(argc > 0 && argv[0] ? argv[0] : "");
    EnableHighDpiScaling();
    SettleSessionBusAddress();
    SingleApplication app(argc, argv, true);
    initialize_logger();
    if (app.isRunning()) {
        Logger::LogMsg(Logger::L_DEBUG, "launcher_debug",
                       "[DEBUG] main(%d): app has already launched, return\n",
                       kAlreadyLaunchedLine);
        return 0;
    }

    QTranslator trans;
    QString strLan = ":/enu.qm";
    strLan = getCurrentLanguageFileName();
    trans.load(strLan, QString(), QString(), QString());
    if (!trans.isEmpty())
        QCoreApplication::installTranslator(&trans);

    StrTable::InitStrTable();

    // The job starts on the worker thread at once; what it reports to the
    // dialog waits in this thread's queue until the loop runs.
    Launcher* launcher = new Launcher;
    launcher->Run();
    launcher->Start();
    ret = QApplication::exec();
    delete launcher;
    return ret;
}
