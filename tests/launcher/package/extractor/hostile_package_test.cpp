// Packages built to harm the user: links to write through, special files,
// names that depend on the locale. The extractor is tried on its own and
// through the service's installation, which must put the old copy back.
#include <QCoreApplication>
#include <QDir>
#include <archive.h>
#include <archive_entry.h>
#include <bzlib.h>
#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <vector>

#include "exposed-service.h"
#include "extractor.h"
#include "package-stream.h"
#include "strtab.h"
#include "test-archive.h"
#include "test-support.h"

using namespace testarchive;
using testsupport::TempDir;

namespace {

// Sets the process's locale as the launcher's start-up does from LANG, and
// puts the previous one back.
class ProcessLocale {
public:
    explicit ProcessLocale(const char* name)
    {
        previous = setlocale(LC_ALL, nullptr);
        active = setlocale(LC_ALL, name) != nullptr;
    }
    ~ProcessLocale() { setlocale(LC_ALL, previous.c_str()); }
    bool active;

private:
    std::string previous;
};

// A home with a user's files beside the copy, and a folder outside the home:
// the places a hostile package aims at.
class HostileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        umask(022);
        StrTable::InitStrTable();
        log = testsupport::LogToFile(logs.path(), {"service_debug", "extractor_debug"});
        home = dir / "home";
        outside = dir / "outside";
        user = home + "/.HalvoraBackup";
        app = user + "/Halvora.app";
        setenv("HOME", home.c_str(), 1);
        ASSERT_TRUE(testsupport::MakeDirs(user));
        ASSERT_TRUE(testsupport::MakeDirs(outside));
        ASSERT_TRUE(testsupport::WriteFile(home + "/.profile", "the user's profile"));
        ASSERT_TRUE(testsupport::WriteFile(outside + "/victim", "precious"));
        root = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..").toStdString();
        package = root + "/package/halvora.hpk";
        testsupport::RemoveTree(root + "/package");
        ASSERT_TRUE(testsupport::MakeDirs(root + "/package"));
    }

    // Everything but the copy and its backups.
    Tree Surroundings()
    {
        Tree tree = Snapshot(dir.path());
        for (auto it = tree.begin(); it != tree.end();) {
            bool ours = it->first.rfind("home/.HalvoraBackup/Halvora.app", 0) == 0;
            it = ours ? tree.erase(it) : std::next(it);
        }
        return tree;
    }

    int Extract(const std::string& target)
    {
        Extractor extractor;
        extractor.SetSource(package.c_str());
        extractor.SetTarget(target.c_str());
        return extractor.Extract();
    }

    // The service's whole installation: back the copy up, unpack, roll back.
    int Install()
    {
        testsupport::ExposedService service;
        service.per_user_install_path = app.c_str();
        return service.PrepareUserEnv();
    }

    void TearDown() override { SetPackageReadBound(60, 1); }

    Tree InstallOldCopy()
    {
        testsupport::MakeDirs(app + "/bin");
        testsupport::WriteFile(app + "/INFO", "[Version]\nbuild_version=1\n");
        testsupport::WriteFile(app + "/bin/halvora-backup-ui", "old client");
        return Snapshot(app);
    }

    TempDir dir{"hostile-test"};
    TempDir logs{"hostile-log"};
    std::string log, home, outside, user, app, root, package;
};

struct HostileCase {
    std::string name;
    Format format;
    std::vector<Entry> entries;
    std::string line; // the refusal expected in the log
    std::string (*bytes)() = nullptr; // the package as made by hand, if not by entries
    int bound = 60;                   // seconds the read may take
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

const char kThroughLink[] = R"(refusing '.+': its path passes through the symbolic link '.+'$)";

std::string Bzip2(const std::string& data)
{
    std::string out(data.size() / 100 + 1000, '\0');
    unsigned int size = static_cast<unsigned int>(out.size());
    EXPECT_EQ(BZ_OK, BZ2_bzBuffToBuffCompress(&out[0], &size, const_cast<char*>(data.data()),
                                              static_cast<unsigned int>(data.size()), 9, 0, 0));
    return out.substr(0, size);
}

// 180 bzip2 streams of 45 MiB of zeros, 81 bytes each, behind one that holds
// the ustar header of a file of them all: 15 KB that decode to 8 GB.
std::string Bzip2StreamBomb()
{
    const unsigned long long zeros = 45u << 20, streams = 180;
    std::string h(512, '\0');
    snprintf(&h[0], 100, "zeros");
    snprintf(&h[100], 8, "%07o", 0644);
    snprintf(&h[124], 12, "%011llo", zeros * streams);
    h.replace(156, 1, "0");
    h.replace(257, 8, std::string("ustar\0" "00", 8));
    SetUstarChecksum(h, 0);
    std::string bomb = Bzip2(h), stream = Bzip2(std::string(zeros, '\0'));
    for (unsigned i = 0; i < streams; ++i)
        bomb += stream;
    return bomb;
}

std::string Le(uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i));
    return out;
}

