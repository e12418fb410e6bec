#include "test-archive.h"

#include <archive.h>
#include <algorithm>
#include <archive_entry.h>
#include <cstring>
#include <filesystem>
#include <locale.h>
#include <gtest/gtest.h>
#include <lzma.h>
#include <memory>
#include <sys/stat.h>
#include <zstd.h>

#include "test-support.h"

namespace testarchive {

namespace fs = std::filesystem;

namespace {
const size_t kSparseTail = 4096;
}

Entry File(const std::string& path, const std::string& content, int mode)
{
    return Entry{path, Kind::File, content, mode};
}

Entry Dir(const std::string& path, int mode)
{
    return Entry{path, Kind::Dir, "", mode};
}

Entry Sparse(const std::string& path, int64_t size)
{
    return Entry{path, Kind::Sparse, std::string(kSparseTail, 's'), 0644, size};
}

Entry Symlink(const std::string& path, const std::string& target)
{
    return Entry{path, Kind::Symlink, target, 0777};
}

Entry Hardlink(const std::string& path, const std::string& original)
{
    return Entry{path, Kind::Hardlink, original, 0644};
}

Entry Special(const std::string& path, Kind kind)
{
    return Entry{path, kind, "", 0644};
}

const char* FormatName(Format format)
{
    switch (format) {
    case Format::Tar: return "tar";
    case Format::TarGz: return "tar_gz";
    case Format::TarXz: return "tar_xz";
    case Format::TarXzBlocks: return "tar_xz_blocks";
    case Format::TarZst: return "tar_zst";
    case Format::TarZstFrames: return "tar_zst_frames";
    case Format::TarBz2: return "tar_bz2";
    case Format::Zip: return "zip";
    case Format::Cpio: return "cpio";
    case Format::Pax: return "pax";
    case Format::GnuTar: return "gnutar";
    case Format::Iso: return "iso";
    case Format::TarGzGz: return "tar_gz_gz";
    case Format::Lrzip: return "lrzip";
    }
    return "?";
}

namespace {

// Long contents are compared by size and hash, to keep failure reports short.
std::string Describe(const std::string& content)
{
    if (content.size() <= 64)
        return content;
    return "<" + std::to_string(content.size()) + " bytes, hash " +
           std::to_string(std::hash<std::string>()(content)) + ">";
}

bool GzipOnceMore(const std::string& path)
{
    std::string bytes = testsupport::ReadFile(path);
    archive* a = archive_write_new();
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, "data");
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_size(entry, static_cast<int64_t>(bytes.size()));
    bool ok = archive_write_set_format_raw(a) == ARCHIVE_OK &&
              archive_write_add_filter_gzip(a) == ARCHIVE_OK &&
              archive_write_open_filename(a, path.c_str()) == ARCHIVE_OK &&
              archive_write_header(a, entry) == ARCHIVE_OK &&
              archive_write_data(a, bytes.data(), bytes.size()) ==
                  static_cast<la_ssize_t>(bytes.size()) &&
              archive_write_close(a) == ARCHIVE_OK;
    archive_entry_free(entry);
    archive_write_free(a);
    return ok;
}

bool Configure(archive* a, Format format)
{
    int ret = ARCHIVE_OK;
    switch (format) {
    case Format::Tar: ret = archive_write_set_format_pax_restricted(a); break;
    case Format::TarGz:
        ret = archive_write_set_format_pax_restricted(a);
        if (ret == ARCHIVE_OK)
            ret = archive_write_add_filter_gzip(a);
        break;
    case Format::TarXz:
        ret = archive_write_set_format_pax_restricted(a);
        if (ret == ARCHIVE_OK)
            ret = archive_write_add_filter_xz(a);
        break;
    case Format::TarZst:
        ret = archive_write_set_format_pax_restricted(a);
        if (ret == ARCHIVE_OK)
            ret = archive_write_add_filter_zstd(a);
        break;
    case Format::TarBz2:
        ret = archive_write_set_format_pax_restricted(a);
        if (ret == ARCHIVE_OK)
            ret = archive_write_add_filter_bzip2(a);
        break;
    // Written as a plain tar, then compressed in blocks by CompressInBlocks
    // or in frames by CompressInFrames.
    case Format::TarXzBlocks:
    case Format::TarZstFrames: ret = archive_write_set_format_pax_restricted(a); break;
    case Format::Zip: ret = archive_write_set_format_zip(a); break;
    case Format::Cpio: ret = archive_write_set_format_cpio_newc(a); break;
    case Format::Pax: ret = archive_write_set_format_pax(a); break;
    case Format::GnuTar: ret = archive_write_set_format_gnutar(a); break;
    case Format::Iso: ret = archive_write_set_format_iso9660(a); break;
    case Format::TarGzGz:
        ret = archive_write_set_format_pax_restricted(a);
        if (ret == ARCHIVE_OK)
            ret = archive_write_add_filter_gzip(a);
        break;
    case Format::Lrzip: ret = archive_write_set_format_pax_restricted(a); break;
    }
    return ret == ARCHIVE_OK;
}

// Every link of one file shares an inode number, so the link resolver can
// pair them as the format requires.
std::map<std::string, int64_t> InodeNumbers(const std::vector<Entry>& entries,
                                            std::map<int64_t, int>& links)
{
    std::map<std::string, int64_t> inode;
    int64_t next = 1;
    for (const Entry& e : entries) {
        inode[e.path] = e.kind == Kind::Hardlink ? inode[e.data] : next++;
        ++links[inode[e.path]];
    }
    return inode;
}

unsigned SpecialType(Kind kind)
{
    switch (kind) {
    case Kind::Fifo: return AE_IFIFO;
    case Kind::CharDevice: return AE_IFCHR;
    case Kind::BlockDevice: return AE_IFBLK;
    default: return AE_IFSOCK;
    }
}

archive_entry* MakeEntry(const Entry& e, int64_t ino, int nlink, const std::string& content)
{
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, e.path.c_str());
    archive_entry_set_mtime(entry, 1700000000, 0);
    archive_entry_set_dev(entry, 1);
    archive_entry_set_ino(entry, ino);
    archive_entry_set_nlink(entry, nlink);
    archive_entry_set_perm(entry, e.mode);
    archive_entry_set_size(entry, 0);
    archive_entry_set_uid(entry, e.uid);
    archive_entry_set_gid(entry, e.uid);
    if (e.kind == Kind::Fifo || e.kind == Kind::CharDevice || e.kind == Kind::BlockDevice ||
        e.kind == Kind::Socket) {
        archive_entry_set_filetype(entry, SpecialType(e.kind));
        archive_entry_set_rdevmajor(entry, 1);
        archive_entry_set_rdevminor(entry, 3);
    } else if (e.kind == Kind::Dir) {
        archive_entry_set_filetype(entry, AE_IFDIR);
    } else if (e.kind == Kind::Symlink) {
        archive_entry_set_filetype(entry, AE_IFLNK);
        archive_entry_set_symlink(entry, e.data.c_str());
    } else if (e.kind == Kind::Sparse) {
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_size(entry, e.sparse_size);
        archive_entry_sparse_add_entry(entry, e.sparse_size - kSparseTail, kSparseTail);
    } else {
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_size(entry, static_cast<la_int64_t>(content.size()));
    }
    if (!e.digest.empty())
        archive_entry_xattr_add_entry(entry, "user.halvora.xxh3_128", e.digest.data(),
                                      e.digest.size());
    return entry;
}

