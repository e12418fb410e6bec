#ifndef HALVORA_VERSION_KEYS_H
#define HALVORA_VERSION_KEYS_H

#include <sstream>
#include <string>
#include <utility>

#include "file/own-file.h"

// The group "Version" of an INFO file (the system's, a per-user copy's, a
// client tree's). The launcher and the packer read it through this one
// function, so that a value the packer accepts is the value the launcher
// compares.
struct VersionKeys {
    std::string major_version;
    std::string minor_version;
    std::string build_version;
    std::string icon_overlay_version;
};

namespace version_keys_detail {

inline std::string Trim(const std::string& text)
{
    size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos)
        return std::string();
    size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

// A value as the INI format writes it: a comment after ";" dropped, and
// the quotes of a quoted value taken off.
inline std::string IniValue(const std::string& raw)
{
    std::string value = Trim(raw);
    if (value.size() >= 2 && value.front() == '"') {
        size_t close = value.find('"', 1);
        if (close != std::string::npos)
            return value.substr(1, close - 1);
    }
    return Trim(value.substr(0, value.find(';')));
}

} // namespace version_keys_detail

// An INFO is a few lines; far more than any, and a bound on what a file
// under this name can cost the reader.
const size_t kMaxVersionFileBytes = 1 << 20;

// Reads group "Version" of the INFO at path: read as it is on disk at this
// moment (a reader that caches files by size and time would return an older
// INFO of the same size and time, which a package always gives), without
// blocking on or following a link at the last element. A key that is absent
// leaves its field as it was, so a second read never forgets what the first
// one found. False when the file cannot be read as a regular file or holds
// a line that is not INI (what could be read is kept all the same).
inline bool ReadVersionKeys(const std::string& path, VersionKeys& keys)
{
    using namespace version_keys_detail;
    std::string text;
    if (ReadOwnFile(path.c_str(), kMaxVersionFileBytes, text) != 0)
        return false;
    const std::pair<const char*, std::string*> fields[] = {
        {"major_version", &keys.major_version},
        {"minor_version", &keys.minor_version},
        {"build_version", &keys.build_version},
        {"icon_overlay_version", &keys.icon_overlay_version},
    };
    std::istringstream lines(text);
    std::string line, group;
    bool well_formed = true;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            group = Trim(line.substr(1, line.size() - 2));
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0) {
            well_formed = false;
            continue;
        }
        if (group != "Version")
            continue;
        std::string key = Trim(line.substr(0, equals));
        for (const auto& field : fields) {
            if (key == field.first)
                *field.second = IniValue(line.substr(equals + 1));
        }
    }
    return well_formed;
}

#endif
