#include "report.h"

#include <systemd/sd-id128.h>

#include "fleet-state.h"
#include "journal-reader.h"
#include "report-printer.h"

namespace report {
namespace {

std::string LocalMachineId() {
    sd_id128_t id;
    char text[SD_ID128_STRING_MAX];
    if (sd_id128_get_machine(&id) < 0)
        return std::string();
    return sd_id128_to_string(id, text);
}

} // namespace

int RunReport(const ReportOptions& options, FILE* out, FILE* err) {
    JournalContents contents;
    std::string error;
    if (ReadLauncherEntries(options.source, options.launcher_exe, &contents, &error) < 0) {
        fprintf(err, "halvora-report: %s\n", error.c_str());
        return 1;
    }
    std::vector<UserState> states = StatesOf(contents.entries, LocalMachineId());
    if (options.json) {
        PrintStateJson(out, states);
        // Standard output stays JSON alone.
        PrintIgnored(err, contents.ignored, options.launcher_exe);
        return 0;
    }
    PrintStateTable(out, states);
    PrintSummary(out, states, contents.entries, options.since_usec);
    PrintIgnored(out, contents.ignored, options.launcher_exe);
    return 0;
}

} // namespace report
