// What halvora-pack refuses: command lines, unsafe names, links that leave
// the tree, and client trees an installation could not run or should not
// hold. Refusals are checked on the real executable: exit 1, a line naming
// each offending path, and nothing left behind.
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "client-tree-maker.h"
#include "client-tree.h"
#include "pack-options.h"
#include "test-support.h"

namespace {

using packtest::MakeClientTree;
using packtest::RunPackTool;
using testsupport::TempDir;

// ---- the command line ----

struct OptionsCase {
    const char* name;
    std::vector<const char*> argv;
    bool accepted;
    pack::PackFormat format;
    const char* major; // expected when accepted
};

void PrintTo(const OptionsCase& c, std::ostream* os)
{
    *os << c.name;
}

class PackOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(PackOptionsTest, ParsesOrRefuses)
{
    const OptionsCase& c = GetParam();
    pack::PackOptions options;
    std::string error;
    bool ok = pack::ParseOptions(static_cast<int>(c.argv.size()), c.argv.data(), &options, &error);
    ASSERT_EQ(ok, c.accepted) << error;
    if (!ok) {
        EXPECT_FALSE(error.empty());
        return;
    }
    EXPECT_EQ(options.client_tree, "tree");
    EXPECT_EQ(options.out_dir, "out");
    EXPECT_EQ(options.build, "7");
    EXPECT_EQ(options.format, c.format);
    EXPECT_EQ(options.major, c.major);
}

const OptionsCase kOptionsCases[] = {
    {"minimal", {"tree", "out", "--build", "7"}, true, pack::PF_TAR_ZSTD, ""},
    {"trailing_slashes", {"tree//", "out/", "--build", "7"}, true, pack::PF_TAR_ZSTD, ""},
    {"flags_first", {"--build", "7", "tree", "out"}, true, pack::PF_TAR_ZSTD, ""},
    {"all_versions", {"tree", "out", "--build", "7", "--major", "2", "--minor", "3", "--overlay", "4"},
     true, pack::PF_TAR_ZSTD, "2"},
    {"xz", {"tree", "out", "--build", "7", "--format", "tar.xz"}, true, pack::PF_TAR_XZ, ""},
    {"gz", {"tree", "out", "--format", "tar.gz", "--build", "7"}, true, pack::PF_TAR_GZIP, ""},
    {"zst", {"tree", "out", "--build", "7", "--format", "tar.zst"}, true, pack::PF_TAR_ZSTD, ""},
    {"no_build", {"tree", "out"}, false, pack::PF_TAR_ZSTD, ""},
    {"no_outdir", {"tree", "--build", "7"}, false, pack::PF_TAR_ZSTD, ""},
    {"third_path", {"tree", "out", "more", "--build", "7"}, false, pack::PF_TAR_ZSTD, ""},
    {"build_not_number", {"tree", "out", "--build", "7a"}, false, pack::PF_TAR_ZSTD, ""},
    {"build_negative", {"tree", "out", "--build", "-7"}, false, pack::PF_TAR_ZSTD, ""},
    {"build_twice", {"tree", "out", "--build", "7", "--build", "7"}, false, pack::PF_TAR_ZSTD, ""},
    {"value_missing", {"tree", "out", "--build"}, false, pack::PF_TAR_ZSTD, ""},
    {"unknown_format", {"tree", "out", "--build", "7", "--format", "zip"}, false, pack::PF_TAR_ZSTD, ""},
    {"unknown_option", {"tree", "out", "--build", "7", "--level", "9"}, false, pack::PF_TAR_ZSTD, ""},
    {"major_not_number", {"tree", "out", "--build", "7", "--major", "1a"}, false, pack::PF_TAR_ZSTD,
     ""},
    {"overlay_with_newline", {"tree", "out", "--build", "7", "--overlay", "1\nbuild_version=9"},
     false, pack::PF_TAR_ZSTD, ""},
};
INSTANTIATE_TEST_SUITE_P(CommandLines, PackOptionsTest, ::testing::ValuesIn(kOptionsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- names ----

struct NameCase {
    const char* name;
    bool safe;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << '"' << c.name << '"';
}

class PackNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PackNameTest, OnlyRelativeNamesWithoutDotDot)
{
    EXPECT_EQ(pack::IsSafeName(GetParam().name), GetParam().safe) << GetParam().name;
}

const NameCase kNameCases[] = {
    {"bin/halvora-backup-ui", true}, {"a..b", true},     {"..hidden", true},
    {"dots../x", true},              {"/etc/passwd", false}, {"/", false},
    {"..", false},                   {"../x", false},    {"a/../b", false},
    {"a/..", false},                 {".", false},       {"a/./b", false},
    {"a//b", false},                 {"a/", false},      {"", false},
};
INSTANTIATE_TEST_SUITE_P(Names, PackNameTest, ::testing::ValuesIn(kNameCases));

// ---- symbolic links, resolved as the kernel would ----

struct LinkCase {
    const char* link;   // relative to the tree
    const char* target;
    bool inside;
};

void PrintTo(const LinkCase& c, std::ostream* os)
{
    *os << c.link << " -> " << c.target;
}

class PackLinkTest : public ::testing::TestWithParam<LinkCase> {
protected:
    // up -> .. (the root itself), deep -> a/b (two levels down).
    void SetUp() override
    {
        ASSERT_TRUE(testsupport::MakeDirs(dir / "lib/a/b"));
        ASSERT_EQ(symlink("..", (dir / "lib/up").c_str()), 0);
        ASSERT_EQ(symlink("a/b", (dir / "lib/deep").c_str()), 0);
        ASSERT_EQ(symlink("loop2", (dir / "lib/loop1").c_str()), 0);
        ASSERT_EQ(symlink("loop1", (dir / "lib/loop2").c_str()), 0);
    }
    TempDir dir{"halvora-pack-links"};
};

TEST_P(PackLinkTest, StaysInsideTheTree)
{
    const LinkCase& c = GetParam();
    EXPECT_EQ(pack::LinkStaysInside(dir.path(), c.link, c.target), c.inside)
        << c.link << " -> " << c.target;
}

const LinkCase kLinkCases[] = {
    {"lib/x", "a/b", true},
    {"lib/x", "../bin/halvora-backup-ui", true},
    {"lib/x", "missing/file", true},     // dangles, but inside
    {"lib/x", ".", true},
    {"x", "lib", true},
    {"lib/x", "up/lib", true},           // lib/up is the root
    {"lib/x", "deep/../../..", true},    // a/b/../../.. is the root, not above it
    {"lib/x", "/etc/passwd", false},     // absolute
    {"lib/x", "/", false},
    {"lib/x", "../..", false},
    {"x", "..", false},
    {"lib/a/b/x", "../../../../etc", false},
    {"lib/x", "up/../escape", false},    // lib/.. looks like the root, but up is already there
    {"lib/x", "loop1", false},           // never ends
    {"lib/x", "a/../../..", false},
};
INSTANTIATE_TEST_SUITE_P(Links, PackLinkTest, ::testing::ValuesIn(kLinkCases));

// ---- client trees the real tool refuses ----

struct Problem {
    const char* path;   // the offending path, relative to the tree ("" for the tree)
    const char* reason; // a part of its line
};

struct RefusalCase {
    const char* name;
    std::function<void(const std::string& tree)> spoil;
    std::vector<Problem> problems; // a line each, in any order
    const char* out = "out";       // OUTDIR, relative to the test's folder
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class PackRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(PackRefusalTest, ExitsOneNamingEveryPathAndLeavesNothing)
{
    const RefusalCase& c = GetParam();
    TempDir dir("halvora-pack-refusal");
    const std::string tree = dir / "tree";
    const std::string out = dir / c.out;
    MakeClientTree(tree, 12);
    c.spoil(tree);
    if (::testing::Test::IsSkipped())
        return;
    const bool walkable = testsupport::Exists(tree);
    const std::vector<std::string> before =
        walkable ? packtest::SortedWalk(tree) : std::vector<std::string>();

    std::string err;
    EXPECT_EQ(RunPackTool({tree, out, "--build", "12"}, &err), 1);
    const std::vector<std::string> lines = testsupport::SplitLines(err);
    EXPECT_EQ(lines.size(), c.problems.size()) << err;
    for (const Problem& problem : c.problems) {
        const std::string start =
            "halvora-pack: " + (*problem.path ? tree + "/" + problem.path : tree) + ": ";
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.compare(0, start.size(), start) == 0 &&
                   line.find(problem.reason) != std::string::npos;
        })) << start << "... " << problem.reason << " in:\n" << err;
    }
    EXPECT_FALSE(testsupport::Exists(out)); // nor a folder it made, in the tree or not
    if (walkable) {
        EXPECT_EQ(packtest::SortedWalk(tree), before);
    }
}

