// What the conversations rely on from a port, checked once and run on every kind of port: the
// fake line the fast tests use, the real Qt port on a pseudo-terminal and a raw network port. A
// fake that drifts from the real ports would let the fast tests pass where the program fails.
#include <gtest/gtest.h>

#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>
#endif

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <ctime>
#include <functional>
#include <memory>

#include "core/link/any_port.h"
#include "core/link/qt_serial_port.h"
#include "support/cpu_time.h"
#include "support/fake_port.h"

namespace orbisk::test {
namespace {

// The receiver's end of the line, and the clock the port's waits run on.
class Peer {
 public:
  virtual ~Peer() = default;
  virtual QString portName() const = 0;
  virtual std::unique_ptr<SerialPort> makePort() = 0;
  virtual void send(const QByteArray& bytes) = 0;
  // What the port has written since the last call, once n bytes are there (or a second passed).
  virtual QByteArray takeWritten(int n) = 0;
  // Lets bytes sent by the peer reach the port's side of the line.
  virtual void settle() {}
  virtual void hangUp() = 0;
  virtual qint64 nowMs() = 0;
};

class FakePeer : public Peer {
 public:
  QString portName() const override { return QStringLiteral("COM1"); }
  std::unique_ptr<SerialPort> makePort() override { return std::make_unique<FakePort>(line_); }
  void send(const QByteArray& bytes) override { line_.arriveNow(bytes); }
  QByteArray takeWritten(int) override {
    const QByteArray all = line_.allWritten();
    const QByteArray fresh = all.mid(taken_);
    taken_ = all.size();
    return fresh;
  }
  void hangUp() override { line_.gone = true; }
  qint64 nowMs() override { return clock_.now; }

 private:
  FakeClock clock_{1000};
  FakeLine line_{clock_};
  qsizetype taken_ = 0;
};

#ifndef _WIN32
// A pseudo-terminal whose master end we hold, as a USB adapter's far side. (Windows has none;
// under Wine a COM port cannot be tried either: see the README.)
class PtyPeer : public Peer {
 public:
  PtyPeer() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) name_ = QString::fromLocal8Bit(ptsname(master_));
    timer_.start();
  }
  ~PtyPeer() override { hangUp(); }
  QString portName() const override { return name_; }
  std::unique_ptr<SerialPort> makePort() override { return std::make_unique<QtSerialPort>(); }
  void send(const QByteArray& bytes) override {
    ASSERT_EQ(::write(master_, bytes.constData(), static_cast<size_t>(bytes.size())), bytes.size());
  }
  QByteArray takeWritten(int n) override {
    QByteArray got;
    QElapsedTimer waited;
    waited.start();
    while (got.size() < n && waited.elapsed() < 1000) {
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      char buf[256];
      const ssize_t r = ::read(master_, buf, sizeof buf);
      if (r > 0) got.append(buf, static_cast<qsizetype>(r));
    }
    return got;
  }
  void settle() override { QThread::msleep(50); }
  void hangUp() override {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }
  qint64 nowMs() override { return timer_.elapsed(); }

 private:
  int master_ = -1;
  QString name_;
  QElapsedTimer timer_;
};
#endif

// A serial-device server's raw TCP port, as the program names it: tcp://HOST:PORT.
class TcpPeer : public Peer {
 public:
  TcpPeer() {
    server_.listen(QHostAddress::LocalHost);
    timer_.start();
  }
  QString portName() const override { return QStringLiteral("tcp://127.0.0.1:%1").arg(server_.serverPort()); }
  std::unique_ptr<SerialPort> makePort() override { return std::make_unique<AnyPort>(); }
  void send(const QByteArray& bytes) override {
    QTcpSocket* s = client();
    ASSERT_NE(s, nullptr);
    s->write(bytes);
    s->waitForBytesWritten(1000);
  }
  QByteArray takeWritten(int n) override {
    QTcpSocket* s = client();
    QByteArray got;
    QElapsedTimer waited;
    waited.start();
    while (s && got.size() < n && waited.elapsed() < 5000) {
      if (s->bytesAvailable() == 0) s->waitForReadyRead(50);
      got += s->readAll();
    }
    return got;
  }
  void settle() override { QThread::msleep(50); }
  void hangUp() override {
    if (QTcpSocket* s = client()) s->close();
  }
  qint64 nowMs() override { return timer_.elapsed(); }

 private:
  // The port connects when it opens, anew after every close; the newest connection is the line.
  QTcpSocket* client() {
    server_.waitForNewConnection(client_ ? 0 : 1000);
    while (server_.hasPendingConnections()) client_ = server_.nextPendingConnection();
    return client_;
  }
  QTcpServer server_;
  QTcpSocket* client_ = nullptr;
  QElapsedTimer timer_;
};

using PeerMaker = std::function<std::unique_ptr<Peer>()>;

struct PortKind {
  const char* name;
  PeerMaker make;
};

