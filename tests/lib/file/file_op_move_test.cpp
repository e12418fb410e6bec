// Copying, moving and removing files and trees on real file systems.
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file-op-fixture.h"

using testsupport::Exists;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

const size_t kChunk = 32u << 20;
#if defined(__SANITIZE_ADDRESS__)
const bool kAddressSanitizer = true;
#else
const bool kAddressSanitizer = false;
#endif

[[maybe_unused]] int OpenDescriptorCount()
{
    int count = 0;
    DIR* fds = opendir("/proc/self/fd");
    if (fds == nullptr)
        return -1;
    while (readdir(fds) != nullptr)
        ++count;
    closedir(fds);
    return count;
}

[[maybe_unused]] size_t VirtualSize()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, 7, "VmSize:") == 0)
            return std::stoul(line.substr(7)) * 1024;
    }
    return 0;
}

// A small tree with a file on every level: root/{top.txt, a/{one.txt, b/{two.txt}}, empty/}.
void MakeTree(const std::string& root)
{
    ASSERT_TRUE(testsupport::MakeDirs(root + "/a/b"));
    ASSERT_TRUE(testsupport::MakeDirs(root + "/empty"));
    ASSERT_TRUE(WriteFile(root + "/top.txt", "top"));
    ASSERT_TRUE(WriteFile(root + "/a/one.txt", "one"));
    ASSERT_TRUE(WriteFile(root + "/a/b/two.txt", RandomBytes(100000, 7)));
}

void ExpectTree(const std::string& root)
{
    EXPECT_EQ(ReadFile(root + "/top.txt"), "top");
    EXPECT_EQ(ReadFile(root + "/a/one.txt"), "one");
    EXPECT_EQ(ReadFile(root + "/a/b/two.txt"), RandomBytes(100000, 7));
    FILE_INFO info;
    ASSERT_EQ(GetFileInfo(root + "/empty", info), 0);
    EXPECT_EQ(info.type, FT_DIR);
}

// ---- FSCopy ----------------------------------------------------------------------

TEST_F(FileOpTest, CopyOfFileLargerThanOneChunkIsExact)
{
    const std::string data = RandomBytes(kChunk + kChunk / 4 + 123, 1);
    ASSERT_TRUE(WriteFile(P("big"), data));
    ASSERT_EQ(FSCopy(P("big"), P("copy"), false), 0);
    EXPECT_TRUE(ReadFile(P("copy")) == data) << "copy differs from the source";
    EXPECT_TRUE(Exists(P("big")));
    EXPECT_EQ(Log(), "");
}

TEST_F(FileOpTest, CopyTruncatesTheDestinationAndCanRemoveTheSource)
{
    ASSERT_TRUE(WriteFile(P("src"), "short"));
    ASSERT_TRUE(WriteFile(P("dst"), "a much longer old content"));
    ASSERT_EQ(FSCopy(P("src"), P("dst"), true), 0);
    EXPECT_EQ(ReadFile(P("dst")), "short");
    EXPECT_FALSE(Exists(P("src")));
}

TEST_F(FileOpTest, CopyFailuresToOpenAreLoggedWithTheErrno)
{
    EXPECT_EQ(FSCopy(P("missing"), P("dst"), false), -1);
    EXPECT_FALSE(Exists(P("dst")));
    EXPECT_EQ(CountLogLines("): CopyFile: open(" + P("missing") + "): No such file or directory (2)"),
              1);

    ASSERT_TRUE(WriteFile(P("src"), "x"));
    EXPECT_EQ(FSCopy(P("src"), P("nodir/dst"), false), -1);
    EXPECT_EQ(CountLogLines("): CopyFile: open(" + P("nodir/dst") + "): No such file or directory (2)"),
              1);
    EXPECT_EQ(CountLogLines("[ERROR] file-op("), 2);
}

TEST_F(FileOpTest, CopyOntoItselfIsRefusedAndKeepsTheData)
{
    ASSERT_TRUE(WriteFile(P("file"), "precious"));
    ASSERT_EQ(link(P("file").c_str(), P("hardlink").c_str()), 0);
    EXPECT_EQ(FSCopy(P("file"), P("file"), false), -1);
    EXPECT_EQ(FSCopy(P("file"), P("hardlink"), false), -1);
    EXPECT_EQ(ReadFile(P("file")), "precious");
    EXPECT_EQ(CountLogLines("are the same file"), 2);
}

