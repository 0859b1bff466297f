// What the pipeline adds around a write that orbisk-cli's tests do not see: progress that runs
// over the write and its read-back as one.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <memory>

#include "core/history/backup_port.h"
#include "core/transfer/transfer_pipeline.h"
#include "support/link_fixture.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

class VerifiedWrite : public LinkFixture {
 protected:
  VerifiedWrite() {
    loadSample();
    state.image = engine.memory();
  }
  TransferReport write(bool verify) {
    TransferPipeline p(*receiver, {}, dir.root());
    return p.write({verify, true});
  }
  TempCwd dir;
};

TEST_F(VerifiedWrite, ProgressRunsOverBothHalves) {
  std::vector<std::pair<long, long>> seen;
  ui.onBytes = [&](long d, long t) { seen.emplace_back(d, t); };
  ASSERT_EQ(write(true).outcome, TransferOutcome::Done);
  const long whole = seen.front().second;
  EXPECT_EQ(seen.back(), std::make_pair(whole, whole));
  for (size_t i = 1; i < seen.size(); ++i) EXPECT_GE(seen[i].first, seen[i - 1].first);
}

// The trail's door: a write and its verification are two events, and what failed is named.
TEST_F(VerifiedWrite, TheTrailHearsTheWriteAndItsVerificationApart) {
  std::vector<AuditEvent> heard;
  receiver->setAuditHook([&](const AuditEvent& e) { heard.push_back(e); });
  const auto said = [&] {
    QStringList words;
    for (const AuditEvent& e : heard) words << auditActionWord(e.action) + u' ' + e.result + u' ' + e.detail.section(u';', 0, 0);
    heard.clear();
    return words.join(u'|');
  };
  engine.faults().flipStored = true;
  EXPECT_EQ(write(true).outcome, TransferOutcome::Mismatch);
  EXPECT_EQ(said(), QStringLiteral("write ok |verify mismatch Проверка записи: приемник хранит не ту конфигурацию, что была записана. Запишите ее снова."));
  EXPECT_EQ(write(false).outcome, TransferOutcome::Done);  // nobody looked
  EXPECT_EQ(said(), QStringLiteral("write ok "));
  engine.faults().silent = true;
  EXPECT_EQ(write(true).outcome, TransferOutcome::ReceiverFailed);
  EXPECT_EQ(said(), QStringLiteral("write failed result code 1"));  // no verification of what was never sent
}

// The backup says which port it came from, so the history of a fleet tells receivers apart; a
// register receiver's are filed in its own folder, until another port is chosen.
TEST_F(VerifiedWrite, BackupNotesItsPortAndIsFiledUnderItsReceiver) {
  const TransferReport bare = write(false);
  ASSERT_TRUE(bare.backup.ok);
  EXPECT_EQ(QFileInfo(bare.backup.path).absolutePath(), QDir(dir.root()).absolutePath());
  EXPECT_EQ(backupPort(bare.backup.path), QStringLiteral("/dev/fake0"));
  state.receiverName = QStringLiteral("Склад №3/Север");
  state.receiverPort = state.portName;
  const TransferReport filed = write(false);
  ASSERT_TRUE(filed.backup.ok);
  EXPECT_EQ(QFileInfo(filed.backup.path).absolutePath(), QDir(dir.root()).absoluteFilePath(QStringLiteral("Склад__3_Север")));
  EXPECT_EQ(backupPort(filed.backup.path), QStringLiteral("/dev/fake0"));
  state.receiverPort = QStringLiteral("/dev/other");
  EXPECT_EQ(QFileInfo(write(false).backup.path).absolutePath(), QDir(dir.root()).absolutePath());
}

}  // namespace
}  // namespace orbisk::test
