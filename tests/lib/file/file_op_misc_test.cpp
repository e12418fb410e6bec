// Links, owners, times, access checks, file-system queries and temporary names.
#include <cerrno>
#include <climits>
#include <unistd.h>

#include "file-op-fixture.h"

using testsupport::Exists;
using testsupport::WriteFile;

namespace {

std::string S(const ustring& u) { return u.c_str(); }

const std::string kAlphabet =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

// ---- Symbolic links ---------------------------------------------------------------

TEST_F(FileOpTest, SymbolicLinkRoundTrip)
{
    ASSERT_EQ(FSCreateSymbolicLink("some/target", P("link")), 0);
    ustring target;
    ASSERT_EQ(FSReadSymbolicLink(P("link"), target), 0);
    EXPECT_EQ(S(target), "some/target");
    EXPECT_EQ(Log(), "");
}

// The longest target Linux stores (PATH_MAX - 1 bytes) still fits the
// buffer with room to spare for the check that it was not cut.
TEST_F(FileOpTest, LongestStorableTargetIsReadCompletely)
{
    std::string longest;
    while (longest.size() < PATH_MAX - 1)
        longest += "abcdefghi/";
    longest.resize(PATH_MAX - 1);
    ASSERT_EQ(FSCreateSymbolicLink(longest, P("link")), 0);
    ustring target("stale");
    ASSERT_EQ(FSReadSymbolicLink(P("link"), target), 0);
    EXPECT_EQ(target.length(), longest.size());
    EXPECT_EQ(S(target), longest);
}

TEST_F(FileOpTest, SymbolicLinkFailuresAreLoggedWithCode)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    EXPECT_EQ(FSCreateSymbolicLink("anything", P("file")), -1);
    EXPECT_EQ(CountLogLines("): FSCreateSymbolicLink: Failed to create symbolic link 'anything' -> '" +
                            P("file") + "' (code: 17, msg: File exists)"),
              1);
    ustring target("unchanged");
    EXPECT_EQ(FSReadSymbolicLink(P("file"), target), -1);
    EXPECT_EQ(S(target), "unchanged");
    EXPECT_EQ(CountLogLines("): FSReadSymbolicLink: Failed to read symbolic link '" + P("file") +
                            "' (code: 22, msg: Invalid argument)"),
              1);
}

// ---- Owner and times ---------------------------------------------------------------

class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path)
    {
        m_saved = getcwd(nullptr, 0);
        m_ok = chdir(path.c_str()) == 0;
    }
    ~WorkingDirectory()
    {
        if (m_saved && chdir(m_saved) != 0)
            fprintf(stderr, "could not return to %s\n", m_saved);
        free(m_saved);
    }
    bool ok() const { return m_ok; }

private:
    char* m_saved = nullptr;
    bool m_ok = false;
};

