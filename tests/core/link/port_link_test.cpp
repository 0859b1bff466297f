#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

#include <QElapsedTimer>
#include <ctime>

#include "core/link/qt_serial_port.h"
#include "support/link_fixture.h"

namespace orbisk::test {
namespace {

template <size_t N>
QByteArray bytes(const char (&s)[N]) {
  return QByteArray(s, N - 1);
}

class PortLinkTest : public LinkFixture {
 protected:
  void SetUp() override {
    detachEngine();
    ASSERT_TRUE(link().setdcb());
  }
  PortLink& link() { return receiver->link(); }
  // Sends one byte and waits for an acknowledgement with a time-out of 1 s.
  bool exchange() {
    const uint8_t r = 'R';
    return link().vvod(&r, 1, 10);
  }
  QByteArray received(int n) const { return QByteArray(reinterpret_cast<const char*>(receiver->link().received()), n); }
  // Replies come a moment after the send, so the purge before it does not take them.
  void reply(const QByteArray& bytes, uint32_t after = 5) { line.arrive(bytes, clock.now + after); }
};

TEST_F(PortLinkTest, AcknowledgementIsALineBeginningWithOk) {
  struct Case {
    QByteArray reply;
    bool acknowledged;
    int code;
  };
  const Case cases[] = {
      {bytes("OK\r\n"), true, 0},
      {bytes("\r\nECHO\r\nOK\r\n"), true, 0},  // other lines first are skipped
      {bytes("OKAY\n"), true, 0},              // only two bytes are compared
      {bytes("OK"), false, 1},                  // no line feed: never complete
      {bytes("O\n"), false, 1},
      {bytes("\n"), false, 1},
      {bytes("ECHO\r\n\0OK\r\n"), false, 2},    // a zero byte refuses, even after other lines
      {bytes("O\0"), false, 2},
  };
  for (const Case& c : cases) {
    reply(c.reply);
    link().setOutcome(LinkOutcome::WrongSlot);
    EXPECT_EQ(exchange(), c.acknowledged) << c.reply.toHex().constData();
    EXPECT_EQ(resultCode(link().outcome()), c.code) << c.reply.toHex().constData();
  }
}

TEST_F(PortLinkTest, SkippedLinesStayInFrontOfTheAcknowledgement) {
  reply("\r\nOK\r\n");
  ASSERT_TRUE(exchange());
  EXPECT_EQ(received(6), QByteArray("\r\nOK\r\n"));
}

TEST_F(PortLinkTest, RefusalEndsTheExchangeAtOnce) {
  reply(bytes("AB\0"), 100);
  const uint32_t start = clock.now;
  EXPECT_FALSE(exchange());
  EXPECT_EQ(resultCode(link().outcome()), 2);
  EXPECT_LT(clock.now - start, 200u);
}

TEST_F(PortLinkTest, LateRepliesAreDiscardedBeforeEachSend) {
  line.arriveNow("OK\r\n");  // an answer to something earlier
  EXPECT_FALSE(exchange());
  EXPECT_EQ(resultCode(link().outcome()), 1);
  EXPECT_EQ(line.purgedBytes, 4);

  line.arriveNow("late");
  const uint8_t a = 'A';
  link().wrport(&a, 1);
  EXPECT_EQ(line.purgedBytes, 8);
  EXPECT_EQ(line.writes.back(), QByteArray("A"));
}

TEST_F(PortLinkTest, TimeOutOfTenAllowsExactlyOneSecond) {
  reply("OK\r\n", 1000);
  EXPECT_TRUE(exchange());
  reply("OK\r\n", 1001);
  const uint32_t start = clock.now;
  EXPECT_FALSE(exchange());
  EXPECT_EQ(resultCode(link().outcome()), 1);
  EXPECT_GT(clock.now - start, 1000u);
  EXPECT_LE(clock.now - start, 1010u);
}

TEST_F(PortLinkTest, TimeOutSurvivesTheTickWrappingAround) {
  clock.now = 0xFFFFFF00u;
  reply("OK\r\n", 900);
  EXPECT_TRUE(exchange());
  reply("OK\r\n", 1100);
  EXPECT_FALSE(exchange());
  EXPECT_EQ(resultCode(link().outcome()), 1);
}

TEST_F(PortLinkTest, EndlessTalkCannotRunPastTheReceiveBuffer) {
  // The 'O' of the acknowledgement is the buffer's last byte; its 'K' comes after the wrap.
  QByteArray talk(kImageSize - 2, 'x');
  talk += "\nOK\r\n";
  reply(talk);
  EXPECT_TRUE(exchange());
  EXPECT_EQ(received(2), QByteArray("OK"));

  reply(QByteArray(3 * kImageSize, 'y') + QByteArray(1, '\0'));
  EXPECT_FALSE(exchange());
  EXPECT_EQ(resultCode(link().outcome()), 2);
}

TEST_F(PortLinkTest, BlockReadKeepsWhatCameAndDoesNotResetTheCode) {
  link().setOutcome(LinkOutcome::ChannelTypesMissing);
  line.arriveNow("abcdef");
  EXPECT_EQ(link().report(6, 10), 6);
  EXPECT_EQ(resultCode(link().outcome()), 9);
  EXPECT_EQ(received(6), QByteArray("abcdef"));

  line.arrive("xyz", clock.now + 1000);
  const uint32_t start = clock.now;
  EXPECT_EQ(link().report(6, 10), 0);
  EXPECT_EQ(resultCode(link().outcome()), 1);
  EXPECT_EQ(received(3), QByteArray("xyz"));
  EXPECT_GT(clock.now - start, 1000u);
}

// At 1200 baud a block read rests while the bytes it needs cannot have come, so a record costs a
// few wake-ups, not one a byte; it never rests past a byte's arrival, nor at all on a fast line.
TEST_F(PortLinkTest, ABlockAtLineSpeedTakesFewWakeUpsAndNoLongerThanTheLine) {
  const auto trickle = [this](int n) {
    const uint32_t at = clock.now;
    for (int i = 0; i < n; ++i) line.arrive(QByteArray(1, char('a' + i)), at + 5 + (i * 25 + 2) / 3);  // 8.33 ms apart
    return at + 5 + ((n - 1) * 25 + 2) / 3;  // when the last one is there
  };
  line.readRun = 64;
  trickle(6);
  ASSERT_EQ(link().report(6, 10), 6);  // the clock's block tells the line's speed
  pumps = 0;
  const uint32_t last = trickle(32);
  ASSERT_EQ(link().report(32, 10), 32);
  EXPECT_EQ(received(32), QByteArray("abcdefghijklmnopqrstuvwxyz{|}~\x7f\x80"));
  EXPECT_LE(pumps, 10);
  EXPECT_LE(clock.now, last + 10);

  // A fast line (a pseudo-terminal, a network port) brings blocks at once: no rests at all.
  line.arrive(QByteArray(32, 'x'), clock.now + 1);
  ASSERT_EQ(link().report(32, 10), 32);
  clock.sleeps.clear();
  line.arrive(QByteArray(16, 'y'), clock.now + 1);
  line.arrive(QByteArray(16, 'z'), clock.now + 3);
  ASSERT_EQ(link().report(32, 10), 32);
  EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(PortLinkTest, WaitsPumpEventsButTheDelaySleepsWithoutPumping) {
  reply("OK\r\n", 30);
  exchange();
  EXPECT_GT(pumps, 3);

  pumps = 0;
  const uint32_t start = clock.now;
  clock.sleeps.clear();
  link().delay1(50);
  EXPECT_EQ(pumps, 0);
  EXPECT_EQ(clock.now - start, 501u);
  // Sleeps in short steps, never a spin: no step is empty and none is long.
  for (int ms : clock.sleeps) EXPECT_TRUE(ms > 0 && ms <= 10) << ms;
}

TEST_F(PortLinkTest, AbortEndsAWaitAsIfTheReceiverWereSilent) {
  reply("OK\r\n", 800);
  onPump = [this] {
    if (pumps == 3) link().requestAbort();
  };
  const uint32_t start = clock.now;
  EXPECT_FALSE(exchange());
  EXPECT_EQ(resultCode(link().outcome()), 1);
  EXPECT_LT(clock.now - start, 100u);
  link().delay1(50);
  EXPECT_LT(clock.now - start, 100u);
}

TEST_F(PortLinkTest, AfterAnAbortNothingMoreIsSent) {
  link().requestAbort();
  const uint8_t a = 'A';
  EXPECT_FALSE(link().wrport(&a, 1));
  EXPECT_FALSE(exchange());
  EXPECT_EQ(resultCode(link().outcome()), 1);
  EXPECT_TRUE(line.writes.empty());
}

TEST_F(PortLinkTest, AVanishedDeviceEndsEveryWaitAtOnce) {
  reply("OK\r\n", 800);
  onPump = [this] {
    if (pumps == 2) line.gone = true;
  };
  const uint32_t start = clock.now;
  EXPECT_FALSE(exchange());
  EXPECT_EQ(resultCode(link().outcome()), 1);
  EXPECT_EQ(link().report(6, 10), 0);
  link().delay1(50);
  EXPECT_LT(clock.now - start, 100u);
  const size_t sent = line.writes.size();
  EXPECT_FALSE(exchange());
  EXPECT_EQ(line.writes.size(), sent);
}

TEST(Strncmp1, GivesThePositionOfTheFirstDifference) {
  const uint8_t a[] = {'O', 'K', 'x'};
  const uint8_t b[] = {'O', 'K', 'y'};
  EXPECT_EQ(strncmp1(a, b, 2), 0);
  EXPECT_EQ(strncmp1(a, b, 3), 3);
  const uint8_t c[] = {'0', 'K'};
  EXPECT_EQ(strncmp1(a, c, 2), 1);
}

class SetdcbTest : public LinkFixture {};

TEST_F(SetdcbTest, BusyPortShowsTheBoxAndLeavesTheCode) {
  line.openResult = PortOpen::Busy;
  receiver->link().setOutcome(LinkOutcome::RecordMissing);
  EXPECT_FALSE(receiver->link().setdcb());
  EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Порт занят|error")});
  EXPECT_EQ(receiver->outcome(), LinkOutcome::RecordMissing);
  EXPECT_FALSE(receiver->link().isOpen());
}

TEST_F(SetdcbTest, RefusedSettingsFailQuietlyAndLeaveClosingToTheCaller) {
  line.openResult = PortOpen::SettingsRefused;
  EXPECT_FALSE(receiver->link().setdcb());
  EXPECT_TRUE(prompter.messages.isEmpty());
  EXPECT_TRUE(line.open);
  receiver->link().closePort();
  EXPECT_FALSE(line.open);
  EXPECT_EQ(line.openedName, QStringLiteral("/dev/fake0"));
}

TEST(QtSerialPort, NamesThatCannotBeOpenedAreBusy) {
  QtSerialPort port;
  EXPECT_EQ(port.open(QString()), PortOpen::Busy);
  EXPECT_EQ(port.open(QStringLiteral("/nonexistent/ttyHalvorn")), PortOpen::Busy);
}

// Needs a pseudo-terminal, which Windows lacks.
#ifndef _WIN32
TEST(QtSerialPort, AClosedOtherEndIsAVanishedDeviceAndWaitsStillSleep) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  QtSerialPort port;
  ASSERT_EQ(port.open(QString::fromLocal8Bit(ptsname(master))), PortOpen::Ok);
  uint8_t b = 0;
  EXPECT_FALSE(port.readByte(b));  // a quiet line first
  EXPECT_FALSE(port.vanished());
  ::close(master);
  QElapsedTimer wall;
  wall.start();
  const std::clock_t cpu = std::clock();
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(port.readByte(b));
  const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
  EXPECT_TRUE(port.vanished());
  // Twenty waits of about 10 ms each, slept rather than spun.
  EXPECT_GE(wall.elapsed(), 180);
  EXPECT_LT(cpuMs, 50.0);
  port.close();
}
#endif

}  // namespace
}  // namespace orbisk::test
