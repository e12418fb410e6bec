#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <vector>
#include <unistd.h>
#include <sys/stat.h>

#include "adapter.h"
#include "digest-stream.h"
#include "entry-guards.h"
#include "log.h"
#include "new-copy.h"
#include "old-copy.h"
#include "package-file.h"
#include "package-stream.h"
#include "strtab.h"
#include "thread-directory.h"
#include "thread-locale.h"

namespace {

const char* const kLogComponent = "extractor_debug";
// Existing files are replaced, ".." paths refused, and nothing is written
// through a symbolic link, whether the package made it or it already stood in
// the copy; owners, times, ACLs, flags, extended attributes and set-id bits
// are deliberately not restored.
const int kDiskOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                         ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                         ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS | ARCHIVE_EXTRACT_MAC_METADATA;

struct ReaderFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct WriterFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
using ReaderPtr = std::unique_ptr<archive, ReaderFree>;
using WriterPtr = std::unique_ptr<archive, WriterFree>;

// The read's clock of the unpack running on this thread, if any. Each call
// into the home (the disk writer, a link to the old copy) hands its time
// back to it, so that a slow home is never taken for a slow package.
thread_local ReadClock* home_clock = nullptr;

class HomeTime {
public:
    HomeTime() = default;
    HomeTime(const HomeTime&) = delete;
    HomeTime& operator=(const HomeTime&) = delete;
    ~HomeTime()
    {
        if (home_clock)
            home_clock->writing += std::chrono::steady_clock::now() - start;
    }

private:
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

// Sets the thread's clock for one unpack, and takes it away again.
class HomeClockOnThisThread {
public:
    explicit HomeClockOnThisThread(ReadClock* clock) { home_clock = clock; }
    ~HomeClockOnThisThread() { home_clock = nullptr; }
    HomeClockOnThisThread(const HomeClockOnThisThread&) = delete;
    HomeClockOnThisThread& operator=(const HomeClockOnThisThread&) = delete;
};

int WriteHeader(archive* writer, archive_entry* entry)
{
    HomeTime home;
    return archive_write_header(writer, entry);
}

int WriteBlock(archive* writer, const void* buffer, size_t size, la_int64_t offset)
{
    HomeTime home;
    return static_cast<int>(archive_write_data_block(writer, buffer, size, offset));
}

int FinishEntry(archive* writer)
{
    HomeTime home;
    return archive_write_finish_entry(writer);
}

int CloseWriter(archive* writer)
{
    HomeTime home;
    return archive_write_close(writer);
}

const char* ErrorText(archive* a)
{
    const char* text = archive_error_string(a);
    return text ? text : "";
}

// The disk writer's own text names the file ("Can't create '...'") but not
// always why: the system's reason (a quota, a full disk, a file system that
// cannot make such an entry) is its errno.
std::string WriterErrorText(archive* writer)
{
    std::string text = ErrorText(writer);
    int err = archive_errno(writer);
    if (err > 0 && text.find(strerror(err)) == std::string::npos)
        text += std::string(": ") + strerror(err);
    return text;
}

// A damaged archive fails while the entry's data is read: then only the
// reader knows why.
std::string ExtractErrorText(archive* reader, archive* writer)
{
    return *ErrorText(writer) ? WriterErrorText(writer) : ErrorText(reader);
}

// A reader for walking the entries without unpacking them (Count, List).
// Both paths must be set, as for Extract, though only the source is read.
ReaderPtr OpenForScan(const PackageFile& file, const ustring& target, PackageRead* record)
{
    if (target.empty()) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent, "[ERROR] extractor(%d): Invalid argument\n",
                       __LINE__);
        return nullptr;
    }
    ReaderPtr reader(archive_read_new());
    if (!reader) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): Allocate archive failed\n", __LINE__);
        return nullptr;
    }
    if (OpenPackageReader(reader.get(), file, record) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n",
                       __LINE__, ErrorText(reader.get()));
        return nullptr;
    }
    return reader;
}

// An entry whose header carries no size (a streamed zip member) is measured
// by reading its data; the others are skipped without decoding.
int SkipEntryData(archive* reader, archive_entry* entry, int64_t& size)
{
    if (archive_entry_size_is_set(entry)) {
        size = archive_entry_size(entry);
        return archive_read_data_skip(reader);
    }
    size = 0;
    for (;;) {
        const void* buffer = nullptr;
        size_t length = 0;
        la_int64_t offset = 0;
        int ret = archive_read_data_block(reader, &buffer, &length, &offset);
        if (ret == ARCHIVE_EOF)
            return ARCHIVE_OK;
        if (ret != ARCHIVE_OK)
            return ret;
        size = offset + static_cast<int64_t>(length);
    }
}

