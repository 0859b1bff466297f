// orbisk-cli's checked reads and verified writes on a fake line to the simulated receiver:
// exit status 3, the output left alone, and the evidence kept as a suspect backup.
#include <gtest/gtest.h>

#include <QDir>

#include "cli_fixture.h"
#include "core/records/phone_codec.h"
#include "support/backup_env.h"

namespace orbisk::test {
namespace {

using namespace cli::status;

constexpr long kReceiverNumberAt = 6;
constexpr long kFirstCommentAt = 32;

class CheckedRead : public CliFixture {
 protected:
  int read(QStringList extra = {}) { return run(QStringList{"read", "--port", "/dev/fake0", "--out", out_} + extra); }
  QString out_ = dir.path("site.rcf");
  BackupFolder backups{dir.path("backups")};
};

TEST_F(CheckedRead, ADamagedReadExitsThreeAndKeepsTheEvidenceOnly) {
  writeAll(out_, "the site file");
  engine.faults().flipAt = kReceiverNumberAt;
  EXPECT_EQ(read(), kSuspect);
  ASSERT_EQ(backups.files("suspect").size(), 1);
  const QString kept = QDir::toNativeSeparators(backups.files("suspect").first());  // as the system writes it
  EXPECT_EQ(err, QStringLiteral("Чтение\nЧтение успешно завершено\n"
                                "orbisk-cli: Прочитанная конфигурация похоже повреждена:\n"
                                "orbisk-cli: настройки: номер приемника = 0x43, допустимо 0-15\n"
                                "orbisk-cli: Прочитанное сохранено как подозрительная резервная копия: ") +
                     kept + u'\n');
  EXPECT_EQ(readAll(out_), "the site file");
  EXPECT_EQ(readAll(kept)[off::kReceiverNumber], 0x43);  // as it came, not repaired to 2
  EXPECT_TRUE(backups.files("read").isEmpty());
}

TEST_F(CheckedRead, VerifyReadsTwiceAndCatchesAFlipNoCheckSees) {
  engine.faults().flipAt = kFirstCommentAt;
  engine.faults().flipReads = 1;
  EXPECT_EQ(read({"--verify"}), kSuspect);
  EXPECT_TRUE(err.contains(QStringLiteral("Два чтения подряд дали разные данные:\n"
                                          "orbisk-cli: отличается: расширитель 0, телефон 1\n")));
  EXPECT_FALSE(QFileInfo::exists(out_));
  EXPECT_EQ(read({"--verify"}), kOk) << err.toStdString();  // the line is clean again
  EXPECT_EQ(readAll(out_).mid(off::kSettings), QByteArray(reinterpret_cast<const char*>(engine.memory().data()) + off::kSettings,
                                                          kImageSize - off::kSettings));
}

TEST_F(CheckedRead, AnOutputLostDuringTheReadStillLeavesTheBackup) {
  QDir().mkpath(dir.path("sub"));
  out_ = dir.path("sub/site.rcf");
  env.interrupted = [this] {
    if (++polls == 50) QDir(dir.path("sub")).removeRecursively();
    return false;
  };
  EXPECT_EQ(read(), kUsage);
  ASSERT_EQ(backups.files("read").size(), 1);
  EXPECT_TRUE(err.endsWith(QStringLiteral("orbisk-cli: ") + out_ + QStringLiteral(": папки нет\n"
                                                                                  "orbisk-cli: Резервная копия: ") +
                           QDir::toNativeSeparators(backups.files("read").first()) + u'\n'))
      << err.toStdString();
}

class VerifiedWriteCommand : public CliFixture {
 protected:
  int write(QStringList extra = {}) {
    saveConfig(file, engine.memory());
    return run(QStringList{"write", "--port", "/dev/fake0", file} + extra);
  }
  QString file = dir.path("site.rcf");
  BackupFolder backups{dir.path("backups")};
};

TEST_F(VerifiedWriteCommand, ReadsBackAndSaysSo) {
  EXPECT_EQ(write(), kOk);
  EXPECT_EQ(err, QStringLiteral("Запись\nЗапись успешно завершена\nЧтение\nЧтение успешно завершено\n"
                                "Запись проверена чтением: приемник хранит записанную конфигурацию\n"));
  EXPECT_EQ(backups.files("write").size(), 1);
}

TEST_F(VerifiedWriteCommand, AReceiverHoldingSomethingElseExitsThree) {
  engine.faults().flipStored = true;
  EXPECT_EQ(write(), kSuspect);
  EXPECT_TRUE(err.contains(QStringLiteral(
      "orbisk-cli: Проверка записи: приемник хранит не ту конфигурацию, что была записана. Запишите ее снова.\n"
      "orbisk-cli: отличается: расширитель 0, телефон 1\n")))
      << err.toStdString();
  EXPECT_TRUE(backups.files("write").isEmpty());
  EXPECT_EQ(write({"--no-verify"}), kOk);  // what the unverified write never noticed
}

TEST_F(VerifiedWriteCommand, AReadBackThatFailsIsNotASuccess) {
  engine.faults().cutAfter = 100;  // only reads are cut: the write itself goes through
  EXPECT_EQ(write(), kSuspect);
  EXPECT_TRUE(err.endsWith(QStringLiteral("orbisk-cli: Проверка записи: приемник не прочитан, записанная конфигурация не проверена.\n"
                                          "orbisk-cli: result code 6\n")))
      << err.toStdString();
}

}  // namespace
}  // namespace orbisk::test