// One zip member in LZMA whose properties declare a dictionary of 4 GiB.
std::string ZipWithLzmaMember()
{
    const std::string name = "INFO";
    const std::string body = std::string("\x09\x14\x05\x00\x5d\xff\xff\xff\xff", 9) + "lzma data";
    // Version needed, flags, method (LZMA), time, date and checksum, sizes,
    // name and extra lengths: the same in the local and the central header.
    const std::string shared = Le(63, 2) + Le(0, 2) + Le(14, 2) + Le(0, 4) + Le(0, 4) +
                               Le(body.size(), 4) + Le(1u << 30, 4) + Le(name.size(), 2) + Le(0, 2);
    const std::string local = Le(0x04034b50, 4) + shared + name + body;
    const std::string central = Le(0x02014b50, 4) + Le(63, 2) + shared + std::string(14, '\0') + name;
    return local + central + Le(0x06054b50, 4) + Le(0, 4) + Le(1, 2) + Le(1, 2) +
           Le(central.size(), 4) + Le(local.size(), 4) + Le(0, 2);
}

std::vector<HostileCase> HostileCases()
{
    std::vector<HostileCase> cases;
    for (Format f : {Format::Pax, Format::GnuTar, Format::Zip}) {
        std::string tag = FormatName(f);
        cases.push_back({"relative_link_" + tag, f,
                         {File("INFO", "new"), Symlink("x", "../.."), File("x/.profile", "evil")},
                         kThroughLink});
        cases.push_back({"absolute_link_" + tag, f,
                         {Symlink("x", "@OUTSIDE@"), File("x/victim", "evil")}, kThroughLink});
        cases.push_back({"link_inside_the_copy_" + tag, f,
                         {Dir("bin"), Symlink("x", "bin"), File("x/client", "evil")},
                         kThroughLink});
        cases.push_back({"link_to_a_folder_then_folder_" + tag, f,
                         {Symlink("x", "@OUTSIDE@"), Dir("x/sub"), File("x/sub/f", "evil")},
                         kThroughLink});
    }
    const char kRefused[] = R"(refusing '%s': a package holds only files, folders and links, )"
                            R"(not a %s$)";
    struct Special_ {
        const char* name;
        Format format;
        Kind kind;
        const char* type;
    };
    for (const Special_& s : {Special_{"fifo_pax", Format::Pax, Kind::Fifo, "FIFO"},
                              Special_{"fifo_gnutar", Format::GnuTar, Kind::Fifo, "FIFO"},
                              Special_{"char_device_pax", Format::Pax, Kind::CharDevice,
                                       "character device"},
                              Special_{"block_device_gnutar", Format::GnuTar, Kind::BlockDevice,
                                       "block device"}}) {
        char line[200];
        snprintf(line, sizeof line, kRefused, "dev/thing", s.type);
        cases.push_back({s.name, s.format,
                         {File("INFO", "new"), Dir("dev"), Special("dev/thing", s.kind)},
                         line});
    }
    // Only the tar family and zip are read: other formats are where readers
    // loop, recurse or grow without bound, and some filters run a program.
    const char kNotAPackage[] = R"(archive_read_open_filename failed: '.+'$)";
    cases.push_back({"socket_in_cpio", Format::Cpio, {Special("dev/thing", Kind::Socket)},
                     kNotAPackage});
    // Its first 32 KiB are zeros: to the tar reader, an empty archive.
    cases.push_back({"iso_image", Format::Iso, ClientPackage("2"),
                     R"(Failed to calculate total file numbers, ret: 0$)"});
    cases.push_back({"tar_gz_compressed_again", Format::TarGzGz, ClientPackage("2"),
                     kNotAPackage});
    cases.push_back({"lrzip_needs_a_program", Format::Lrzip, {}, kNotAPackage});
    // bzip2 is decoded a chunk at a time, so the time bound holds between
    // chunks; a small bound keeps the row quick.
    cases.push_back({"bzip2_stream_bomb", Format::Tar, {},
                     R"(package-stream\(\d+\): reading the package took longer than 1 s, it )"
                     R"(is damaged$)",
                     Bzip2StreamBomb, 1});
    cases.push_back({"zip_lzma_member_of_4_gib_dictionary", Format::Zip, {},
                     R"(refusing 'INFO': a package's zip members are stored or deflated, not )"
                     R"(compressed with 'lzma'$)",
                     ZipWithLzmaMember});
    return cases;
}

