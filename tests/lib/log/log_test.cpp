#include <algorithm>
#include <climits>
#include <cstdarg>
#include <fstream>
#include <ostream>
#include <gtest/gtest.h>
#include <regex>
#include <sched.h>
#include <set>
#include <string>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "log.h"
#include "test-support.h"

using testsupport::Exists;
using testsupport::ReadFile;
using testsupport::SplitLines;
using testsupport::TempDir;
using testsupport::WriteFile;

// The logger's counters cannot be moved apart from outside: within one
// process the writer that rotates updates both of them.
class LoggerTestAccess {
public:
    static void AnnounceRotationByOtherWriter() { ++*Logger::log_rotated_count_shared; }
    static bool RotationCountsAgree()
    {
        return Logger::log_rotated_count_shared &&
               *Logger::log_rotated_count_shared == Logger::log_rotated_count_private;
    }
    static int SizeCounter() { return Logger::log_size ? *Logger::log_size : -2; }
    static std::map<ustring, int> Levels() { return Logger::log_level; }
    static Logger::Type Type() { return Logger::log_type; }
    static FILE* Stream() { return Logger::log_fp; }
    static int RotateCount() { return Logger::rotate_cnt; }
};

namespace {

const char kTimePrefix[] = "[A-Z][a-z]{2} [0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} ";
const long kRotateSize = 1048576;

long FileSize(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

std::string FirstLine(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string Numbered(const std::string& path, int n) { return path + "_" + std::to_string(n); }

// The texts of a log file's lines, without the time prefix; a line without
// a well-formed prefix is kept whole, so that it shows up in a comparison.
// Only the prefix goes through the regex: lines here run to 100 KiB.
std::vector<std::string> Texts(const std::string& text)
{
    const size_t prefix_len = 16;
    const std::regex prefix(kTimePrefix);
    std::vector<std::string> texts;
    for (const std::string& l : SplitLines(text)) {
        bool stamped = std::regex_match(l.substr(0, prefix_len), prefix);
        texts.push_back(stamped ? l.substr(prefix_len) : "NO TIME PREFIX: " + l);
    }
    return texts;
}

void LogThroughC(int level, const char* comp, const char* fmt, ...)
    __attribute__((format(printf, 3, 4)));

// Hands the same list on twice: the logger must leave it as it got it.
void LogThroughC(int level, const char* comp, const char* fmt, ...)
{
    std::string name(comp);
    va_list args;
    va_start(args, fmt);
    LogMSG_c(level, &name[0], fmt, args);
    LogMSG_c(level, &name[0], fmt, args);
    va_end(args);
}

// Restores the working directory when the test ends.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& dir)
    {
        char buf[4096];
        m_previous = getcwd(buf, sizeof buf) ? buf : "/";
        EXPECT_EQ(0, chdir(dir.c_str())) << "chdir " << dir;
    }
    ~WorkingDirectory()
    {
        if (chdir(m_previous.c_str()) != 0)
            ADD_FAILURE() << "cannot return to " << m_previous;
    }

private:
    std::string m_previous;
};

// Each test leaves the logger configured for standard error, so the next one
// starts from a known state. Threshold entries persist across Initialize, so
// every test uses components of its own.
class LoggerTest : public testing::Test {
protected:
    void TearDown() override { Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50); }

    std::string InitializeFile(const std::string& name, int rotate_cnt = 50,
                               const std::string& levels = "")
    {
        std::string path = dir / name;
        EXPECT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, path.c_str(), levels.c_str(),
                                        rotate_cnt))
            << path;
        return path;
    }

    // Logs one message of about size bytes that names round.
    static void LogRound(const char* comp, int round, size_t size = 64 * 1024)
    {
        static const std::string payload(1024 * 1024, 'p');
        Logger::LogMsg(Logger::L_ERR, comp, "[ERROR] round(%d): %02d %.*s\n", __LINE__, round,
                       static_cast<int>(size), payload.c_str());
    }

    // Logs messages of round until the log file starts afresh; the number of
    // messages it took, or -1 when no rotation came.
    static int LogUntilRotated(const std::string& log, const char* comp, int round,
                               size_t size = 64 * 1024)
    {
        long limit_messages = 2 * kRotateSize / static_cast<long>(size) + 2;
        for (int messages = 1; messages <= limit_messages; ++messages) {
            LogRound(comp, round, size);
            if (FileSize(log) == 0)
                return messages;
        }
        return -1;
    }

    TempDir dir;
};

