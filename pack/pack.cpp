#include "pack.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "client-tree.h"
#include "package-writer.h"
#include "version-file.h"

namespace pack {

namespace {

const char* const kPackageName = "halvora.hpk";

bool Fail(const std::string& path, const std::string& reason, std::string* error)
{
    *error = path + ": " + reason;
    return false;
}

// The tree's own INFO ends up as the per-user copy's INFO, whose build the
// launcher compares with the system one at every start: they must agree, or
// every start would install again.
bool VersionsFor(const PackOptions& options, VersionKeys* keys, std::string* error)
{
    const std::string info = options.client_tree + "/INFO";
    VersionKeys tree;
    if (!ReadVersionKeys(info, &tree))
        return Fail(info, "missing or unreadable", error);
    if (!SameBuild(tree.build_version, options.build))
        return Fail(info, "build_version '" + tree.build_version + "' disagrees with --build " +
                              options.build, error);
    keys->build_version = options.build;
    keys->major_version = options.major.empty() ? tree.major_version : options.major;
    keys->minor_version = options.minor.empty() ? tree.minor_version : options.minor;
    keys->icon_overlay_version = options.overlay.empty() ? tree.icon_overlay_version
                                                         : options.overlay;
    return true;
}

// Like mkdir -p: OUTDIR may be a new folder in a new folder.
bool MakeDir(const std::string& path, std::string* error)
{
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        if (mkdir(path.substr(0, slash).c_str(), 0755) != 0 && errno != EEXIST)
            return Fail(path.substr(0, slash), std::string("cannot be created: ") + strerror(errno),
                        error);
    }
    if (mkdir(path.c_str(), 0755) == 0 || errno == EEXIST)
        return true;
    return Fail(path, std::string("cannot be created: ") + strerror(errno), error);
}

std::string RealPath(const std::string& path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

// A package written into the tree it packs would end up inside itself.
bool OutsideTree(const std::string& tree, const std::string& out, std::string* error)
{
    const std::string real_tree = RealPath(tree);
    const std::string real_out = RealPath(out);
    if (real_out.empty())
        return Fail(out, strerror(errno), error);
    if (real_out == real_tree || real_out.compare(0, real_tree.size() + 1, real_tree + "/") == 0)
        return Fail(out, "lies inside the client tree", error);
    return true;
}

// Written beside its final name and renamed over it, readable by every user
// (mkstemp makes files private).
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
        if (!m_committed)
            unlink(m_name.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return m_fd; }
    bool Open(std::string* error)
    {
        if (m_fd < 0 || fchmod(m_fd, 0644) != 0)
            return Fail(m_final, std::string("cannot be written: ") + strerror(errno), error);
        return true;
    }
    bool Commit(std::string* error)
    {
        if (fsync(m_fd) != 0 || close(m_fd) != 0) {
            m_fd = -1;
            return Fail(m_final, std::string("cannot be written: ") + strerror(errno), error);
        }
        m_fd = -1;
        if (rename(m_name.c_str(), m_final.c_str()) != 0)
            return Fail(m_final, std::string("cannot be renamed into place: ") + strerror(errno),
                        error);
        m_committed = true;
        return true;
    }

private:
    std::string m_final;
    std::string m_name;
    int m_fd = -1;
    bool m_committed = false;
};

bool WriteText(const std::string& path, const std::string& text, std::string* error)
{
    TempFile file(path);
    if (!file.Open(error))
        return false;
    if (write(file.fd(), text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        return Fail(path, std::string("cannot be written: ") + strerror(errno), error);
    return file.Commit(error);
}

bool Pack(const PackOptions& options, std::string* error)
{
    VersionKeys keys;
    std::vector<TreeEntry> entries;
    if (!ScanClientTree(options.client_tree, &entries, error) ||
        !VersionsFor(options, &keys, error))
        return false;
    const std::string package_dir = options.out_dir + "/package";
    if (!MakeDir(options.out_dir, error) || !OutsideTree(options.client_tree, options.out_dir, error) ||
        !MakeDir(package_dir, error))
        return false;
    const std::string package = package_dir + "/" + kPackageName;
    TempFile file(package);
    PackageFacts facts;
    if (!file.Open(error))
        return false;
    if (!WritePackage(entries, options.format, file.fd(), package, &facts, error))
        return false;
    return file.Commit(error) &&
           WriteText(options.out_dir + "/INFO", SystemInfoText(keys, facts), error);
}

} // namespace

int RunPack(const PackOptions& options, std::string* error)
{
    return Pack(options, error) ? 0 : 1;
}

} // namespace pack
