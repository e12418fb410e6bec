#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "exposed-service.h"
#include "test-support.h"

using testsupport::Exists;
using testsupport::ReadFile;
using testsupport::RunWithDeadline;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

bool IsRegularFile(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

class ServiceCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        log = testsupport::LogToFile(logs.path(), {"service_debug", "file_op_debug"});
        src = dir / "src";
        dest = dir / "dest";
        ASSERT_TRUE(testsupport::MakeDirs(src));
    }
    std::vector<std::string> LinesWith(const std::string& text) const
    {
        std::vector<std::string> found;
        for (const std::string& line : testsupport::SplitLines(ReadFile(log)))
            if (line.find(text) != std::string::npos)
                found.push_back(line);
        return found;
    }
    // Lets the unprivileged user walk into the work directory and write dest.
    void OpenForNobody()
    {
        ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
        ASSERT_TRUE(testsupport::MakeDirs(dest));
        ASSERT_EQ(chown(dest.c_str(), testsupport::NobodyUid(), testsupport::NobodyUid()), 0);
    }

    TempDir dir{"halvora-copy"};
    TempDir logs{"halvora-copy-log"};
    testsupport::ExposedService copier;
    std::string log, src, dest;
};

TEST_F(ServiceCopyTest, SingleFile)
{
    ASSERT_TRUE(WriteFile(src + "/file", "content"));
    EXPECT_EQ(copier.FSCopyPath(src + "/file", dir / "copy"), 0);
    EXPECT_EQ(ReadFile(dir / "copy"), "content");
    EXPECT_EQ(LinesWith("[DEBUG] halvora-service(").size(), 1u);
    EXPECT_EQ(LinesWith("): copy from '" + src + "/file' to '" + dir / "copy" + "'").size(), 1u);

    EXPECT_EQ(copier.FSCopyPath(src + "/file", dir / "missing-dir/copy"), -1);
    EXPECT_EQ(LinesWith("CopyFile: open(" + dir / "missing-dir/copy" + ")").size(), 1u);
}

TEST_F(ServiceCopyTest, EmptyDirectoryAndNestedTree)
{
    ASSERT_EQ(copier.FSCopyPath(src, dest), 0);
    EXPECT_TRUE(Exists(dest));

    ASSERT_TRUE(testsupport::MakeDirs(src + "/a/b/c"));
    ASSERT_TRUE(testsupport::MakeDirs(src + "/empty"));
    ASSERT_TRUE(WriteFile(src + "/top", "top"));
    ASSERT_TRUE(WriteFile(src + "/a/one", "one"));
    ASSERT_TRUE(WriteFile(src + "/a/b/c/three", "three"));
    ASSERT_EQ(copier.FSCopyPath(src, dir / "deep/new/dest"), 0);
    const std::string out = dir / "deep/new/dest";
    EXPECT_EQ(ReadFile(out + "/top"), "top");
    EXPECT_EQ(ReadFile(out + "/a/one"), "one");
    EXPECT_EQ(ReadFile(out + "/a/b/c/three"), "three");
    EXPECT_TRUE(Exists(out + "/empty"));
    EXPECT_TRUE(Exists(src + "/a/b/c/three"));
    // One "copy from" line per call: the first copy of the empty src, then
    // src, a, b, c and empty (files inside a tree go straight to the layer).
    EXPECT_EQ(LinesWith("): copy from '" + src).size(), 6u);
}

TEST_F(ServiceCopyTest, MergesIntoAnExistingDestination)
{
    ASSERT_TRUE(WriteFile(src + "/same", "new"));
    ASSERT_TRUE(testsupport::MakeDirs(dest));
    ASSERT_TRUE(WriteFile(dest + "/same", "an older and longer text"));
    ASSERT_TRUE(WriteFile(dest + "/kept", "kept"));
    ASSERT_EQ(copier.FSCopyPath(src, dest), 0);
    EXPECT_EQ(ReadFile(dest + "/same"), "new");
    EXPECT_EQ(ReadFile(dest + "/kept"), "kept");
}

TEST_F(ServiceCopyTest, LinksAreCopiedAsTheBytesTheyPointTo)
{
    ASSERT_TRUE(WriteFile(dir / "target", "through the link"));
    ASSERT_EQ(symlink((dir / "target").c_str(), (src + "/link").c_str()), 0);
    ASSERT_EQ(copier.FSCopyPath(src, dest), 0);
    EXPECT_TRUE(IsRegularFile(dest + "/link"));
    EXPECT_EQ(ReadFile(dest + "/link"), "through the link");

    ASSERT_EQ(symlink("nowhere", (src + "/dangling").c_str()), 0);
    EXPECT_EQ(copier.FSCopyPath(src, dir / "dest2"), -1);
    EXPECT_EQ(LinesWith("): FSCopyPath: failed to copy from '" + src + "/dangling' to '" +
                        dir / "dest2/dangling" + "'")
                  .size(),
              1u);
}

