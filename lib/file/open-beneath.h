#ifndef HALVORA_OPEN_BENEATH_H
#define HALVORA_OPEN_BENEATH_H

// Opens path, relative to the folder dirfd, only where it lies inside that
// folder and no element of it is a symbolic link (nor "..", nor a /proc
// magic link): a link in a copy the user can change must never lead the
// launcher to a file elsewhere. flags as for open(2); O_CLOEXEC is added.
// The descriptor, or -1 with errno set (ELOOP or EXDEV for a link on the
// way, ENOSYS on a kernel that cannot resolve so strictly).
int OpenBeneath(int dirfd, const char* path, int flags);

#endif
