#include "package-stream.h"

#include <algorithm>
#include <archive.h>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <pthread.h>
#include <sched.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "log.h"
#include "package-decoders.h"
#include "package-file.h"

namespace {

const char* const kLogComponent = "extractor_debug";
// Decoded ahead of the reader: enough to keep both threads busy, and with the
// xz decoder's share the added memory stays well under 64 MiB.
const size_t kChunkSize = 1 << 20;
const size_t kChunkCount = 4;
const size_t kInputSize = 1 << 20;
const uint64_t kXzThreadingMemory = 40ull << 20;
// A plain tar is recognised by the magic of its first header.
const size_t kHeadSize = 512;
// Guards against a decoder that neither consumes nor produces.
const int kMaxIdleRounds = 16;
// A read of a package that takes longer than this, its writes to the home
// not counted, is not reading a package: a minute, and a second per MiB it
// holds.
std::atomic<int> base_seconds{60};
std::atomic<int> seconds_per_mib{1};
// One compression at most, and the library's pass-through filter.
const int kMaxFilters = 2;

struct Chunk {
    std::unique_ptr<unsigned char[]> data{new unsigned char[kChunkSize]};
    size_t size = 0;
};

// The package file through its decoder, a chunk at a time.
class ChunkSource {
public:
    ChunkSource(const PackageFile& file, std::unique_ptr<PackageDecoder> codec, const char* name)
        : bytes(file), decoder(std::move(codec)), codec_name(name)
    {
    }
    ChunkSource(const ChunkSource&) = delete;
    ChunkSource& operator=(const ChunkSource&) = delete;

    // Fills the chunk. Ok: it is full and more follows; End: the stream is
    // complete; Error: see error().
    DecodeStatus Fill(Chunk& chunk)
    {
        int idle = 0;
        while (chunk.size < kChunkSize) {
            if (in.size == 0 && !ended && !Refill())
                return DecodeStatus::Error;
            OutSpan out{chunk.data.get() + chunk.size, kChunkSize - chunk.size};
            size_t in_before = in.size;
            DecodeStatus status = decoder->Decode(in, out, ended);
            bool moved = in.size != in_before || out.size != kChunkSize - chunk.size;
            chunk.size = kChunkSize - out.size;
            if (status == DecodeStatus::Error)
                return Fail(decoder->error());
            if (status == DecodeStatus::End)
                return status;
            idle = moved ? 0 : idle + 1;
            if (!moved && ended && in.size == 0)
                return Fail(std::string(codec_name) + ": unexpected end of compressed data");
            if (idle > kMaxIdleRounds)
                return Fail(std::string(codec_name) + ": decoder stalled");
        }
        return DecodeStatus::Ok;
    }
    const std::string& error() const { return failure; }
    PackageBytes& Bytes() { return bytes; }

private:
    DecodeStatus Fail(const std::string& text)
    {
        failure = text;
        return DecodeStatus::Error;
    }

    bool Refill()
    {
        ssize_t n = bytes.Read(input.get(), kInputSize);
        if (n < 0) {
            Fail(std::string("read failed: ") + strerror(errno));
            return false;
        }
        in.data = input.get();
        in.size = static_cast<size_t>(n);
        ended = n == 0;
        return true;
    }

    PackageBytes bytes;
    std::unique_ptr<PackageDecoder> decoder;
    const char* codec_name;
    std::unique_ptr<unsigned char[]> input{new unsigned char[kInputSize]};
    ByteSpan in;
    bool ended = false;
    std::string failure;
};

// What the reader's callbacks see: decoded chunks, the last one handed out
// staying valid until the next is asked for, as the library requires.
class PackageInput {
public:
    virtual ~PackageInput() = default;
    // Bytes decoded (0 at the end of the stream), or -1 with error set.
    virtual long Next(const void** buffer, std::string& error) = 0;
    // Once the reader is done: reads on to the end of the stream and then of
    // the file, so that the stream's own check and the checksum of every
    // byte are known. False when the stream is damaged; whole says whether
    // the file was read to its last byte.
    virtual bool Finish(bool& whole, std::string& error) = 0;
    virtual PackageBytes& Bytes() = 0;
};

// A compressed stream: its decoder's check sits after the end of the tar.
class DecodedInput : public PackageInput {
public:
    // The tar ends before the compressed stream does, and the stream's own
    // check (CRC, block check) sits in that rest: a reader that reached the
    // end of the tar reads on to the end of the stream, so that damage there
    // fails the read. A reader that stopped far from the end (after an
    // error) gives up after a little, and the file does not count as read.
    bool Finish(bool& whole, std::string& error) override
    {
        whole = false;
        const void* buffer = nullptr;
        for (size_t read = 0; read < kDrainLimit;) {
            long n = Next(&buffer, error);
            if (n < 0)
                return false;
            if (n == 0) {
                whole = Bytes().ReadRest() == 0;
                return true;
            }
            read += static_cast<size_t>(n);
        }
        return true;
    }

private:
    static const size_t kDrainLimit = 2 * kChunkSize;
};

// A format the library reads itself (a zip, or a tar without the ustar
// magic): the file's bytes as they are. A zip keeps its file modes and
// links in the directory at its end, so the library seeks; once it has, the
// checksum is taken by a read of its own through the same descriptor when
// the reader is done.
class RawInput : public PackageInput {
public:
    explicit RawInput(const PackageFile& package) : file(package), bytes(new PackageBytes(file)) {}

