// What halvora-pack writes, in every format: the same bytes from the same
// tree whatever the files' times, owners and order of creation; entries in
// sorted order with fixed times and owner 0 without names, names byte for
// byte and hard links as links; a system INFO whose "Package" group describes
// the package; zstd with its checksum; xz in several blocks.
#include <QSettings>
#include <archive.h>
#include <archive_entry.h>
#include <clocale>
#include <gtest/gtest.h>
#include <lzma.h>
#include <csignal>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>
#include <xxhash.h>
#include <zstd.h>

#include "client-tree-maker.h"
#include "test-support.h"

namespace {

using packtest::MakeClientTree;
using packtest::RunPackTool;
using testsupport::ReadFile;
using testsupport::TempDir;

struct FormatCase {
    const char* name;
    std::vector<std::string> flag; // empty: the default
    std::string magic;             // the compressed stream's first bytes
};

const FormatCase kFormats[] = {
    {"default_zstd", {}, std::string("\x28\xb5\x2f\xfd", 4)},
    {"zstd", {"--format", "tar.zst"}, std::string("\x28\xb5\x2f\xfd", 4)},
    {"xz", {"--format", "tar.xz"}, std::string("\xfd" "7zXZ\0", 6)},
    {"gzip", {"--format", "tar.gz"}, std::string("\x1f\x8b", 2)},
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

struct ReadBack {
    std::vector<std::string> names;
    std::map<std::string, std::string> hard_links; // name -> the name it links to
    int64_t size_sum = 0;
    bool normalised = true; // time, owner, names of owner, modes
    std::string problem;
};

struct ReaderFree {
    void operator()(archive* a) const { archive_read_free(a); }
};

bool Empty(const char* text)
{
    return !text || !*text;
}

// The names are UTF-8; this thread reads them in a UTF-8 locale, as a
// user's session does, while the rest of the test stays in "C".
class Utf8Locale {
public:
    Utf8Locale() : m_utf8(newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr))
    {
        m_old = m_utf8 ? uselocale(m_utf8) : nullptr;
    }
    ~Utf8Locale()
    {
        if (m_utf8) {
            uselocale(m_old);
            freelocale(m_utf8);
        }
    }

private:
    locale_t m_utf8;
    locale_t m_old = nullptr;
};

// What a launcher-side reader sees in the package.
ReadBack Read(const std::string& package)
{
    Utf8Locale utf8;
    ReadBack back;
    std::unique_ptr<archive, ReaderFree> reader(archive_read_new());
    archive_read_support_filter_all(reader.get());
    archive_read_support_format_all(reader.get());
    if (archive_read_open_filename(reader.get(), package.c_str(), 10240) != ARCHIVE_OK) {
        back.problem = archive_error_string(reader.get());
        return back;
    }
    archive_entry* entry = nullptr;
    int ret;
    while ((ret = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        std::string name = archive_entry_pathname(entry);
        if (!name.empty() && name.back() == '/')
            name.pop_back();
        back.names.push_back(name);
        if (archive_entry_hardlink(entry))
            back.hard_links[name] = archive_entry_hardlink(entry);
        back.size_sum += archive_entry_size(entry);
        const mode_t perm = archive_entry_perm(entry);
        const bool mode_ok = archive_entry_filetype(entry) == AE_IFLNK ||
                             perm == 0755 || (perm == 0644 && archive_entry_filetype(entry) == AE_IFREG);
        if (archive_entry_mtime(entry) != 1577836800 || archive_entry_uid(entry) != 0 ||
            archive_entry_gid(entry) != 0 || !Empty(archive_entry_uname(entry)) ||
            !Empty(archive_entry_gname(entry)) || archive_entry_atime_is_set(entry) ||
            archive_entry_ctime_is_set(entry) || !mode_ok) {
            back.normalised = false;
            back.problem += name + " ";
        }
    }
    if (ret != ARCHIVE_EOF)
        back.problem = archive_error_string(reader.get());
    return back;
}

// Whether the whole compressed stream decodes, its checks included.
bool Decodes(const std::string& data)
{
    std::unique_ptr<archive, ReaderFree> reader(archive_read_new());
    archive_read_support_filter_all(reader.get());
    archive_read_support_format_raw(reader.get());
    archive_entry* entry = nullptr;
    if (archive_read_open_memory(reader.get(), data.data(), data.size()) != ARCHIVE_OK ||
        archive_read_next_header(reader.get(), &entry) != ARCHIVE_OK)
        return false;
    char buffer[65536];
    la_ssize_t n;
    while ((n = archive_read_data(reader.get(), buffer, sizeof buffer)) > 0) {
    }
    return n == 0;
}

std::string Xxh3Of(const std::string& data)
{
    XXH128_hash_t hash = XXH3_128bits(data.data(), data.size());
    char text[33];
    snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(hash.high64),
             static_cast<unsigned long long>(hash.low64));
    return text;
}

// The number of blocks in a single-stream xz file, from its index.
uint64_t XzBlocks(const std::string& data)
{
    if (data.size() < 2 * LZMA_STREAM_HEADER_SIZE)
        return 0;
    lzma_stream_flags footer;
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(data.data());
    if (lzma_stream_footer_decode(&footer, bytes + data.size() - LZMA_STREAM_HEADER_SIZE) != LZMA_OK)
        return 0;
    const size_t index_at = data.size() - LZMA_STREAM_HEADER_SIZE - footer.backward_size;
    lzma_index* index = nullptr;
    uint64_t memlimit = UINT64_MAX;
    size_t pos = index_at;
    if (lzma_index_buffer_decode(&index, &memlimit, nullptr, bytes, &pos,
                                 data.size() - LZMA_STREAM_HEADER_SIZE) != LZMA_OK)
        return 0;
    uint64_t blocks = lzma_index_block_count(index);
    lzma_index_end(index, nullptr);
    return blocks;
}

// The content sizes of the zstd frames in turn; empty where a frame does not
// give its size or the data is no run of whole frames.
std::vector<unsigned long long> ZstdFrameSizes(const std::string& data)
{
    std::vector<unsigned long long> sizes;
    for (size_t at = 0; at < data.size();) {
        unsigned long long content = ZSTD_getFrameContentSize(data.data() + at, data.size() - at);
        size_t length = ZSTD_findFrameCompressedSize(data.data() + at, data.size() - at);
        if (content >= ZSTD_CONTENTSIZE_ERROR || ZSTD_isError(length))
            return {};
        sizes.push_back(content);
        at += length;
    }
    return sizes;
}

int Pack(const std::string& tree, const std::string& out, const FormatCase& format,
         std::vector<std::string> extra = {})
{
    std::vector<std::string> args = {tree, out, "--build", "12"};
    args.insert(args.end(), format.flag.begin(), format.flag.end());
    args.insert(args.end(), extra.begin(), extra.end());
    std::string err;
    int rc = RunPackTool(args, &err);
    EXPECT_EQ(err, "");
    return rc;
}

class PackArchiveTest : public ::testing::TestWithParam<FormatCase> {
protected:
    TempDir dir{"halvora-pack-archive"};
};

TEST_P(PackArchiveTest, SameTreeGivesTheSameBytes)
{
    MakeClientTree(dir / "tree", 12);
    ASSERT_EQ(Pack(dir / "tree", dir / "one", GetParam()), 0);
    ASSERT_EQ(Pack(dir / "tree/", dir / "new/two", GetParam()), 0); // parents made as needed
    const std::string first = ReadFile(dir / "one/package/halvora.hpk");
    ASSERT_EQ(first.compare(0, GetParam().magic.size(), GetParam().magic), 0);
    EXPECT_TRUE(first == ReadFile(dir / "new/two/package/halvora.hpk"));
    EXPECT_EQ(ReadFile(dir / "one/INFO"), ReadFile(dir / "new/two/INFO"));
}

// Another machine, another day: the files made in another order, at other
// times, owned by someone else, with a stricter umask on the folders.
TEST_P(PackArchiveTest, NothingOfThePackingMachineGoesIn)
{
    MakeClientTree(dir / "tree", 12);
    const mode_t old_mask = umask(077);
    MakeClientTree(dir / "other", 12);
    umask(old_mask);
    for (const std::string& name : packtest::SortedWalk(dir / "other")) {
        const std::string path = dir / ("other/" + name);
        ASSERT_EQ(lchown(path.c_str(), testsupport::NobodyUid(), testsupport::NobodyUid()), 0);
        const timeval times[2] = {{1000, 0}, {2000000000, 0}};
        ASSERT_EQ(lutimes(path.c_str(), times), 0);
    }
    ASSERT_EQ(Pack(dir / "tree", dir / "one", GetParam()), 0);
    ASSERT_EQ(Pack(dir / "other", dir / "two", GetParam()), 0);
    EXPECT_TRUE(ReadFile(dir / "one/package/halvora.hpk") == ReadFile(dir / "two/package/halvora.hpk"));
}

TEST_P(PackArchiveTest, EntriesSortedWithFixedTimeAndOwner)
{
    MakeClientTree(dir / "tree", 12);
    ASSERT_EQ(Pack(dir / "tree", dir / "out", GetParam()), 0);
    ReadBack back = Read(dir / "out/package/halvora.hpk");
    EXPECT_EQ(back.problem, "");
    EXPECT_TRUE(back.normalised);
    EXPECT_EQ(back.names, packtest::SortedWalk(dir / "tree"));
}

TEST_P(PackArchiveTest, SystemInfoDescribesThePackage)
{
    MakeClientTree(dir / "tree", 12);
    ASSERT_EQ(Pack(dir / "tree", dir / "out", GetParam(), {"--overlay", "5", "--major", "3"}), 0);
    const std::string package = dir / "out/package/halvora.hpk";
    ReadBack back = Read(package);
    EXPECT_EQ(back.problem, "");
    QSettings info(QString::fromStdString(dir / "out/INFO"), QSettings::IniFormat);
    EXPECT_EQ(info.value("Version/build_version").toString(), "12");
    EXPECT_EQ(info.value("Version/major_version").toString(), "3");   // from the command line
    EXPECT_EQ(info.value("Version/minor_version").toString(), "0");   // from the tree's INFO
    EXPECT_EQ(info.value("Version/icon_overlay_version").toString(), "5");
    EXPECT_EQ(info.value("Package/entries").toLongLong(), static_cast<qlonglong>(back.names.size()));
    EXPECT_EQ(info.value("Package/unpacked_size").toLongLong(), back.size_sum);
    EXPECT_EQ(info.value("Package/xxh3_128").toString().toStdString(), Xxh3Of(ReadFile(package)));
    // Names byte for byte (a composed and a decomposed "é" stay two), and a
    // second name of a file a hard link: the figures above count it as such.
    EXPECT_EQ(std::count(back.names.begin(), back.names.end(), "share/\xc3\xa9"), 1);
    EXPECT_EQ(std::count(back.names.begin(), back.names.end(), "share/e\xcc\x81"), 1);
    EXPECT_EQ(back.hard_links, (std::map<std::string, std::string>{
                                   {"lib/plugins/codecs/libcodec.so.1.2", "lib/codec.so"}}));
    struct stat st;
    ASSERT_EQ(stat(package.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u); // every user's launcher reads it
}

INSTANTIATE_TEST_SUITE_P(Formats, PackArchiveTest, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.name); });