TEST_F(LoggerTest, LineIsTimePrefixAndCallerText)
{
    std::string log = InitializeFile("format.log");
    Logger::LogMsg(Logger::L_ERR, "format_debug", "[ERROR] file-op(%d): mkstemp(%s): %s\n", 42,
                   "/tmp/x", "No space left on device");
    EXPECT_TRUE(std::regex_match(ReadFile(log),
                                 std::regex(std::string(kTimePrefix) +
                                            "\\[ERROR\\] file-op\\(42\\): mkstemp\\(/tmp/x\\): "
                                            "No space left on device\n")))
        << ReadFile(log);
}

TEST_F(LoggerTest, StandardOutputTypeWritesTheSameLine)
{
    ASSERT_EQ(0, Logger::Initialize(Logger::STDOUT_LOGGER, "", "", 50));
    testing::internal::CaptureStdout();
    Logger::LogMsg(Logger::L_WARNING, "stdout_debug", "[WARNING] main(%d): %s\n", 7, "to stdout");
    Logger::LogMsg(Logger::L_NOTICE, "stdout_debug", "[NOTE] main(%d): filtered\n", 8);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::vector<std::string>{"[WARNING] main(7): to stdout"}, Texts(out)) << out;
}

TEST_F(LoggerTest, CallersWithPlainStringsAndArgumentLists)
{
    std::string log = InitializeFile("c.log");
    LogThroughC(Logger::L_ERR, "c_debug", "[ERROR] c-caller(%d): %s %d\n", 5, "twice", 77);
    LogThroughC(Logger::L_INFO, "c_debug", "[INFO] c-caller(%d): %s\n", 6, "filtered");
    EXPECT_EQ((std::vector<std::string>{"[ERROR] c-caller(5): twice 77",
                                        "[ERROR] c-caller(5): twice 77"}),
              Texts(ReadFile(log)));
}

TEST_F(LoggerTest, ThresholdsComeFromTheLevelsFile)
{
    std::string levels = dir / "levels.debug";
    ASSERT_TRUE(WriteFile(levels, "# component levels\nfile_op_debug = 7\nletters_debug=abc\n"));
    std::string log = InitializeFile("levels.log", 50, levels);

    const Logger::Level all[] = {Logger::L_EMERG, Logger::L_ALERT,   Logger::L_CRIT,
                                 Logger::L_ERR,   Logger::L_WARNING, Logger::L_NOTICE,
                                 Logger::L_INFO,  Logger::L_DEBUG};
    for (const char* comp : {"file_op_debug", "letters_debug", "unlisted_debug"})
        for (Logger::Level level : all)
            Logger::LogMsg(level, comp, "%s %d\n", comp, static_cast<int>(level));

    EXPECT_EQ((std::vector<std::string>{
                  "file_op_debug 0", "file_op_debug 1", "file_op_debug 2", "file_op_debug 3",
                  "file_op_debug 4", "file_op_debug 5", "file_op_debug 6", "file_op_debug 7",
                  "letters_debug 0", "unlisted_debug 0", "unlisted_debug 1", "unlisted_debug 2",
                  "unlisted_debug 3", "unlisted_debug 4"}),
              Texts(ReadFile(log)));
    EXPECT_EQ(4, LoggerTestAccess::Levels()["default_component"]);
}

TEST_F(LoggerTest, MissingOrMalformedLevelsFileAddsNoEntries)
{
    std::string malformed = dir / "malformed.debug";
    ASSERT_TRUE(WriteFile(malformed, "missing_debug=7\n[section]\n"));
    for (const std::string& levels : {dir / "absent.debug", malformed}) {
        std::map<ustring, int> before = LoggerTestAccess::Levels();
        std::string log = InitializeFile("missing.log", 50, levels);
        std::map<ustring, int> after = LoggerTestAccess::Levels();
        before["default_component"] = 4;
        EXPECT_TRUE(before == after) << levels << " changed the thresholds";

        Logger::LogMsg(Logger::L_DEBUG, "missing_debug", "debug\n");
        Logger::LogMsg(Logger::L_WARNING, "missing_debug", "warning\n");
        EXPECT_EQ(std::vector<std::string>{"warning"}, Texts(ReadFile(log))) << levels;
        unlink(log.c_str());
    }
}

