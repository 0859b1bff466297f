// Backups: as Save writes them, named by time without ever replacing one, pruned with care.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

#include "core/history/backup_list.h"
#include "core/history/backup_port.h"
#include "core/files/safe_save.h"
#include "core/history/backup_store.h"
#include "core/records/phone_table.h"
#include "support/temp_dir.h"

using namespace orbisk;
using namespace orbisk::test;

namespace {

const QDateTime kWhen(QDate(2026, 3, 4), QTime(5, 6, 7));

void touch(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

}  // namespace

TEST(Backup, FolderComesFromTheEnvironmentInTests) {
  // The test main points every binary at a folder of its own, never the user's data folder.
  EXPECT_FALSE(backupFolder().isEmpty());
  EXPECT_EQ(backupFolder(), qEnvironmentVariable("ORBISK_BACKUP_DIR"));
}

TEST(Backup, WrittenAsSaveWritesItUnderAFreshNameEachTime) {
  TempCwd dir;
  const QString folder = dir.path("deep/backups");  // created on the way
  auto img = std::make_unique<ConfigImage>();
  img->resetStartup();
  (*img)[off::kReceiverNumber] = 7;
  const auto before = std::make_unique<ConfigImage>(*img);

  const BackupResult first = keepBackup(*img, BackupKind::Read, folder, kWhen);
  ASSERT_TRUE(first.ok) << first.problem.toStdString();
  EXPECT_EQ(QFileInfo(first.path).fileName(), QStringLiteral("2026-03-04_05-06-07_read.rcf"));
  EXPECT_EQ(*img, *before);  // the caller's image keeps its unstamped bytes
  QByteArray expected(reinterpret_cast<const char*>(before->data()), kImageSize);
  expected[off::kSig1] = '$';
  expected[off::kSig2] = '5';
  expected[off::kSig3] = 'x';
  EXPECT_EQ(readAll(first.path), expected);

  // The same second again, and a write: nothing already there is replaced.
  const BackupResult second = keepBackup(*img, BackupKind::Read, folder, kWhen);
  const BackupResult third = keepBackup(*img, BackupKind::Read, folder, kWhen);
  const BackupResult write = keepBackup(*img, BackupKind::Write, folder, kWhen);
  EXPECT_EQ(QFileInfo(second.path).fileName(), QStringLiteral("2026-03-04_05-06-07_read-2.rcf"));
  EXPECT_EQ(QFileInfo(third.path).fileName(), QStringLiteral("2026-03-04_05-06-07_read-3.rcf"));
  // Reads and writes of one second share the count, so their order is never lost.
  EXPECT_EQ(QFileInfo(write.path).fileName(), QStringLiteral("2026-03-04_05-06-07_write-4.rcf"));
  // No temporary file is left beside them.
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 4);

  BackupName name;
  ASSERT_TRUE(parseBackupName(QStringLiteral("2026-03-04_05-06-07_read-3.rcf"), name));
  EXPECT_EQ(name.taken, kWhen);
  EXPECT_EQ(name.sequence, 3);
  EXPECT_FALSE(parseBackupName(QStringLiteral("2026-13-04_05-06-07_read.rcf"), name));
  EXPECT_FALSE(parseBackupName(QStringLiteral("site.rcf"), name));
  EXPECT_FALSE(parseBackupName(QStringLiteral("2026-03-04_05-06-07_read.rcf.part"), name));
}

TEST(Backup, AFolderThatCannotBeMadeFailsAndNamesIt) {
  TempCwd dir;
  touch(dir.path("plain-file"));
  auto img = std::make_unique<ConfigImage>();
  for (const QString& folder : {dir.path("plain-file"), dir.path("plain-file/backups"), QString()}) {
    const BackupResult r = keepBackup(*img, BackupKind::Write, folder, kWhen);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.path.isEmpty());
    if (!folder.isEmpty()) {
      EXPECT_TRUE(r.problem.contains(QStringLiteral("plain-file"))) << r.problem.toStdString();
    }
  }
}

