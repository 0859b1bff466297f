#include <gtest/gtest.h>

#include <QSerialPort>
#include <QSet>
#include <cstdlib>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include "core/link/port_list.h"

using namespace orbisk;

namespace {

QString com(int n) { return windowsPortName(n); }

// Windows naming over a fake set of openable port numbers; remembers what was tried.
struct FakeComPorts {
  QSet<int> openable;
  QStringList tried;
  PortSource source() {
    return {PortNaming::Windows, [this](const QString& name) {
              tried.append(name);
              for (int n : openable)
                if (name == com(n)) return true;
              return false;
            },
            {}};
  }
};

TEST(PortList, SelectionFollowsTheCurrentPortOrTheNearestLowerOne) {
  FakeComPorts ports{{1, 3}, {}};
  PortListing l = listPorts(ports.source(), com(3));
  EXPECT_EQ(l.entries, (QStringList{"\\\\.\\COM1", "\\\\.\\COM3"}));
  EXPECT_EQ(l.selected, 1);

  ports.openable = {1, 5};  // port 3 held by another program
  l = listPorts(ports.source(), com(3));
  EXPECT_EQ(l.entries, (QStringList{com(1), com(5)}));
  EXPECT_EQ(l.selected, 0);

  ports.openable = {5, 7};
  EXPECT_EQ(listPorts(ports.source(), com(3)).selected, -1) << "no lower port opened";
  ports.openable.clear();
  l = listPorts(ports.source(), com(3));
  EXPECT_TRUE(l.entries.isEmpty());
  EXPECT_EQ(l.selected, -1);
}

TEST(PortList, PlainNamesMatchNothing) {
  FakeComPorts ports{{1, 2}, {}};
  EXPECT_EQ(listPorts(ports.source(), "COM1").selected, -1);
  EXPECT_EQ(listPorts(ports.source(), "\\\\.\\com1").selected, -1) << "the comparison is case-sensitive";
  EXPECT_EQ(listPorts(ports.source(), "").selected, -1);
}

TEST(PortList, OnlyPortsOneToTwentyFourAreTriedInOrder) {
  FakeComPorts ports{{24, 25, 30}, {}};
  const PortListing l = listPorts(ports.source(), com(25));
  ASSERT_EQ(ports.tried.size(), 24);
  EXPECT_EQ(ports.tried.first(), com(1));
  EXPECT_EQ(ports.tried.last(), "\\\\.\\COM24");
  EXPECT_EQ(l.entries, QStringList{com(24)});
  EXPECT_EQ(l.selected, -1) << "port 25 is never a name the fill meets";
}

TEST(PortList, NaturalOrderComparesNumbersByValue) {
  EXPECT_TRUE(naturalLess("/dev/ttyS2", "/dev/ttyS10"));
  EXPECT_FALSE(naturalLess("/dev/ttyS10", "/dev/ttyS2"));
  EXPECT_TRUE(naturalLess("/dev/ttyS9", "/dev/ttyUSB0"));
  EXPECT_TRUE(naturalLess("/dev/ttyUSB", "/dev/ttyUSB0"));
  EXPECT_TRUE(naturalLess("a007", "a8"));
  EXPECT_FALSE(naturalLess("a1", "a1"));
  EXPECT_NE(naturalLess("a01", "a1"), naturalLess("a1", "a01")) << "equal values still get an order";
}

TEST(PortList, UnixDevicesAreListedInNaturalOrderWithoutRepeats) {
  const QStringList devices = {"/dev/ttyS10", "/dev/ttyUSB0", "/dev/ttyS2", "/dev/ttyS0", "/dev/ttyS2"};
  QStringList tried;
  const PortSource source{PortNaming::Unix,
                          [&](const QString& name) {
                            tried.append(name);
                            return name != "/dev/ttyS2";  // held by another program
                          },
                          [&] { return devices; }};
  PortListing l = listPorts(source, "/dev/ttyS2");
  EXPECT_EQ(tried, (QStringList{"/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0"}));
  EXPECT_EQ(l.entries, (QStringList{"/dev/ttyS0", "/dev/ttyS10", "/dev/ttyUSB0"}));
  EXPECT_EQ(l.selected, 0) << "the nearest lower device stands in, as with COM ports";

  l = listPorts(source, "/dev/ttyUSB0");
  EXPECT_EQ(l.selected, 2);
  EXPECT_EQ(listPorts(source, "/dev/pts/4").selected, -1);
}

#ifndef Q_OS_WIN

// A real pseudo-terminal, like the one halvorn-sim serves the receiver on.
class Pty {
 public:
  Pty() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) path_ = QString::fromLocal8Bit(ptsname(master_));
  }
  ~Pty() {
    if (master_ >= 0) ::close(master_);
  }
  const QString& path() const { return path_; }

 private:
  int master_ = -1;
  QString path_;
};

TEST(PortListOnThisSystem, ProbeOpensRealDevicesAndRefusesMissingOnes) {
  Pty pty;
  ASSERT_FALSE(pty.path().isEmpty());
  EXPECT_TRUE(probeSerialPort(pty.path()));
  EXPECT_TRUE(probeSerialPort(pty.path())) << "the probe closed the device again";
  EXPECT_FALSE(probeSerialPort("/dev/orbisk-no-such-port"));
  EXPECT_FALSE(probeSerialPort(""));

  QSerialPort holder;
  holder.setPortName(pty.path());
  ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
  EXPECT_FALSE(probeSerialPort(pty.path())) << "a port in use is not offered";
}

#endif

}  // namespace
