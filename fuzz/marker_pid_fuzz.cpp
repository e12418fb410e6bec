// The readers of the marker and of the client's pid file on arbitrary file
// contents; every input is read as both. Besides crashes, leaks and
// undefined behaviour it checks what they promise: a name from the marker
// is a plain name beside the copy (no "/", not "." or ".."), and a pid is
// positive and written in the text as it is.
#include <cstdint>
#include <cstring>
#include <string>

#include "file/own-file.h"
#include "install-marker.h"
#include "linux/client-process.h"
#include "fuzz-sandbox.h"

namespace {

void CheckMarker(FuzzSandbox& sandbox, const uint8_t* data, size_t size)
{
    sandbox.Put("Halvora.app.installing", data, size);
    ustring named;
    if (!ReadLastCompleteCopy((sandbox.base + "/Halvora.app").c_str(), named))
        return;
    std::string name = named.c_str();
    FuzzSandbox::Check(name.find('/') == std::string::npos, "a name with '/'");
    FuzzSandbox::Check(name != "." && name != "..", "'.' or '..' as a name");
    std::string text(reinterpret_cast<const char*>(data), size);
    FuzzSandbox::Check(text.find("complete=" + name) != std::string::npos,
                          "a name the marker does not hold");
}

void CheckPidFile(FuzzSandbox& sandbox, const uint8_t* data, size_t size)
{
    std::string path = sandbox.Put("ui.pid", data, size);
    std::string text;
    if (ReadOwnFile(path.c_str(), kPidFileMaxBytes, text) != 0)
        return;
    pid_t pid = 0;
    ustring value;
    if (PidOfPidFile(text, pid, value) != 0 || pid == 0)
        return;
    FuzzSandbox::Check(pid > 0, "a pid not positive");
    FuzzSandbox::Check(text.find(std::to_string(pid)) != std::string::npos,
                          "a pid the file does not hold");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzSandbox sandbox;
    CheckMarker(sandbox, data, size);
    CheckPidFile(sandbox, data, size);
    return 0;
}
