// The checked read, the verified write and the damaged backup through the built orbisk-cli and
// halvorn-sim on a pseudo-terminal: the real port, the real process exit status.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "support/backup_env.h"
#include "support/cli_binary.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

class CliChecks : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SimProcess::binary().isEmpty() || cliBinary().isEmpty())
      GTEST_SKIP() << "halvorn-sim or orbisk-cli not found (ORBISK_TEST_BIN_DIR)";
    ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  }
  TempCwd dir;
  QString sample = dir.path("sample.rcf");
  BackupFolder backups{dir.path("backups")};
};

TEST_F(CliChecks, ACountAboveTwoHundredFailsTheReadWithExitThree) {
  writeAll(dir.path("site.rcf"), "the site");
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--count-over-200", "1"}));
  const CliResult r = runCli({"read", "--port", sim.device(), "--out", "site.rcf"});
  EXPECT_EQ(r.status, 3) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(QStringLiteral("расширитель 1: приемник сообщил 255 телефонов, больше 200")));
  EXPECT_EQ(readAll(dir.path("site.rcf")), "the site");
  EXPECT_EQ(backups.files("suspect").size(), 1);
  EXPECT_TRUE(backups.files("read").isEmpty());
}

TEST_F(CliChecks, AShiftedStreamAndAStoredFlipAreCaughtOverARealLine) {
  SimProcess shifted;
  ASSERT_TRUE(shifted.start({"--trailing-bytes", "1"}));
  CliResult r = runCli({"read", "--port", shifted.device(), "--out", "out.rcf"});
  EXPECT_EQ(r.status, 3) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(QStringLiteral("после ответа приемника пришло еще 1 байт")));
  EXPECT_FALSE(QFileInfo::exists(dir.path("out.rcf")));

  SimProcess forgetful;
  ASSERT_TRUE(forgetful.start({"--flip-stored"}));
  r = runCli({"write", "--port", forgetful.device(), sample});
  EXPECT_EQ(r.status, 3) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(QStringLiteral("отличается: расширитель 0, телефон 1")));
  EXPECT_TRUE(backups.files("write").isEmpty());
  EXPECT_EQ(runCli({"write", "--port", forgetful.device(), sample, "--no-verify"}).status, 0);
}

}  // namespace
}  // namespace orbisk::test