void Remove(const std::string& path)
{
    ASSERT_EQ(unlink(path.c_str()), 0) << path;
}

void ChangeMode(const std::string& path, mode_t mode)
{
    ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
}

void MakeSocket(const std::string& path)
{
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof addr.sun_path);
    path.copy(addr.sun_path, path.size());
    EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0) << path;
    close(fd);
}

void MakeDevice(const std::string& path)
{
    if (mknod(path.c_str(), S_IFCHR | 0644, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device here (needs root)";
}

// Changes the file the moment the packer opens it, without a race: a write
// lease holds the opener back until the holder, told by the kernel, has
// written and let go. The holder is a grandchild, so that nothing waits.
void ChangeWhenOpened(const std::string& path)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    if (child == 0) {
        if (fork() != 0)
            _exit(0);
        sigset_t io;
        sigemptyset(&io);
        sigaddset(&io, SIGIO);
        sigprocmask(SIG_BLOCK, &io, nullptr);
        int fd = open(path.c_str(), O_RDWR);
        bool held = fd >= 0 && fcntl(fd, F_SETLEASE, F_WRLCK) == 0;
        const timespec limit{60, 0};
        if (write(ready[1], held ? "1" : "0", 1) == 1 && held &&
            sigtimedwait(&io, nullptr, &limit) == SIGIO)
            (void)!pwrite(fd, "grown", 5, 0);
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    char held = '0';
    EXPECT_EQ(read(ready[0], &held, 1), 1);
    close(ready[0]);
    close(ready[1]);
    if (held != '1')
        GTEST_SKIP() << "no write lease can be taken here";
}

void Info(const std::string& tree, const std::string& text)
{
    ASSERT_TRUE(testsupport::WriteFile(tree + "/INFO", text));
}

// The keys of group "Version" given (null: left out), in the group or not.
std::string Versions(const char* major, const char* minor, const char* build, const char* overlay,
                     bool grouped = true)
{
    std::string text = grouped ? "[Version]\n" : "";
    const char* keys[] = {"major_version", "minor_version", "build_version",
                          "icon_overlay_version"};
    const char* values[] = {major, minor, build, overlay};
    for (int i = 0; i < 4; ++i)
        text += values[i] ? std::string(keys[i]) + "=" + values[i] + "\n" : "";
    return text;
}

const RefusalCase kRefusalCases[] = {
    {"client_missing", [](const std::string& t) { Remove(t + "/bin/halvora-backup-ui"); },
     {{"bin/halvora-backup-ui", "missing"}}},
    {"client_not_executable",
     [](const std::string& t) { ChangeMode(t + "/bin/halvora-backup-ui", 0644); },
     {{"bin/halvora-backup-ui", "not executable"}}},
    {"client_is_a_folder",
     [](const std::string& t) {
         Remove(t + "/bin/halvora-backup-ui");
         ASSERT_TRUE(testsupport::MakeDirs(t + "/bin/halvora-backup-ui"));
     },
     {{"bin/halvora-backup-ui", "not a regular file"}}},
    {"start_script_missing", [](const std::string& t) { Remove(t + "/package/start-stop"); },
     {{"package/start-stop", "missing"}}},
    {"start_script_not_executable",
     [](const std::string& t) { ChangeMode(t + "/package/start-stop", 0600); },
     {{"package/start-stop", "not executable"}}},
    {"info_other_build", [](const std::string& t) { Info(t, Versions("1", "0", "11", "1")); },
     {{"INFO", "disagrees with --build 12"}}},
    {"info_without_build", [](const std::string& t) { Info(t, Versions("1", "0", nullptr, "1")); },
     {{"INFO", "disagrees"}}},
    {"info_outside_group",
     [](const std::string& t) { Info(t, Versions("1", "0", "12", "1", false)); },
     {{"INFO", "disagrees"}, {"INFO", "major_version"}, {"INFO", "minor_version"},
      {"INFO", "icon_overlay_version"}}},
    {"info_missing", [](const std::string& t) { Remove(t + "/INFO"); }, {{"INFO", "missing"}}},
    {"info_major_not_number", [](const std::string& t) { Info(t, Versions("1a", "0", "12", "1")); },
     {{"INFO", "major_version '1a' is not a decimal number"}}},
    {"info_without_overlay",
     [](const std::string& t) { Info(t, Versions("1", "0", "12", nullptr)); },
     {{"INFO", "has no icon_overlay_version"}}},
    // A newline would give the system INFO a second build_version line.
    {"info_value_with_newline",
     [](const std::string& t) {
         Info(t, Versions("1", "0", "12", "\"1\\nbuild_version=999999999\""));
     },
     {{"INFO", "icon_overlay_version '1\\nbuild_version=999999999'"}}},
    {"fifo", [](const std::string& t) { ASSERT_EQ(mkfifo((t + "/lib/pipe").c_str(), 0644), 0); },
     {{"lib/pipe", "FIFO"}}},
    {"socket", [](const std::string& t) { MakeSocket(t + "/lib/sock"); }, {{"lib/sock", "socket"}}},
    {"device", [](const std::string& t) { MakeDevice(t + "/lib/null"); }, {{"lib/null", "device"}}},
    {"link_absolute",
     [](const std::string& t) { ASSERT_EQ(symlink("/etc/passwd", (t + "/lib/pw").c_str()), 0); },
     {{"lib/pw", "points outside the tree"}}},
    {"link_above_the_tree",
     [](const std::string& t) { ASSERT_EQ(symlink("../../x", (t + "/lib/up").c_str()), 0); },
     {{"lib/up", "points outside the tree"}}},
    {"link_through_a_link",
     [](const std::string& t) {
         ASSERT_EQ(symlink("..", (t + "/share/root").c_str()), 0);
         ASSERT_EQ(symlink("root/../x", (t + "/share/zz").c_str()), 0);
     },
     {{"share/zz", "points outside the tree"}}},
    {"several_problems",
     [](const std::string& t) {
         ASSERT_EQ(mkfifo((t + "/lib/pipe").c_str(), 0644), 0);
         ASSERT_EQ(symlink("b", (t + "/share/a").c_str()), 0);
         ASSERT_EQ(symlink("a", (t + "/share/b").c_str()), 0);
         ChangeMode(t + "/package/start-stop", 0644);
         Info(t, Versions("x", "0", "12", "1"));
     },
     {{"lib/pipe", "FIFO"}, {"share/a", "symbolic link loop"}, {"share/b", "loop"},
      {"package/start-stop", "not executable"}, {"INFO", "major_version"}}},
    {"name_not_utf8",
     [](const std::string& t) { ASSERT_TRUE(testsupport::WriteFile(t + "/lib/\xff\xfe", "x")); },
     {{"lib/\xff\xfe", "not UTF-8"}}},
    {"link_target_not_utf8",
     [](const std::string& t) { ASSERT_EQ(symlink("a\xc0\xaf" "b", (t + "/lib/odd").c_str()), 0); },
     {{"lib/odd", "not UTF-8"}}},
    {"file_changed_while_packed",
     [](const std::string& t) { ChangeWhenOpened(t + "/lib/empty.dat"); },
     {{"lib/empty.dat", "changed while it was packed"}}},
    {"tree_missing", [](const std::string& t) { testsupport::RemoveTree(t); },
     {{"", "No such file"}}},
    // Made, found to be inside the tree, and removed again.
    {"outdir_inside_tree", [](const std::string&) {}, {{"new/out", "lies inside the client tree"}},
     "tree/new/out"},
};
INSTANTIATE_TEST_SUITE_P(Trees, PackRefusalTest, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

// An unreadable folder stops the packing with its name, not a partial
// package; root reads everything, so the tool runs as nobody.
TEST(PackUnreadableTest, UnreadableFolderIsNamed)
{
    TempDir dir("halvora-pack-unreadable");
    ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);
    const std::string tree = dir / "tree";
    MakeClientTree(tree, 12);
    ASSERT_EQ(chmod((tree + "/share").c_str(), 0300), 0);
    ASSERT_EQ(chown(tree.c_str(), testsupport::NobodyUid(), testsupport::NobodyUid()), 0);
    std::string err;
    int rc = testsupport::RunAsNobody([&] {
        return RunPackTool({tree, dir / "out", "--build", "12"}, &err) == 1 &&
                       err.find(tree + "/share: cannot be read") != std::string::npos
                   ? 0
                   : 1;
    });
    EXPECT_EQ(rc, 0);
    EXPECT_FALSE(testsupport::Exists(dir / "out/package/halvora.hpk"));
}

} // namespace
