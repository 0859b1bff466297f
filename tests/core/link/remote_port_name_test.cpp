// Which names are network ports, and the list of those used lately.
#include <gtest/gtest.h>

#include "core/link/port_list.h"
#include "core/link/remote_port_name.h"

namespace orbisk {
namespace {

TEST(RemotePortName, AcceptsHostAndPortOnly) {
  RemotePortName r;
  ASSERT_TRUE(parseRemotePortName(QStringLiteral("tcp://127.0.0.1:7001"), r));
  EXPECT_EQ(r.kind, RemoteKind::Raw);
  EXPECT_EQ(r.host, QStringLiteral("127.0.0.1"));
  EXPECT_EQ(r.port, 7001);
  ASSERT_TRUE(parseRemotePortName(QStringLiteral("RFC2217://[::1]:65535"), r));
  EXPECT_EQ(r.kind, RemoteKind::Rfc2217);
  EXPECT_EQ(r.host, QStringLiteral("::1"));
  EXPECT_EQ(r.port, 65535);
  ASSERT_TRUE(parseRemotePortName(QStringLiteral("tcp://site-12.example:4001"), r));
  for (const char* bad : {"tcp://127.0.0.1", "tcp://127.0.0.1:0", "tcp://127.0.0.1:65536", "tcp://:7001",
                          "tcp://h:7001/x", "tcp://u@h:7001", "tcp://h:7001?a", "tcp://h:port", "telnet://h:23",
                          "/dev/ttyUSB0", "COM1", ""})
    EXPECT_FALSE(parseRemotePortName(QString::fromLatin1(bad), r)) << bad;
  EXPECT_TRUE(isRemotePortName(QStringLiteral("tcp://h")));  // a network port, even a wrong one
  EXPECT_FALSE(isRemotePortName(QStringLiteral("/dev/tcp")));
}

TEST(RecentRemotePorts, NewestFirstOnceAtMostEight) {
  QStringList recent;
  for (int i = 0; i < 10; ++i) recent = withRecentRemotePort(recent, QStringLiteral("tcp://h:%1").arg(7000 + i));
  recent = withRecentRemotePort(recent, QStringLiteral("tcp://h:7005"));
  recent = withRecentRemotePort(recent, QStringLiteral("/dev/ttyUSB0"));
  ASSERT_EQ(recent.size(), 8);
  EXPECT_EQ(recent.first(), QStringLiteral("tcp://h:7005"));
  EXPECT_EQ(recent.count(QStringLiteral("tcp://h:7005")), 1);
  EXPECT_EQ(recent.at(1), QStringLiteral("tcp://h:7009"));
  EXPECT_FALSE(recent.contains(QStringLiteral("tcp://h:7001")));
}

TEST(RecentRemotePorts, OfferedAfterProbedPortsWithoutProbing) {
  QStringList probed;
  PortSource source{PortNaming::Unix, [&](const QString& n) { probed << n; return true; },
                    [] { return QStringList{QStringLiteral("/dev/ttyS0")}; }};
  PortListing l = listPorts(source, QStringLiteral("rfc2217://b:2"));
  addRecentRemotePorts(l, {QStringLiteral("tcp://a:1"), QStringLiteral("rfc2217://b:2"), QStringLiteral("junk")},
                       QStringLiteral("rfc2217://b:2"));
  EXPECT_EQ(l.entries, (QStringList{QStringLiteral("/dev/ttyS0"), QStringLiteral("tcp://a:1"), QStringLiteral("rfc2217://b:2")}));
  EXPECT_EQ(l.selected, 2);
  EXPECT_EQ(probed, QStringList{QStringLiteral("/dev/ttyS0")});
}

}  // namespace
}  // namespace orbisk
