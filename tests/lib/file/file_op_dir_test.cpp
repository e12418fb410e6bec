// Directories, listings, paths and file information.
#include <cerrno>
#include <map>
#include <set>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utime.h>

#include "file-op-fixture.h"

using testsupport::WriteFile;

namespace {

std::string S(const ustring& u) { return u.c_str(); }

// ---- FSMKDir ------------------------------------------------------------------

TEST_F(FileOpTest, MkdirOfExistingDirectorySucceedsSilently)
{
    ASSERT_EQ(FSMKDir(dir.path(), false), 0);
    ASSERT_EQ(FSMKDir(dir.path(), true), 0);
    EXPECT_EQ(Log(), "");
}

TEST_F(FileOpTest, MkdirOnFileOrLinkReportsItsType)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    ASSERT_EQ(symlink(P("file").c_str(), P("link").c_str()), 0);

    EXPECT_EQ(FSMKDir(P("file"), true), -1);
    EXPECT_EQ(CountLogLines("[ERROR] file-op("), 1);
    EXPECT_EQ(CountLogLines("): FSMKDir: Create a folder but local file system is not directory '" +
                            P("file") + "' (1)"),
              1);
    // A link to a file is the link, type 3.
    EXPECT_EQ(FSMKDir(P("link"), false), -1);
    EXPECT_EQ(CountLogLines("not directory '" + P("link") + "' (3)"), 1);
}

// A folder of the user's may be a link to a folder elsewhere (the per-user
// folder kept on another disk): it counts as the folder, with or without
// parents to create, and so does a linked parent on the way.
TEST_F(FileOpTest, MkdirFollowsALinkToAFolder)
{
    ASSERT_TRUE(testsupport::MakeDirs(P("elsewhere")));
    ASSERT_EQ(symlink(P("elsewhere").c_str(), P("link").c_str()), 0);

    EXPECT_EQ(FSMKDir(P("link"), false), 0);
    EXPECT_EQ(FSMKDir(P("link"), true), 0);
    EXPECT_EQ(FSMKDir(P("link/a/b"), true), 0);
    EXPECT_TRUE(testsupport::Exists(P("elsewhere/a/b")));
    EXPECT_EQ(Log(), "");
}

TEST_F(FileOpTest, MkdirWithParentsCreatesEveryMissingLevel)
{
    ASSERT_EQ(mkdir(P("a").c_str(), 0755), 0);
    ASSERT_EQ(FSMKDir(P("a/b/c"), true), 0);
    FILE_INFO info;
    ASSERT_EQ(GetFileInfo(P("a/b/c"), info), 0);
    EXPECT_EQ(info.type, FT_DIR);
    EXPECT_EQ(Log(), "");
}

TEST_F(FileOpTest, MkdirWithoutParentsFailsWithMinusTwoAndTheErrno)
{
    ASSERT_EQ(mkdir(P("a").c_str(), 0755), 0);
    EXPECT_EQ(FSMKDir(P("a/b/c"), false), -2);
    EXPECT_FALSE(testsupport::Exists(P("a/b")));
    EXPECT_EQ(CountLogLines("[ERROR] file-op("), 1);
    EXPECT_EQ(CountLogLines("): path = " + P("a/b/c") + " errno : No such file or directory"), 1);
}

TEST_F(FileOpTest, MkdirFailsWithMinusOneWhenInformationIsUnreadable)
{
    EXPECT_EQ(FSMKDir("", true), -1);
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    // lstat of a path through a regular file fails with ENOTDIR.
    EXPECT_EQ(FSMKDir(P("file/sub"), true), -1);
    EXPECT_EQ(CountLogLines("): FSMKDir: Failed to to file info '" + P("file/sub") + "'"), 1);
}

// ---- FSMKDirP -----------------------------------------------------------------

TEST_F(FileOpTest, MkdirPAppliesAnExplicitModeExactlyAndRestoresTheUmask)
{
    const mode_t saved = umask(022);
    ASSERT_EQ(FSMKDirP(P("x/y"), nullptr, false, 0777), 0);
    EXPECT_EQ(PermissionsOf(P("x")), 0777u);
    EXPECT_EQ(PermissionsOf(P("x/y")), 0777u);
    EXPECT_EQ(umask(saved), 022u);
}