// The compressed stream's check follows the end of the tar: only closing
// the reader tells whether the package was whole to its last byte.
int CloseAtEnd(archive* reader)
{
    if (CheckEndMarker(reader) != 0)
        return -1;
    if (archive_read_close(reader) == ARCHIVE_OK)
        return 0;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): archive_read_close failed: '%s'\n", __LINE__,
                   ErrorText(reader));
    return -1;
}

// What the checks before the stop need to know of one entry.
void NoteContents(archive_entry* entry, PackageContents& contents)
{
    if (archive_entry_hardlink(entry)) {
        contents.hard_links = true;
        return;
    }
    if (archive_entry_filetype(entry) == AE_IFLNK)
        contents.symbolic_links = true;
    const char* name = archive_entry_pathname(entry);
    if (archive_entry_filetype(entry) != AE_IFREG || !name)
        return;
    PackageFileEntry& file = contents.files[RecordName(name)];
    file.size = archive_entry_size(entry);
    file.mode = archive_entry_perm(entry) & 07777;
    file.digest_known = EntryDigest(entry, file.digest);
}

// A package that cannot be read to its end must be refused before anything
// is touched, so only ARCHIVE_EOF ends the walk well: a warning, a damaged
// header or a truncated body is a failure.
int ScanEntries(archive* reader, ArchiveSummary& summary, PackageContents* contents)
{
    for (;;) {
        archive_entry* entry = nullptr;
        int ret = archive_read_next_header(reader, &entry);
        if (ret == ARCHIVE_EOF)
            return CloseAtEnd(reader);
        if (ret != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
                           __LINE__, ErrorText(reader));
            return -1;
        }
        if (CheckMemberMethod(reader, entry) != 0)
            return -1;
        int64_t size = 0;
        if (SkipEntryData(reader, entry, size) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] extractor(%d): archive_read_data_skip failed: '%s'\n",
                           __LINE__, ErrorText(reader));
            return -1;
        }
        ++summary.entries;
        AddSize(summary, entry, size);
        if (contents)
            NoteContents(entry, *contents);
    }
}

// What an unpack may take from the old copy, and what it records.
struct Reuse {
    const OldCopy* old_copy = nullptr;
    InstalledFiles* unpacked = nullptr;
    std::vector<std::string>* linked = nullptr;
    // Building a new copy while the client runs: proved files are left for
    // the links made after the stop.
    DeferredFiles* deferred = nullptr;
    DeferredFileSink* sink = nullptr;
};

// How a file entry with a checksum is unpacked; a hard link to a file left
// for later waits for it.
enum class FileWay { Unchecked, Written, Linked, Deferred, DeferredHardLink };

// A hard link can only be made once the file it names is there.
bool DeferHardLink(const Reuse& reuse, archive_entry* entry, const std::string& key)
{
    const char* original = archive_entry_hardlink(entry);
    if (!original || key.empty())
        return false;
    std::string target = RecordName(original);
    if (reuse.deferred->files.find(target) == reuse.deferred->files.end())
        return false;
    reuse.deferred->hard_links.emplace_back(key, target);
    return true;
}

// An entry that is not a file with a checksum leaves nothing recorded under
// its name: what an earlier entry of the same path recorded no longer
// stands on disk. A hard link shares its file with the name it links to,
// and the record holds neither: it keys files by name, one name a file.
void ForgetRecorded(const Reuse& reuse, archive_entry* entry, const std::string& key)
{
    reuse.unpacked->files.erase(key);
    const char* original = archive_entry_hardlink(entry);
    if (original)
        reuse.unpacked->files.erase(RecordName(original));
}

// Notes the file's checksum for the record, and links it from the old copy
// when that holds it proved unchanged. Any doubt, and it is written.
FileWay ReuseEntry(const Reuse& reuse, archive_entry* entry, PackageDigest& digest)
{
    if (!reuse.unpacked)
        return FileWay::Unchecked;
    std::string key = RecordName(archive_entry_pathname(entry));
    if (reuse.deferred) {
        // A later entry of the path replaces what was left for later.
        if (reuse.deferred->files.erase(key) && reuse.sink)
            reuse.sink->Withdrawn(key);
        if (DeferHardLink(reuse, entry, key)) {
            ForgetRecorded(reuse, entry, key);
            return FileWay::DeferredHardLink;
        }
    }
    if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) ||
        key.empty() || !EntryDigest(entry, digest)) {
        ForgetRecorded(reuse, entry, key);
        return FileWay::Unchecked;
    }
    InstalledFile wanted;
    wanted.mode = archive_entry_perm(entry) & 07777;
    wanted.size = archive_entry_size(entry);
    wanted.digest = digest;
    reuse.unpacked->files[key] = wanted;
    if (reuse.deferred) {
        if (!reuse.old_copy || !reuse.old_copy->Provable(key, wanted))
            return FileWay::Written;
        reuse.deferred->files[key] = wanted;
        return FileWay::Deferred;
    }
    if (!reuse.old_copy ||
        !reuse.old_copy->Link(key, wanted, archive_entry_pathname(entry)))
        return FileWay::Written;
    reuse.linked->push_back(key);
    return FileWay::Linked;
}

