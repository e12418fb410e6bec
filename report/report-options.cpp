#include "report-options.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace report {
namespace {

const uint64_t kSecond = 1000000;

bool ParseDuration(const std::string& text, uint64_t now_usec, uint64_t* since_usec) {
    const char* start = text.c_str() + (text[0] == '-' ? 1 : 0);
    char* unit = nullptr;
    unsigned long long count = strtoull(start, &unit, 10);
    if (unit == start || strlen(unit) != 1)
        return false;
    const char* units = "smhd";
    const uint64_t seconds[] = {1, 60, 3600, 86400};
    const char* found = strchr(units, *unit);
    if (!found || count > 100000ull * 86400)
        return false;
    uint64_t back = count * seconds[found - units] * kSecond;
    *since_usec = back < now_usec ? now_usec - back : 0;
    return true;
}

bool ParseDate(const std::string& text, uint64_t* since_usec) {
    for (const char* format : {"%Y-%m-%d %H:%M:%S", "%Y-%m-%d %H:%M", "%Y-%m-%d"}) {
        tm fields{};
        const char* end = strptime(text.c_str(), format, &fields);
        if (!end || *end != '\0')
            continue;
        fields.tm_isdst = -1;
        time_t when = mktime(&fields);
        if (when < 0)
            return false;
        *since_usec = static_cast<uint64_t>(when) * kSecond;
        return true;
    }
    return false;
}

// The value of an option that takes one: the next argument.
bool Value(int argc, const char* const* argv, int* i, std::string* value, std::string* error) {
    if (*i + 1 >= argc) {
        *error = std::string(argv[*i]) + " needs a value";
        return false;
    }
    *value = argv[++*i];
    return true;
}

} // namespace

bool ParseSince(const std::string& text, uint64_t now_usec, uint64_t* since_usec) {
    return !text.empty() &&
           (ParseDuration(text, now_usec, since_usec) || ParseDate(text, since_usec));
}

bool ParseOptions(int argc, const char* const* argv, uint64_t now_usec, ReportOptions* options,
                  std::string* error) {
    options->since_usec = now_usec > 86400 * kSecond ? now_usec - 86400 * kSecond : 0;
    for (int i = 0; i < argc; ++i) {
        std::string arg = argv[i], value;
        if (arg == "--help" || arg == "-h") {
            options->help = true;
        } else if (arg == "--json") {
            options->json = true;
        } else if (arg == "-D" || arg == "--directory") {
            if (!Value(argc, argv, &i, &options->source.directory, error))
                return false;
        } else if (arg == "--file") {
            if (!Value(argc, argv, &i, &value, error))
                return false;
            options->source.files.push_back(value);
        } else if (arg == "--launcher") {
            if (!Value(argc, argv, &i, &options->launcher_exe, error))
                return false;
        } else if (arg == "--since") {
            if (!Value(argc, argv, &i, &value, error))
                return false;
            if (!ParseSince(value, now_usec, &options->since_usec)) {
                *error = "--since takes 24h, 7d, 90m or a date YYYY-MM-DD [HH:MM[:SS]], not '" +
                         value + "'";
                return false;
            }
        } else {
            *error = "unknown argument '" + arg + "'";
            return false;
        }
    }
    if (!options->source.directory.empty() && !options->source.files.empty()) {
        *error = "-D and --file cannot be combined";
        return false;
    }
    return true;
}

const char* UsageText() {
    return "usage: halvora-report [-D DIR | --file FILE...] [--since WHEN] [--json]\n"
           "                      [--launcher PATH]\n"
           "\n"
           "Where each user of each host stands with Halvora Backup, from the outcome\n"
           "entries the launcher sends to the system journal: host, user, uid, the\n"
           "build their copy holds, the last outcome and when; below it how many users\n"
           "are at each build, and the entries since WHEN that were not successes,\n"
           "with their reasons. Only entries the journal itself records as sent by\n"
           "the launcher (_EXE) count; others that claim to be its entries are named\n"
           "once as ignored, with their _UID and _EXE.\n"
           "\n"
           "  -D, --directory DIR  a folder of journal files, such as the one\n"
           "                       systemd-journal-remote writes on a collecting server\n"
           "                       (/var/log/journal/remote)\n"
           "  --file FILE          a journal file (repeat for more)\n"
           "                       (default: this machine's journal; read it as root or\n"
           "                       in the group systemd-journal to see every user)\n"
           "  --since WHEN         the window of the failures: 24h (default), 7d, 90m,\n"
           "                       or a local date YYYY-MM-DD [HH:MM[:SS]]\n"
           "  --json               the table as JSON lines: host, user, uid, build,\n"
           "                       outcome, when (UTC), reason\n"
           "  --launcher PATH      the launcher's path on the sending hosts\n"
           "                       (default " HALVORA_INSTALLED_LAUNCHER ")\n"
           "  -h, --help           this text\n"
           "\n"
           "Exit status: 0, 1 when the journal cannot be read, 2 for a wrong argument.\n";
}

} // namespace report