TEST_F(FileOpTest, MkdirPWithoutModeHonoursTheUmask)
{
    const mode_t saved = umask(027);
    ASSERT_EQ(FSMKDirP(P("x/y"), nullptr, false, static_cast<mode_t>(-1)), 0);
    EXPECT_EQ(PermissionsOf(P("x/y")), 0750u);
    umask(saved);
}

TEST_F(FileOpTest, MkdirPStopsAtAFileAndPointsAtWhereItStopped)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    const ustring last = P("file");
    char* end = nullptr;
    errno = 0;
    EXPECT_EQ(FSMKDirP(last, &end, false, static_cast<mode_t>(-1)), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(end, last.c_str() + last.length());
    EXPECT_EQ(CountLogLines("[INFO] file-op("), 1);
    EXPECT_EQ(CountLogLines("): FSMKDirP: path: " + P("file") +
                            " is existing file or symbolic link pointed to file"),
              1);

    const ustring deeper = P("file/x/y");
    EXPECT_EQ(FSMKDirP(deeper, &end, false, static_cast<mode_t>(-1)), -1);
    EXPECT_EQ(std::string(end), "/y");
    EXPECT_EQ(CountLogLines("): FSMKDirP: path: " + P("file") + " is symbolic link pointed to folder"),
              1);
    EXPECT_EQ(testsupport::ReadFile(P("file")), "x");
}

TEST_F(FileOpTest, MkdirPForceReplacesAFileInTheWay)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    ASSERT_EQ(FSMKDirP(P("file/sub"), nullptr, true, static_cast<mode_t>(-1)), 0);
    FILE_INFO info;
    ASSERT_EQ(GetFileInfo(P("file/sub"), info), 0);
    EXPECT_EQ(info.type, FT_DIR);
}

TEST_F(FileOpTest, MkdirPOfEmptyPathFails)
{
    EXPECT_EQ(FSMKDirP("", nullptr, false, static_cast<mode_t>(-1)), -1);
}

// ---- Listings -------------------------------------------------------------------

std::vector<std::pair<std::string, int>> ReadAll(DIR_HANDLE& handle, int& last)
{
    std::vector<std::pair<std::string, int>> entries;
    DIR_ENTRY entry;
    while ((last = FSReadDir(handle, entry)) == 1)
        entries.emplace_back(S(entry.name), entry.type);
    return entries;
}

TEST_F(FileOpTest, ReadDirOfEmptyDirectoryDeliversDotAndDotDot)
{
    DIR_HANDLE handle;
    ASSERT_EQ(FSOpenDir(dir.path(), 0, handle), 0);
    int last = 1;
    const auto entries = ReadAll(handle, last);
    EXPECT_EQ(last, 0);
    std::set<std::string> names;
    for (const auto& entry : entries) {
        names.insert(entry.first);
        EXPECT_EQ(entry.second, FT_DIR);
    }
    EXPECT_EQ(names, (std::set<std::string>{".", ".."}));
    EXPECT_EQ(entries.size(), 2u);
    FSCloseDir(handle);
    EXPECT_EQ(handle.dp, nullptr);
    EXPECT_TRUE(handle.path.empty());
}

TEST_F(FileOpTest, ReadDirReportsEachKindFromTheListing)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    ASSERT_EQ(mkdir(P("dir").c_str(), 0755), 0);
    ASSERT_EQ(symlink("file", P("link").c_str()), 0);
    ASSERT_TRUE(MakeFifo(P("fifo")));
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    struct sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    snprintf(addr.sun_path, sizeof(addr.sun_path), "%s", P("sock").c_str());
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    close(sock);

    DIR_HANDLE handle;
    ASSERT_EQ(FSOpenDir(dir.path(), 0, handle), 0);
    int last = 1;
    std::map<std::string, int> types;
    for (const auto& entry : ReadAll(handle, last))
        types[entry.first] = entry.second;
    FSCloseDir(handle);
    EXPECT_EQ(last, 0);
    const std::map<std::string, int> expected = {
        {".", FT_DIR},       {"..", FT_DIR},     {"file", FT_FILE},   {"dir", FT_DIR},
        {"link", FT_SLINK}, {"fifo", FT_FIFO}, {"sock", FT_SOCK},
    };
    EXPECT_EQ(types, expected);
}

