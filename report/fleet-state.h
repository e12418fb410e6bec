#ifndef HALVORA_REPORT_FLEET_STATE_H
#define HALVORA_REPORT_FLEET_STATE_H

#include <string>
#include <utility>
#include <vector>

#include "journal-reader.h"

namespace report {

// Where one user of one host stands after the last entry the launcher sent
// for them.
struct UserState {
    std::string host;
    std::string user; // HALVORA_USER; else the name, when uid resolves here; else the uid
    std::string uid;
    std::string build;   // the build the user's copy now holds, "-" when none is known
    std::string outcome; // the last one
    uint64_t usec = 0;   // when it was sent
    std::string reason;  // the last outcome's, empty for a success
};

// One row per host and uid, sorted by host, then user, then uid.
// local_machine_id is this machine's: only its uids are looked up in its
// user database, since another host's uid 1001 may be someone else.
std::vector<UserState> StatesOf(const std::vector<LauncherEntry>& entries,
                                const std::string& local_machine_id);

// The build a user's copy holds after this entry, "-" when there is none.
std::string InstalledBuild(const LauncherEntry& entry);

// How many users each build has, highest build first ("-" last).
std::vector<std::pair<std::string, int>> UsersPerBuild(const std::vector<UserState>& states);

bool IsSuccess(const std::string& outcome);

} // namespace report

#endif
