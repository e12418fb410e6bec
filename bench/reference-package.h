#ifndef HALVORA_BENCH_REFERENCE_PACKAGE_H
#define HALVORA_BENCH_REFERENCE_PACKAGE_H

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The deterministic reference package of the unpacking benchmarks: about
// 3,000 files and 250 MB of content shaped like a real client's.
namespace bench {

class Rng {
public:
    explicit Rng(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ULL + 1) {}
    uint64_t Next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 0x2545F4914F6CDD1DULL;
    }
    size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }

private:
    uint64_t state;
};

// Machine-code-like bytes: recurring instruction sequences drawn very
// unevenly from a fixed set, with varying operands; address tables; a few
// embedded compressed resources; padding. Compresses about as well as real
// executables do (roughly 2.5-3x with gzip).
class ContentMaker {
public:
    ContentMaker()
    {
        Rng rng(1);
        std::vector<std::string> opcodes;
        for (int i = 0; i < 300; ++i)
            opcodes.push_back(RandomBytes(1 + rng.Below(3), rng));
        for (int i = 0; i < 40000; ++i) {
            std::string phrase;
            for (size_t n = 2 + rng.Below(8); n > 0; --n) {
                phrase += opcodes[Skewed(opcodes.size(), rng)];
                phrase += RandomBytes(rng.Below(3), rng);
            }
            phrases.push_back(phrase);
        }
    }

    std::string Make(size_t size, uint64_t seed) const
    {
        Rng rng(seed);
        std::string out;
        out.reserve(size + 8192);
        while (out.size() < size) {
            size_t kind = rng.Below(100);
            if (kind < 78)
                AppendCode(out, rng);
            else if (kind < 86)
                AppendTable(out, rng);
            else if (kind < 97)
                out += RandomBytes(64 + rng.Below(1024), rng);
            else
                out.append(16 + rng.Below(512), '\0');
        }
        out.resize(size);
        return out;
    }

    // Writes megabytes of content to standard output, to check by hand how
    // it compresses.
    void Sample(size_t megabytes) const
    {
        for (size_t i = 0; i < megabytes; ++i) {
            std::string chunk = Make(1 << 20, 5000 + i);
            fwrite(chunk.data(), 1, chunk.size(), stdout);
        }
    }

private:
    // Small indices far more often than large ones, as with real opcodes.
    static size_t Skewed(size_t n, Rng& rng)
    {
        double u = static_cast<double>(rng.Below(1000000)) / 1e6;
        return std::min(n - 1, static_cast<size_t>(static_cast<double>(n) * u * u * u));
    }
    static std::string RandomBytes(size_t n, Rng& rng)
    {
        std::string s(n, '\0');
        for (char& c : s)
            c = static_cast<char>(rng.Next() >> 56);
        return s;
    }
    // A function body reuses a handful of sequences over and over.
    void AppendCode(std::string& out, Rng& rng) const
    {
        size_t working_set[48];
        for (size_t& index : working_set)
            index = rng.Below(phrases.size());
        for (size_t n = 16 + rng.Below(240); n > 0; --n) {
            out += phrases[working_set[rng.Below(48)]];
            // Operands: displacements and immediates.
            if (rng.Below(2) == 0)
                out += RandomBytes(1 + rng.Below(2), rng);
        }
    }
    static void AppendTable(std::string& out, Rng& rng)
    {
        uint32_t value = static_cast<uint32_t>(rng.Next());
        for (size_t n = 8 + rng.Below(120); n > 0; --n) {
            value += 4 + static_cast<uint32_t>(rng.Below(64));
            out.append(reinterpret_cast<const char*>(&value), sizeof(value));
        }
    }

    std::vector<std::string> phrases;
};

struct ReferenceFile {
    std::string path;
    size_t size;
    uint64_t seed;
};

// About 3,000 files and 250 MB: a few large libraries, some medium ones and
// many small resources, in a tree of about a hundred directories.
inline std::vector<ReferenceFile> PackageLayout(std::vector<std::string>& dirs)
{
    Rng rng(2024);
    std::vector<ReferenceFile> files;
    dirs = {"bin", "lib", "plugins", "share", "share/locale", "share/icons", "package"};
    for (int i = 0; i < 24; ++i)
        dirs.push_back("share/locale/l" + std::to_string(i));
    for (int i = 0; i < 40; ++i)
        dirs.push_back("plugins/p" + std::to_string(i));
    for (int i = 0; i < 30; ++i)
        dirs.push_back("share/icons/s" + std::to_string(i));
    const size_t large[] = {60, 40, 25, 15, 10, 8};
    for (size_t i = 0; i < sizeof(large) / sizeof(large[0]); ++i)
        files.push_back({"lib/libcore" + std::to_string(i) + ".so", large[i] << 20, 100 + i});
    for (int i = 0; i < 60; ++i)
        files.push_back({"plugins/p" + std::to_string(i % 40) + "/libplugin" + std::to_string(i) +
                             ".so",
                         300000 + rng.Below(1200000), 200 + static_cast<uint64_t>(i)});
    for (int i = 0; files.size() < 3000; ++i) {
        // Log-uniform between about 200 bytes and 64 KB.
        size_t size = static_cast<size_t>(200.0 * std::pow(320.0, rng.Below(1000) / 1000.0));
        const std::string& dir = dirs[7 + rng.Below(dirs.size() - 7)];
        files.push_back({dir + "/res" + std::to_string(i) + ".dat", size,
                         1000 + static_cast<uint64_t>(i)});
    }
    files.push_back({"bin/halvora-backup-ui", 3 << 20, 7});
    files.push_back({"INFO", 120, 8});
    return files;
}

} // namespace bench

#endif
