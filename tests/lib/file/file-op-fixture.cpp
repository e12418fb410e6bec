#include "file-op-fixture.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace {

std::string MakeTempDir(const std::string& base, const std::string& tag)
{
    std::string tmpl = base + "/" + tag + "-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    return mkdtemp(buf.data()) ? std::string(buf.data()) : std::string();
}

std::string TempBase()
{
    const char* base = getenv("TMPDIR");
    return base && *base ? base : "/tmp";
}

} // namespace

void FileOpTest::SetUp() { log = testsupport::LogToFile(logs.path(), {"file_op_debug"}); }

int FileOpTest::CountLogLines(const std::string& text) const
{
    int count = 0;
    for (const std::string& line : testsupport::SplitLines(Log()))
        count += line.find(text) != std::string::npos ? 1 : 0;
    return count;
}

ScopedTmpfs::ScopedTmpfs(const std::string& size)
{
    m_path = MakeTempDir(TempBase(), "halvora-tmpfs");
    if (m_path.empty()) {
        m_error = std::string("mkdtemp: ") + strerror(errno);
        return;
    }
    const std::string options = "size=" + size;
    if (mount("tmpfs", m_path.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        m_error = std::string("mount -t tmpfs: ") + strerror(errno);
        return;
    }
    m_mounted = true;
}

ScopedTmpfs::~ScopedTmpfs()
{
    if (m_mounted && umount2(m_path.c_str(), MNT_DETACH) != 0)
        fprintf(stderr, "could not unmount %s: %s\n", m_path.c_str(), strerror(errno));
    if (!m_path.empty())
        rmdir(m_path.c_str());
}

SecondFileSystem::SecondFileSystem(const std::string& base)
{
    struct stat shm;
    if (stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode) && shm.st_dev != DeviceOf(base)) {
        m_path = MakeTempDir("/dev/shm", "halvora-fileop");
        if (!m_path.empty())
            return;
    }
    m_tmpfs = new ScopedTmpfs("64m");
    if (m_tmpfs->mounted()) {
        m_path = m_tmpfs->path();
        return;
    }
    m_reason = "no second file system: /dev/shm is missing or on the same device as " + base +
               ", and " + m_tmpfs->error();
}

SecondFileSystem::~SecondFileSystem()
{
    if (m_tmpfs == nullptr && !m_path.empty())
        testsupport::RemoveTree(m_path);
    delete m_tmpfs;
}

std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 gen(seed);
    std::string data(size, '\0');
    for (size_t i = 0; i < size; i += 4) {
        const uint32_t word = gen();
        for (size_t k = 0; k < 4 && i + k < size; ++k)
            data[i + k] = static_cast<char>((word >> (8 * k)) & 0xff);
    }
    return data;
}

dev_t DeviceOf(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_dev : 0;
}

mode_t PermissionsOf(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

bool MakeFifo(const std::string& path) { return mkfifo(path.c_str(), 0644) == 0; }