TEST_F(LoggerTest, LaterLevelsFileOverridesOnlyItsOwnKeys)
{
    std::string first = dir / "first.debug";
    std::string second = dir / "second.debug";
    ASSERT_TRUE(WriteFile(first, "kept_debug=7\nchanged_debug=7\n"));
    ASSERT_TRUE(WriteFile(second, "changed_debug=0\n"));
    InitializeFile("first.log", 50, first);
    std::string log = InitializeFile("second.log", 50, second);
    Logger::LogMsg(Logger::L_DEBUG, "kept_debug", "kept\n");
    Logger::LogMsg(Logger::L_ERR, "changed_debug", "changed\n");
    EXPECT_EQ(std::vector<std::string>{"kept"}, Texts(ReadFile(log)));
}

TEST_F(LoggerTest, FileTypeWithoutPathFailsAndKeepsStandardError)
{
    ASSERT_EQ(0, Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50));
    // Numbered files of an empty path would land in the working directory.
    WorkingDirectory cwd(dir.path());
    EXPECT_EQ(-1, Logger::Initialize(Logger::FILE_LOGGER, "", "", 50));
    EXPECT_EQ(-1, LoggerTestAccess::SizeCounter()) << "size accounting must stay off";
    EXPECT_TRUE(LoggerTestAccess::RotationCountsAgree()) << "a reload must not be pending";

    testing::internal::CaptureStderr();
    const int messages = 20;
    for (int i = 0; i < messages; ++i)
        LogRound("nopath_debug", i);
    std::string err = testing::internal::GetCapturedStderr();

    EXPECT_GT(static_cast<long>(err.size()), kRotateSize);
    std::vector<std::string> lines = Texts(err);
    ASSERT_EQ(static_cast<size_t>(messages), lines.size());
    EXPECT_EQ(0u, lines.back().find("[ERROR] round(")) << lines.back().substr(0, 40);
    EXPECT_NE(std::string::npos, lines.back().find("): 19 p"));
    EXPECT_FALSE(Exists(dir / "_0")) << "rotated a log file without a name";
}

TEST_F(LoggerTest, UnopenableFileKeepsTheEarlierFileWithoutRotation)
{
    std::string log = InitializeFile("earlier.log");
    Logger::LogMsg(Logger::L_ERR, "keep_debug", "before\n");
    std::string unopenable = dir / "no/such/dir/later.log";
    EXPECT_EQ(-1, Logger::Initialize(Logger::FILE_LOGGER, unopenable.c_str(), "", 50));

    for (int i = 0; i < 20; ++i)
        LogRound("keep_debug", i);
    EXPECT_GT(FileSize(log), kRotateSize);
    EXPECT_FALSE(Exists(Numbered(log, 0))) << "rotated after a failed configuration";
    std::vector<std::string> lines = Texts(ReadFile(log));
    ASSERT_EQ(21u, lines.size());
    EXPECT_EQ("before", lines.front());
}

TEST_F(LoggerTest, RotationMovesTheFullFileToNumberZero)
{
    std::string log = InitializeFile("rotate.log");
    const size_t size = 100 * 1024;
    int messages = LogUntilRotated(log, "rotate_debug", 0, size);
    // Eleven messages of 100 KiB cross the 1 MiB mark, not ten.
    ASSERT_EQ(11, messages);
    std::string old = ReadFile(Numbered(log, 0));
    EXPECT_GT(static_cast<long>(old.size()), kRotateSize);
    EXPECT_LT(static_cast<long>(old.size()), kRotateSize + static_cast<long>(size));
    EXPECT_EQ(static_cast<size_t>(messages), Texts(old).size())
        << "the message crossing the mark belongs to the old file";
    EXPECT_EQ(0, FileSize(log));

    Logger::LogMsg(Logger::L_ERR, "rotate_debug", "after\n");
    EXPECT_EQ(std::vector<std::string>{"after"}, Texts(ReadFile(log)));
    EXPECT_FALSE(Exists(Numbered(log, 1)));
}

