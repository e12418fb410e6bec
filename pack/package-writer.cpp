#include "package-writer.h"

#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <cstring>
#include <memory>

#include "file-snapshot.h"
#include "hashed-output.h"
#include "package-digest.h"
#include "xz-block-encoder.h"
#include "zstd-encoder.h"

namespace pack {

namespace {

struct WriterFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryFree {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};
struct ResolverFree {
    void operator()(archive_entry_linkresolver* r) const { archive_entry_linkresolver_free(r); }
};
using WriterPtr = std::unique_ptr<archive, WriterFree>;
using EntryPtr = std::unique_ptr<archive_entry, EntryFree>;
using ResolverPtr = std::unique_ptr<archive_entry_linkresolver, ResolverFree>;

// Where libarchive's output goes: straight into the file, or through one of
// the packer's own encoders first.
struct Sink {
    HashedOutput* file = nullptr;
    StreamEncoder* encoder = nullptr;
    std::string error;
};

la_ssize_t SinkWrite(archive* a, void* data, const void* buffer, size_t size)
{
    Sink* sink = static_cast<Sink*>(data);
    bool ok = sink->encoder ? sink->encoder->Write(buffer, size, &sink->error)
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

// gzip would otherwise stamp the packing time into its header; xz and zstd
// are written by the packer's own encoders.
bool SetFilter(archive* a, PackFormat format)
{
    switch (format) {
    case PF_TAR_GZIP:
        return archive_write_add_filter_gzip(a) == ARCHIVE_OK &&
               archive_write_set_filter_option(a, "gzip", "timestamp", nullptr) == ARCHIVE_OK;
    case PF_TAR_ZSTD:
    case PF_TAR_XZ:
        return archive_write_add_filter_none(a) == ARCHIVE_OK;
    }
    return false;
}

bool HasNonAscii(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

// The names' bytes, and a header saying so: a reader that takes a pax name
// for UTF-8 recomposes decomposed letters as it converts it to its locale
// (libarchive does), so that "e" + U+0301 and "\u00e9" would unpack as one.
// The header comes with every entry once asked for, so only a tree with a
// byte beyond ASCII in a name or link target gets it.
bool KeepNameBytes(archive* a, const std::vector<TreeEntry>& entries)
{
    const bool ascii = std::none_of(entries.begin(), entries.end(), [](const TreeEntry& e) {
        return HasNonAscii(e.name) || HasNonAscii(e.link_target);
    });
    return ascii || archive_write_set_format_option(a, "pax", "hdrcharset", "BINARY") == ARCHIVE_OK;
}

std::unique_ptr<StreamEncoder> EncoderFor(PackFormat format, HashedOutput* file)
{
    switch (format) {
    case PF_TAR_ZSTD: return std::unique_ptr<StreamEncoder>(new ZstdEncoder(file));
    case PF_TAR_XZ: return std::unique_ptr<StreamEncoder>(new XzBlockEncoder(file));
    case PF_TAR_GZIP: break;
    }
    return nullptr;
}

EntryPtr MakeHeader(const TreeEntry& entry)
{
    EntryPtr header(archive_entry_new());
    if (!header)
        return nullptr;
    // Names go in byte for byte (the tree's are checked to be UTF-8): no
    // conversion through the locale, which would also recompose decomposed
    // letters and so merge two names of one folder into one.
    archive_entry_copy_pathname(header.get(), entry.name.c_str());
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
        archive_entry_copy_symlink(header.get(), entry.link_target.c_str());
        break;
    case EK_FILE:
        archive_entry_set_filetype(header.get(), AE_IFREG);
        archive_entry_set_perm(header.get(), entry.executable ? 0755 : 0644);
        archive_entry_set_size(header.get(), entry.size);
        // What the link resolver needs to find the other names of the file.
        archive_entry_set_dev(header.get(), entry.dev);
        archive_entry_set_ino64(header.get(), entry.ino);
        archive_entry_set_nlink(header.get(), entry.nlink);
        break;
    }
    return header;
}

// Where a large file is held between its read and its write: beside the
// package, on the disk that must take the package anyway.
std::string SpoolDir(const std::string& package)
{
    size_t slash = package.rfind('/');
    return slash == std::string::npos ? "." : package.substr(0, slash);
}

// The checksum of the file's content goes into its header, so that the
// launcher can tell an unchanged file before it reads the data, and link
// the copy it already has instead of writing it again. One read serves both.
bool WriteFileEntry(archive* a, archive_entry* header, const TreeEntry& entry,
                    const std::string& package, std::string* error)
{
    FileSnapshot snapshot;
    if (!snapshot.Take(entry, SpoolDir(package), error))
        return false;
    std::string text = FormatDigest(snapshot.Digest());
    archive_entry_xattr_add_entry(header, kEntryDigestAttribute, text.data(), text.size());
    if (archive_write_header(a, header) != ARCHIVE_OK) {
        *error = entry.disk_path + ": " + ArchiveError(a);
        return false;
    }
    return snapshot.WriteTo(a, package, error);
}

// A second name of a file already written becomes a hard link to the first
// (tar keeps the data with the first name; the link has size 0). The figures
// are those of the headers written, which is what the launcher counts when
// it reads the package: one entry per header, the sum of their sizes.
bool WriteEntries(archive* a, const std::vector<TreeEntry>& entries, const std::string& package,
                  PackageFacts* facts, std::string* error)
{
    ResolverPtr links(archive_entry_linkresolver_new());
    if (!links) {
        *error = package + ": out of memory";
        return false;
    }
    archive_entry_linkresolver_set_strategy(links.get(), archive_format(a));
    for (const TreeEntry& entry : entries) {
        EntryPtr header = MakeHeader(entry);
        if (!header) {
            *error = package + ": out of memory";
            return false;
        }
        // For tar the resolver marks the entry itself and defers nothing.
        archive_entry* resolved = header.get();
        archive_entry* deferred = nullptr;
        if (entry.kind == EK_FILE)
            archive_entry_linkify(links.get(), &resolved, &deferred);
        if (resolved != header.get() || deferred) {
            *error = entry.disk_path + ": the link resolver reordered the entries";
            return false;
        }
        // The device and inode are the packing machine's: none of it goes in.
        archive_entry_set_dev(header.get(), 0);
        archive_entry_set_ino64(header.get(), 0);
        archive_entry_set_nlink(header.get(), 1);
        const bool has_data = entry.kind == EK_FILE && !archive_entry_hardlink(header.get());
        if (has_data) {
            if (!WriteFileEntry(a, header.get(), entry, package, error))
                return false;
        } else if (archive_write_header(a, header.get()) != ARCHIVE_OK) {
            *error = entry.disk_path + ": " + ArchiveError(a);
            return false;
        }
        facts->entries += 1;
        facts->unpacked_size += archive_entry_size(header.get());
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
    std::unique_ptr<StreamEncoder> encoder = EncoderFor(format, &file);
    Sink sink;
    sink.file = &file;
    sink.encoder = encoder.get();
    std::string reason;
    if (encoder && !encoder->Open(&reason))
        return fail(reason);
    WriterPtr a(archive_write_new());
    // The checksums go in as SCHILY.xattr, the one spelling other tars know.
    if (!a || archive_write_set_format_pax_restricted(a.get()) != ARCHIVE_OK ||
        archive_write_set_format_option(a.get(), "pax", "xattrheader", "SCHILY") != ARCHIVE_OK ||
        !KeepNameBytes(a.get(), entries) || !SetFilter(a.get(), format) ||
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
    if (encoder && !encoder->Finish(&reason))
        return fail(reason);
    facts->xxh3_128 = file.HexDigest();
    return true;
}

} // namespace pack
