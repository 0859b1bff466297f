// Receivers behind a real ser2net on loopback: the built orbisk-cli reads, writes and backs up
// through its raw and RFC 2217 accepters, and tells why a network port failed or went away.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include "support/backup_env.h"
#include "support/cli_binary.h"
#include "support/ser2net_process.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

class RemoteEndToEnd : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (SimProcess::binary().isEmpty() || cliBinary().isEmpty())
      GTEST_SKIP() << "halvorn-sim or orbisk-cli not found (ORBISK_TEST_BIN_DIR)";
    if (Ser2NetProcess::binary().isEmpty()) GTEST_SKIP() << "ser2net is not installed (scripts/deps.sh)";
    sample = dir.path("sample.rcf");
    ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  }
  // The simulator behind ser2net; its line set to something else than the receiver's when asked.
  void serve(const QStringList& simArgs, const QString& line = QStringLiteral("1200n81")) {
    ASSERT_TRUE(sim.start(simArgs));
    ASSERT_TRUE(server.start(sim.device(), line));
  }
  QString port() const { return GetParam() ? server.rfc2217Port() : server.rawPort(); }
  // From byte 8 on: the first bytes are the clock stamp and the file signature.
  static bool sameConfig(const QString& a, const QString& b) {
    const QByteArray x = readAll(a), y = readAll(b);
    return x.size() == y.size() && x.size() > 8 && x.mid(8) == y.mid(8);
  }

  TempCwd dir;
  BackupFolder backups{dir.path("backups")};
  QString sample;
  SimProcess sim;
  Ser2NetProcess server;
};

TEST_P(RemoteEndToEnd, ReadsAndWritesEveryByte) {
  // The server's line starts wrong for the receiver: rfc2217:// sets it, tcp:// needs it set there.
  serve({"--load", sample, "--save-on-write", dir.path("kept.rcf")}, GetParam() ? "9600n82" : "1200n81");
  CliResult r = runCli({"read", "--port", port(), "--out", dir.path("read.rcf"), "--no-backup"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(sameConfig(dir.path("read.rcf"), sample));
  // The sample holds bytes 0xFF, the telnet escape, in its settings and telephones.
  EXPECT_TRUE(readAll(sample).contains('\xFF'));
  r = runCli({"write", "--port", port(), dir.path("read.rcf"), "--no-backup"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(sameConfig(dir.path("kept.rcf"), sample));
}

TEST_P(RemoteEndToEnd, ServerKilledMidReadEndsWithinASecondAndKeepsNoFile) {
  serve({"--load", sample, "--paced"});
  QProcess cli;
  cli.start(cliBinary(), {"read", "--port", port(), "--out", dir.path("cut.rcf"), "--no-backup"});
  cli.closeWriteChannel();
  ASSERT_TRUE(cli.waitForStarted(5000));
  QThread::msleep(2500);  // well into the telephone lists
  ASSERT_EQ(cli.state(), QProcess::Running);
  QElapsedTimer sinceKill;
  server.kill();
  sinceKill.start();
  ASSERT_TRUE(cli.waitForFinished(10000));
  EXPECT_LT(sinceKill.elapsed(), 1000);
  EXPECT_EQ(cli.exitCode(), 1);
  const QString err = QString::fromUtf8(cli.readAllStandardError());
  EXPECT_TRUE(err.contains(port() + QStringLiteral(": соединение разорвано"))) << err.toStdString();
  EXPECT_TRUE(err.contains(QStringLiteral("Чтение неудачнo "))) << err.toStdString();
  EXPECT_TRUE(QDir(dir.root()).entryList({"cut*"}).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(RawAndRfc2217, RemoteEndToEnd, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "rfc2217" : "tcp"; });

TEST_F(RemoteEndToEnd, BackupReadsLocalAndRemotePortsSideBySide) {
  serve({"--load", sample});
  SimProcess local;
  ASSERT_TRUE(local.start({"--load", sample}));
  const QString refused = QStringLiteral("tcp://127.0.0.1:%1").arg(freeLoopbackPort());
  const CliResult r =
      runCli({"backup", "--dir", dir.path("out"), "--port", local.device(), "--port", server.rawPort(), "--port", refused});
  EXPECT_EQ(r.status, 1) << "one port refused";
  const QStringList files = QDir(dir.path("out")).entryList(QDir::Files, QDir::Name);
  ASSERT_EQ(files.size(), 2) << r.out.toStdString() << r.err.toStdString();
  for (const QString& f : files) EXPECT_TRUE(sameConfig(dir.path("out/") + f, sample)) << f.toStdString();
  EXPECT_TRUE(files.filter(QStringLiteral("tcp_127.0.0.1_")).size() == 1) << files.join(' ').toStdString();
  EXPECT_TRUE(r.err.contains(refused + QStringLiteral(": соединение отклонено"))) << r.err.toStdString();
}

TEST(RemoteFailures, MalformedPortSaysWhy) {
  if (cliBinary().isEmpty()) GTEST_SKIP() << "orbisk-cli not found";
  const CliResult r = runCli({"clear-events", "--port", "rfc2217://127.0.0.1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains(QStringLiteral(
      "rfc2217://127.0.0.1: неверное имя порта, нужно tcp://УЗЕЛ:ПОРТ или rfc2217://УЗЕЛ:ПОРТ\nПорт занят: error")))
      << r.err.toStdString();
}

}  // namespace
}  // namespace orbisk::test
