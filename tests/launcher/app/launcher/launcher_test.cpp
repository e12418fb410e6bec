// The launcher controller in-process: a real installation of the staged
// sample package runs on the worker thread while the test watches the dialog
// on the main thread.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QMetaObject>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTranslator>
#include <archive.h>
#include <archive_entry.h>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

#include "dialog-probe.h"
#include "launcher.h"
#include "log.h"
#include "no-client-notice.h"
#include "strtab.h"
#include "test-support.h"
#include "texts-expectations.h"

using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

const char kNoUpgrade[] = "[DEBUG] launcher(91): no need to upgrade\n";
const char kDone[] = "[DEBUG] launcher(114): done\n";

std::string Root()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..").toStdString();
}

bool CopyFile(const std::string& from, const std::string& to)
{
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
    return in.good() && static_cast<bool>(out);
}

// Entries in the package, counted the way the extractor reports them.
int CountEntries(const std::string& package)
{
    std::unique_ptr<archive, int (*)(archive*)> reader(archive_read_new(), archive_read_free);
    archive_read_support_filter_all(reader.get());
    archive_read_support_format_all(reader.get());
    if (archive_read_open_filename(reader.get(), package.c_str(), 10240) != ARCHIVE_OK)
        return -1;
    int count = 0;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK)
        ++count;
    return count;
}

// The bar's values for an unpack of `total` entries in whole percent: each
// distinct step * 100 / total above the starting 0, in order.
QVector<int> ExpectedValues(int total)
{
    QVector<int> values;
    for (int step = 1; step <= total; ++step) {
        int percent = static_cast<int>(static_cast<long long>(step) * 100 / total);
        if (percent != 0 && (values.isEmpty() || values.last() != percent))
            values.append(percent);
    }
    return values;
}

bool IsZombieOrGone(pid_t pid)
{
    std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    size_t paren = stat.rfind(')');
    return stat.empty() || (paren != std::string::npos && stat.compare(paren + 2, 1, "Z") == 0);
}

class LauncherTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The system installation the service derives from this executable.
        std::string root = Root();
        std::string stage = HALVORA_STAGE_DIR;
        for (const char* dir : {"/package", "/images", "/log"})
            testsupport::MakeDirs(root + dir);
        for (const char* file : {"/INFO", "/package/halvora.hpk", "/images/ico_72_halvora.png",
                                 "/log/launcher.debug"})
            ASSERT_TRUE(CopyFile(stage + file, root + file)) << "cannot copy " << stage + file;
        StrTable::InitStrTable();
    }

    void SetUp() override
    {
        saved_home = getenv("HOME") ? getenv("HOME") : "";
        setenv("HOME", home.path().c_str(), 1);
        user = home.path() + "/.HalvoraBackup";
        log = user + "/log/launcher.log";
        ASSERT_TRUE(testsupport::MakeDirs(user + "/log"));
        Logger::Initialize(Logger::FILE_LOGGER, log, Root() + "/log/launcher.debug", 50);
    }

    // The stand-in client the start script started must not outlive the test.
    void TearDown() override
    {
        pid_t pid = static_cast<pid_t>(atol(ReadFile(user + "/ui.pid").c_str() + 4));
        if (pid > 0 && kill(pid, SIGTERM) == 0) {
            for (int i = 0; i < 300 && !IsZombieOrGone(pid); ++i)
                usleep(10 * 1000);
            if (!IsZombieOrGone(pid))
                kill(pid, SIGKILL);
        }
        setenv("HOME", saved_home.c_str(), 1);
    }

    // The launcher run of main: Run, Start, the event loop.
    int RunLauncher(Launcher& launcher)
    {
        launcher.Run();
        launcher.Start();
        return QApplication::exec();
    }

    TempDir home{"halvora-home"};
    std::string saved_home, user, log;
};

