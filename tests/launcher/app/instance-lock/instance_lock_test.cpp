#include <QString>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "instance-lock.h"
#include "test-support.h"

using testsupport::TempDir;

namespace {

// A lock holder in a child process, as a second launcher would be.
pid_t StartHolder(const std::string& exe, int hold_ms, int* out_fd = nullptr)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    pid_t pid = fork();
    if (pid == 0) {
        // Nobody reads the verdict of a holder started without out_fd.
        int out = out_fd ? fds[1] : open("/dev/null", O_WRONLY);
        dup2(out, 1);
        close(fds[0]);
        execl(LOCK_HOLDER, LOCK_HOLDER, exe.c_str(), std::to_string(hold_ms).c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (out_fd)
        *out_fd = fds[0];
    else
        close(fds[0]);
    return pid;
}

// Waits until the holder has printed its verdict.
std::string ReadVerdict(int fd)
{
    std::string text;
    char c;
    while (read(fd, &c, 1) == 1 && c != '\n')
        text += c;
    close(fd);
    return text;
}

int WaitExit(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int RunHolder(const std::string& exe)
{
    return WaitExit(StartHolder(exe, 0));
}

class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Keyed on a path of this test alone, so parallel tests never meet.
        exe = dir.path() + "/bin/halvora-launcher";
        // The lock files go with the test's own directory.
        std::string runtime = dir / "run";
        mkdir(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    TempDir dir;
    std::string exe;
};

TEST_F(InstanceLockTest, SecondProcessOfSameUserAndExecutableSeesItHeld)
{
    int fd = -1;
    pid_t first = StartHolder(exe, 3000, &fd);
    ASSERT_EQ(ReadVerdict(fd), "acquired");
    EXPECT_EQ(RunHolder(exe), InstanceLock::HeldElsewhere);
    kill(first, SIGTERM);
    WaitExit(first);
}

TEST_F(InstanceLockTest, KilledHolderNeverBlocksTheNextStart)
{
    int fd = -1;
    pid_t first = StartHolder(exe, 60000, &fd);
    ASSERT_EQ(ReadVerdict(fd), "acquired");
    kill(first, SIGKILL);
    WaitExit(first);
    EXPECT_EQ(RunHolder(exe), InstanceLock::Acquired);
}

TEST_F(InstanceLockTest, AnotherCopyOfTheExecutableRunsBeside)
{
    int fd = -1;
    pid_t first = StartHolder(exe, 3000, &fd);
    ASSERT_EQ(ReadVerdict(fd), "acquired");
    EXPECT_EQ(RunHolder(dir.path() + "/copy/bin/halvora-launcher"), InstanceLock::Acquired);
    kill(first, SIGTERM);
    WaitExit(first);
}

TEST_F(InstanceLockTest, ManyStartsInTheSameInstantLetExactlyOneRun)
{
    std::vector<pid_t> pids;
    // Held long enough that even a slow start of the last one meets it.
    for (int i = 0; i < 12; ++i)
        pids.push_back(StartHolder(exe, 4000));
    int acquired = 0, held = 0;
    for (pid_t pid : pids) {
        int code = WaitExit(pid);
        acquired += code == InstanceLock::Acquired;
        held += code == InstanceLock::HeldElsewhere;
    }
    EXPECT_EQ(acquired, 1);
    EXPECT_EQ(held, 11);
}

TEST_F(InstanceLockTest, TheLockIsNotInheritedByStartedPrograms)
{
    // The client started by the launcher outlives it; holding the lock through
    // an inherited descriptor would block every later launch.
    InstanceLock lock;
    ASSERT_EQ(lock.Acquire(QString::fromStdString(exe)), InstanceLock::Acquired);
    QString path = InstanceLock::LockFilePath(QString::fromStdString(exe), geteuid());
    std::string probe = "for f in /proc/self/fd/*; do readlink \"$f\"; done | grep -qF '" +
                        path.toStdString() + "'";
    EXPECT_NE(system(probe.c_str()), 0) << "lock descriptor leaked into a child";
}

TEST_F(InstanceLockTest, AnotherUsersLockDoesNotCountAsRunning)
{
    std::string nobody_dir = "/tmp/halvora-launcher-" + std::to_string(testsupport::NobodyUid());
    bool existed = testsupport::Exists(nobody_dir);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::string shared = exe;
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        _exit(testsupport::RunAsNobody([&] {
            setenv("HOME", "/nonexistent", 1);
            InstanceLock lock;
            bool ok = lock.Acquire(QString::fromStdString(shared)) == InstanceLock::Acquired;
            if (write(fds[1], ok ? "1" : "0", 1) != 1)
                return 11;
            sleep(2);
            return ok ? 0 : 10;
        }));
    }
    close(fds[1]);
    char verdict = 0;
    ASSERT_EQ(read(fds[0], &verdict, 1), 1);
    close(fds[0]);
    ASSERT_EQ(verdict, '1') << "nobody could not take its own lock";
    EXPECT_EQ(RunHolder(exe), InstanceLock::Acquired);
    EXPECT_EQ(WaitExit(child), 0);
    if (!existed)
        testsupport::RemoveTree(nobody_dir);
}

TEST_F(InstanceLockTest, LockFilesLiveInAPrivateDirectoryOfTheUser)
{
    QString path = InstanceLock::LockFilePath(QString::fromStdString(exe), geteuid());
    ASSERT_FALSE(path.isEmpty());
    std::string parent = path.left(path.lastIndexOf('/')).toStdString();
    struct stat st;
    ASSERT_EQ(lstat(parent.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_uid, geteuid());
    EXPECT_EQ(st.st_mode & 077, 0u);
}

TEST_F(InstanceLockTest, UsesAPrivateRuntimeDirectoryAndRefusesAnOpenOne)
{
    std::string runtime = dir / "runtime";
    ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    QString path = InstanceLock::LockFilePath(QString::fromStdString(exe), geteuid());
    EXPECT_TRUE(path.startsWith(QString::fromStdString(runtime + "/"))) << path.toStdString();

    chmod(runtime.c_str(), 0777);
    path = InstanceLock::LockFilePath(QString::fromStdString(exe), geteuid());
    EXPECT_FALSE(path.startsWith(QString::fromStdString(runtime + "/"))) << path.toStdString();
}

TEST_F(InstanceLockTest, ADirectoryPreparedByAnotherUserIsNotTrusted)
{
    // The temporary lock directory of "nobody" is prepared beforehand; nobody's
    // launcher must neither use it nor be kept from running.
    uid_t nobody = testsupport::NobodyUid();
    std::string planted = "/tmp/halvora-launcher-" + std::to_string(nobody);
    struct stat st;
    if (lstat(planted.c_str(), &st) == 0)
        GTEST_SKIP() << planted << " already exists; not touching it";
    std::string home = dir / "nobody-home";
    ASSERT_EQ(mkdir(home.c_str(), 0755), 0);
    ASSERT_EQ(chown(home.c_str(), nobody, nobody), 0);
    chmod(dir.path().c_str(), 0755);

    // Another user's, open or closed, and nobody's own but open to all.
    for (auto [owner, mode] : {std::pair<uid_t, mode_t>{0, 0777}, {0, 0700}, {nobody, 0777}}) {
        ASSERT_EQ(mkdir(planted.c_str(), mode), 0);
        chmod(planted.c_str(), mode);
        ASSERT_EQ(chown(planted.c_str(), owner, owner), 0);
        std::string shared = exe;
        int code = testsupport::RunAsNobody([&] {
            setenv("HOME", home.c_str(), 1);
            unsetenv("XDG_RUNTIME_DIR");
            QString path = InstanceLock::LockFilePath(QString::fromStdString(shared), nobody);
            if (!path.startsWith(QString::fromStdString(home + "/.HalvoraBackup/run/")))
                return 20;
            InstanceLock lock;
            return lock.Acquire(QString::fromStdString(shared)) == InstanceLock::Acquired ? 0 : 21;
        });
        rmdir(planted.c_str());
        EXPECT_EQ(code, 0) << "owner " << owner << " mode " << std::oct << mode;
    }
}

} // namespace
