#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QSignalSpy>
#include <QStringList>
#include <QThread>
#include <archive.h>
#include <archive_entry.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "adapter.h"
#include "extractor.h"
#include "loop-mount.h"
#include "package-stream.h"
#include "progress-recorder.h"
#include "strtab.h"
#include "test-archive.h"
#include "test-support.h"

using namespace testarchive;
using testsupport::TempDir;

namespace {

int RunExtract(const std::string& source, const std::string& target)
{
    Extractor extractor;
    extractor.SetSource(source.c_str());
    extractor.SetTarget(target.c_str());
    return extractor.Extract();
}

class ExtractorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        umask(022);
        StrTable::InitStrTable();
        log = testsupport::LogToFile(dir.path(), {"extractor_debug"});
    }
    TempDir dir{"extractor-test"};
    std::string log;
};

std::vector<Entry> MixedEntries()
{
    return {
        Dir("bin"),
        File("bin/halvora-backup-ui", "#!/bin/sh\necho hi\n", 0755),
        File("INFO", "[Version]\nbuild_version=42\n"),
        File("share/deep/er/still.txt", "nested"),
        File("lib/big.so", PseudoRandom(300000, 3)),
        Symlink("lib/big.so.1", "big.so"),
        File("empty", ""),
    };
}

class FormatTest : public ExtractorTest, public ::testing::WithParamInterface<Format> {};

TEST_P(FormatTest, UnpacksEveryEntry)
{
    std::string package = dir / "package";
    std::vector<Entry> entries = MixedEntries();
    ASSERT_TRUE(WriteArchive(package, GetParam(), entries));
    std::string target = dir / "out";
    ASSERT_TRUE(testsupport::MakeDirs(target));

    EXPECT_EQ(0, RunExtract(package, target));
    EXPECT_EQ(Expected(entries), Snapshot(target));
    EXPECT_EQ(0, testsupport::CountLines(log, R"(\[ERROR\])"));
    EXPECT_EQ(1, testsupport::CountLines(log, R"(\[DEBUG\] extractor\(\d+\): decompress from ')" + package +
                                     "' to '" + target + "'$"));
}

TEST_P(FormatTest, CountsEntries)
{
    std::string package = dir / "package";
    ASSERT_TRUE(WriteArchive(package, GetParam(), MixedEntries()));
    Extractor extractor;
    extractor.SetSource(package.c_str());
    extractor.SetTarget(dir.path().c_str());
    EXPECT_EQ(static_cast<int>(MixedEntries().size()), extractor.Count());
}

TEST_P(FormatTest, ScanSumsTheEntrySizes)
{
    std::vector<Entry> entries = {Dir("bin"), File("bin/tool", PseudoRandom(70001, 8), 0755),
                                  File("empty", ""), File("share/a/b", PseudoRandom(1234, 9)),
                                  File("INFO", "[Version]\nbuild_version=7\n")};
    ASSERT_TRUE(WriteArchive(dir / "package", GetParam(), entries));
    Extractor extractor;
    extractor.SetSource((dir / "package").c_str());
    extractor.SetTarget(dir.path().c_str());

    ArchiveSummary summary;
    EXPECT_EQ(0, extractor.Scan(summary));
    EXPECT_EQ(5, summary.entries);
    EXPECT_EQ(70001 + 1234 + static_cast<int64_t>(entries[4].data.size()), summary.unpacked_size);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, FormatTest,
                         ::testing::Values(Format::Tar, Format::TarGz, Format::TarXz,
                                           Format::TarXzBlocks, Format::TarZst, Format::Zip,
                                           Format::Pax),
                         [](const ::testing::TestParamInfo<Format>& info) {
                             return std::string(FormatName(info.param));
                         });

class HardLinkTest : public ExtractorTest, public ::testing::WithParamInterface<Format> {};

