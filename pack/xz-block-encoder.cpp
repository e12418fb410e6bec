#include "xz-block-encoder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "hashed-output.h"

namespace pack {

namespace {

// Threads only speed the packing up; more than a few buy little and each
// holds a block of input and output.
const uint32_t kMaxThreads = 4;

std::string LzmaError(const char* step, lzma_ret ret)
{
    return std::string(step) + " failed (liblzma code " + std::to_string(static_cast<int>(ret)) +
           ")";
}

} // namespace

XzBlockEncoder::~XzBlockEncoder()
{
    lzma_end(&m_stream);
}

bool XzBlockEncoder::Open(std::string* error)
{
    lzma_mt mt;
    memset(&mt, 0, sizeof mt);
    mt.threads = std::max<uint32_t>(1, std::min(lzma_cputhreads(), kMaxThreads));
    mt.block_size = kBlockSize;
    mt.preset = LZMA_PRESET_DEFAULT;
    mt.check = LZMA_CHECK_CRC64;
    lzma_ret ret = lzma_stream_encoder_mt(&m_stream, &mt);
    if (ret != LZMA_OK) {
        *error = LzmaError("xz encoder set-up", ret);
        return false;
    }
    return true;
}

bool XzBlockEncoder::Run(lzma_action action, std::string* error)
{
    for (;;) {
        m_stream.next_out = m_buffer;
        m_stream.avail_out = sizeof m_buffer;
        lzma_ret ret = lzma_code(&m_stream, action);
        if (ret != LZMA_OK && ret != LZMA_STREAM_END) {
            *error = LzmaError("xz encoding", ret);
            return false;
        }
        size_t produced = sizeof m_buffer - m_stream.avail_out;
        if (produced > 0 && !m_out->Write(m_buffer, produced)) {
            *error = std::string("write failed: ") + strerror(errno);
            return false;
        }
        if (ret == LZMA_STREAM_END)
            return true;
        if (action == LZMA_RUN && m_stream.avail_in == 0)
            return true;
    }
}

bool XzBlockEncoder::Write(const void* data, size_t size, std::string* error)
{
    m_stream.next_in = static_cast<const uint8_t*>(data);
    m_stream.avail_in = size;
    return Run(LZMA_RUN, error);
}

bool XzBlockEncoder::Finish(std::string* error)
{
    m_stream.next_in = nullptr;
    m_stream.avail_in = 0;
    return Run(LZMA_FINISH, error);
}

} // namespace pack
