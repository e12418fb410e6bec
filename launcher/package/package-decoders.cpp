#include "package-decoders.h"

#include <algorithm>
#include <bzlib.h>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <lzma.h>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>
#include <zlib.h>
#include <zstd.h>
#include <zstd_errors.h>

namespace {

const size_t kTarMagicOffset = 257;
// xz -9 decodes in about 65 MiB on one thread.
const uint64_t kXzMemoryStop = 256ull << 20;

bool StartsWith(const unsigned char* head, size_t size, const unsigned char* magic, size_t length)
{
    return size >= length && memcmp(head, magic, length) == 0;
}

// Buffers handed to zlib are counted in unsigned int.
unsigned int Clamp(size_t size)
{
    return static_cast<unsigned int>(std::min<size_t>(size, UINT_MAX));
}

// An uncompressed tar goes through the pipeline too, so that reading the
// file overlaps with writing what it holds.
class CopyDecoder : public PackageDecoder {
public:
    DecodeStatus Decode(ByteSpan& in, OutSpan& out, bool input_ended) override
    {
        size_t n = std::min(in.size, out.size);
        memcpy(out.data, in.data, n);
        in.data += n;
        in.size -= n;
        out.data += n;
        out.size -= n;
        return in.size == 0 && input_ended ? DecodeStatus::End : DecodeStatus::Ok;
    }
};

class GzipDecoder : public PackageDecoder {
public:
    ~GzipDecoder() override
    {
        if (ready)
            inflateEnd(&z);
    }
    bool Init(std::string& error)
    {
        memset(&z, 0, sizeof(z));
        // 16 + window bits: a gzip header and trailer, with its CRC checked.
        ready = inflateInit2(&z, 16 + MAX_WBITS) == Z_OK;
        if (!ready)
            error = "gzip: cannot set up the decoder";
        return ready;
    }

    DecodeStatus Decode(ByteSpan& in, OutSpan& out, bool input_ended) override
    {
        if (member_done) {
            if (in.size == 0)
                return input_ended ? DecodeStatus::End : DecodeStatus::Ok;
            // Bytes after the last member that start no new one are ignored,
            // as gzip itself does with trailing padding.
            if (in.data[0] != 0x1f)
                return DecodeStatus::End;
            if (inflateReset(&z) != Z_OK)
                return Fail("gzip: cannot restart the decoder");
            member_done = false;
        }
        z.next_in = const_cast<Bytef*>(in.data);
        z.avail_in = Clamp(in.size);
        z.next_out = out.data;
        z.avail_out = Clamp(out.size);
        int ret = inflate(&z, Z_NO_FLUSH);
        size_t used = Clamp(in.size) - z.avail_in;
        size_t made = Clamp(out.size) - z.avail_out;
        in.data += used;
        in.size -= used;
        out.data += made;
        out.size -= made;
        if (ret == Z_STREAM_END) {
            member_done = true;
            return DecodeStatus::Ok;
        }
        if (ret == Z_OK)
            return DecodeStatus::Ok;
        if (ret == Z_BUF_ERROR)
            return input_ended && in.size == 0 ? Fail("gzip: unexpected end of compressed data")
                                               : DecodeStatus::Ok;
        return Fail(std::string("gzip: ") + (z.msg ? z.msg : "damaged compressed data"));
    }

private:
    z_stream z;
    bool ready = false;
    bool member_done = false;
};

const char* XzErrorText(lzma_ret ret)
{
    switch (ret) {
    case LZMA_MEM_ERROR: return "xz: out of memory";
    case LZMA_MEMLIMIT_ERROR: return "xz: memory limit reached";
    case LZMA_FORMAT_ERROR: return "xz: not in the xz format";
    case LZMA_OPTIONS_ERROR: return "xz: unsupported compression options";
    case LZMA_DATA_ERROR: return "xz: compressed data is corrupt";
    case LZMA_BUF_ERROR: return "xz: unexpected end of compressed data";
    default: return "xz: decoder failed";
    }
}

// Blocks that carry their sizes (as a multi-threaded encoder writes them)
// are decoded in parallel, one per thread; other streams on one thread.
class XzDecoder : public PackageDecoder {
public:
    ~XzDecoder() override { lzma_end(&stream); }
    bool Init(int threads, uint64_t memory_limit, std::string& error)
    {
        lzma_mt mt;
        memset(&mt, 0, sizeof(mt));
        // Concatenated streams and stream padding are valid xz.
        mt.flags = LZMA_CONCATENATED;
        mt.threads = static_cast<uint32_t>(std::max(1, threads));
        mt.timeout = 0;
        mt.memlimit_threading = memory_limit;
        // Past the threading limit a block is decoded on one thread; a
        // stream that needs more than any packer's setting is refused, so
        // that a package cannot take the memory of the session.
        mt.memlimit_stop = kXzMemoryStop;
        lzma_ret ret = lzma_stream_decoder_mt(&stream, &mt);
        if (ret != LZMA_OK)
            error = XzErrorText(ret);
        return ret == LZMA_OK;
    }

