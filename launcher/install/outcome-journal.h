#ifndef HALVORA_OUTCOME_JOURNAL_H
#define HALVORA_OUTCOME_JOURNAL_H

#include "run-outcome.h"

// Sends one entry for the outcome to the system journal over its native
// socket: administrators read every user's outcome in one place, with _UID
// set by the journal itself. Without a journal the entry is dropped at once,
// and a journal that does not take it within half a second (stopped, its
// queue full) loses it: a line at the notice level says so, and the login
// goes on. 0 when the journal took it, or a negative errno.
int SendOutcomeToJournal(const RunOutcome& outcome);

// The fixed MESSAGE_ID of an outcome, 32 hex digits; null for None. The
// catalog explains each one.
const char* OutcomeMessageId(RunResult result);
// The value of HALVORA_OUTCOME.
const char* OutcomeName(RunResult result);

#endif
