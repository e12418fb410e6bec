#ifndef HALVORA_REPORT_JOURNAL_READER_H
#define HALVORA_REPORT_JOURNAL_READER_H

#include <cstdint>
#include <string>
#include <vector>

namespace report {

// One outcome entry as the launcher sent it. Host, machine, uid and exe are
// the journal's own fields (set by the journald that took the entry, never by
// the sender); the rest are the launcher's, empty where the entry has none
// (entries of older launchers carry no HALVORA_USER or HALVORA_NOTIFIED).
struct LauncherEntry {
    std::string host;         // _HOSTNAME
    std::string machine_id;   // _MACHINE_ID
    std::string uid;          // _UID
    std::string exe;          // _EXE
    std::string user;         // HALVORA_USER
    std::string outcome;      // HALVORA_OUTCOME
    std::string to_build;     // HALVORA_TO_BUILD
    std::string from_build;   // HALVORA_FROM_BUILD
    std::string reason;       // HALVORA_REASON
    std::string notified;     // HALVORA_NOTIFIED
    bool has_figures = false; // HALVORA_WRITTEN_BYTES: the copy was written
    uint64_t usec = 0;        // when the journal took it (realtime, µs)
};

// Entries that claim to be the launcher's (its SYSLOG_IDENTIFIER) but were
// sent by another program: one per host, _UID and _EXE, with their count.
struct IgnoredSender {
    std::string host, uid, exe;
    int entries = 0;
};

struct JournalContents {
    std::vector<LauncherEntry> entries; // oldest first
    std::vector<IgnoredSender> ignored;
};

// What to read: this machine's journal, a folder of journal files (as
// systemd-journal-remote writes them), or the named files.
struct JournalSource {
    std::string directory;
    std::vector<std::string> files;
};

// Reads every entry with the launcher's SYSLOG_IDENTIFIER or sent by
// launcher_exe. An entry counts only when the journal itself recorded
// launcher_exe as its sender's executable: the identifier and the HALVORA_
// fields can be written by any user with logger, _EXE and _UID cannot. 0, or
// -1 with the reason in error.
int ReadLauncherEntries(const JournalSource& source, const std::string& launcher_exe,
                        JournalContents* contents, std::string* error);

} // namespace report

#endif
