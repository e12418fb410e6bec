#ifndef HALVORA_CLIENT_LEASE_H
#define HALVORA_CLIENT_LEASE_H

#include <sys/types.h>

// The record of a running client, kept alive by a small process of its own
// (halvora-lease) for as long as the client runs. It holds the record's
// flock, which answers at once where the home's file system shares locks
// between machines, and renews the record's time once a minute for file
// systems that do not (sshfs, SMB). It waits on the client's pidfd, so it
// costs one wake-up a minute, and removes the record when the client ends.
// No Qt and no logger here: the process stays small.

const int kLeaseRenewSeconds = 60;
// A record not renewed for this long names a client that no longer counts
// (its machine crashed, or its lease was killed).
const int kLeaseStaleSeconds = 180;
// The lease process gets the record, open and flocked, as this descriptor.
const int kLeaseRecordFd = 3;

// The kernel's start time of a process in clock ticks since boot (field 22
// of /proc/<pid>/stat): with the pid and the boot id it names one process.
// 0 when it cannot be read.
unsigned long long ProcessStartTicks(pid_t pid);

// The lease's life: returns its exit code once the client (pid, started at
// start_ticks) has ended and the record (still the file record_fd is open
// on) has been removed.
int RunClientLease(const char* record, pid_t pid, unsigned long long start_ticks, int record_fd);

#endif
