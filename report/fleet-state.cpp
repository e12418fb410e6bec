#include "fleet-state.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <pwd.h>
#include <tuple>

namespace report {
namespace {

std::string NameOfUid(const std::string& uid) {
    char* end = nullptr;
    unsigned long number = strtoul(uid.c_str(), &end, 10);
    if (uid.empty() || *end != '\0')
        return std::string();
    passwd record;
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(static_cast<uid_t>(number), &record, buffer, sizeof buffer, &found) != 0 ||
        !found)
        return std::string();
    return found->pw_name;
}

// A build compares as a number where it is one, so 99 comes before 100.
bool BuildBefore(const std::string& a, const std::string& b) {
    if (a == "-" || b == "-")
        return b == "-" && a != "-";
    if (a.size() != b.size())
        return a.size() > b.size();
    return a > b;
}

} // namespace

bool IsSuccess(const std::string& outcome) {
    return outcome == "installed" || outcome == "upgraded";
}

std::string InstalledBuild(const LauncherEntry& entry) {
    // A copy was written (a success, or one whose client then did not start):
    // it holds the new build. Refused, rolled back or postponed: the old one.
    if (IsSuccess(entry.outcome) || entry.has_figures)
        return entry.to_build.empty() ? "-" : entry.to_build;
    if (entry.outcome == "no-client" || entry.from_build.empty())
        return "-";
    return entry.from_build;
}

std::vector<UserState> StatesOf(const std::vector<LauncherEntry>& entries,
                                const std::string& local_machine_id) {
    std::map<std::pair<std::string, std::string>, UserState> by_user;
    for (const LauncherEntry& entry : entries) {
        UserState& state = by_user[{entry.host, entry.uid}];
        if (!entry.user.empty())
            state.user = entry.user;
        if (entry.usec < state.usec)
            continue;
        state.host = entry.host;
        state.uid = entry.uid;
        state.build = InstalledBuild(entry);
        state.outcome = entry.outcome;
        state.usec = entry.usec;
        state.reason = entry.reason;
        if (state.user.empty() && entry.machine_id == local_machine_id)
            state.user = NameOfUid(entry.uid);
    }
    std::vector<UserState> states;
    for (auto& [key, state] : by_user) {
        if (state.user.empty())
            state.user = state.uid;
        states.push_back(std::move(state));
    }
    std::sort(states.begin(), states.end(), [](const UserState& a, const UserState& b) {
        return std::tie(a.host, a.user, a.uid) < std::tie(b.host, b.user, b.uid);
    });
    return states;
}

std::vector<std::pair<std::string, int>> UsersPerBuild(const std::vector<UserState>& states) {
    std::map<std::string, int> count;
    for (const UserState& state : states)
        ++count[state.build];
    std::vector<std::pair<std::string, int>> builds(count.begin(), count.end());
    std::sort(builds.begin(), builds.end(),
              [](const auto& a, const auto& b) { return BuildBefore(a.first, b.first); });
    return builds;
}

} // namespace report
