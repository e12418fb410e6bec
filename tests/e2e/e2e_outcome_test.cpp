// What the administrator and the user learn of a run, as "nobody": the entry
// a real systemd-journald takes in a private mount namespace (tmpfs on
// /run/systemd and /run/log), and the notification a session dbus-daemon
// carries to a recording server.
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <utility>

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

// A private journald's world: what both tables below run in.
class JournalFixture : public LaunchFixture {
protected:
    // Before any thread exists, the only time a process may take a mount
    // namespace of its own; journald there never meets the host's journal.
    // Once per process: the second suite finds the namespace in place.
    static void SetUpTestSuite() {
        static bool done = false;
        if (std::exchange(done, true))
            return;
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

    // A journald of our own, its earlier files gone.
    void StartJournald() {
        for (const char* dir : {"/run/systemd/journal", "/run/log/journal"})
            fs::remove_all(dir);
        ASSERT_NO_FATAL_FAILURE(
            Start({"/lib/systemd/systemd-journald"}, "/run/systemd/journal/socket", 0));
    }

    std::vector<pid_t> daemons;
    int silent = -1;
    std::string bus = "DBUS_SESSION_BUS_ADDRESS=";
};

class OutcomeTest : public JournalFixture, public ::testing::WithParamInterface<Row> {};

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
    std::string notices = home + "/notices", socket = home + "/bus";
    if (!row.Has("quiet")) {
        ASSERT_NO_FATAL_FAILURE(StartJournald());
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

// halvora-report over real journal files: what it counts, whom it names and
// what it leaves out. Times print in UTC; "<time>" stands for one the run sets.
struct ReportRow {
    const char* name;
    const char* source; // "local": the launcher as two users, logger as a third; "remote"
    std::vector<std::string> lines; // the whole output, runs of blanks as one
};

class ReportTest : public JournalFixture, public ::testing::WithParamInterface<ReportRow> {
protected:
    // Entries of three desktops, as their journald wrote them and
    // systemd-journal-remote stores them on a collecting server.
    void WriteCollectedJournal(const std::string& dir) {
        const char* a = "_HOSTNAME=desk-a\n_MACHINE_ID=a0000000000000000000000000000001\n";
        const char* b = "_HOSTNAME=desk-b\n_MACHINE_ID=b0000000000000000000000000000002\n";
        const char* c = "_HOSTNAME=desk-c\n_MACHINE_ID=c0000000000000000000000000000003\n";
        std::string launcher = "_EXE=" HALVORA_INSTALLED_LAUNCHER "\n", seq;
        std::string export_text;
        auto add = [&](const char* host, const char* when, const std::string& fields) {
            export_text += std::string("__REALTIME_TIMESTAMP=") + when + "000000\n" +
                           "__MONOTONIC_TIMESTAMP=" + (seq += "1") + "\n" +
                           "_BOOT_ID=0123456789abcdef0123456789abcdef\n" + host +
                           "SYSLOG_IDENTIFIER=halvora-launcher\nMESSAGE=m\n" + fields + "\n";
        };
        // desk-c's refusal of 2026-12-03 is older than the window (from 2026-12-06
        // 12:00), its no-client of 2026-12-07 08:00:04 within it.
        add(c, "1796284800",
            launcher + "_UID=1001\nHALVORA_OUTCOME=refused\nHALVORA_TO_BUILD=101\n"
                       "HALVORA_FROM_BUILD=100\nHALVORA_REASON=old\n");
        add(a, "1796600000",
            launcher + "_UID=1001\nHALVORA_USER=alice\nHALVORA_OUTCOME=installed\n"
                       "HALVORA_TO_BUILD=101\nHALVORA_WRITTEN_BYTES=9\n");
        add(a, "1796630400",
            launcher + "_UID=1001\nHALVORA_OUTCOME=upgraded\n"
                       "HALVORA_TO_BUILD=102\nHALVORA_FROM_BUILD=101\n");
        add(a, "1796630401",
            launcher + "_UID=1002\nHALVORA_OUTCOME=refused\nHALVORA_TO_BUILD=102\n"
                       "HALVORA_FROM_BUILD=101\nHALVORA_REASON=no room\n"
                       "HALVORA_NOTIFIED=not-needed\n");
        add(b, "1796630402",
            launcher + "_UID=1001\nHALVORA_USER=bob\nHALVORA_OUTCOME=upgraded\n"
                       "HALVORA_TO_BUILD=102\nHALVORA_FROM_BUILD=101\n");
        add(b, "1796630403",
            "_EXE=/usr/bin/logger\n_UID=1003\nHALVORA_OUTCOME=upgraded\n"
            "HALVORA_TO_BUILD=900\n");
        add(c, "1796630404",
            launcher + "_UID=1001\nHALVORA_USER=carol\nHALVORA_OUTCOME=no-client\n"
                       "HALVORA_TO_BUILD=102\nHALVORA_REASON=does not fit\n"
                       "HALVORA_NOTIFIED=no-bus\n");
        std::ofstream(scratch + "/fleet.export") << export_text;
        fs::create_directories(dir);
        ASSERT_EQ(RunToEnd({"/lib/systemd/systemd-journal-remote", "-o", dir + "/remote.journal",
                            scratch + "/fleet.export"},
                           30s),
                  0);
    }

    // Two real users of this machine (the second has no name) and a third
    // who forges an upgrade with logger.
    void WriteLocalJournal() {
        ASSERT_NO_FATAL_FAILURE(RunAsNobody());
        ASSERT_NO_FATAL_FAILURE(StartJournald());
        std::vector<std::string> env = {"XDG_RUNTIME_DIR=", bus};
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
        UseNextPackage();
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
        UseHome(scratch + "/home-4242");
        fs::create_directories(home);
        ASSERT_EQ(chown(home.c_str(), 4242, 4242), 0) << strerror(errno);
        launcher_user = 4242;
        std::ofstream(package, std::ios::trunc) << std::string(4096, 'Z');
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
        std::ofstream(scratch + "/forged") << "SYSLOG_IDENTIFIER=halvora-launcher\n"
                                              "HALVORA_OUTCOME=upgraded\nHALVORA_TO_BUILD=900\n";
        ChildReaper& reaper = ChildReaper::Instance();
        ASSERT_TRUE(
            reaper.WaitEnded(reaper.Spawn({"/usr/bin/logger", "--journald=" + scratch + "/forged"},
                                          EnvironmentWith({}), "", 4343),
                             10s));
        ASSERT_EQ(Entries(4).size(), 4u) << LogText();
    }

    std::vector<std::string> Report(const std::vector<std::string>& args) {
        std::vector<std::string> argv = {HALVORA_REPORT};
        argv.insert(argv.end(), args.begin(), args.end());
        ChildReaper& reaper = ChildReaper::Instance();
        EXPECT_TRUE(reaper.WaitEnded(
            reaper.Spawn(argv, EnvironmentWith({"TZ=UTC"}), scratch + "/report"), 30s));
        std::vector<std::string> lines;
        std::regex time("[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} UTC"), blanks(" +");
        for (const std::string& line : SplitLines(ReadFile(scratch + "/report"))) {
            std::string plain = std::regex_replace(line, blanks, " ");
            lines.push_back(args[0] == "-D" ? plain : std::regex_replace(plain, time, "<time>"));
        }
        return lines;
    }
};

TEST_P(ReportTest, CountsOnlyTheLaunchersEntries) {
    const ReportRow& row = GetParam();
    Prepare();
    std::vector<std::string> expected = row.lines, lines;
    if (std::string(row.source) == "remote") {
        ASSERT_NO_FATAL_FAILURE(WriteCollectedJournal(scratch + "/remote"));
        lines = Report({"-D", scratch + "/remote", "--since", "2026-12-06 12:00"});
    } else {
        if (!skip_reason.empty())
            GTEST_SKIP() << skip_reason;
        ASSERT_NO_FATAL_FAILURE(WriteLocalJournal());
        char host[256] = "";
        gethostname(host, sizeof host - 1);
        std::string next = std::to_string(BuildOf(std::string(HALVORA_STAGE_NEXT_DIR) + "/INFO"));
        for (std::string& line : expected) {
            line = std::regex_replace(line, std::regex("THIS-HOST"), host);
            line = std::regex_replace(line, std::regex("NEXT"), next);
        }
        lines = Report({"--launcher", root + "/bin/halvora-launcher"});
        for (std::string& line : lines) {
            line = std::regex_replace(line, std::regex(root), "ROOT");
            // journald names the executable only while the sender still runs:
            // logger has often ended by then.
            line = std::regex_replace(line, std::regex("_EXE=/usr/bin/logger"), "_EXE=(none)");
            // The reason is the launcher's log line; that it is there is enough.
            size_t reason = line.find("no-client: ");
            if (reason != std::string::npos &&
                line.find("does not match its INFO", reason) != std::string::npos)
                line.erase(reason + 10);
        }
    }
    EXPECT_EQ(lines, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Journals, ReportTest,
    ::testing::Values(
        ReportRow{
            "CollectedFromThreeHosts",
            "remote",
            {"HOST USER UID BUILD LAST OUTCOME WHEN",
             "desk-a 1002 1002 101 refused 2026-12-07 08:00:01 UTC",
             "desk-a alice 1001 102 upgraded 2026-12-07 08:00:00 UTC",
             "desk-b bob 1001 102 upgraded 2026-12-07 08:00:02 UTC",
             "desk-c carol 1001 - no-client 2026-12-07 08:00:04 UTC", "",
             "Users at each build:", " 102 2 users", " 101 1 user", " - 1 user (no complete copy)",
             "", "Not successes since 2026-12-06 12:00:00 UTC:",
             " 2026-12-07 08:00:01 UTC desk-a uid 1002 refused: no room (notified: not-needed)",
             " 2026-12-07 08:00:04 UTC desk-c carol (uid 1001) no-client: does not fit "
             "(notified: no-bus)",
             "",
             "Ignored: entries that name the launcher but were not sent "
             "by " HALVORA_INSTALLED_LAUNCHER ":",
             " desk-b _UID=1003 _EXE=/usr/bin/logger (1 entry)"}},
        ReportRow{"LocalJournalWithAForgery",
                  "local",
                  {"HOST USER UID BUILD LAST OUTCOME WHEN",
                   "THIS-HOST 4242 4242 - no-client <time>",
                   "THIS-HOST nobody 65534 NEXT upgraded <time>", "",
                   "Users at each build:", " NEXT 1 user", " - 1 user (no complete copy)", "",
                   "Not successes since <time>:", " <time> THIS-HOST uid 4242 no-client:", "",
                   "Ignored: entries that name the launcher but were not sent by "
                   "ROOT/bin/halvora-launcher:",
                   " THIS-HOST _UID=4343 _EXE=(none) (1 entry)"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
