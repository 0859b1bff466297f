// The built orbisk-cli against halvorn-sim on a pseudo-terminal, as a script would run it.
#include <gtest/gtest.h>

#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cstring>
#include <memory>

#include "core/files/rcf_file.h"
#include "support/cli_binary.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

struct CliResult {
  int status = -1;  // -1 when it did not end by itself
  QString out, err;
};

class CliEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SimProcess::binary().isEmpty() || cliBinary().isEmpty())
      GTEST_SKIP() << "halvorn-sim or orbisk-cli not found (ORBISK_TEST_BIN_DIR)";
  }
  static CliResult cli(const QStringList& args) {
    QProcess p;
    p.start(cliBinary(), args);
    p.closeWriteChannel();  // no terminal, no answers
    CliResult r;
    if (!p.waitForFinished(60000)) return r;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    if (p.exitStatus() == QProcess::NormalExit) r.status = p.exitCode();
    return r;
  }
  QStringList files() const { return QDir(dir.root()).entryList(QDir::Files | QDir::Hidden); }

  TempCwd dir;
};

TEST_F(CliEndToEnd, ReadThenWriteRoundTripsByteForByte) {
  const QString sample = dir.path("sample.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  SimProcess source;
  ASSERT_TRUE(source.start({"--load", sample}));
  CliResult r = cli({"read", "--port", source.device(), "--out", "backup.rcf"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.err, QStringLiteral("Чтение\nЧтение успешно завершено\n"));
  const QByteArray backup = readAll(dir.path("backup.rcf"));
  EXPECT_EQ(backup, readAll(sample));

  // Another receiver of the same kind (its identity is its own and never written) that holds
  // something else takes the backup and gives it back unchanged.
  auto other = std::make_unique<ConfigImage>();
  other->resetStartup();
  std::memcpy(other->data() + off::kIdentity, backup.constData() + off::kIdentity, off::kIdentitySize);
  ASSERT_EQ(writeImageFile(dir.path("other.rcf"), WriteMode::CreateNew, *other), WriteResult::Ok);
  SimProcess target;
  ASSERT_TRUE(target.start({"--load", dir.path("other.rcf"), "--save-on-write", dir.path("taken.rcf")}));
  r = cli({"write", "--port", target.device(), "backup.rcf"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.err, QStringLiteral("Запись\nЗапись успешно завершена\n"));
  EXPECT_TRUE(QFileInfo::exists(dir.path("taken.rcf")));
  r = cli({"read", "--port", target.device(), "--out", "again.rcf"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(readAll(dir.path("again.rcf")), backup);

  r = cli({"show", "--json", "again.rcf"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.contains(QStringLiteral("\"comment\": \"Офис, вход\"")));
}

TEST_F(CliEndToEnd, SilentReceiverLeavesNoFile) {
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--silent"}));
  const CliResult r = cli({"read", "--port", sim.device(), "--out", "backup.rcf"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, QStringLiteral("Чтение\nЧтение неудачнo \norbisk-cli: result code 20\n"));
  EXPECT_TRUE(files().isEmpty()) << files().join(' ').toStdString();
}

TEST_F(CliEndToEnd, WrongSlotHeaderLeavesNoFile) {
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--wrong-header", "2"}));
  const CliResult r = cli({"read", "--port", sim.device(), "--out", "backup.rcf"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.endsWith(QStringLiteral("Чтение неудачнo \norbisk-cli: result code 5\n"))) << r.err.toStdString();
  EXPECT_TRUE(files().isEmpty());
}

TEST_F(CliEndToEnd, ClockCompareSyncAndClearEvents) {
  SimProcess sim;
  ASSERT_TRUE(sim.start({}));
  CliResult r = cli({"clock", "--port", sim.device()});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << r.out.toStdString();
  EXPECT_TRUE(lines[0].endsWith(QStringLiteral("  (приемник)")));
  EXPECT_TRUE(lines[1].endsWith(QStringLiteral("  (компьютер)")));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Разница (приемник - компьютер): ")));
  EXPECT_EQ(r.err, QStringLiteral("Чтение\nЧтение времени успешно завершено\n"));

  r = cli({"clock", "--port", sim.device(), "--sync"});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.err, QStringLiteral("Запись\nВремя синхронизировано\n"));

  r = cli({"clear-events", "--port", sim.device()});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.err, QStringLiteral("Стерто\n"));
}

TEST_F(CliEndToEnd, WithoutATerminalAnEmptyConfigurationNeedsYes) {
  auto empty = std::make_unique<ConfigImage>();
  empty->resetNew();
  ASSERT_EQ(writeImageFile(dir.path("empty.rcf"), WriteMode::CreateNew, *empty), WriteResult::Ok);
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--save-on-write", dir.path("taken.rcf")}));
  const CliResult r = cli({"write", "--port", sim.device(), "empty.rcf"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains(QStringLiteral("Список телефонов пуст.")));
  EXPECT_FALSE(QFileInfo::exists(dir.path("taken.rcf")));
}

TEST_F(CliEndToEnd, CtrlCDuringAReadLeavesNoFile) {
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--paced"}));
  QProcess p;
  p.start(cliBinary(), {"read", "--port", sim.device(), "--out", "backup.rcf"});
  ASSERT_TRUE(p.waitForStarted(5000));
  QByteArray err;
  QElapsedTimer t;
  t.start();
  while (!err.contains(QByteArray("Чтение\n")) && t.elapsed() < 10000) {
    p.waitForReadyRead(200);
    err += p.readAllStandardError();
  }
  QThread::msleep(1500);  // into the slot tables, at 120 bytes a second
  ::kill(static_cast<pid_t>(p.processId()), SIGINT);
  ASSERT_TRUE(p.waitForFinished(10000));
  err += p.readAllStandardError();
  // It ends as an unhandled Ctrl+C would, so a calling shell loop stops too.
  EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
  EXPECT_TRUE(err.endsWith("orbisk-cli: interrupted\n")) << err.toStdString();
  EXPECT_TRUE(files().isEmpty()) << files().join(' ').toStdString();
}

TEST_F(CliEndToEnd, ExitStatusesOfTheBinary) {
  EXPECT_EQ(cli({}).status, 2);
  EXPECT_EQ(cli({"--version"}).status, 0);
  EXPECT_EQ(cli({"show", "missing.rcf"}).status, 2);
  const CliResult r = cli({"clock", "--port", dir.path("no-such-port")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, QStringLiteral("Порт занят: error\n"));
}

}  // namespace
}  // namespace orbisk::test