TEST_F(ServiceCopyTest, MissingSourceCreatesNothing)
{
    EXPECT_EQ(copier.FSCopyPath(dir / "missing", dest), -1);
    EXPECT_FALSE(Exists(dest));
    EXPECT_EQ(LinesWith("[ERROR] halvora-service(").size(), 1u);
    EXPECT_EQ(LinesWith("): FSCopyPath: source path '" + dir / "missing" + "' does not exist").size(),
              1u);

    ASSERT_TRUE(WriteFile(dir / "file", "x"));
    EXPECT_EQ(copier.FSCopyPath(dir / "file/x", dest), -1);
    EXPECT_EQ(LinesWith("): FSCopyPath: failed to stat source '" + dir / "file/x" + "'").size(), 1u);
}

TEST_F(ServiceCopyTest, DestinationThatCannotBeCreated)
{
    ASSERT_TRUE(WriteFile(dir / "file", "x"));
    EXPECT_EQ(copier.FSCopyPath(src, dir / "file/dest"), -1);
    EXPECT_EQ(LinesWith("): FSCopyPath: failed to create dest folder '" + dir / "file/dest" + "'")
                  .size(),
              1u);
}

TEST_F(ServiceCopyTest, DestinationInsideTheSourceIsRefused)
{
    ASSERT_TRUE(WriteFile(src + "/file", "x"));
    EXPECT_EQ(copier.FSCopyPath(src, src + "/copy"), -1);
    EXPECT_EQ(copier.FSCopyPath(src, src), -1);
    EXPECT_FALSE(Exists(src + "/copy"));
    EXPECT_EQ(ReadFile(src + "/file"), "x");
    EXPECT_EQ(LinesWith("lies inside source").size(), 2u);
}

// The first entry that fails stops the whole copy, and each level names its
// own child paths once, innermost first.
TEST_F(ServiceCopyTest, StopsAtTheFirstFailureWithOneLinePerLevel)
{
    ASSERT_TRUE(testsupport::MakeDirs(src + "/a/b"));
    ASSERT_TRUE(WriteFile(src + "/a/b/bad1", "secret"));
    ASSERT_TRUE(WriteFile(src + "/a/b/bad2", "secret"));
    ASSERT_EQ(chmod((src + "/a/b/bad1").c_str(), 0600), 0);
    ASSERT_EQ(chmod((src + "/a/b/bad2").c_str(), 0600), 0);
    OpenForNobody();

    const int status = testsupport::RunAsNobody([&] { return -copier.FSCopyPath(src, dest); });
    EXPECT_EQ(status, 1);

    const std::vector<std::string> failed = LinesWith("): FSCopyPath: failed to copy from '");
    ASSERT_EQ(failed.size(), 3u) << ReadFile(log);
    EXPECT_NE(failed[0].find("'" + src + "/a/b/bad"), std::string::npos) << failed[0];
    EXPECT_NE(failed[1].find("from '" + src + "/a/b' to '" + dest + "/a/b'"), std::string::npos);
    EXPECT_NE(failed[2].find("from '" + src + "/a' to '" + dest + "/a'"), std::string::npos);
    EXPECT_EQ(LinesWith("CopyFile: open(" + src + "/a/b/bad").size(), 1u)
        << "the walk must stop after the first unreadable file";
}

// A directory that cannot be listed would silently be missing from the copy.
TEST_F(ServiceCopyTest, UnreadableSubdirectoryFailsTheCopy)
{
    ASSERT_TRUE(testsupport::MakeDirs(src + "/locked"));
    ASSERT_TRUE(WriteFile(src + "/locked/inside", "x"));
    ASSERT_EQ(chmod((src + "/locked").c_str(), 0700), 0);
    OpenForNobody();

    const int status = testsupport::RunAsNobody([&] { return -copier.FSCopyPath(src, dest); });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(LinesWith("[WARNING] halvora-service(").size(), 1u);
    EXPECT_EQ(LinesWith("): FSCopyPath: failed to create handle  for src '" + src +
                        "/locked' failed")
                  .size(),
              1u);
    EXPECT_EQ(LinesWith("): FSCopyPath: failed to copy from '" + src + "/locked'").size(), 1u);
}

TEST_F(ServiceCopyTest, PipesAndDevicesInTheTreeDoNotHang)
{
    ASSERT_TRUE(WriteFile(src + "/file", "x"));
    ASSERT_EQ(mkfifo((src + "/fifo").c_str(), 0644), 0);
    ASSERT_EQ(copier.FSCopyPath(src + "/file", dir / "probe"), 0);

    const int status = RunWithDeadline([&] { return -copier.FSCopyPath(src, dest); }, 10);
    EXPECT_EQ(status, 1) << (status == 1014 ? "the copy hung on the pipe" : "");
    EXPECT_EQ(LinesWith("CopyFile: '" + src + "/fifo' is not a regular file (6)").size(), 1u);

    ASSERT_EQ(unlink((src + "/fifo").c_str()), 0);
    ASSERT_EQ(symlink("/dev/zero", (src + "/zero").c_str()), 0);
    const int device = RunWithDeadline([&] { return -copier.FSCopyPath(src, dir / "dest2"); }, 10);
    EXPECT_EQ(device, 1) << (device == 1014 ? "the copy kept reading the device" : "");
    EXPECT_EQ(LinesWith("CopyFile: '" + src + "/zero' is not a regular file (5)").size(), 1u);
    EXPECT_FALSE(Exists(dir / "dest2/zero"));
}

} // namespace
