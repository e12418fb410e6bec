#ifndef HALVORA_CLIENT_START_H
#define HALVORA_CLIENT_START_H

#include <string>
#include <sys/types.h>

#include "ustring/ustring.h"

// What the launcher puts in DBUS_SESSION_BUS_ADDRESS for a session without
// a bus, so that nothing in its process starts one; the client's start
// script gets the environment without it, as the session gave it.
extern const char kNoSessionBusAddress[];

// Runs the copy's start script (app/package/start-stop with the argument
// start) to its end, then checks that a client of this machine runs: the
// pid file must name a live client, looked at right away and then briefly
// until wait_ms have passed. 0 when the client runs, its pid in client; -1
// otherwise, with why in reason, one sentence naming the script or the pid
// file.
int StartClient(const ustring& app, const ustring& pid_file, int wait_ms, pid_t& client,
                std::string& reason);

#endif
