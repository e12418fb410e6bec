#ifndef HALVORA_MACHINE_IDENTITY_H
#define HALVORA_MACHINE_IDENTITY_H

#include <string>
#include <sys/types.h>

// A home on a network file system is shared by every machine the user logs
// in on. A process number means something only on the machine that wrote
// it, and only until that machine boots again: every record of a process
// carries the machine's host name and boot id with it.
struct Machine {
    std::string host;
    std::string boot_id;

    bool operator==(const Machine& other) const
    {
        return host == other.host && boot_id == other.boot_id;
    }
    bool operator!=(const Machine& other) const { return !(*this == other); }
    bool Known() const { return !host.empty(); }
};

// This machine, read once: the host name and the kernel's boot id.
const Machine& ThisMachine();

// For a log line: "host (boot 1a2b3c4d)".
std::string MachineName(const Machine& machine);

// The machine as a file name part: "host-1a2b3c4d...", only [A-Za-z0-9._-].
std::string MachineFileTag(const Machine& machine);

// "host=...\nboot_id=...\n", the lines every record of a process begins with.
std::string MachineRecordLines(const Machine& machine);

// The value of "key=" in a record's text, empty when absent.
std::string RecordValue(const std::string& text, const char* key);

// The machine a record's text names; host empty when it names none.
Machine MachineOfRecord(const std::string& text);

// The record names a process of this machine, so its pid may be looked at.
inline bool IsThisMachine(const Machine& machine)
{
    return machine == ThisMachine();
}

// When a run meets another machine in the home (its lock, its client, its
// installation), one line says which machine this run is on, so that a log
// both machines write can be read. Logged once per run.
void AnnounceMeeting(const Machine& other, const char* what);

#endif