TEST_F(LoggerTest, SixtyRotationsKeepNumbersZeroToFortyEight)
{
    std::string log = InitializeFile("sixty.log", 50);
    for (int round = 0; round < 60; ++round)
        ASSERT_GT(LogUntilRotated(log, "sixty_debug", round), 0) << "round " << round;

    for (int n = 0; n <= 48; ++n) {
        ASSERT_TRUE(Exists(Numbered(log, n))) << Numbered(log, n);
        char expected[32];
        snprintf(expected, sizeof expected, "): %02d p", 59 - n);
        EXPECT_NE(std::string::npos, FirstLine(Numbered(log, n)).find(expected))
            << Numbered(log, n) << " should hold round " << 59 - n;
    }
    EXPECT_FALSE(Exists(Numbered(log, 49)));
    EXPECT_FALSE(Exists(Numbered(log, 50)));
}

struct SmallCountCase {
    int rotate_cnt;
    int kept; // numbered files 0 .. kept-1 remain
};

TEST_F(LoggerTest, SmallRotationCounts)
{
    // Counts below one behave like 0, down to the smallest int.
    const SmallCountCase cases[] = {{INT_MIN, 1}, {-1, 1}, {0, 1}, {1, 1}, {2, 1}, {3, 2}};
    for (const SmallCountCase& c : cases) {
        std::string log = InitializeFile("small" + std::to_string(c.rotate_cnt) + ".log",
                                         c.rotate_cnt);
        for (int round = 0; round < 3; ++round)
            ASSERT_GT(LogUntilRotated(log, "small_debug", round, 256 * 1024), 0)
                << "count " << c.rotate_cnt << " round " << round;
        for (int n = 0; n < 4; ++n)
            EXPECT_EQ(n < c.kept, Exists(Numbered(log, n)))
                << "count " << c.rotate_cnt << ": " << Numbered(log, n);
        EXPECT_NE(std::string::npos, FirstLine(Numbered(log, 0)).find("): 02 p"))
            << "count " << c.rotate_cnt << ": number 0 is the newest";
        EXPECT_FALSE(Exists(Numbered(log, -1)));
    }
}

struct ExistingSizeCase {
    const char* name;
    long existing;       // bytes in the file before the logger opens it
    size_t message;      // bytes per message
    int messages;        // messages until the rotation, the crossing one included
};

void PrintTo(const ExistingSizeCase& c, std::ostream* os) { *os << c.name; }

class ExistingSizeTest : public LoggerTest,
                         public testing::WithParamInterface<ExistingSizeCase> {};

// What earlier runs wrote counts: a log written by many short runs rotates
// like one written by a single long run.
TEST_P(ExistingSizeTest, CountStartsFromTheFileSize)
{
    const ExistingSizeCase& c = GetParam();
    std::string log = dir / "grow.log";
    if (c.existing > 0) {
        ASSERT_TRUE(WriteFile(log, std::string(c.existing - 1, 'o') + "\n"));
    }
    InitializeFile("grow.log");
    int messages = LogUntilRotated(log, "grow_debug", 0, c.message);
    EXPECT_EQ(c.messages, messages);
    long rotated = FileSize(Numbered(log, 0));
    EXPECT_GT(rotated, std::max(c.existing, kRotateSize));
    EXPECT_LT(rotated, std::max(c.existing, kRotateSize) + static_cast<long>(c.message) + 64);
    if (c.existing > 0) {
        EXPECT_EQ(std::string(80, 'o'), FirstLine(Numbered(log, 0)).substr(0, 80));
    }
}

// Message sizes count their 16-byte time prefix and the text around the
// payload, so the counts land clear of the mark.
INSTANTIATE_TEST_SUITE_P(
    Sizes, ExistingSizeTest,
    testing::Values(ExistingSizeCase{"empty", 0, 100 * 1024, 11},
                    ExistingSizeCase{"most_of_a_mebibyte", 900 * 1024, 10 * 1024, 13},
                    ExistingSizeCase{"just_below", kRotateSize - 10, 10 * 1024, 1},
                    ExistingSizeCase{"exactly_at_the_mark", kRotateSize, 1024, 1},
                    ExistingSizeCase{"past_the_mark", 3 * kRotateSize / 2, 1024, 1},
                    ExistingSizeCase{"far_past", 5 * kRotateSize, 1024, 1}),
    [](const testing::TestParamInfo<ExistingSizeCase>& info) { return info.param.name; });