TEST(Backup, PruningKeepsTheNewest500AndAnythingYoungerThan90Days) {
  TempCwd dir;
  const QString folder = dir.root();
  const QDateTime now(QDate(2026, 12, 1), QTime(12, 0));
  // 520 backups a day apart: the 20 beyond the newest 500 are all well over 90 days old.
  for (int i = 0; i < 520; ++i) touch(dir.path(backupFileName(now.addDays(-i), BackupKind::Read)));
  touch(dir.path("mine.rcf"));  // not a backup: never touched
  touch(dir.path("notes.txt"));
  EXPECT_EQ(pruneBackups(folder, now), 20);
  EXPECT_TRUE(QFileInfo::exists(dir.path(backupFileName(now.addDays(-499), BackupKind::Read))));
  EXPECT_FALSE(QFileInfo::exists(dir.path(backupFileName(now.addDays(-500), BackupKind::Read))));
  EXPECT_TRUE(QFileInfo::exists(dir.path("mine.rcf")));
  EXPECT_TRUE(QFileInfo::exists(dir.path("notes.txt")));
  EXPECT_EQ(pruneBackups(folder, now), 0);

  // 600 backups of the last few days: none is old enough to go, however many there are.
  TempCwd busy;
  for (int i = 0; i < 600; ++i) touch(busy.path(backupFileName(now.addSecs(-600 * i), BackupKind::Write)));
  EXPECT_EQ(pruneBackups(busy.root(), now), 0);
  // Beyond the newest 500, only those older than 90 days go; a suffixed one of the same second
  // counts as the newer.
  touch(busy.path(backupFileName(now.addDays(-100), BackupKind::Read)));
  touch(busy.path(backupFileName(now.addDays(-100), BackupKind::Read, 2)));
  EXPECT_EQ(pruneBackups(busy.root(), now, 601), 1);
  EXPECT_TRUE(QFileInfo::exists(busy.path(backupFileName(now.addDays(-100), BackupKind::Read, 2))));
}

TEST(Backup, KeepingOnePrunesTheFolder) {
  TempCwd dir;
  for (int i = 0; i < 500; ++i) touch(dir.path(backupFileName(kWhen.addDays(-200 - i), BackupKind::Read)));
  auto img = std::make_unique<ConfigImage>();
  ASSERT_TRUE(keepBackup(*img, BackupKind::Read, dir.root(), kWhen).ok);
  EXPECT_EQ(QDir(dir.root()).entryList({"*.rcf"}, QDir::Files).size(), 500);
  EXPECT_FALSE(QFileInfo::exists(dir.path(backupFileName(kWhen.addDays(-699), BackupKind::Read))));
}

TEST(BackupList, NewestFirstWithTheirSummary) {
  TempCwd dir;
  auto img = std::make_unique<ConfigImage>();
  img->resetStartup();
  (*img)[off::kReceiverNumber] = 11;
  std::memcpy(img->data() + off::kModel, "3320", 4);
  (*img)[off::kExpanderCount] = 2;
  img->setMask(0x0005);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(appendPhone(*img, 0, "7900000000" + QByteArray::number(i), QByteArray(13, ' '), ""));
  ASSERT_TRUE(appendPhone(*img, 2, "79011111111", QByteArray(13, ' '), ""));
  ASSERT_TRUE(appendPhone(*img, 5, "79022222222", QByteArray(13, ' '), ""));  // not in use: not counted
  ASSERT_TRUE(keepBackup(*img, BackupKind::Write, dir.root(), kWhen).ok);
  auto empty = std::make_unique<ConfigImage>();
  ASSERT_TRUE(keepBackup(*empty, BackupKind::Read, dir.root(), kWhen.addSecs(-60)).ok);
  ASSERT_TRUE(keepBackup(*empty, BackupKind::Read, dir.root(), kWhen.addSecs(-60)).ok);  // same second: "-2"
  writeAll(dir.path(backupFileName(kWhen.addSecs(60), BackupKind::Read)), "short");
  touch(dir.path("other.rcf"));

  const std::vector<BackupEntry> list = listBackups(dir.root());
  ASSERT_EQ(list.size(), 4u);
  EXPECT_FALSE(list[0].readable);  // damaged, still listed
  EXPECT_EQ(list[1].name.kind, BackupKind::Write);
  EXPECT_TRUE(list[1].readable);
  EXPECT_EQ(list[1].model, QStringLiteral("3320"));
  EXPECT_EQ(list[1].receiverNumber, QStringLiteral("B"));
  EXPECT_EQ(list[1].expanders, 2);
  EXPECT_EQ(list[1].telephones, 4);
  EXPECT_EQ(list[2].name.kind, BackupKind::Read);
  EXPECT_EQ(list[2].name.sequence, 2);
  EXPECT_EQ(list[3].name.sequence, 1);
  EXPECT_EQ(list[3].name.taken, kWhen.addSecs(-60));
  EXPECT_EQ(list[3].expanders, 0);
}

