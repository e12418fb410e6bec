#include "machine-identity.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

#include "log.h"

namespace {

const char* const kComponent = "service_debug";
// Bind-mounted over in a mount namespace to give it a boot of its own.
const char kBootIdPath[] = "/proc/sys/kernel/random/boot_id";
const size_t kBootIdShown = 8;

std::string ReadSmallFile(const char* path)
{
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::string();
    char buffer[256];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer - 1)) < 0 && errno == EINTR) {
    }
    close(fd);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\r'))
        text.pop_back();
    return text;
}

Machine ReadThisMachine()
{
    Machine machine;
    char host[HOST_NAME_MAX + 1] = "";
    if (gethostname(host, sizeof host) == 0) {
        host[HOST_NAME_MAX] = '\0';
        machine.host = host;
    }
    if (machine.host.empty())
        machine.host = "localhost";
    machine.boot_id = Trimmed(ReadSmallFile(kBootIdPath));
    return machine;
}

} // namespace

const Machine& ThisMachine()
{
    static const Machine machine = ReadThisMachine();
    return machine;
}

std::string MachineName(const Machine& machine)
{
    return machine.host + " (boot " + machine.boot_id.substr(0, kBootIdShown) + ")";
}

std::string MachineFileTag(const Machine& machine)
{
    std::string tag = machine.host + "-" + machine.boot_id;
    for (char& c : tag) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '.' || c == '_' || c == '-';
        if (!plain)
            c = '_';
    }
    return tag;
}

std::string MachineRecordLines(const Machine& machine)
{
    return "host=" + machine.host + "\nboot_id=" + machine.boot_id + "\n";
}

std::string RecordValue(const std::string& text, const char* key)
{
    std::string prefix = std::string(key) + "=";
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        if (text.compare(at, prefix.size(), prefix) == 0)
            return text.substr(at + prefix.size(), end - at - prefix.size());
        at = end + 1;
    }
    return std::string();
}

Machine MachineOfRecord(const std::string& text)
{
    Machine machine;
    machine.host = RecordValue(text, "host");
    machine.boot_id = RecordValue(text, "boot_id");
    return machine;
}

void AnnounceMeeting(const Machine& other, const char* what)
{
    static std::once_flag announced;
    std::call_once(announced, [&] {
        Logger::LogMsg(Logger::L_INFO, kComponent,
                       "[INFO] machine(%d): this run is on machine %s; it meets %s of machine "
                       "%s\n",
                       __LINE__, MachineName(ThisMachine()).c_str(), what,
                       MachineName(other).c_str());
    });
}