enum class CopyStep { None, Read, Write };

// The entry's data block by block, to writer unless it is null, and into
// the checksum state when one is given; the step that failed, if any.
CopyStep CopyBlocks(archive* reader, archive* writer, DigestStream* digest)
{
    for (;;) {
        const void* buffer = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int ret = archive_read_data_block(reader, &buffer, &size, &offset);
        if (ret == ARCHIVE_EOF)
            return CopyStep::None;
        if (ret != ARCHIVE_OK)
            return CopyStep::Read;
        if (writer && WriteBlock(writer, buffer, size, offset) != ARCHIVE_OK)
            return CopyStep::Write;
        if (digest)
            digest->Update(buffer, size);
    }
}

// Reads the entry's data, writing it too unless it was linked, and checks
// it against the checksum its header gave: a package whose files are not
// what it says would otherwise be recorded, or linked, as something else.
int CopyCheckedData(archive* reader, archive* writer, const char* name, const PackageDigest& digest)
{
    DigestStream content;
    if (!content.Ready())
        return -1;
    if (CopyBlocks(reader, writer, &content) != CopyStep::None) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                       writer ? ExtractErrorText(reader, writer).c_str() : ErrorText(reader));
        return -1;
    }
    if (content.Digest() == digest)
        return 0;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): the content of '%s' does not match the checksum its "
                   "entry gives, the package is damaged\n",
                   __LINE__, name);
    return -1;
}

// What the library's archive_read_extract2 does, with the writer's calls
// timed apart from the reading.
int ExtractEntry(archive* reader, archive_entry* entry, archive* writer)
{
    int ret = WriteHeader(writer, entry);
    if (ret == ARCHIVE_OK && (!archive_entry_size_is_set(entry) || archive_entry_size(entry) > 0))
        ret = CopyBlocks(reader, writer, nullptr) == CopyStep::None ? ARCHIVE_OK : ARCHIVE_FAILED;
    int finished = FinishEntry(writer);
    return ret != ARCHIVE_OK ? ret : finished;
}

// Whether the old copy has the file: a look into the home, timed as such.
FileWay LookInTheOldCopy(const Reuse& reuse, archive_entry* entry, PackageDigest& digest)
{
    HomeTime home;
    return ReuseEntry(reuse, entry, digest);
}

// One entry onto the disk: a file with a checksum written or linked and
// checked, anything else as the library extracts it.
int UnpackEntry(archive* reader, archive* writer, archive_entry* entry, const Reuse& reuse)
{
    PackageDigest digest;
    FileWay way = LookInTheOldCopy(reuse, entry, digest);
    if (way == FileWay::DeferredHardLink)
        return 0;
    if (way == FileWay::Linked)
        return CopyCheckedData(reader, nullptr, archive_entry_pathname(entry), digest);
    if (way == FileWay::Deferred) {
        if (CopyCheckedData(reader, nullptr, archive_entry_pathname(entry), digest) != 0)
            return -1;
        if (reuse.sink) {
            std::string key = RecordName(archive_entry_pathname(entry));
            reuse.sink->Deferred(key, reuse.deferred->files[key]);
        }
        return 0;
    }
    if (way == FileWay::Written) {
        if (WriteHeader(writer, entry) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                           ExtractErrorText(reader, writer).c_str());
            return -1;
        }
        return CopyCheckedData(reader, writer, archive_entry_pathname(entry), digest);
    }
    if (ExtractEntry(reader, entry, writer) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                       ExtractErrorText(reader, writer).c_str());
        return -1;
    }
    return 0;
}

