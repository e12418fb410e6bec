// What the administrator and the user learn of a run: the entry in a real
// systemd-journald, started in a private mount namespace (tmpfs on
// /run/systemd and /run/log), and the notification a session dbus-daemon
// carries to a recording notification server. The launcher runs as an
// unprivileged user.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sched.h>
#include <sstream>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>

#include "launch-fixture.h"
#include "test-support.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace e2e {
namespace {

using Entry = std::map<std::string, std::string>;

// One line of journalctl -o json; only the plain string fields it has.
Entry ParseEntry(const std::string& line) {
    Entry entry;
    size_t at = 0;
    while ((at = line.find('"', at)) != std::string::npos) {
        size_t name_end = line.find("\":\"", at + 1);
        if (name_end == std::string::npos)
            break;
        std::string value;
        size_t i = name_end + 3;
        for (; i < line.size() && line[i] != '"'; ++i)
            value += line[i] == '\\' ? line[++i] : line[i];
        entry[line.substr(at + 1, name_end - at - 1)] = value;
        at = i + 1;
    }
    return entry;
}

bool WaitFor(const std::string& path) {
    for (int i = 0; i < 500 && !fs::exists(path); ++i)
        std::this_thread::sleep_for(10ms);
    return fs::exists(path);
}

std::string skip_reason;

struct Row {
    const char* name;
    bool older_first;  // the staged build installed before the run
    bool next_package; // the run offers the higher build
    bool damaged;      // its package replaced by garbage
    bool small_home;   // a home of 16 MB, too small for the copy
    bool journal_and_bus;
    const char* lang;
    const char* outcome; // nullptr: no entry
    const char* priority;
    const char* reason; // part of HALVORA_REASON
    const char* notice; // the notification's summary, nullptr: none
};

class OutcomeTest : public LaunchFixture, public ::testing::WithParamInterface<Row> {
protected:
    // Before any thread exists: only then may the process take a mount
    // namespace of its own. journald there never sees the host's journal.
    static void SetUpTestSuite() {
        if (geteuid() != 0)
            skip_reason = "a private journal needs root for its mount namespace";
        else if (unshare(CLONE_NEWNS) != 0 ||
                 mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            skip_reason = std::string("no mount namespace: ") + strerror(errno);
        for (const char* dir : {"/run/systemd", "/run/log", "/var/log/journal"}) {
            if (skip_reason.empty() && fs::is_directory(dir) &&
                mount("tmpfs", dir, "tmpfs", 0, "mode=755") != 0)
                skip_reason = std::string("tmpfs on ") + dir + ": " + strerror(errno);
        }
    }

    void SetUp() override {
        if (!skip_reason.empty())
            GTEST_SKIP() << skip_reason;
    }

    void TearDown() override {
        for (pid_t pid : daemons) {
            kill(pid, SIGTERM);
            ChildReaper::Instance().WaitEnded(pid, 5s);
        }
        if (small_home)
            umount2(home.c_str(), MNT_DETACH);
        LaunchFixture::TearDown();
    }

    void StartJournal() {
        fs::remove_all("/run/systemd/journal");
        fs::remove_all("/run/log/journal");
        daemons.push_back(ChildReaper::Instance().Spawn(
            {"/lib/systemd/systemd-journald"}, EnvironmentWith({}), scratch + "/journald.out"));
        ASSERT_TRUE(WaitFor("/run/systemd/journal/socket"))
            << testsupport::ReadFile(scratch + "/journald.out");
    }

    void StartBus() {
        std::string session = scratch + "/session";
        fs::create_directories(session);
        ASSERT_EQ(chown(session.c_str(), launcher_user, launcher_user), 0);
        bus = "unix:path=" + session + "/bus";
        notices = session + "/notices";
        daemons.push_back(ChildReaper::Instance().Spawn(
            {"/usr/bin/dbus-daemon", "--session", "--nofork", "--address=" + bus},
            EnvironmentWith({}), scratch + "/dbus.out", launcher_user));
        ASSERT_TRUE(WaitFor(session + "/bus")) << testsupport::ReadFile(scratch + "/dbus.out");
        daemons.push_back(
            ChildReaper::Instance().Spawn({HALVORA_NOTICE_RECORDER, notices},
                                          EnvironmentWith({"DBUS_SESSION_BUS_ADDRESS=" + bus}),
                                          scratch + "/recorder.out", launcher_user));
        ASSERT_TRUE(WaitFor(notices + ".ready"))
            << testsupport::ReadFile(scratch + "/recorder.out");
    }

    // The launcher's entries, oldest first, once count of them are in.
    std::vector<Entry> Entries(size_t count) {
        std::vector<Entry> entries;
        for (int i = 0; i < 50 && entries.size() < count; ++i) {
            std::this_thread::sleep_for(i ? 100ms : 0ms);
            std::string out = scratch + "/entries.json";
            ChildReaper& reaper = ChildReaper::Instance();
            pid_t pid = reaper.Spawn({"/usr/bin/journalctl", "-D", "/run/log/journal", "-o", "json",
                                      "SYSLOG_IDENTIFIER=halvora-launcher"},
                                     EnvironmentWith({}), out);
            reaper.WaitEnded(pid, 10s);
            entries.clear();
            for (const std::string& line : testsupport::SplitLines(testsupport::ReadFile(out)))
                entries.push_back(ParseEntry(line));
        }
        return entries;
    }

    std::vector<pid_t> daemons;
    std::string bus, notices;
    bool small_home = false;
};

TEST_P(OutcomeTest, TellsTheJournalAndTheUser) {
    const Row& row = GetParam();
    Prepare();
    small_home = row.small_home;
    if (small_home) {
        ASSERT_EQ(mount("tmpfs", home.c_str(), "tmpfs", 0, "size=16m,mode=755"), 0)
            << strerror(errno);
    }
    ASSERT_NO_FATAL_FAILURE(RunAsNobody());
    std::vector<std::string> env = {"LANG=" + std::string(row.lang),
                                    "LC_ALL=" + std::string(row.lang),
                                    "DBUS_SESSION_BUS_ADDRESS=", "XDG_RUNTIME_DIR="};
    if (row.journal_and_bus) {
        ASSERT_NO_FATAL_FAILURE(StartJournal());
        ASSERT_NO_FATAL_FAILURE(StartBus());
        env.push_back("DBUS_SESSION_BUS_ADDRESS=" + bus);
    }
    int old_build = BuildOf(root + "/INFO");
    if (row.older_first) {
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
    }
    if (row.next_package)
        UseNextPackage();
    if (row.damaged)
        std::ofstream(package, std::ios::trunc) << std::string(4096, 'Z');
    size_t before = LogLineCount();

    ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
    // A login that finds the copy up to date adds nothing.
    if (row.outcome && std::string(row.outcome) == "installed") {
        ASSERT_NO_FATAL_FAILURE(RunLauncherOk(env));
    }

    std::vector<std::string> log = LogMessages(before);
    if (!row.journal_and_bus) {
        EXPECT_EQ(CountContaining(log, "the system journal did not take the entry 'no-client'"), 1);
        EXPECT_EQ(CountContaining(log, "the desktop notification is not shown: no session bus"), 1);
        EXPECT_EQ(CountContaining(log, "does not fit in"), 1) << LogText();
        return;
    }
    std::vector<Entry> entries = Entries(row.older_first ? 2 : 1);
    ASSERT_EQ(entries.size(), row.older_first ? 2u : 1u) << LogText();
    Entry& entry = entries.back();
    EXPECT_EQ(entry["HALVORA_OUTCOME"], row.outcome);
    EXPECT_EQ(entry["PRIORITY"], row.priority);
    EXPECT_EQ(entry["_UID"], std::to_string(launcher_user));
    EXPECT_EQ(entry["HALVORA_TO_BUILD"], std::to_string(BuildOf(root + "/INFO")));
    EXPECT_EQ(entry.count("HALVORA_FROM_BUILD"), row.older_first ? 1u : 0u);
    EXPECT_EQ(entry["HALVORA_FROM_BUILD"], row.older_first ? std::to_string(old_build) : "");
    EXPECT_EQ(entry.count("HALVORA_DOWNTIME_MSEC"), row.reason ? 0u : 1u);
    EXPECT_EQ(entry.count("HALVORA_REASON"), row.reason ? 1u : 0u);
    EXPECT_NE(entry["HALVORA_REASON"].find(row.reason ? row.reason : ""), std::string::npos)
        << entry["HALVORA_REASON"];
    if (!row.reason && row.older_first) {
        EXPECT_GT(std::stoi(entry["HALVORA_LINKED"]), 100);
    }

    std::vector<std::string> shown = testsupport::SplitLines(testsupport::ReadFile(notices));
    ASSERT_EQ(shown.size(), row.notice ? 1u : 0u);
    if (row.notice) {
        EXPECT_EQ(shown[0].rfind(std::string("Halvora Backup\thalvora-backup\t") + row.notice +
                                     "\tIn Ihrem Home-Ordner ist nicht genug Platz: ",
                                 0),
                  0u)
            << shown[0];
        EXPECT_EQ(shown[0].substr(shown[0].rfind('\t')), "\t2") << "not critical";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, OutcomeTest,
    ::testing::Values(Row{"FirstInstallation", false, false, false, false, true, "C", "installed",
                          "6", nullptr, nullptr},
                      Row{"Upgrade", true, true, false, false, true, "C", "upgraded", "6", nullptr,
                          nullptr},
                      Row{"RefusedUpgrade", true, true, true, false, true, "C", "refused", "4",
                          "does not match its INFO", nullptr},
                      Row{"FirstInstallationThatDoesNotFit", false, false, false, true, true,
                          "de_DE.UTF-8", "no-client", "3", "does not fit in",
                          "Halvora Backup konnte nicht installiert oder gestartet werden"},
                      Row{"NoJournalNoBus", false, false, false, true, false, "C", nullptr, nullptr,
                          nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
