#ifndef HALVORA_PACK_ZSTD_ENCODER_H
#define HALVORA_PACK_ZSTD_ENCODER_H

#include <vector>
#include <zstd.h>

#include "stream-encoder.h"

namespace pack {

class HashedOutput;

// zstd frames of at most 8 MiB of the tar each, each with its content's size
// and ending with its checksum, so that a damaged package fails to decode
// rather than unpacking other bytes (libarchive's writer offers no way to
// ask for it), and so that the launcher can decode the frames on as many
// threads as it has cores. Level 9 packs in seconds where 19 takes minutes,
// for a few per cent of size; decoding is as fast at any level. One thread,
// so that the bytes depend only on the input.
class ZstdEncoder : public StreamEncoder {
public:
    static const int kLevel = 9;
    static const size_t kFrameBytes = 8u << 20;

    explicit ZstdEncoder(HashedOutput* out) : m_out(out) {}
    ~ZstdEncoder() override;
    ZstdEncoder(const ZstdEncoder&) = delete;
    ZstdEncoder& operator=(const ZstdEncoder&) = delete;

    bool Open(std::string* error) override;
    bool Write(const void* data, size_t size, std::string* error) override;
    bool Finish(std::string* error) override;

private:
    // The input gathered so far as one frame.
    bool WriteFrame(std::string* error);

    HashedOutput* m_out;
    ZSTD_CCtx* m_ctx = nullptr;
    std::vector<char> m_input;
    std::vector<char> m_buffer;
    bool m_wrote_frame = false;
};

} // namespace pack

#endif
