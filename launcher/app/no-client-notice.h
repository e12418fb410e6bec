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
// is passed over at once; the connection and the call get a second and a
// half in all, on a thread of their own that is left behind after that.
// Logs what became of it.
Notified ShowNoClientNotice(const RunOutcome& outcome);

// True when a notice's thread was left waiting on a bus that did not
// answer: the toolkit's bus thread then cannot be stopped, and the process
// must end without waiting for it.
bool NoticeLeftWaiting();

#endif
