#include "loop-mount.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "test-support.h"

extern char** environ;

namespace fs = std::filesystem;

namespace testsupport {

namespace {

std::vector<std::string> MkfsArguments(MountKind kind)
{
    switch (kind) {
    case MountKind::BtrfsQuota: return {"mkfs.btrfs", "-q", "-f"};
    case MountKind::ExfatFuse: return {"mkfs.exfat"};
    default: return {"mkfs.ext4", "-q", "-F"};
    }
}

// The tool's full path, or empty: runners that reap elsewhere start a path.
std::string FindTool(const std::string& tool)
{
    if (tool.find('/') != std::string::npos)
        return access(tool.c_str(), X_OK) == 0 ? tool : std::string();
    const char* path = getenv("PATH");
    std::string dirs = std::string(path ? path : "") + ":/usr/sbin:/sbin";
    size_t start = 0;
    for (size_t end; start <= dirs.size(); start = end + 1) {
        end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        std::string full = dirs.substr(start, end - start) + "/" + tool;
        if (access(full.c_str(), X_OK) == 0)
            return full;
    }
    return std::string();
}

// A busy mount (a process still closing its files) is given a moment, then
// detached lazily so that it never outlives the test; a test that leaves a
// process running there fails all the same.
bool Unmount(const std::string& at)
{
    for (int i = 0; i < 50; ++i) {
        if (umount2(at.c_str(), 0) == 0 || errno == EINVAL || errno == ENOENT)
            return true;
        if (errno != EBUSY)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ADD_FAILURE() << at << " is still in use, detached lazily";
    return umount2(at.c_str(), MNT_DETACH) == 0;
}

} // namespace

int RunCommand(const std::vector<std::string>& argv, const std::string& out_path)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    int err = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (err != 0)
        return -1;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

LoopMount::LoopMount(CommandRunner run) : m_run(std::move(run)) {}

LoopMount::~LoopMount()
{
    Release();
}

// Empty when the command succeeded, else its output.
std::string LoopMount::Run(std::vector<std::string> argv, std::string* output)
{
    std::string out = m_dir + "/command-" + std::to_string(++m_commands) + ".out";
    argv[0] = FindTool(argv[0]);
    int code = argv[0].empty() ? -1 : m_run(argv, out);
    if (output)
        *output = ReadFile(out);
    if (code == 0)
        return std::string();
    std::string text = ReadFile(out);
    return argv[0] + " failed: " + (text.empty() ? "no output" : text);
}

std::string LoopMount::MakeImage(MountKind kind, const std::string& name, int64_t bytes,
                                 const std::vector<std::string>& mkfs_options)
{
    std::string image = m_dir + "/" + name;
    int fd = open(image.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    bool sized = fd >= 0 && ftruncate(fd, bytes) == 0;
    if (fd >= 0)
        close(fd);
    if (!sized)
        return "cannot make the image " + image + ": " + strerror(errno);
    std::vector<std::string> argv = MkfsArguments(kind);
    argv.insert(argv.end(), mkfs_options.begin(), mkfs_options.end());
    argv.push_back(image);
    return Run(argv);
}

std::string LoopMount::Attach(const std::string& image, std::string& device)
{
    std::string failed = Run({"losetup", "--find", "--show", image}, &device);
    if (!failed.empty())
        return "no loop device: " + failed;
    device.erase(device.find_last_not_of("\n ") + 1);
    m_devices.push_back(device);
    return std::string();
}

std::string LoopMount::MountImage(const std::string& fs_type, const std::string& device,
                                  const std::string& at)
{
    MakeDirs(at);
    if (mount(device.c_str(), at.c_str(), fs_type.c_str(), 0, nullptr) != 0)
        return "cannot mount " + fs_type + ": " + strerror(errno);
    m_mounts.push_back(at);
    return std::string();
}

std::string LoopMount::MakeBtrfs(const std::string& device, uid_t owner)
{
    std::string top = m_dir + "/mnt";
    std::string failed = MountImage("btrfs", device, top);
    // The quota is on before the subvolume exists, so that it counts from
    // its first byte.
    if (failed.empty())
        failed = Run({"btrfs", "quota", "enable", top});
    if (failed.empty())
        failed = Run({"btrfs", "subvolume", "create", top + "/home"});
    m_folder = top + "/home";
    if (failed.empty() && chown(m_folder.c_str(), owner, owner) != 0)
        failed = std::string("chown: ") + strerror(errno);
    return failed;
}

// The daemons go to the background once mounted, as they do for a user.
std::string LoopMount::MakeFuse(MountKind kind, const std::string& device, uid_t owner)
{
    std::string top = m_dir + "/mnt";
    MakeDirs(top);
    std::string failed;
    if (kind == MountKind::ExfatFuse) {
        std::string ids = "allow_other,uid=" + std::to_string(owner) + ",gid=" +
                          std::to_string(owner);
        failed = Run({"mount.exfat-fuse", "-o", ids, device, top});
        m_folder = top;
    } else {
        std::string lower = m_dir + "/lower";
        failed = MountImage("ext4", device, lower);
        if (failed.empty() && chown(lower.c_str(), owner, owner) != 0)
            failed = std::string("chown: ") + strerror(errno);
        if (failed.empty())
            failed = Run({"bindfs", "-o", "allow_other", lower, top});
        m_folder = top;
    }
    // A daemon that failed late may have mounted all the same.
    m_mounts.push_back(top);
    return failed;
}

std::string LoopMount::Make(MountKind kind, int64_t bytes, uid_t owner,
                            const std::vector<std::string>& mkfs_options)
{
    if (geteuid() != 0)
        return "mounting a file system needs root";
    const std::string mkfs = MkfsArguments(kind)[0];
    std::string daemon = kind == MountKind::ExfatFuse    ? "mount.exfat-fuse"
                         : kind == MountKind::BindfsExt4 ? "bindfs"
                                                         : mkfs;
    const std::string tools = kind == MountKind::BtrfsQuota ? "btrfs" : mkfs;
    for (const std::string& tool : {std::string("losetup"), mkfs, daemon, tools}) {
        if (FindTool(tool).empty())
            return tool + " is missing (scripts/setup.sh installs what it needs)";
    }
    const char* base = getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/halvora-mount-XXXXXX";
    if (!mkdtemp(tmpl.data()))
        return "mkdtemp: " + std::string(strerror(errno));
    m_dir = tmpl;
    // The unprivileged user reaches the folder through this one.
    chmod(m_dir.c_str(), 0755);
    std::string device;
    std::string failed = MakeImage(kind, "image", bytes, mkfs_options);
    if (failed.empty())
        failed = Attach(m_dir + "/image", device);
    if (!failed.empty())
        return failed;
    if (kind == MountKind::BtrfsQuota)
        return MakeBtrfs(device, owner);
    if (kind == MountKind::ExfatFuse || kind == MountKind::BindfsExt4)
        return MakeFuse(kind, device, owner);
    failed = MountImage("ext4", device, m_dir + "/mnt");
    m_folder = m_dir + "/mnt/home";
    MakeDirs(m_folder);
    if (failed.empty() && chown(m_folder.c_str(), owner, owner) != 0)
        failed = std::string("chown: ") + strerror(errno);
    return failed;
}

// The image is made with blocks of 4096 bytes for this (mkfs option -b).
std::string LoopMount::DamageFile(const std::string& path, const std::string& bytes)
{
    std::string top = m_dir + "/mnt", image = m_dir + "/image", out;
    if (m_devices.empty() || m_mounts.empty() || m_mounts.back() != top || !Unmount(top))
        return "cannot unmount " + top;
    m_mounts.pop_back();
    std::string inside = m_folder.substr(top.size()) + "/" + path;
    std::string failed = Run({"debugfs", "-R", "bmap " + inside + " 0", image}, &out);
    std::vector<std::string> lines = SplitLines(out);
    long long block = lines.empty() ? 0 : atoll(lines.back().c_str());
    if (failed.empty() && block <= 0)
        failed = "no block of " + inside + ": " + out;
    if (failed.empty() && !WriteFile(m_dir + "/damage", bytes))
        failed = "cannot write " + m_dir + "/damage";
    if (failed.empty())
        failed = Run({"dd", "if=" + m_dir + "/damage", "of=" + image, "bs=4096",
                      "seek=" + std::to_string(block), "conv=notrunc,fsync"});
    std::string remounted = MountImage("ext4", m_devices.front(), top);
    return failed.empty() ? remounted : failed;
}

bool LoopMount::LimitQuota(int64_t bytes)
{
    std::string failed = Run({"btrfs", "qgroup", "limit", std::to_string(bytes), m_folder});
    EXPECT_EQ(failed, "");
    return failed.empty();
}

// What the folder's quota group refers to once the last writes are counted.
int64_t LoopMount::QuotaUsed()
{
    sync();
    std::string out;
    if (!Run({"btrfs", "qgroup", "show", "--raw", "-r", m_folder}, &out).empty())
        return -1;
    for (const std::string& line : SplitLines(out)) {
        // "0/256   referenced   exclusive   max_referenced ..."
        if (line.rfind("0/", 0) == 0 && line.rfind("0/5 ", 0) != 0)
            return atoll(line.c_str() + line.find_first_of(" \t") + 1);
    }
    return -1;
}

void LoopMount::Release()
{
    bool all_gone = true;
    for (auto it = m_mounts.rbegin(); it != m_mounts.rend(); ++it) {
        if (!Unmount(*it)) {
            ADD_FAILURE() << "cannot unmount " << *it << ": " << strerror(errno);
            all_gone = false;
        }
    }
    m_mounts.clear();
    // A FUSE daemon may still hold its device for a moment: detaching a busy
    // loop device lets it go when the last holder closes it.
    for (const std::string& device : m_devices) {
        std::string failed = Run({"losetup", "-d", device});
        if (!failed.empty())
            ADD_FAILURE() << "cannot detach " << device << ": " << failed;
    }
    m_devices.clear();
    if (!m_dir.empty() && all_gone) {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    m_dir.clear();
    m_folder.clear();
}

} // namespace testsupport