class PortContract : public ::testing::TestWithParam<PortKind> {
 protected:
  void SetUp() override {
    peer = GetParam().make();
    ASSERT_FALSE(peer->portName().isEmpty());
    port = peer->makePort();
    ASSERT_EQ(port->open(peer->portName()), PortOpen::Ok);
  }
  void TearDown() override {
    if (port) port->close();
  }
  // Reads n bytes, each within the port's one-byte wait, giving up after 200 empty waits.
  QByteArray readBytes(int n) {
    QByteArray got;
    for (int empty = 0; got.size() < n && empty < 200;) {
      uint8_t b = 0;
      if (port->readByte(b)) got.append(static_cast<char>(b));
      else ++empty;
    }
    return got;
  }
  std::unique_ptr<Peer> peer;
  std::unique_ptr<SerialPort> port;
};

// Every byte value goes both ways unchanged and in order, the zero byte that refuses and the
// line ends of an acknowledgement among them; a write has left when it returns.
TEST_P(PortContract, BytesPassBothWaysUnchanged) {
  QByteArray all;
  for (int v = 0; v < 256; ++v) all.append(static_cast<char>(v));
  ASSERT_TRUE(port->write(reinterpret_cast<const uint8_t*>(all.constData()), static_cast<int>(all.size())));
  EXPECT_EQ(peer->takeWritten(256), all);
  peer->send(all);
  EXPECT_EQ(readBytes(256), all);
}

// A block read takes what has arrived in runs: in order, never more than asked, nothing lost
// between runs of different lengths; with nothing there it waits like a one-byte read.
TEST_P(PortContract, RunsOfBytesComeInOrderAndNoMoreThanAsked) {
  QByteArray all;
  for (int v = 0; v < 200; ++v) all.append(static_cast<char>(v ^ 0x5A));
  peer->send(all);
  QByteArray got;
  uint8_t buf[64];
  for (int empty = 0, max = 1; got.size() < all.size() && empty < 200; max = max % 37 + 1) {
    std::memset(buf, 0xEE, sizeof buf);
    const int n = port->readSome(buf, max);
    ASSERT_GE(n, 0);
    ASSERT_LE(n, max);
    EXPECT_EQ(buf[max], 0xEE) << "wrote past what was asked";
    if (n == 0) ++empty;
    got.append(reinterpret_cast<const char*>(buf), n);
  }
  EXPECT_EQ(got, all);
  const qint64 start = peer->nowMs();
  EXPECT_EQ(port->readSome(buf, 32), 0);
  EXPECT_GE(peer->nowMs() - start, 8);
}

// An empty read waits about 10 ms on the port's clock: long enough not to spin a core while a
// conversation waits, short enough for the window to repaint between reads.
TEST_P(PortContract, AnEmptyReadWaitsAboutTenMilliseconds) {
  const qint64 start = peer->nowMs();
  const double cpu = processCpuSeconds();
  uint8_t b = 0;
  for (int i = 0; i < 20; ++i) ASSERT_FALSE(port->readByte(b));
  const qint64 waited = peer->nowMs() - start;
  EXPECT_GE(waited, 20 * 8);
  EXPECT_LE(waited, 20 * 60);
  EXPECT_LT(processCpuSeconds() - cpu, 0.1) << "the waits spin";
}

// A purge drops what had arrived before it and nothing that comes after.
TEST_P(PortContract, PurgeDropsOnlyWhatArrivedBefore) {
  peer->send("late reply\r\n");
  peer->settle();
  port->purge();
  peer->send("OK\r\n");
  EXPECT_EQ(readBytes(4), QByteArray("OK\r\n"));
}

// A line whose far end went away says so, so that the conversation ends at once instead of
// waiting out its time-outs.
TEST_P(PortContract, AFarEndThatGoesAwayIsVanished) {
  peer->hangUp();
  uint8_t b = 0;
  const qint64 start = peer->nowMs();
  for (int i = 0; i < 3 && !port->vanished(); ++i) EXPECT_FALSE(port->readByte(b));
  EXPECT_TRUE(port->vanished());
  EXPECT_LE(peer->nowMs() - start, 200);
}

// Every conversation opens and closes the port afresh.
TEST_P(PortContract, ClosedAndOpenedAgainItWorks) {
  port->close();
  ASSERT_EQ(port->open(peer->portName()), PortOpen::Ok);
  peer->send("R");
  EXPECT_EQ(readBytes(1), QByteArray("R"));
  const uint8_t ok[] = {'O', 'K'};
  ASSERT_TRUE(port->write(ok, 2));
  EXPECT_EQ(peer->takeWritten(2), QByteArray("OK"));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PortContract,
    ::testing::Values(PortKind{"fake", [] { return std::unique_ptr<Peer>(std::make_unique<FakePeer>()); }},
#ifndef _WIN32
                      PortKind{"pty", [] { return std::unique_ptr<Peer>(std::make_unique<PtyPeer>()); }},
#endif
                      PortKind{"tcp", [] { return std::unique_ptr<Peer>(std::make_unique<TcpPeer>()); }}),
    [](const ::testing::TestParamInfo<PortKind>& info) { return std::string(info.param.name); });

// Only a real port can be absent or held by another program; both read as busy.
TEST(QtPortOpen, AnAbsentDeviceOrAnEmptyNameIsBusy) {
  QtSerialPort port;
  EXPECT_EQ(port.open(QStringLiteral("/dev/orbisk-no-such-port")), PortOpen::Busy);
  EXPECT_EQ(port.open(QString()), PortOpen::Busy);
}

}  // namespace
}  // namespace orbisk::test
