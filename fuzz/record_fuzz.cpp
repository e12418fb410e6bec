// The reader of the record of installed files on arbitrary file contents.
// Besides crashes, leaks and undefined behaviour it checks what a read
// promises: no entry without this format's header on the first line, names
// neither empty nor holding NUL, modes within the permission bits, sizes
// and times not negative, no more entries than lines.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "installed-files-record.h"
#include "fuzz-sandbox.h"

namespace {

const char kHeaderWords[] = "halvora installed files 2 ";

bool Sane(const FileTime& t)
{
    return t.sec >= 0 && t.nsec >= 0 && t.nsec < 1000000000;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzSandbox sandbox;
    std::string path = sandbox.Put("Halvora.app.files", data, size);

    InstalledFiles record = ReadInstalledFiles(path.c_str());
    if (record.files.empty())
        return 0;
    const char* text = reinterpret_cast<const char*>(data);
    FuzzSandbox::Check(size > strlen(kHeaderWords) &&
                              memcmp(text, kHeaderWords, strlen(kHeaderWords)) == 0,
                          "entries without the header");
    FuzzSandbox::Check(Sane(record.taken), "a negative moment of the record");
    size_t lines = static_cast<size_t>(std::count(text, text + size, '\n'));
    FuzzSandbox::Check(record.files.size() < lines, "more entries than lines");
    for (const auto& [name, file] : record.files) {
        FuzzSandbox::Check(!name.empty(), "an empty name");
        FuzzSandbox::Check(name.find('\0') == std::string::npos, "a name with NUL");
        FuzzSandbox::Check((file.mode & ~07777u) == 0 && (file.disk_mode & ~07777u) == 0,
                              "a mode beyond the permission bits");
        FuzzSandbox::Check(file.size >= 0 && Sane(FileTime{file.ctime_sec, file.ctime_nsec}),
                              "a negative size or time");
    }
    return 0;
}
