#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "launch-fixture.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

const long kRotateSize = 1048576;

class LogAcrossRunsTest : public LaunchFixture {
protected:
    void PreFill(long bytes)
    {
        fs::create_directories(user + "/log");
        std::ofstream out(log, std::ios::binary);
        out << std::string(bytes - 1, 'o') << '\n';
    }
};

// Many short runs each write far less than the limit; what they left counts.
TEST_F(LogAcrossRunsTest, ALogPreFilledPastTheLimitIsRotatedByTheNextStart)
{
    Prepare();
    PreFill(kRotateSize + 4096);
    RunLauncherOk();
    ASSERT_TRUE(fs::exists(log + "_0"));
    EXPECT_GT(static_cast<long>(fs::file_size(log + "_0")), kRotateSize + 4096);
    EXPECT_LT(fs::file_size(log), 64u * 1024) << "the run's lines start a new file";
    std::vector<std::string> messages = LogMessages();
    EXPECT_EQ(Count(messages, kDone), 1);
    EXPECT_FALSE(fs::exists(log + "_1"));
}

TEST_F(LogAcrossRunsTest, ALogBelowTheLimitIsContinued)
{
    Prepare();
    PreFill(kRotateSize / 2);
    RunLauncherOk();
    EXPECT_FALSE(fs::exists(log + "_0"));
    EXPECT_GT(static_cast<long>(fs::file_size(log)), kRotateSize / 2);
}

// A FIFO without a reader in place of the log kept every launcher waiting.
TEST_F(LogAcrossRunsTest, AFifoInPlaceOfTheLogDoesNotKeepTheClientFromStarting)
{
    Prepare();
    fs::create_directories(user + "/log");
    ASSERT_EQ(mkfifo(log.c_str(), 0600), 0);
    Outcome outcome = FinishLauncher(StartLauncher(), std::chrono::seconds(30));
    EXPECT_EQ(outcome.exit_code, 0) << outcome.out;
    EXPECT_TRUE(Running(ClientPid())) << "no client runs";
}

} // namespace
} // namespace e2e
