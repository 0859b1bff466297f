// An abort (Ctrl+C, a closing window) or a device that goes away ends a conversation before
// anything more is sent, also in the middle of a pause.
#include <gtest/gtest.h>

#include <cstring>

#include "support/link_fixture.h"
#include "support/qt_print.h"

namespace orbisk::test {
namespace {

class AbortTest : public LinkFixture {
 protected:
  void SetUp() override {
    loadSample();
    state.image = engine.memory();
    state.expanderCount = 4;
    before = state.image;
  }
  // Aborts once the n-th sleep of the conversation's pauses is over, and remembers how much
  // had been sent by then.
  void abortAtSleep(size_t n) {
    clock.onSleep = [this, n] {
      if (clock.sleeps.size() == n) {
        receiver->requestAbort();
        sentAtAbort = line.writes.size();
      }
    };
  }
  void expectNothingSentAfterTheAbort() {
    EXPECT_NE(sentAtAbort, size_t(-1)) << "the abort never came";
    EXPECT_EQ(line.writes.size(), sentAtAbort);
    EXPECT_FALSE(line.open);
    EXPECT_FALSE(state.busy);
    EXPECT_EQ(engine.writesTaken(), 0);
  }
  // Everything but the clock stamp, which a write or clock setting takes from the PC first.
  bool imageUntouched() const {
    return std::memcmp(state.image.data() + off::kClockSize, before.data() + off::kClockSize,
                       kImageSize - off::kClockSize) == 0;
  }
  ConfigImage before;
  size_t sentAtAbort = size_t(-1);
};

TEST_F(AbortTest, InEachPauseOfAWrite) {
  // Twenty pauses of 500 ms, each slept in steps of at most 10 ms: abort inside several of them.
  for (int pause : {0, 1, 2, 3, 9, 18, 19}) {
    SCOPED_TRACE(pause);
    line.writes.clear();
    sentAtAbort = size_t(-1);
    clock.sleeps.clear();
    abortAtSleep(static_cast<size_t>(pause) * 51 + 7);
    EXPECT_FALSE(receiver->wrdump2());
    expectNothingSentAfterTheAbort();
    EXPECT_EQ(resultCode(receiver->outcome()), 1);
    EXPECT_EQ(ui.status(), QStringLiteral("Приемник не подключен "));
    EXPECT_TRUE(imageUntouched());
  }
}

TEST_F(AbortTest, InThePauseOfAReadAndOfTheShortCommands) {
  abortAtSleep(20);
  EXPECT_FALSE(receiver->rddump2());
  expectNothingSentAfterTheAbort();
  EXPECT_EQ(line.writes.back(), QByteArray("R"));  // the greeting, and not the "A" after it
  EXPECT_EQ(ui.status(), QStringLiteral("Чтение неудачнo "));
  EXPECT_TRUE(state.image == before);

  for (int command = 0; command < 3; ++command) {
    SCOPED_TRACE(command);
    line.writes.clear();
    sentAtAbort = size_t(-1);
    clock.sleeps.clear();
    abortAtSleep(30);
    const bool ok = command == 0 ? receiver->rddump1() : command == 1 ? receiver->wrdump1() : receiver->clearEventBuffer();
    EXPECT_FALSE(ok);
    expectNothingSentAfterTheAbort();
    EXPECT_EQ(line.writes.size(), 1u);  // only the greeting
  }
}

TEST_F(AbortTest, InTheGreetingABlockOrAnAcknowledgedRecord) {
  // The pump runs in every byte wait: the first is the greeting's, later ones a block's or a
  // record's acknowledgement.
  const std::pair<bool, int> cases[] = {{false, 1}, {false, 60}, {false, 400}, {true, 1}, {true, 30}, {true, 60}};
  for (const auto& [write, atPump] : cases) {
    SCOPED_TRACE(testing::Message() << (write ? "write" : "read") << " at pump " << atPump);
    state.image = before;
    line.writes.clear();
    sentAtAbort = size_t(-1);
    pumps = 0;
    onPump = [this, atPump = atPump] {
      if (pumps == atPump) {
        receiver->requestAbort();
        sentAtAbort = line.writes.size();
      }
    };
    EXPECT_FALSE(write ? receiver->wrdump2() : receiver->rddump2());
    expectNothingSentAfterTheAbort();
    EXPECT_TRUE(write ? imageUntouched() : state.image == before);
  }
  onPump = nullptr;
}

TEST_F(AbortTest, ADeviceThatVanishesEndsTheReadAtOnce) {
  onPump = [this] {
    if (pumps == 300) line.gone = true;
  };
  const uint32_t start = clock.now;
  EXPECT_FALSE(receiver->rddump2());
  // As a receiver that stopped answering: the stage's code and the read's failure text.
  EXPECT_GE(resultCode(receiver->outcome()), 2);
  EXPECT_EQ(ui.status(), QStringLiteral("Чтение неудачнo "));
  EXPECT_LT(clock.now - start, 4000u);
  EXPECT_FALSE(line.open);
  EXPECT_TRUE(state.image == before);
}

TEST_F(AbortTest, ADeviceThatVanishesEndsTheWriteAtOnce) {
  onPump = [this] {
    if (pumps == 30) line.gone = true;
  };
  const uint32_t start = clock.now;
  EXPECT_FALSE(receiver->wrdump2());
  EXPECT_EQ(resultCode(receiver->outcome()), 1);
  EXPECT_EQ(ui.status(), QStringLiteral("Приемник не подключен "));
  const size_t sent = line.writes.size();
  EXPECT_LT(clock.now - start, 6000u);  // far short of the twenty pauses of a whole write
  EXPECT_EQ(engine.writesTaken(), 0);
  EXPECT_EQ(line.writes.size(), sent);
}

}  // namespace
}  // namespace orbisk::test
