#include "pack-options.h"

#include <cstring>

namespace pack {

bool IsVersionNumber(const std::string& text)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

namespace {

bool ParseFormat(const std::string& text, PackFormat* format)
{
    if (text == "tar.zst")
        *format = PF_TAR_ZSTD;
    else if (text == "tar.xz")
        *format = PF_TAR_XZ;
    else if (text == "tar.gz")
        *format = PF_TAR_GZIP;
    else
        return false;
    return true;
}

std::string* VersionField(const std::string& flag, PackOptions* options)
{
    if (flag == "--build")
        return &options->build;
    if (flag == "--major")
        return &options->major;
    if (flag == "--minor")
        return &options->minor;
    if (flag == "--overlay")
        return &options->overlay;
    return nullptr;
}

bool TakeFlag(const std::string& flag, const std::string& value, PackOptions* options,
              std::string* error)
{
    if (flag == "--format") {
        if (ParseFormat(value, &options->format))
            return true;
        *error = "unknown format '" + value + "' (tar.zst, tar.xz or tar.gz)";
        return false;
    }
    std::string* field = VersionField(flag, options);
    if (!field) {
        *error = "unknown option '" + flag + "'";
        return false;
    }
    if (!field->empty()) {
        *error = flag + " given twice";
        return false;
    }
    if (!IsVersionNumber(value)) {
        *error = flag + " needs a decimal number, not '" + value + "'";
        return false;
    }
    *field = value;
    return true;
}

// "tree/" and "tree" are the same folder; messages name paths below it.
std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

bool ParseOptions(int argc, const char* const* argv, PackOptions* options, std::string* error)
{
    std::string positional[2];
    int count = 0;
    for (int i = 0; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return false;
            }
            if (!TakeFlag(arg, argv[++i], options, error))
                return false;
        } else if (count < 2 && !arg.empty()) {
            positional[count++] = arg;
        } else {
            *error = "unexpected argument '" + arg + "'";
            return false;
        }
    }
    if (count < 2) {
        *error = "CLIENT_TREE and OUTDIR are required";
        return false;
    }
    if (options->build.empty()) {
        *error = "--build is required";
        return false;
    }
    options->client_tree = WithoutTrailingSlashes(positional[0]);
    options->out_dir = WithoutTrailingSlashes(positional[1]);
    return true;
}

const char* UsageText()
{
    return "usage: halvora-pack CLIENT_TREE OUTDIR --build N [--major M --minor m --overlay K]\n"
           "                    [--format tar.zst|tar.xz|tar.gz]\n";
}

} // namespace pack
