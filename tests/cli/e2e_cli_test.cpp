// The built orbisk-cli against halvorn-sim on a pseudo-terminal, as a script would run it.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <vector>
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

TEST_F(CliEndToEnd, ARefusingReceiverFailsTheWriteSideCommandsWithTheirText) {
  const QString sample = dir.path("sample.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--refuse"}));
  const QString failed = QStringLiteral("Запись неудачна\norbisk-cli: result code 2\n");
  CliResult r = cli({"write", "--port", sim.device(), sample});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, QStringLiteral("Запись\n") + failed);
  r = cli({"clock", "--port", sim.device(), "--sync"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, QStringLiteral("Запись\n") + failed);
  r = cli({"clear-events", "--port", sim.device()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, failed);
}

// The binary run with fork and exec, so its processor time can be taken when it ends.
struct Spawned {
  pid_t pid = -1;
  QElapsedTimer started;
};

Spawned spawnCli(const QStringList& args, const QString& logPath) {
  std::vector<QByteArray> store{QFile::encodeName(cliBinary())};
  for (const QString& a : args) store.push_back(QFile::encodeName(a));
  const QByteArray log = QFile::encodeName(logPath);
  Spawned s;
  s.started.start();
  s.pid = fork();
  if (s.pid == 0) {
    std::vector<char*> argv;
    for (QByteArray& b : store) argv.push_back(b.data());
    argv.push_back(nullptr);
    const int fd = ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int null = ::open("/dev/null", O_RDONLY);
    dup2(null, 0);
    dup2(fd, 1);
    dup2(fd, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return s;
}

struct Ended {
  int status = -1;
  double cpuSeconds = 0;
};

Ended waitCli(const Spawned& s) {
  int raw = 0;
  rusage use{};
  Ended e;
  if (wait4(s.pid, &raw, 0, &use) != s.pid) return e;
  e.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  e.cpuSeconds = static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
                 static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
  return e;
}

// A receiver that goes away mid-transfer (adapter pulled, simulator killed): the command ends
// within a second, without spinning, and leaves no file and the source untouched.
TEST_F(CliEndToEnd, AReceiverKilledMidTransferEndsItAtOnce) {
  const QString sample = dir.path("sample.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  const QByteArray source = readAll(sample);
  for (const bool reading : {true, false}) {
    SCOPED_TRACE(reading ? "read" : "write");
    SimProcess sim;
    // A paced read takes seven seconds, a write ten (its pauses): kill both well inside.
    ASSERT_TRUE(sim.start(reading ? QStringList{"--paced"} : QStringList{}));
    const QStringList args = reading ? QStringList{"read", "--port", sim.device(), "--out", "backup.rcf"}
                                     : QStringList{"write", "--port", sim.device(), "sample.rcf"};
    const Spawned cli = spawnCli(args, dir.path("cli.log"));
    ASSERT_GT(cli.pid, 0);
    QThread::msleep(2000);
    sim.kill();
    QElapsedTimer sinceKill;
    sinceKill.start();
    const Ended e = waitCli(cli);
    const qint64 afterKillMs = sinceKill.elapsed();
    const QString log = QString::fromUtf8(readAll(dir.path("cli.log")));
    EXPECT_EQ(e.status, 1) << log.toStdString();
    EXPECT_LT(afterKillMs, 1000);
    EXPECT_LT(e.cpuSeconds, 0.3);
    std::printf("[ figures  ] %s: ended %lld ms after the kill, %.3f s of processor in all\n",
                reading ? "read" : "write", static_cast<long long>(afterKillMs), e.cpuSeconds);
    EXPECT_FALSE(QFileInfo::exists(dir.path("backup.rcf")));
    EXPECT_EQ(readAll(sample), source);
    QFile::remove(dir.path("cli.log"));
    EXPECT_EQ(files(), QStringList{"sample.rcf"});
  }
}

// The bytes of every TX line of a trace, in order.
QByteArray tracedTx(const QString& tracePath) {
  QByteArray tx;
  for (const QString& line : QString::fromUtf8(readAll(tracePath)).split(u'\n')) {
    const qsizetype at = line.indexOf(QStringLiteral(" TX "));
    if (at < 0) continue;
    const QString hex = line.mid(at + 4).section(QStringLiteral("  "), 0, 0);
    for (const QString& h : hex.split(u' ', Qt::SkipEmptyParts)) tx.append(static_cast<char>(h.toInt(nullptr, 16)));
  }
  return tx;
}

TEST_F(CliEndToEnd, TheTraceHoldsExactlyWhatTheReceiverWasSent) {
  const QString sample = dir.path("sample.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  for (const bool reading : {true, false}) {
    SCOPED_TRACE(reading ? "read" : "write");
    QFile::remove(dir.path("received.bin"));
    QFile::remove(dir.path("trace.log"));
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--log-received", dir.path("received.bin")}));
    const CliResult r = cli(reading ? QStringList{"read", "--port", sim.device(), "--out", "copy.rcf", "--trace", "trace.log"}
                                    : QStringList{"write", "--port", sim.device(), sample, "--trace", "trace.log"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray tx = tracedTx(dir.path("trace.log"));
    EXPECT_EQ(tx, readAll(dir.path("received.bin")));
    EXPECT_EQ(tx.size(), reading ? 2 : 1 + 1 + 6 + 8 + 32 + 20 * 32 + 128 + 1);
    const QString trace = QString::fromUtf8(readAll(dir.path("trace.log")));
    EXPECT_TRUE(trace.startsWith(QStringLiteral("  0.000 open ") + sim.device()));
    EXPECT_TRUE(trace.endsWith(QStringLiteral(" close\n")));
  }
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