TEST_F(LoggerTest, ShortRunsRotateAcrossConfigurations)
{
    std::string log = dir / "runs.log";
    const size_t size = 10 * 1024;
    // Twenty runs of 60 KiB: 1.2 MiB in all, rotated in about the eighteenth.
    for (int run = 0; run < 20; ++run) {
        InitializeFile("runs.log");
        for (int i = 0; i < 6; ++i)
            LogRound("runs_debug", run, size);
    }
    EXPECT_LT(FileSize(log), kRotateSize / 2);
    EXPECT_GT(FileSize(Numbered(log, 0)), kRotateSize);
    EXPECT_NE(std::string::npos, FirstLine(Numbered(log, 0)).find("): 00 p"));
    EXPECT_FALSE(Exists(Numbered(log, 1)));
}

TEST_F(LoggerTest, FailedRotationSendsLinesToStandardErrorUntilReconfigured)
{
    std::string log = dir / "stuck.log";
    // A non-empty directory under the name of old file number 0 makes the
    // move of the current file fail.
    ASSERT_TRUE(testsupport::MakeDirs(Numbered(log, 0)));
    ASSERT_TRUE(WriteFile(Numbered(log, 0) + "/occupied", "x"));
    InitializeFile("stuck.log", 1);
    testing::internal::CaptureStderr();
    // About 1.3 MB of messages; the file stops growing where rotation failed.
    for (int i = 0; i < 20; ++i)
        LogRound("stuck_debug", 0);
    Logger::LogMsg(Logger::L_ERR, "stuck_debug", "not in the log\n");
    std::vector<std::string> said = Texts(testing::internal::GetCapturedStderr());
    long size = FileSize(log);
    EXPECT_GT(size, kRotateSize);
    EXPECT_LT(size, kRotateSize + 70 * 1024);
    ASSERT_EQ(20u - Texts(ReadFile(log)).size() + 2, said.size());
    EXPECT_EQ("NO TIME PREFIX: halvora log: cannot write the log " + log +
                  ": Is a directory; its lines go to standard error",
              said.front());
    EXPECT_EQ("not in the log", said.back());

    InitializeFile("stuck.log", 1);
    Logger::LogMsg(Logger::L_ERR, "stuck_debug", "resumed\n");
    std::vector<std::string> lines = Texts(ReadFile(log));
    EXPECT_EQ("resumed", lines.back());
    EXPECT_EQ(std::string::npos, ReadFile(log).find("not in the log"));
}

// A full disk or an exhausted quota: the lines that would say what failed
// reach standard error, the session's journal, with one note of why. A
// small tmpfs in a mount namespace of the child's own (no root reserve,
// and gone with the child whatever happens).
TEST_F(LoggerTest, LinesAFullFileSystemRefusesGoToStandardError)
{
    std::string full = dir / "full", err = dir / "err", log = full + "/full.log";
    ASSERT_TRUE(testsupport::MakeDirs(full));
    int code = testsupport::RunWithDeadline([&] {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", full.c_str(), "tmpfs", 0, "size=64k") != 0)
            return 77;
        if (!freopen(err.c_str(), "w", stderr) ||
            Logger::Initialize(Logger::FILE_LOGGER, log.c_str(), "", 50) != 0)
            return 10;
        // The log file is still empty: a page it held would take more lines.
        FILE* filler = fopen((full + "/filler").c_str(), "w");
        while (filler && fwrite(std::string(4096, 'f').data(), 1, 4096, filler) == 4096 &&
               fflush(filler) == 0) {
        }
        if (!filler || errno != ENOSPC)
            return 11;
        Logger::LogMsg(Logger::L_ERR, "full_debug", "[ERROR] probe(%d): %s\n", 2, "first");
        Logger::LogMsg(Logger::L_ERR, "full_debug", "[ERROR] probe(%d): %s\n", 3, "second");
        std::string kept = ReadFile(log);
        umount2(full.c_str(), MNT_DETACH);
        return kept.empty() ? 0 : 12;
    }, 20);
    if (code == 77)
        GTEST_SKIP() << "cannot mount a tmpfs in a mount namespace of its own here";
    EXPECT_EQ(0, code) << "10: no log, 11: the file system did not fill, 12: the log holds more";
    EXPECT_EQ((std::vector<std::string>{"NO TIME PREFIX: halvora log: cannot write the log " + log +
                                            ": No space left on device; its lines go to "
                                            "standard error",
                                        "[ERROR] probe(2): first", "[ERROR] probe(3): second"}),
              Texts(ReadFile(err)));
}