// A hard link must join the entry unpacked under the target, whatever the
// working directory holds under the same relative name.
TEST_P(HardLinkTest, LinksToTheEntryUnderTheTarget)
{
    std::vector<Entry> entries = {
        File("bin/tool", "the real tool\n", 0755),
        Hardlink("bin/tool-alias", "bin/tool"),
    };
    std::string package = dir / "package";
    ASSERT_TRUE(WriteArchive(package, GetParam(), entries));
    std::string decoy_dir = dir / "cwd";
    ASSERT_TRUE(testsupport::MakeDirs(decoy_dir + "/bin"));
    ASSERT_TRUE(testsupport::WriteFile(decoy_dir + "/bin/tool", "decoy\n"));
    std::string target = dir / "out";
    ASSERT_TRUE(testsupport::MakeDirs(target));

    char old_cwd[4096];
    ASSERT_NE(nullptr, getcwd(old_cwd, sizeof(old_cwd)));
    ASSERT_EQ(0, chdir(decoy_dir.c_str()));
    int ret = RunExtract(package, target);
    ASSERT_EQ(0, chdir(old_cwd));

    EXPECT_EQ(0, ret);
    EXPECT_EQ(Expected(entries), Snapshot(target));
    struct stat tool, alias, decoy;
    ASSERT_EQ(0, stat((target + "/bin/tool").c_str(), &tool));
    ASSERT_EQ(0, stat((target + "/bin/tool-alias").c_str(), &alias));
    ASSERT_EQ(0, stat((decoy_dir + "/bin/tool").c_str(), &decoy));
    EXPECT_EQ(tool.st_ino, alias.st_ino);
    EXPECT_EQ(2u, alias.st_nlink);
    EXPECT_EQ(1u, decoy.st_nlink);
    EXPECT_EQ("decoy\n", testsupport::ReadFile(decoy_dir + "/bin/tool"));
}

INSTANTIATE_TEST_SUITE_P(LinkFormats, HardLinkTest,
                         ::testing::Values(Format::Tar, Format::TarGz, Format::GnuTar),
                         [](const ::testing::TestParamInfo<Format>& info) {
                             return std::string(FormatName(info.param));
                         });

struct FailureCase {
    const char* name;
    // Builds the case under dir; returns {source, target}.
    std::pair<std::string, std::string> (*setup)(const TempDir& dir);
    const char* line; // the one error line expected
    bool text_sent;   // whether the preparing text went out first
};

std::pair<std::string, std::string> EmptySource(const TempDir& dir)
{
    return {"", dir / "out"};
}

std::pair<std::string, std::string> EmptyTarget(const TempDir& dir)
{
    WriteArchive(dir / "pkg", Format::Tar, {File("a", "a")});
    return {dir / "pkg", ""};
}

std::pair<std::string, std::string> MissingFile(const TempDir& dir)
{
    return {dir / "no-such.hpk", dir / "out"};
}

std::pair<std::string, std::string> EmptyArchive(const TempDir& dir)
{
    WriteArchive(dir / "pkg", Format::TarGz, {});
    return {dir / "pkg", dir / "out"};
}

std::pair<std::string, std::string> NotAnArchive(const TempDir& dir)
{
    testsupport::WriteFile(dir / "pkg", PseudoRandom(5000, 1));
    return {dir / "pkg", dir / "out"};
}

std::pair<std::string, std::string> DotDotEntry(const TempDir& dir)
{
    WriteArchive(dir / "pkg", Format::Tar, {File("a", "a"), File("../escaped", "x")});
    return {dir / "pkg", dir / "out"};
}

std::pair<std::string, std::string> DotDotInTarget(const TempDir& dir)
{
    WriteArchive(dir / "pkg", Format::Tar, {File("a", "a")});
    testsupport::MakeDirs(dir / "sub");
    return {dir / "pkg", dir / "sub/../out"};
}

std::pair<std::string, std::string> TruncatedArchive(const TempDir& dir)
{
    WriteArchive(dir / "full", Format::TarGz,
                 {File("a", PseudoRandom(100000, 5)), File("b", PseudoRandom(100000, 6))});
    std::string full = testsupport::ReadFile(dir / "full");
    testsupport::WriteFile(dir / "pkg", full.substr(0, full.size() * 3 / 4));
    return {dir / "pkg", dir / "out"};
}

const FailureCase kFailures[] = {
    {"EmptySource", EmptySource, R"(\[ERROR\] extractor\(\d+\): Invalid Argument$)", false},
    {"EmptyTarget", EmptyTarget, R"(\[ERROR\] extractor\(\d+\): Invalid Argument$)", false},
    {"MissingFile", MissingFile,
     R"(\[ERROR\] extractor\(\d+\): Failed to calculate total file numbers, ret: -1$)", true},
    {"EmptyArchive", EmptyArchive,
     R"(\[ERROR\] extractor\(\d+\): Failed to calculate total file numbers, ret: 0$)", true},
    {"NotAnArchive", NotAnArchive,
     R"(\[ERROR\] extractor\(\d+\): Failed to calculate total file numbers, ret: -1$)", true},
    {"DotDotEntry", DotDotEntry,
     R"(\[ERROR\] extractor\(\d+\): archive_read_extract2 failed: '.*\.\..*'$)", true},
    {"DotDotInTarget", DotDotInTarget,
     R"(\[ERROR\] extractor\(\d+\): archive_read_extract2 failed: '.*\.\..*'$)", true},
    {"TruncatedArchive", TruncatedArchive,
     R"(\[ERROR\] extractor\(\d+\): Failed to calculate total file numbers, ret: -1$)", true},
};

