#include "outcome-journal.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/uio.h>
#include <systemd/sd-journal.h>
#include <vector>

#include "log.h"

namespace {

const char* const kComponent = "service_debug";

struct OutcomeKind {
    RunResult result;
    const char* name;
    const char* message_id; // generated once; the catalog names each
    int priority;           // syslog's: 6 info, 4 warning, 3 err
};

const OutcomeKind kKinds[] = {
    {RunResult::Installed, "installed", "c154c3a8032845c28ea821073133a7b2", 6},
    {RunResult::Upgraded, "upgraded", "2cefc78975c74604b41afe0212f04c36", 6},
    {RunResult::Refused, "refused", "cd65d2298db74ecfad56b6cee49245be", 4},
    {RunResult::RolledBack, "rolled-back", "79c779c4addc4eee8de3abd2d76de7a0", 4},
    {RunResult::Postponed, "postponed", "61e0d00c4a544a80b5341edbdb72aa8b", 4},
    {RunResult::NoClient, "no-client", "1839cdb03a3a4cf186db07d0e58a95ac", 3},
};

const OutcomeKind* KindOf(RunResult result) {
    for (const OutcomeKind& kind : kKinds) {
        if (kind.result == result)
            return &kind;
    }
    return nullptr;
}

std::string Build(const std::string& build) {
    return "build " + (build.empty() ? std::string("(unknown)") : build);
}

// One sentence in plain English: what happened, and why.
std::string Message(const RunOutcome& o) {
    std::string from = Build(o.from_build), to = Build(o.to_build);
    switch (o.result) {
    case RunResult::Installed:
        return "Halvora Backup " + to +
               " was installed for this user and its client started after " +
               std::to_string(o.downtime_msec) + " ms.";
    case RunResult::Upgraded:
        return "Halvora Backup was upgraded from " + from + " to " + to + " (" +
               std::to_string(o.linked) + " files linked, " + std::to_string(o.written_bytes) +
               " bytes written), the client was down for " + std::to_string(o.downtime_msec) +
               " ms.";
    case RunResult::Refused:
        return "Halvora Backup was not upgraded from " + from + " to " + to +
               " and the old client runs on, because " + o.reason + ".";
    case RunResult::RolledBack:
        return "Halvora Backup's upgrade from " + from + " to " + to +
               " failed after the client was stopped and the old copy runs again, because " +
               o.reason + ".";
    case RunResult::Postponed:
        return "Halvora Backup's upgrade from " + from + " to " + to +
               " is postponed because the running client could not be stopped: " + o.reason + ".";
    case RunResult::NoClient:
        return "Halvora Backup " + to +
               " could not be installed or started and this user has no "
               "running client, because " +
               o.reason + ".";
    case RunResult::None:
        break;
    }
    return std::string();
}

std::vector<std::string> Fields(const RunOutcome& o, const OutcomeKind& kind) {
    std::vector<std::string> fields = {
        "MESSAGE=" + Message(o),
        std::string("MESSAGE_ID=") + kind.message_id,
        "PRIORITY=" + std::to_string(kind.priority),
        "SYSLOG_IDENTIFIER=halvora-launcher",
        std::string("HALVORA_OUTCOME=") + kind.name,
        "HALVORA_TO_BUILD=" + o.to_build,
    };
    if (o.result != RunResult::Installed && !o.from_build.empty())
        fields.push_back("HALVORA_FROM_BUILD=" + o.from_build);
    if (o.result == RunResult::Installed || o.result == RunResult::Upgraded) {
        fields.push_back("HALVORA_LINKED=" + std::to_string(o.linked));
        fields.push_back("HALVORA_WRITTEN_BYTES=" + std::to_string(o.written_bytes));
        fields.push_back("HALVORA_DOWNTIME_MSEC=" + std::to_string(o.downtime_msec));
    } else {
        fields.push_back("HALVORA_REASON=" + o.reason);
    }
    return fields;
}

} // namespace

const char* OutcomeMessageId(RunResult result) {
    const OutcomeKind* kind = KindOf(result);
    return kind ? kind->message_id : nullptr;
}

const char* OutcomeName(RunResult result) {
    const OutcomeKind* kind = KindOf(result);
    return kind ? kind->name : nullptr;
}

int SendOutcomeToJournal(const RunOutcome& outcome) {
    const OutcomeKind* kind = KindOf(outcome.result);
    if (!kind)
        return 0;
    std::vector<std::string> fields = Fields(outcome, *kind);
    std::vector<iovec> iov;
    for (std::string& field : fields)
        iov.push_back({field.data(), field.size()});
    int rc = sd_journal_sendv(iov.data(), static_cast<int>(iov.size()));
    if (rc < 0)
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] outcome-journal(%d): the system journal did not take the entry "
                       "'%s': %s (%d)\n",
                       __LINE__, kind->name, strerror(-rc), -rc);
    return rc;
}
