#ifndef HALVORA_RUN_OUTCOME_H
#define HALVORA_RUN_OUTCOME_H

#include <cstdint>
#include <string>

// What a run did to the user's copy, for the system journal and, when the
// user is left without a client, for the person at the desktop. A run that
// finds the copy up to date has no outcome.
enum class RunResult {
    None,
    Installed, // a first installation, its client started
    Upgraded,
    Refused,    // checked and not begun; the old client runs
    RolledBack, // failed after the stop; the old copy runs again
    Postponed,  // the client could not be stopped
    NoClient,   // the run ends with no client started
};

// The reason as one short sentence a user understands.
enum class NoticeReason {
    Other,
    NoRoom,         // with the bytes needed and free
    Damaged,        // the package
    HomeCannotHold, // links, a quota, files that cannot be made
};

// Whether the person at the desktop learnt of the outcome.
enum class Notified {
    NotNeeded, // a success, or a failure that leaves the old client running
    Shown,     // the notification server took the notice
    NoBus,     // no session bus to send it on
    NoAnswer,  // the bus or its notification server did not take it in time
};

struct RunOutcome {
    RunResult result = RunResult::None;
    // The words of the log line that says why; empty for a success.
    std::string reason;
    NoticeReason notice = NoticeReason::Other;
    int64_t needed_bytes = 0;
    int64_t free_bytes = 0;
    // Build numbers as the INFO files give them; from is empty for a first
    // installation.
    std::string from_build;
    std::string to_build;
    int linked = 0;
    int64_t written_bytes = 0;
    int64_t downtime_msec = 0;
    // What the run had done to the copy when its client then did not start
    // (Installed or Upgraded, with the figures above), else None.
    RunResult copy_result = RunResult::None;
    Notified notified = Notified::NotNeeded;
};

#endif
