#ifndef HALVORA_FILE_OP_FIXTURE_H
#define HALVORA_FILE_OP_FIXTURE_H

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "file/file-op.h"
#include "test-support.h"

// A work directory and the file layer's log, one pair per test.
class FileOpTest : public ::testing::Test {
protected:
    void SetUp() override;

    std::string P(const std::string& name) const { return dir / name; }
    std::string Log() const { return testsupport::ReadFile(log); }
    // Lines of the log that contain text.
    int CountLogLines(const std::string& text) const;

    testsupport::TempDir dir{"halvora-fileop"};
    testsupport::TempDir logs{"halvora-fileop-log"};
    std::string log;
};

// A small tmpfs mounted for one test and unmounted afterwards; mounted()
// is false where the machine does not let the test mount one.
class ScopedTmpfs {
public:
    explicit ScopedTmpfs(const std::string& size);
    ~ScopedTmpfs();
    ScopedTmpfs(const ScopedTmpfs&) = delete;
    ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;

    bool mounted() const { return m_mounted; }
    const std::string& path() const { return m_path; }
    const std::string& error() const { return m_error; }

private:
    std::string m_path;
    std::string m_error;
    bool m_mounted = false;
};

// A directory on another file system than base: under /dev/shm when that
// is a different device, else on a tmpfs mounted for the test. path() is
// empty when neither exists; reason() says why.
class SecondFileSystem {
public:
    explicit SecondFileSystem(const std::string& base);
    ~SecondFileSystem();
    SecondFileSystem(const SecondFileSystem&) = delete;
    SecondFileSystem& operator=(const SecondFileSystem&) = delete;

    const std::string& path() const { return m_path; }
    const std::string& reason() const { return m_reason; }

private:
    std::string m_path;
    std::string m_reason;
    ScopedTmpfs* m_tmpfs = nullptr;
};

using testsupport::RunWithDeadline;

std::string RandomBytes(size_t size, unsigned seed);
dev_t DeviceOf(const std::string& path);
mode_t PermissionsOf(const std::string& path);
bool MakeFifo(const std::string& path);

#endif
