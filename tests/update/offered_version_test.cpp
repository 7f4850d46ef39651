#include <gtest/gtest.h>

#include <QDir>

#include "AppPaths.h"
#include "OfferedVersion.h"
#include "UpdateServer.h"
#include "upfrm.h"

namespace {

TEST(OfferedVersion, WholeBodyMustBeOneDecimalNumber) {
    EXPECT_EQ(OfferedVersion::parse("1.132"), 1.132);
    EXPECT_EQ(OfferedVersion::parse("2"), 2.0);
    EXPECT_FALSE(OfferedVersion::parse("1.1.32"));
    EXPECT_FALSE(OfferedVersion::parse(""));
    EXPECT_FALSE(OfferedVersion::parse("   "));
    EXPECT_FALSE(OfferedVersion::parse("v1.2"));
    EXPECT_FALSE(OfferedVersion::parse("1.2beta"));
    EXPECT_FALSE(OfferedVersion::parse("1,2"));
    EXPECT_FALSE(OfferedVersion::parse("-1.2"));
    EXPECT_FALSE(OfferedVersion::parse("1e3"));
    EXPECT_FALSE(OfferedVersion::parse("1.2 1.3"));
    EXPECT_FALSE(OfferedVersion::parse("<html>1.2</html>"));
}

TEST(OfferedVersion, BlanksAroundAndOneFinalLineBreakAreAllowed) {
    EXPECT_EQ(OfferedVersion::parse(" 1.132\t"), 1.132);
    EXPECT_EQ(OfferedVersion::parse("1.132\n"), 1.132);
    EXPECT_EQ(OfferedVersion::parse("1.132\r\n"), 1.132);
    EXPECT_EQ(OfferedVersion::parse("  1.132 \r\n"), 1.132);
    EXPECT_FALSE(OfferedVersion::parse("1.132\n\n"));
    EXPECT_FALSE(OfferedVersion::parse("\n1.132"));
    EXPECT_FALSE(OfferedVersion::parse("1.132\n2"));
}

TEST(OfferedVersion, ComparisonIsNumericAgainstTheRunningVersion) {
    EXPECT_FALSE(OfferedVersion::isNewer("1.131"));
    EXPECT_FALSE(OfferedVersion::isNewer("1.1310"));
    EXPECT_FALSE(OfferedVersion::isNewer("1.13"));
    EXPECT_FALSE(OfferedVersion::isNewer("0.9"));
    EXPECT_TRUE(OfferedVersion::isNewer("1.14"));
    EXPECT_TRUE(OfferedVersion::isNewer("1.1311"));
    EXPECT_TRUE(OfferedVersion::isNewer("2"));
    EXPECT_FALSE(OfferedVersion::isNewer("1.1.32"));
}

class UpdateServerEnv : public ::testing::Test {
  protected:
    void TearDown() override { qunsetenv(UpdateServer::environmentVariable); }
};

TEST_F(UpdateServerEnv, DefaultIsOurHttpsServerWithTheFixedPaths) {
    qunsetenv(UpdateServer::environmentVariable);
    const UpdateServer s;
    EXPECT_EQ(s.base().scheme(), "https");
    EXPECT_EQ(s.infoUrl().toString(), "https://update.korvelvbs.cn/korvelvbs/update.dat");
    EXPECT_EQ(s.setupUrl().toString(), "https://update.korvelvbs.cn/korvelvbs/setup.exe");
}

TEST_F(UpdateServerEnv, EnvironmentPointsElsewhereKeepingItsFolder) {
    qputenv(UpdateServer::environmentVariable, "http://127.0.0.1:8080/mirror/");
    const UpdateServer s;
    EXPECT_EQ(s.infoUrl().toString(), "http://127.0.0.1:8080/mirror/korvelvbs/update.dat");
    EXPECT_EQ(s.setupUrl().toString(), "http://127.0.0.1:8080/mirror/korvelvbs/setup.exe");
}

TEST_F(UpdateServerEnv, UnusableEnvironmentFallsBackToTheDefault) {
    for (const char* bad : {"ftp://example.org", "not an address", "file:///tmp/x"}) {
        qputenv(UpdateServer::environmentVariable, bad);
        EXPECT_EQ(UpdateServer().base().toString(), "https://update.korvelvbs.cn") << bad;
    }
}

TEST(SetupPath, JoinsTheApplicationFolderAlsoAtTheRoot) {
    AppPaths::setApplicationFolder("/opt/korvel");
    EXPECT_EQ(upfrm::setupPath(), "/opt/korvel/update/setup.exe");
    AppPaths::setApplicationFolder("/");
    EXPECT_EQ(upfrm::setupPath(), "/update/setup.exe");
    AppPaths::setApplicationFolder({});
}

}  // namespace
