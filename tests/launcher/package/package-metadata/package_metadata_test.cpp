#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <xxhash.h>

#include "package-file.h"
#include "package-metadata.h"
#include "test-support.h"

using testsupport::TempDir;

namespace {

int DigestFile(const std::string& path, PackageDigest& digest, std::string& error)
{
    PackageFile file;
    int err = file.Open(path.c_str());
    if (err != 0) {
        error = strerror(err);
        return -1;
    }
    return DigestPackage(file, digest, error);
}

// Sizes around the reader's 1 MiB blocks, where a streamed digest could
// lose or repeat bytes.
class DigestTest : public ::testing::TestWithParam<size_t> {};

TEST_P(DigestTest, StreamedDigestEqualsTheDigestOfTheWholeFile)
{
    TempDir dir("package-metadata-test");
    std::string content(GetParam(), '\0');
    for (size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>((i * 2654435761u) >> 13);
    ASSERT_TRUE(testsupport::WriteFile(dir / "pkg", content));

    PackageDigest digest;
    std::string error;
    ASSERT_EQ(0, DigestFile(dir / "pkg", digest, error)) << error;
    XXH128_hash_t whole = XXH3_128bits(content.data(), content.size());
    EXPECT_EQ(whole.high64, digest.high);
    EXPECT_EQ(whole.low64, digest.low);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DigestTest,
                         ::testing::Values(0, 1, 240, (1 << 20) - 1, 1 << 20, (1 << 20) + 1,
                                           (3 << 20) + 17));

TEST(DigestText, IsHighHalfFirstInLowercaseAndReadsBack)
{
    PackageDigest digest{0x0123456789abcdefULL, 0xfedcba9876543210ULL};
    EXPECT_EQ("0123456789abcdeffedcba9876543210", FormatDigest(digest));
    PackageDigest back;
    ASSERT_TRUE(ParseDigest(FormatDigest(digest), back));
    EXPECT_TRUE(digest == back);
    ASSERT_TRUE(ParseDigest("0123456789ABCDEFFEDCBA9876543210", back));
    EXPECT_TRUE(digest == back);
    for (const char* bad : {"", "0123456789abcdeffedcba987654321", "0123456789abcdeffedcba98765432100",
                            "0123456789abcdeg fedcba987654321", "0x23456789abcdeffedcba9876543210",
                            " 123456789abcdeffedcba9876543210"})
        EXPECT_FALSE(ParseDigest(bad, back)) << bad;
}

TEST(DigestFailure, AFileTheUserCannotReadFailsWithTheReason)
{
    TempDir dir("package-metadata-test");
    ASSERT_TRUE(testsupport::WriteFile(dir / "pkg", "secret"));
    ASSERT_EQ(0, chmod((dir / "pkg").c_str(), 0600));
    ASSERT_EQ(0, chmod(dir.path().c_str(), 0755));
    // Root reads anything: only another user is refused.
    int status = testsupport::RunAsNobody([&] {
        PackageDigest digest;
        std::string error;
        if (DigestFile(dir / "pkg", digest, error) != -1)
            return 1;
        return error == strerror(EACCES) ? 0 : 2;
    });
    EXPECT_EQ(0, status);
    PackageDigest digest;
    std::string error;
    EXPECT_EQ(-1, DigestFile(dir / "missing", digest, error));
    EXPECT_EQ(strerror(ENOENT), error);
}

const char kDigest[] = "00112233445566778899aabbccddeeff";

struct InfoCase {
    const char* name;
    std::string info;
    MetadataState state;
    const char* problem; // for Malformed
    int entries;         // for Valid
    int64_t size;
};

const InfoCase kInfos[] = {
    {"NoGroup", "[Version]\nbuild_version=5\n", MetadataState::Absent, "", 0, 0},
    {"NoFile", "", MetadataState::Absent, "", 0, 0},
    {"Complete",
     std::string("[Version]\nbuild_version=5\n[Package]\nentries=3012\nunpacked_size=262144000\n"
                 "xxh3_128=") + kDigest + "\n",
     MetadataState::Valid, "", 3012, 262144000},
    {"GroupFirstLargeSize",
     std::string("[Package]\nentries=1\nunpacked_size=1125899906842624\nxxh3_128=") + kDigest +
         "\n[Version]\nbuild_version=5\n",
     MetadataState::Valid, "", 1, int64_t(1) << 50},
    {"SizePastAnyDisk",
     std::string("[Package]\nentries=1\nunpacked_size=1125899906842625\nxxh3_128=") + kDigest + "\n",
     MetadataState::Malformed, "unpacked_size", 0, 0},
    {"EntriesMissing", std::string("[Package]\nunpacked_size=1\nxxh3_128=") + kDigest + "\n",
     MetadataState::Malformed, "entries", 0, 0},
    {"EntriesZero", std::string("[Package]\nentries=0\nunpacked_size=1\nxxh3_128=") + kDigest + "\n",
     MetadataState::Malformed, "entries", 0, 0},
    {"EntriesNegative",
     std::string("[Package]\nentries=-4\nunpacked_size=1\nxxh3_128=") + kDigest + "\n",
     MetadataState::Malformed, "entries", 0, 0},
    {"EntriesPastInt",
     std::string("[Package]\nentries=2147483648\nunpacked_size=1\nxxh3_128=") + kDigest + "\n",
     MetadataState::Malformed, "entries", 0, 0},
    {"EntriesHex", std::string("[Package]\nentries=0x10\nunpacked_size=1\nxxh3_128=") + kDigest + "\n",
     MetadataState::Malformed, "entries", 0, 0},
    {"SizePastInt64",
     std::string("[Package]\nentries=2\nunpacked_size=9223372036854775808\nxxh3_128=") + kDigest +
         "\n",
     MetadataState::Malformed, "unpacked_size", 0, 0},
    {"SizeWithUnit", std::string("[Package]\nentries=2\nunpacked_size=250MB\nxxh3_128=") + kDigest + "\n",
     MetadataState::Malformed, "unpacked_size", 0, 0},
    {"DigestShort", "[Package]\nentries=2\nunpacked_size=5\nxxh3_128=0011\n",
     MetadataState::Malformed, "xxh3_128", 0, 0},
    {"DigestMissing", "[Package]\nentries=2\nunpacked_size=5\n", MetadataState::Malformed,
     "xxh3_128", 0, 0},
    {"KeysOutsideTheGroup",
     std::string("entries=2\nunpacked_size=5\nxxh3_128=") + kDigest + "\n[Package]\nnote=x\n",
     MetadataState::Malformed, "entries", 0, 0},
};

class InfoTest : public ::testing::TestWithParam<InfoCase> {};

TEST_P(InfoTest, ReadsGroupPackage)
{
    TempDir dir("package-metadata-test");
    std::string info = dir / "INFO";
    if (!GetParam().info.empty()) {
        ASSERT_TRUE(testsupport::WriteFile(info, GetParam().info));
    }
    PackageMetadata metadata;
    std::string problem;

    EXPECT_EQ(GetParam().state, ReadPackageMetadata(info, metadata, problem));
    EXPECT_EQ(GetParam().problem, problem);
    if (GetParam().state == MetadataState::Valid) {
        EXPECT_EQ(GetParam().entries, metadata.entries);
        EXPECT_EQ(GetParam().size, metadata.unpacked_size);
        EXPECT_EQ(kDigest, FormatDigest(metadata.digest));
    }
}

INSTANTIATE_TEST_SUITE_P(Infos, InfoTest, ::testing::ValuesIn(kInfos),
                         [](const ::testing::TestParamInfo<InfoCase>& info) {
                             return std::string(info.param.name);
                         });

struct CheckCase {
    const char* name;
    // The INFO's group "Package" for a package of the bytes "package bytes":
    // %s stands for the package's true digest.
    std::string group;
    bool package_there;
    PackageCheck result;
    const char* line; // the one line expected, if any
};

const CheckCase kChecks[] = {
    {"Matches", "[Package]\nentries=7\nunpacked_size=1000\nxxh3_128=%s\n", true,
     PackageCheck::Described, nullptr},
    {"NoGroup", "", true, PackageCheck::Undescribed, nullptr},
    {"Malformed", "[Package]\nentries=7\nxxh3_128=%s\n", true, PackageCheck::Mismatch,
     R"(\[ERROR\] halvora-service\(\d+\): group "Package" of '.*/INFO' has no valid )"
     R"(unpacked_size, the INFO is damaged, nothing is changed$)"},
    {"OtherPackage",
     "[Package]\nentries=7\nunpacked_size=1000\nxxh3_128=00000000000000000000000000000001\n",
     true, PackageCheck::Mismatch,
     R"(\[ERROR\] halvora-service\(\d+\): package '.*/halvora.hpk' does not match its INFO: )"
     R"(xxh3_128 [0-9a-f]{32} where '.*/INFO' says 00000000000000000000000000000001, )"
     R"(nothing is changed$)"},
    {"FarBiggerThanDescribed", "[Package]\nentries=1\nunpacked_size=1\nxxh3_128=%s\n", true,
     PackageCheck::Mismatch, R"(cannot describe package '.*/halvora.hpk' of 4194304 bytes)"},
};

class CheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckTest, ChecksThePackageAgainstItsInfo)
{
    TempDir dir("package-metadata-test");
    std::string log = testsupport::LogToFile(dir.path(), {"service_debug"});
    std::string package = dir / "halvora.hpk";
    const std::string bytes =
        GetParam().name == std::string("FarBiggerThanDescribed") ? std::string(4 << 20, 'x')
                                                                 : "package bytes";
    XXH128_hash_t hash = XXH3_128bits(bytes.data(), bytes.size());
    std::string group = GetParam().group;
    size_t at = group.find("%s");
    if (at != std::string::npos)
        group.replace(at, 2, FormatDigest({hash.high64, hash.low64}));
    ASSERT_TRUE(testsupport::WriteFile(dir / "INFO", "[Version]\nbuild_version=3\n" + group));
    if (GetParam().package_there) {
        ASSERT_TRUE(testsupport::WriteFile(package, bytes));
    }
    PackageMetadata metadata;

    PackageFile file;
    ASSERT_EQ(0, file.Open(package.c_str()));
    EXPECT_EQ(GetParam().result, CheckPackageAgainstInfo(dir / "INFO", file, metadata));
    if (GetParam().result == PackageCheck::Described) {
        EXPECT_EQ(7, metadata.entries);
        EXPECT_EQ(1000, metadata.unpacked_size);
    }
    EXPECT_EQ(GetParam().line ? 1 : 0, testsupport::CountLines(log, R"(\[(ERROR|WARNING)\])"))
        << testsupport::ReadFile(log);
    if (GetParam().line) {
        EXPECT_EQ(1, testsupport::CountLines(log, GetParam().line)) << testsupport::ReadFile(log);
    }
}

INSTANTIATE_TEST_SUITE_P(Checks, CheckTest, ::testing::ValuesIn(kChecks),
                         [](const ::testing::TestParamInfo<CheckCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