// The outside folder's absolute path is known only once the test runs.
std::vector<Entry> Aimed(std::vector<Entry> entries, const std::string& outside)
{
    for (Entry& e : entries) {
        if (e.data == "@OUTSIDE@")
            e.data = outside;
    }
    return entries;
}

class HostilePackageTest : public HostileTest,
                           public ::testing::WithParamInterface<HostileCase> {
protected:
    bool WritePackage(const HostileCase& c)
    {
        SetPackageReadBound(c.bound, 0);
        if (c.bytes)
            return testsupport::WriteFile(package, c.bytes());
        return WriteArchive(package, c.format, Aimed(c.entries, outside));
    }
};

TEST_P(HostilePackageTest, IsRefusedByTheExtractor)
{
    const HostileCase& c = GetParam();
    ASSERT_TRUE(WritePackage(c));
    // Decoders that are programs, found in PATH, each leave a mark if run.
    std::string bin = logs / "bin";
    ASSERT_TRUE(testsupport::MakeDirs(bin));
    for (const char* program : {"lrzip", "grzip", "lzop", "lz4", "zstd", "bzip2", "gzip", "xz"}) {
        std::string tool = bin + "/" + program;
        ASSERT_TRUE(testsupport::WriteFile(tool, "#!/bin/sh\ntouch " + bin + "/ran\nexec cat\n"));
        ASSERT_EQ(0, chmod(tool.c_str(), 0755));
    }
    std::string path = getenv("PATH");
    setenv("PATH", (bin + ":" + path).c_str(), 1);
    Tree before = Surroundings();
    EXPECT_EQ(-1, Extract(app));
    setenv("PATH", path.c_str(), 1);
    EXPECT_FALSE(testsupport::Exists(bin + "/ran"));
    EXPECT_EQ(before, Surroundings());
    EXPECT_EQ(1, testsupport::CountLines(log, c.line)) << testsupport::ReadFile(log);
}

TEST_P(HostilePackageTest, FailsTheInstallationAndTheOldCopyComesBack)
{
    const HostileCase& c = GetParam();
    ASSERT_TRUE(WritePackage(c));
    Tree old_copy = InstallOldCopy();
    Tree before = Surroundings();
    EXPECT_EQ(-1, Install());
    EXPECT_EQ(before, Surroundings());
    EXPECT_EQ(old_copy, Snapshot(app));
}

INSTANTIATE_TEST_SUITE_P(Packages, HostilePackageTest, ::testing::ValuesIn(HostileCases()),
                         [](const ::testing::TestParamInfo<HostileCase>& info) {
                             return info.param.name;
                         });

class LinkInTheCopyTest : public HostileTest, public ::testing::WithParamInterface<Format> {};

// A link left in the copy (by an earlier package, or planted) is not followed.
TEST_P(LinkInTheCopyTest, IsNotWrittenThrough)
{
    ASSERT_TRUE(testsupport::MakeDirs(app));
    ASSERT_EQ(0, symlink(outside.c_str(), (app + "/lib").c_str()));
    ASSERT_EQ(0, symlink("../..", (app + "/up").c_str()));
    for (const char* name : {"lib/victim", "up/.profile"}) {
        ASSERT_TRUE(WriteArchive(package, GetParam(), {File("INFO", "new"), File(name, "evil")}));
        Tree before = Surroundings();
        EXPECT_EQ(-1, Extract(app)) << name;
        EXPECT_EQ(before, Surroundings()) << name;
    }
    EXPECT_EQ(2, testsupport::CountLines(log, kThroughLink)) << testsupport::ReadFile(log);
}