// A threaded decoder needs blocks to share out: 20 MiB of input makes three
// of at most 8 MiB each.
TEST(PackXzTest, WrittenInBlocks)
{
    TempDir dir("halvora-pack-xz");
    MakeClientTree(dir / "tree", 12, 20u << 20);
    ASSERT_EQ(Pack(dir / "tree", dir / "out", kFormats[2]), 0);
    EXPECT_EQ(XzBlocks(ReadFile(dir / "out/package/halvora.hpk")), 3u);
}

// Like xz's and gzip's, each zstd frame ends with its content's checksum
// (its header says so), and a flipped byte of it fails the decoding. The
// launcher decodes frames in parallel: 20 MiB of input makes three, each
// of at most 8 MiB and saying so.
TEST(PackZstdTest, FramesCarryTheirSizesAndChecksums)
{
    TempDir dir("halvora-pack-zstd");
    MakeClientTree(dir / "tree", 12, 20u << 20);
    ASSERT_EQ(Pack(dir / "tree", dir / "out", kFormats[0]), 0);
    std::string data = ReadFile(dir / "out/package/halvora.hpk");
    std::vector<unsigned long long> sizes = ZstdFrameSizes(data);
    ASSERT_EQ(3u, sizes.size());
    EXPECT_EQ(8ull << 20, sizes[0]);
    EXPECT_EQ(8ull << 20, sizes[1]);
    EXPECT_GT(sizes[2], 0ull);
    ASSERT_GT(data.size(), 8u);
    EXPECT_NE(data[4] & 0x04, 0); // Frame_Header_Descriptor: Content_Checksum_flag
    EXPECT_TRUE(Decodes(data));
    data[data.size() - 4] ^= 0x01;
    EXPECT_FALSE(Decodes(data));
}

