#ifndef HALVORA_PACKAGE_DECODERS_H
#define HALVORA_PACKAGE_DECODERS_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The compressions the package pipeline decodes itself; anything else is
// left to the archive library's own filters.
enum class PackageCodec { Tar, Gzip, Xz, Zstd, Bzip2, Other };

// Tells the codec from the first bytes of the package (at least 512 are
// needed to recognise a plain tar).
PackageCodec SniffPackageCodec(const unsigned char* head, size_t size);
const char* PackageCodecName(PackageCodec codec);

// A window into a buffer that a decoder advances as it consumes or fills it.
struct ByteSpan {
    const unsigned char* data = nullptr;
    size_t size = 0;
};
struct OutSpan {
    unsigned char* data = nullptr;
    size_t size = 0;
};

enum class DecodeStatus { Ok, End, Error };

// One compressed stream, decoded piece by piece. Decode consumes from in and
// fills out (advancing both); input_ended says that no input follows what is
// in `in`. End: the stream is complete. Error: see error(); the decoder is
// then unusable.
class PackageDecoder {
public:
    virtual ~PackageDecoder() = default;
    virtual DecodeStatus Decode(ByteSpan& in, OutSpan& out, bool input_ended) = 0;
    const std::string& error() const { return error_text; }

protected:
    DecodeStatus Fail(const std::string& text)
    {
        error_text = text;
        return DecodeStatus::Error;
    }

private:
    std::string error_text;
};

// threads: how many cores xz may use; memory_limit: the bytes the threaded
// xz decoder may hold before it decodes a block on the calling thread alone.
// Null when the library could not set the decoder up (error in `error`).
std::unique_ptr<PackageDecoder> MakePackageDecoder(PackageCodec codec, int threads,
                                                   uint64_t memory_limit, std::string& error);

#endif
