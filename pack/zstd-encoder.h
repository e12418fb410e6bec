#ifndef HALVORA_PACK_ZSTD_ENCODER_H
#define HALVORA_PACK_ZSTD_ENCODER_H

#include <vector>
#include <zstd.h>

#include "stream-encoder.h"

namespace pack {

class HashedOutput;

// One zstd frame that ends with the checksum of its content, so that a
// damaged package fails to decode rather than unpacking other bytes
// (libarchive's writer offers no way to ask for it). Level 9 packs in
// seconds where 19 takes minutes, for a few per cent of size; decoding is as
// fast at any level. One thread, so that the bytes depend only on the input.
class ZstdEncoder : public StreamEncoder {
public:
    static const int kLevel = 9;

    explicit ZstdEncoder(HashedOutput* out) : m_out(out) {}
    ~ZstdEncoder() override;
    ZstdEncoder(const ZstdEncoder&) = delete;
    ZstdEncoder& operator=(const ZstdEncoder&) = delete;

    bool Open(std::string* error) override;
    bool Write(const void* data, size_t size, std::string* error) override;
    bool Finish(std::string* error) override;

private:
    bool Run(ZSTD_inBuffer* in, ZSTD_EndDirective mode, std::string* error);

    HashedOutput* m_out;
    ZSTD_CCtx* m_ctx = nullptr;
    std::vector<char> m_buffer;
};

} // namespace pack

#endif