// A new package replaces the old one whole.
TEST(PackOutputTest, RepackReplacesAndLeavesNoTemporaryFile)
{
    TempDir dir("halvora-pack-replace");
    MakeClientTree(dir / "tree", 12);
    ASSERT_EQ(Pack(dir / "tree", dir / "out", kFormats[3]), 0);
    ASSERT_EQ(Pack(dir / "tree", dir / "out", kFormats[0]), 0);
    EXPECT_EQ(packtest::SortedWalk(dir / "out"),
              (std::vector<std::string>{"INFO", "package", "package/halvora.hpk"}));
    EXPECT_EQ(ReadFile(dir / "out/package/halvora.hpk").compare(0, 4, kFormats[0].magic), 0);
}

// A relative OUTDIR without a slash is made in the working folder (its
// parent is the working folder, not the name again).
TEST(PackOutputTest, RelativeOutdirWithoutSlash)
{
    TempDir dir("halvora-pack-relative");
    MakeClientTree(dir / "tree", 12);
    std::string err;
    const std::string cwd = dir.path();
    EXPECT_EQ(RunPackTool({dir / "tree", "out", "--build", "12"}, &err,
                          [cwd] { (void)!chdir(cwd.c_str()); }),
              0)
        << err;
    EXPECT_TRUE(testsupport::Exists(dir / "out/package/halvora.hpk"));
}

// A package that cannot be written whole (here: a file size limit, as a full
// disk would do) fails naming it, and leaves nothing it made: no part of it,
// not the OUTDIR it created.
TEST(PackOutputTest, FailedWriteLeavesNothing)
{
    TempDir dir("halvora-pack-full");
    MakeClientTree(dir / "tree", 12);
    std::string err;
    int rc = RunPackTool({dir / "tree", dir / "out", "--build", "12"}, &err, [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(rc, 1);
    EXPECT_EQ(err.find("halvora-pack: " + (dir / "out/package/halvora.hpk") + ": "), 0u) << err;
    EXPECT_FALSE(testsupport::Exists(dir / "out"));
}

} // namespace