TEST_F(LoggerTest, ReloadFollowsRotationByAnotherWriter)
{
    std::string log = InitializeFile("reload.log");
    std::string moved = dir / "reload.log.moved";
    Logger::LogMsg(Logger::L_ERR, "reload_debug", "one\n");
    ASSERT_EQ(0, rename(log.c_str(), moved.c_str()));

    // Unannounced, the open stream keeps writing to the moved file.
    Logger::LogMsg(Logger::L_ERR, "reload_debug", "two\n");
    EXPECT_FALSE(Exists(log));

    LoggerTestAccess::AnnounceRotationByOtherWriter();
    Logger::LogMsg(Logger::L_ERR, "reload_debug", "three\n");
    EXPECT_TRUE(LoggerTestAccess::RotationCountsAgree());
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Texts(ReadFile(moved)));
    EXPECT_EQ(std::vector<std::string>{"three"}, Texts(ReadFile(log)));
    EXPECT_EQ(FileSize(log), LoggerTestAccess::SizeCounter()) << "counting restarts on reload";
}

TEST_F(LoggerTest, ConcurrentWritersLoseNoLineAcrossRotations)
{
    std::string log = InitializeFile("threads.log");
    const int threads = 8;
    const int per_thread = 1500;
    const std::string payload(400, 'x');
    std::vector<std::thread> writers;
    for (int t = 0; t < threads; ++t)
        writers.emplace_back([t, &payload] {
            for (int m = 0; m < per_thread; ++m)
                Logger::LogMsg(Logger::L_ERR, "thread_debug", "[ERROR] thread(%d): t=%d m=%d %s\n",
                               __LINE__, t, m, payload.c_str());
        });
    for (std::thread& w : writers)
        w.join();

    // About 5.4 MB: five rotations happen while the threads write, and each
    // one briefly leaves the logger without a stream.
    std::vector<std::string> files;
    for (int n = 4; n >= 0; --n)
        files.push_back(Numbered(log, n));
    files.push_back(log);
    EXPECT_FALSE(Exists(Numbered(log, 5)));
    const std::regex line("\\[ERROR\\] thread\\([0-9]+\\): t=([0-9]) m=([0-9]+) x{400}");
    std::set<std::pair<int, int>> seen;
    for (const std::string& file : files) {
        ASSERT_TRUE(Exists(file)) << file;
        for (const std::string& text : Texts(ReadFile(file))) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(text, m, line)) << "torn line in " << file << ": "
                                                          << text.substr(0, 80);
            EXPECT_TRUE(seen.insert({std::stoi(m[1]), std::stoi(m[2])}).second)
                << "twice: " << text.substr(0, 40);
        }
    }
    EXPECT_EQ(static_cast<size_t>(threads * per_thread), seen.size()) << "lines were lost";
}

// A FIFO without a reader blocked the open for good, at start and at the
// reload after another writer's rotation; the alarm turns a hang into 1014.
TEST_F(LoggerTest, LogPathThatIsNoRegularFileIsSkippedWithoutWaiting)
{
    std::string fifo = dir / "fifo.log", folder = dir / "folder.log", err = dir / "err";
    ASSERT_TRUE(mkfifo(fifo.c_str(), 0600) == 0 && mkdir(folder.c_str(), 0700) == 0);
    EXPECT_EQ(0, testsupport::RunWithDeadline([&] {
        if (!freopen(err.c_str(), "w", stderr))
            return 10;
        for (const std::string& node : {fifo, folder, dir / "plain.log"})
            Logger::Initialize(Logger::FILE_LOGGER, node.c_str(), "", 50);
        rename(fifo.c_str(), (dir / "plain.log").c_str());
        LoggerTestAccess::AnnounceRotationByOtherWriter();
        Logger::LogMsg(Logger::L_ERR, "node_debug", "lost\n");
        return fflush(stderr);
    }, 5));
    std::string said = ReadFile(err);
    EXPECT_NE(std::string::npos, said.find(fifo + ": it is a FIFO")) << said;
    EXPECT_NE(std::string::npos, said.find(folder + ": it is a folder")) << said;
}

