// What orbisk-cli leaves in the audit trail, in-process against the simulated receiver's engine.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "cli_fixture.h"
#include "core/register/audit_log.h"
#include "core/register/receiver_register.h"
#include "support/data_env.h"

namespace orbisk::test {
namespace {

using namespace cli::status;

class AuditTrail : public CliFixture {
 protected:
  std::vector<AuditEntry> trail() {
    RegisterDb db;
    return AuditLog(db).entries().value_or(std::vector<AuditEntry>{});
  }
  static QString line(const AuditEntry& e) {
    return QStringList{e.receiver, e.port, e.action, e.result, e.detail, e.comment}.join(u'|');
  }
  DataFolder data{dir.path("data")};
};

TEST_F(AuditTrail, AWriteAndItsVerificationAreTwoEntriesUnderTheReceiversName) {
  ASSERT_EQ(run({"receivers", "add", "Склад", "--port", "/dev/fake0", "--number", "5"}), kOk) << err.toStdString();
  ASSERT_EQ(run({"read", "--receiver", "склад", "--out", "a.rcf", "--comment", "перед ремонтом"}), kOk) << err.toStdString();
  // The sample holds receiver number 3.
  EXPECT_TRUE(err.contains(QStringLiteral("orbisk-cli: Номер приемника 3, а в реестре записан 5\n"))) << err.toStdString();
  ASSERT_EQ(run({"write", "--receiver", "Склад", "a.rcf"}), kOk) << err.toStdString();
  const auto all = trail();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(line(all[0]), QStringLiteral("Склад|/dev/fake0|read|ok||перед ремонтом"));
  EXPECT_EQ(line(all[1]), QStringLiteral("Склад|/dev/fake0|write|ok||"));
  EXPECT_EQ(line(all[2]), QStringLiteral("Склад|/dev/fake0|verify|ok||"));
  // Backups of one second are numbered: _write-2.rcf; a register receiver's are in its folder.
  EXPECT_TRUE(all[0].file.contains(QRegularExpression("/Склад/[^/]+_read(-\\d+)?\\.rcf$"))) << all[0].file.toStdString();
  EXPECT_TRUE(all[1].file.contains(QRegularExpression("/Склад/[^/]+_write(-\\d+)?\\.rcf$"))) << all[1].file.toStdString();
  EXPECT_EQ(all[0].user, osUserName());
}

TEST_F(AuditTrail, CommandsThatFailAreLoggedWithTheirResultCode) {
  ASSERT_EQ(run({"clock", "--sync", "--port", "/dev/fake0"}), kOk);
  ASSERT_EQ(run({"clear-events", "--port", "/dev/fake0"}), kOk);
  engine.faults().silent = true;
  ASSERT_EQ(run({"clear-events", "--port", "/dev/fake0"}), kReceiverFailed);
  ASSERT_EQ(run({"read", "--port", "/dev/fake0", "--out", "b.rcf"}), kReceiverFailed);
  ASSERT_EQ(run({"clock", "--port", "/dev/fake0"}), kReceiverFailed);  // comparing the clocks changes nothing
  const auto all = trail();
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(line(all[0]), QStringLiteral("|/dev/fake0|clock|ok||"));
  EXPECT_EQ(line(all[1]), QStringLiteral("|/dev/fake0|clear-events|ok||"));
  EXPECT_EQ(line(all[2]), QStringLiteral("|/dev/fake0|clear-events|failed|result code 1|"));
  EXPECT_EQ(line(all[3]), QStringLiteral("|/dev/fake0|read|failed|result code 20|"));
}

TEST_F(AuditTrail, ADamagedRegisterWarnsOnceAndTheTransferStands) {
  ASSERT_TRUE(QDir().mkpath(dir.path("data")));
  writeAll(dir.path("data/orbisk.sqlite"), QByteArray(2048, 'x'));
  ASSERT_EQ(run({"clock", "--sync", "--port", "/dev/fake0"}), kOk);
  EXPECT_TRUE(err.contains(QStringLiteral("orbisk-cli: Запись в журнал не сделана: Реестр приемников"))) << err.toStdString();
  ASSERT_EQ(run({"write", "--port", "/dev/fake0", "--yes", "x.rcf"}), kUsage);  // no such file: nothing tried
  ASSERT_EQ(run({"read", "--port", "/dev/fake0", "--out", "c.rcf"}), kOk) << err.toStdString();
  EXPECT_EQ(err.count(QStringLiteral("Запись в журнал не сделана")), 1) << err.toStdString();
  EXPECT_EQ(run({"read", "--receiver", "Склад", "--out", "d.rcf"}), kUsage);
  EXPECT_TRUE(err.contains(QStringLiteral("поврежден или не является базой данных"))) << err.toStdString();
  EXPECT_EQ(readAll(dir.path("data/orbisk.sqlite")), QByteArray(2048, 'x'));
}

}  // namespace
}  // namespace orbisk::test