    DecodeStatus Decode(ByteSpan& in, OutSpan& out, bool input_ended) override
    {
        stream.next_in = in.data;
        stream.avail_in = in.size;
        stream.next_out = out.data;
        stream.avail_out = out.size;
        lzma_ret ret = lzma_code(&stream, input_ended ? LZMA_FINISH : LZMA_RUN);
        size_t used = in.size - stream.avail_in;
        size_t made = out.size - stream.avail_out;
        in.data += used;
        in.size -= used;
        out.data += made;
        out.size -= made;
        if (ret == LZMA_OK)
            return DecodeStatus::Ok;
        if (ret == LZMA_STREAM_END)
            return DecodeStatus::End;
        return Fail(XzErrorText(ret));
    }

private:
    lzma_stream stream = LZMA_STREAM_INIT;
};

// Concatenated streams are valid bzip2 (as parallel compressors write it),
// and each is decoded here a chunk at a time, so that the read's time bound
// is checked between chunks however much one stream holds.
class Bzip2Decoder : public PackageDecoder {
public:
    ~Bzip2Decoder() override { End(); }
    bool Init(std::string& error)
    {
        if (Start())
            return true;
        error = "bzip2: cannot set up the decoder";
        return false;
    }

    DecodeStatus Decode(ByteSpan& in, OutSpan& out, bool input_ended) override
    {
        if (stream_done) {
            if (in.size == 0)
                return input_ended ? DecodeStatus::End : DecodeStatus::Ok;
            // As with gzip, bytes after the last stream that start no new
            // one are ignored.
            if (in.data[0] != 'B')
                return DecodeStatus::End;
            End();
            if (!Start())
                return Fail("bzip2: cannot restart the decoder");
        }
        stream.next_in = reinterpret_cast<char*>(const_cast<unsigned char*>(in.data));
        stream.avail_in = Clamp(in.size);
        stream.next_out = reinterpret_cast<char*>(out.data);
        stream.avail_out = Clamp(out.size);
        int ret = BZ2_bzDecompress(&stream);
        size_t used = Clamp(in.size) - stream.avail_in;
        size_t made = Clamp(out.size) - stream.avail_out;
        in.data += used;
        in.size -= used;
        out.data += made;
        out.size -= made;
        if (ret == BZ_STREAM_END)
            stream_done = true;
        if (ret == BZ_STREAM_END || ret == BZ_OK)
            return DecodeStatus::Ok;
        return Fail(ret == BZ_MEM_ERROR ? "bzip2: out of memory"
                                        : "bzip2: compressed data is corrupt");
    }

private:
    bool Start()
    {
        memset(&stream, 0, sizeof(stream));
        // The fast decoder: at most about 3.6 MiB for the largest blocks.
        ready = BZ2_bzDecompressInit(&stream, 0, 0) == BZ_OK;
        stream_done = false;
        return ready;
    }
    void End()
    {
        if (ready)
            BZ2_bzDecompressEnd(&stream);
        ready = false;
    }

    bz_stream stream;
    bool ready = false;
    bool stream_done = false;
};

class ZstdDecoder : public PackageDecoder {
public:
    ~ZstdDecoder() override { ZSTD_freeDStream(stream); }
    bool Init(std::string& error)
    {
        stream = ZSTD_createDStream();
        if (!stream || ZSTD_isError(ZSTD_initDStream(stream))) {
            error = "zstd: cannot set up the decoder";
            return false;
        }
        return true;
    }

