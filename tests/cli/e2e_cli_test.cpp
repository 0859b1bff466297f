// The built orbisk-cli against halvorn-sim on a pseudo-terminal, as a script would run it.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <vector>
#include <memory>

#include "core/files/rcf_file.h"
#include "support/cli_binary.h"
#include "support/backup_env.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

class CliEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SimProcess::binary().isEmpty() || cliBinary().isEmpty())
      GTEST_SKIP() << "halvorn-sim or orbisk-cli not found (ORBISK_TEST_BIN_DIR)";
  }
  static CliResult cli(const QStringList& args) { return runCli(args); }
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
  EXPECT_EQ(r.err, QStringLiteral("Запись\nЗапись успешно завершена\nЧтение\nЧтение успешно завершено\n"
                                  "Запись проверена чтением: приемник хранит записанную конфигурацию\n"));
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

// Ctrl+C sent from outside, and a child's processor time: POSIX signals, fork and wait4. On
// Windows a console's Ctrl+C reaches only the processes sharing that console.
#ifndef _WIN32
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
#endif

TEST_F(CliEndToEnd, ARefusingReceiverFailsTheWriteSideCommandsWithTheirText) {
  const QString sample = dir.path("sample.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--refuse"}));
  const QString failed = QStringLiteral("Запись неудачна\norbisk-cli: result code 2\n");
  CliResult r = cli({"write", "--port", sim.device(), sample});
  EXPECT_EQ(r.status, 1);
  // The receiver answered the greeting, so it may have taken the first pieces.
  EXPECT_EQ(r.err, QStringLiteral("Запись\n") + failed +
                       QStringLiteral("orbisk-cli: Приемник мог сохранить конфигурацию не полностью.\n"));
  r = cli({"clock", "--port", sim.device(), "--sync"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, QStringLiteral("Запись\n") + failed);
  r = cli({"clear-events", "--port", sim.device()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, failed);
}

#ifndef _WIN32
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
#endif

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
    // A write is read back: its "R" and "A" follow the write's bytes.
    EXPECT_EQ(tx.size(), reading ? 2 : 1 + 1 + 6 + 8 + 32 + 20 * 32 + 128 + 1 + 2);
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

TEST_F(CliEndToEnd, ReadAndWriteKeepBackupsUnlessToldNot) {
  const QString sample = dir.path("sample.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  const QString folder = dir.path("backups");
  const BackupFolder backups(folder);
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--load", sample}));

  CliResult r = cli({"read", "--port", sim.device(), "--out", "read.rcf"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.err, QStringLiteral("Чтение\nЧтение успешно завершено\n"));  // a backup adds no noise
  ASSERT_EQ(backups.files("read").size(), 1);
  EXPECT_EQ(readAll(backups.files("read").first()), readAll(dir.path("read.rcf")));

  r = cli({"write", "--port", sim.device(), "read.rcf"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  ASSERT_EQ(backups.files("write").size(), 1);
  // What was sent: the file with the write's clock stamp, so diff finds nothing else.
  const QString sent = backups.files("write").first();
  EXPECT_EQ(cli({"diff", sent, "read.rcf"}).status, 0);
  const int year = QDate::currentDate().year() % 100;
  EXPECT_EQ(static_cast<uint8_t>(readAll(sent).at(5)), static_cast<uint8_t>((year / 10) << 4 | year % 10));

  EXPECT_EQ(cli({"read", "--port", sim.device(), "--out", "again.rcf", "--no-backup"}).status, 0);
  EXPECT_EQ(cli({"write", "--port", sim.device(), "read.rcf", "--no-backup"}).status, 0);
  EXPECT_EQ(backups.files("read").size(), 1);
  EXPECT_EQ(backups.files("write").size(), 1);

  // A failed read keeps nothing.
  SimProcess silent;
  ASSERT_TRUE(silent.start({"--silent"}));
  EXPECT_EQ(cli({"read", "--port", silent.device(), "--out", "none.rcf"}).status, 1);
  EXPECT_EQ(backups.files("read").size(), 1);
}

TEST_F(CliEndToEnd, ABackupThatCannotBeKeptNeverFailsTheTransfer) {
  const QString sample = dir.path("sample.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  writeAll(dir.path("not-a-folder"), "x");
  const BackupFolder backups(dir.path("not-a-folder"));
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--load", sample}));
  CliResult r = cli({"read", "--port", sim.device(), "--out", "read.rcf"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, QStringLiteral("Чтение\nЧтение успешно завершено\norbisk-cli: Резервная копия не сохранена: ") +
                       dir.path("not-a-folder") + u'\n');
  EXPECT_EQ(readAll(dir.path("read.rcf")), readAll(sample));
  r = cli({"write", "--port", sim.device(), "read.rcf"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.err.contains(QStringLiteral("Резервная копия не сохранена"))) << r.err.toStdString();
}

TEST_F(CliEndToEnd, DiffExitStatusesTextAndJson) {
  const QString a = dir.path("a.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", a}), 0);
  auto img = std::make_unique<ConfigImage>();
  ASSERT_EQ(readImageFile(a, *img), ReadResult::Ok);
  (*img)[off::kReceiverNumber] = 5;
  (*img)[off::kOptions] ^= opt::kSmsOff;
  const uint16_t mask = img->mask();
  const int firstSlot = __builtin_ctz(mask);
  img->setMask(static_cast<uint16_t>(mask & ~(1u << firstSlot)));  // the first expander goes
  ASSERT_EQ(writeImageFile(dir.path("b.rcf"), WriteMode::CreateNew, *img), WriteResult::Ok);

  CliResult r = cli({"diff", "a.rcf", "a.rcf"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, QStringLiteral("Конфигурации совпадают\n"));
  r = cli({"diff", "a.rcf", "b.rcf"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.startsWith(QStringLiteral("Настройки приемника:\n  Номер приемника: 3 → 5\n"))) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains(QStringLiteral("Расширитель %1: удален\n").arg(firstSlot))) << r.out.toStdString();

  r = cli({"diff", "--json", "a.rcf", "b.rcf"});
  EXPECT_EQ(r.status, 1);
  QJsonParseError error{};
  const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
  EXPECT_FALSE(o.value("same").toBool(true));
  const QJsonArray settings = o.value("settings").toArray();
  ASSERT_EQ(settings.size(), 2);
  EXPECT_EQ(settings[0].toObject(), (QJsonObject{{"name", "receiver_number"}, {"a", 3}, {"b", 5}}));
  EXPECT_EQ(settings[1].toObject().value("name").toString(), QStringLiteral("options.sms"));
  EXPECT_TRUE(settings[1].toObject().value("a").isBool());
  const QJsonArray expanders = o.value("expanders").toArray();
  ASSERT_EQ(expanders.size(), 1);
  const QJsonObject gone = expanders[0].toObject();
  EXPECT_EQ(gone.value("slot").toInt(), firstSlot);
  EXPECT_EQ(gone.value("status").toString(), QStringLiteral("removed"));
  const QJsonObject phones = gone.value("telephones").toObject();
  EXPECT_TRUE(phones.value("added").toArray().isEmpty());
  EXPECT_TRUE(phones.value("changed").toArray().isEmpty());
  ASSERT_FALSE(phones.value("removed").toArray().isEmpty());
  EXPECT_EQ(phones.value("removed").toArray()[0].toObject().keys(),
            (QStringList{"comment", "event", "number", "object", "partition", "zone"}));

  r = cli({"diff", "--json", "a.rcf", "a.rcf"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(QJsonDocument::fromJson(r.out.toUtf8()).object(),
            (QJsonObject{{"same", true}, {"settings", QJsonArray()}, {"expanders", QJsonArray()}}));

  writeAll(dir.path("short.rcf"), "short");
  r = cli({"diff", "a.rcf", "missing.rcf"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.startsWith(QStringLiteral("missing.rcf: "))) << r.err.toStdString();
  EXPECT_EQ(cli({"diff", "short.rcf", "a.rcf"}).status, 2);
  EXPECT_EQ(cli({"diff", "a.rcf"}).status, 2);
  EXPECT_EQ(cli({"diff", "a.rcf", "b.rcf", "c.rcf"}).status, 2);
  EXPECT_EQ(cli({"diff", "--no-backup", "a.rcf", "b.rcf"}).status, 2);
}

}  // namespace
}  // namespace orbisk::test