TEST_F(LauncherTest, InstallationShowsTheDialogUntilDone)
{
    Launcher launcher;
    EXPECT_EQ(FindLauncherDialog(), nullptr) << "a dialog before there is anything to show";
    DialogProbe probe;
    Qt::WindowFlags flags;
    bool modal = false;
    Qt::WindowModality modality = Qt::NonModal;
    probe.OnFirstShow([&] {
        flags = probe.dialog()->windowFlags();
        modal = probe.dialog()->isModal();
        modality = probe.dialog()->windowModality();
    });

    EXPECT_EQ(RunLauncher(launcher), 0);
    ProcessingProgressDialog* dialog = probe.dialog();
    ASSERT_NE(dialog, nullptr);

    const QString initializing = StrTable::LoadStr(StrTable::desc_hlvr_env_preparing);
    const QString ready = StrTable::LoadStr(StrTable::desc_hlvr_env_preparation_done);
    EXPECT_EQ(initializing, "Halvora Backup is initializing...");
    EXPECT_EQ(ready, "Halvora Backup is ready.");

    ASSERT_EQ(probe.shown.size(), 1);
    EXPECT_EQ(probe.shown[0].label, initializing);
    EXPECT_EQ(probe.shown[0].value, 0);
    EXPECT_EQ(probe.shown[0].width, 400);
    ASSERT_FALSE(probe.samples.isEmpty()) << "never sampled while visible";
    for (const DialogProbe::Snapshot& s : probe.samples) {
        EXPECT_EQ(s.title, StrTable::LoadStr(StrTable::app_name));
        EXPECT_EQ(s.title, "Halvora Backup");
        EXPECT_TRUE(s.label == initializing || s.label == ready) << s.label.toStdString();
        EXPECT_EQ(s.width, 400);
    }
    // The toolkit makes a parentless widget a window; nothing else is added:
    // no dialog type, no close, minimise or maximise button, and the window
    // chooses its decorations so that X11 window managers hear of that.
    EXPECT_EQ(flags, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint)
        << "flags 0x" << std::hex << static_cast<int>(flags);
    EXPECT_TRUE(modal);
    EXPECT_EQ(modality, Qt::WindowModal);

    // Whole percent, in order, one step for every distinct percentage of the
    // package's entries, ending at 100.
    int entries = CountEntries(Root() + "/package/halvora.hpk");
    ASSERT_GT(entries, 0);
    EXPECT_EQ(probe.values, ExpectedValues(entries));
    for (int i = 1; i < probe.samples.size(); ++i)
        EXPECT_LE(probe.samples[i - 1].value, probe.samples[i].value);

    ASSERT_EQ(probe.hidden.size(), 1);
    EXPECT_EQ(probe.hidden[0].value, 100);
    EXPECT_EQ(probe.hidden[0].label, ready);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->value(), 100);

    std::string text = ReadFile(log);
    EXPECT_NE(text.find(kDone), std::string::npos) << text;
    EXPECT_TRUE(testsupport::Exists(user + "/ui.pid")) << "the client was not started";
}

TEST_F(LauncherTest, DialogIsBuiltAsDesigned)
{
    Launcher launcher;
    ASSERT_TRUE(QMetaObject::invokeMethod(&launcher, "ShowMsgBox", Qt::DirectConnection));
    ProcessingProgressDialog* dialog = FindLauncherDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->minimum(), 0);
    EXPECT_EQ(dialog->maximum(), 100);
    EXPECT_EQ(dialog->minimumWidth(), 400);
    EXPECT_EQ(dialog->maximumWidth(), 400);
    EXPECT_EQ(dialog->styleSheet(),
              " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
    EXPECT_TRUE(dialog->findChildren<QPushButton*>().isEmpty()) << "a cancel button";
    EXPECT_FALSE(dialog->autoReset());
    EXPECT_EQ(dialog->font().family(), "Arial");
    QIcon icon = dialog->windowIcon();
    ASSERT_FALSE(icon.isNull()) << "icon not loaded from " << Root() << "/images";
    EXPECT_TRUE(icon.availableSizes().contains(QSize(72, 72)));
    EXPECT_EQ(dialog->parent(), nullptr);
}

// Size and place are settled before the window is shown: shown with one
// line and again with four, it must sit in the middle of its screen at the
// size it has.
TEST_F(LauncherTest, DialogIsCentredOnItsScreenAtTheSizeItIsShownWith)
{
    Launcher launcher;
    ASSERT_TRUE(QMetaObject::invokeMethod(&launcher, "ShowMsgBox", Qt::DirectConnection));
    ProcessingProgressDialog* dialog = FindLauncherDialog();
    ASSERT_NE(dialog, nullptr);
    const QPoint centre = dialog->screen()->availableGeometry().center();
    auto expect_centred = [&] {
        QPoint at = dialog->frameGeometry().center();
        EXPECT_LE((at - centre).manhattanLength(), 1) << "frame centre " << at.x() << "," << at.y()
                                                       << ", screen's " << centre.x() << ","
                                                       << centre.y();
    };
    const int one_line = dialog->height();
    expect_centred();

    dialog->hide();
    dialog->setLabelText("1\n2\n3\n4");
    ASSERT_TRUE(QMetaObject::invokeMethod(&launcher, "ShowMsgBox", Qt::DirectConnection));
    EXPECT_GT(dialog->height(), one_line);
    expect_centred();
}