INSTANTIATE_TEST_SUITE_P(Formats, LinkInTheCopyTest,
                         ::testing::Values(Format::Pax, Format::GnuTar, Format::Zip),
                         [](const ::testing::TestParamInfo<Format>& info) {
                             return std::string(FormatName(info.param));
                         });

class HarmlessPackageTest : public HostileTest, public ::testing::WithParamInterface<Format> {};

// Links are still unpacked as links, whatever they point at, and a link
// replaced by a file or folder of the package is replaced, not followed.
TEST_P(HarmlessPackageTest, LinksAreUnpackedAsLinks)
{
    std::vector<Entry> entries = {
        Dir("lib"),
        File("lib/libclient.so.1", "library"),
        Symlink("lib/libclient.so", "libclient.so.1"),
        Symlink("absolute", outside + "/victim"),
        Symlink("up", "../.."),
        Symlink("dangling", "no/such/file"),
    };
    ASSERT_TRUE(WriteArchive(package, GetParam(), entries));
    Tree before = Surroundings();
    EXPECT_EQ(0, Extract(app)) << testsupport::ReadFile(log);
    EXPECT_EQ(Expected(entries), Snapshot(app));
    EXPECT_EQ(before, Surroundings());
}

// Owners and set-id bits in the archive are not restored.
TEST_P(HarmlessPackageTest, OwnersAndSetIdBitsAreNotRestored)
{
    Entry setid = File("bin/tool", "tool", 06755);
    setid.uid = 4242;
    Entry sticky = Dir("shared");
    sticky.mode = 01777;
    ASSERT_TRUE(WriteArchive(package, GetParam(), {setid, sticky}));
    EXPECT_EQ(0, Extract(app)) << testsupport::ReadFile(log);
    struct stat st;
    ASSERT_EQ(0, lstat((app + "/bin/tool").c_str(), &st));
    EXPECT_EQ(0755u, st.st_mode & 07777);
    EXPECT_EQ(getuid(), st.st_uid);
    ASSERT_EQ(0, lstat((app + "/shared").c_str(), &st));
    EXPECT_EQ(0u, st.st_mode & 07000);
}

// A home reached through a link (/home -> /data/home) is no link to refuse:
// only what lies inside the copy is looked at.
TEST_P(HarmlessPackageTest, HomeReachedThroughALinkStillInstalls)
{
    std::string real = dir / "data/home";
    ASSERT_TRUE(testsupport::MakeDirs(real));
    ASSERT_EQ(0, symlink(real.c_str(), (dir / "linked-home").c_str()));
    std::string target = dir / "linked-home/.HalvoraBackup/Halvora.app";
    std::vector<Entry> entries = ClientPackage("7");
    ASSERT_TRUE(WriteArchive(package, GetParam(), entries));
    EXPECT_EQ(0, Extract(target)) << testsupport::ReadFile(log);
    EXPECT_EQ(Expected(entries), Snapshot(real + "/.HalvoraBackup/Halvora.app"));
}

INSTANTIATE_TEST_SUITE_P(Formats, HarmlessPackageTest,
                         ::testing::Values(Format::Pax, Format::GnuTar, Format::Zip),
                         [](const ::testing::TestParamInfo<Format>& info) {
                             return std::string(FormatName(info.param));
                         });

struct NameSet {
    const char* name;
    std::vector<std::string> paths;
};

void PrintTo(const NameSet& n, std::ostream* os) { *os << n.name; }

const NameSet kNames[] = {
    {"latin", {"Grüße/Ärger Übel.txt", "çà/ñø.ini"}},
    {"cjk", {"資料/設定.ini", "한국어/ファイル.txt"}},
    {"emoji", {"😀/🎉 party.txt", "🦀.bin"}},
};

class LocaleNamesTest
    : public HostileTest,
      public ::testing::WithParamInterface<std::tuple<const char*, Format, NameSet>> {};