    DecodeStatus Decode(ByteSpan& in, OutSpan& out, bool input_ended) override
    {
        // A stream may hold several frames; it is whole only where one ends.
        if (in.size == 0 && input_ended)
            return frame_done ? DecodeStatus::End : Fail("zstd: unexpected end of compressed data");
        ZSTD_inBuffer input = {in.data, in.size, 0};
        ZSTD_outBuffer output = {out.data, out.size, 0};
        size_t ret = ZSTD_decompressStream(stream, &output, &input);
        if (ZSTD_isError(ret))
            return Fail(std::string("zstd: ") + ZSTD_getErrorName(ret));
        in.data += input.pos;
        in.size -= input.pos;
        out.data += output.pos;
        out.size -= output.pos;
        if (input.pos > 0 || output.pos > 0)
            frame_done = ret == 0;
        return DecodeStatus::Ok;
    }
    // Whether the last frame begun has ended.
    bool FrameDone() const { return frame_done; }

private:
    ZSTD_DStream* stream = nullptr;
    bool frame_done = false;
};

// Many frames that each give their content's size, as the packer writes
// them, are decoded whole, each in one call, on `threads` threads at once,
// and handed out in their order; the thread that asks decodes too. A frame
// that does not give its size, or gives one too large to hold, is decoded
// as a stream, in its turn, by the one-frame decoder. At most threads + 1
// frames are held at a time.
class ZstdFramesDecoder : public PackageDecoder {
public:
    ~ZstdFramesDecoder() override
    {
        {
            std::lock_guard<std::mutex> lock(frames_lock);
            closing = true;
        }
        frame_ready.notify_all();
        for (std::thread& helper : helpers)
            helper.join();
        ZSTD_freeDCtx(own_context);
    }

    bool Init(int threads, std::string& error)
    {
        own_context = ZSTD_createDCtx();
        if (!own_context || !stream.Init(error)) {
            error = "zstd: cannot set up the decoder";
            return false;
        }
        max_frames = static_cast<size_t>(threads) + 1;
        for (int i = 1; i < threads; ++i)
            helpers.emplace_back([this] { Help(); });
        return true;
    }

    DecodeStatus Decode(ByteSpan& in, OutSpan& out, bool input_ended) override
    {
        Absorb(in);
        if (!streaming && !CutFrames(input_ended))
            return DecodeStatus::Error;
        if (!frames.empty())
            return Emit(out);
        if (stream_next)
            streaming = true;
        if (streaming)
            return Stream(out, input_ended);
        if (input_ended && pending.size() == taken)
            return seen_frame ? DecodeStatus::End
                              : Fail("zstd: unexpected end of compressed data");
        if (input_ended)
            return Fail("zstd: unexpected end of compressed data");
        return DecodeStatus::Ok;
    }

private:
    enum class State { Queued, Decoding, Done, Failed };
    struct Frame {
        std::vector<unsigned char> packed;
        std::vector<unsigned char> plain;
        size_t handed = 0;
        State state = State::Queued;
        std::string error;
    };

    // A frame of up to this much content is decoded whole; the packer
    // writes 8 MiB.
    static const size_t kMaxFrameContent = 16u << 20;
    // A frame header is at most 18 bytes.
    static const size_t kMaxFrameHeader = 18;

    // Input is taken while there is room for it: the frames held, and what
    // waits to become one, stay bounded.
    void Absorb(ByteSpan& in)
    {
        size_t waiting = pending.size() - taken;
        bool room = streaming ? waiting < (1u << 20)
                              : frames.size() < max_frames &&
                                    waiting <= ZSTD_compressBound(kMaxFrameContent);
        if (in.size == 0 || !room)
            return;
        if (taken > 0) {
            pending.erase(pending.begin(), pending.begin() + static_cast<long>(taken));
            taken = 0;
        }
        pending.insert(pending.end(), in.data, in.data + in.size);
        in.data += in.size;
        in.size = 0;
    }