TEST_F(FileOpTest, ReadDirFillsSizeAndTimeOnlyWhenAsked)
{
    ASSERT_TRUE(WriteFile(P("file"), "twelve bytes"));
    struct utimbuf times = {1000000000, 1234567890};
    ASSERT_EQ(utime(P("file").c_str(), &times), 0);

    for (int flag : {0, 1}) {
        DIR_HANDLE handle;
        ASSERT_EQ(FSOpenDir(dir.path(), flag, handle), 0);
        DIR_ENTRY entry;
        bool seen = false;
        while (FSReadDir(handle, entry) == 1) {
            if (S(entry.name) != "file")
                continue;
            seen = true;
            EXPECT_EQ(entry.size, flag ? 12u : 0u) << "flag " << flag;
            EXPECT_EQ(entry.mtime, flag ? 1234567890u : 0u) << "flag " << flag;
        }
        FSCloseDir(handle);
        EXPECT_TRUE(seen);
    }
}

TEST_F(FileOpTest, OpenDirOfMissingDirectoryLogsTheCause)
{
    DIR_HANDLE handle;
    EXPECT_EQ(FSOpenDir(P("missing"), 0, handle), -1);
    EXPECT_EQ(handle.dp, nullptr);
    EXPECT_EQ(CountLogLines("): FSOpenDir: Failed to open directory '" + P("missing") +
                            "'. No such file or directory"),
              1);
    DIR_ENTRY entry;
    EXPECT_EQ(FSReadDir(handle, entry), -1);
    EXPECT_EQ(CountLogLines("): FSOpenDir: Failed to read directory"), 1);
}

// ---- Paths ----------------------------------------------------------------------

