#ifndef HALVORA_NO_CLIENT_NOTICE_H
#define HALVORA_NO_CLIENT_NOTICE_H

#include <QString>

#include "run-outcome.h"

// A user whose login ends without a running client is told so on the
// desktop, in their language, with the reason in one short sentence.
struct NoClientNotice {
    QString summary;
    QString body;
};

NoClientNotice ComposeNoClientNotice(const RunOutcome& outcome);

// Sends the notice to the session bus's notification server. A missing bus
// is passed over at once and the call is given at most a second: the
// launcher exits right after it. Logs what became of it.
void ShowNoClientNotice(const RunOutcome& outcome);

#endif
