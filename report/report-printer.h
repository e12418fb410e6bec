#ifndef HALVORA_REPORT_PRINTER_H
#define HALVORA_REPORT_PRINTER_H

#include <cstdio>
#include <string>
#include <vector>

#include "fleet-state.h"
#include "journal-reader.h"

namespace report {

// A local time as "2026-12-08 09:00:00 UTC".
std::string LocalTime(uint64_t usec);

// HOST USER UID BUILD LAST-OUTCOME WHEN, one row per user, columns aligned.
void PrintStateTable(FILE* out, const std::vector<UserState>& states);
// The same rows as JSON objects, one a line (when in UTC, ISO 8601).
void PrintStateJson(FILE* out, const std::vector<UserState>& states);
// How many users are at each build, then the entries since since_usec that
// were not successes, with their reasons.
void PrintSummary(FILE* out, const std::vector<UserState>& states,
                  const std::vector<LauncherEntry>& entries, uint64_t since_usec);
// Each sender whose entries were left out, once.
void PrintIgnored(FILE* out, const std::vector<IgnoredSender>& ignored,
                  const std::string& launcher_exe);

} // namespace report

#endif
