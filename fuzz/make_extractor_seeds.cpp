// Writes the extractor fuzzer's binary seeds: one small package per format
// and filter libarchive writes, with the entry kinds a package may hold and a
// few it must not. usage: make_extractor_seeds <directory>
#include <archive.h>
#include <archive_entry.h>
#include <clocale>
#include <cstdio>
#include <string>

namespace {

struct Item {
    const char* path;
    unsigned type;
    const char* data; // content, or link target
    bool hardlink;
};

const Item kItems[] = {
    {"bin", AE_IFDIR, "", false},
    {"bin/halvora-backup-ui", AE_IFREG, "#!/bin/sh\necho client\n", false},
    {"INFO", AE_IFREG, "[Version]\nbuild_version=9\n", false},
    {"lib/libc.so.1", AE_IFREG, "library bytes", false},
    {"lib/libc.so", AE_IFLNK, "libc.so.1", false},
    {"lib/again", AE_IFREG, "lib/libc.so.1", true},
    {"Grüße/資料 😀.txt", AE_IFREG, "named", false},
    {"up", AE_IFLNK, "../..", false},
    {"dev/fifo", AE_IFIFO, "", false},
};

bool WriteOne(archive* a, const Item& item)
{
    archive_entry* e = archive_entry_new();
    archive_entry_set_pathname_utf8(e, item.path);
    archive_entry_set_mtime(e, 1700000000, 0);
    archive_entry_set_perm(e, item.type == AE_IFDIR ? 0755 : 0644);
    if (item.hardlink) {
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_hardlink(e, item.data);
        archive_entry_set_size(e, 0);
    } else {
        archive_entry_set_filetype(e, item.type);
        if (item.type == AE_IFLNK)
            archive_entry_set_symlink(e, item.data);
        archive_entry_set_size(e, item.type == AE_IFREG ? std::string(item.data).size() : 0);
    }
    int ret = archive_write_header(a, e);
    // Formats that cannot store a kind say so with a warning or failure:
    // the seed simply goes without that entry.
    if (ret == ARCHIVE_OK && item.type == AE_IFREG && !item.hardlink)
        archive_write_data(a, item.data, std::string(item.data).size());
    archive_entry_free(e);
    return ret != ARCHIVE_FATAL;
}

bool WriteSeed(const std::string& path, int (*format)(archive*), int (*filter)(archive*))
{
    archive* a = archive_write_new();
    bool ok = format(a) == ARCHIVE_OK && (!filter || filter(a) == ARCHIVE_OK) &&
              archive_write_open_filename(a, path.c_str()) == ARCHIVE_OK;
    for (const Item& item : kItems) {
        if (ok)
            ok = WriteOne(a, item);
    }
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    if (!ok)
        fprintf(stderr, "make_extractor_seeds: %s: %s\n", path.c_str(), archive_error_string(a));
    archive_write_free(a);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    setlocale(LC_ALL, "C.UTF-8");
    const std::string dir = argv[1];
    struct Seed {
        const char* name;
        int (*format)(archive*);
        int (*filter)(archive*);
    } seeds[] = {
        {"pax.tar", archive_write_set_format_pax, nullptr},
        {"gnutar.tar", archive_write_set_format_gnutar, nullptr},
        {"ustar.tar", archive_write_set_format_ustar, nullptr},
        {"package.zip", archive_write_set_format_zip, nullptr},
        {"package.7z", archive_write_set_format_7zip, nullptr},
        {"newc.cpio", archive_write_set_format_cpio_newc, nullptr},
        {"pax.tar.gz", archive_write_set_format_pax, archive_write_add_filter_gzip},
        {"pax.tar.xz", archive_write_set_format_pax, archive_write_add_filter_xz},
        {"pax.tar.bz2", archive_write_set_format_pax, archive_write_add_filter_bzip2},
    };
    int failed = 0;
    for (const Seed& s : seeds)
        failed += WriteSeed(dir + "/" + s.name, s.format, s.filter) ? 0 : 1;
    return failed == 0 ? 0 : 1;
}