    long Next(const void** buffer, std::string& error) override
    {
        ssize_t n = sequential ? bytes->Read(data.get(), kInputSize)
                               : ReadAt(file.Descriptor(), data.get(), kInputSize, position);
        if (n < 0) {
            error = std::string("read failed: ") + strerror(errno);
            return -1;
        }
        position += n;
        *buffer = data.get();
        return static_cast<long>(n);
    }
    int64_t Seek(int64_t offset, int whence)
    {
        int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? position : file.Size();
        if (offset < -base)
            return -1;
        position = base + offset;
        if (position != bytes->Offset())
            sequential = false;
        return position;
    }
    bool Finish(bool& whole, std::string& error) override
    {
        if (!sequential)
            bytes.reset(new PackageBytes(file));
        whole = bytes->ReadRest() == 0;
        if (!whole)
            error = std::string("read failed: ") + strerror(errno);
        return whole;
    }
    PackageBytes& Bytes() override { return *bytes; }

private:
    const PackageFile& file;
    std::unique_ptr<PackageBytes> bytes;
    int64_t position = 0;
    bool sequential = true;
    std::unique_ptr<unsigned char[]> data{new unsigned char[kInputSize]};
};

// One core: the reader's own thread decodes, chunk by chunk.
class InlineInput : public DecodedInput {
public:
    explicit InlineInput(std::unique_ptr<ChunkSource> from) : source(std::move(from)) {}

    long Next(const void** buffer, std::string& error) override
    {
        chunk.size = 0;
        if (!done) {
            DecodeStatus status = source->Fill(chunk);
            done = status != DecodeStatus::Ok;
            if (status == DecodeStatus::Error)
                failure = source->error();
        }
        if (chunk.size > 0) {
            *buffer = chunk.data.get();
            return static_cast<long>(chunk.size);
        }
        error = failure;
        return failure.empty() ? 0 : -1;
    }

    PackageBytes& Bytes() override { return source->Bytes(); }

private:
    std::unique_ptr<ChunkSource> source;
    Chunk chunk;
    bool done = false;
    std::string failure;
};

// A decode thread and the bounded queue of decoded chunks between it and
// the reader.
class ThreadedInput : public DecodedInput {
public:
    explicit ThreadedInput(std::unique_ptr<ChunkSource> from) : source(std::move(from)) {}
    ~ThreadedInput() override
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            cancelled = true;
        }
        space.notify_all();
        if (started)
            pthread_join(thread, nullptr);
    }

    int Start()
    {
        int err = pthread_create(&thread, nullptr, &ThreadedInput::ThreadMain, this);
        started = err == 0;
        return err;
    }

    long Next(const void** buffer, std::string& error) override
    {
        std::unique_lock<std::mutex> lock(mutex);
        if (held) {
            held->size = 0;
            spare.push_back(std::move(held));
            space.notify_one();
        }
        filled.wait(lock, [this] { return !ready.empty() || finished; });
        if (!ready.empty()) {
            held = std::move(ready.front());
            ready.pop_front();
            *buffer = held->data.get();
            return static_cast<long>(held->size);
        }
        error = failure;
        return failure.empty() ? 0 : -1;
    }

