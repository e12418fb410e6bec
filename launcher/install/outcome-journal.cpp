#include "outcome-journal.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <poll.h>
#include <pwd.h>
#include <string>
#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
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

const char* const kJournalSocket = "/run/systemd/journal/socket";
// A journald that is stopped, or busy behind a full queue, gets this long
// before the entry is dropped: the login must not wait on it.
const int kJournalWaitMs = 500;

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
        if (o.copy_result == RunResult::Upgraded)
            return "Halvora Backup was upgraded from " + from + " to " + to + " (" +
                   std::to_string(o.linked) + " files linked, " +
                   std::to_string(o.written_bytes) +
                   " bytes written), but its client did not start, because " + o.reason + ".";
        if (o.copy_result == RunResult::Installed)
            return "Halvora Backup " + to +
                   " was installed for this user, but its client did not start, because " +
                   o.reason + ".";
        return "Halvora Backup " + to +
               " could not be installed or started and this user has no "
               "running client, because " +
               o.reason + ".";
    case RunResult::None:
        break;
    }
    return std::string();
}

const char* NotifiedName(Notified notified) {
    switch (notified) {
    case Notified::Shown:
        return "shown";
    case Notified::NoBus:
        return "no-bus";
    case Notified::NoAnswer:
        return "no-answer";
    case Notified::NotNeeded:
        break;
    }
    return "not-needed";
}

// The login name beside the journal's own _UID: a collecting server cannot
// turn the uid into a name. The uid as text when it has no name here.
std::string UserName() {
    uid_t uid = getuid();
    struct passwd entry;
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name && *found->pw_name)
        return found->pw_name;
    return std::to_string(uid);
}

std::vector<std::string> Fields(const RunOutcome& o, const OutcomeKind& kind) {
    std::vector<std::string> fields = {
        "MESSAGE=" + Message(o),
        std::string("MESSAGE_ID=") + kind.message_id,
        "PRIORITY=" + std::to_string(kind.priority),
        "SYSLOG_IDENTIFIER=halvora-launcher",
        std::string("HALVORA_OUTCOME=") + kind.name,
        "HALVORA_TO_BUILD=" + o.to_build,
        "HALVORA_USER=" + UserName(),
        std::string("HALVORA_NOTIFIED=") + NotifiedName(o.notified),
    };
    if (o.result != RunResult::Installed && !o.from_build.empty())
        fields.push_back("HALVORA_FROM_BUILD=" + o.from_build);
    if (o.result == RunResult::Installed || o.result == RunResult::Upgraded) {
        fields.push_back("HALVORA_LINKED=" + std::to_string(o.linked));
        fields.push_back("HALVORA_WRITTEN_BYTES=" + std::to_string(o.written_bytes));
        fields.push_back("HALVORA_DOWNTIME_MSEC=" + std::to_string(o.downtime_msec));
    } else {
        if (o.copy_result != RunResult::None) {
            fields.push_back("HALVORA_LINKED=" + std::to_string(o.linked));
            fields.push_back("HALVORA_WRITTEN_BYTES=" + std::to_string(o.written_bytes));
        }
        fields.push_back("HALVORA_REASON=" + o.reason);
    }
    return fields;
}

// journald's native form: NAME=value lines; a value that holds a line feed
// goes as the name, a line feed, its length (64 bits, little-endian), the
// value and a line feed.
std::string Datagram(const std::vector<std::string>& fields) {
    std::string out;
    for (const std::string& field : fields) {
        size_t equals = field.find('=');
        if (field.find('\n', equals) == std::string::npos) {
            out += field + '\n';
            continue;
        }
        out.append(field, 0, equals).push_back('\n');
        uint64_t size = field.size() - equals - 1;
        for (int byte = 0; byte < 8; ++byte)
            out.push_back(static_cast<char>((size >> (8 * byte)) & 0xff));
        out.append(field, equals + 1, std::string::npos).push_back('\n');
    }
    return out;
}

class Socket {
public:
    Socket() : fd(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    ~Socket() {
        if (fd >= 0)
            close(fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    const int fd;
};

// journald names the sender (_EXE, what the administrator's report trusts)
// from /proc when it takes the entry off its queue: a launcher that ended
// before that would send an entry no report counts. The bytes still queued
// are charged to this socket until journald has read them.
void WaitUntilTaken(int fd, std::chrono::steady_clock::time_point deadline) {
    int queued = 0;
    while (ioctl(fd, SIOCOUTQ, &queued) == 0 && queued > 0 &&
           std::chrono::steady_clock::now() < deadline)
        poll(nullptr, 0, 1);
}

// Connected, so that a poll for room waits on journald's queue; never
// blocks, and gives up after kJournalWaitMs. 0, or an errno value.
int SendWithoutBlocking(const std::string& datagram) {
    Socket journal;
    if (journal.fd < 0)
        return errno;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    strncpy(address.sun_path, kJournalSocket, sizeof address.sun_path - 1);
    if (connect(journal.fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return errno;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kJournalWaitMs);
    for (;;) {
        if (send(journal.fd, datagram.data(), datagram.size(), MSG_NOSIGNAL) >= 0) {
            WaitUntilTaken(journal.fd, deadline);
            return 0;
        }
        if (errno != EAGAIN && errno != EINTR)
            return errno;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now())
                        .count();
        if (left <= 0)
            return EAGAIN;
        pollfd room{journal.fd, POLLOUT, 0};
        poll(&room, 1, static_cast<int>(left));
    }
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
    int err = SendWithoutBlocking(Datagram(Fields(outcome, *kind)));
    if (err != 0)
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] outcome-journal(%d): the system journal did not take the entry "
                       "'%s': %s (%d)\n",
                       __LINE__, kind->name, strerror(err), err);
    return -err;
}
