#ifndef HALVORA_PACK_STREAM_ENCODER_H
#define HALVORA_PACK_STREAM_ENCODER_H

#include <cstddef>
#include <string>

namespace pack {

// A compressor written by the packer itself rather than by libarchive, where
// the library does not write what the package needs; it takes the tar
// stream and passes the compressed bytes on to the package file.
class StreamEncoder {
public:
    virtual ~StreamEncoder() = default;
    virtual bool Open(std::string* error) = 0;
    virtual bool Write(const void* data, size_t size, std::string* error) = 0;
    // Ends the stream; nothing may be written after it.
    virtual bool Finish(std::string* error) = 0;
};

} // namespace pack

#endif
