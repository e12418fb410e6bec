// halvora-pack: makes the package a system installation carries, and the
// system INFO that describes it, from a client tree.
#include <cstdio>
#include <string>
#include <vector>

#include "pack-options.h"
#include "pack.h"

int main(int argc, char** argv)
{
    // No locale is set: the package holds the names' bytes as they are, so it
    // is the same whatever the packing machine's locale.
    pack::PackOptions options;
    std::string error;
    if (!pack::ParseOptions(argc - 1, argv + 1, &options, &error)) {
        fprintf(stderr, "halvora-pack: %s\n%s", error.c_str(), pack::UsageText());
        return 2;
    }
    std::vector<std::string> problems;
    int rc = pack::RunPack(options, &problems);
    for (const std::string& problem : problems)
        fprintf(stderr, "halvora-pack: %s\n", problem.c_str());
    return rc;
}
