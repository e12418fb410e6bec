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
    const char* setup; // "upgrade" (the staged build first), "damaged", "small" (16 MB), "quiet"
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

    std::vector<pid_t> daemons;
    std::string bus = "DBUS_SESSION_BUS_ADDRESS=";
};

TEST_P(OutcomeTest, TellsTheJournalAndTheUser) {
    if (!skip_reason.empty())
        GTEST_SKIP() << skip_reason;
    const Row& row = GetParam();
    Prepare();
    if (row.Has("small")) {
        ASSERT_EQ(mount("tmpfs", home.c_str(), "tmpfs", 0, "size=16m"), 0) << strerror(errno);
    }
    ASSERT_NO_FATAL_FAILURE(RunAsNobody());
    for (const char* dir : {"/run/systemd/journal", "/run/log/journal"})
        fs::remove_all(dir);
    std::string notices = home + "/notices", socket = home + "/bus";
    if (!row.Has("quiet")) {
        bus += "unix:path=" + socket;
        ASSERT_NO_FATAL_FAILURE(
            Start({"/lib/systemd/systemd-journald"}, "/run/systemd/journal/socket", 0));
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

} // namespace
} // namespace e2e