bool WriteOne(archive* a, archive_entry* entry, const std::map<int64_t, std::string>& content)
{
    if (archive_write_header(a, entry) != ARCHIVE_OK) {
        ADD_FAILURE() << "archive_write_header: " << archive_error_string(a);
        return false;
    }
    la_int64_t size = archive_entry_size(entry);
    if (size > 0) {
        // A sparse file's data is only the part its map holds.
        const std::string& data = content.at(archive_entry_ino64(entry));
        if (archive_write_data(a, data.data(), data.size()) !=
            static_cast<la_ssize_t>(data.size())) {
            ADD_FAILURE() << "archive_write_data: " << archive_error_string(a);
            return false;
        }
    }
    return true;
}

bool WriteEntries(archive* a, const std::vector<Entry>& entries)
{
    std::map<int64_t, int> links;
    std::map<std::string, int64_t> inode = InodeNumbers(entries, links);
    std::map<int64_t, std::string> content;
    for (const Entry& e : entries) {
        if (e.kind == Kind::File || e.kind == Kind::Sparse)
            content[inode[e.path]] = e.data;
    }
    archive_entry_linkresolver* resolver = archive_entry_linkresolver_new();
    archive_entry_linkresolver_set_strategy(resolver, archive_format(a));
    std::map<std::string, int> mode;
    bool ok = true;
    for (Entry e : entries) {
        // All links of a file share its mode.
        mode[e.path] = e.mode = e.kind == Kind::Hardlink ? mode[e.data] : e.mode;
        int64_t ino = inode[e.path];
        archive_entry* entry = MakeEntry(e, ino, links[ino], content[ino]);
        archive_entry* spare = nullptr;
        archive_entry_linkify(resolver, &entry, &spare);
        if (entry && ok)
            ok = WriteOne(a, entry, content);
        if (spare && ok)
            ok = WriteOne(a, spare, content);
        archive_entry_free(entry);
        archive_entry_free(spare);
    }
    // Formats that put the data on the last link hold entries back.
    for (;;) {
        archive_entry* entry = nullptr;
        archive_entry* spare = nullptr;
        archive_entry_linkify(resolver, &entry, &spare);
        if (!entry)
            break;
        if (ok)
            ok = WriteOne(a, entry, content);
        archive_entry_free(entry);
    }
    archive_entry_linkresolver_free(resolver);
    return ok;
}

