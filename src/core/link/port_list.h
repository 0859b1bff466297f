// Which serial ports the port dialog offers: the ones that can be opened right now, in order,
// and which of them stands for the port in use. No widgets here, so tests can fake the devices.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace orbisk {

enum class PortNaming {
  Windows,  // "\\.\COM1" to "\\.\COM24"
  Unix,     // device paths found under /dev
};

// True when the named device could be opened (and has been closed again).
using PortProbe = std::function<bool(const QString& name)>;
// Device paths worth probing on Unix-like systems, in any order.
using PortEnumerator = std::function<QStringList()>;

struct PortSource {
  PortNaming naming = PortNaming::Unix;
  PortProbe probe;
  PortEnumerator candidates;  // not used for Windows naming
};

struct PortListing {
  QStringList entries;
  int selected = -1;  // -1: no entry stands for the current port
};

constexpr int kLastWindowsPort = 24;

// "\\.\COM" followed by the number.
QString windowsPortName(int n);
// ttyS2 before ttyS10: runs of digits compare by their value.
bool naturalLess(const QString& a, const QString& b);

// The openable ports in order. When the current port is one of the names tried, the selection is
// the last entry added up to it: its own entry, or the nearest lower one when it did not open.
PortListing listPorts(const PortSource& source, const QString& currentPort);

// Network ports used lately (most recent first), after the probed ones and never probed: a dead
// host must not hold the dialog up. One of them stands for the current port when it is that port.
void addRecentRemotePorts(PortListing& listing, const QStringList& recent, const QString& currentPort);
// The list of recent network ports once port has been used: in front, once, at most a few.
QStringList withRecentRemotePort(QStringList recent, const QString& port);
constexpr int kRecentRemotePorts = 8;

// The platform's naming, probe and device search.
PortSource nativePortSource();
bool probeSerialPort(const QString& name);
QStringList serialPortCandidates();

}  // namespace orbisk