int ExtractEntries(archive* reader, archive* writer, const ArchiveSummary& expected,
                   const Reuse& reuse)
{
    const int total = expected.entries;
    int progress = 0;
    ArchiveSummary read;
    for (;;) {
        archive_entry* entry = nullptr;
        int ret = archive_read_next_header(reader, &entry);
        if (ret == ARCHIVE_EOF) {
            if (CheckEntryCount(progress, total) != 0 || CheckSize(read, expected, true) != 0)
                return -1;
            return CloseAtEnd(reader);
        }
        if (ret != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
                           __LINE__, ErrorText(reader));
            return -1;
        }
        // Stopped before it is written, so progress never passes 100 %.
        if (progress == total)
            return CheckEntryCount(progress + 1, total);
        if (CheckMemberMethod(reader, entry) != 0)
            return -1;
        AddSize(read, entry, archive_entry_size(entry));
        if (CheckSize(read, expected, false) != 0)
            return -1;
        if (MakeEntryPathsRelative(entry) != 0 || CheckEntry(entry) != 0)
            return -1;
        if (UnpackEntry(reader, writer, entry, reuse) != 0)
            return -1;
        ++progress;
        Notify_Adapter::GetInstance().UpdateProgress(total, progress);
        if (FinishEntry(writer) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                           __LINE__, WriterErrorText(writer).c_str());
            return -1;
        }
    }
}

// A home that took longer to write than reading the whole package may take
// explains a long wait, and why it was not held against the package.
void LogSlowHome(const ReadClock& clock, const ustring& target)
{
    long long seconds = std::chrono::duration_cast<std::chrono::seconds>(clock.writing).count();
    if (seconds <= clock.allowed_seconds)
        return;
    Logger::LogMsg(Logger::L_NOTICE, kLogComponent,
                   "[NOTE] extractor(%d): writing the copy to '%s' took %lld s, longer than the "
                   "%d s that reading the package may take: the home is slow\n",
                   __LINE__, target.c_str(), seconds, clock.allowed_seconds);
}

} // namespace

Extractor::Extractor() = default;
Extractor::~Extractor() = default;

void Extractor::SetTarget(const ustring& path)
{
    target = path;
}

void Extractor::SetSource(const ustring& path)
{
    source = path;
    package = nullptr;
}

void Extractor::SetSource(const PackageFile* file)
{
    package = file;
    source = file ? file->Path() : ustring();
}

void Extractor::ReuseFrom(const ustring& old_copy, const InstalledFiles* record,
                          const OldCopyProof* proof)
{
    reuse_dir = old_copy;
    reuse = record;
    reuse_proof = proof;
}

void Extractor::DeferLinks(DeferredFiles* files, DeferredFileSink* sink)
{
    deferred = files;
    deferred_sink = files ? sink : nullptr;
}

void Extractor::LogNoEntries(int total)
{
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n",
                   __LINE__, total);
}

const PackageFile* Extractor::OpenPackage(PackageFile& own)
{
    if (source.empty() || target.empty()) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent, "[ERROR] extractor(%d): Invalid argument\n",
                       __LINE__);
        return nullptr;
    }
    if (package)
        return package;
    int err = own.Open(source);
    if (err == 0)
        return &own;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                   strerror(err));
    return nullptr;
}

int Extractor::Scan(ArchiveSummary& summary)
{
    summary = ArchiveSummary();
    PackageFile own;
    const PackageFile* file = OpenPackage(own);
    return file ? Scan(*file, summary, nullptr) : -1;
}

int Extractor::Scan(ArchiveSummary& summary, PackageContents& contents)
{
    summary = ArchiveSummary();
    contents = PackageContents();
    PackageFile own;
    const PackageFile* file = OpenPackage(own);
    return file ? Scan(*file, summary, &contents) : -1;
}

int Extractor::Scan(const PackageFile& file, ArchiveSummary& summary, PackageContents* contents)
{
    Utf8NamesOnThisThread names;
    summary = ArchiveSummary();
    PackageRead record;
    ReaderPtr reader = OpenForScan(file, target, &record);
    if (!reader || ScanEntries(reader.get(), summary, contents) != 0)
        return -1;
    summary.digest_known = record.whole;
    summary.digest = record.digest;
    return 0;
}

int Extractor::Count()
{
    ArchiveSummary summary;
    if (Scan(summary) != 0)
        return -1;
    return summary.entries;
}

int Extractor::List()
{
    Utf8NamesOnThisThread names;
    PackageFile own;
    const PackageFile* file = OpenPackage(own);
    ReaderPtr reader = file ? OpenForScan(*file, target, nullptr) : nullptr;
    if (!reader)
        return -1;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        // An entry without a name lists as an empty line, never as a null.
        const char* name = archive_entry_pathname(entry);
        printf("%s\n", name ? name : "");
        archive_read_data_skip(reader.get());
    }
    archive_read_close(reader.get());
    return 0;
}

int Extractor::Extract()
{
    return Run(nullptr);
}