TEST_F(FileOpTest, ChownOfRelativePathUsesTheWorkingDirectoryAndNotTheLinkTarget)
{
    const uid_t nobody = testsupport::NobodyUid();
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    ASSERT_EQ(symlink("file", P("link").c_str()), 0);
    WorkingDirectory cwd(dir.path());
    ASSERT_TRUE(cwd.ok());

    ASSERT_EQ(FSChown("link", nobody, nobody), 0);
    struct stat st;
    ASSERT_EQ(lstat(P("link").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, nobody);
    EXPECT_EQ(st.st_gid, nobody);
    ASSERT_EQ(stat(P("file").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, getuid());

    ASSERT_EQ(FSChown("file", nobody, nobody), 0);
    ASSERT_EQ(stat(P("file").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, nobody);

    EXPECT_EQ(FSChown("missing", nobody, nobody), -1);
    EXPECT_EQ(CountLogLines("): FSChown: Failed to chown 'missing' (code: 2, msg: No such file or "
                            "directory)"),
              1);
}

TEST_F(FileOpTest, UTimeChangesALinkItselfNotItsTarget)
{
    ASSERT_TRUE(WriteFile(P("file"), "x"));
    ASSERT_EQ(symlink("file", P("link").c_str()), 0);
    struct stat target_before;
    ASSERT_EQ(stat(P("file").c_str(), &target_before), 0);

    ASSERT_EQ(FSUTime(P("link"), 1000000000, 1234567890), 0);
    struct stat st;
    ASSERT_EQ(lstat(P("link").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtime, 1234567890);
    EXPECT_EQ(st.st_atime, 1000000000);
    ASSERT_EQ(stat(P("file").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtime, target_before.st_mtime);

    EXPECT_EQ(FSUTime(P("missing"), 1, 1), -1);
}

// ---- Access and file systems ------------------------------------------------------

TEST_F(FileOpTest, LockedMeansAccessDeniedForTheCallingUser)
{
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_TRUE(WriteFile(P("private"), "x"));
    ASSERT_EQ(chmod(P("private").c_str(), 0600), 0);
    ASSERT_TRUE(WriteFile(P("public"), "x"));
    ASSERT_EQ(chmod(P("public").c_str(), 0644), 0);

    const int status = testsupport::RunAsNobody([&] {
        int wrong = 0;
        wrong |= isFileLocked(P("private"), R_OK) ? 0 : 1;
        wrong |= hasFilePermission(P("private"), R_OK) ? 2 : 0;
        wrong |= isFileLocked(P("public"), R_OK) ? 4 : 0;
        wrong |= isFileLocked(P("public"), W_OK) ? 0 : 8;
        // Missing is not locked: nothing stands in the way of creating it.
        wrong |= hasFilePermission(P("missing"), R_OK) ? 0 : 16;
        return wrong;
    });
    EXPECT_EQ(status, 0) << "bit mask of wrong answers";
}

TEST_F(FileOpTest, FileSystemQueries)
{
    EXPECT_FALSE(isMountPoint(dir.path()));
    EXPECT_FALSE(IsMSDOS(dir.path()));
    EXPECT_EQ(Log(), "");

    EXPECT_FALSE(isMountPoint(P("missing")));
    EXPECT_EQ(CountLogLines("): isMountPoint: Failed to get file system info '" + P("missing") +
                            "'. No such file or directory"),
              1);
    EXPECT_FALSE(IsMSDOS(P("missing")));
    EXPECT_EQ(CountLogLines("): IsSupportLargeFile: Failed to get file system info '" + P("missing") +
                            "'. No such file or directory"),
              1);
}

TEST_F(FileOpTest, RealPathResolvesLinksAndLogsBothForms)
{
    ASSERT_TRUE(testsupport::MakeDirs(P("real/sub")));
    ASSERT_EQ(symlink("real", P("link").c_str()), 0);
    ustring path(P("link") + "/./sub");
    ASSERT_EQ(FSGetRealPath(path), 0);
    char expected[PATH_MAX];
    ASSERT_NE(realpath(P("real/sub").c_str(), expected), nullptr);
    EXPECT_EQ(S(path), expected);
    EXPECT_EQ(CountLogLines("[DEBUG] file-op("), 2);
    EXPECT_EQ(CountLogLines("):  org path [" + P("link") + "/./sub]"), 1);
    EXPECT_EQ(CountLogLines(std::string("):  get full path [") + expected + "]"), 1);

    ustring missing(P("missing"));
    EXPECT_EQ(FSGetRealPath(missing), -1);
    EXPECT_EQ(S(missing), P("missing"));
    EXPECT_EQ(CountLogLines("get full path"), 1);
}

// ---- Temporary files and names ----------------------------------------------------

TEST_F(FileOpTest, MktempCreatesAReadableFileInThePrefix)
{
    const mode_t saved = umask(077);
    ustring path;
    ASSERT_EQ(FSMktemp(dir.path(), path), 0);
    umask(saved);
    const std::string created = S(path);
    ASSERT_EQ(created.size(), dir.path().size() + 7);
    EXPECT_EQ(created.substr(0, dir.path().size() + 1), dir.path() + "/");
    EXPECT_EQ(PermissionsOf(created), 0644u);

    ustring other;
    ASSERT_EQ(FSMktemp(dir.path(), other), 0);
    EXPECT_NE(S(other), created);
}

TEST_F(FileOpTest, MktempFailsForMissingOrOverlongPrefix)
{
    ustring path("unchanged");
    EXPECT_EQ(FSMktemp(P("missing"), path), -1);
    EXPECT_EQ(S(path), "unchanged");
    EXPECT_EQ(CountLogLines("): mkstemp(" + P("missing") + "/XXXXXX): No such file or directory"), 1);

    // Cut to fit the template buffer, the name would lose its X and could
    // land beside the prefix instead of inside it.
    const std::string overlong = P(std::string(4100 - dir.path().size(), 'X'));
    EXPECT_EQ(FSMktemp(overlong, path), -1);
    EXPECT_EQ(CountLogLines("File name too long"), 1);
}

TEST_F(FileOpTest, TempPathIsANewNameInsideThePrefixWithNothingCreated)
{
    ustring first;
    ustring second;
    ASSERT_EQ(FSCreateTempPath(dir.path(), first), 0);
    ASSERT_EQ(FSCreateTempPath(dir.path(), second), 0);
    EXPECT_NE(S(first), S(second));
    for (const std::string& path : {S(first), S(second)}) {
        ASSERT_EQ(path.size(), dir.path().size() + 9);
        EXPECT_EQ(path.substr(0, dir.path().size() + 1), dir.path() + "/");
        EXPECT_EQ(path.find_first_not_of(kAlphabet, dir.path().size() + 1), std::string::npos);
        EXPECT_FALSE(Exists(path));
    }
}

} // namespace