// A register receiver's backups are filed in a folder of its name, which is always one folder
// that any system can make; the list holds them beside the bare ports' with their receiver.
TEST(BackupList, ReceiversBackupsAreFiledUnderTheirNames) {
  EXPECT_EQ(receiverFileName(QStringLiteral("Склад №3/Север")), QStringLiteral("Склад__3_Север"));
  EXPECT_EQ(receiverFileName(QStringLiteral("../..")), QStringLiteral("_.."));
  EXPECT_EQ(receiverFileName(QStringLiteral("com1.old")), QStringLiteral("_com1.old"));
  EXPECT_EQ(receiverFileName(QStringLiteral("Con")), QStringLiteral("_Con"));
  EXPECT_EQ(receiverFileName(QStringLiteral("Console")), QStringLiteral("Console"));
  TempCwd dir;
  auto img = std::make_unique<ConfigImage>();
  EXPECT_EQ(receiverBackupFolder({}, dir.root()), dir.root());
  ASSERT_TRUE(keepBackup(*img, BackupKind::Read, receiverBackupFolder(QStringLiteral("Юг 2"), dir.root()), kWhen).ok);
  ASSERT_TRUE(keepBackup(*img, BackupKind::Read, dir.root(), kWhen.addSecs(-1)).ok);
  ASSERT_TRUE(keepBackup(*img, BackupKind::Write, receiverBackupFolder(QStringLiteral("Север"), dir.root()), kWhen.addSecs(-2)).ok);
  ASSERT_TRUE(QDir().mkpath(dir.path("Север/deeper")));
  touch(dir.path("Север/deeper/") + backupFileName(kWhen, BackupKind::Read));  // one level only

  const std::vector<BackupEntry> list = listBackups(dir.root());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].receiver, QStringLiteral("Юг_2"));
  EXPECT_EQ(list[0].path, dir.path("Юг_2/") + backupFileName(kWhen, BackupKind::Read));
  EXPECT_EQ(list[1].receiver, QString());
  EXPECT_EQ(list[2].receiver, QStringLiteral("Север"));
  EXPECT_EQ(list[2].name.kind, BackupKind::Write);
}

// The port beside a backup: shown by the list, gone with the backup when it is pruned, never in
// the backup's bytes; older backups and notes that are not ours show none.
TEST(BackupList, PortNotedBesideTheBackup) {
  TempCwd dir;
  auto img = std::make_unique<ConfigImage>();
  const BackupResult noted = keepBackup(*img, BackupKind::Read, dir.root(), kWhen);
  ASSERT_TRUE(noted.ok);
  const QByteArray bytes = readAll(noted.path);
  ASSERT_TRUE(notePort(noted.path, QStringLiteral("tcp://10.20.0.12:7001")));
  EXPECT_EQ(readAll(noted.path), bytes);
  const BackupResult older = keepBackup(*img, BackupKind::Read, dir.root(), kWhen.addDays(-1));
  const BackupResult odd = keepBackup(*img, BackupKind::Read, dir.root(), kWhen.addDays(-2));
  ASSERT_TRUE(QDir().mkdir(portNotePath(odd.path)));  // a folder by the note's name
  const BackupResult big = keepBackup(*img, BackupKind::Read, dir.root(), kWhen.addDays(-3));
  writeAll(portNotePath(big.path), QByteArray(4096, 'x'));

  const std::vector<BackupEntry> list = listBackups(dir.root());
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].port, QStringLiteral("tcp://10.20.0.12:7001"));
  EXPECT_EQ(list[1].port, QString());
  EXPECT_EQ(list[2].port, QString());
  EXPECT_EQ(list[3].port, QString());

  EXPECT_EQ(pruneBackups(dir.root(), kWhen.addDays(200), 0, 90), 4);
  EXPECT_FALSE(QFileInfo::exists(portNotePath(noted.path)));
  EXPECT_FALSE(QFileInfo::exists(portNotePath(big.path)));
}

