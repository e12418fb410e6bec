// halvora-report: which build each user of each host has, and what failed,
// from the launcher's entries in the system journal.
#include <cstdio>
#include <ctime>
#include <string>

#include "report-options.h"
#include "report.h"

int main(int argc, char** argv) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    uint64_t now_usec = static_cast<uint64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
    report::ReportOptions options;
    std::string error;
    if (!report::ParseOptions(argc - 1, argv + 1, now_usec, &options, &error)) {
        fprintf(stderr, "halvora-report: %s\n%s", error.c_str(), report::UsageText());
        return 2;
    }
    if (options.help) {
        fputs(report::UsageText(), stdout);
        return 0;
    }
    return report::RunReport(options, stdout, stderr);
}
