// halvora-lease <record> <client pid> <client start ticks>, with the record
// open and flocked as descriptor 3: started by the launcher beside each
// client it starts, ends with the client.
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "linux/client-lease.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: halvora-lease RECORD PID START\n");
        return 2;
    }
    signal(SIGHUP, SIG_IGN);
    pid_t pid = static_cast<pid_t>(atol(argv[2]));
    unsigned long long start = strtoull(argv[3], nullptr, 10);
    if (pid <= 0)
        return 2;
    return RunClientLease(argv[1], pid, start, kLeaseRecordFd);
}
