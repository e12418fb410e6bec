#ifndef HALVORA_SESSION_BUS_H
#define HALVORA_SESSION_BUS_H

#include <QString>

// Settles the session bus before anything in the process may look for one:
// the address the desktop announces, else the user's own bus socket
// ($XDG_RUNTIME_DIR/bus), else an address that names no bus. Without an
// address the bus library would start a bus of its own on an X display,
// which then outlives the launcher. Call before the application object.
void SettleSessionBusAddress();

// The address of the session bus, empty when there is none.
QString SessionBusAddress();

#endif
