// orbisk-cli backup: the built binary against several halvorn-sim instances at once.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#endif

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <memory>
#include <vector>

#include "cli/backup_session.h"
#include "support/backup_env.h"
#include "support/cli_binary.h"
#include "support/sim_process.h"
#include "support/sample_sim_test.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

class BackupEndToEnd : public SampleSimTest {
 protected:
  // A simulator holding the sample, with the given faults; its device is added to ports.
  void startSim(const QStringList& faults = {}) {
    sims.push_back(std::make_unique<SimProcess>());
    ASSERT_TRUE(sims.back()->start(QStringList{"--load", sample} + faults));
    ports << sims.back()->device();
  }
  QStringList backupArgs() const {
    QStringList a{"backup", "--dir", dir.path("out")};
    for (const QString& p : ports) a << "--port" << p;
    return a;
  }
  static CliResult cli(const QStringList& args) { return runCli(args); }
  QStringList saved() const { return QDir(dir.path("out")).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
  // The simulator's memory from byte 8 on: the first bytes are the clock stamp and signature.
  void expectSample(const QString& file) const {
    const QByteArray got = readAll(file);
    ASSERT_EQ(got.size(), readAll(sample).size()) << file.toStdString();
    EXPECT_TRUE(got.mid(8) == readAll(sample).mid(8)) << file.toStdString();
  }
  static QString nameOf(const QString& port) { return cli::portFileName(port); }  // /dev/pts/5: pts_5

  BackupFolder backups{dir.path("backups")};
  std::vector<std::unique_ptr<SimProcess>> sims;
  QStringList ports;
};

TEST_F(BackupEndToEnd, EveryPortIsSavedUnderItsNameByteForByte) {
  for (int i = 0; i < 3; ++i) startSim();
  QElapsedTimer t;
  t.start();
  const CliResult r = cli(backupArgs() << "--jobs" << "2");
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QStringList files = saved();
  ASSERT_EQ(files.size(), 3) << files.join(' ').toStdString();
  for (const QString& port : ports) {
    const QStringList mine = files.filter(QRegularExpression(
        QStringLiteral("^%1_\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2}\\.rcf$").arg(nameOf(port))));
    ASSERT_EQ(mine.size(), 1) << nameOf(port).toStdString() << " in " << files.join(' ').toStdString();
    expectSample(dir.path("out/") + mine.first());
    // Without a terminal: one line per port as it ends, and its row in the summary.
    EXPECT_TRUE(r.err.contains(port)) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QRegularExpression(QRegularExpression::escape(port) + QStringLiteral("\\s+ok\\s+.*") +
                                                  QRegularExpression::escape(mine.first()))))
        << r.out.toStdString();
  }
  EXPECT_TRUE(r.out.startsWith(QStringLiteral("PORT"))) << r.out.toStdString();
  // Three automatic backups, none replacing another though they may share a second.
  EXPECT_EQ(backups.files("read").size(), 3);
}

TEST_F(BackupEndToEnd, FailedReceiversDoNotStopTheOthers) {
  startSim();
  startSim({"--silent"});
  startSim({"--wrong-header", "2"});
  startSim();
  const CliResult r = cli(backupArgs() << "--json");
  ASSERT_EQ(r.status, 1) << r.err.toStdString();
  const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
  ASSERT_EQ(list.size(), 4) << r.out.toStdString();
  const int codes[] = {0, 20, 5, 0};
  for (int i = 0; i < 4; ++i) {
    const QJsonObject o = list.at(i).toObject();
    EXPECT_EQ(o["port"].toString(), ports.at(i));
    EXPECT_EQ(o["resultCode"].toInt(), codes[i]) << i;
    EXPECT_EQ(o["ok"].toBool(), codes[i] == 0) << i;
    if (codes[i] == 0) {
      EXPECT_EQ(o["status"].toString(), QStringLiteral("Чтение успешно завершено"));
      expectSample(o["file"].toString());
      EXPECT_GT(o["bytes"].toInteger(), 0);
    } else {
      EXPECT_EQ(o["status"].toString(), QStringLiteral("Чтение неудачнo "));
      EXPECT_TRUE(o["file"].isNull());
    }
  }
  EXPECT_EQ(saved().size(), 2) << saved().join(' ').toStdString();
  EXPECT_EQ(backups.files("read").size(), 2);
  // The good ones did not wait for the silent one's five greetings.
  EXPECT_LT(list.at(0).toObject()["seconds"].toDouble(), list.at(1).toObject()["seconds"].toDouble());
}

TEST_F(BackupEndToEnd, ADamagedReadIsKeptOnlyAsSuspectAndExitsThree) {
  startSim();
  startSim({"--flip-at", "6"});  // the receiver number arrives as 0x43
  const CliResult r = cli(backupArgs() << "--json");
  ASSERT_EQ(r.status, 3) << r.err.toStdString();
  const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
  ASSERT_EQ(list.size(), 2) << r.out.toStdString();
  EXPECT_TRUE(list.at(0).toObject()["ok"].toBool());
  const QJsonObject damaged = list.at(1).toObject();
  EXPECT_FALSE(damaged["ok"].toBool());
  EXPECT_TRUE(damaged["suspect"].toBool());
  EXPECT_TRUE(damaged["file"].isNull());
  EXPECT_TRUE(damaged["messages"].toArray().contains(QStringLiteral("настройки: номер приемника = 0x43, допустимо 0-15")))
      << r.out.toStdString();
  EXPECT_EQ(saved().size(), 1);
  EXPECT_EQ(backups.files("suspect").size(), 1);
}

// Ctrl+C sent from outside is a POSIX signal; a Windows console's reaches only its own processes.
#ifndef _WIN32
TEST_F(BackupEndToEnd, CtrlCEndsEveryConversationAtOnceAndLeavesNoFile) {
  for (int i = 0; i < 3; ++i) startSim({"--paced"});
  QProcess p;
  p.start(cliBinary(), backupArgs());
  ASSERT_TRUE(p.waitForStarted(5000));
  QThread::msleep(2000);  // past the greetings, into the slot tables at 120 bytes a second
  QElapsedTimer t;
  t.start();
  ::kill(static_cast<pid_t>(p.processId()), SIGINT);
  ASSERT_TRUE(p.waitForFinished(10000));
  EXPECT_LT(t.elapsed(), 2000);  // not one conversation after another
  const QString err = QString::fromUtf8(p.readAllStandardError());
  EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
  EXPECT_TRUE(err.endsWith("orbisk-cli: interrupted\n")) << err.toStdString();
  EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).count(QStringLiteral("interrupted")), 3);
  EXPECT_TRUE(saved().isEmpty()) << saved().join(' ').toStdString();
  EXPECT_TRUE(backups.files("read").isEmpty());
}

#endif

TEST_F(BackupEndToEnd, AFolderWhereNothingCanBeSavedReadsNothing) {
  startSim();
  const QString blocked = dir.path("file");
  writeAll(blocked, "x");
  const CliResult r = cli({"backup", "--dir", blocked, "--port", ports.first()});
  EXPECT_EQ(r.status, 2) << r.err.toStdString();
  EXPECT_TRUE(backups.files("read").isEmpty());
}

}  // namespace
}  // namespace orbisk::test
