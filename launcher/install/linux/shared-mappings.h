#ifndef HALVORA_SHARED_MAPPINGS_H
#define HALVORA_SHARED_MAPPINGS_H

#include <sys/types.h>

#include "old-copy.h"

// The files that processes of the user uid map writable and shared (from
// /proc/PID/maps): a write into a page already dirty takes no fault and
// moves no change time, so such a file may differ from its proof unseen.
// every_file becomes true when a process of the user hides its mappings:
// then any file may be one of them.
void ReadWritableSharedMappings(uid_t uid, FileIds& files, bool& every_file);

#endif
