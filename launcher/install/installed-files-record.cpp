#include "installed-files-record.h"

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "file/file-op.h"
#include "install-marker.h"
#include "log.h"

namespace {

// Bumped when a line's fields change: a record of another version is ignored.
const char kHeader[] = "halvora installed files 1";

// Names may hold any byte but "/" joins and NUL ends them; a line ends at
// "\n", so that and the escape itself are escaped.
std::string Escape(const std::string& path)
{
    std::string out;
    for (char c : path) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

bool Unescape(const std::string& text, std::string& path)
{
    path.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            path += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        if (text[i] == 'n')
            path += '\n';
        else if (text[i] == '\\')
            path += '\\';
        else
            return false;
    }
    return !path.empty();
}

bool ParseLine(const std::string& line, std::string& path, InstalledFile& file)
{
    char digest[33] = "";
    unsigned long long inode = 0;
    long long size = 0, sec = 0, nsec = 0;
    unsigned mode = 0;
    int used = 0;
    if (sscanf(line.c_str(), "%llu %lld %lld %lld %o %32s %n", &inode, &size, &sec, &nsec, &mode,
               digest, &used) != 6 ||
        used <= 0 || !ParseDigest(digest, file.digest))
        return false;
    file.inode = inode;
    file.size = size;
    file.ctime_sec = sec;
    file.ctime_nsec = nsec;
    file.mode = mode;
    return Unescape(line.substr(static_cast<size_t>(used)), path);
}

} // namespace

ustring InstalledFilesPath(const ustring& app_dir)
{
    return app_dir + ".files";
}

InstalledFiles ReadInstalledFiles(const ustring& path)
{
    InstalledFiles files;
    std::ifstream in(path.c_str());
    std::string line;
    if (!std::getline(in, line) || line != kHeader)
        return files;
    while (std::getline(in, line)) {
        std::string name;
        InstalledFile file;
        if (ParseLine(line, name, file))
            files[name] = file;
    }
    return files;
}

int WriteInstalledFiles(const ustring& app_dir, const InstalledFiles& installed)
{
    std::ostringstream out;
    out << kHeader << "\n";
    for (const auto& [path, wanted] : installed) {
        struct stat st;
        ustring full = app_dir + "/" + path.c_str();
        if (lstat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        char fields[160];
        snprintf(fields, sizeof fields, "%llu %lld %lld %lld %o %s ",
                 static_cast<unsigned long long>(st.st_ino), static_cast<long long>(st.st_size),
                 static_cast<long long>(st.st_ctim.tv_sec), static_cast<long long>(st.st_ctim.tv_nsec),
                 static_cast<unsigned>(st.st_mode & 07777), FormatDigest(wanted.digest).c_str());
        out << fields << Escape(path) << "\n";
    }
    return WriteFileDurably(InstalledFilesPath(app_dir), out.str());
}
