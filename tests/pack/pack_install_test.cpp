// A package made by halvora-pack, installed by the real launcher from a
// system root of its own: the user's copy is the packed tree, file by file
// (kind, mode, bytes, link targets), and the client in it runs.
#include <gtest/gtest.h>

#include "../launcher/package/extractor/test-archive.h"
#include "child-reaper.h"
#include "client-tree-maker.h"
#include "launch-fixture.h"

namespace {

using namespace std::chrono_literals;

struct InstallCase {
    const char* name;
    const char* format;
};

void PrintTo(const InstallCase& c, std::ostream* os)
{
    *os << c.name;
}

class PackInstallTest : public e2e::LaunchFixture,
                        public ::testing::WithParamInterface<InstallCase> {};

TEST_P(PackInstallTest, LauncherInstallsThePackedTree)
{
    Prepare();
    const std::string tree = scratch + "/tree";
    // Two xz blocks, so that the block-wise decoding is used too.
    packtest::MakeClientTree(tree, 100, 9u << 20);
    ASSERT_EQ(e2e::RunToEnd({HALVORA_PACK_EXE, tree, root, "--build", "100", "--format",
                             GetParam().format},
                            120s),
              0);

    RunLauncherOk();
    EXPECT_EQ(testarchive::Snapshot(app), testarchive::Snapshot(tree));
    EXPECT_EQ(BuildOf(app + "/INFO"), 100);
    const pid_t client = ClientPid();
    ASSERT_GT(client, 0);
    EXPECT_TRUE(Running(client));
}

const InstallCase kInstallCases[] = {
    {"zstd", "tar.zst"},
    {"xz", "tar.xz"},
    {"gzip", "tar.gz"},
};
INSTANTIATE_TEST_SUITE_P(Formats, PackInstallTest, ::testing::ValuesIn(kInstallCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
