#include "new-copy.h"

#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "digest-stream.h"
#include "entry-guards.h"
#include "file/open-beneath.h"
#include "log.h"
#include "old-copy.h"
#include "package-file.h"
#include "package-stream.h"
#include "thread-locale.h"

namespace {

const char* const kLogComponent = "extractor_debug";

struct ReaderFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
using ReaderPtr = std::unique_ptr<archive, ReaderFree>;

// Creates base in folder, new; a folder the package ships read-only is
// the launcher's own until the swap, and is opened for the moment.
int CreateIn(int folder, const char* base)
{
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = openat(folder, base, flags, 0600);
    if (fd < 0 && errno == EACCES)
        InWritableFolder(folder, [&] { return (fd = openat(folder, base, flags, 0600)) >= 0; });
    return fd;
}

std::string ErrorTextOf(archive* reader, int err)
{
    const char* text = archive_error_string(reader);
    if (text && *text)
        return text;
    return err != 0 ? strerror(err) : "its content is not what its checksum says";
}

mode_t CurrentUmask()
{
    mode_t mask = umask(022);
    umask(mask);
    return mask;
}

// The entry's data into fd at its offsets, into digest as it goes.
bool WriteEntryData(archive* reader, int fd, DigestStream& digest)
{
    for (;;) {
        const void* buffer = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int ret = archive_read_data_block(reader, &buffer, &size, &offset);
        if (ret == ARCHIVE_EOF)
            return true;
        if (ret != ARCHIVE_OK)
            return false;
        for (size_t done = 0; done < size;) {
            ssize_t n = pwrite(fd, static_cast<const char*>(buffer) + done, size - done,
                               offset + static_cast<off_t>(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += static_cast<size_t>(n);
        }
        digest.Update(buffer, size);
    }
}

// One deferred file from the entry the reader stands at: written, checked,
// given its mode and flushed. 0, or -1 (logged).
int WriteOne(archive* reader, int dir, const std::string& key, const InstalledFile& wanted)
{
    const char* base = nullptr;
    int folder = OpenParent(dir, key, base);
    int fd = folder < 0 ? -1 : CreateIn(folder, base);
    int err = errno;
    if (folder >= 0)
        close(folder);
    if (fd < 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): cannot create '%s' in the new copy: %s (%d)\n",
                       __LINE__, key.c_str(), strerror(err), err);
        return -1;
    }
    DigestStream digest;
    errno = 0;
    bool ok = digest.Ready() && WriteEntryData(reader, fd, digest) &&
              ftruncate(fd, wanted.size) == 0 && digest.Digest() == wanted.digest &&
              fchmod(fd, wanted.mode & ~CurrentUmask() & 0777) == 0 && fsync(fd) == 0;
    err = errno;
    close(fd);
    if (ok)
        return 0;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): '%s' could not be written again from the package as "
                   "it was checked: %s\n",
                   __LINE__, key.c_str(), ErrorTextOf(reader, err).c_str());
    return -1;
}

} // namespace

int OpenParent(int dir, const std::string& key, const char*& base)
{
    size_t slash = key.rfind('/');
    base = key.c_str() + (slash == std::string::npos ? 0 : slash + 1);
    int folder = dup(dir);
    for (size_t start = 0; folder >= 0 && slash != std::string::npos && start <= slash;) {
        size_t end = key.find('/', start);
        std::string element = key.substr(start, end - start);
        int next = OpenBeneath(folder, element.c_str(), O_RDONLY | O_DIRECTORY);
        // The unpack makes folders while the links are made: one it made
        // between the look and the mkdir counts as made.
        if (next < 0 && errno == ENOENT &&
            (mkdirat(folder, element.c_str(), 0755) == 0 || errno == EEXIST))
            next = OpenBeneath(folder, element.c_str(), O_RDONLY | O_DIRECTORY);
        close(folder);
        folder = next;
        start = end + 1;
    }
    return folder;
}

FolderWalk::~FolderWalk()
{
    if (folder >= 0)
        close(folder);
}

int FolderWalk::FolderOf(const std::string& key, const char*& base)
{
    size_t slash = key.rfind('/');
    std::string this_folder = slash == std::string::npos ? "" : key.substr(0, slash);
    base = key.c_str() + (slash == std::string::npos ? 0 : slash + 1);
    if (folder >= 0 && this_folder == folder_name)
        return folder;
    if (folder >= 0)
        close(folder);
    folder_name = this_folder;
    folder = OpenParent(dir, key, base);
    return folder;
}

void LinkDeferredFiles(const OldCopy& old, int new_copy_dir, const DeferredFiles& deferred,
                       std::vector<std::string>& linked, std::vector<std::string>& unlinked)
{
    FolderWalk folders(new_copy_dir);
    for (const auto& [key, wanted] : deferred.files) {
        const char* base = nullptr;
        int folder = folders.FolderOf(key, base);
        if (folder >= 0 && old.LinkInto(key, wanted, folder, base))
            linked.push_back(key);
        else
            unlinked.push_back(key);
    }
}

int WriteDeferredFiles(const PackageFile& package, int new_copy_dir, const DeferredFiles& deferred,
                       const std::vector<std::string>& keys)
{
    if (keys.empty())
        return 0;
    Utf8NamesOnThisThread names;
    std::map<std::string, bool> left;
    for (const std::string& key : keys)
        left[key] = true;
    ReaderPtr reader(archive_read_new());
    if (!reader || OpenPackageReader(reader.get(), package, nullptr) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n", __LINE__,
                       package.Path().c_str(), reader ? archive_error_string(reader.get()) : "");
        return -1;
    }
    archive_entry* entry = nullptr;
    while (!left.empty() && archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        const char* name = archive_entry_pathname(entry);
        std::string key = RecordName(name ? name : "");
        PackageDigest digest;
        auto wanted = deferred.files.find(key);
        if (left.count(key) == 0 || wanted == deferred.files.end() ||
            archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) ||
            !EntryDigest(entry, digest) || !(digest == wanted->second.digest))
            continue;
        if (WriteOne(reader.get(), new_copy_dir, key, wanted->second) != 0)
            return -1;
        left.erase(key);
    }
    if (left.empty())
        return 0;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): '%s' is no longer in package '%s' as it was checked\n",
                   __LINE__, left.begin()->first.c_str(), package.Path().c_str());
    return -1;
}

int MakeDeferredHardLinks(int new_copy_dir, const DeferredFiles& deferred)
{
    for (const auto& [link, target] : deferred.hard_links) {
        int fd = OpenBeneath(new_copy_dir, target.c_str(), O_PATH);
        const char* base = nullptr;
        int folder = fd < 0 ? -1 : OpenParent(new_copy_dir, link, base);
        char self[64];
        snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
        bool made = folder >= 0 && LinkIntoFolder(self, folder, base);
        int err = errno;
        if (folder >= 0)
            close(folder);
        if (fd >= 0)
            close(fd);
        if (!made) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] extractor(%d): cannot link '%s' to '%s' in the new copy: %s "
                           "(%d)\n",
                           __LINE__, link.c_str(), target.c_str(), strerror(err), err);
            return -1;
        }
    }
    return 0;
}
