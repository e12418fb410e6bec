// What the administrator and the user learn of a run, as "nobody": the entry
// a real systemd-journald takes in a private mount namespace (tmpfs on
// /run/systemd and /run/log), and the notification a session dbus-daemon
// carries to a recording server.
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>

#include "launch-fixture.h"
#include "test-support.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::ReadFile;
using testsupport::SplitLines;

namespace e2e {
namespace {

std::string skip_reason;

struct Row {
    const char* name;
    // "upgrade" (the staged build first), "damaged", "small" (16 MB), "quiet"
    // (no journal, no bus), "nobus", "silent" (a bus that never answers),
    // "stalled" (journald stopped, its queue full), "noexec", "failing-start"
    // (installed, then its start script fails), "latin1" (a home not UTF-8)
    const char* setup;
    const char* lang;
    const char* entry; // "<outcome> <priority>"
    const char* reason;
    const char* notice; // how it starts
    bool Has(const char* what) const { return strstr(setup, what); }
};

class OutcomeTest : public LaunchFixture, public ::testing::WithParamInterface<Row> {
protected:
    // Before any thread exists, the only time a process may take a mount
    // namespace of its own; journald there never meets the host's journal.
    static void SetUpTestSuite() {
        if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            skip_reason = std::string("no mount namespace of our own: ") + strerror(errno);
        for (const char* dir : {"/run/systemd", "/run/log", "/var/log/journal"}) {
            if (skip_reason.empty() && fs::is_directory(dir) && mount("tmpfs", dir, "tmpfs", 0, ""))
                skip_reason = std::string("tmpfs on ") + dir + ": " + strerror(errno);
        }
    }

    void TearDown() override {
        for (pid_t pid : daemons)
            kill(pid, SIGCONT), kill(pid, SIGTERM), ChildReaper::Instance().WaitEnded(pid, 5s);
        if (silent >= 0)
            close(silent);
        umount2(home.c_str(), MNT_DETACH);
        LaunchFixture::TearDown();
    }

    void Start(const std::vector<std::string>& argv, const std::string& ready, uid_t user) {
        std::string out = scratch + "/daemon-" + std::to_string(daemons.size());
        daemons.push_back(ChildReaper::Instance().Spawn(argv, EnvironmentWith({bus}), out, user));
        for (int i = 0; i < 500 && !fs::exists(ready); ++i)
            std::this_thread::sleep_for(10ms);
        ASSERT_TRUE(fs::exists(ready)) << argv[0] << ": " << ReadFile(out);
    }

    // The launcher's entries, oldest first, once there are count of them.
    std::vector<QJsonObject> Entries(size_t count) {
        std::vector<QJsonObject> entries;
        for (int i = 0; i < 50 && entries.size() < count; ++i) {
            std::this_thread::sleep_for(100ms);
            ChildReaper& reaper = ChildReaper::Instance();
            reaper.WaitEnded(reaper.Spawn({"/usr/bin/journalctl", "-D", "/run/log/journal", "-o",
                                           "json", "SYSLOG_IDENTIFIER=halvora-launcher"},
                                          EnvironmentWith({}), scratch + "/entries"),
                             10s);
            entries.clear();
            for (const std::string& line : SplitLines(ReadFile(scratch + "/entries")))
                entries.push_back(QJsonDocument::fromJson(line.c_str()).object());
        }
        return entries;
    }

    static sockaddr_un Address(const std::string& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        return address;
    }

    // Accepts connections (the kernel's backlog does) and never says a word.
    void ListenSilently(const std::string& path) {
        silent = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address = Address(path);
        ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(listen(silent, 8) | chmod(path.c_str(), 0777), 0) << strerror(errno);
        bus += "unix:path=" + path;
    }

    // journald stopped with its queue full: a blocking send would wait for ever.
    void StallJournal() {
        kill(daemons[0], SIGSTOP);
        int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_un address = Address("/run/systemd/journal/socket");
        ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        for (int i = 0; i < 100000 && send(fd, "MESSAGE=queued\n", 15, 0) > 0; ++i) {
        }
        EXPECT_EQ(errno, EAGAIN);
        close(fd);
    }

