#include <gtest/gtest.h>

#include <cstring>

#include "core/link/clock_text.h"
#include "sim/sample_config.h"
#include "support/link_fixture.h"
#include "support/slot_header.h"

namespace orbisk::test {
namespace {

class WriteTest : public LinkFixture {
 protected:
  void SetUp() override {
    // A configuration unlike the receiver's, so every byte that arrives can be checked.
    ConfigImage& img = state.image;
    img[off::kReceiverNumber] = 7;
    img[off::kHandshake] = 0x23;
    img.setMask(0x8005);
    for (int slot : {0, 2, 15}) {
      const int n = slot == 15 ? 200 : slot + 3;
      for (int i = 0; i < n; ++i) {
        img.record(slot, i)[0] = static_cast<uint8_t>(slot);
        img.record(slot, i)[1] = static_cast<uint8_t>(i);
      }
      img.setPhoneCount(slot, n);
      img.sim(slot)[0] = static_cast<uint8_t>(0x70 + slot);
    }
    state.expanderCount = 3;
    engine.memory().setPhoneCount(5, 9);  // the receiver's old list, to be replaced
  }
  // The slot headers in the order they went out (plain sends of two bytes).
  QByteArray headers() const {
    QByteArray h;
    for (const QByteArray& w : line.writes)
      if (w.size() == 2) h += w;
    return h;
  }
};

TEST_F(WriteTest, WholeWriteReachesTheReceiver) {
  EXPECT_TRUE(receiver->wrdump2());
  EXPECT_EQ(engine.writesTaken(), 1);
  const ConfigImage& m = engine.memory();
  const ConfigImage& img = state.image;
  EXPECT_EQ(std::memcmp(m.data() + off::kSettings, img.data() + off::kSettings, off::kSettingsSize), 0);
  EXPECT_EQ(std::memcmp(m.data() + off::kCounts, img.data() + off::kCounts, 16 + off::kSimsSize), 0);
  EXPECT_EQ(std::memcmp(m.record(0, 0), img.record(0, 0), kTableSize * kSlotCount), 0);
  EXPECT_EQ(m.phoneCount(5), 0);

  // The clock stamp is the PC clock taken as the body began, and the receiver keeps it.
  const ClockBytes stamp = packClock(QDateTime(QDate(2009, 12, 31), QTime(23, 59, 7)));
  EXPECT_EQ(std::memcmp(img.data(), stamp.data(), 6), 0);
  EXPECT_EQ(engine.clockAt(clock.now), stamp);

  QByteArray expected;
  for (int s = 0; s < 16; ++s) expected += slotHeader(s, img.phoneCount(s));
  EXPECT_EQ(headers(), expected);
  EXPECT_EQ(line.writes.front(), QByteArray("P"));
  EXPECT_EQ(line.writes[1], QByteArray("A"));
  EXPECT_EQ(line.writes.back(), QByteArray("K"));

  EXPECT_EQ(ui.statuses, QStringList({QStringLiteral("Запись"), QStringLiteral("Запись успешно завершена")}));
  EXPECT_EQ(ui.label4, QStringLiteral("31.12.09  23:59:17  (приемник)"));
  EXPECT_EQ(ui.label5, QStringLiteral("31.12.09  23:59:17  (компьютер)"));
  std::vector<int> progress{0, 0, 50, 60};
  for (int s = 0; s < 16; ++s) progress.push_back(60 + s);
  progress.push_back(100);
  EXPECT_EQ(ui.progress, progress);
  EXPECT_EQ(ui.done, ui.total);
  EXPECT_EQ(ui.refreshes, 0);
  EXPECT_FALSE(state.busy);
  EXPECT_FALSE(line.open);
}

TEST_F(WriteTest, CountBeyondTheTableSendsOnlyTheTable) {
  state.image.setPhoneCount(3, 255);
  EXPECT_TRUE(receiver->wrdump2());
  EXPECT_EQ(headers().mid(6, 2), slotHeader(3, 200));
  EXPECT_EQ(engine.memory().phoneCount(3), 200);
  EXPECT_EQ(state.image.phoneCount(3), 255);  // the image itself is not repaired here
}

TEST_F(WriteTest, RefusedRecordEndsTheWrite) {
  engine.faults().refuse = true;
  engine.faults().refuseAfter = 3;
  EXPECT_FALSE(receiver->wrdump2());
  EXPECT_EQ(resultCode(receiver->outcome()), 2);
  EXPECT_EQ(ui.status(), QStringLiteral("Запись неудачна"));
  EXPECT_EQ(engine.writesTaken(), 0);
  int records = 0;
  for (const QByteArray& w : line.writes) records += w.size() == kRecordSize;
  EXPECT_EQ(records, 4);
  EXPECT_FALSE(state.busy);
  EXPECT_FALSE(ui.visible);
}

TEST_F(WriteTest, SilentReceiverIsNotConnected) {
  engine.faults().silent = true;
  EXPECT_FALSE(receiver->wrdump2());
  EXPECT_EQ(resultCode(receiver->outcome()), 1);
  EXPECT_EQ(line.allWritten(), QByteArray("PPPPP"));
  EXPECT_EQ(ui.status(), QStringLiteral("Приемник не подключен "));
}

TEST_F(WriteTest, BusyPortShowsOnlyTheBox) {
  line.openResult = PortOpen::Busy;
  EXPECT_FALSE(receiver->wrdump2());
  EXPECT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(ui.statuses.isEmpty());
}

TEST_F(WriteTest, EmptyListAsksFirstAndCancelSendsNothing) {
  state.expanderCount = 0;
  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(receiver->guardedWrite());
  ASSERT_EQ(prompter.questions.size(), 1);
  EXPECT_EQ(prompter.questions.first(),
            QStringLiteral("     Список телефонов пуст. \n     Если в приемнике есть записанные телефоны, \n"
                           "     то они будут удалены. Продолжить?"));
  EXPECT_FALSE(prompter.lastAskHadNo);
  EXPECT_EQ(line.opens, 0);
  EXPECT_TRUE(line.writes.empty());

  prompter.answers = {Answer::Yes};
  EXPECT_TRUE(receiver->guardedWrite());
  EXPECT_EQ(engine.writesTaken(), 1);
}

TEST_F(WriteTest, ExpandersPresentWriteWithoutAsking) {
  EXPECT_TRUE(receiver->guardedWrite());
  EXPECT_TRUE(prompter.questions.isEmpty());
  state.busy = true;
  state.expanderCount = 0;
  EXPECT_FALSE(receiver->guardedWrite());
  EXPECT_EQ(prompter.questions.size(), 0);
}

TEST_F(WriteTest, AbortMidWayLeavesTheReceiverAsItWas) {
  onPump = [this] {
    if (pumps == 100) receiver->requestAbort();
  };
  EXPECT_FALSE(receiver->wrdump2());
  EXPECT_EQ(engine.writesTaken(), 0);
  EXPECT_EQ(engine.memory().phoneCount(5), 9);
  EXPECT_FALSE(state.busy);
  EXPECT_FALSE(line.open);
  // The receiver gives up on the broken conversation and serves the next one.
  onPump = nullptr;
  EXPECT_TRUE(receiver->rddump2());
}

}  // namespace
}  // namespace orbisk::test

namespace orbisk::test {
namespace {

class FullTableTest : public LinkFixture {};

TEST_F(FullTableTest, SixteenTimesTwoHundredBothWays) {
  sim::buildFull(engine.memory());
  ASSERT_TRUE(receiver->rddump2());
  EXPECT_EQ(std::memcmp(state.image.data() + 8, engine.memory().data() + 8, kImageSize - 8), 0);
  EXPECT_EQ(ui.done, 6 + 8 + 16 * (2 + 200 * 32) + 128 + 16 + 9);

  for (int s = 0; s < kSlotCount; ++s) state.image.record(s, 199)[20] = 'w';
  state.expanderCount = 16;
  ASSERT_TRUE(receiver->guardedWrite());
  EXPECT_EQ(std::memcmp(engine.memory().data() + 8, state.image.data() + 8, kImageSize - 8), 0);
}

}  // namespace
}  // namespace orbisk::test
