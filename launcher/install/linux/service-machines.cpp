// A home shared by several machines (a network home with logins on two
// machines at once): which machine runs a client from the copy, the record
// of this machine's client, and what an upgrade leaves alone because of
// another machine.
#include "linux/linux-service.h"

#include <string>

#include "file/own-file.h"
#include "linux/client-lease.h"
#include "linux/client-process.h"
#include "linux/client-record.h"
#include "log.h"
#include "machine-identity.h"

namespace {

const char* const kComponent = "service_debug";
const char* const kClientName = "halvora-backup-ui";

ustring LeaseProgram()
{
    return Service::GetRootHalvoraInstallPath() + "/bin/halvora-lease";
}

} // namespace

LinuxService::~LinuxService() = default;

void LinuxService::MeetOtherMachines()
{
    ustring dir = GetUserHalvoraInstallPath();
    for (const ClientRecord& record : ReadClientRecords(dir)) {
        if (!IsThisMachine(record.machine)) {
            AnnounceMeeting(record.machine, "a client record");
            return;
        }
    }
}

bool LinuxService::FindOtherMachineClient(ClientRecord& found)
{
    for (const ClientRecord& record : ReadClientRecords(GetUserHalvoraInstallPath())) {
        if (IsThisMachine(record.machine))
            continue;
        // Another boot of this host: its clients ended with that boot.
        bool counts = record.machine.host != ThisMachine().host && OtherClientCounts(record);
        if (counts) {
            AnnounceMeeting(record.machine, "a client record");
            found = record;
            return true;
        }
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): the client record '%s' of machine %s "
                       "names no running client any more (renewed %ld s ago), removing it\n",
                       __LINE__, record.path.c_str(), MachineName(record.machine).c_str(),
                       static_cast<long>(time(nullptr) - record.renewed));
        RemoveClientRecord(record);
    }
    return false;
}

bool LinuxService::PostponeForOtherMachine()
{
    // A first installation replaces no copy anyone runs.
    if (!PerUserBinPathExist())
        return false;
    ClientRecord other;
    if (!FindOtherMachineClient(other))
        return false;
    outcome.reason = "the copy is in use by the client of machine " + MachineName(other.machine) +
                     " (pid " + std::to_string(other.pid) +
                     "), the upgrade is left to a later start";
    Logger::LogMsg(Logger::L_NOTICE, kComponent, "[NOTE] linux/linux-service(%d): %s\n", __LINE__,
                   outcome.reason.c_str());
    Decide(RunResult::Postponed);
    return true;
}

pid_t LinuxService::OwnRecordedClient()
{
    ClientRecord record;
    if (!ReadClientRecord(ClientRecordPath(GetUserHalvoraInstallPath(), ThisMachine()), record))
        return 0;
    if (OwnClientRuns(record, kClientName))
        return record.pid;
    RemoveClientRecord(record);
    return 0;
}

bool LinuxService::OwnClientAlreadyRuns()
{
    pid_t own = OwnRecordedClient();
    if (own <= 0)
        return false;
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] linux/linux-service(%d): the client of this machine runs (pid %d), "
                   "not starting another\n",
                   __LINE__, static_cast<int>(own));
    return true;
}

void LinuxService::BeforeClientStart()
{
    client_record.reset(new ClientRecordWriter);
    client_record->Open(GetUserHalvoraInstallPath());
}

// The client is the one the start's check found in the pid file: a live
// process of this machine running the client.
void LinuxService::AfterClientStart(pid_t pid)
{
    if (!client_record || !client_record->IsOpen())
        return;
    unsigned long long start = pid > 0 ? ProcessStartTicks(pid) : 0;
    if (start == 0)
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): no client of this machine found after the "
                       "start, none is recorded\n",
                       __LINE__);
    else if (client_record->Publish(pid, start) == 0) {
        Logger::LogMsg(Logger::L_INFO, kComponent,
                       "[INFO] linux/linux-service(%d): the client of this machine runs as pid %d\n",
                       __LINE__, static_cast<int>(pid));
        client_record->StartLease(LeaseProgram(), pid, start);
    }
    client_record.reset();
}

void LinuxService::NameInstallingMachine()
{
    if (home_lock.state() != HomeLock::State::Busy || !home_lock.holder().Known())
        return;
    outcome.reason = "machine " + MachineName(home_lock.holder()) +
                     " is installing in this home, the client is started at a later login";
}