// Small blocks, so that even a test archive of a few megabytes has several.
const uint64_t kTestXzBlockSize = 256 * 1024;

bool CompressInBlocks(const std::string& path)
{
    std::string tar = testsupport::ReadFile(path);
    lzma_mt mt;
    memset(&mt, 0, sizeof(mt));
    mt.threads = 2;
    mt.block_size = kTestXzBlockSize;
    mt.preset = 1;
    mt.check = LZMA_CHECK_CRC64;
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_stream_encoder_mt(&stream, &mt) != LZMA_OK) {
        ADD_FAILURE() << "lzma_stream_encoder_mt failed";
        return false;
    }
    std::string xz(lzma_stream_buffer_bound(tar.size()) + (1 << 16), '\0');
    stream.next_in = reinterpret_cast<const uint8_t*>(tar.data());
    stream.avail_in = tar.size();
    stream.next_out = reinterpret_cast<uint8_t*>(&xz[0]);
    stream.avail_out = xz.size();
    lzma_ret ret = lzma_code(&stream, LZMA_FINISH);
    xz.resize(xz.size() - stream.avail_out);
    lzma_end(&stream);
    if (ret != LZMA_STREAM_END) {
        ADD_FAILURE() << "xz in blocks: lzma_code returned " << ret;
        return false;
    }
    return testsupport::WriteFile(path, xz);
}

// Frames of 256 KiB that give their sizes, as the packer writes them, and
// the third as a stream that does not: a decoder must take both in turn.
bool CompressInFrames(const std::string& path)
{
    const size_t kFrame = 256 * 1024;
    std::string tar = testsupport::ReadFile(path);
    std::string out;
    std::unique_ptr<ZSTD_CCtx, size_t (*)(ZSTD_CCtx*)> ctx(ZSTD_createCCtx(), ZSTD_freeCCtx);
    ZSTD_CCtx_setParameter(ctx.get(), ZSTD_c_checksumFlag, 1);
    for (size_t at = 0, n = 0; at < tar.size(); at += kFrame, ++n) {
        size_t size = std::min(kFrame, tar.size() - at);
        std::string frame(ZSTD_compressBound(size) + 1024, '\0');
        size_t made = 0;
        if (n != 2) {
            made = ZSTD_compress2(ctx.get(), &frame[0], frame.size(), tar.data() + at, size);
        } else {
            // Flushed before it ends, the frame cannot say its size.
            ZSTD_inBuffer in = {tar.data() + at, size, 0};
            ZSTD_outBuffer put = {&frame[0], frame.size(), 0};
            size_t left = ZSTD_compressStream2(ctx.get(), &put, &in, ZSTD_e_flush);
            if (!ZSTD_isError(left))
                left = ZSTD_compressStream2(ctx.get(), &put, &in, ZSTD_e_end);
            made = left == 0 ? put.pos : left;
        }
        if (ZSTD_isError(made) || made == 0) {
            ADD_FAILURE() << "zstd frame " << n << ": " << ZSTD_getErrorName(made);
            return false;
        }
        out.append(frame, 0, made);
    }
    return testsupport::WriteFile(path, out);
}

} // namespace

