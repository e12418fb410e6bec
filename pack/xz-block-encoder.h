#ifndef HALVORA_PACK_XZ_BLOCK_ENCODER_H
#define HALVORA_PACK_XZ_BLOCK_ENCODER_H

#include <cstddef>
#include <cstdint>
#include <lzma.h>
#include <string>

#include "stream-encoder.h"

namespace pack {

class HashedOutput;

// xz in independent blocks of a fixed size, so that a threaded decoder can
// spread the unpacking over the cores. The blocks are cut at the same places
// whatever the number of threads that encode them, so the bytes depend only
// on the input.
class XzBlockEncoder : public StreamEncoder {
public:
    static const uint64_t kBlockSize = 8u << 20;

    explicit XzBlockEncoder(HashedOutput* out) : m_out(out) {}
    ~XzBlockEncoder() override;
    XzBlockEncoder(const XzBlockEncoder&) = delete;
    XzBlockEncoder& operator=(const XzBlockEncoder&) = delete;

    bool Open(std::string* error) override;
    bool Write(const void* data, size_t size, std::string* error) override;
    bool Finish(std::string* error) override;

private:
    bool Run(lzma_action action, std::string* error);

    HashedOutput* m_out;
    lzma_stream m_stream = LZMA_STREAM_INIT;
    uint8_t m_buffer[64 * 1024];
};

} // namespace pack

#endif
