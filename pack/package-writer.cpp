#include "package-writer.h"

#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include "hashed-output.h"
#include "xz-block-encoder.h"

namespace pack {

namespace {

struct WriterFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryFree {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};
using WriterPtr = std::unique_ptr<archive, WriterFree>;
using EntryPtr = std::unique_ptr<archive_entry, EntryFree>;

// Where libarchive's output goes: straight into the file, or through the
// block-wise xz encoder first.
struct Sink {
    HashedOutput* file = nullptr;
    XzBlockEncoder* xz = nullptr;
    std::string error;
};

la_ssize_t SinkWrite(archive* a, void* data, const void* buffer, size_t size)
{
    Sink* sink = static_cast<Sink*>(data);
    bool ok = sink->xz ? sink->xz->Write(buffer, size, &sink->error)
                       : sink->file->Write(buffer, size);
    if (!ok) {
        if (sink->error.empty())
            sink->error = std::string("write failed: ") + strerror(errno);
        archive_set_error(a, EIO, "%s", sink->error.c_str());
        return -1;
    }
    return static_cast<la_ssize_t>(size);
}

std::string ArchiveError(archive* a)
{
    const char* text = archive_error_string(a);
    return text ? text : "unknown libarchive error";
}

// gzip would otherwise stamp the packing time into its header. zstd at 9
// packs in seconds where 19 takes minutes, for a few per cent of size; its
// decoding is as fast at any level.
bool SetFilter(archive* a, PackFormat format)
{
    switch (format) {
    case PF_TAR_ZSTD:
        return archive_write_add_filter_zstd(a) == ARCHIVE_OK &&
               archive_write_set_filter_option(a, "zstd", "compression-level", "9") == ARCHIVE_OK;
    case PF_TAR_GZIP:
        return archive_write_add_filter_gzip(a) == ARCHIVE_OK &&
               archive_write_set_filter_option(a, "gzip", "timestamp", nullptr) == ARCHIVE_OK;
    case PF_TAR_XZ:
        return archive_write_add_filter_none(a) == ARCHIVE_OK;
    }
    return false;
}

EntryPtr MakeHeader(const TreeEntry& entry)
{
    EntryPtr header(archive_entry_new());
    if (!header)
        return nullptr;
    // Names are UTF-8 whatever the packing machine's locale, so the same
    // tree gives the same package everywhere.
    archive_entry_update_pathname_utf8(header.get(), entry.name.c_str());
    archive_entry_set_mtime(header.get(), kEntryTime, 0);
    archive_entry_set_uid(header.get(), 0);
    archive_entry_set_gid(header.get(), 0);
    switch (entry.kind) {
    case EK_DIR:
        archive_entry_set_filetype(header.get(), AE_IFDIR);
        archive_entry_set_perm(header.get(), 0755);
        break;
    case EK_LINK:
        archive_entry_set_filetype(header.get(), AE_IFLNK);
        archive_entry_set_perm(header.get(), 0777);
        archive_entry_update_symlink_utf8(header.get(), entry.link_target.c_str());
        break;
    case EK_FILE:
        archive_entry_set_filetype(header.get(), AE_IFREG);
        archive_entry_set_perm(header.get(), entry.executable ? 0755 : 0644);
        archive_entry_set_size(header.get(), entry.size);
        break;
    }
    return header;
}

// The file must still have the size it had when the tree was checked: a
// header that promises other than what follows would break the archive.
bool CopyData(archive* a, const TreeEntry& entry, const std::string& package, std::string* error)
{
    int fd = open(entry.disk_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        *error = entry.disk_path + ": " + strerror(errno);
        return false;
    }
    std::unique_ptr<char[]> buffer(new char[256 * 1024]);
    int64_t copied = 0;
    bool ok = true;
    for (;;) {
        ssize_t n = read(fd, buffer.get(), 256 * 1024);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = entry.disk_path + ": " + strerror(errno);
            ok = false;
            break;
        }
        if (n == 0 || copied + n > entry.size)
            break;
        if (archive_write_data(a, buffer.get(), static_cast<size_t>(n)) != n) {
            *error = package + ": " + ArchiveError(a);
            ok = false;
            break;
        }
        copied += n;
    }
    close(fd);
    if (ok && copied != entry.size) {
        *error = entry.disk_path + ": changed while it was packed";
        ok = false;
    }
    return ok;
}

bool WriteEntries(archive* a, const std::vector<TreeEntry>& entries, const std::string& package,
                  PackageFacts* facts, std::string* error)
{
    for (const TreeEntry& entry : entries) {
        EntryPtr header = MakeHeader(entry);
        if (!header) {
            *error = package + ": out of memory";
            return false;
        }
        if (archive_write_header(a, header.get()) != ARCHIVE_OK) {
            *error = entry.disk_path + ": " + ArchiveError(a);
            return false;
        }
        if (entry.kind == EK_FILE && !CopyData(a, entry, package, error))
            return false;
        facts->entries += 1;
        facts->unpacked_size += entry.kind == EK_FILE ? entry.size : 0;
    }
    return true;
}

} // namespace

bool WritePackage(const std::vector<TreeEntry>& entries, PackFormat format, int fd,
                  const std::string& package, PackageFacts* facts, std::string* error)
{
    auto fail = [&](const std::string& reason) {
        *error = package + ": " + reason;
        return false;
    };
    HashedOutput file(fd);
    XzBlockEncoder xz(&file);
    Sink sink;
    sink.file = &file;
    if (format == PF_TAR_XZ) {
        std::string reason;
        if (!xz.Open(&reason))
            return fail(reason);
        sink.xz = &xz;
    }
    WriterPtr a(archive_write_new());
    if (!a || archive_write_set_format_pax_restricted(a.get()) != ARCHIVE_OK ||
        !SetFilter(a.get(), format) ||
        // No zero padding after the compressed stream: it is not part of it.
        archive_write_set_bytes_in_last_block(a.get(), 1) != ARCHIVE_OK) {
        return fail(a ? ArchiveError(a.get()) : "out of memory");
    }
    if (archive_write_open2(a.get(), &sink, nullptr, SinkWrite, nullptr, nullptr) != ARCHIVE_OK)
        return fail(ArchiveError(a.get()));
    *facts = PackageFacts();
    if (!WriteEntries(a.get(), entries, package, facts, error))
        return false;
    if (archive_write_close(a.get()) != ARCHIVE_OK)
        return fail(ArchiveError(a.get()));
    std::string reason;
    if (sink.xz && !xz.Finish(&reason))
        return fail(reason);
    facts->xxh3_128 = file.HexDigest();
    return true;
}

} // namespace pack