// The list reads a few bytes of each file; what it shows must be what the whole file describes,
// repairs included, and a file that Open would refuse must not pass as readable.
TEST(BackupList, SummaryFromTheHeadsIsWhatTheWholeFilesDescribe) {
  TempCwd dir;
  const auto save = [&dir](int minute, const std::function<void(ConfigImage&)>& edit, const QByteArray& tail = {}) {
    auto img = std::make_unique<ConfigImage>();
    img->resetStartup();
    img->stampSignature();
    std::memcpy(img->data() + off::kModel, "2010", 4);
    edit(*img);
    const QString path = dir.path(backupFileName(kWhen.addSecs(60 * minute), BackupKind::Read));
    writeAll(path, QByteArray(reinterpret_cast<const char*>(img->data()), kImageSize) + tail);
    return path;
  };
  std::map<QString, std::pair<bool, int>> expected;  // path: readable, expanders * 1000 + telephones
  const auto expect = [&expected](const QString& path, bool readable, int expanders, int telephones) {
    expected[path] = {readable, expanders * 1000 + telephones};
  };
  expect(save(1, [](ConfigImage& i) { i[off::kReceiverNumber] = 200; i[off::kExpanderCount] = 1; i.setMask(0x8001);
                                      i.setPhoneCount(0, 255); i.setPhoneCount(15, 7); }), true, 2, 207);
  expect(save(2, [](ConfigImage& i) { i[off::kExpanderCount] = 17; i.setMask(0x0003); i.setPhoneCount(0, 5); }), true, 0, 0);
  expect(save(3, [](ConfigImage& i) { i[off::kExpanderCount] = 0; i.setMask(0xFFFF); i.setPhoneCount(3, 5); }), true, 0, 0);
  expect(save(4, [](ConfigImage& i) { i[off::kExpanderCount] = 2; i.setMask(0x0010); i.setPhoneCount(4, 9); }, "x"), true, 1, 9);
  expect(save(5, [](ConfigImage& i) { i[off::kSig2] = '6'; }), false, 0, 0);
  const QString shortFile = dir.path(backupFileName(kWhen.addSecs(360), BackupKind::Read));
  writeAll(shortFile, readAll(save(7, [](ConfigImage&) {})).left(kImageSize - 1));
  expect(shortFile, false, 0, 0);

  for (const BackupEntry& e : listBackups(dir.root())) {
    if (!expected.count(e.path)) continue;  // the whole file the short one was cut from
    EXPECT_EQ(std::make_pair(e.readable, e.expanders * 1000 + e.telephones), expected[e.path]) << e.path.toStdString();
    if (!e.readable) continue;
    EXPECT_EQ(e.model, QStringLiteral("2010"));
    EXPECT_EQ(e.receiverNumber, QStringLiteral("2"));  // 200 is shown repaired, as 2
  }
}

TEST(Backup, TransfersEndingInTheSameSecondOnManyThreadsEachKeepTheirOwn) {
  TempCwd dir;
  constexpr int kThreads = 8;
  std::vector<BackupResult> results(kThreads);
  // Qt's threads, as orbisk-cli backup runs its conversations: Qt in a thread it did not make
  // crashes as that thread ends on Windows (MinGW's thread-local clean-up).
  std::vector<std::unique_ptr<QThread>> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back(QThread::create([&results, &dir, t] {
      auto img = std::make_unique<ConfigImage>();
      img->resetStartup();
      (*img)[off::kReceiverNumber] = static_cast<uint8_t>(t + 1);
      results[static_cast<size_t>(t)] = keepBackup(*img, BackupKind::Read, dir.root(), kWhen);
    }));
    threads.back()->start();
  }
  for (auto& t : threads) t->wait();
  QSet<QString> paths;
  QSet<int> numbers;
  for (const BackupResult& r : results) {
    ASSERT_TRUE(r.ok) << r.problem.toStdString();
    paths.insert(r.path);
    const QByteArray bytes = readAll(r.path);
    ASSERT_EQ(bytes.size(), kImageSize);
    numbers.insert(static_cast<uint8_t>(bytes[off::kReceiverNumber]));
  }
  // Eight names, and under each the image its own thread wrote: none replaced another.
  EXPECT_EQ(paths.size(), kThreads);
  EXPECT_EQ(numbers.size(), kThreads);
  EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files | QDir::Hidden).size(), kThreads);
}

TEST(Backup, SaveNewNeverReplacesAFile) {
  TempCwd dir;
  auto img = std::make_unique<ConfigImage>();
  img->resetStartup();
  const QString path = dir.path("taken.rcf");
  writeAll(path, "theirs");
  EXPECT_EQ(saveNew(path, *img), SaveNew::Exists);
  EXPECT_EQ(readAll(path), QByteArray("theirs"));
  EXPECT_EQ(saveNew(dir.path("free.rcf"), *img), SaveNew::Ok);
  EXPECT_EQ(readAll(dir.path("free.rcf")).size(), kImageSize);
  EXPECT_EQ(saveNew(dir.path("missing/x.rcf"), *img), SaveNew::Failed);
  EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary file left
}