TEST_F(FileOpTest, CopyOntoAFullFileSystemReturnsMinusTwoAndLeavesThePart)
{
    ScopedTmpfs small("1m");
    if (!small.mounted())
        GTEST_SKIP() << "cannot mount a 1 MiB tmpfs here (" << small.error() << ")";
    const std::string data = RandomBytes(3u << 20, 2);
    ASSERT_TRUE(WriteFile(P("src"), data));
    const std::string dst = small.path() + "/dst";

    EXPECT_EQ(FSCopy(P("src"), dst, false), -2);
    struct stat st;
    ASSERT_EQ(stat(dst.c_str(), &st), 0) << "the partial file must stay";
    EXPECT_GT(st.st_size, 0);
    EXPECT_LT(static_cast<size_t>(st.st_size), data.size());
    EXPECT_EQ(ReadFile(dst), data.substr(0, static_cast<size_t>(st.st_size)));
    EXPECT_EQ(CountLogLines("): CopyFile: write: No space left on device (28)"), 1);
}

// Pipes and devices have no end: opening a pipe without a writer would wait
// forever and a device like /dev/zero would fill the disk.
TEST_F(FileOpTest, CopyRefusesPipesAndDevicesWithoutWaiting)
{
    ASSERT_TRUE(MakeFifo(P("fifo")));
    const struct {
        std::string source;
        int type;
    } rows[] = {{P("fifo"), FT_FIFO}, {"/dev/zero", FT_DEV}};
    for (const auto& row : rows) {
        const std::string dst = P("out");
        const int status =
            RunWithDeadline([&] { return FSCopy(row.source, dst, false) == -1 ? 0 : 1; }, 10);
        EXPECT_EQ(status, 0) << row.source << (status == 1014 ? ": hung" : "");
        EXPECT_EQ(CountLogLines("): CopyFile: '" + row.source + "' is not a regular file (" +
                                std::to_string(row.type) + ")"),
                  1);
        EXPECT_FALSE(Exists(dst));
    }
}

TEST_F(FileOpTest, CopyIntoAPipeWithoutReaderFailsWithoutWaiting)
{
    ASSERT_TRUE(WriteFile(P("src"), "x"));
    ASSERT_TRUE(MakeFifo(P("fifo")));
    const int status = RunWithDeadline([&] { return FSCopy(P("src"), P("fifo"), false); }, 10);
    EXPECT_EQ(status, 0xff) << (status == 1014 ? "hung" : "expected -1");
    EXPECT_EQ(CountLogLines("): CopyFile: open(" + P("fifo") + "): No such device or address (6)"), 1);
}

// Only the open must not wait for a reader; once one is there, a full pipe
// makes the copy wait like any writer instead of failing.
TEST_F(FileOpTest, CopyIntoAPipeWithASlowReaderDeliversEverything)
{
    const std::string data = RandomBytes(1u << 20, 5);
    ASSERT_TRUE(WriteFile(P("src"), data));
    ASSERT_TRUE(MakeFifo(P("fifo")));
    // Opened before the copy starts, so that the copy finds a reader. A child
    // reads, not a thread: a thread's malloc arena would outlive the test and
    // feed the allocation that the out-of-memory test below expects to fail.
    const int reader = open(P("fifo").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0) << strerror(errno);
    fflush(nullptr);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0) << strerror(errno);
    if (pid == 0) {
        alarm(20);
        struct pollfd first = {reader, POLLIN, 0};
        poll(&first, 1, -1);
        usleep(200000); // the pipe fills up while nothing is read
        fcntl(reader, F_SETFL, fcntl(reader, F_GETFL) & ~O_NONBLOCK);
        std::string received;
        char buf[65536];
        for (ssize_t n; (n = read(reader, buf, sizeof buf)) > 0;)
            received.append(buf, static_cast<size_t>(n));
        _exit(received == data ? 0 : 1);
    }
    close(reader);
    EXPECT_EQ(FSCopy(P("src"), P("fifo"), false), 0);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the reader missed bytes";
    EXPECT_EQ(Log(), "");
}

TEST_F(FileOpTest, CopyWithoutMemoryForTheBufferClosesBothFiles)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer's allocator aborts instead of returning null";
    ASSERT_TRUE(WriteFile(P("src"), "data"));
    const int status = RunWithDeadline(
        [&] {
            const int before = OpenDescriptorCount();
            // Room for small allocations, none for a 32 MiB buffer.
            const rlim_t limit = VirtualSize() + (8u << 20);
            struct rlimit rl = {limit, limit};
            if (setrlimit(RLIMIT_AS, &rl) != 0)
                return 10;
            if (FSCopy(P("src"), P("dst"), false) != -1)
                return 11;
            return OpenDescriptorCount() == before ? 0 : 12;
        },
        30);
    EXPECT_EQ(status, 0) << "10: setrlimit, 11: result, 12: descriptors leaked";
    EXPECT_EQ(CountLogLines("): FSCopy: malloc(33554432): Cannot allocate memory (12)"), 1);
}

