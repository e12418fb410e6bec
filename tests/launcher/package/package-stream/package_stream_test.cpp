// The decode pipeline: every format gives the same names and bytes whether
// it is decoded on a thread of its own or by the library on the caller's
// thread, and damaged input fails with the reader's error, never a hang.
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sched.h>
#include <sys/stat.h>

#include "extractor.h"
#include "package-file.h"
#include "package-stream.h"
#include "strtab.h"
#include "test-archive.h"
#include "test-support.h"

using namespace testarchive;
using testsupport::TempDir;

namespace {

const unsigned kDeadline = 60;

// Larger than one decoded chunk and than several xz blocks, with content
// that compresses and content that does not.
std::vector<Entry> PipelineEntries()
{
    std::string text;
    for (int i = 0; text.size() < 2000000; ++i)
        text += "line " + std::to_string(i) + " of a manual that compresses well\n";
    return {
        Dir("bin"),
        File("bin/halvora-backup-ui", "#!/bin/sh\necho hi\n", 0755),
        File("lib/libbig.so", PseudoRandom(1300000, 21)),
        Symlink("lib/libbig.so.1", "libbig.so"),
        File("share/manual.txt", text),
        Hardlink("share/manual-copy.txt", "share/manual.txt"),
        File("share/empty", ""),
        File("INFO", "[Version]\nbuild_version=9\n"),
    };
}

struct Listing {
    std::vector<std::string> names;
    std::map<std::string, std::string> files; // regular files with data
    int result = ARCHIVE_OK;                   // ARCHIVE_OK, or the failing call's result
    std::string error;
};

bool ReadData(archive* reader, std::string& data)
{
    char buffer[65536];
    for (;;) {
        la_ssize_t n = archive_read_data(reader, buffer, sizeof(buffer));
        if (n == 0)
            return true;
        if (n < 0)
            return false;
        data.append(buffer, static_cast<size_t>(n));
    }
}

// Reads every entry with its data through the pipeline, as the unpack does.
Listing ReadPackage(const std::string& path, int cores)
{
    Listing listing;
    std::unique_ptr<archive, int (*)(archive*)> reader(archive_read_new(), archive_read_free);
    PackageFile file;
    listing.result = file.Open(path.c_str()) == 0 ? OpenPackageReader(reader.get(), file, nullptr, cores)
                                                  : ARCHIVE_FATAL;
    while (listing.result == ARCHIVE_OK) {
        archive_entry* entry = nullptr;
        int ret = archive_read_next_header(reader.get(), &entry);
        if (ret == ARCHIVE_EOF) {
            listing.result = archive_read_close(reader.get());
            break;
        }
        listing.result = ret;
        if (ret != ARCHIVE_OK)
            break;
        listing.names.push_back(archive_entry_pathname(entry));
        std::string data;
        if (!ReadData(reader.get(), data))
            listing.result = ARCHIVE_FATAL;
        else if (archive_entry_filetype(entry) == AE_IFREG && archive_entry_size(entry) > 0)
            listing.files[archive_entry_pathname(entry)] = data;
    }
    const char* error = archive_error_string(reader.get());
    listing.error = error && listing.result != ARCHIVE_OK ? error : "";
    return listing;
}

std::map<std::string, std::string> FilesOf(const std::vector<Entry>& entries)
{
    std::map<std::string, std::string> files;
    for (const Entry& e : entries) {
        if (e.kind == Kind::File && !e.data.empty())
            files[e.path] = e.data;
    }
    return files;
}

// Archives are costly to compress: each format is written once per run.
const std::string& PackageIn(Format format)
{
    static TempDir dir("package-stream-archives");
    static std::map<Format, std::string> made;
    auto it = made.find(format);
    if (it != made.end())
        return it->second;
    std::string path = dir / (std::string("pkg.") + FormatName(format));
    EXPECT_TRUE(WriteArchive(path, format, PipelineEntries()));
    return made[format] = path;
}

class PipelineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        umask(022);
        StrTable::InitStrTable();
        log = testsupport::LogToFile(dir.path(), {"extractor_debug"});
    }
    TempDir dir{"package-stream-test"};
    std::string log;
};

const Format kStreamFormats[] = {Format::Tar,         Format::TarGz,  Format::TarXz,
                                 Format::TarXzBlocks, Format::TarZst, Format::TarZstFrames,
                                 Format::TarBz2};

std::string FormatLabel(const ::testing::TestParamInfo<Format>& info)
{
    return FormatName(info.param);
}

class SameContentTest : public PipelineTest, public ::testing::WithParamInterface<Format> {};

