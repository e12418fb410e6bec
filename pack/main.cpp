// halvora-pack: makes the package a system installation carries, and the
// system INFO that describes it, from a client tree.
#include <clocale>
#include <cstdio>
#include <string>

#include "pack-options.h"
#include "pack.h"

int main(int argc, char** argv)
{
    // The archive writer converts names through the locale's character set;
    // the package's names are UTF-8 whatever the packing machine's locale.
    if (!setlocale(LC_CTYPE, "C.UTF-8")) {
        fprintf(stderr, "halvora-pack: the locale C.UTF-8 is not available\n");
        return 1;
    }
    pack::PackOptions options;
    std::string error;
    if (!pack::ParseOptions(argc - 1, argv + 1, &options, &error)) {
        fprintf(stderr, "halvora-pack: %s\n%s", error.c_str(), pack::UsageText());
        return 2;
    }
    int rc = pack::RunPack(options, &error);
    if (rc != 0)
        fprintf(stderr, "halvora-pack: %s\n", error.c_str());
    return rc;
}
