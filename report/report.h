#ifndef HALVORA_REPORT_REPORT_H
#define HALVORA_REPORT_REPORT_H

#include <cstdio>

#include "report-options.h"

namespace report {

// Reads the journal the options name and prints the report to out; what
// cannot be read goes to err. 0, or 1 when the journal cannot be read.
int RunReport(const ReportOptions& options, FILE* out, FILE* err);

} // namespace report

#endif
