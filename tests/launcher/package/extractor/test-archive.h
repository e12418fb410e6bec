#ifndef HALVORA_TEST_ARCHIVE_H
#define HALVORA_TEST_ARCHIVE_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Archives written by the tests themselves with libarchive's writer, and a
// way to compare an unpacked tree with what went into the archive.
namespace testarchive {

enum class Kind { File, Dir, Symlink, Hardlink, Sparse, Fifo, CharDevice, BlockDevice, Socket };

struct Entry {
    std::string path;
    Kind kind;
    std::string data; // file content, symbolic-link target or hard-link original
    int mode;
    int64_t sparse_size = 0; // the size a sparse file declares
    int uid = 0;      // owner and group recorded in the archive
    std::string digest = ""; // the content checksum its header gives, if any
};

Entry File(const std::string& path, const std::string& content, int mode = 0644);
Entry Dir(const std::string& path, int mode = 0755);
// A file that declares `size` bytes but holds only its last 4 KiB: an
// archive of a few hundred bytes that unpacks to anything (tar formats only).
Entry Sparse(const std::string& path, int64_t size);
Entry Symlink(const std::string& path, const std::string& target);
Entry Hardlink(const std::string& path, const std::string& original);
// A FIFO, device or socket entry.
Entry Special(const std::string& path, Kind kind);

// TarXzBlocks: xz in many small blocks that carry their sizes, as a
// multi-threaded encoder writes them, so that they can be decoded in parallel;
// TarZstFrames: zstd in many small frames, most of which give their sizes.
// The last three are no kind of package: an ISO image, a tar.gz compressed
// once more, and the header of an lrzip file (whose decoder is a program).
enum class Format { Tar, TarGz, TarXz, TarXzBlocks, TarZst, TarZstFrames, TarBz2, Zip, Cpio, Pax, GnuTar, Iso, TarGzGz, Lrzip };
const char* FormatName(Format format);

// Hard links are handed to the writer the way its format stores them. Names
// are written as UTF-8, as a packer running under a UTF-8 locale writes them.
// False (with a test failure) when the writer reports an error.
bool WriteArchive(const std::string& path, Format format, const std::vector<Entry>& entries);

// Writes the checksum of the 512-byte ustar header at `at` in bytes, for
// headers a test makes or changes by hand.
void SetUstarChecksum(std::string& bytes, size_t at);

// Deterministic bytes that do not compress to nothing.
std::string PseudoRandom(size_t size, uint64_t seed);

// relative path -> "d", "f:<mode>:<content>" or "l:<target>".
using Tree = std::map<std::string, std::string>;
Tree Snapshot(const std::string& dir);
// What Snapshot should find after unpacking entries (parents included).
Tree Expected(const std::vector<Entry>& entries);

// A small package shaped like the client's: INFO, the client executable,
// the start script, a library with a symbolic link, some data.
std::vector<Entry> ClientPackage(const std::string& build);

} // namespace testarchive

#endif