TEST_P(SameContentTest, ThreadedAndPlainReadTheSameNamesAndBytes)
{
    const std::string& package = PackageIn(GetParam());
    Listing plain = ReadPackage(package, 1);
    Listing threaded = ReadPackage(package, 2);
    Listing many = ReadPackage(package, 8);

    ASSERT_EQ(ARCHIVE_OK, plain.result) << plain.error;
    ASSERT_EQ(ARCHIVE_OK, threaded.result) << threaded.error;
    ASSERT_EQ(ARCHIVE_OK, many.result) << many.error;
    EXPECT_EQ(PipelineEntries().size(), plain.names.size());
    EXPECT_EQ(plain.names, threaded.names);
    EXPECT_EQ(plain.names, many.names);
    EXPECT_TRUE(FilesOf(PipelineEntries()) == plain.files);
    EXPECT_TRUE(FilesOf(PipelineEntries()) == threaded.files);
    EXPECT_TRUE(FilesOf(PipelineEntries()) == many.files);
    EXPECT_EQ(1, testsupport::CountLines(log, R"(\[DEBUG\] package-stream\(\d+\): '.*': \w+ decoded on the )"
                                 R"(reader's thread, one core$)"));
    EXPECT_EQ(2, testsupport::CountLines(log, R"(\[DEBUG\] package-stream\(\d+\): '.*': \w+ decoded on a )"
                                 R"(thread of its own, \d+ cores$)"));
}

// The launcher's own unpack, in this process (every core) and in a child
// bound to one core, where there is no decode thread.
TEST_P(SameContentTest, ExtractorUnpacksTheSameTreeOnOneCoreAndOnAll)
{
    if (UsableCores() < 2)
        GTEST_SKIP() << "needs two cores";
    const std::string& package = PackageIn(GetParam());
    std::string all = dir / "all", one = dir / "one";
    ASSERT_TRUE(testsupport::MakeDirs(all));
    ASSERT_TRUE(testsupport::MakeDirs(one));
    Extractor extractor;
    extractor.SetSource(package.c_str());
    extractor.SetTarget(all.c_str());
    ASSERT_EQ(0, extractor.Extract());

    int child = testsupport::RunWithDeadline(
        [&] {
            cpu_set_t set;
            CPU_ZERO(&set);
            CPU_SET(sched_getcpu(), &set);
            if (sched_setaffinity(0, sizeof(set), &set) != 0 || UsableCores() != 1)
                return 2;
            Extractor single;
            single.SetSource(package.c_str());
            single.SetTarget(one.c_str());
            return single.Extract() == 0 ? 0 : 1;
        },
        kDeadline);

    EXPECT_EQ(0, child);
    EXPECT_EQ(Expected(PipelineEntries()), Snapshot(all));
    EXPECT_EQ(Snapshot(all), Snapshot(one));
    EXPECT_EQ(0, testsupport::CountLines(log, R"(\[ERROR\])"));
    EXPECT_LE(1, testsupport::CountLines(log, R"(package-stream\(\d+\): '.*': \w+ decoded on a thread)"));
    EXPECT_LE(1, testsupport::CountLines(log, R"(package-stream\(\d+\): '.*': \w+ decoded on the reader's )"
                                 R"(thread, one core$)"));
}

INSTANTIATE_TEST_SUITE_P(Formats, SameContentTest, ::testing::ValuesIn(kStreamFormats),
                         FormatLabel);

// Formats the pipeline does not decode are read by the library, on any
// number of cores.
TEST_F(PipelineTest, OtherFormatsAreReadByTheLibrary)
{
    for (Format format : {Format::Zip}) {
        std::string package = dir / FormatName(format);
        ASSERT_TRUE(WriteArchive(package, format, ClientPackage("5")));
        Listing listing = ReadPackage(package, 2);
        EXPECT_EQ(ARCHIVE_OK, listing.result) << listing.error;
        EXPECT_TRUE(FilesOf(ClientPackage("5")) == listing.files) << FormatName(format);
    }
    EXPECT_EQ(1, testsupport::CountLines(log, R"(package-stream\(\d+\): '.*': read by the archive library)"));
}

struct Damage {
    const char* name;
    Format format;
    // Returns the damaged bytes of a good archive.
    std::string (*apply)(const std::string& good);
};

std::string CutAtThreeQuarters(const std::string& good)
{
    return good.substr(0, good.size() * 3 / 4);
}

std::string CutAfterTheMagic(const std::string& good)
{
    return good.substr(0, 8);
}

// Garbage in the middle of the compressed data.
std::string Scramble(const std::string& good)
{
    std::string bad = good;
    std::string noise = PseudoRandom(4096, 99);
    bad.replace(bad.size() / 2, noise.size(), noise);
    return bad;
}