int Extractor::Extract(const ArchiveSummary& expected)
{
    return Run(&expected);
}

int Extractor::Extract(int total)
{
    ArchiveSummary expected;
    expected.entries = total;
    expected.sized = false;
    return Run(&expected);
}

int Extractor::Run(const ArchiveSummary* expected)
{
    if (source.empty() || target.empty()) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent, "[ERROR] extractor(%d): Invalid Argument\n",
                       __LINE__);
        return -1;
    }
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n", __LINE__,
                   source.c_str(), target.c_str());
    Notify_Adapter::GetInstance().UpdateDialogText(
        StrTable::LoadStr(StrTable::desc_hlvr_env_preparing));

    PackageFile own;
    const PackageFile* file = OpenPackage(own);
    // Scanned through the same descriptor as the unpack, so that the unpack
    // can tell it read the very bytes the scan did.
    ArchiveSummary scanned;
    if (!expected) {
        if (!file || Scan(*file, scanned, nullptr) != 0)
            scanned.entries = -1;
        expected = &scanned;
    }
    if (expected->entries <= 0) {
        LogNoEntries(expected->entries);
        return -1;
    }
    if (!file) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n", __LINE__,
                       source.c_str(), "cannot be opened");
        return -1;
    }
    return Unpack(*file, *expected);
}

// The checksum of what the unpack read, against the one checked before.
int Extractor::CheckDigest(const PackageRead& record, const ArchiveSummary& expected) const
{
    if (!expected.digest_known)
        return 0;
    if (record.whole && record.digest == expected.digest)
        return 0;
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] extractor(%d): package '%s' is not the one checked: xxh3_128 %s of "
                   "%lld bytes read%s, %s expected\n",
                   __LINE__, source.c_str(), FormatDigest(record.digest).c_str(),
                   static_cast<long long>(record.bytes), record.whole ? "" : " (not to its end)",
                   FormatDigest(expected.digest).c_str());
    return -1;
}

int Extractor::Unpack(const PackageFile& file, const ArchiveSummary& expected)
{
    Utf8NamesOnThisThread names;
    // Declared before the writer: it is freed, and applies its last folder
    // modes by relative name, while the thread still works in the copy.
    WorkInDirectoryOnThisThread in_target;
    PackageRead record;
    ReadClock clock;
    HomeClockOnThisThread timed(&clock);
    ReaderPtr reader(archive_read_new());
    if (!reader) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): Allocate extractor failed\n", __LINE__);
        return -1;
    }
    WriterPtr writer(archive_write_disk_new());
    if (!writer) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): Allocate extractor failed\n", __LINE__);
        return -1;
    }
    archive_write_disk_set_options(writer.get(), kDiskOptions);
    if (OpenPackageReader(reader.get(), file, &record, UsableCores(), &clock) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n", __LINE__,
                       source.c_str(), ErrorText(reader.get()));
        return -1;
    }
    // Names are no longer joined to the target, so the writer cannot see a
    // ".." in it: refuse such a target as the writer refused the joined name.
    if (HasDotDotElement(target)) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                       "Path contains '..'");
        return -1;
    }
    if (in_target.Enter(target) != 0)
        return -1;
    unpacked = InstalledFiles();
    linked.clear();
    OldCopy old_copy(reuse_dir, reuse, reuse_proof);
    if (deferred)
        *deferred = DeferredFiles();
    Reuse from_old_copy{&old_copy, &unpacked, &linked, deferred, deferred_sink};
    int result = ExtractEntries(reader.get(), writer.get(), expected, from_old_copy);
    if (deferred_sink)
        deferred_sink->Drain();
    LogSlowHome(clock, target);
    if (result == 0)
        result = CheckDigest(record, expected);
    // Directory modes and times are applied only when the writer closes;
    // a failure there must not pass for a complete unpack.
    if (result == 0 && CloseWriter(writer.get()) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): archive_write_close failed: '%s'\n", __LINE__,
                       WriterErrorText(writer.get()).c_str());
        result = -1;
    }
    return result;
}

int Extractor::copy_data(archive* ar, archive* aw)
{
    if (!ar || !aw) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent, "[ERROR] extractor(%d): Invalid Argument\n",
                       __LINE__);
        return -1;
    }
    CopyStep failed = CopyBlocks(ar, aw, nullptr);
    if (failed == CopyStep::Read)
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): archive_read_data_block failed: '%s'\n", __LINE__,
                       ErrorText(ar));
    if (failed == CopyStep::Write)
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n", __LINE__,
                       WriterErrorText(aw).c_str());
    return failed == CopyStep::None ? 0 : -1;
}