class FailureTest : public ExtractorTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, FailsWithItsOwnLogLine)
{
    auto [source, target] = GetParam().setup(dir);
    QSignalSpy texts(&Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateDialogText);

    EXPECT_EQ(-1, RunExtract(source, target));
    EXPECT_EQ(1, testsupport::CountLines(log, GetParam().line)) << testsupport::ReadFile(log);
    EXPECT_EQ(GetParam().text_sent ? 1 : 0, texts.count());
    EXPECT_FALSE(testsupport::Exists(dir / "escaped"));
}

INSTANTIATE_TEST_SUITE_P(Inputs, FailureTest, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             return std::string(info.param.name);
                         });

// A package that cannot be read to its end is refused by the scan itself,
// with the reader's reason, and an unpack never starts on it.
struct DamageCase {
    const char* name;
    Format format;
    // Turns the bytes of a good archive into the damaged file.
    std::string (*damage)(const std::string& good);
};

std::string CutAtThreeQuarters(const std::string& good)
{
    return good.substr(0, good.size() * 3 / 4);
}

std::string CutInTheFirstHeader(const std::string& good)
{
    return good.substr(0, 700);
}

std::string FlipMiddleBytes(const std::string& good)
{
    std::string bad = good;
    for (size_t i = bad.size() / 2; i < bad.size() / 2 + 64; ++i)
        bad[i] = static_cast<char>(~bad[i]);
    return bad;
}

const DamageCase kDamages[] = {
    {"TarCut", Format::Tar, CutAtThreeQuarters},
    {"TarCutInHeader", Format::Tar, CutInTheFirstHeader},
    {"TarGzCut", Format::TarGz, CutAtThreeQuarters},
    {"TarGzFlipped", Format::TarGz, FlipMiddleBytes},
    {"TarXzCut", Format::TarXz, CutAtThreeQuarters},
    {"TarXzFlipped", Format::TarXz, FlipMiddleBytes},
};

class DamageTest : public ExtractorTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamageTest, ScanFailsWithTheReadersReason)
{
    std::vector<Entry> entries = {File("a", PseudoRandom(200000, 5)), File("b", "small"),
                                  File("c", PseudoRandom(200000, 6))};
    ASSERT_TRUE(WriteArchive(dir / "good", GetParam().format, entries));
    ASSERT_TRUE(testsupport::WriteFile(dir / "pkg",
                                       GetParam().damage(testsupport::ReadFile(dir / "good"))));
    Extractor extractor;
    extractor.SetSource((dir / "pkg").c_str());
    extractor.SetTarget((dir / "out").c_str());

    EXPECT_EQ(-1, extractor.Count());
    EXPECT_EQ(1, testsupport::CountLines(log, R"(\[ERROR\] extractor\(\d+\): archive_read_)"
                                 R"((next_header|data_skip) failed: '.+'$)"))
        << testsupport::ReadFile(log);
    EXPECT_EQ(-1, extractor.Extract());
    EXPECT_FALSE(testsupport::Exists(dir / "out"));
}

INSTANTIATE_TEST_SUITE_P(Packages, DamageTest, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                             return std::string(info.param.name);
                         });

// A disk that takes a set number of bytes a second, as a throttled or
// network disk does: ext4 on a loop device, remounted for synchronous writes
// so that the block I/O controller holds the writer to that rate.
class SlowDisk {
public:
    ~SlowDisk() { rmdir(group.c_str()); }
    // Empty once the disk is there, else why it cannot be.
    std::string Make(long bytes_per_second)
    {
        std::string why = disk.Make(testsupport::MountKind::Ext4, 64 << 20, geteuid());
        if (!why.empty())
            return why;
        std::string top = disk.Folder().substr(0, disk.Folder().rfind('/'));
        struct stat st;
        bool slow = stat(disk.Folder().c_str(), &st) == 0 &&
                    mount(nullptr, top.c_str(), nullptr, MS_REMOUNT | MS_SYNCHRONOUS, nullptr) == 0 &&
                    mkdir(group.c_str(), 0755) == 0 &&
                    testsupport::WriteFile(group + "/blkio.throttle.write_bps_device",
                                           std::to_string(major(st.st_dev)) + ":" +
                                               std::to_string(minor(st.st_dev)) + " " +
                                               std::to_string(bytes_per_second));
        return slow ? "" : "no block I/O controller for the loop device here";
    }
    const std::string& home() const { return disk.Folder(); }
    const std::string group = "/sys/fs/cgroup/blkio/halvora-slow-" + std::to_string(getpid());

private:
    testsupport::LoopMount disk;
};

