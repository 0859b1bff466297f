// Checked reads and verified writes on a fake line to the simulated receiver: what is taken,
// what is kept as a backup, and what each report says.
#include <gtest/gtest.h>

#include <QDir>
#include <memory>

#include "core/files/rcf_file.h"
#include "core/transfer/transfer_pipeline.h"
#include "support/link_fixture.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

constexpr long kReceiverNumberAt = 6;      // in the read stream: clock, then the settings
constexpr long kFirstCommentAt = 14 + 2 + 16;  // slot 0's header, then its first record's comment

class Pipeline : public LinkFixture {
 protected:
  Pipeline() {
    loadSample();
    state.image[off::kSig1] = '$';
    before = state.image;
  }
  TransferReport read(bool twice = false, ReadSaver save = {}) {
    TransferPipeline p(*receiver, {}, dir.root());
    return p.read(state.image, state.channelTypes, {twice, std::move(save), true});
  }
  QStringList backups(const char* kind) const {
    return QDir(dir.root()).entryList({QStringLiteral("*_%1*.rcf").arg(QLatin1String(kind))}, QDir::Files);
  }
  TempCwd dir;
  ConfigImage before;
};

TEST_F(Pipeline, ADamagedReadIsNotTakenAndIsKeptAsSuspect) {
  engine.faults().flipAt = kReceiverNumberAt;  // 3 arrives as 0x43
  const TransferReport r = read();
  EXPECT_EQ(r.outcome, TransferOutcome::Damaged);
  EXPECT_EQ(r.problems.join(u'\n'), QStringLiteral("Прочитанная конфигурация похоже повреждена:\n"
                                                   "настройки: номер приемника = 0x43, допустимо 0-15"));
  EXPECT_TRUE(state.image == before);
  ASSERT_EQ(backups("suspect").size(), 1);
  EXPECT_TRUE(backups("read").isEmpty());
  // The evidence as it came, not repaired to a plausible 2.
  EXPECT_EQ(readAll(r.backup.path)[off::kReceiverNumber], 0x43);
}

TEST_F(Pipeline, ReadingTwiceCatchesWhatNoCheckCanSee) {
  engine.faults().flipAt = kFirstCommentAt;  // a letter of a comment becomes another letter
  engine.faults().flipReads = 1;
  EXPECT_EQ(read(true).problems.join(u'\n'), QStringLiteral("Два чтения подряд дали разные данные:\n"
                                                            "отличается: расширитель 0, телефон 1"));
  EXPECT_TRUE(state.image == before);
  engine.faults().flipReads = 1;
  EXPECT_EQ(read(false).outcome, TransferOutcome::Done);  // one read alone takes it
}

TEST_F(Pipeline, BytesAfterTheIdentityMeanAShiftedStream) {
  engine.faults().trailingBytes = 2;
  EXPECT_EQ(read().problems.value(1), QStringLiteral("после ответа приемника пришло еще 2 байт"));
}

TEST_F(Pipeline, AReadThatCannotBeSavedKeepsItsBackup) {
  const TransferReport r = read(false, [](const ConfigImage&) { return QStringLiteral("out.rcf: нет места на диске"); });
  EXPECT_EQ(r.outcome, TransferOutcome::NotSaved);
  EXPECT_EQ(r.saveProblem, QStringLiteral("out.rcf: нет места на диске"));
  EXPECT_TRUE(r.backup.ok);
  EXPECT_EQ(backups("read").size(), 1);
  EXPECT_EQ(state.image[off::kSig1], '$');  // taken, bytes 0 to 6 kept
  EXPECT_EQ(state.image[off::kReceiverNumber], engine.memory()[off::kReceiverNumber]);
}

class VerifiedWrite : public Pipeline {
 protected:
  VerifiedWrite() { state.image = engine.memory(); }
  TransferReport write(bool verify) {
    TransferPipeline p(*receiver, {}, dir.root());
    return p.write({verify, true});
  }
};

TEST_F(VerifiedWrite, AReceiverThatKeepsSomethingElseIsCaught) {
  state.image.record(0, 0)[20] = 'X';
  engine.faults().flipStored = true;
  const TransferReport r = write(true);
  EXPECT_EQ(r.outcome, TransferOutcome::Mismatch);
  EXPECT_EQ(r.problems.value(1), QStringLiteral("отличается: расширитель 0, телефон 1"));
  EXPECT_TRUE(backups("write").isEmpty());
  EXPECT_EQ(backups("suspect").size(), 1);  // what the receiver holds instead
  EXPECT_EQ(write(false).outcome, TransferOutcome::Done);
  EXPECT_EQ(backups("write").size(), 1);
}

TEST_F(VerifiedWrite, ProgressRunsOverBothHalves) {
  std::vector<std::pair<long, long>> seen;
  ui.onBytes = [&](long d, long t) { seen.emplace_back(d, t); };
  ASSERT_EQ(write(true).outcome, TransferOutcome::Done);
  const long whole = seen.front().second;
  EXPECT_EQ(seen.back(), std::make_pair(whole, whole));
  for (size_t i = 1; i < seen.size(); ++i) EXPECT_GE(seen[i].first, seen[i - 1].first);
}

TEST_F(VerifiedWrite, AFailureAfterTheGreetingMayHaveLeftPartOfIt) {
  engine.faults().refuse = true;
  engine.faults().refuseAfter = 4;
  TransferReport r = write(true);
  EXPECT_EQ(r.outcome, TransferOutcome::ReceiverFailed);
  EXPECT_TRUE(r.partial);
  engine.faults() = {};
  engine.faults().silent = true;
  r = write(true);
  EXPECT_FALSE(r.partial);
  EXPECT_EQ(r.resultCode, 1);
}

}  // namespace
}  // namespace orbisk::test
