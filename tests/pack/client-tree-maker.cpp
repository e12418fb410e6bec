#include "client-tree-maker.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "test-support.h"

namespace fs = std::filesystem;

namespace packtest {

namespace {

// Folders are made in this process: the end-to-end tests reap every child,
// so nothing here may wait for one (testsupport::MakeDirs runs mkdir).
void MakeDir(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    ASSERT_FALSE(ec) << path << ": " << ec.message();
}

void Put(const std::string& path, const std::string& content, mode_t mode)
{
    MakeDir(fs::path(path).parent_path());
    ASSERT_TRUE(testsupport::WriteFile(path, content)) << path;
    ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
}

void Link(const std::string& target, const std::string& path)
{
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0) << path;
}

// Long runs of one byte between counters: compresses, but not to nothing.
std::string Compressible(size_t size)
{
    std::string data(size, '\0');
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<char>(i % 4096 < 4000 ? 'x' : i / 4096);
    return data;
}

} // namespace

void MakeClientTree(const std::string& dir, int build, size_t big_bytes)
{
    Put(dir + "/INFO",
        "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + std::to_string(build) +
            "\nicon_overlay_version=1\n",
        0644);
    Put(dir + "/bin/halvora-backup-ui", testsupport::ReadFile(HALVORA_SAMPLE_CLIENT), 0755);
    Put(dir + "/package/start-stop", testsupport::ReadFile(HALVORA_SAMPLE_START_STOP), 0755);
    Put(dir + "/lib/plugins/codecs/libcodec.so.1.2", std::string(70000, 'c'), 0755);
    Link("libcodec.so.1.2", dir + "/lib/plugins/codecs/libcodec.so.1");
    Link("../bin/halvora-backup-ui", dir + "/lib/client");
    Put(dir + "/lib/empty.dat", "", 0644);
    Put(dir + "/share/Überblick und Hilfe.txt", "help", 0644);
    Put(dir + "/share/\xc3\xa9", "composed", 0644);    // é as one code point (NFC)
    Put(dir + "/share/e\xcc\x81", "decomposed", 0644); // e + U+0301 (NFD)
    ASSERT_EQ(link((dir + "/lib/plugins/codecs/libcodec.so.1.2").c_str(),
                   (dir + "/lib/codec.so").c_str()), 0);
    MakeDir(dir + "/share/empty");
    if (big_bytes > 0)
        Put(dir + "/lib/big.dat", Compressible(big_bytes), 0644);
}

std::vector<std::string> SortedWalk(const std::string& dir)
{
    std::vector<std::string> names;
    std::vector<std::string> children;
    for (const fs::directory_entry& e : fs::directory_iterator(dir))
        children.push_back(e.path().filename().string());
    std::sort(children.begin(), children.end());
    for (const std::string& child : children) {
        names.push_back(child);
        if (fs::is_directory(fs::symlink_status(dir + "/" + child))) {
            for (const std::string& below : SortedWalk(dir + "/" + child))
                names.push_back(child + "/" + below);
        }
    }
    return names;
}

int RunPackTool(const std::vector<std::string>& args, std::string* err,
                const std::function<void()>& before_exec)
{
    testsupport::TempDir scratch("halvora-pack-run");
    const std::string err_path = scratch / "stderr";
    int rc = testsupport::RunWithDeadline(
        [&] {
            int fd = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || dup2(fd, 2) < 0)
                return 127;
            if (before_exec)
                before_exec();
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>(HALVORA_PACK_EXE));
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(HALVORA_PACK_EXE, argv.data());
            return 127;
        },
        120);
    *err = testsupport::ReadFile(err_path);
    return rc;
}

} // namespace packtest