// The read's bound is for the package, not for the home: a healthy home that
// writes far slower than the bound allows still gets its copy, with a line.
TEST_F(ExtractorTest, SlowHomeIsNoDamagedPackage)
{
    SlowDisk disk;
    std::string why = disk.Make(256 << 10);
    if (!why.empty())
        GTEST_SKIP() << why;
    std::vector<Entry> entries = {File("INFO", "[Version]\nbuild_version=42\n"),
                                  File("lib/data.bin", PseudoRandom(1 << 20, 7))};
    ASSERT_TRUE(WriteArchive(dir / "pkg", Format::TarZst, entries));
    const std::string target = disk.home() + "/Halvora.app";
    // Some four seconds of writing against a read bound of one.
    int status = testsupport::RunWithDeadline(
        [&] {
            SetPackageReadBound(1, 0);
            std::string self = std::to_string(getpid());
            bool slow = testsupport::WriteFile(disk.group + "/cgroup.procs", self);
            return slow && RunExtract(dir / "pkg", target) == 0 ? 0 : 1;
        },
        120);
    EXPECT_EQ(0, status) << testsupport::ReadFile(log);
    EXPECT_EQ(Expected(entries), Snapshot(target));
    EXPECT_EQ(1, testsupport::CountLines(log, R"(\[NOTE\] extractor\(\d+\): writing the copy to )"
                                              R"('.+' took \d+ s, longer than the 1 s that )"))
        << testsupport::ReadFile(log);
}

// The unpack takes its total from a scan made earlier and reads the archive
// once more only; a package that then holds another number of entries is
// not the one that was checked.
TEST_F(ExtractorTest, UnpackUsesTheTotalOfAnEarlierScan)
{
    std::vector<Entry> entries = {File("1", "1"), File("2", "2"), File("3", "3")};
    ASSERT_TRUE(WriteArchive(dir / "pkg", Format::Tar, entries));
    Extractor extractor;
    extractor.SetSource((dir / "pkg").c_str());
    extractor.SetTarget((dir / "out").c_str());
    testsupport::ProgressRecorder receiver;
    receiver.Listen();

    EXPECT_EQ(-1, extractor.Extract(6));
    QCoreApplication::processEvents();
    QStringList expected = {"text:" + StrTable::LoadStr(StrTable::desc_hlvr_env_preparing),
                            "progress:6/1", "progress:6/2", "progress:6/3"};
    EXPECT_EQ(expected.join(" | ").toStdString(), receiver.Joined());
    EXPECT_EQ(Expected(entries), Snapshot(dir / "out"));
    EXPECT_EQ(1, testsupport::CountLines(log, R"(\[ERROR\] extractor\(\d+\): the package holds 3 entries, )"
                                 R"(6 expected$)"));
    EXPECT_EQ(-1, extractor.Extract(0));
    EXPECT_EQ(1, testsupport::CountLines(log, R"(Failed to calculate total file numbers, ret: 0$)"));
}

struct CountCase {
    const char* name;
    int total;       // the count the unpack is given, for a package of 3
    int result;
    int last_step;   // the last progress sent
    const char* line; // the error line, if any
    int64_t size = -1;         // the total size the check found (2 is right), if any
    bool other_digest = false; // the check found another checksum
};

const CountCase kCounts[] = {
    {"Exact", 3, 0, 3, nullptr},
    {"OneMissing", 4, -1, 3, R"(the package holds 3 entries, 4 expected$)"},
    {"OneTooMany", 2, -1, 2, R"(the package holds more than the 2 entries expected$)"},
    {"FarTooMany", 1, -1, 1, R"(the package holds more than the 1 entries expected$)"},
    {"MoreBytes", 3, -1, 2, R"(the package unpacks to more than the 1 bytes expected$)", 1},
    {"FewerBytes", 3, -1, 3, R"(the package unpacks to 2 bytes, 3 expected$)", 3},
    {"AnotherChecksum", 3, -1, 3, R"(package '.*/pkg' is not the one checked: xxh3_128 [0-9a-f]{32} )"
                                  R"(of \d+ bytes read, 0{32} expected$)", -1, true},
};

