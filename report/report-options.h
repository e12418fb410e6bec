#ifndef HALVORA_REPORT_OPTIONS_H
#define HALVORA_REPORT_OPTIONS_H

#include <cstdint>
#include <string>

#include "journal-reader.h"

namespace report {

struct ReportOptions {
    JournalSource source;
    bool json = false;
    bool help = false;
    uint64_t since_usec = 0; // the window of the list of failures
    std::string launcher_exe = HALVORA_INSTALLED_LAUNCHER;
};

// Fills options from argv (without the program name); now_usec is the time
// a relative --since counts back from. False with the reason in error.
bool ParseOptions(int argc, const char* const* argv, uint64_t now_usec, ReportOptions* options,
                  std::string* error);

// "24h", "-24h", "90m", "7d", "3600s", or a local date and time
// "YYYY-MM-DD[ HH:MM[:SS]]". False when it is none of these.
bool ParseSince(const std::string& text, uint64_t now_usec, uint64_t* since_usec);

const char* UsageText();

} // namespace report

#endif
