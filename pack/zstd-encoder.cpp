#include "zstd-encoder.h"

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
    m_buffer.resize(ZSTD_CStreamOutSize());
    return !ZstdFailed(ZSTD_CCtx_setParameter(m_ctx, ZSTD_c_compressionLevel, kLevel),
                       "zstd encoder set-up", error) &&
           !ZstdFailed(ZSTD_CCtx_setParameter(m_ctx, ZSTD_c_checksumFlag, 1),
                       "zstd encoder set-up", error);
}

bool ZstdEncoder::Run(ZSTD_inBuffer* in, ZSTD_EndDirective mode, std::string* error)
{
    for (;;) {
        ZSTD_outBuffer out = {m_buffer.data(), m_buffer.size(), 0};
        const size_t left = ZSTD_compressStream2(m_ctx, &out, in, mode);
        if (ZstdFailed(left, "zstd encoding", error))
            return false;
        if (out.pos > 0 && !m_out->Write(m_buffer.data(), out.pos)) {
            *error = std::string("write failed: ") + strerror(errno);
            return false;
        }
        // Ending, the frame is complete when nothing is left to flush; else
        // the input only has to be taken in.
        if (mode == ZSTD_e_end ? left == 0 : in->pos == in->size)
            return true;
    }
}

bool ZstdEncoder::Write(const void* data, size_t size, std::string* error)
{
    ZSTD_inBuffer in = {data, size, 0};
    return Run(&in, ZSTD_e_continue, error);
}

bool ZstdEncoder::Finish(std::string* error)
{
    ZSTD_inBuffer in = {nullptr, 0, 0};
    return Run(&in, ZSTD_e_end, error);
}

} // namespace pack
