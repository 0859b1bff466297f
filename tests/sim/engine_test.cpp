#include <gtest/gtest.h>

#include <cstring>

#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "sim/receiver_engine.h"
#include "sim/sample_config.h"
#include "sim/sim_options.h"
#include "support/slot_header.h"

namespace orbisk::sim {
namespace {

using orbisk::test::slotHeader;

const QByteArray kOk = "OK\r\n";

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override { buildSample(engine.memory()); }
  QByteArray send(const QByteArray& bytes, uint32_t at = 0) { return engine.feed(bytes, at ? at : now); }
  QByteArray record(int tag) {
    QByteArray r(kRecordSize, char(tag));
    return r;
  }
  // A write of two telephones in slot 1, up to the SIM numbers; K is left to the test.
  void writeUpToK() {
    ASSERT_EQ(send("P"), kOk);
    EXPECT_TRUE(send("A").isEmpty());
    EXPECT_TRUE(send(QByteArray("\x01\x02\x03\x04\x05\x06", 6)).isEmpty());
    EXPECT_TRUE(send(QByteArray("\x05\x00\x00\x00\x01\x01\x00\x03", 8)).isEmpty());
    for (int s = 0; s < 16; ++s) {
      const int n = s == 1 ? 2 : 0;
      EXPECT_TRUE(send(slotHeader(s, n)).isEmpty());
      for (int i = 0; i < n; ++i) EXPECT_EQ(send(record(0x40 + i)), kOk);
    }
    EXPECT_EQ(send(QByteArray(128, '\x77')), kOk);
  }
  ReceiverEngine engine;
  uint32_t now = 1000;
};

TEST_F(EngineTest, ReadStreamFollowsTheMemory) {
  engine.setModel("3320");
  engine.setFirmware("2.07");
  engine.setClock(ClockBytes{1, 2, 3, 4, 5, 6}, now);
  EXPECT_EQ(send("R"), kOk);
  const QByteArray s = send("A");
  ASSERT_EQ(s.size(), 6 + 8 + 32 + (5 + 3 + 12) * 32 + 128 + 16 + 9);
  EXPECT_EQ(s.left(6), QByteArray("\x01\x02\x03\x04\x05\x06", 6));
  EXPECT_EQ(s.mid(14, 2), QByteArray("\x00\x05", 2));
  EXPECT_EQ(s.right(9), QByteArray("3320\x01" "2.07", 9));
  // Only "R" then "A" asks for the stream.
  EXPECT_TRUE(send("A").isEmpty());
}

TEST_F(EngineTest, WriteIsTakenOverOnlyAtK) {
  writeUpToK();
  EXPECT_EQ(engine.memory().phoneCount(0), 5);  // still the old configuration
  EXPECT_EQ(send("K"), kOk);
  const ConfigImage& m = engine.memory();
  EXPECT_EQ(engine.writesTaken(), 1);
  EXPECT_EQ(m.phoneCount(0), 0);
  EXPECT_EQ(m.phoneCount(1), 2);
  EXPECT_EQ(m.record(1, 1)[0], 0x41);
  EXPECT_EQ(m.record(1, 2)[0], 0);  // the old third telephone is gone
  EXPECT_EQ(m[off::kReceiverNumber], 5);
  EXPECT_EQ(m[off::kExpanderCount], 2);
  EXPECT_EQ(m.sim(3)[0], 0x77);
  EXPECT_EQ(engine.clockAt(now), (ClockBytes{1, 2, 3, 4, 5, 6}));
}

TEST_F(EngineTest, ANewConversationRightAfterAWriteIsNotMistakenForAnAbandonedOne) {
  engine.setResyncGapMs(300);
  writeUpToK();
  EXPECT_EQ(send("K"), kOk);
  EXPECT_EQ(send("R", now + 100), kOk);
  // "A" after the usual half-second pause asks for the read stream.
  EXPECT_GT(send("A", now + 600).size(), 100);
}

// The PC may take its time between blocks (pauses of 500 ms, waits of up to 10 s): only a
// pause inside a block gives the conversation up.
TEST_F(EngineTest, TheClosingKIsTakenOverHoweverLongAfterTheSimNumbers) {
  for (uint32_t pause : {400u, 3000u, 12000u}) {
    writeUpToK();
    now += pause;
    EXPECT_EQ(send("K"), kOk) << pause;
    now += 1000;
  }
  EXPECT_EQ(engine.writesTaken(), 3);
  EXPECT_EQ(engine.memory().phoneCount(1), 2);
}

TEST_F(EngineTest, GreetingsFaultsAndRefusals) {
  engine.faults().answerOnTry = 3;
  EXPECT_TRUE(send("P").isEmpty());
  EXPECT_TRUE(send("P").isEmpty());
  EXPECT_EQ(send("P"), kOk);
  EXPECT_TRUE(send("R").isEmpty());  // counting starts again for the next conversation

  // Beyond the PC's five tries: every conversation goes unanswered, also after the line drops.
  engine.faults().answerOnTry = 6;
  for (int conversation = 0; conversation < 3; ++conversation) {
    engine.reset();
    for (int attempt = 0; attempt < 5; ++attempt) EXPECT_TRUE(send("R").isEmpty()) << conversation;
  }

  engine.faults() = SimFaults{};
  engine.faults().refuse = true;
  EXPECT_EQ(send("P"), kOk);
  EXPECT_EQ(send("D"), QByteArray(1, '\0'));

  engine.faults() = SimFaults{};
  engine.faults().silent = true;
  EXPECT_TRUE(send("R").isEmpty());
}

TEST_F(EngineTest, ResynchronisesAfterAnAbandonedConversation) {
  ASSERT_EQ(send("P"), kOk);
  send("A");
  send(QByteArray(10, 'R'));  // a clock and half the settings: data, not greetings
  EXPECT_TRUE(send("R", now + 100).isEmpty());
  EXPECT_EQ(send("R", now + 600), kOk);  // a pause inside a block ends the old conversation

  // Stuck between blocks: the first greeting starts a slot header, the retry gets through.
  ASSERT_EQ(send("P", now + 700), kOk);
  send("A", now + 700);
  send(QByteArray(14, '\x01'), now + 700);
  EXPECT_TRUE(send("R", now + 2000).isEmpty());
  EXPECT_EQ(send("R", now + 3010), kOk);

  engine.reset();
  EXPECT_EQ(send("P"), kOk);
  EXPECT_EQ(send("R"), kOk);  // a greeting where a command is expected starts over
  EXPECT_EQ(send("T").size(), 6);
}

// A restarted engine is a fresh one that kept its memory: no half-taken write, greeting count,
// fault, clock or event count of its earlier life shows.
TEST_F(EngineTest, RestartKeepsOnlyTheMemory) {
  writeUpToK();
  EXPECT_EQ(send("K"), kOk);
  const ConfigImage written = engine.memory();
  engine.faults().answerOnTry = 2;
  engine.faults().refuse = true;
  engine.setEventCount(7);
  EXPECT_TRUE(send("P").isEmpty());  // the first of two greetings it wants
  ASSERT_EQ(send("P"), kOk);
  send("A");
  send(QByteArray(10, '\x01'));  // a write abandoned inside its settings

  engine.restart();
  EXPECT_TRUE(engine.memory() == written);
  EXPECT_EQ(engine.writesTaken(), 0);
  EXPECT_EQ(engine.eventCount(), 0);
  EXPECT_EQ(engine.clockAt(now), ClockBytes{});
  EXPECT_EQ(send("R"), kOk);  // answered at once: the greeting count and the faults are gone
  EXPECT_EQ(send("A").mid(6, 8), QByteArray(reinterpret_cast<const char*>(written.data() + off::kSettings), 8));
}

TEST_F(EngineTest, WrongSlotHeaderOnTheWriteAbandonsIt) {
  ASSERT_EQ(send("P"), kOk);
  send("A");
  send(QByteArray(14, '\0'));
  send(slotHeader(3, 0));
  EXPECT_EQ(send("P"), kOk);
}

TEST_F(EngineTest, ClockRunsAndCanBeSet) {
  engine.setClock(ClockBytes{0x58, 0x59, 0x23, 0x31, 0x12, 0x09}, 0);
  EXPECT_EQ(engine.clockAt(3000), (ClockBytes{0x01, 0x00, 0x00, 0x01, 0x01, 0x10}));
  ASSERT_EQ(send("P"), kOk);
  EXPECT_TRUE(send("T").isEmpty());
  EXPECT_EQ(send(QByteArray("\x00\x30\x12\x15\x06\x22", 6)), kOk);
  EXPECT_EQ(engine.clockAt(now), (ClockBytes{0x00, 0x30, 0x12, 0x15, 0x06, 0x22}));
  engine.faults().badClock = true;
  ASSERT_EQ(send("R"), kOk);
  EXPECT_EQ(send("T"), QByteArray("\x7A\x5F\xB3\xC1\x1D\xEE", 6));
}

TEST_F(EngineTest, MemoryTestCommands) {
  engine.setEventCount(5);
  EXPECT_EQ(send("AT#X2\r"), QByteArray(1, '\0'));  // nothing to check yet
  EXPECT_EQ(send("AT#"), QByteArray());
  EXPECT_EQ(send("X1\r"), kOk);
  EXPECT_EQ(engine.eventCount(), 0);
  EXPECT_EQ(send("AT#X2\r"), kOk);
  EXPECT_EQ(send("ATR"), kOk);  // not a command: the R greets
  engine.reset();
  engine.faults().faultyMemory = true;
  EXPECT_EQ(send("AT#X2\r"), QByteArray(1, '\0'));
}

TEST(SampleConfig, ARealisticReceiver) {
  ConfigImage img;
  buildSample(img);
  EXPECT_EQ(img[off::kExpanderCount], popcount16(img.mask()));
  EXPECT_EQ(img.phoneCount(2), 12);
  EXPECT_EQ(commentText(img.record(0, 1)), toCp1251(QStringLiteral("Склад №2")));
  EXPECT_EQ(raspactel(img.sim(4), Decoding::MainWindow), QByteArray("84957770004"));
  SlotTypes types{};
  ASSERT_TRUE(parseChannelTypes(kSampleChannelTypes, types));
  EXPECT_TRUE(isLineChannel(types[4]) && isLineChannel(types[5]) && !isLineChannel(types[0]));
  EXPECT_FALSE(parseChannelTypes("0066", types));

  buildFull(img);
  for (int s = 0; s < kSlotCount; ++s) EXPECT_EQ(img.phoneCount(s), 200);
}

TEST(SimOptions, ParsesFaultsAndRejectsNonsense) {
  SimOptions o;
  QString message;
  EXPECT_EQ(parseSimOptions({"halvorn-sim", "--answer-on-try", "3", "--count-over-200", "15", "--refuse", "--paced",
                             "--channel-types", "0000000000000066"},
                            o, message),
            ParseResult::Run);
  EXPECT_EQ(o.faults.answerOnTry, 3);
  EXPECT_EQ(o.faults.countOver200Slot, 15);
  EXPECT_TRUE(o.faults.refuse && o.serve.paced);

  EXPECT_EQ(parseSimOptions({"halvorn-sim", "--wrong-header", "16"}, o, message), ParseResult::Error);
  EXPECT_EQ(parseSimOptions({"halvorn-sim", "--channel-types", "06"}, o, message), ParseResult::Error);
  EXPECT_EQ(parseSimOptions({"halvorn-sim", "--help"}, o, message), ParseResult::Exit);
  for (const char* name : {"--load", "--save-on-write", "--sample", "--link", "--silent", "--cut-after", "--bad-clock",
                           "--faulty-memory", "--model", "--firmware"})
    EXPECT_TRUE(message.contains(QLatin1String(name))) << name;
}

}  // namespace
}  // namespace orbisk::sim
