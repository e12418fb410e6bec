// The old copy's files linked into a new copy and held there until the stop:
// what another process does to a held file between its link and the look
// after the stop, and what the hold leaves behind.
#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "digest-stream.h"
#include "held-links.h"
#include "old-copy.h"
#include "test-support.h"

namespace {

enum class Meanwhile {
    Nothing, WrittenByAnotherProcess, TruncatedByName, ModeChanged, ModeChangedThroughALinkElsewhere,
    OpenForWritingBefore, MappedBefore
};

struct HeldCase {
    const char* name;
    Meanwhile meanwhile;
    bool held;    // share/a is held from its link to the stop
    bool changed; // and is taken out of the new copy again after it
};

void PrintTo(const HeldCase& c, std::ostream* os) { *os << c.name; }

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Runs fn in a child that must end within 10 s: a writer kept waiting for a
// lease nobody ends would wait 45 s. Its exit status, or -1.
int InAnotherProcess(const std::function<bool()>& fn)
{
    pid_t pid = fork();
    if (pid == 0) {
        alarm(10);
        _exit(fn() ? 0 : 1);
    }
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status)
                                                                            : -1;
}

class HeldLinksTest : public ::testing::TestWithParam<HeldCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testsupport::MakeDirs(old_dir + "/share"));
        ASSERT_TRUE(testsupport::MakeDirs(new_dir));
        for (int i = 0; i < files; ++i)
            ASSERT_NO_FATAL_FAILURE(AddFile("share/f" + std::to_string(i), std::string(1000 + i, 'x')));
        std::vector<std::string> names;
        for (const auto& file : record.files)
            names.push_back(file.first);
        proof = ProveOldCopy(old_dir.c_str(), record, names, 1);
        ASSERT_EQ(record.files.size(), proof.files.size());
        deferred.files = record.files;
        new_fd = open(new_dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(new_fd, 0);
    }
    void TearDown() override { close(new_fd); }

    void AddFile(const std::string& key, const std::string& content)
    {
        std::string path = old_dir + "/" + key;
        ASSERT_TRUE(testsupport::WriteFile(path, content));
        ASSERT_EQ(0, chmod(path.c_str(), 0644));
        InstalledFile file;
        file.size = static_cast<int64_t>(content.size());
        file.mode = file.disk_mode = 0644;
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_TRUE(DigestOfFile(fd, file.digest));
        close(fd);
        record.files[key] = file;
    }

    int files = 2;
    testsupport::TempDir dir;
    std::string old_dir = dir / "old", new_dir = dir / "new";
    InstalledFiles record;
    OldCopyProof proof;
    DeferredFiles deferred;
    int new_fd = -1;
};

