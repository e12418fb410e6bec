// The extractor on arbitrary archive bytes: count, then unpack into a fresh
// folder. Besides crashes, leaks and undefined behaviour it fails when
// anything lands beside that folder, in the sandbox around it or in the
// working directory.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <ftw.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "extractor.h"
#include "fuzz-sandbox.h"
#include "strtab.h"

namespace {

void Check(bool ok, const std::string& what)
{
    if (!ok) {
        fprintf(stderr, "extractor_fuzz: %s\n", what.c_str());
        abort();
    }
}

std::set<std::string> Names(const std::string& dir)
{
    std::set<std::string> names;
    DIR* d = opendir(dir.c_str());
    Check(d != nullptr, "cannot list " + dir + ": " + strerror(errno));
    while (dirent* e = readdir(d)) {
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
            names.insert(e->d_name);
    }
    closedir(d);
    return names;
}

// Unpacked folders may come without any permission.
int OpenUp(const char* path, const struct stat* st, int type, FTW*)
{
    if (type == FTW_D && !S_ISLNK(st->st_mode))
        chmod(path, 0700);
    return 0;
}

int RemoveOne(const char* path, const struct stat*, int, FTW*)
{
    remove(path);
    return 0;
}

void RemoveTree(const std::string& path)
{
    nftw(path.c_str(), OpenUp, 16, FTW_PHYS);
    nftw(path.c_str(), RemoveOne, 16, FTW_PHYS | FTW_DEPTH);
}

struct Sandbox : FuzzSandbox {
    std::string work, run;

    Sandbox() : FuzzSandbox("extractor_debug=-1\nfile_op_debug=-1\ndefault_component=-1\n")
    {
        work = base + "/cwd";
        run = base + "/run";
        Check(mkdir(work.c_str(), 0700) == 0, "mkdir cwd");
        Check(chdir(work.c_str()) == 0, "chdir cwd");
        StrTable::InitStrTable();
    }
    ~Sandbox() { rmdir(work.c_str()); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sandbox sandbox;
    const std::string package = sandbox.run + "/pkg";
    const std::string copy = sandbox.run + "/copy";
    Check(mkdir(sandbox.run.c_str(), 0700) == 0, "mkdir run");
    FILE* f = fopen(package.c_str(), "wb");
    Check(f && fwrite(data, 1, size, f) == size && fclose(f) == 0, "cannot write the package");
    Check(mkdir(copy.c_str(), 0700) == 0, "mkdir copy");

    Extractor extractor;
    extractor.SetSource(package.c_str());
    extractor.SetTarget(copy.c_str());
    if (extractor.Count() > 0)
        extractor.Extract();

    Check(Names(sandbox.run) == std::set<std::string>{"copy", "pkg"},
          "an entry landed beside the copy");
    Check(Names(sandbox.base) == std::set<std::string>{"cwd", "levels", "log", "run"},
          "an entry landed in the sandbox");
    Check(Names(sandbox.work).empty(), "an entry landed in the working directory");
    RemoveTree(sandbox.run);
    return 0;
}
