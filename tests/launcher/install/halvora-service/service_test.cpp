#include <QCoreApplication>
#include <QDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "exposed-service.h"
#include "test-support.h"

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

using TestService = testsupport::ExposedService;

std::string Root()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..").toStdString();
}

class ServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_home = getenv("HOME") ? getenv("HOME") : "";
        setenv("HOME", home.path().c_str(), 1);
        log = testsupport::LogToFile(logs.path(), {"service_debug"});
        app = home.path() + "/.HalvoraBackup/Halvora.app";
        remove((Root() + "/INFO").c_str());
    }
    void TearDown() override
    {
        setenv("HOME", saved_home.c_str(), 1);
        remove((Root() + "/INFO").c_str());
    }
    void WriteSourceInfo(const std::string& content)
    {
        testsupport::MakeDirs(app);
        WriteFile(app + "/INFO", content);
    }

    TempDir home{"halvora-home"};
    TempDir logs{"halvora-log"};
    std::string saved_home, log, app;
};

TEST_F(ServiceTest, PathsFollowTheExecutableAndTheHomeDirectory)
{
    EXPECT_EQ(std::string(Service::GetUserInstallPath().c_str()), home.path());
    EXPECT_EQ(std::string(Service::GetRootHalvoraInstallPath().c_str()), Root());
    EXPECT_EQ(std::string(Service::GetRootHalvoraResourceInstallPath().c_str()), Root());
    EXPECT_EQ(std::string(Service::GetUserHalvoraInstallPath().c_str()),
              home.path() + "/.HalvoraBackup");
    EXPECT_EQ(std::string(Service::GetUserHalvoraAppInstallPath().c_str()), app);
    EXPECT_EQ(std::string(Service::GetUserHalvoraDataInstallPath().c_str()),
              home.path() + "/.HalvoraBackup/data");
    EXPECT_EQ(Root().substr(Root().size() - 5), "/root");
}

TEST_F(ServiceTest, SetTimeoutOnlyStoresTheValue)
{
    TestService service;
    service.SetTimeout(5);
    EXPECT_EQ(service.timeout, 5);
}

TEST_F(ServiceTest, MissingUserInfoIsLoggedAndLeavesTheRecordEmpty)
{
    TestService service;
    service.LoadSourceVersion();
    EXPECT_TRUE(service.source_version.build_version.empty());
    EXPECT_TRUE(service.source_version.major_version.empty());
    std::string text = ReadFile(log);
    EXPECT_NE(text.find("[INFO] halvora-service("), std::string::npos);
    EXPECT_NE(text.find("): source does not exist\n"), std::string::npos);
    EXPECT_EQ(text.find("source_version ="), std::string::npos);
}

TEST_F(ServiceTest, BothRecordsAreReadFromTheirVersionGroups)
{
    WriteSourceInfo("[Version]\nmajor_version=2\nminor_version=1\nbuild_version=0012\n"
                    "icon_overlay_version=7\n");
    WriteFile(Root() + "/INFO", "[Other]\nbuild_version=999\n[Version]\nmajor_version=2\n"
                                "minor_version=2\nbuild_version=15\nicon_overlay_version=8\n");
    TestService service;
    service.LoadTargetVersion();
    service.LoadSourceVersion();
    EXPECT_STREQ(service.source_version.build_version.c_str(), "0012");
    EXPECT_STREQ(service.source_version.icon_overlay_version.c_str(), "7");
    EXPECT_STREQ(service.target_version.build_version.c_str(), "15");
    EXPECT_STREQ(service.target_version.minor_version.c_str(), "2");
    std::string text = ReadFile(log);
    EXPECT_NE(text.find("): target_version = (2, 2, 15, 8)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("): source_version = (2, 1, 0012, 7)\n"), std::string::npos) << text;
}

TEST_F(ServiceTest, MissingKeyStaysEmptyAndIsLoggedEmpty)
{
    WriteSourceInfo("[Version]\nmajor_version=1\nminor_version=0\nbuild_version=3\n");
    TestService service;
    service.LoadSourceVersion();
    EXPECT_TRUE(service.source_version.icon_overlay_version.empty());
    EXPECT_NE(ReadFile(log).find("): source_version = (1, 0, 3, )\n"), std::string::npos);
}

TEST_F(ServiceTest, KeysOutsideTheVersionGroupFillNothing)
{
    WriteSourceInfo("major_version=1\nbuild_version=3\n[General]\nbuild_version=4\n");
    TestService service;
    service.LoadSourceVersion();
    EXPECT_TRUE(service.source_version.build_version.empty());
    EXPECT_TRUE(service.source_version.major_version.empty());
}

TEST_F(ServiceTest, MissingSystemInfoLeavesTargetEmpty)
{
    TestService service;
    service.LoadTargetVersion();
    EXPECT_TRUE(service.target_version.build_version.empty());
    EXPECT_NE(ReadFile(log).find("): target_version = (, , , )\n"), std::string::npos);
}

TEST_F(ServiceTest, ASecondLoadKeepsWhatAVanishedKeyHeld)
{
    WriteSourceInfo("[Version]\nbuild_version=3\nicon_overlay_version=5\n");
    TestService service;
    service.LoadSourceVersion();
    WriteSourceInfo("[Version]\nbuild_version=4\n");
    service.LoadSourceVersion();
    EXPECT_STREQ(service.source_version.build_version.c_str(), "4");
    EXPECT_STREQ(service.source_version.icon_overlay_version.c_str(), "5");
}

} // namespace
