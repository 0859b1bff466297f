#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/link/clock_text.h"
#include "support/link_fixture.h"

namespace orbisk::test {
namespace {

class ReadTest : public LinkFixture {
 protected:
  void SetUp() override {
    loadSample();
    // What the main window holds before the read: something to tell apart from the receiver's.
    state.image[off::kClock + 1] = 0x42;
    state.image[off::kSig1] = '$';
    state.image[off::kReceiverNumber] = 9;
    state.image[recordOffset(7, 0)] = 0x55;
    state.image[off::kFirmware] = 'Z';
    state.channelTypes.fill('9');
    before = state.image;
  }
  void expectUntouched() {
    EXPECT_TRUE(state.image == before);
    EXPECT_EQ(state.channelTypes[3], '9');
    EXPECT_EQ(state.modelText, QStringLiteral("Halvorn 2010"));
    EXPECT_EQ(ui.refreshes, 0);
  }
  void expectClosed() {
    EXPECT_FALSE(state.busy);
    EXPECT_FALSE(line.open);
    EXPECT_FALSE(ui.visible);
  }
  ConfigImage before;
};

TEST_F(ReadTest, WholeReadReplacesTheConfiguration) {
  EXPECT_TRUE(receiver->rddump2());
  EXPECT_EQ(resultCode(receiver->outcome()), 0);
  expectClosed();

  const ConfigImage& m = engine.memory();
  EXPECT_EQ(state.image[off::kClock + 1], 0x42);  // bytes 0..6 stay
  EXPECT_EQ(state.image[off::kSig1], '$');
  EXPECT_EQ(state.image[off::kExpanderCount], 4);  // counted from the mask
  EXPECT_EQ(std::memcmp(state.image.data() + 8, m.data() + 8, kImageSize - 8), 0);
  EXPECT_EQ(state.image[recordOffset(7, 0)], 0);  // cleared before filling
  EXPECT_EQ(state.channelTypes[4], '6');
  EXPECT_EQ(state.modelText, QStringLiteral("Halvorn 3320"));

  EXPECT_EQ(ui.statuses, QStringList({QStringLiteral("Чтение"), QStringLiteral("Чтение успешно завершено")}));
  EXPECT_EQ(ui.label4, QStringLiteral("24.06.21  10:15:30  (приемник)"));
  EXPECT_EQ(ui.label5, QStringLiteral("31.12.09  23:59:07  (компьютер)"));
  EXPECT_EQ(ui.refreshes, 1);
  EXPECT_EQ(ui.repaints, 1);
  std::vector<int> progress{0, 0, 50};
  for (int s = 0; s < 16; ++s) progress.push_back(60 + s);
  progress.push_back(100);
  EXPECT_EQ(ui.progress, progress);
  EXPECT_EQ(ui.done, ui.total);
  EXPECT_EQ(line.allWritten(), QByteArray("RA"));
}

TEST_F(ReadTest, GreetingAnsweredOnTheThirdTry) {
  engine.faults().answerOnTry = 3;
  EXPECT_TRUE(receiver->rddump2());
  EXPECT_EQ(line.allWritten(), QByteArray("RRRA"));
  const std::vector<int> start(ui.progress.begin(), ui.progress.begin() + 5);
  EXPECT_EQ(start, (std::vector<int>{0, 0, 25, 50, 50}));
}

TEST_F(ReadTest, SilentReceiverAfterFiveGreetings) {
  engine.faults().silent = true;
  EXPECT_FALSE(receiver->rddump2());
  EXPECT_EQ(resultCode(receiver->outcome()), 20);
  EXPECT_EQ(line.allWritten(), QByteArray("RRRRR"));
  EXPECT_EQ(ui.progress, (std::vector<int>{0, 0, 25, 50, 75, 100}));
  EXPECT_EQ(ui.status(), QStringLiteral("Чтение неудачнo "));
  expectUntouched();
  expectClosed();
}

TEST_F(ReadTest, PortThatCannotBeOpened) {
  line.openResult = PortOpen::Busy;
  EXPECT_FALSE(receiver->rddump2());
  EXPECT_EQ(resultCode(receiver->outcome()), 20);
  EXPECT_EQ(prompter.messages.size(), 1);
  EXPECT_EQ(ui.statuses, QStringList{QStringLiteral("Чтение неудачнo ")});
  EXPECT_TRUE(ui.progress.empty());
  expectUntouched();
}

TEST_F(ReadTest, NothingHappensWhileBusy) {
  state.busy = true;
  EXPECT_FALSE(receiver->rddump2());
  EXPECT_EQ(line.opens, 0);
  EXPECT_TRUE(ui.statuses.isEmpty());
}

TEST_F(ReadTest, SlotHeaderOutOfOrder) {
  engine.faults().wrongHeaderSlot = 3;
  EXPECT_FALSE(receiver->rddump2());
  EXPECT_EQ(resultCode(receiver->outcome()), 5);
  EXPECT_EQ(ui.status(), QStringLiteral("Чтение неудачнo "));
  expectUntouched();
  expectClosed();
}

// The reads of one receiver object land in the same scratch image: what an earlier read brought
// (a full table, a failed read's part) must never show through a later, smaller one.
TEST_F(ReadTest, ALaterReadKeepsNothingOfAnEarlierOne) {
  ConfigImage& m = engine.memory();
  for (int i = 0; i < kMaxPhones; ++i) std::memset(m.record(5, i), 0x77, kRecordSize);
  m.setPhoneCount(5, kMaxPhones);
  ASSERT_TRUE(receiver->rddump2());
  engine.faults().cutAfter = 500;  // a read that stops inside the tables
  EXPECT_FALSE(receiver->rddump2());
  engine.faults().cutAfter = -1;
  m.setPhoneCount(5, 1);
  std::memset(m.record(5, 1), 0, kTableSize - kRecordSize);
  auto out = std::make_unique<ConfigImage>();
  ChannelTypes types{};
  ASSERT_TRUE(receiver->readInto(*out, types));
  EXPECT_EQ(out->phoneCount(5), 1);
  EXPECT_EQ(out->record(5, 1)[0], 0);
  EXPECT_EQ(out->record(5, kMaxPhones - 1)[kRecordSize - 1], 0);
  EXPECT_EQ(std::memcmp(out->data() + 8, m.data() + 8, kImageSize - 8), 0);
  EXPECT_EQ((*out)[off::kClock + 1], 0);  // readInto gives the bytes as read: the clock is not kept
}

TEST_F(ReadTest, CountsOfNoneAFullTableAndMoreThanFits) {
  ConfigImage& m = engine.memory();
  for (int i = 0; i < kMaxPhones; ++i) m.record(1, i)[16] = static_cast<uint8_t>(i);
  m.setPhoneCount(1, kMaxPhones);
  m.setPhoneCount(0, 0);
  engine.faults().countOver200Slot = 2;  // header says 255, and 255 records follow
  ASSERT_TRUE(receiver->rddump2());
  EXPECT_EQ(state.image.phoneCount(0), 0);
  EXPECT_EQ(state.image.phoneCount(1), 200);
  EXPECT_EQ(state.image.record(1, 199)[16], 199);
  EXPECT_EQ(state.image.phoneCount(2), 200);
  EXPECT_EQ(std::memcmp(state.image.record(2, 0), m.record(2, 0), kRecordSize * 12), 0);
  // The records beyond 200 went nowhere; the next slot's table and the SIM numbers are intact.
  EXPECT_EQ(std::memcmp(state.image.record(3, 0), m.record(3, 0), kTableSize), 0);
  EXPECT_EQ(std::memcmp(state.image.sim(0), m.sim(0), off::kSimsSize), 0);
}

TEST_F(ReadTest, EveryMissingBlockHasItsCode) {
  // Offsets in the sample's stream: slot 0 holds 5 records, slot 1 three, slot 2 twelve.
  const long slotBytes = 16 * 2 + (5 + 3 + 12) * kRecordSize;
  struct Case {
    long cut;
    int code;
  };
  const Case cases[] = {
      {0, 2}, {5, 2}, {6, 3}, {13, 3}, {14, 4}, {15, 4}, {16, 6}, {16 + 31, 6},
      {14 + slotBytes, 8}, {14 + slotBytes + 127, 8}, {14 + slotBytes + 128, 9}, {14 + slotBytes + 144, 7},
      {14 + slotBytes + 152, 7},
  };
  for (const Case& c : cases) {
    engine.faults().cutAfter = c.cut;
    ui.statuses.clear();
    EXPECT_FALSE(receiver->rddump2()) << c.cut;
    EXPECT_EQ(resultCode(receiver->outcome()), c.code) << c.cut;
    EXPECT_EQ(ui.status(), QStringLiteral("Чтение неудачнo ")) << c.cut;
    expectUntouched();
  }
  engine.faults().cutAfter = 14 + slotBytes + 153;  // the whole stream
  EXPECT_TRUE(receiver->rddump2());
}

TEST_F(ReadTest, ModelTextFollowsTheFirstTwoChannelTypes) {
  struct Case {
    const char* types;
    const char* model;
    QString text;
  };
  const Case cases[] = {
      {"0000000000000000", "2010", QStringLiteral("Halvorn 2010")},
      {"6000000000000000", "3340", QStringLiteral("Tessaly 3340")},
      {"5600000000000000", "2010", QStringLiteral("Tessaly 3320")},
      {"5500000000000066", "33", QStringLiteral("Halvorn 33")},
  };
  for (const Case& c : cases) {
    sim::SlotTypes types{};
    std::memcpy(types.data(), c.types, 16);
    engine.setChannelTypes(types);
    engine.setModel(c.model);
    ASSERT_TRUE(receiver->rddump2());
    EXPECT_EQ(state.modelText, c.text);
  }
}

TEST_F(ReadTest, ClockThatIsNotBcdShowsItsLetters) {
  engine.faults().badClock = true;
  EXPECT_TRUE(receiver->rddump2());
  EXPECT_EQ(ui.label4, QStringLiteral("C1.1D.EE  B3:5F:7A  (приемник)"));
}

TEST_F(ReadTest, AbortEndsTheReadAndLeavesTheConfiguration) {
  onPump = [this] {
    if (pumps == 200) receiver->requestAbort();
  };
  EXPECT_FALSE(receiver->rddump2());
  EXPECT_EQ(resultCode(receiver->outcome()), 6);
  expectUntouched();
  expectClosed();
  EXPECT_FALSE(receiver->link().abortRequested());
  onPump = nullptr;
  EXPECT_TRUE(receiver->rddump2());  // the next read is not affected
}

}  // namespace
}  // namespace orbisk::test