TEST(FilePaths, BaseNameAndParentPath)
{
    const struct {
        const char* path;
        const char* base;
        const char* parent;
    } rows[] = {
        {"/a/b", "b", "/a"},   {"/a/b/", "", "/a/b"}, {"/a", "a", "/"},
        {"name", "name", "/"}, {"/", "", "/"},        {"a/b", "b", "a"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(S(FSBaseName(row.path)), row.base) << row.path;
        EXPECT_EQ(S(FSParentPath(row.path)), row.parent) << row.path;
    }
}

TEST(FilePaths, IsParentFolderComparesWholeComponents)
{
    const struct {
        const char* parent;
        const char* child;
        bool expected;
    } rows[] = {
        {"/a", "/a", true},    {"/a", "/a/b", true},    {"/a", "/ab", false},
        {"/a", "/", false},    {"/a/", "/a/b", false},  {"/a/", "/a/", true},
        {"/a/b", "/a", false}, {"/a", "/b/a", false},   {"", "", true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FSIsParentFolder(row.parent, row.child), row.expected)
            << row.parent << " / " << row.child;
}

// ---- FSMKDirFromRoot --------------------------------------------------------------

TEST_F(FileOpTest, MkdirFromRootCreatesOneLevelAtATime)
{
    ASSERT_EQ(FSMKDirFromRoot(P("b/c"), dir.path()), 0);
    EXPECT_TRUE(testsupport::Exists(P("b/c")));
    const std::string log_text = Log();
    const size_t first = log_text.find("[DEBUG] file-op(");
    const size_t b = log_text.find("): FSMKDirFromRoot: create /b\n");
    const size_t bc = log_text.find("): FSMKDirFromRoot: create /b/c\n");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    ASSERT_NE(bc, std::string::npos);
    EXPECT_LT(b, bc);
    EXPECT_EQ(CountLogLines("FSMKDirFromRoot: create"), 2);

    // The root itself needs nothing.
    EXPECT_EQ(FSMKDirFromRoot(dir.path(), dir.path()), 0);
    EXPECT_EQ(CountLogLines("FSMKDirFromRoot: create"), 2);
}

TEST_F(FileOpTest, MkdirFromRootRefusesATargetOutsideTheRoot)
{
    ASSERT_EQ(mkdir(P("root").c_str(), 0755), 0);
    EXPECT_EQ(FSMKDirFromRoot(dir.path(), P("root")), -1);
    EXPECT_EQ(CountLogLines("): Giving a root '" + P("root") + "' whose length is larger then target's '" +
                            dir.path() + "'."),
              1);
    EXPECT_EQ(FSMKDirFromRoot(P("rootless/x"), P("root")), -1);
    EXPECT_EQ(CountLogLines("): root '" + P("root") + "' is not a parent folder of target '" +
                            P("rootless/x") + "'"),
              1);
    EXPECT_FALSE(testsupport::Exists(P("rootless")));
}

TEST_F(FileOpTest, MkdirFromRootStopsAtALevelThatIsAFile)
{
    ASSERT_TRUE(WriteFile(P("b"), "x"));
    EXPECT_EQ(FSMKDirFromRoot(P("b/c"), dir.path()), -1);
    // Only /b was tried: the walk ended there.
    EXPECT_EQ(CountLogLines("FSMKDirFromRoot: create /b"), 1);
    EXPECT_EQ(CountLogLines("not directory '" + P("b") + "' (1)"), 1);
}

// ---- Information ----------------------------------------------------------------

TEST_F(FileOpTest, InfoOfMissingPathSaysItDoesNotExist)
{
    FILE_INFO info;
    info.size = 99;
    ASSERT_EQ(GetFileInfo(P("missing"), info), 0);
    EXPECT_FALSE(info.isExist);
    EXPECT_EQ(info.type, FT_ERR);
    EXPECT_EQ(info.size, 0u);
    EXPECT_EQ(S(info.name), "missing");
    EXPECT_EQ(S(info.path), P("missing"));
    EXPECT_FALSE(IsFileExist(P("missing"), false));
}

TEST_F(FileOpTest, InfoDescribesTheObjectNotTheLinkTarget)
{
    ASSERT_TRUE(WriteFile(P("file"), "12345"));
    ASSERT_EQ(chmod(P("file").c_str(), 0640), 0);
    ASSERT_EQ(symlink("nowhere", P("dangling").c_str()), 0);

    FILE_INFO info;
    ASSERT_EQ(FSStat(P("file"), info, false), 0);
    EXPECT_TRUE(info.isExist);
    EXPECT_EQ(info.type, FT_FILE);
    EXPECT_EQ(info.size, 5u);
    EXPECT_EQ(info.mode & 07777, 0640u);
    EXPECT_EQ(info.dev_id, DeviceOf(P("file")));

    ASSERT_EQ(FSStat(P("dangling"), info, false), 0);
    EXPECT_EQ(info.type, FT_SLINK);
    EXPECT_TRUE(IsFileExist(P("dangling"), false));
}

TEST_F(FileOpTest, UnreadableInformationIsAFailure)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    FILE_INFO info;
    info.size = 42;
    EXPECT_EQ(GetFileInfo(P("file/x"), info), -1);
    EXPECT_EQ(info.size, 42u); // untouched
    EXPECT_EQ(FSStat(P("file/x"), info, false), -2);
    EXPECT_EQ(FSStat("", info, false), -1);
    EXPECT_FALSE(IsFileExist(P("file/x"), false));
    EXPECT_FALSE(IsFileExist("", false));
    EXPECT_EQ(Log(), "");
}

TEST_F(FileOpTest, InfoEqualityIgnoresOwnerButNotSize)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    FILE_INFO before;
    FILE_INFO after;
    ASSERT_EQ(GetFileInfo(P("file"), before), 0);
    ASSERT_EQ(chown(P("file").c_str(), testsupport::NobodyUid(), testsupport::NobodyUid()), 0);
    ASSERT_EQ(GetFileInfo(P("file"), after), 0);
    EXPECT_NE(before.uid, after.uid);
    EXPECT_TRUE(before == after);

    ASSERT_TRUE(WriteFile(P("file"), "longer"));
    ASSERT_EQ(GetFileInfo(P("file"), after), 0);
    EXPECT_TRUE(before != after);
    EXPECT_TRUE(FILE_INFO() == FILE_INFO());
}

} // namespace
