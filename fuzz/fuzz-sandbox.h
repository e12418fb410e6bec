#ifndef HALVORA_FUZZ_SANDBOX_H
#define HALVORA_FUZZ_SANDBOX_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <unistd.h>

#include "log.h"

// A folder of the fuzz target's own under TMPDIR, where each input is
// written as a file (the readers open a path, never a descriptor), with a log
// that takes nothing at the levels given. What it wrote is removed at exit.
class FuzzSandbox {
public:
    explicit FuzzSandbox(const char* levels_text = "service_debug=-1\ndefault_component=-1\n")
    {
        const char* tmp = getenv("TMPDIR");
        std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/halvora-fuzz-XXXXXX";
        Check(mkdtemp(&tmpl[0]) != nullptr, "mkdtemp failed");
        base = tmpl;
        levels = base + "/levels";
        log = base + "/log";
        Check(Write(levels, levels_text), "levels file");
        // Every line would cost time, and none is worth reading here.
        Logger::Initialize(Logger::FILE_LOGGER, log.c_str(), levels.c_str(), 1);
    }
    ~FuzzSandbox()
    {
        for (const std::string& name : written)
            unlink(name.c_str());
        unlink(levels.c_str());
        unlink(log.c_str());
        rmdir(base.c_str());
    }

    // The input as the file name under the sandbox; its path.
    std::string Put(const char* name, const uint8_t* data, size_t size)
    {
        std::string path = base + "/" + name;
        Check(Write(path, std::string(reinterpret_cast<const char*>(data), size)), "input file");
        written.insert(path);
        return path;
    }

    static void Check(bool ok, const char* what)
    {
        if (!ok) {
            fprintf(stderr, "fuzz: %s\n", what);
            abort();
        }
    }

    std::string base;

private:
    static bool Write(const std::string& path, const std::string& text)
    {
        FILE* f = fopen(path.c_str(), "wb");
        bool ok = f && fwrite(text.data(), 1, text.size(), f) == text.size();
        return f && fclose(f) == 0 && ok;
    }

    std::string levels, log;
    std::set<std::string> written;
};

#endif
