#include "journal-reader.h"

#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <systemd/sd-journal.h>
#include <tuple>

namespace report {
namespace {

struct JournalCloser {
    void operator()(sd_journal* journal) const { sd_journal_close(journal); }
};
using JournalPtr = std::unique_ptr<sd_journal, JournalCloser>;

const char kIdentifierMatch[] = "SYSLOG_IDENTIFIER=halvora-launcher";

int Open(const JournalSource& source, JournalPtr* journal, std::string* error) {
    sd_journal* raw = nullptr;
    int rc;
    std::string what;
    if (!source.directory.empty()) {
        rc = sd_journal_open_directory(&raw, source.directory.c_str(), 0);
        what = "the journal folder " + source.directory;
    } else if (!source.files.empty()) {
        std::vector<const char*> paths;
        for (const std::string& file : source.files)
            paths.push_back(file.c_str());
        paths.push_back(nullptr);
        rc = sd_journal_open_files(&raw, paths.data(), 0);
        what = "the journal files";
    } else {
        // This machine's entries only, as journalctl shows them: what a
        // collecting server keeps of other hosts is read with -D.
        rc = sd_journal_open(&raw, SD_JOURNAL_LOCAL_ONLY);
        what = "this machine's journal";
    }
    journal->reset(raw);
    if (rc < 0)
        *error = "cannot open " + what + ": " + strerror(-rc);
    return rc < 0 ? -1 : 0;
}

std::string Field(sd_journal* journal, const char* name) {
    const void* data = nullptr;
    size_t length = 0;
    if (sd_journal_get_data(journal, name, &data, &length) < 0)
        return std::string();
    size_t prefix = strlen(name) + 1; // "NAME="
    if (length < prefix)
        return std::string();
    return std::string(static_cast<const char*>(data) + prefix, length - prefix);
}

LauncherEntry EntryAt(sd_journal* journal) {
    LauncherEntry entry;
    entry.host = Field(journal, "_HOSTNAME");
    entry.machine_id = Field(journal, "_MACHINE_ID");
    entry.uid = Field(journal, "_UID");
    entry.exe = Field(journal, "_EXE");
    entry.user = Field(journal, "HALVORA_USER");
    entry.outcome = Field(journal, "HALVORA_OUTCOME");
    entry.to_build = Field(journal, "HALVORA_TO_BUILD");
    entry.from_build = Field(journal, "HALVORA_FROM_BUILD");
    entry.reason = Field(journal, "HALVORA_REASON");
    entry.notified = Field(journal, "HALVORA_NOTIFIED");
    entry.has_figures = !Field(journal, "HALVORA_WRITTEN_BYTES").empty();
    if (sd_journal_get_realtime_usec(journal, &entry.usec) < 0)
        entry.usec = 0;
    return entry;
}

int AddMatches(sd_journal* journal, const std::string& launcher_exe, std::string* error) {
    std::string exe_match = "_EXE=" + launcher_exe;
    int rc = sd_journal_add_match(journal, kIdentifierMatch, 0);
    if (rc >= 0)
        rc = sd_journal_add_disjunction(journal);
    if (rc >= 0)
        rc = sd_journal_add_match(journal, exe_match.c_str(), 0);
    if (rc < 0)
        *error = std::string("cannot select the launcher's entries: ") + strerror(-rc);
    return rc < 0 ? -1 : 0;
}

} // namespace

int ReadLauncherEntries(const JournalSource& source, const std::string& launcher_exe,
                        JournalContents* contents, std::string* error) {
    JournalPtr journal;
    if (Open(source, &journal, error) < 0 || AddMatches(journal.get(), launcher_exe, error) < 0)
        return -1;
    std::map<std::tuple<std::string, std::string, std::string>, int> ignored;
    int rc;
    while ((rc = sd_journal_next(journal.get())) > 0) {
        LauncherEntry entry = EntryAt(journal.get());
        bool sent_by_launcher = entry.exe == launcher_exe && !entry.uid.empty();
        if (sent_by_launcher && !entry.outcome.empty())
            contents->entries.push_back(std::move(entry));
        else if (!sent_by_launcher)
            ++ignored[{entry.host, entry.uid, entry.exe}];
        // The launcher's own entries without an outcome are not outcomes.
    }
    if (rc < 0) {
        *error = std::string("cannot read the journal: ") + strerror(-rc);
        return -1;
    }
    for (const auto& [key, count] : ignored)
        contents->ignored.push_back({std::get<0>(key), std::get<1>(key), std::get<2>(key), count});
    return 0;
}

} // namespace report
