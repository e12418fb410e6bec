#include "pack.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "client-tree.h"
#include "file/file-op.h"
#include "package-writer.h"
#include "version-file.h"

namespace pack {

namespace {

const char* const kPackageName = "halvora.hpk";

bool Fail(const std::string& path, const std::string& reason, std::vector<std::string>* problems)
{
    problems->push_back(path + ": " + reason);
    return false;
}

std::string Reason(const char* what)
{
    return std::string(what) + ": " + strerror(errno);
}

// A value in a message, control bytes escaped so that a problem stays one
// line.
std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (unsigned char c : text) {
        char escaped[8];
        snprintf(escaped, sizeof escaped, c == '\n' ? "\\n" : "\\x%02x", c);
        quoted += c < 0x20 || c == 0x7f ? escaped : std::string(1, static_cast<char>(c));
    }
    return quoted + "'";
}

// A version of the system INFO: the option when given, else the tree's own
// key. Either way it is checked before it is copied.
void TakeVersion(const std::string& option_value, const char* option, const std::string& tree_value,
                 const char* key, const std::string& info, std::string* field,
                 std::vector<std::string>* problems)
{
    *field = option_value.empty() ? tree_value : option_value;
    if (IsVersionNumber(*field))
        return;
    if (!option_value.empty())
        problems->push_back(std::string(option) + " needs a decimal number, not " +
                            Quoted(option_value));
    else if (tree_value.empty())
        Fail(info, std::string("has no ") + key + " (and " + option + " is not given)", problems);
    else
        Fail(info, std::string(key) + " " + Quoted(tree_value) + " is not a decimal number",
             problems);
}

// The tree's own INFO ends up as the per-user copy's INFO, whose build the
// launcher compares with the system one at every start: they must agree, or
// every start would install again.
void VersionsFor(const PackOptions& options, VersionKeys* keys, std::vector<std::string>* problems)
{
    const std::string info = options.client_tree + "/INFO";
    VersionKeys tree;
    if (!ReadVersionKeys(info, tree)) {
        Fail(info, "missing or unreadable", problems);
        return;
    }
    keys->build_version = options.build;
    if (!IsVersionNumber(options.build))
        problems->push_back("--build needs a decimal number, not " + Quoted(options.build));
    else if (!SameBuild(tree.build_version, options.build))
        Fail(info, "build_version " + Quoted(tree.build_version) + " disagrees with --build " +
                       options.build, problems);
    TakeVersion(options.major, "--major", tree.major_version, "major_version", info,
                &keys->major_version, problems);
    TakeVersion(options.minor, "--minor", tree.minor_version, "minor_version", info,
                &keys->minor_version, problems);
    TakeVersion(options.overlay, "--overlay", tree.icon_overlay_version, "icon_overlay_version",
                info, &keys->icon_overlay_version, problems);
}

// The folder that holds path as it is written, "" when the name has no
// folder of its own (a relative "out": the working folder, which exists).
std::string ParentOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The folders this run makes (like mkdir -p, OUTDIR may be a new folder in a
// new folder). Unless kept, they are removed again, newest first, when the
// run ends: by then the temporary files in them are gone.
class MadeDirs {
public:
    MadeDirs() = default;
    ~MadeDirs()
    {
        for (auto it = m_dirs.rbegin(); !m_kept && it != m_dirs.rend(); ++it)
            rmdir(it->c_str());
    }
    MadeDirs(const MadeDirs&) = delete;
    MadeDirs& operator=(const MadeDirs&) = delete;

    // The launcher's own mkdir -p makes them; what did not exist before is
    // what this run made.
    bool Make(const std::string& path, std::vector<std::string>* problems)
    {
        std::vector<std::string> missing;
        for (std::string dir = path; !dir.empty() && access(dir.c_str(), F_OK) != 0;
             dir = ParentOf(dir))
            missing.push_back(dir);
        char* stop = nullptr;
        ustring wanted(path.c_str());
        bool made = FSMKDirP(wanted, &stop, false, 0755) == 0;
        if (!made) {
            std::string failed = path.substr(0, static_cast<size_t>(stop - wanted.c_str()));
            Fail(failed.empty() ? path : failed, Reason("cannot be created"), problems);
        }
        for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
            if (access(it->c_str(), F_OK) == 0)
                m_dirs.push_back(*it);
        }
        return made;
    }
    void Keep() { m_kept = true; }

private:
    std::vector<std::string> m_dirs;
    bool m_kept = false;
};

std::string RealPath(const std::string& path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

// A package written into the tree it packs would end up inside itself.
bool OutsideTree(const std::string& tree, const std::string& out,
                 std::vector<std::string>* problems)
{
    const std::string real_tree = RealPath(tree);
    const std::string real_out = RealPath(out);
    if (real_out.empty())
        return Fail(out, strerror(errno), problems);
    if (real_out == real_tree || real_out.compare(0, real_tree.size() + 1, real_tree + "/") == 0)
        return Fail(out, "lies inside the client tree", problems);
    return true;
}

// A rename is on disk once its folder is.
bool SyncDir(const std::string& dir, std::vector<std::string>* problems)
{
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    bool ok = fd >= 0 && fsync(fd) == 0;
    if (!ok)
        Fail(dir, Reason("cannot be synced"), problems);
    if (fd >= 0)
        close(fd);
    return ok;
}

// Written beside its final name and renamed over it, readable by every user
// (mkstemp makes files private); removed unless it was renamed.
class TempFile {
public:
    explicit TempFile(const std::string& final_path)
        : m_final(final_path), m_name(final_path + ".XXXXXX")
    {
        m_fd = mkstemp(&m_name[0]);
    }
    ~TempFile()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_renamed)
            unlink(m_name.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return m_fd; }
    bool Open(std::vector<std::string>* problems)
    {
        if (m_fd < 0 || fchmod(m_fd, 0644) != 0)
            return Fail(m_final, Reason("cannot be written"), problems);
        return true;
    }
    bool Write(const std::string& text, std::vector<std::string>* problems)
    {
        if (write(m_fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            return Fail(m_final, Reason("cannot be written"), problems);
        return true;
    }
    // Whole and on disk, still under the temporary name.
    bool Close(std::vector<std::string>* problems)
    {
        const bool ok = fsync(m_fd) == 0 && close(m_fd) == 0;
        m_fd = -1;
        return ok || Fail(m_final, Reason("cannot be written"), problems);
    }
    bool Rename(std::vector<std::string>* problems)
    {
        if (rename(m_name.c_str(), m_final.c_str()) != 0)
            return Fail(m_final, Reason("cannot be renamed into place"), problems);
        m_renamed = true;
        return SyncDir(m_final.substr(0, m_final.rfind('/')), problems);
    }

private:
    std::string m_final;
    std::string m_name;
    int m_fd = -1;
    bool m_renamed = false;
};

bool Pack(const PackOptions& options, std::vector<std::string>* problems)
{
    // Every problem of the tree is named in one run; only a tree that
    // cannot be walked at all ends it at once.
    VersionKeys keys;
    std::vector<TreeEntry> entries;
    if (!CheckTreeRoot(options.client_tree, problems))
        return false;
    ScanClientTree(options.client_tree, &entries, problems);
    VersionsFor(options, &keys, problems);
    if (!problems->empty())
        return false;

    // Declared first, so the temporary files are gone before the folders.
    MadeDirs made;
    const std::string package_dir = options.out_dir + "/package";
    if (!made.Make(options.out_dir, problems) ||
        !OutsideTree(options.client_tree, options.out_dir, problems) ||
        !made.Make(package_dir, problems))
        return false;
    const std::string package = package_dir + "/" + kPackageName;
    TempFile package_file(package);
    TempFile info_file(options.out_dir + "/INFO");
    PackageFacts facts;
    std::string error;
    if (!package_file.Open(problems) || !info_file.Open(problems))
        return false;
    if (!WritePackage(entries, options.format, package_file.fd(), package, &facts, &error)) {
        problems->push_back(error);
        return false;
    }
    if (!package_file.Close(problems) || !info_file.Write(SystemInfoText(keys, facts), problems) ||
        !info_file.Close(problems))
        return false;
    // The INFO goes into place after the package: a run cut in between
    // leaves the new package beside the old INFO or none, whose checksum the
    // launcher finds wrong, never an INFO that vouches for a package that is
    // not there.
    if (!package_file.Rename(problems) || !info_file.Rename(problems))
        return false;
    made.Keep();
    return true;
}

} // namespace

int RunPack(const PackOptions& options, std::vector<std::string>* problems)
{
    return Pack(options, problems) ? 0 : 1;
}

} // namespace pack