TEST_F(LauncherTest, NothingToUpgradeNeverShowsTheDialog)
{
    {
        Launcher first;
        ASSERT_EQ(RunLauncher(first), 0);
    }
    size_t before = ReadFile(log).size();

    Launcher launcher;
    DialogProbe probe;
    EXPECT_EQ(RunLauncher(launcher), 0);

    EXPECT_EQ(FindLauncherDialog(), nullptr) << "a dialog was built without an upgrade";
    EXPECT_TRUE(probe.shown.isEmpty());
    EXPECT_TRUE(probe.samples.isEmpty());
    std::string text = ReadFile(log).substr(before);
    EXPECT_NE(text.find(kNoUpgrade), std::string::npos) << text;
    EXPECT_NE(text.find(kDone), std::string::npos) << text;
}

TEST_F(LauncherTest, WindowSystemCloseDoesNotEndTheRunEarly)
{
    Launcher launcher;
    DialogProbe probe;
    bool worker_was_busy = false;
    bool close_refused = false;
    bool close_event_ignored = false;
    bool visible_after = false;
    probe.OnFirstShow([&] {
        ProcessingProgressDialog* dialog = probe.dialog();
        worker_was_busy = ReadFile(log).find(kDone) == std::string::npos;
        close_refused = !dialog->close();
        QCloseEvent event;
        QApplication::sendEvent(dialog, &event);
        close_event_ignored = !event.isAccepted();
        QTest::keyClick(dialog, Qt::Key_Escape);
        visible_after = dialog->isVisible();
    });

    EXPECT_EQ(RunLauncher(launcher), 0);

    ASSERT_TRUE(worker_was_busy) << "the job ended before the close could be tried";
    EXPECT_TRUE(close_refused);
    EXPECT_TRUE(close_event_ignored);
    EXPECT_TRUE(visible_after);
    // The loop ended only once the job was done (the worker thread could
    // not have been deleted safely before).
    EXPECT_NE(ReadFile(log).find(kDone), std::string::npos);
    EXPECT_EQ(probe.hidden.size(), 1);
}

// UpdateProgress(total, steps) shows steps * 100 / total in whole percent;
// a total of zero or less is ignored.
struct Progress {
    int total;
    int steps;
    int shown;
};

class UpdateProgressTest : public ::testing::TestWithParam<Progress> {};

TEST_P(UpdateProgressTest, ShowsWholePercent)
{
    StrTable::InitStrTable();
    Launcher launcher;
    ASSERT_TRUE(QMetaObject::invokeMethod(&launcher, "UpdateProgress", Qt::DirectConnection,
                                          Q_ARG(int, 8), Q_ARG(int, 4)));
    ProcessingProgressDialog* dialog = FindLauncherDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->value(), 50);
    const Progress& p = GetParam();
    ASSERT_TRUE(QMetaObject::invokeMethod(&launcher, "UpdateProgress", Qt::DirectConnection,
                                          Q_ARG(int, p.total), Q_ARG(int, p.steps)));
    EXPECT_EQ(dialog->value(), p.shown) << p.steps << " of " << p.total;
}

INSTANTIATE_TEST_SUITE_P(Steps, UpdateProgressTest,
                         ::testing::Values(Progress{7, 3, 42}, Progress{3, 1, 33},
                                           Progress{3, 3, 100}, Progress{401, 400, 99},
                                           Progress{INT_MAX, INT_MAX / 2, 49},
                                           Progress{0, 5, 50},     // ignored
                                           Progress{-3, 1, 50}));  // ignored

// A home too small: the sizes are in 10^6 bytes, as "MB" says (47 and 12
// would be MiB), and in no language can a line break between a figure and
// its unit.
class NoRoomNoticeTest : public ::testing::TestWithParam<std::string> {};

TEST_P(NoRoomNoticeTest, SizesAreMegabytesJoinedToTheirUnit)
{
    qInitResources_texts();
    QTranslator translator;
    ASSERT_TRUE(translator.load(":/" + QString::fromStdString(GetParam()) + ".qm"));
    QCoreApplication::installTranslator(&translator);
    StrTable::InitStrTable();
    RunOutcome outcome;
    outcome.notice = NoticeReason::NoRoom;
    outcome.needed_bytes = 48523447; // rounded up
    outcome.free_bytes = 13000000;
    const QString body = ComposeNoClientNotice(outcome).body;
    QCoreApplication::removeTranslator(&translator);
    for (const char* figure : {"49", "13"}) {
        const int at = body.indexOf(QLatin1String(figure));
        ASSERT_GE(at, 0) << figure << " in " << body.toStdString();
        EXPECT_EQ(body.at(at + 2), QChar(0x00A0)) << body.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, NoRoomNoticeTest,
                         ::testing::ValuesIn(textsexpect::CodeParams(true)),
                         textsexpect::CodeParamName);

} // namespace
