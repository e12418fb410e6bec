// Writes the payload of the sample package: a deterministic tree of files with
// content that compresses about as well as program files do, so that unpacking
// takes long enough to be seen.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

uint64_t Next(uint64_t& state)
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

bool WriteFile(const std::string& path, size_t size, uint64_t& state)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::vector<unsigned char> block(size);
    for (size_t i = 0; i < size; ++i) {
        // Runs of repeated bytes between random ones: neither all zeros nor noise.
        uint64_t r = Next(state);
        block[i] = (r & 3) == 0 ? static_cast<unsigned char>(r >> 8) : static_cast<unsigned char>(i / 64);
    }
    bool ok = fwrite(block.data(), 1, size, f) == size;
    return fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: %s <dir> <files> <total-bytes>\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    long files = atol(argv[2]);
    long long total = atoll(argv[3]);
    if (files <= 0 || total < files)
        return 2;
    uint64_t state = 0x9e3779b97f4a7c15ull;
    for (long i = 0; i < files; ++i) {
        std::string sub = dir + "/part" + std::to_string(i / 50);
        mkdir(dir.c_str(), 0755);
        mkdir(sub.c_str(), 0755);
        std::string path = sub + "/module" + std::to_string(i) + ".dat";
        if (!WriteFile(path, static_cast<size_t>(total / files), state)) {
            perror(path.c_str());
            return 1;
        }
    }
    return 0;
}