    // Queues each whole frame at the front of what was taken in, until a
    // frame must be streamed or more input is needed; false on a damaged
    // frame.
    bool CutFrames(bool input_ended)
    {
        while (!stream_next && frames.size() < max_frames && pending.size() > taken) {
            const unsigned char* at = pending.data() + taken;
            size_t size = pending.size() - taken;
            if (size < kMaxFrameHeader && !input_ended)
                return true;
            unsigned long long content = ZSTD_getFrameContentSize(at, size);
            if (content == ZSTD_CONTENTSIZE_ERROR) {
                Fail("zstd: not a frame where one should start");
                return false;
            }
            if (content == ZSTD_CONTENTSIZE_UNKNOWN || content > kMaxFrameContent) {
                stream_next = true;
                return true;
            }
            size_t length = ZSTD_findFrameCompressedSize(at, size);
            if (ZSTD_isError(length)) {
                bool incomplete = ZSTD_getErrorCode(length) == ZSTD_error_srcSize_wrong;
                if (incomplete && !input_ended && size <= ZSTD_compressBound(kMaxFrameContent))
                    return true;
                Fail(std::string("zstd: ") + ZSTD_getErrorName(length));
                return false;
            }
            auto frame = std::make_unique<Frame>();
            frame->packed.assign(at, at + length);
            frame->plain.resize(static_cast<size_t>(content));
            taken += length;
            seen_frame = true;
            {
                std::lock_guard<std::mutex> lock(frames_lock);
                frames.push_back(std::move(frame));
            }
            frame_ready.notify_all();
        }
        return true;
    }

    static void DecodeFrame(ZSTD_DCtx* context, Frame& frame)
    {
        size_t n = ZSTD_decompressDCtx(context, frame.plain.data(), frame.plain.size(),
                                       frame.packed.data(), frame.packed.size());
        if (ZSTD_isError(n))
            frame.error = std::string("zstd: ") + ZSTD_getErrorName(n);
        else if (n != frame.plain.size())
            frame.error = "zstd: a frame holds less than its header says";
        frame.packed = std::vector<unsigned char>();
    }

    // Takes the first queued frame, if any, and decodes it on this thread.
    // Called and returning with the lock held.
    bool DecodeQueued(std::unique_lock<std::mutex>& lock, ZSTD_DCtx* context)
    {
        for (auto& frame : frames) {
            if (frame->state != State::Queued)
                continue;
            frame->state = State::Decoding;
            Frame& mine = *frame;
            lock.unlock();
            DecodeFrame(context, mine);
            lock.lock();
            mine.state = mine.error.empty() ? State::Done : State::Failed;
            frame_done.notify_all();
            return true;
        }
        return false;
    }

    void Help()
    {
        ZSTD_DCtx* context = ZSTD_createDCtx();
        std::unique_lock<std::mutex> lock(frames_lock);
        while (context && !closing) {
            if (!DecodeQueued(lock, context))
                frame_ready.wait(lock);
        }
        ZSTD_freeDCtx(context);
    }

    // Hands out the first frame's content once it is decoded, decoding
    // frames here meanwhile.
    DecodeStatus Emit(OutSpan& out)
    {
        std::unique_lock<std::mutex> lock(frames_lock);
        while (!frames.empty() && out.size > 0) {
            Frame& first = *frames.front();
            if (first.state == State::Queued || first.state == State::Decoding) {
                if (!DecodeQueued(lock, own_context))
                    frame_done.wait(lock);
                continue;
            }
            if (first.state == State::Failed)
                return Fail(first.error);
            size_t n = std::min(out.size, first.plain.size() - first.handed);
            memcpy(out.data, first.plain.data() + first.handed, n);
            first.handed += n;
            out.data += n;
            out.size -= n;
            if (first.handed == first.plain.size())
                frames.pop_front();
            // With no frame left, the next input is taken in first.
            if (frames.empty())
                break;
        }
        return DecodeStatus::Ok;
    }