// ---- FSRename --------------------------------------------------------------------

TEST_F(FileOpTest, RenameWithinOneFileSystem)
{
    ASSERT_TRUE(WriteFile(P("file"), "content"));
    ASSERT_EQ(FSRename(P("file"), P("moved"), false), 0);
    EXPECT_EQ(ReadFile(P("moved")), "content");
    EXPECT_FALSE(Exists(P("file")));

    MakeTree(P("tree"));
    ASSERT_EQ(FSRename(P("tree"), P("tree2"), false), 0);
    ExpectTree(P("tree2"));
    EXPECT_FALSE(Exists(P("tree")));
}

TEST_F(FileOpTest, RenameFailureCodes)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    ASSERT_TRUE(testsupport::MakeDirs(P("full")));
    ASSERT_TRUE(WriteFile(P("full/inside"), "y"));
    ASSERT_TRUE(testsupport::MakeDirs(P("dir")));

    EXPECT_EQ(FSRename("", P("x"), false), -1);
    EXPECT_EQ(FSRename(P("file"), "", false), -1);
    EXPECT_EQ(FSRename(P("missing"), P("x"), false), -2);
    EXPECT_EQ(FSRename(P("file/x"), P("x"), false), -2);
    // A left-over non-empty directory blocks the name.
    EXPECT_EQ(FSRename(P("dir"), P("full"), false), -3);
    EXPECT_EQ(FSRename(P("file"), P(std::string(300, 'n')), false), -100);
    EXPECT_EQ(ReadFile(P("file")), "x");
    EXPECT_EQ(ReadFile(P("full/inside")), "y");
}

class CrossDeviceTest : public FileOpTest {
protected:
    void SetUp() override
    {
        FileOpTest::SetUp();
        other = new SecondFileSystem(dir.path());
        if (other->path().empty())
            GTEST_SKIP() << other->reason();
        ASSERT_NE(DeviceOf(other->path()), DeviceOf(dir.path()));
    }
    void TearDown() override { delete other; }
    std::string O(const std::string& name) const { return other->path() + "/" + name; }

    SecondFileSystem* other = nullptr;
};

TEST_F(CrossDeviceTest, FileIsCopiedWithItsPermissionsAndTheSourceRemoved)
{
    const std::string data = RandomBytes(kChunk + 5, 3);
    ASSERT_TRUE(WriteFile(P("tool"), data));
    ASSERT_EQ(chmod(P("tool").c_str(), 0751), 0);
    ASSERT_EQ(FSRename(P("tool"), O("tool"), false), 0);
    EXPECT_FALSE(Exists(P("tool")));
    EXPECT_TRUE(ReadFile(O("tool")) == data);
    EXPECT_EQ(PermissionsOf(O("tool")), 0751u);

    // And back again.
    ASSERT_EQ(FSRename(O("tool"), P("back"), false), 0);
    EXPECT_TRUE(ReadFile(P("back")) == data);
    EXPECT_FALSE(Exists(O("tool")));
}

TEST_F(CrossDeviceTest, TreeIsRecreatedAndTheSourceRemoved)
{
    MakeTree(P("tree"));
    ASSERT_EQ(chmod(P("tree/a").c_str(), 0700), 0);
    ASSERT_EQ(chmod(P("tree/a/b").c_str(), 0555), 0);
    ASSERT_EQ(FSRename(P("tree"), O("tree"), false), 0);
    EXPECT_FALSE(Exists(P("tree")));
    ExpectTree(O("tree"));
    EXPECT_EQ(PermissionsOf(O("tree/a")), 0700u);
    EXPECT_EQ(PermissionsOf(O("tree/a/b")), 0555u);
    chmod(O("tree/a/b").c_str(), 0755);
}

TEST_F(CrossDeviceTest, LinksAndPipesStayWhereTheyAre)
{
    ASSERT_EQ(symlink("target", P("link").c_str()), 0);
    ASSERT_TRUE(MakeFifo(P("fifo")));
    EXPECT_EQ(FSRename(P("link"), O("link"), false), 0);
    EXPECT_EQ(FSRename(P("fifo"), O("fifo"), false), 0);
    EXPECT_TRUE(Exists(P("link")));
    EXPECT_TRUE(Exists(P("fifo")));
    EXPECT_FALSE(Exists(O("link")));
    EXPECT_FALSE(Exists(O("fifo")));
}

