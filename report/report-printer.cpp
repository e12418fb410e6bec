#include "report-printer.h"

#include <algorithm>
#include <ctime>
#include <map>

namespace report {
namespace {

std::string FormatTime(uint64_t usec, bool utc, const char* format) {
    time_t seconds = static_cast<time_t>(usec / 1000000);
    tm fields{};
    if (!(utc ? gmtime_r(&seconds, &fields) : localtime_r(&seconds, &fields)))
        return std::to_string(seconds);
    char text[64];
    return strftime(text, sizeof text, format, &fields) ? text : std::to_string(seconds);
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

std::string UserOf(const std::vector<UserState>& states, const LauncherEntry& entry) {
    for (const UserState& state : states) {
        if (state.host == entry.host && state.uid == entry.uid)
            return state.user == state.uid ? "uid " + state.uid
                                           : state.user + " (uid " + state.uid + ")";
    }
    return "uid " + entry.uid;
}

} // namespace

std::string LocalTime(uint64_t usec) {
    return FormatTime(usec, false, "%Y-%m-%d %H:%M:%S %Z");
}

void PrintStateTable(FILE* out, const std::vector<UserState>& states) {
    std::vector<std::vector<std::string>> rows = {
        {"HOST", "USER", "UID", "BUILD", "LAST OUTCOME", "WHEN"}};
    for (const UserState& s : states)
        rows.push_back({s.host, s.user, s.uid, s.build, s.outcome, LocalTime(s.usec)});
    std::vector<size_t> width(rows[0].size(), 0);
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i)
            width[i] = std::max(width[i], row[i].size());
    }
    for (const auto& row : rows) {
        for (size_t i = 0; i + 1 < row.size(); ++i)
            fprintf(out, "%-*s  ", static_cast<int>(width[i]), row[i].c_str());
        fprintf(out, "%s\n", row.back().c_str());
    }
}

void PrintStateJson(FILE* out, const std::vector<UserState>& states) {
    for (const UserState& s : states) {
        fprintf(out,
                "{\"host\":%s,\"user\":%s,\"uid\":%s,\"build\":%s,\"outcome\":%s,\"when\":%s,"
                "\"reason\":%s}\n",
                JsonString(s.host).c_str(), JsonString(s.user).c_str(), JsonString(s.uid).c_str(),
                JsonString(s.build).c_str(), JsonString(s.outcome).c_str(),
                JsonString(FormatTime(s.usec, true, "%Y-%m-%dT%H:%M:%SZ")).c_str(),
                JsonString(s.reason).c_str());
    }
}

void PrintSummary(FILE* out, const std::vector<UserState>& states,
                  const std::vector<LauncherEntry>& entries, uint64_t since_usec) {
    fprintf(out, "\nUsers at each build:\n");
    for (const auto& [build, users] : UsersPerBuild(states))
        fprintf(out, "  %-8s %d %s%s\n", build.c_str(), users, users == 1 ? "user" : "users",
                build == "-" ? " (no complete copy)" : "");
    fprintf(out, "\nNot successes since %s:", LocalTime(since_usec).c_str());
    bool any = false;
    for (const LauncherEntry& e : entries) {
        if (IsSuccess(e.outcome) || e.usec < since_usec)
            continue;
        fprintf(out, "\n  %s  %s  %s  %s: %s", LocalTime(e.usec).c_str(), e.host.c_str(),
                UserOf(states, e).c_str(), e.outcome.c_str(), e.reason.c_str());
        if (!e.notified.empty())
            fprintf(out, " (notified: %s)", e.notified.c_str());
        any = true;
    }
    fprintf(out, any ? "\n" : " none\n");
}

void PrintIgnored(FILE* out, const std::vector<IgnoredSender>& ignored,
                  const std::string& launcher_exe) {
    if (ignored.empty())
        return;
    fprintf(out, "\nIgnored: entries that name the launcher but were not sent by %s:\n",
            launcher_exe.c_str());
    for (const IgnoredSender& s : ignored)
        fprintf(out, "  %s  _UID=%s  _EXE=%s  (%d %s)\n", s.host.c_str(), s.uid.c_str(),
                s.exe.empty() ? "(none)" : s.exe.c_str(), s.entries,
                s.entries == 1 ? "entry" : "entries");
}

} // namespace report