    // One frame decoded as a stream; back to whole frames where it ends.
    DecodeStatus Stream(OutSpan& out, bool input_ended)
    {
        ByteSpan rest{pending.data() + taken, pending.size() - taken};
        if (rest.size == 0)
            return input_ended ? Fail("zstd: unexpected end of compressed data")
                               : DecodeStatus::Ok;
        size_t in_before = rest.size;
        size_t out_before = out.size;
        if (stream.Decode(rest, out, false) == DecodeStatus::Error)
            return Fail(stream.error());
        taken += in_before - rest.size;
        if ((rest.size != in_before || out.size != out_before) && stream.FrameDone()) {
            streaming = false;
            stream_next = false;
            seen_frame = true;
        }
        return DecodeStatus::Ok;
    }

    ZstdDecoder stream;
    ZSTD_DCtx* own_context = nullptr;
    std::vector<unsigned char> pending;
    size_t taken = 0;
    size_t max_frames = 2;
    bool stream_next = false;
    bool streaming = false;
    bool seen_frame = false;

    std::mutex frames_lock;
    std::condition_variable frame_ready;
    std::condition_variable frame_done;
    std::deque<std::unique_ptr<Frame>> frames;
    std::vector<std::thread> helpers;
    bool closing = false;
};

} // namespace

PackageCodec SniffPackageCodec(const unsigned char* head, size_t size)
{
    static const unsigned char kXz[] = {0xfd, '7', 'z', 'X', 'Z', 0x00};
    static const unsigned char kGzip[] = {0x1f, 0x8b, 0x08};
    static const unsigned char kZstd[] = {0x28, 0xb5, 0x2f, 0xfd};
    static const unsigned char kUstar[] = {'u', 's', 't', 'a', 'r'};
    static const unsigned char kBzip2[] = {'B', 'Z', 'h'};
    if (StartsWith(head, size, kXz, sizeof(kXz)))
        return PackageCodec::Xz;
    if (StartsWith(head, size, kGzip, sizeof(kGzip)))
        return PackageCodec::Gzip;
    if (StartsWith(head, size, kZstd, sizeof(kZstd)))
        return PackageCodec::Zstd;
    // "BZh" and the block size, '1' to '9' (hundreds of kB).
    if (StartsWith(head, size, kBzip2, sizeof(kBzip2)) && size > 3 && head[3] >= '1' &&
        head[3] <= '9')
        return PackageCodec::Bzip2;
    if (size > kTarMagicOffset &&
        StartsWith(head + kTarMagicOffset, size - kTarMagicOffset, kUstar, sizeof(kUstar)))
        return PackageCodec::Tar;
    return PackageCodec::Other;
}

const char* PackageCodecName(PackageCodec codec)
{
    switch (codec) {
    case PackageCodec::Tar: return "tar";
    case PackageCodec::Gzip: return "gzip";
    case PackageCodec::Xz: return "xz";
    case PackageCodec::Zstd: return "zstd";
    case PackageCodec::Bzip2: return "bzip2";
    case PackageCodec::Other: break;
    }
    return "other";
}

std::unique_ptr<PackageDecoder> MakePackageDecoder(PackageCodec codec, int threads,
                                                   uint64_t memory_limit, std::string& error)
{
    switch (codec) {
    case PackageCodec::Tar: return std::make_unique<CopyDecoder>();
    case PackageCodec::Gzip: {
        auto decoder = std::make_unique<GzipDecoder>();
        return decoder->Init(error) ? std::move(decoder) : nullptr;
    }
    case PackageCodec::Xz: {
        auto decoder = std::make_unique<XzDecoder>();
        return decoder->Init(threads, memory_limit, error) ? std::move(decoder) : nullptr;
    }
    case PackageCodec::Zstd: {
        if (threads > 1) {
            auto decoder = std::make_unique<ZstdFramesDecoder>();
            return decoder->Init(threads, error) ? std::move(decoder) : nullptr;
        }
        auto decoder = std::make_unique<ZstdDecoder>();
        return decoder->Init(error) ? std::move(decoder) : nullptr;
    }
    case PackageCodec::Bzip2: {
        auto decoder = std::make_unique<Bzip2Decoder>();
        return decoder->Init(error) ? std::move(decoder) : nullptr;
    }
    case PackageCodec::Other: break;
    }
    error = "no decoder for this compression";
    return nullptr;
}
