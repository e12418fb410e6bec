#ifndef HALVORA_LINUX_SERVICE_H
#define HALVORA_LINUX_SERVICE_H

#include <chrono>
#include <memory>
#include <string>
#include <sys/types.h>

#include "halvora-service.h"
#include "home-lock.h"

// The Linux side of the service: the upgrade decision, stopping a running
// per-user client through its pid file, and starting the client through the
// package's start script.
class ProcessHandle;
class ClientRecordWriter;
struct ClientRecord;

class LinuxService : public Service {
public:
    LinuxService();
    ~LinuxService() override;

    static LinuxService& GetInstace();

    void StopService() override;
    int HandlePackageUpgrade() override;
    void PostUpgrade() override;
    void PreUpgrade() override;
    bool StillHoldsHome() override { return home_lock.StillHeld(); }
    bool IsNeedUpgrade() override;

protected:
    // A process of the pid file that may be the client was left running:
    // its copy must not be replaced, nor a second client started.
    bool client_left_running = false;
    // How long a client may take to name itself in the pid file after its
    // start script has returned.
    int client_start_wait_ms = 3000;

private:
    void LoadSourceVerInfo();
    void LoadTargetVerInfo();
    bool PerUserBinPathExist();
    // The client started, or 0 when none runs.
    pid_t LaunchPerUserBin();
    void NoClientToStart();
    void ClientNotStarted(const std::string& reason);
    void TerminateClient(pid_t pid, const ustring& ui_pid_file);
    bool IsHiddenClient(pid_t pid, const ustring& ui_pid_file);
    int SignalClient(const ProcessHandle& process, pid_t pid, int sig);
    void LogKillFailure(int err);

    // Machines sharing the home (service-machines.cpp).
    void MeetOtherMachines();
    bool FindOtherMachineClient(ClientRecord& found);
    // Decided before anything is stopped: true (outcome Postponed) when a
    // client of another machine runs from the copy.
    bool PostponeForOtherMachine();
    // This machine's client by its own record, 0 when none runs.
    pid_t OwnRecordedClient();
    bool OwnClientAlreadyRuns();
    // Around the start of the client: its record and lease.
    void BeforeClientStart();
    void AfterClientStart(pid_t client);
    // The reason of a run left without a client by another machine's lock.
    void NameInstallingMachine();

    // Held from before the decision until the client is started.
    HomeLock home_lock;
    // When the old client was stopped (or, on a first installation, would
    // have been): the time the user is without one ends at the start.
    std::chrono::steady_clock::time_point stopped_at;
    std::unique_ptr<ClientRecordWriter> client_record;
};

#endif
