// Failing hardware and bad file arguments against the built orbisk-cli and halvorn-sim: every
// case ends by itself, quickly, with a clear message and its exit status, and keeps the files.
#include <gtest/gtest.h>


#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include "core/image/config_image.h"
#include "support/cli_binary.h"
#include "support/sim_process.h"
#include "support/non_regular_files.h"
#include "support/sample_sim_test.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

struct Outcome {
  int status = -1;  // -1: killed after the limit, it did not end by itself
  qint64 ms = 0;
  QString err;
};

class CliFaults : public SampleSimTest {
 protected:
  static void start(CapturedProcess& p, const QStringList& args) {
    p.start(cliBinary(), args);
    p.closeWriteChannel();
  }
  static Outcome finish(CapturedProcess& p, int limitMs, const QElapsedTimer& since) {
    Outcome r;
    if (!p.waitForFinished(limitMs)) {
      p.kill();
      p.waitForFinished();
    } else if (p.exitStatus() == QProcess::NormalExit) {
      r.status = p.exitCode();
    }
    r.ms = since.elapsed();
    r.err = QString::fromUtf8(p.errors());
    return r;
  }
  static Outcome cli(const QStringList& args, int limitMs = 10000) {
    CapturedProcess p;
    QElapsedTimer t;
    t.start();
    start(p, args);
    return finish(p, limitMs, t);
  }

};

// Killed at moments across the greeting, the records and the closing blocks (a paced read
// takes about seven seconds, a write about ten): exit 1 within a second of the kill, the
// output file that was there kept byte for byte, the written file untouched, nothing left over.
TEST_F(CliFaults, ASimulatorKilledAtAnyMomentEndsTheTransferCleanly) {
  const QByteArray source = readAll(sample);
  const QByteArray previous("an earlier backup");
  for (const bool reading : {true, false}) {
    for (int atMs : {100, 700, 2500, 5000}) {
      SCOPED_TRACE(QStringLiteral("%1 killed after %2 ms").arg(reading ? "read" : "write").arg(atMs).toStdString());
      writeAll(dir.path("out.rcf"), previous);
      SimProcess sim;
      ASSERT_TRUE(sim.start({"--paced"}));
      const QStringList args = reading ? QStringList{"read", "--port", sim.device(), "--out", "out.rcf", "--no-backup"}
                                       : QStringList{"write", "--port", sim.device(), "--no-backup", "sample.rcf"};
      CapturedProcess p;
      start(p, args);
      QThread::msleep(static_cast<unsigned long>(atMs));
      sim.kill();
      QElapsedTimer sinceKill;
      sinceKill.start();
      const Outcome r = finish(p, 5000, sinceKill);
      EXPECT_EQ(r.status, 1) << r.err.toStdString();
      EXPECT_LT(r.ms, 1500);
      EXPECT_EQ(readAll(dir.path("out.rcf")), previous);
      EXPECT_EQ(readAll(sample), source);
      EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files | QDir::Hidden), (QStringList{"out.rcf", "sample.rcf"}));
    }
  }
}

// A port another program is using: the line is opened exclusively, so the second command is
// refused at once as a busy port.
TEST_F(CliFaults, APortInUseByAnotherProcess) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows refuses a COM port another program holds, but under Wine a COM port never receives: "
                  "the simulator serves TCP there, whose second client waits in the listen queue as at any network adapter";
#endif
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--paced"}));
  CapturedProcess first;
  start(first, {"read", "--port", sim.device(), "--out", "first.rcf", "--no-backup"});
  QThread::msleep(500);
  const Outcome second = cli({"clock", "--port", sim.device()}, 15000);
  std::printf("[ observed ] second command on a port in use: exit %d after %lld ms: %s\n", second.status,
              static_cast<long long>(second.ms), qPrintable(second.err.trimmed()));
  EXPECT_EQ(second.status, 1) << second.err.toStdString();
  EXPECT_TRUE(second.err.startsWith(QStringLiteral("Порт занят"))) << second.err.toStdString();
  EXPECT_LT(second.ms, 3000);
  first.kill();
  first.waitForFinished();
}

// Folders that cannot be written, even by root: below a plain file.
TEST_F(CliFaults, AnOutputFolderThatCannotBeWritten) {
  SimProcess sim;
  ASSERT_TRUE(sim.start({}));
  const QString out = sample + QStringLiteral("/sub/out.rcf");
  const Outcome r = cli({"read", "--port", sim.device(), "--out", out, "--no-backup"}, 60000);
  // Found out before the read starts, not after a quarter of an hour of it.
  EXPECT_EQ(r.status, 2) << r.err.toStdString();
  EXPECT_EQ(r.err, out + QStringLiteral(": Не сохраняется\n"));
  EXPECT_LT(r.ms, 3000);
  EXPECT_EQ(readAll(sample).size(), kImageSize);
}

// File arguments that are not configuration files: a clear message and exit 2, in bounded time,
// for every command that reads one. (Tests run as root, who reads any file: a file without
// read permission can only be refused when not root.)
TEST_F(CliFaults, FileArgumentsThatAreNotConfigurationFiles) {
  const QStringList special = notPlainFiles(dir);
  ASSERT_FALSE(special.isEmpty());
  const QString big = dir.path("big.rcf");
  {
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(qint64(2) << 30));
  }
  const QString locked = dir.path("locked.rcf");
  QFile::copy(sample, locked);
  QFile::setPermissions(locked, QFileDevice::Permissions());
  const bool rootReadsAll = QFile(locked).open(QIODevice::ReadOnly);

  QStringList bad = QStringList{dir.root(), big} + special;
  if (!rootReadsAll) bad << locked;
  for (const QString& file : bad) {
    for (const QStringList& args : {QStringList{"show", file}, QStringList{"show", "--json", file},
                                    QStringList{"write", "--port", "/dev/null", "--yes", file},
                                    QStringList{"report", file, "--out", "r.html"}}) {
      SCOPED_TRACE((args.join(u' ')).toStdString());
      const Outcome r = cli(args);
      EXPECT_EQ(r.status, 2) << r.err.toStdString();
      EXPECT_LT(r.ms, 3000);
      EXPECT_TRUE(r.err.contains(file)) << r.err.toStdString();
    }
  }
  EXPECT_FALSE(QFileInfo::exists(dir.path("r.html")));
  EXPECT_EQ(QFileInfo(big).size(), qint64(2) << 30);
}

// halvorn-sim refuses the same files instead of hanging at start.
TEST_F(CliFaults, TheSimulatorRefusesAFifoToLoad) {
  const QStringList special = notPlainFiles(dir);
  ASSERT_FALSE(special.isEmpty());
  const QString fifo = special.first();
  QProcess p;
  QElapsedTimer t;
  t.start();
  p.start(SimProcess::binary(), {"--load", fifo});
  ASSERT_TRUE(p.waitForFinished(5000));
  EXPECT_NE(p.exitCode(), 0);
  EXPECT_LT(t.elapsed(), 3000);
}

}  // namespace
}  // namespace orbisk::test