    std::vector<pid_t> daemons;
    int silent = -1;
    std::string bus = "DBUS_SESSION_BUS_ADDRESS=";
};

TEST_P(OutcomeTest, TellsTheJournalAndTheUser) {
    if (!skip_reason.empty())
        GTEST_SKIP() << skip_reason;
    const Row& row = GetParam();
    Prepare("Halvora", row.Has("latin1") ? "h\xe9me" : "home");
    if (row.Has("small") || row.Has("noexec")) {
        bool small = row.Has("small");
        ASSERT_EQ(mount("tmpfs", home.c_str(), "tmpfs", small ? 0 : MS_NOEXEC, small ? "size=16m" : ""),
                  0)
            << strerror(errno);
    }
    ASSERT_NO_FATAL_FAILURE(RunAsNobody());
    for (const char* dir : {"/run/systemd/journal", "/run/log/journal"})
        fs::remove_all(dir);
    std::string notices = home + "/notices", socket = home + "/bus";
    if (!row.Has("quiet")) {
        ASSERT_NO_FATAL_FAILURE(
            Start({"/lib/systemd/systemd-journald"}, "/run/systemd/journal/socket", 0));
    }
    if (row.Has("silent")) {
        ASSERT_NO_FATAL_FAILURE(ListenSilently(home + "/silent"));
    }
    if (!row.Has("quiet") && !row.Has("nobus") && !row.Has("silent")) {
        bus += "unix:path=" + socket;
        ASSERT_NO_FATAL_FAILURE(Start(
            {"/usr/bin/dbus-daemon", "--session", "--nofork", "--address=unix:path=" + socket},
            socket, launcher_user));
        ASSERT_NO_FATAL_FAILURE(
            Start({HALVORA_NOTICE_RECORDER, notices}, notices + ".ready", launcher_user));
    }
    std::vector<std::string> env = {"LANG=" + std::string(row.lang),
                                    "LC_ALL=" + std::string(row.lang), "XDG_RUNTIME_DIR=", bus};
    std::string old_build = std::to_string(BuildOf(root + "/INFO"));
    if (row.Has("upgrade")) {
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
        UseNextPackage();
    }
    if (row.Has("failing-start")) {
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
        Stop(ClientPid());
        std::ofstream(app + "/package/start-stop", std::ios::trunc) << "#!/bin/sh\nexit 3\n";
    }
    if (row.Has("damaged"))
        std::ofstream(package, std::ios::trunc) << std::string(4096, 'Z');
    if (row.Has("stalled")) {
        ASSERT_NO_FATAL_FAILURE(StallJournal());
    }
    size_t before = LogLineCount();

    // Neither a silent bus nor a stalled journal may hold a run up: each ends
    // by itself, long before this test's kill.
    auto run = [&] {
        Outcome outcome = FinishLauncher(StartLauncher(env), 20s);
        ClientPid();
        ASSERT_EQ(outcome.exit_code, 0) << outcome.out << "\nlog:\n" << LogText();
    };
    ASSERT_NO_FATAL_FAILURE(run());
    // Up to date now, or refused again: a login that changes nothing.
    ASSERT_NO_FATAL_FAILURE(run());

    std::vector<std::string> log = LogMessages(before);
    bool told = strncmp(row.entry, "no-client", 9) == 0 || row.Has("quiet");
    EXPECT_EQ(CountContaining(log, "does not fit in"), row.Has("small") ? 2 : 0);
    EXPECT_EQ(CountContaining(log, "notification is not shown: no session bus"),
              told && (row.Has("quiet") || row.Has("nobus")) ? 2 : 0);
    EXPECT_EQ(CountContaining(log, "did not take the entry"),
              row.Has("stalled") || row.Has("quiet") ? 2 : 0);
    std::vector<std::string> shown = SplitLines(ReadFile(notices));
    std::string expected = row.notice;
    EXPECT_EQ(shown.size(), expected.empty() ? 0u : 2u) << "one per run";
    for (const std::string& line : shown) {
        EXPECT_EQ(line.substr(0, expected.size()) + line.substr(line.rfind('\t')),
                  expected + "\t2");
        size_t last = line.rfind('\t'), before_last = line.rfind('\t', last - 1);
        std::string image = line.substr(before_last + 1, last - before_last - 1);
        EXPECT_TRUE(image[0] == '/' && fs::is_regular_file(image)) << "image-path: " << line;
    }
    if (row.Has("latin1")) {
        EXPECT_TRUE(fs::is_regular_file(app + "/bin/halvora-backup-ui"));
        for (const auto& entry : fs::directory_iterator(scratch))
            EXPECT_EQ(entry.path().string().find("\xef\xbf\xbd"), std::string::npos);
    }
    bool no_start = row.Has("failing-start") || row.Has("noexec");
    size_t count = row.Has("quiet") || row.Has("stalled")
                       ? 0
                       : (row.Has("upgrade") || row.Has("failing-start")) + 1u + !!row.reason;
    std::vector<QJsonObject> entries = Entries(count);
    ASSERT_EQ(entries.size(), count) << LogText();
    if (row.Has("quiet") || row.Has("stalled"))
        return;
    for (const QJsonObject& entry : entries)
        EXPECT_EQ(entry["HALVORA_USER"].toString().toStdString(), "nobody");
    // Installed, then not started: the entry says both.
    if (row.Has("noexec")) {
        EXPECT_GT(entries.front()["HALVORA_WRITTEN_BYTES"].toString().toLongLong(), 0);
    }
    auto field = [&](const char* name) { return entries.back()[name].toString().toStdString(); };
    EXPECT_EQ(field("HALVORA_OUTCOME") + " " + field("PRIORITY"), row.entry);
    EXPECT_EQ(field("_UID") + " " + field("HALVORA_TO_BUILD"),
              "65534 " + std::to_string(BuildOf(root + "/INFO")));
    std::string now_build = std::to_string(BuildOf(root + "/INFO"));
    EXPECT_EQ(field("HALVORA_FROM_BUILD"), row.Has("upgrade") ? old_build
                                           : no_start         ? now_build
                                                              : "");
    EXPECT_EQ(field("HALVORA_NOTIFIED"), !told                 ? "not-needed"
                                         : row.Has("silent") ? "no-answer"
                                         : row.Has("nobus")  ? "no-bus"
                                                             : "shown");
    EXPECT_EQ(entries.back().contains("HALVORA_DOWNTIME_MSEC"), !row.reason);
    EXPECT_TRUE(row.reason ? field("HALVORA_REASON").find(row.reason) != std::string::npos
                           : !entries.back().contains("HALVORA_REASON"))
        << field("HALVORA_REASON");
    EXPECT_EQ(field("HALVORA_LINKED").size() > 2, row.Has("upgrade") && !row.reason);
}

const char kNoRoomInGerman[] = "Halvora Backup\thalvora-backup\tHalvora Backup konnte nicht "
                               "installiert oder gestartet werden\tIn Ihrem Home-Ordner ist nicht "
                               "genug Platz: ";

INSTANTIATE_TEST_SUITE_P(
    Runs, OutcomeTest,
    ::testing::Values(Row{"FirstInstallation", "", "C", "installed 6", nullptr, ""},
                      Row{"Upgrade", "upgrade", "C", "upgraded 6", nullptr, ""},
                      Row{"RefusedUpgrade", "upgrade damaged", "C", "refused 4",
                          "does not match its INFO", ""},
                      Row{"FirstInstallationThatDoesNotFit", "small", "de_DE.UTF-8", "no-client 3",
                          "does not fit in", kNoRoomInGerman},
                      Row{"NoJournalNoBus", "small quiet", "C", "", nullptr, ""},
                      Row{"StartScriptFails", "failing-start", "C", "no-client 3",
                          "ended with status 3", "Halvora Backup\thalvora-backup\t"},
                      Row{"NoexecHomeWithoutBus", "noexec nobus", "C", "no-client 3",
                          "mounted noexec", ""},
                      Row{"HomeNameNotUtf8", "latin1 nobus", "C", "installed 6", nullptr, ""},
                      Row{"BusThatNeverAnswers", "small silent", "C", "no-client 3",
                          "does not fit in", ""},
                      Row{"StalledJournal", "small stalled", "C", "", nullptr,
                          "Halvora Backup\thalvora-backup\t"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
