#include "package-manifest.h"

#include <archive.h>
#include <archive_entry.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <sys/stat.h>
#include <vector>
#include <xxhash.h>

namespace fs = std::filesystem;

namespace e2e {

namespace {

struct ReaderFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
using Reader = std::unique_ptr<archive, ReaderFree>;

Reader OpenPackage(const std::string& package)
{
    Reader reader(archive_read_new());
    archive_read_support_filter_all(reader.get());
    archive_read_support_format_all(reader.get());
    if (archive_read_open_filename(reader.get(), package.c_str(), 10240) != ARCHIVE_OK)
        return nullptr;
    return reader;
}

std::string EntryPath(archive_entry* entry)
{
    std::string path = archive_entry_pathname(entry);
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    return path;
}

std::string ReadData(archive* reader)
{
    std::string data;
    char buffer[65536];
    for (la_ssize_t n; (n = archive_read_data(reader, buffer, sizeof buffer)) > 0;)
        data.append(buffer, static_cast<size_t>(n));
    return data;
}

} // namespace

Manifest ReadManifest(const std::string& package)
{
    Manifest manifest;
    Reader reader = OpenPackage(package);
    if (!reader)
        return manifest;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        ManifestEntry e;
        e.is_dir = archive_entry_filetype(entry) == AE_IFDIR;
        e.size = archive_entry_size(entry);
        e.mode = archive_entry_perm(entry);
        manifest[EntryPath(entry)] = e;
        archive_read_data_skip(reader.get());
    }
    return manifest;
}

std::string CompareTree(const std::string& dir, const Manifest& manifest)
{
    std::string differences;
    int found = 0;
    for (const auto& [path, expected] : manifest) {
        struct stat st;
        std::string full = dir + "/" + path;
        std::string problem;
        if (lstat(full.c_str(), &st) != 0)
            problem = "missing";
        else if (expected.is_dir != S_ISDIR(st.st_mode))
            problem = "wrong kind";
        else if (!expected.is_dir && st.st_size != expected.size)
            problem = "size " + std::to_string(st.st_size) + " instead of " +
                      std::to_string(expected.size);
        else if ((expected.mode & 0100) != (st.st_mode & 0100))
            problem = "execute bit differs";
        if (!problem.empty() && ++found <= 5)
            differences += full + ": " + problem + "\n";
    }
    if (found > 5)
        differences += "... and " + std::to_string(found - 5) + " more\n";
    return differences;
}

bool ExtractPrefix(const std::string& package, const std::string& dest, int entries)
{
    Reader reader = OpenPackage(package);
    if (!reader)
        return false;
    archive_entry* entry = nullptr;
    for (int i = 0; i < entries && archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK;
         ++i) {
        fs::path target = fs::path(dest) / EntryPath(entry);
        std::error_code ec;
        if (archive_entry_filetype(entry) == AE_IFDIR) {
            fs::create_directories(target, ec);
            continue;
        }
        fs::create_directories(target.parent_path(), ec);
        std::string data = ReadData(reader.get());
        if (i == entries - 1)
            data.resize(data.size() / 2);
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out << data;
        if (!out)
            return false;
        out.close();
        fs::permissions(target, static_cast<fs::perms>(archive_entry_perm(entry)), ec);
    }
    return true;
}

namespace {

struct WriterFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
using Writer = std::unique_ptr<archive, WriterFree>;

bool WriteEntry(archive* writer, archive_entry* entry, const std::string& data)
{
    archive_entry_set_size(entry, static_cast<la_int64_t>(data.size()));
    if (archive_write_header(writer, entry) != ARCHIVE_OK)
        return false;
    return data.empty() ||
           archive_write_data(writer, data.data(), data.size()) ==
               static_cast<la_ssize_t>(data.size());
}

bool AddLockedFolder(archive* writer)
{
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, "share/locked");
    archive_entry_set_filetype(entry, AE_IFDIR);
    archive_entry_set_perm(entry, 0555);
    bool ok = WriteEntry(writer, entry, "");
    archive_entry_clear(entry);
    archive_entry_set_pathname(entry, "share/locked/data");
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0444);
    ok = ok && WriteEntry(writer, entry, "read-only data\n");
    archive_entry_free(entry);
    return ok;
}

bool AddSymbolicLink(archive* writer)
{
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, "bin/halvora-backup");
    archive_entry_set_filetype(entry, AE_IFLNK);
    archive_entry_set_perm(entry, 0777);
    archive_entry_set_symlink(entry, "halvora-backup-ui");
    bool ok = WriteEntry(writer, entry, "");
    archive_entry_free(entry);
    return ok;
}

} // namespace

bool RewritePackage(const std::string& package, const std::string& to, int build,
                    bool read_only_folder, bool symbolic_link)
{
    Reader reader = OpenPackage(package);
    Writer writer(archive_write_new());
    if (!reader || archive_write_set_format_pax_restricted(writer.get()) != ARCHIVE_OK ||
        archive_write_open_filename(writer.get(), to.c_str()) != ARCHIVE_OK)
        return false;
    const std::regex build_line("build_version=[0-9]*");
    const std::string new_build = "build_version=" + std::to_string(build);
    archive_entry* entry = nullptr;
    bool ok = true;
    while (ok && archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        std::string data = archive_entry_filetype(entry) == AE_IFREG ? ReadData(reader.get()) : "";
        // The content changes, so the checksum its header carried goes.
        if (EntryPath(entry) == "INFO") {
            data = std::regex_replace(data, build_line, new_build);
            archive_entry_xattr_clear(entry);
        }
        ok = WriteEntry(writer.get(), entry, data);
    }
    if (ok && read_only_folder)
        ok = AddLockedFolder(writer.get());
    if (ok && symbolic_link)
        ok = AddSymbolicLink(writer.get());
    return archive_write_close(writer.get()) == ARCHIVE_OK && ok;
}

std::string PackageGroup(const std::string& package)
{
    Manifest manifest = ReadManifest(package);
    int64_t size = 0;
    for (const auto& [path, entry] : manifest)
        size += entry.is_dir ? 0 : entry.size;
    std::ifstream in(package, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    XXH128_hash_t hash = XXH3_128bits(bytes.data(), bytes.size());
    char digest[33];
    snprintf(digest, sizeof(digest), "%016llx%016llx",
             static_cast<unsigned long long>(hash.high64),
             static_cast<unsigned long long>(hash.low64));
    return "[Package]\nentries=" + std::to_string(manifest.size()) + "\nunpacked_size=" +
           std::to_string(size) + "\nxxh3_128=" + digest + "\n";
}

FileIdentities IdentifyFiles(const std::string& dir)
{
    FileIdentities files;
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(dir)) {
        struct stat st;
        if (lstat(item.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        std::ifstream in(item.path(), std::ios::binary);
        std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        files[item.path().lexically_relative(dir).string()] = {st.st_ino,
                                                               std::hash<std::string>()(content)};
    }
    return files;
}

KeptFiles CountLinked(const FileIdentities& before, const std::string& dir)
{
    KeptFiles kept;
    for (const auto& [path, identity] : IdentifyFiles(dir)) {
        auto old = before.find(path);
        if (old != before.end() && old->second.second == identity.second) {
            ++kept.unchanged;
            kept.linked += old->second.first == identity.first;
        }
    }
    return kept;
}

} // namespace e2e
