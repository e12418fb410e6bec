#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

#include "install-marker.h"
#include "test-support.h"

using testsupport::TempDir;

namespace {

class InstallMarkerTest : public ::testing::Test {
protected:
    void SetUp() override { log = testsupport::LogToFile(dir.path(), {"service_debug"}); }
    bool Logged(const std::string& pattern)
    {
        return std::regex_search(testsupport::ReadFile(log), std::regex(pattern));
    }
    TempDir dir{"install-marker-test"};
    std::string log;
};

TEST_F(InstallMarkerTest, LivesBesideTheAppDirectory)
{
    EXPECT_EQ(ustring("/home/u/.HalvoraBackup/Halvora.app.installing"),
              InstallMarkerPath("/home/u/.HalvoraBackup/Halvora.app"));
}

TEST_F(InstallMarkerTest, MarkThenClear)
{
    std::string app = dir / "Halvora.app";
    EXPECT_FALSE(IsInstallationUnderway(app.c_str()));

    ASSERT_EQ(0, MarkInstallationUnderway(app.c_str()));
    EXPECT_TRUE(IsInstallationUnderway(app.c_str()));
    EXPECT_TRUE(testsupport::Exists(app + ".installing"));
    EXPECT_FALSE(testsupport::Exists(app));
    // Marking again (an installation resumed after a cut) keeps it standing.
    ASSERT_EQ(0, MarkInstallationUnderway(app.c_str()));
    EXPECT_TRUE(IsInstallationUnderway(app.c_str()));

    ASSERT_EQ(0, ClearInstallationUnderway(app.c_str()));
    EXPECT_FALSE(IsInstallationUnderway(app.c_str()));
    EXPECT_FALSE(testsupport::Exists(app + ".installing"));
    EXPECT_EQ(0, ClearInstallationUnderway(app.c_str()));
}

TEST_F(InstallMarkerTest, CreatesTheFolderThatHoldsIt)
{
    std::string app = dir / ".HalvoraBackup/Halvora.app";
    ASSERT_EQ(0, MarkInstallationUnderway(app.c_str()));
    EXPECT_TRUE(IsInstallationUnderway(app.c_str()));
}

TEST_F(InstallMarkerTest, FlushNamesTheFolderItCouldNotFlush)
{
    for (FlushScope scope : {FlushScope::FolderEntries, FlushScope::FileSystem}) {
        EXPECT_EQ(0, FlushToDisk(dir.path().c_str(), scope));
        EXPECT_EQ(-1, FlushToDisk((dir / "gone").c_str(), scope));
    }
    std::string text = testsupport::ReadFile(log);
    std::regex line(R"(\[ERROR\] install-marker\(\d+\): failed to flush '[^']*/gone' to disk: )"
                    R"(No such file or directory \(2\)\n)");
    EXPECT_EQ(2, std::distance(std::sregex_iterator(text.begin(), text.end(), line),
                               std::sregex_iterator()))
        << text;
}

// Root ignores permissions, so the failures are provoked as "nobody".
TEST_F(InstallMarkerTest, UnwritableFolderFailsWithALogLine)
{
    std::string home = dir / "home";
    ASSERT_TRUE(testsupport::MakeDirs(home));
    ASSERT_EQ(0, chmod(dir.path().c_str(), 0755));
    ASSERT_EQ(0, chown(log.c_str(), testsupport::NobodyUid(), testsupport::NobodyUid()));
    std::string app = home + "/Halvora.app";
    int status = testsupport::RunAsNobody([&] {
        return MarkInstallationUnderway(app.c_str()) == -1 ? 0 : 1;
    });
    EXPECT_EQ(0, status);
    EXPECT_FALSE(testsupport::Exists(app + ".installing"));
    EXPECT_TRUE(Logged(R"(\[ERROR\] install-marker\(\d+\): failed to create '.*Halvora\.app\.)"
                       R"(installing\.new': Permission denied \(13\))"));
}

// A marker that cannot be looked for may be there: the copy is not trusted.
TEST_F(InstallMarkerTest, UnsearchableFolderCountsAsUnderway)
{
    std::string home = dir / "home";
    ASSERT_TRUE(testsupport::MakeDirs(home));
    ASSERT_EQ(0, chmod(dir.path().c_str(), 0755));
    ASSERT_EQ(0, chmod(home.c_str(), 0700));
    ASSERT_EQ(0, chown(log.c_str(), testsupport::NobodyUid(), testsupport::NobodyUid()));
    std::string app = home + "/Halvora.app";
    int status = testsupport::RunAsNobody([&] {
        return IsInstallationUnderway(app.c_str()) ? 0 : 1;
    });
    EXPECT_EQ(0, status);
    EXPECT_TRUE(Logged(R"(\[ERROR\] install-marker\(\d+\): cannot tell whether '.*' exists: )"
                       R"(Permission denied \(13\))"));
}

} // namespace
