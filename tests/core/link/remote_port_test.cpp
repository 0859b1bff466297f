// tcp:// and rfc2217:// ports on their own: the server's line as RFC 2217 leaves it, and hosts
// that never answer, which must neither hang the conversation nor spin a core.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <ctime>
#ifndef _WIN32
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>
#endif

#include <QElapsedTimer>
#include <QThread>

#include "core/link/tcp_serial_port.h"
#include "support/ser2net_process.h"
#include "support/sim_process.h"

namespace orbisk::test {
namespace {

// ser2net's terminal line, and a listener whose full backlog leaves connections unanswered:
// Linux only (ser2net is a Linux server; Windows refuses such connections at once).
#ifndef _WIN32
struct Line {
  speed_t speed = 0;
  bool twoStopBits = false;
};

// The device's line as the server set it, read from another descriptor of the same terminal.
Line lineOf(const QString& device) {
  Line l;
  const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  termios t{};
  if (fd >= 0 && tcgetattr(fd, &t) == 0) l = {cfgetospeed(&t), (t.c_cflag & CSTOPB) != 0};
  if (fd >= 0) ::close(fd);
  return l;
}

#endif

struct Told {
  QString port, cause;
  int pumped = 0;
  PortHooks hooks() {
    PortHooks h;
    h.failed = [this](const QString& p, const QString& c) { port = p, cause = c; };
    h.pump = [this] { ++pumped; };
    return h;
  }
};

#ifndef _WIN32
TEST(RemotePort, Rfc2217SetsTheServersLineAndRawLeavesIt) {
  if (SimProcess::binary().isEmpty() || Ser2NetProcess::binary().isEmpty()) GTEST_SKIP() << "halvorn-sim or ser2net missing";
  SimProcess sim;
  ASSERT_TRUE(sim.start({}));
  Ser2NetProcess server;
  ASSERT_TRUE(server.start(sim.device(), QStringLiteral("9600n82")));
  TcpSerialPort raw;
  ASSERT_EQ(raw.open(server.rawPort()), PortOpen::Ok);
  // The server opens the device once it has taken the connection: give it a moment.
  Line left;
  for (int i = 0; i < 100 && left.speed != speed_t(B9600); ++i, QThread::msleep(10)) left = lineOf(sim.device());
  EXPECT_EQ(left.speed, speed_t(B9600)) << "the check must see the server's own setting";
  EXPECT_TRUE(left.twoStopBits);
  raw.close();
  QThread::msleep(300);  // the other accepter gets the device once the server has let it go
  Told told;
  TcpSerialPort rfc(told.hooks());
  ASSERT_EQ(rfc.open(server.rfc2217Port()), PortOpen::Ok) << told.cause.toStdString();
  const Line set = lineOf(sim.device());
  EXPECT_EQ(set.speed, speed_t(B1200));
  EXPECT_FALSE(set.twoStopBits);
}

#endif

TEST(RemotePort, ServerWithoutComPortOptionIsRefusedAfterItsTimeOut) {
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  Told told;
  TcpSerialPort port(told.hooks());
  const QString name = QStringLiteral("rfc2217://127.0.0.1:%1").arg(silent.serverPort());
  QElapsedTimer t;
  t.start();
  EXPECT_EQ(port.open(name), PortOpen::SettingsRefused);
  EXPECT_LT(t.elapsed(), 4000);
  EXPECT_EQ(told.port, name);
  EXPECT_EQ(told.cause, QStringLiteral("сервер не принимает настройки линии (RFC 2217)"));
}

#ifndef _WIN32
TEST(RemotePort, HostThatNeverAcceptsTimesOutWithoutSpinning) {
  // A listening socket with a full backlog takes no more connections: their SYNs go unanswered.
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  socklen_t len = sizeof a;
  ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len), 0);
  ASSERT_EQ(::listen(listener, 0), 0);
  QTcpSocket fill[3];
  for (QTcpSocket& s : fill) {
    s.connectToHost(QHostAddress::LocalHost, ntohs(a.sin_port));
    s.waitForConnected(300);
  }
  Told told;
  TcpSerialPort port(told.hooks());
  const std::clock_t cpu0 = std::clock();
  QElapsedTimer t;
  t.start();
  EXPECT_EQ(port.open(QStringLiteral("tcp://127.0.0.1:%1").arg(ntohs(a.sin_port))), PortOpen::Busy);
  const double cpuS = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
  EXPECT_GE(t.elapsed(), 4900);
  EXPECT_LT(t.elapsed(), 6000);
  EXPECT_LT(cpuS, 0.5) << "the wait must sleep, not spin";
  EXPECT_GT(told.pumped, 100) << "the window must repaint while it waits";
  EXPECT_EQ(told.cause, QStringLiteral("нет ответа, время ожидания истекло"));
  ::close(listener);
}
#endif

}  // namespace
}  // namespace orbisk::test