// Exit codes of the system-log child.
enum SyslogChildResult {
    kSyslogPassed = 0,
    kSyslogCannotIsolate = 77,
    kSyslogNoSocket = 10,
    kSyslogInitializeFailed = 11,
    kSyslogWrongMessages = 12,
};

// Receives what is already queued on the socket; empty when nothing is.
std::string ReceiveQueued(int fd)
{
    char buf[4096];
    ssize_t n = recv(fd, buf, sizeof buf, MSG_DONTWAIT);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

// Runs in a child with a private /dev, where it plays the system log's
// socket itself, so nothing reaches the machine's real log.
int SyslogChild(const std::string& levels)
{
    if (unshare(CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("none", "/dev", "tmpfs", 0, nullptr) != 0)
        return kSyslogCannotIsolate;
    int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    strcpy(addr.sun_path, "/dev/log");
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return kSyslogNoSocket;
    if (Logger::Initialize(Logger::SYSLOG_LOGGER, "", levels.c_str(), 50) != 0)
        return kSyslogInitializeFailed;

    Logger::LogMsg(Logger::L_DEBUG, "syslog_debug", "[DEBUG] probe(%d): %s\n", 3, "debug line");
    Logger::LogMsg(Logger::L_DEBUG, "unlisted_syslog_debug", "[DEBUG] probe(%d): filtered\n", 4);
    Logger::LogMsg(Logger::L_ERR, "syslog_debug", "[ERROR] probe(%d): error line\n", 5);
    // User facility (8) with priority LOG_ERR (3), whatever the level.
    const std::string error_priority = "<11>";
    std::string first = ReceiveQueued(fd);
    std::string second = ReceiveQueued(fd);
    std::string third = ReceiveQueued(fd);
    bool ok = first.compare(0, error_priority.size(), error_priority) == 0 &&
              first.find("[DEBUG] probe(3): debug line") != std::string::npos &&
              second.compare(0, error_priority.size(), error_priority) == 0 &&
              second.find("[ERROR] probe(5): error line") != std::string::npos && third.empty();
    if (!ok)
        fprintf(stderr, "system log received:\n%s\n%s\n%s\n", first.c_str(), second.c_str(),
                third.c_str());
    return ok ? kSyslogPassed : kSyslogWrongMessages;
}

TEST_F(LoggerTest, SystemLogGetsEveryMessageAsError)
{
    std::string levels = dir / "syslog.debug";
    ASSERT_TRUE(WriteFile(levels, "syslog_debug=7\n"));
    fflush(nullptr);
    pid_t pid = fork();
    ASSERT_GE(pid, 0) << "fork: " << strerror(errno);
    if (pid == 0)
        _exit(SyslogChild(levels));
    int status = 0;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
    ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal " << WTERMSIG(status);
    if (WEXITSTATUS(status) == kSyslogCannotIsolate)
        GTEST_SKIP() << "no private mount namespace for a stand-in system log socket";
    EXPECT_EQ(kSyslogPassed, WEXITSTATUS(status))
        << "10: no socket, 11: Initialize failed, 12: wrong messages (see above)";
}

TEST_F(LoggerTest, DestroySwitchesLoggingOffUntilInitialize)
{
    std::string log = InitializeFile("destroy.log");
    Logger::LogMsg(Logger::L_ERR, "destroy_debug", "kept\n");
    Logger::Destroy();
    // The file is closed and the logger left idle until the next Initialize.
    EXPECT_EQ(Logger::STDERR_LOGGER, LoggerTestAccess::Type());
    EXPECT_EQ(stdout, LoggerTestAccess::Stream());
    EXPECT_EQ(32, LoggerTestAccess::RotateCount());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Logger::LogMsg(Logger::L_EMERG, "destroy_debug", "lost\n");
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    EXPECT_EQ("", testing::internal::GetCapturedStdout());

    InitializeFile("destroy.log");
    Logger::LogMsg(Logger::L_ERR, "destroy_debug", "again\n");
    EXPECT_EQ((std::vector<std::string>{"kept", "again"}), Texts(ReadFile(log)));
}

} // namespace