// The same package gives the same names under LANG=C, POSIX and UTF-8.
TEST_P(LocaleNamesTest, SameNamesUnderEveryLocale)
{
    auto [locale, format, names] = GetParam();
    std::vector<Entry> entries = ClientPackage("3");
    for (const std::string& path : names.paths)
        entries.push_back(File(path, "content of " + path));
    ASSERT_TRUE(WriteArchive(package, format, entries));
    ASSERT_TRUE(testsupport::WriteFile(root + "/INFO", "[Version]\nbuild_version=3\n"));
    InstallOldCopy();
    ProcessLocale process(locale);
    ASSERT_TRUE(process.active) << locale;
    EXPECT_EQ(0, Install()) << testsupport::ReadFile(log);
    EXPECT_EQ(Expected(entries), Snapshot(app));
}

INSTANTIATE_TEST_SUITE_P(
    Names, LocaleNamesTest,
    ::testing::Combine(::testing::Values("C", "POSIX", "C.UTF-8"),
                       ::testing::Values(Format::Pax, Format::GnuTar, Format::Zip),
                       ::testing::ValuesIn(kNames)),
    [](const ::testing::TestParamInfo<LocaleNamesTest::ParamType>& info) {
        std::string locale = std::get<0>(info.param);
        for (char& ch : locale)
            ch = isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return locale + "_" + FormatName(std::get<1>(info.param)) + "_" +
               std::get<2>(info.param).name;
    });

} // namespace

namespace {

// The launcher unpacks on its worker thread while the main thread runs the
// dialog: the thread's working directory and locale are put back, and the
// process's were never changed.
TEST_F(HostileTest, UnpackLeavesItsThreadAndTheProcessAsFound)
{
    ASSERT_TRUE(WriteArchive(package, Format::Pax, ClientPackage("5")));
    ProcessLocale process("C");
    char before[4096];
    ASSERT_NE(nullptr, getcwd(before, sizeof before));
    int result = -1;
    std::string thread_cwd;
    bool thread_locale_back = false;
    std::thread worker([&] {
        result = Extract(app);
        char after[4096];
        thread_cwd = getcwd(after, sizeof after) ? after : "";
        thread_locale_back = uselocale(nullptr) == LC_GLOBAL_LOCALE;
    });
    worker.join();
    EXPECT_EQ(0, result) << testsupport::ReadFile(log);
    EXPECT_EQ(std::string(before), thread_cwd);
    EXPECT_TRUE(thread_locale_back);
    char after[4096];
    ASSERT_NE(nullptr, getcwd(after, sizeof after));
    EXPECT_STREQ(before, after);
    EXPECT_STREQ("C", setlocale(LC_ALL, nullptr));
}

} // namespace

namespace {

// Hard links joining a file through a link: the package's own link to a
// folder outside, then a hard link whose original lies behind it.
TEST_F(HostileTest, HardLinkThroughALinkIsRefused)
{
    archive* a = archive_write_new();
    archive_write_set_format_pax(a);
    ASSERT_EQ(ARCHIVE_OK, archive_write_open_filename(a, package.c_str()));
    archive_entry* link = archive_entry_new();
    archive_entry_set_pathname(link, "x");
    archive_entry_set_filetype(link, AE_IFLNK);
    archive_entry_set_symlink(link, outside.c_str());
    ASSERT_EQ(ARCHIVE_OK, archive_write_header(a, link));
    archive_entry_free(link);
    archive_entry* hard = archive_entry_new();
    archive_entry_set_pathname(hard, "h");
    archive_entry_set_filetype(hard, AE_IFREG);
    archive_entry_set_perm(hard, 0644);
    archive_entry_set_hardlink(hard, "x/victim");
    archive_entry_set_size(hard, 0);
    ASSERT_EQ(ARCHIVE_OK, archive_write_header(a, hard));
    archive_entry_free(hard);
    archive_write_close(a);
    archive_write_free(a);

    EXPECT_EQ(-1, Extract(app));
    struct stat st;
    ASSERT_EQ(0, stat((outside + "/victim").c_str(), &st));
    EXPECT_EQ(1u, st.st_nlink);
    EXPECT_EQ(1, testsupport::CountLines(log, R"(refusing 'h': its path passes through the symbolic link 'x'$)"))
        << testsupport::ReadFile(log);
}

} // namespace
