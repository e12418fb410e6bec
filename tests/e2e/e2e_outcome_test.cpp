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
    const char* setup; // "upgrade" (the staged build first), "damaged", "small" (16 MB), "quiet"
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
            kill(pid, SIGTERM), ChildReaper::Instance().WaitEnded(pid, 5s);
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

    // A journald of our own, its earlier files gone.
    void StartJournald() {
        for (const char* dir : {"/run/systemd/journal", "/run/log/journal"})
            fs::remove_all(dir);
        ASSERT_NO_FATAL_FAILURE(
            Start({"/lib/systemd/systemd-journald"}, "/run/systemd/journal/socket", 0));
    }

    std::vector<pid_t> daemons;
    std::string bus = "DBUS_SESSION_BUS_ADDRESS=";
};

class OutcomeTest : public JournalFixture, public ::testing::WithParamInterface<Row> {};

TEST_P(OutcomeTest, TellsTheJournalAndTheUser) {
    if (!skip_reason.empty())
        GTEST_SKIP() << skip_reason;
    const Row& row = GetParam();
    Prepare();
    if (row.Has("small")) {
        ASSERT_EQ(mount("tmpfs", home.c_str(), "tmpfs", 0, "size=16m"), 0) << strerror(errno);
    }
    ASSERT_NO_FATAL_FAILURE(RunAsNobody());
    std::string notices = home + "/notices", socket = home + "/bus";
    if (!row.Has("quiet")) {
        bus += "unix:path=" + socket;
        ASSERT_NO_FATAL_FAILURE(StartJournald());
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
    if (row.Has("damaged"))
        std::ofstream(package, std::ios::trunc) << std::string(4096, 'Z');
    size_t before = LogLineCount();

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
    // Up to date now, or refused again: a login that changes nothing.
    ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));

    std::vector<std::string> log = LogMessages(before);
    EXPECT_EQ(CountContaining(log, "does not fit in"), row.Has("small") ? 2 : 0);
    EXPECT_EQ(CountContaining(log, "notification is not shown: no session bus"),
              row.Has("quiet") ? 2 : 0);
    std::vector<std::string> shown = SplitLines(ReadFile(notices));
    std::string expected = row.notice;
    EXPECT_EQ(shown.size(), expected.empty() ? 0u : 2u) << "one per run";
    for (const std::string& line : shown)
        EXPECT_EQ(line.substr(0, expected.size()) + line.substr(line.rfind('\t')),
                  expected + "\t2");
    size_t count = row.Has("quiet") ? 0 : row.Has("upgrade") + 1u + !!row.reason;
    std::vector<QJsonObject> entries = Entries(count);
    ASSERT_EQ(entries.size(), count) << LogText();
    if (row.Has("quiet"))
        return;
    auto field = [&](const char* name) { return entries.back()[name].toString().toStdString(); };
    EXPECT_EQ(field("HALVORA_OUTCOME") + " " + field("PRIORITY"), row.entry);
    EXPECT_EQ(field("_UID") + " " + field("HALVORA_TO_BUILD"),
              "65534 " + std::to_string(BuildOf(root + "/INFO")));
    EXPECT_EQ(field("HALVORA_FROM_BUILD"), row.Has("upgrade") ? old_build : "");
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
                      Row{"NoJournalNoBus", "small quiet", "C", "", nullptr, ""}),
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