TEST_F(CrossDeviceTest, FailedCopyKeepsTheSourceAndLeavesNoPart)
{
    ScopedTmpfs small("1m");
    if (!small.mounted())
        GTEST_SKIP() << "cannot mount a 1 MiB tmpfs here (" << small.error() << ")";
    const std::string data = RandomBytes(3u << 20, 4);
    ASSERT_TRUE(WriteFile(P("big"), data));
    EXPECT_EQ(FSRename(P("big"), small.path() + "/big", false), -3);
    EXPECT_TRUE(ReadFile(P("big")) == data);
    EXPECT_FALSE(Exists(small.path() + "/big"));
    EXPECT_EQ(CountLogLines("): CopyFile: write: No space left on device (28)"), 1);
}

// ---- FSRemove ---------------------------------------------------------------------

TEST_F(FileOpTest, RemoveOfDeepTreeLeavesLinkTargetsAlone)
{
    ASSERT_TRUE(testsupport::MakeDirs(P("outside")));
    ASSERT_TRUE(WriteFile(P("outside/keep"), "keep"));
    std::string level = P("tree");
    for (int depth = 0; depth < 60; ++depth) {
        ASSERT_TRUE(testsupport::MakeDirs(level));
        ASSERT_TRUE(WriteFile(level + "/file", std::to_string(depth)));
        level += "/d" + std::to_string(depth);
    }
    ASSERT_EQ(symlink(P("outside").c_str(), (P("tree") + "/to-outside").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", (P("tree") + "/d0/dangling").c_str()), 0);
    ASSERT_TRUE(MakeFifo(P("tree") + "/d0/fifo"));

    ASSERT_EQ(FSRemove(P("tree"), false), 0);
    EXPECT_FALSE(Exists(P("tree")));
    EXPECT_EQ(ReadFile(P("outside/keep")), "keep");
    EXPECT_EQ(Log(), "");
}

TEST_F(FileOpTest, RemoveOfSingleObjectsAndMissingPaths)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    ASSERT_EQ(symlink(P("file").c_str(), P("link").c_str()), 0);
    EXPECT_EQ(FSRemove(P("link"), false), 0);
    EXPECT_FALSE(Exists(P("link")));
    EXPECT_TRUE(Exists(P("file")));
    EXPECT_EQ(FSRemove(P("file"), false), 0);
    EXPECT_FALSE(Exists(P("file")));

    EXPECT_EQ(FSRemove(P("missing"), false), 0);
    EXPECT_EQ(FSRemove("", false), -1);
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    EXPECT_EQ(FSRemove(P("file/x"), false), -1);
}

TEST_F(FileOpTest, RemoveReportsWhatCouldNotGo)
{
    MakeTree(P("tree"));
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(system(("chown -R nobody '" + P("tree") + "'").c_str()), 0);
    // A read-only directory of another user keeps its entries.
    ASSERT_EQ(chown(P("tree/a/b").c_str(), 0, 0), 0);
    ASSERT_EQ(chmod(P("tree/a/b").c_str(), 0555), 0);

    const int status = testsupport::RunAsNobody([&] { return -FSRemove(P("tree"), false); });
    EXPECT_EQ(status, 3);
    EXPECT_TRUE(Exists(P("tree/a/b/two.txt")));
    struct stat st;
    ASSERT_EQ(stat(P("tree/a/b").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0555u) << "another user's folder was changed";
    chmod(P("tree/a/b").c_str(), 0755);
}

// Folders of the user's own that the owner may not write, search or read
// (a package may ship them so) are opened up and removed with the rest.
class RemoveOwnFolderTest : public FileOpTest, public ::testing::WithParamInterface<int> {};

TEST_P(RemoveOwnFolderTest, ReadOnlyFoldersOfTheOwnerGoToo)
{
    MakeTree(P("home/tree"));
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(system(("chown -R nobody '" + P("home") + "'").c_str()), 0);
    ASSERT_EQ(chmod(P("home/tree/a/b").c_str(), GetParam()), 0);
    ASSERT_EQ(chmod(P("home/tree/a").c_str(), GetParam()), 0);
    ASSERT_EQ(chmod(P("home/tree").c_str(), GetParam()), 0);

    EXPECT_EQ(testsupport::RunAsNobody([&] { return -FSRemove(P("home/tree"), false); }), 0);
    EXPECT_FALSE(Exists(P("home/tree")));
}

INSTANTIATE_TEST_SUITE_P(Modes, RemoveOwnFolderTest, ::testing::Values(0555, 0500, 0300, 0000),
                         [](const ::testing::TestParamInfo<int>& info) {
                             char name[8];
                             snprintf(name, sizeof(name), "m%04o", info.param);
                             return std::string(name);
                         });

} // namespace
