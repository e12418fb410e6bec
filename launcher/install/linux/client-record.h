#ifndef HALVORA_CLIENT_RECORD_H
#define HALVORA_CLIENT_RECORD_H

#include <ctime>
#include <string>
#include <sys/types.h>
#include <vector>

#include "machine-identity.h"
#include "ustring/ustring.h"

// Which machines run a client from the copy: one record per machine beside
// it, "client.<host>-<boot id>" in the per-user folder, written when the
// launcher starts the client, so that machines never overwrite each
// other's. It names the machine, the client's pid and its start; a lock
// the client and its lease hold, and the lease's renewals, keep it alive.
struct ClientRecord {
    ustring path;
    Machine machine;
    pid_t pid = 0;
    unsigned long long start_ticks = 0;
    time_t renewed = 0;
    ino_t inode = 0;
};

ustring ClientRecordPath(const ustring& dir, const Machine& machine);

// False when path holds no readable record.
bool ReadClientRecord(const ustring& path, ClientRecord& record);

// Removes the record, unless another has been written under its name since
// it was read.
void RemoveClientRecord(const ClientRecord& record);

// Every readable client record in dir.
std::vector<ClientRecord> ReadClientRecords(const ustring& dir);

// The record, of this machine, names a live client: the same process (pid
// and start), still running the client.
bool OwnClientRuns(const ClientRecord& record, const char* client_name);

// The record, of another machine, names a client that counts as running:
// its lock is held (where locks are shared), or its lease was renewed
// within kLeaseStaleSeconds (where they are not).
bool OtherClientCounts(const ClientRecord& record);

// The record of the client about to start: made under a temporary name and
// locked before the start, so that the client inherits the lock; published
// under its own name with the client's pid once it runs.
class ClientRecordWriter {
public:
    ClientRecordWriter() = default;
    ~ClientRecordWriter();
    ClientRecordWriter(const ClientRecordWriter&) = delete;
    ClientRecordWriter& operator=(const ClientRecordWriter&) = delete;

    // 0, or -1 (logged). The descriptor is inherited by what starts next.
    int Open(const ustring& dir);
    // Writes the record of pid and renames it into place; 0, or -1 (logged).
    int Publish(pid_t pid, unsigned long long start_ticks);
    // Starts lease_program on the published record; 0, or -1 (logged).
    int StartLease(const ustring& lease_program, pid_t pid, unsigned long long start_ticks);
    bool IsOpen() const { return m_fd >= 0; }
    void Close();

private:
    int m_fd = -1;
    ustring m_temporary;
    ustring m_path;
    bool m_published = false;
};

#endif
