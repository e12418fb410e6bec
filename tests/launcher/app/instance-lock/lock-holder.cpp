// Takes the launcher's instance lock for a given executable path in a process
// of its own, says what happened, holds the lock for a while and exits.
// Exit code: 0 acquired, 1 held by another process, 2 unavailable.
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "instance-lock.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s <executable-path> <hold-ms>\n", argv[0]);
        return 3;
    }
    InstanceLock lock;
    InstanceLock::State state = lock.Acquire(QString::fromLocal8Bit(argv[1]));
    const char* names[] = {"acquired", "held", "unavailable"};
    printf("%s\n", names[state]);
    fflush(stdout);
    if (state == InstanceLock::Acquired)
        usleep(static_cast<useconds_t>(atoi(argv[2])) * 1000);
    return static_cast<int>(state);
}
