#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "home-lock.h"
#include "machine-identity.h"
#include "test-support.h"

using testsupport::TempDir;

namespace {

// Another launcher, as a process of its own: holds the lock on dir until
// the test writes to (or closes) its pipe.
class OtherHolder {
public:
    explicit OtherHolder(const std::string& dir)
    {
        int ready[2];
        if (pipe(m_release) != 0 || pipe(ready) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            close(m_release[1]);
            close(ready[0]);
            int fd = open((dir + "/install.lock").c_str(), O_RDWR | O_CREAT, 0600);
            char c = (fd >= 0 && flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
            if (write(ready[1], &c, 1) != 1)
                _exit(2);
            ssize_t n = read(m_release[0], &c, 1);
            _exit(n < 0 ? 3 : 0);
        }
        close(m_release[0]);
        close(ready[1]);
        char c = 'n';
        m_holding = read(ready[0], &c, 1) == 1 && c == 'y';
        close(ready[0]);
    }

    ~OtherHolder() { Release(); }

    void Release()
    {
        if (m_pid <= 0)
            return;
        close(m_release[1]);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

    bool holding() const { return m_holding; }

private:
    int m_release[2] = {-1, -1};
    pid_t m_pid = -1;
    bool m_holding = false;
};

class HomeLockTest : public ::testing::Test {
protected:
    void SetUp() override { log = testsupport::LogToFile(logs.path(), {"service_debug"}); }

    bool Logged(const std::string& text) const
    {
        return testsupport::ReadFile(log).find(text) != std::string::npos;
    }

    TempDir dir{"home-lock"};
    TempDir logs{"home-lock-log"};
    std::string log;
};

TEST_F(HomeLockTest, FreeLockIsHeldUntilReleased)
{
    HomeLock lock;
    EXPECT_EQ(HomeLock::State::Held, lock.Acquire(dir.path().c_str(), 0));
    // Another process meets it held, and takes it once it is released.
    int fd = open((dir / "install.lock").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    EXPECT_NE(0, flock(fd, LOCK_EX | LOCK_NB));
    lock.Release();
    EXPECT_EQ(HomeLock::State::Unlocked, lock.state());
    EXPECT_EQ(0, flock(fd, LOCK_EX | LOCK_NB));
    close(fd);
    EXPECT_EQ("", testsupport::ReadFile(log));
    // Its record goes with it: another machine would wait for it otherwise.
    EXPECT_NE(0, access((dir / "install.owner").c_str(), F_OK));
}

// A lock record another launcher left, where no flock is shared (sshfs):
// held while its machine may still renew it, taken over once provably stale.
TEST_F(HomeLockTest, LockRecordOfAnotherLauncherIsTakenOverOnlyWhenStale)
{
    const Machine& self = ThisMachine();
    struct Row {
        std::string host, boot_id;
        int age_s;
        bool taken;
    } rows[] = {
        {"other-host", "b00700", 10, false},  // renewed lately: may be at work
        {"other-host", "b00700", 400, true},  // not renewed for minutes
        {self.host, "earlier-boot", 10, true}, // a boot of ours before this one
        {self.host, self.boot_id, 10, true},   // ours: its flock would be held
    };
    for (const Row& row : rows) {
        std::string record = dir / "install.owner";
        testsupport::WriteFile(record, "host=" + row.host + "\nboot_id=" + row.boot_id + "\npid=1\n");
        timespec times[2] = {{time(nullptr) - row.age_s, 0}, {time(nullptr) - row.age_s, 0}};
        ASSERT_EQ(0, utimensat(AT_FDCWD, record.c_str(), times, 0));
        HomeLock lock;
        HomeLock::State state = lock.Acquire(dir.path().c_str(), 600000, 0);
        EXPECT_EQ(row.taken ? HomeLock::State::Held : HomeLock::State::Busy, state) << row.host;
        if (row.taken)
            EXPECT_NE(std::string::npos, testsupport::ReadFile(record).find("host=" + self.host));
        else
            EXPECT_TRUE(Logged("): machine other-host (boot b00700) is installing in this home"));
        unlink(record.c_str());
    }
}

// A holder frozen past the stale time wakes up to another machine's record.
TEST_F(HomeLockTest, RecordTakenOverFromAFrozenHolderIsLeftToItsTaker)
{
    HomeLock lock;
    ASSERT_EQ(HomeLock::State::Held, lock.Acquire(dir.path().c_str(), 0));
    EXPECT_TRUE(lock.StillHeld());
    std::string record = dir / "install.owner";
    std::string taker = "host=other-host\nboot_id=b00700\npid=1\n";
    ASSERT_EQ(0, unlink(record.c_str()));
    testsupport::WriteFile(record, taker);
    EXPECT_FALSE(lock.StillHeld());
    EXPECT_EQ(HomeLock::State::Busy, lock.state());
    EXPECT_EQ("other-host", lock.holder().host);
    lock.Release();
    EXPECT_EQ(taker, testsupport::ReadFile(record));
}

TEST_F(HomeLockTest, HolderThatStaysIsWaitedForBoundedly)
{
    OtherHolder other(dir.path());
    ASSERT_TRUE(other.holding());
    HomeLock lock;
    EXPECT_EQ(HomeLock::State::Busy, lock.Acquire(dir.path().c_str(), 0));
    EXPECT_TRUE(Logged("[ERROR] home-lock(")) << testsupport::ReadFile(log);
    EXPECT_TRUE(Logged("/install.lock' still locked after 0 ms, not installing this time\n"));
}

TEST_F(HomeLockTest, WaiterGetsTheLockWhenTheHolderLetsGo)
{
    OtherHolder other(dir.path());
    ASSERT_TRUE(other.holding());
    HomeLock lock;
    HomeLock::State state = HomeLock::State::Unlocked;
    std::thread waiter([&] { state = lock.Acquire(dir.path().c_str(), 600000); });
    // Let go only once the waiter says it waits.
    while (!Logged("): another launcher is installing in this home, waiting for it\n"))
        usleep(1000);
    other.Release();
    waiter.join();
    EXPECT_EQ(HomeLock::State::Held, state);
    EXPECT_FALSE(Logged("[ERROR]"));
}

// A home that cannot be written: the installation goes on without the lock.
TEST_F(HomeLockTest, LockFileThatCannotBeMadeIsGoneWithout)
{
    ASSERT_EQ(0, chmod(dir.path().c_str(), 0755));
    std::string path = dir.path();
    int state = testsupport::RunAsNobody([&path] {
        HomeLock lock;
        return static_cast<int>(lock.Acquire(path.c_str(), 1000));
    });
    EXPECT_EQ(static_cast<int>(HomeLock::State::Unavailable), state);
    EXPECT_TRUE(Logged("[WARNING] home-lock(")) << testsupport::ReadFile(log);
    EXPECT_TRUE(Logged("/install.lock': Permission denied (13), going on without it\n"));
}

} // namespace
