#include "zstd-encoder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "hashed-output.h"

namespace pack {

namespace {

bool ZstdFailed(size_t ret, const char* step, std::string* error)
{
    if (!ZSTD_isError(ret))
        return false;
    *error = std::string(step) + " failed: " + ZSTD_getErrorName(ret);
    return true;
}

} // namespace

ZstdEncoder::~ZstdEncoder()
{
    ZSTD_freeCCtx(m_ctx);
}

bool ZstdEncoder::Open(std::string* error)
{
    m_ctx = ZSTD_createCCtx();
    if (!m_ctx) {
        *error = "zstd encoder set-up failed: out of memory";
        return false;
    }
    m_input.reserve(kFrameBytes);
    m_buffer.resize(ZSTD_compressBound(kFrameBytes));
    return !ZstdFailed(ZSTD_CCtx_setParameter(m_ctx, ZSTD_c_compressionLevel, kLevel),
                       "zstd encoder set-up", error) &&
           !ZstdFailed(ZSTD_CCtx_setParameter(m_ctx, ZSTD_c_checksumFlag, 1),
                       "zstd encoder set-up", error);
}

bool ZstdEncoder::WriteFrame(std::string* error)
{
    // Compressed in one call, the frame's header gives its content's size.
    const size_t size =
        ZSTD_compress2(m_ctx, m_buffer.data(), m_buffer.size(), m_input.data(), m_input.size());
    if (ZstdFailed(size, "zstd encoding", error))
        return false;
    m_input.clear();
    m_wrote_frame = true;
    if (!m_out->Write(m_buffer.data(), size)) {
        *error = std::string("write failed: ") + strerror(errno);
        return false;
    }
    return true;
}

bool ZstdEncoder::Write(const void* data, size_t size, std::string* error)
{
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        size_t take = std::min(size, kFrameBytes - m_input.size());
        m_input.insert(m_input.end(), bytes, bytes + take);
        bytes += take;
        size -= take;
        if (m_input.size() == kFrameBytes && !WriteFrame(error))
            return false;
    }
    return true;
}

bool ZstdEncoder::Finish(std::string* error)
{
    // An empty stream is still one frame.
    return (m_input.empty() && m_wrote_frame) || WriteFrame(error);
}

} // namespace pack