class EntryCountTest : public ExtractorTest, public ::testing::WithParamInterface<CountCase> {};

// Progress never passes 100 %, and a wrong count fails the unpack.
TEST_P(EntryCountTest, AnotherNumberOfEntriesFailsTheUnpack)
{
    std::vector<Entry> entries = {File("1", "1"), Dir("2"), File("2/3", "3")};
    ASSERT_TRUE(WriteArchive(dir / "pkg", Format::TarZst, entries));
    Extractor extractor;
    extractor.SetSource((dir / "pkg").c_str());
    extractor.SetTarget((dir / "out").c_str());
    testsupport::ProgressRecorder receiver;
    receiver.Listen();

    ArchiveSummary checked;
    checked.entries = GetParam().total;
    checked.sized = GetParam().size >= 0;
    checked.unpacked_size = GetParam().size;
    checked.digest_known = GetParam().other_digest;
    EXPECT_EQ(GetParam().result, extractor.Extract(checked));
    QCoreApplication::processEvents();
    QString last = QString("progress:%1/%2").arg(GetParam().total).arg(GetParam().last_step);
    EXPECT_EQ(last.toStdString(), receiver.events.last().toStdString());
    EXPECT_EQ(GetParam().line ? 1 : 0, testsupport::CountLines(log, R"(\[ERROR\])"));
    if (GetParam().line) {
        EXPECT_EQ(1, testsupport::CountLines(log, GetParam().line));
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, EntryCountTest, ::testing::ValuesIn(kCounts),
                         [](const ::testing::TestParamInfo<CountCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ExtractorTest, MissingFileIsReportedByCountToo)
{
    EXPECT_EQ(-1, RunExtract(dir / "no-such.hpk", dir / "out"));
    EXPECT_EQ(1, testsupport::CountLines(log, R"(\[ERROR\] extractor\(\d+\): archive_read_open_filename )"
                                 R"(failed: '.+'$)"));
}

// A hostile hard link naming a file outside the package by absolute path
// must not join that file: a later write through the link would change it.
TEST_F(ExtractorTest, HardLinkCannotReachOutsideTheTarget)
{
    std::string victim = dir / "victim";
    ASSERT_TRUE(testsupport::WriteFile(victim, "precious"));
    std::string package = dir / "pkg";
    archive* a = archive_write_new();
    archive_write_set_format_pax_restricted(a);
    ASSERT_EQ(ARCHIVE_OK, archive_write_open_filename(a, package.c_str()));
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, "evil");
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_hardlink(entry, victim.c_str());
    archive_entry_set_size(entry, 0);
    ASSERT_EQ(ARCHIVE_OK, archive_write_header(a, entry));
    archive_entry_free(entry);
    archive_write_close(a);
    archive_write_free(a);

    EXPECT_EQ(-1, RunExtract(package, dir / "out"));
    struct stat st;
    ASSERT_EQ(0, stat(victim.c_str(), &st));
    EXPECT_EQ(1u, st.st_nlink);
    EXPECT_EQ("precious", testsupport::ReadFile(victim));
    EXPECT_EQ(1, testsupport::CountLines(log, R"(\[ERROR\] extractor\(\d+\): archive_read_extract2 failed: '.+'$)"));
}

// A file the home does not let the user create: the line says why, as the
// system does, not only which file.
TEST_F(ExtractorTest, AFileThatCannotBeCreatedIsLoggedWithTheReason)
{
    std::string package = dir / "pkg.tar";
    ASSERT_TRUE(WriteArchive(package, Format::Tar, {File("lib/x", "data")}));
    std::string target = dir / "out";
    ASSERT_TRUE(testsupport::MakeDirs(target + "/lib"));
    ASSERT_EQ(0, system(("chown -R nobody '" + dir.path() + "'").c_str()));
    ASSERT_EQ(0, chmod((target + "/lib").c_str(), 0555));

    EXPECT_EQ(1, testsupport::RunAsNobody([&] { return -RunExtract(package, target); }));
    EXPECT_EQ(1, testsupport::CountLines(log, R"(Can't create 'lib/x'.*: Permission denied)"))
        << testsupport::ReadFile(log);
}

TEST_F(ExtractorTest, ReplacesWhatAlreadyStandsUnderTheTarget)
{
    std::string target = dir / "out";
    std::string outside = dir / "outside.txt";
    ASSERT_TRUE(testsupport::MakeDirs(target + "/bin"));
    ASSERT_TRUE(testsupport::WriteFile(target + "/INFO", "old INFO, much longer than the new one"));
    ASSERT_EQ(0, chmod((target + "/INFO").c_str(), 0444));
    ASSERT_TRUE(testsupport::WriteFile(outside, "outside"));
    // A link left at an entry's path is replaced, not written through.
    ASSERT_EQ(0, symlink(outside.c_str(), (target + "/bin/halvora-backup-ui").c_str()));
    std::vector<Entry> entries = {File("INFO", "new"),
                                  File("bin/halvora-backup-ui", "client", 0755)};
    ASSERT_TRUE(WriteArchive(dir / "pkg", Format::TarGz, entries));

    EXPECT_EQ(0, RunExtract(dir / "pkg", target));
    EXPECT_EQ(Expected(entries), Snapshot(target));
    EXPECT_EQ("outside", testsupport::ReadFile(outside));
}

// Count and List share their checks and their opening of the archive.
TEST_F(ExtractorTest, CountAndListRefuseMissingPathsAndArchives)
{
    ASSERT_TRUE(WriteArchive(dir / "pkg", Format::Tar, {File("a", "a")}));
    const std::pair<std::string, std::string> cases[] = {
        {"", dir.path()}, {dir / "pkg", ""}, {dir / "no-such.hpk", dir.path()}};
    for (const auto& [source, target] : cases) {
        Extractor extractor;
        extractor.SetSource(source.c_str());
        extractor.SetTarget(target.c_str());
        testing::internal::CaptureStdout();
        EXPECT_EQ(-1, extractor.Count()) << source << " -> " << target;
        EXPECT_EQ(-1, extractor.List()) << source << " -> " << target;
        EXPECT_EQ("", testing::internal::GetCapturedStdout());
    }
    EXPECT_EQ(4, testsupport::CountLines(log, R"(\[ERROR\] extractor\(\d+\): Invalid argument$)"));
    EXPECT_EQ(2, testsupport::CountLines(log, R"(\[ERROR\] extractor\(\d+\): archive_read_open_filename )"
                                 R"(failed: '.+'$)"));
}

TEST_F(ExtractorTest, ListsEveryPathName)
{
    ASSERT_TRUE(WriteArchive(dir / "pkg", Format::TarXz, {Dir("d"), File("d/f", "f")}));
    Extractor extractor;
    extractor.SetSource((dir / "pkg").c_str());
    extractor.SetTarget(dir.path().c_str());
    testing::internal::CaptureStdout();
    int ret = extractor.List();
    fflush(stdout);
    EXPECT_EQ("d/\nd/f\n", testing::internal::GetCapturedStdout());
    EXPECT_EQ(0, ret);
}

// As in the launcher: the extractor runs on a worker thread, the receiver
// lives on the main thread and gets everything queued, in order.
TEST_F(ExtractorTest, ProgressReachesTheMainThreadInOrder)
{
    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    ASSERT_EQ(QCoreApplication::instance()->thread(), adapter.thread());
    std::vector<Entry> entries = {File("1", "1"), File("2", "2"), Dir("3"), File("3/4", "4")};
    ASSERT_TRUE(WriteArchive(dir / "pkg", Format::TarGz, entries));
    testsupport::ProgressRecorder receiver;
    receiver.Listen();

    int ret = 1;
    std::string source = dir / "pkg", target = dir / "out";
    QThread* worker = QThread::create([&] { ret = RunExtract(source, target); });
    worker->start();
    QDeadlineTimer deadline(30000);
    while (!(worker->isFinished() && receiver.events.size() >= 5) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    worker->wait();
    delete worker;

    EXPECT_EQ(0, ret);
    QStringList expected = {"text:" + StrTable::LoadStr(StrTable::desc_hlvr_env_preparing),
                            "progress:4/1", "progress:4/2", "progress:4/3", "progress:4/4"};
    EXPECT_EQ(expected.join(" | ").toStdString(), receiver.Joined());
    EXPECT_FALSE(StrTable::LoadStr(StrTable::desc_hlvr_env_preparing).isEmpty());
    EXPECT_FALSE(receiver.wrong_thread);
}

} // namespace