private:
    static void* ThreadMain(void* self)
    {
        static_cast<ThreadedInput*>(self)->Run();
        return nullptr;
    }

    void Run()
    {
        for (;;) {
            std::unique_ptr<Chunk> chunk = TakeSpare();
            if (!chunk)
                return;
            DecodeStatus status = source->Fill(*chunk);
            std::lock_guard<std::mutex> lock(mutex);
            // What was decoded before an error still reaches the reader, so
            // a damaged package fails at the entry where the damage is.
            if (chunk->size > 0)
                ready.push_back(std::move(chunk));
            if (status != DecodeStatus::Ok) {
                failure = status == DecodeStatus::Error ? source->error() : "";
                finished = true;
            }
            filled.notify_one();
            if (finished)
                return;
        }
    }

    // A free chunk, or null once the reader is gone.
    std::unique_ptr<Chunk> TakeSpare()
    {
        std::unique_lock<std::mutex> lock(mutex);
        space.wait(lock, [this] { return cancelled || !spare.empty() || allocated < kChunkCount; });
        if (cancelled)
            return nullptr;
        if (!spare.empty()) {
            std::unique_ptr<Chunk> chunk = std::move(spare.back());
            spare.pop_back();
            return chunk;
        }
        ++allocated;
        return std::make_unique<Chunk>();
    }

    PackageBytes& Bytes() override { return source->Bytes(); }

private:
    std::unique_ptr<ChunkSource> source;
    pthread_t thread{};
    bool started = false;

    std::mutex mutex;
    std::condition_variable space;
    std::condition_variable filled;
    std::deque<std::unique_ptr<Chunk>> ready;
    std::vector<std::unique_ptr<Chunk>> spare;
    std::unique_ptr<Chunk> held;
    size_t allocated = 0;
    bool cancelled = false;
    bool finished = false;
    std::string failure;
};

// The callbacks' own data: the input, the record of the read, and the time
// by which the read must be over, later by what the unpack spent writing.
struct ReaderInput {
    std::unique_ptr<PackageInput> input;
    PackageRead* record;
    std::chrono::steady_clock::time_point deadline;
    int allowed_seconds;
    ReadClock* clock;
    bool timed_out = false;
};

la_ssize_t ReadDecoded(archive* reader, void* data, const void** buffer)
{
    ReaderInput* in = static_cast<ReaderInput*>(data);
    // Nothing a package holds may keep the launcher, and its locks, past a
    // bound set by the package's size; a slow home is no reason to refuse.
    auto writing = in->clock ? in->clock->writing : std::chrono::steady_clock::duration{};
    if (std::chrono::steady_clock::now() - writing > in->deadline) {
        // Logged here, once: a skip that fails puts its own text in place
        // of the reader's error.
        if (!in->timed_out)
            Logger::LogMsg(Logger::L_ERR, kLogComponent,
                           "[ERROR] package-stream(%d): reading the package took longer than %d "
                           "s, it is damaged\n",
                           __LINE__, in->allowed_seconds);
        in->timed_out = true;
        archive_set_error(reader, ETIMEDOUT,
                          "reading the package took longer than %d s, it is damaged",
                          in->allowed_seconds);
        return -1;
    }
    std::string error;
    long n = in->input->Next(buffer, error);
    if (n < 0)
        archive_set_error(reader, EIO, "%s", error.c_str());
    return n;
}

la_int64_t SeekRaw(archive*, void* data, la_int64_t offset, int whence)
{
    ReaderInput* in = static_cast<ReaderInput*>(data);
    return static_cast<RawInput*>(in->input.get())->Seek(offset, whence);
}

// The library calls this exactly once for a reader it opened, also when
// opening fails; the input goes with it. archive_read_close passes the
// result on, so a damaged end of the stream fails the close.
int CloseDecoded(archive* reader, void* data)
{
    std::unique_ptr<ReaderInput> in(static_cast<ReaderInput*>(data));
    std::string error;
    bool whole = false;
    bool good = in->input->Finish(whole, error);
    if (in->record) {
        in->record->whole = good && whole;
        in->record->bytes = in->input->Bytes().Offset();
        in->record->digest = in->input->Bytes().Digest();
    }
    if (good)
        return ARCHIVE_OK;
    archive_set_error(reader, EIO, "%s", error.c_str());
    return ARCHIVE_FATAL;
}

PackageCodec SniffFile(int fd)
{
    unsigned char head[kHeadSize];
    ssize_t n = ReadAt(fd, head, sizeof(head), 0);
    return n > 0 ? SniffPackageCodec(head, static_cast<size_t>(n)) : PackageCodec::Other;
}

