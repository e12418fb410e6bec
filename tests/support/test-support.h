#ifndef HALVORA_TEST_SUPPORT_H
#define HALVORA_TEST_SUPPORT_H

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace testsupport {

// A fresh directory under $TMPDIR (or /tmp), removed when the object goes
// away unless the current test failed, so a failure can be looked at.
class TempDir {
public:
    explicit TempDir(const std::string& tag = "halvora-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

bool WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
// Creates the directory and its parents; true when it exists afterwards.
bool MakeDirs(const std::string& path);
// Removes a whole tree; nothing is reported.
void RemoveTree(const std::string& path);
std::vector<std::string> SplitLines(const std::string& text);
// How many lines of the file at path match the regular expression pattern.
int CountLines(const std::string& path, const std::string& pattern);

// Runs fn in a child process that first drops to the unprivileged user
// "nobody" (uid and gid 65534). Returns the child's exit status (0..255), or
// -1 when the child could not be started or did not exit normally. Root
// ignores permissions, so permission tests must run their code this way.
int RunAsNobody(const std::function<int()>& fn);
uid_t NobodyUid();

// A child of the calling user that hides /proc/<pid>/exe from that user, as
// ssh-agent and gpg-agent do, under the given process name (as a client
// that hides itself would have by default); it waits until it is killed.
// -1 on failure.
pid_t StartNonDumpable(const char* name = "halvora-backup-ui");

// Runs fn in a child process that is killed by SIGALRM after seconds: its
// exit status, or 1000 + the signal when it was killed (a hang shows as 1014).
int RunWithDeadline(const std::function<int()>& fn, unsigned seconds);

// Points the process-wide logger at <dir>/test.log with every named component
// at level 7 and returns the log file's path.
std::string LogToFile(const std::string& dir,
                      const std::vector<std::string>& components);

} // namespace testsupport

#endif
