#ifndef HALVORA_LOOP_MOUNT_H
#define HALVORA_LOOP_MOUNT_H

#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace testsupport {

// The real file systems a home can be put on.
enum class MountKind {
    Ext4,       // extra mkfs.ext4 options, say {"-I", "128"} for whole seconds
    BtrfsQuota, // the folder is a subvolume with a quota group of its own
    ExfatFuse,  // exFAT as its FUSE daemon serves it: no links of either kind
    BindfsExt4, // bindfs over a folder of an ext4 image
};

// Runs argv (argv[0] a path or a name on PATH) to its end with standard
// output and error to out_path; its exit code, or -1. A test process that
// reaps its children elsewhere passes its own.
using CommandRunner =
    std::function<int(const std::vector<std::string>& argv, const std::string& out_path)>;
int RunCommand(const std::vector<std::string>& argv, const std::string& out_path);

// A file system image of one kind, sparse, on a loop device of its own,
// mounted with a folder in it owned by an unprivileged user. The images and
// mount points live in a folder of their own under $TMPDIR. Everything is
// unmounted, detached and removed when the object goes away (after a failed
// ASSERT too); a FUSE daemon ends with its mount.
class LoopMount {
public:
    explicit LoopMount(CommandRunner run = RunCommand);
    ~LoopMount();
    LoopMount(const LoopMount&) = delete;
    LoopMount& operator=(const LoopMount&) = delete;

    // Empty when the folder is ready; otherwise why the machine cannot
    // mount it, for GTEST_SKIP().
    std::string Make(MountKind kind, int64_t bytes, uid_t owner,
                     const std::vector<std::string>& mkfs_options = {});
    const std::string& Folder() const { return m_folder; }

    // BtrfsQuota: the limit of the folder's quota group, and what it uses.
    bool LimitQuota(int64_t bytes);
    int64_t QuotaUsed();

    // Ext4: writes bytes over the start of the file at path (below Folder())
    // with the file system unmounted, where its block is, as a failing disk
    // would: its size and times stay as they were. Empty, or what failed.
    std::string DamageFile(const std::string& path, const std::string& bytes);

    // Unmounts and detaches everything; a test failure when something stays.
    void Release();

private:
    std::string Attach(const std::string& image, std::string& device);
    std::string MountImage(const std::string& fs_type, const std::string& device,
                           const std::string& at);
    std::string MakeImage(MountKind kind, const std::string& name, int64_t bytes,
                          const std::vector<std::string>& mkfs_options);
    // Empty when the tool (by name) succeeded, else what it said.
    std::string Run(std::vector<std::string> argv, std::string* output = nullptr);
    std::string MakeBtrfs(const std::string& device, uid_t owner);
    std::string MakeFuse(MountKind kind, const std::string& device, uid_t owner);

    CommandRunner m_run;
    std::string m_dir;
    std::string m_folder;
    std::vector<std::string> m_mounts;  // unmounted last first
    std::vector<std::string> m_devices;
    int m_commands = 0;
};

} // namespace testsupport

#endif
