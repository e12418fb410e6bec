#ifndef HALVORA_PACK_OPTIONS_H
#define HALVORA_PACK_OPTIONS_H

#include <string>

namespace pack {

enum PackFormat { PF_TAR_ZSTD, PF_TAR_XZ, PF_TAR_GZIP };

// The command line of halvora-pack. A version field left empty is taken from
// the client tree's own INFO.
struct PackOptions {
    std::string client_tree;
    std::string out_dir;
    std::string build;
    std::string major;
    std::string minor;
    std::string overlay;
    PackFormat format = PF_TAR_ZSTD;
};

// Fills options from argv (without the program name at argv[0]); false with
// the reason in error when the command line is not one the tool accepts.
bool ParseOptions(int argc, const char* const* argv, PackOptions* options, std::string* error);

const char* UsageText();

// Version numbers are plain decimal, at most 9 digits: the launcher turns the
// build into a number, and anything else would compare differently there; a
// value with other bytes (a newline, say) could also add lines of its own to
// the system INFO.
bool IsVersionNumber(const std::string& text);

} // namespace pack

#endif