bool WriteArchive(const std::string& path, Format format, const std::vector<Entry>& entries)
{
    // The writer takes its names' encoding from the thread's locale.
    static const locale_t utf8 = newlocale(LC_ALL_MASK, "C.UTF-8", nullptr);
    locale_t previous = utf8 ? uselocale(utf8) : nullptr;
    archive* a = archive_write_new();
    bool ok = Configure(a, format) && archive_write_open_filename(a, path.c_str()) == ARCHIVE_OK;
    if (!ok)
        ADD_FAILURE() << "cannot open " << path << ": " << archive_error_string(a);
    ok = ok && WriteEntries(a, entries);
    if (archive_write_close(a) != ARCHIVE_OK) {
        ADD_FAILURE() << "archive_write_close: " << archive_error_string(a);
        ok = false;
    }
    archive_write_free(a);
    if (previous)
        uselocale(previous);
    if (ok && format == Format::TarXzBlocks)
        ok = CompressInBlocks(path);
    if (ok && format == Format::TarZstFrames)
        ok = CompressInFrames(path);
    if (ok && format == Format::TarGzGz)
        ok = GzipOnceMore(path);
    // Magic, major version 0, minor 6: what the library's lrzip reader bids on.
    if (ok && format == Format::Lrzip)
        ok = testsupport::WriteFile(path, std::string("LRZI\0\x06", 6) + std::string(506, '\0'));
    return ok;
}

void SetUstarChecksum(std::string& bytes, size_t at)
{
    bytes.replace(at + 148, 8, 8, ' ');
    unsigned sum = 0;
    for (size_t i = 0; i < 512; ++i)
        sum += static_cast<unsigned char>(bytes[at + i]);
    char field[8];
    snprintf(field, sizeof field, "%06o", sum);
    bytes.replace(at + 148, 7, std::string(field, 6) + '\0');
}

std::string PseudoRandom(size_t size, uint64_t seed)
{
    std::string out(size, '\0');
    uint64_t state = seed;
    for (size_t i = 0; i < size; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        out[i] = static_cast<char>(state >> 56);
    }
    return out;
}

Tree Snapshot(const std::string& dir)
{
    Tree tree;
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(dir)) {
        std::string rel = item.path().lexically_relative(dir).string();
        struct stat st;
        if (lstat(item.path().c_str(), &st) != 0) {
            tree[rel] = "?";
        } else if (S_ISDIR(st.st_mode)) {
            tree[rel] = "d";
        } else if (S_ISLNK(st.st_mode)) {
            tree[rel] = "l:" + fs::read_symlink(item.path()).string();
        } else {
            char mode[8];
            snprintf(mode, sizeof(mode), "%o", st.st_mode & 07777);
            tree[rel] = std::string("f:") + mode + ":" + Describe(testsupport::ReadFile(item.path()));
        }
    }
    return tree;
}

Tree Expected(const std::vector<Entry>& entries)
{
    Tree tree;
    std::map<std::string, std::string> content;
    for (const Entry& e : entries) {
        for (fs::path parent = fs::path(e.path).parent_path(); !parent.empty();
             parent = parent.parent_path())
            tree[parent.string()] = "d";
        char mode[8];
        snprintf(mode, sizeof(mode), "%o", e.mode & 07777);
        switch (e.kind) {
        case Kind::Dir: tree[e.path] = "d"; break;
        case Kind::Symlink: tree[e.path] = "l:" + e.data; break;
        case Kind::File: tree[e.path] = std::string("f:") + mode + ":" + Describe(e.data); break;
        case Kind::Hardlink: tree[e.path] = tree[e.data]; break;
        case Kind::Sparse:
            tree[e.path] = std::string("f:") + mode + ":<" + std::to_string(e.sparse_size) + ">";
            break;
        default: break; // never unpacked
        }
    }
    return tree;
}

std::vector<Entry> ClientPackage(const std::string& build)
{
    return {
        File("INFO", "[Version]\nmajor_version=7\nminor_version=1\nbuild_version=" + build + "\n"),
        Dir("bin"),
        File("bin/halvora-backup-ui", "#!/bin/sh\necho client " + build + "\n", 0755),
        File("package/start-stop", "#!/bin/sh\nexit 0\n", 0755),
        File("lib/libhalvora.so.1", PseudoRandom(200000, 7)),
        Symlink("lib/libhalvora.so", "libhalvora.so.1"),
        File("share/images/icon.png", PseudoRandom(3000, 11)),
        File("share/empty", ""),
    };
}

} // namespace testarchive
