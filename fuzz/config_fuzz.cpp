// The key-value reader on arbitrary file contents. Besides crashes and
// undefined behaviour it checks what a successful read promises: keys made
// of key characters only, values without control characters, and the same
// entries from the file as from its contents.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <string>
#include <unistd.h>

#include "config.h"

namespace {

bool IsKeyChar(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           c == '-' || c == '_' || c == '.';
}

void Check(bool ok, const char* what)
{
    if (!ok) {
        fprintf(stderr, "config_fuzz: %s\n", what);
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One in-memory file, rewritten for every input: no disk traffic.
    static const int fd = memfd_create("config_fuzz", MFD_CLOEXEC);
    static char path[64];
    snprintf(path, sizeof path, "/proc/self/fd/%d", fd);
    if (fd < 0 || ftruncate(fd, 0) != 0 ||
        pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;

    Config config;
    int ret = config.read(path);
    Check(ret == 0 || ret == -1, "read returned neither 0 nor -1");
    // The file and its contents read beforehand must mean the same.
    Config from_text;
    Check(from_text.read_text(std::string(reinterpret_cast<const char*>(data), size)) == ret,
          "read_text and read disagree on the result");
    Check(std::equal(config.begin(), config.end(), from_text.begin(), from_text.end()),
          "read_text and read disagree on the entries");
    if (ret != 0)
        return 0;
    for (Config::const_iterator it = config.begin(); it != config.end(); ++it) {
        for (size_t i = 0; i < it->first.length(); ++i)
            Check(IsKeyChar(static_cast<unsigned char>(it->first[i])), "bad key character");
        for (size_t i = 0; i < it->second.length(); ++i) {
            unsigned char c = static_cast<unsigned char>(it->second[i]);
            Check(c >= 0x20 && c != 0x7F, "control character in a value");
        }
        config.get_int(it->first);
    }
    return 0;
}