std::string GarbageAfterTheMagic(const std::string& good)
{
    return good.substr(0, 6) + PseudoRandom(100000, 98);
}

const Damage kDamages[] = {
    {"TarGzCut", Format::TarGz, CutAtThreeQuarters},
    {"TarXzCut", Format::TarXz, CutAtThreeQuarters},
    {"TarXzBlocksCut", Format::TarXzBlocks, CutAtThreeQuarters},
    {"TarZstCut", Format::TarZst, CutAtThreeQuarters},
    {"TarZstFramesCut", Format::TarZstFrames, CutAtThreeQuarters},
    {"TarBz2Cut", Format::TarBz2, CutAtThreeQuarters},
    {"TarCut", Format::Tar, CutAtThreeQuarters},
    {"TarGzHeaderOnly", Format::TarGz, CutAfterTheMagic},
    {"TarXzHeaderOnly", Format::TarXz, CutAfterTheMagic},
    {"TarZstHeaderOnly", Format::TarZst, CutAfterTheMagic},
    {"TarGzScrambled", Format::TarGz, Scramble},
    {"TarXzScrambled", Format::TarXz, Scramble},
    {"TarXzBlocksScrambled", Format::TarXzBlocks, Scramble},
    {"TarBz2Scrambled", Format::TarBz2, Scramble},
    {"TarZstFramesScrambled", Format::TarZstFrames, Scramble},
    {"TarGzGarbage", Format::TarGz, GarbageAfterTheMagic},
    {"TarXzGarbage", Format::TarXz, GarbageAfterTheMagic},
    {"TarZstGarbage", Format::TarZst, GarbageAfterTheMagic},
};

class DamageTest : public PipelineTest, public ::testing::WithParamInterface<Damage> {
protected:
    std::string Damaged()
    {
        std::string path = dir / "damaged";
        EXPECT_TRUE(testsupport::WriteFile(
            path, GetParam().apply(testsupport::ReadFile(PackageIn(GetParam().format)))));
        return path;
    }
};

// In a child with a deadline, so that a hang shows as a failure: 0 when the
// read failed with an error text, 1 when it passed, 2 when it failed mute.
int ReadFailsWithText(const std::string& path, int cores)
{
    return testsupport::RunWithDeadline(
        [&] {
            Listing listing = ReadPackage(path, cores);
            if (listing.result == ARCHIVE_OK)
                return 1;
            return listing.error.empty() ? 2 : 0;
        },
        kDeadline);
}

TEST_P(DamageTest, FailsWithTheReadersErrorOnBothPaths)
{
    std::string damaged = Damaged();
    EXPECT_EQ(0, ReadFailsWithText(damaged, 1));
    EXPECT_EQ(0, ReadFailsWithText(damaged, 2));
}

TEST_P(DamageTest, ExtractFailsAndLogsTheReadersError)
{
    std::string damaged = Damaged();
    std::string target = dir / "out";
    ASSERT_TRUE(testsupport::MakeDirs(target));
    int status = testsupport::RunWithDeadline(
        [&] {
            Extractor extractor;
            extractor.SetSource(damaged.c_str());
            extractor.SetTarget(target.c_str());
            return extractor.Extract() == -1 ? 0 : 1;
        },
        kDeadline);
    EXPECT_EQ(0, status);
    EXPECT_EQ(1, testsupport::CountLines(log, R"(\[ERROR\] extractor\(\d+\): .*'.+'$)"))
        << testsupport::ReadFile(log);
}

INSTANTIATE_TEST_SUITE_P(Packages, DamageTest, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) {
                             return std::string(info.param.name);
                         });

// The reader gives up on the first entry of a large package while the
// decoder still has megabytes ahead: closing must stop the thread at once.
TEST_F(PipelineTest, AnEarlyFailureStopsTheDecodeThread)
{
    std::vector<Entry> entries = {File("../escape", "x"), File("big", PseudoRandom(6000000, 4))};
    std::string package = dir / "pkg";
    ASSERT_TRUE(WriteArchive(package, Format::TarZst, entries));
    std::string target = dir / "out";
    ASSERT_TRUE(testsupport::MakeDirs(target));
    int status = testsupport::RunWithDeadline(
        [&] {
            Extractor extractor;
            extractor.SetSource(package.c_str());
            extractor.SetTarget(target.c_str());
            return extractor.Extract() == -1 ? 0 : 1;
        },
        kDeadline);
    EXPECT_EQ(0, status);
    EXPECT_FALSE(testsupport::Exists(dir / "escape"));
}

} // namespace