// A process that holds path open for writing (and mapped, shared, when
// mapped) until it is killed; -1 when it could not.
pid_t HoldForWriting(const std::string& path, bool mapped)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    pid_t pid = fork();
    if (pid == 0) {
        int fd = open(path.c_str(), O_RDWR);
        if (fd < 0 || (mapped && mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0) ==
                                     MAP_FAILED) ||
            write(ready[1], "x", 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    char byte;
    bool ok = pid > 0 && read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    close(ready[1]);
    return ok ? pid : -1;
}

TEST_P(HeldLinksTest, WhatChangedAfterTheLinkIsTakenOutAgain)
{
    const HeldCase& c = GetParam();
    const std::string a = old_dir + "/share/f0";
    pid_t holder = 0;
    if (c.meanwhile == Meanwhile::OpenForWritingBefore || c.meanwhile == Meanwhile::MappedBefore) {
        holder = HoldForWriting(a, c.meanwhile == Meanwhile::MappedBefore);
        ASSERT_GT(holder, 0);
    }
    OldCopy old(old_dir.c_str(), &record, &proof);
    HeldLinks links;
    std::vector<std::string> linked, changed;
    DeferredFiles rest;
    links.Link(old, new_fd, deferred, linked, rest);
    EXPECT_EQ(c.held, Contains(linked, "share/f0"));
    EXPECT_EQ(!c.held, rest.files.count("share/f0") == 1);
    EXPECT_TRUE(Contains(linked, "share/f1"));

    std::string elsewhere = dir / "elsewhere";
    switch (c.meanwhile) {
    case Meanwhile::WrittenByAnotherProcess:
        EXPECT_EQ(0, InAnotherProcess([&] { return testsupport::WriteFile(a, "edited"); }));
        break;
    case Meanwhile::TruncatedByName:
        EXPECT_EQ(0, InAnotherProcess([&] { return truncate(a.c_str(), 10) == 0; }));
        break;
    case Meanwhile::ModeChanged:
        EXPECT_EQ(0, chmod(a.c_str(), 0600));
        break;
    case Meanwhile::ModeChangedThroughALinkElsewhere:
        EXPECT_EQ(0, link(a.c_str(), elsewhere.c_str()));
        EXPECT_EQ(0, chmod(elsewhere.c_str(), 0600));
        EXPECT_EQ(0, unlink(elsewhere.c_str()));
        break;
    default:
        break;
    }
    links.Settle(new_fd, changed);
    links.Release();
    EXPECT_EQ(c.changed, Contains(changed, "share/f0"));
    EXPECT_FALSE(Contains(changed, "share/f1"));
    struct stat held_st = {}, old_st = {};
    EXPECT_EQ(c.held && !c.changed, lstat((new_dir + "/share/f0").c_str(), &held_st) == 0);
    ASSERT_EQ(0, lstat((new_dir + "/share/f1").c_str(), &held_st));
    ASSERT_EQ(0, lstat((old_dir + "/share/f1").c_str(), &old_st));
    EXPECT_EQ(old_st.st_ino, held_st.st_ino);
    // Every lease has ended: a writer is let in at once.
    int writer = open((old_dir + "/share/f1").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    EXPECT_GE(writer, 0) << strerror(errno);
    if (writer >= 0)
        close(writer);
    if (holder > 0) {
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Meanwhile, HeldLinksTest,
    ::testing::Values(HeldCase{"Nothing", Meanwhile::Nothing, true, false},
                      HeldCase{"WrittenByAnotherProcess", Meanwhile::WrittenByAnotherProcess, true, true},
                      HeldCase{"TruncatedByName", Meanwhile::TruncatedByName, true, true},
                      HeldCase{"ModeChanged", Meanwhile::ModeChanged, true, true},
                      // A watch on the folders alone would not see it.
                      HeldCase{"ModeChangedThroughALinkElsewhere",
                               Meanwhile::ModeChangedThroughALinkElsewhere, true, true},
                      HeldCase{"OpenForWritingBefore", Meanwhile::OpenForWritingBefore, false, false},
                      HeldCase{"MappedWritableBefore", Meanwhile::MappedBefore, false, false}),
    [](const ::testing::TestParamInfo<HeldCase>& info) { return info.param.name; });

// More files than the soft descriptor limit leaves room for: it is raised for
// the hold, and the limit a started program inherits is the one given.
class HeldLinksLimitTest : public HeldLinksTest {
protected:
    void SetUp() override
    {
        files = 64;
        HeldLinksTest::SetUp();
    }
};

TEST_F(HeldLinksLimitTest, RaisedForTheHoldAndGivenBack)
{
    struct rlimit given = {}, during = {}, after = {};
    ASSERT_EQ(0, getrlimit(RLIMIT_NOFILE, &given));
    struct rlimit low = {560, given.rlim_max};
    ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &low));
    OldCopy old(old_dir.c_str(), &record, &proof);
    HeldLinks links;
    std::vector<std::string> linked, changed;
    DeferredFiles rest;
    links.Link(old, new_fd, deferred, linked, rest);
    getrlimit(RLIMIT_NOFILE, &during);
    EXPECT_EQ(static_cast<size_t>(files), linked.size());
    EXPECT_GT(during.rlim_cur, low.rlim_cur);
    links.Settle(new_fd, changed);
    links.BeforeChildStart();
    getrlimit(RLIMIT_NOFILE, &after);
    EXPECT_EQ(low.rlim_cur, after.rlim_cur);
    links.Release();
    setrlimit(RLIMIT_NOFILE, &given);
}

} // namespace

namespace {

// A later entry of a linked file's path is written next, under that name:
// the link and its hold are gone before it is, and the file is neither
// counted as linked nor left for a link after the stop.
TEST_F(HeldLinksTest, AFileTakenBackByALaterEntryLeavesItsNameFree)
{
    OldCopy old(old_dir.c_str(), &record, &proof);
    HeldLinks links;
    links.Begin(old, new_fd, deferred.files.size());
    for (const auto& [key, wanted] : deferred.files)
        links.Deferred(key, wanted);
    links.Withdrawn("share/f0");
    EXPECT_FALSE(testsupport::Exists(new_dir + "/share/f0"));
    deferred.files.erase("share/f0");
    std::vector<std::string> linked, changed;
    DeferredFiles rest;
    links.Finish(deferred, linked, rest);
    EXPECT_EQ(std::vector<std::string>{"share/f1"}, linked);
    EXPECT_TRUE(rest.files.empty());
    // Written there by the unpack: not the old file, which stays as it was.
    ASSERT_TRUE(testsupport::WriteFile(new_dir + "/share/f0", "new"));
    links.Settle(new_fd, changed);
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ("new", testsupport::ReadFile(new_dir + "/share/f0"));
    EXPECT_EQ(std::string(1000, 'x'), testsupport::ReadFile(old_dir + "/share/f0"));
    links.Release();
}

} // namespace
