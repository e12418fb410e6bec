// Writes the seeds of the record and marker/pid-file fuzzers with the
// launcher's own writers and the stand-in client: a record of odd names, a
// marker, a pid file, and edges made from them (header only, a last line cut
// short, CRLF, a number that overflows, NUL in a name).
// usage: make_own_file_seeds <record seeds> <marker and pid seeds>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "install-marker.h"
#include "installed-files-record.h"

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WriteAll(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

bool MakeRecordSeeds(const std::string& work, const std::string& out)
{
    const std::string app = work + "/Halvora.app";
    const char* names[] = {"bin/halvora-backup-ui", "back\\slash", "line\nbreak", "  leading blanks",
                           "Grüße/資料 😀.txt"};
    InstalledFiles installed;
    for (const char* name : names) {
        std::string path = app + "/" + name;
        mkdir(app.c_str(), 0755);
        mkdir(path.substr(0, path.rfind('/')).c_str(), 0755);
        if (!WriteAll(path, name))
            return false;
        InstalledFile& file = installed.files[name];
        file.mode = 0644;
        file.digest = PackageDigest{0x0123456789abcdefULL, 0xfedcba9876543210ULL};
    }
    if (WriteInstalledFiles(app.c_str(), installed) != 0)
        return false;
    std::string record = ReadAll(InstalledFilesPath(app.c_str()).c_str());
    std::string header = record.substr(0, record.find('\n') + 1);
    std::string overflow = header + "99999999999999999999" + record.substr(record.find(' ', header.size()));
    return WriteAll(out + "/odd-names", record) && WriteAll(out + "/header-only", header) &&
           WriteAll(out + "/cut-short", record.substr(0, record.size() - 3)) &&
           WriteAll(out + "/crlf", Replaced(record, "\n", "\r\n")) &&
           WriteAll(out + "/overflow", overflow) &&
           WriteAll(out + "/nul-in-name", Replaced(record, "back\\\\slash", std::string("back\0slash", 10)));
}

// The stand-in client writes its pid file as the real one does.
bool MakePidFileSeed(const std::string& work, const std::string& out)
{
    pid_t client = fork();
    if (client == 0) {
        setenv("HOME", work.c_str(), 1);
        execl(HALVORA_STANDIN_CLIENT, HALVORA_STANDIN_CLIENT, static_cast<char*>(nullptr));
        _exit(127);
    }
    std::string pid_file = work + "/.HalvoraBackup/ui.pid";
    for (int i = 0; i < 200 && access(pid_file.c_str(), F_OK) != 0; ++i)
        usleep(50 * 1000);
    bool ok = client > 0 && WriteAll(out + "/pid-file", ReadAll(pid_file));
    if (client > 0) {
        kill(client, SIGTERM);
        waitpid(client, nullptr, 0);
    }
    return ok;
}

bool MakeMarkerSeed(const std::string& work, const std::string& out)
{
    std::string app = work + "/Halvora.app";
    return MarkInstallationUnderway(app.c_str(), "Halvora.app_tmp") == 0 &&
           WriteAll(out + "/marker", ReadAll(InstallMarkerPath(app.c_str()).c_str()));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s <record seeds> <marker and pid seeds>\n", argv[0]);
        return 2;
    }
    setlocale(LC_ALL, "C.UTF-8");
    const char* tmp = getenv("TMPDIR");
    std::string work = std::string(tmp && *tmp ? tmp : "/tmp") + "/halvora-seeds-XXXXXX";
    if (!mkdtemp(&work[0]))
        return 1;
    bool ok = MakeRecordSeeds(work, argv[1]) && MakeMarkerSeed(work, argv[2]) &&
              MakePidFileSeed(work, argv[2]);
    if (!ok)
        fprintf(stderr, "make_own_file_seeds: a seed could not be written\n");
    std::string remove = "rm -rf '" + work + "'";
    return system(remove.c_str()) == 0 && ok ? 0 : 1;
}