std::unique_ptr<PackageInput> MakeDecodedInput(const PackageFile& file, PackageCodec codec,
                                               int cores)
{
    std::string error;
    std::unique_ptr<PackageDecoder> decoder =
        MakePackageDecoder(codec, cores, kXzThreadingMemory, error);
    const char* path = file.Path().c_str();
    if (!decoder) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] package-stream(%d): '%s': %s\n", __LINE__, path, error.c_str());
        return nullptr;
    }
    const char* name = PackageCodecName(codec);
    auto source = std::make_unique<ChunkSource>(file, std::move(decoder), name);
    if (cores < 2) {
        Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                       "[DEBUG] package-stream(%d): '%s': %s decoded on the reader's thread, one "
                       "core\n",
                       __LINE__, path, name);
        return std::make_unique<InlineInput>(std::move(source));
    }
    auto input = std::make_unique<ThreadedInput>(std::move(source));
    int err = input->Start();
    if (err != 0) {
        Logger::LogMsg(Logger::L_ERR, kLogComponent,
                       "[ERROR] package-stream(%d): no decode thread for '%s': %s\n", __LINE__,
                       path, strerror(err));
        return nullptr;
    }
    Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                   "[DEBUG] package-stream(%d): '%s': %s decoded on a thread of its own, %d "
                   "cores\n",
                   __LINE__, path, name, cores);
    return input;
}

// The kinds of archive a package can be, and nothing else: every other
// format and filter of the library is a way for a file to loop, to grow
// without bound or to start an outside program. What the pipeline decodes
// reaches the library as a plain tar; the rest may only be a zip (whose
// members the library decodes, see ZipMemberMethodAllowed). No filter of the
// library decodes: it would decode within one read of the file, out of
// reach of the time bound.
int ChooseReaders(archive* reader, PackageCodec codec)
{
    int ret = archive_read_support_format_tar(reader);
    if (ret == ARCHIVE_OK && codec == PackageCodec::Other)
        ret = archive_read_support_format_zip(reader);
    if (ret == ARCHIVE_OK)
        ret = archive_read_support_filter_none(reader);
    return ret;
}

int AllowedSeconds(const PackageFile& file)
{
    int64_t per_size = (file.Size() >> 20) * seconds_per_mib;
    return static_cast<int>(base_seconds + std::min<int64_t>(per_size, INT_MAX / 2));
}

} // namespace

int UsableCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) == 0 && CPU_COUNT(&set) > 0)
        return CPU_COUNT(&set);
    unsigned int cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

void SetPackageReadBound(int base, int per_mib)
{
    base_seconds = base;
    seconds_per_mib = per_mib;
}

bool ZipMemberMethodAllowed(archive* reader, std::string& method)
{
    if ((archive_format(reader) & ARCHIVE_FORMAT_BASE_MASK) != ARCHIVE_FORMAT_ZIP)
        return true;
    // The reader names each member's method in its format name, as in
    // "ZIP 2.0 (deflation)"; there is no other way to ask for it.
    const char* name = archive_format_name(reader);
    std::string format = name ? name : "";
    size_t open = format.rfind('(');
    size_t close = format.rfind(')');
    method = open != std::string::npos && close != std::string::npos && close > open
                 ? format.substr(open + 1, close - open - 1)
                 : format;
    return method == "uncompressed" || method == "deflation";
}

int OpenPackageReader(archive* reader, const PackageFile& file, PackageRead* record, int cores,
                      ReadClock* clock)
{
    PackageCodec codec = SniffFile(file.Descriptor());
    if (ChooseReaders(reader, codec) != ARCHIVE_OK) {
        archive_set_error(reader, EINVAL, "no in-process reader for the package");
        return ARCHIVE_FATAL;
    }
    auto in = std::make_unique<ReaderInput>();
    if (codec == PackageCodec::Other) {
        Logger::LogMsg(Logger::L_DEBUG, kLogComponent,
                       "[DEBUG] package-stream(%d): '%s': read by the archive library itself\n",
                       __LINE__, file.Path().c_str());
        in->input = std::make_unique<RawInput>(file);
    } else {
        in->input = MakeDecodedInput(file, codec, cores);
    }
    if (!in->input) {
        archive_set_error(reader, ENOMEM, "the package's decoder cannot be set up");
        return ARCHIVE_FATAL;
    }
    if (codec == PackageCodec::Other)
        archive_read_set_seek_callback(reader, SeekRaw);
    in->record = record;
    in->clock = clock;
    in->allowed_seconds = AllowedSeconds(file);
    if (clock)
        clock->allowed_seconds = in->allowed_seconds;
    in->deadline = std::chrono::steady_clock::now() + std::chrono::seconds(in->allowed_seconds);
    int ret = archive_read_open(reader, in.release(), nullptr, ReadDecoded, CloseDecoded);
    // A compressed stream inside a compressed stream, or one that decodes to
    // itself, would stack a filter per level.
    if (ret == ARCHIVE_OK && archive_filter_count(reader) > kMaxFilters) {
        archive_set_error(reader, EINVAL,
                          "the package is compressed more than once");
        return ARCHIVE_FATAL;
    }
    return ret;
}
