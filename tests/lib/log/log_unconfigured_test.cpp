#include <gtest/gtest.h>
#include <regex>
#include <string>

#include "log.h"
#include "test-support.h"

namespace {

const char kTimePrefix[] = "[A-Z][a-z]{2} [0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} ";

// Nothing in this executable configures the logger before this test runs.
TEST(LoggerBeforeInitialize, WritesErrorsWithTimeToStandardError)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Logger::LogMsg(Logger::L_ERR, "launcher_debug", "[ERROR] main(%d): early %s\n", 12, "failure");
    Logger::LogMsg(Logger::L_INFO, "launcher_debug", "[INFO] main(%d): not shown\n", 13);
    Logger::LogMsg(Logger::L_WARNING, "unknown_debug", "[WARNING] main(%d): any component\n", 14);
    std::string err = testing::internal::GetCapturedStderr();
    std::string out = testing::internal::GetCapturedStdout();

    std::vector<std::string> lines = testsupport::SplitLines(err);
    ASSERT_EQ(2u, lines.size()) << "standard error held:\n" << err;
    const std::string prefix = kTimePrefix;
    EXPECT_TRUE(std::regex_match(lines[0],
                                 std::regex(prefix + "\\[ERROR\\] main\\(12\\): early failure")))
        << lines[0];
    EXPECT_TRUE(std::regex_match(
        lines[1], std::regex(prefix + "\\[WARNING\\] main\\(14\\): any component")))
        << lines[1];
    EXPECT_EQ("", out) << "nothing goes to standard output before configuration";
}

} // namespace
