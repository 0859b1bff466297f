#include "core/link/port_list.h"

#include <QDir>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>

#include "core/link/remote_port_name.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace orbisk {
namespace {

// Device families that may be missing from the system's port list (old UARTs, adapters whose
// driver registers no port information) and are still worth a try.
const QStringList kUnixPatterns = {
    QStringLiteral("ttyS*"),   QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"),
    QStringLiteral("ttyAMA*"), QStringLiteral("rfcomm*"), QStringLiteral("cu.*"),
};

QStringList windowsNames() {
  QStringList names;
  for (int n = 1; n <= kLastWindowsPort; ++n) names.append(windowsPortName(n));
  return names;
}

QStringList unixNames(const PortEnumerator& candidates) {
  QStringList names = candidates ? candidates() : QStringList();
  names.removeDuplicates();
  std::sort(names.begin(), names.end(), naturalLess);
  return names;
}

// The number in a run of digits starting at i, as text without leading zeros; i moves past it.
QStringView digitRun(const QString& s, qsizetype& i) {
  while (i + 1 < s.size() && s.at(i) == QLatin1Char('0') && s.at(i + 1).isDigit()) ++i;
  const qsizetype start = i;
  while (i < s.size() && s.at(i).isDigit()) ++i;
  return QStringView(s).mid(start, i - start);
}

}  // namespace

QString windowsPortName(int n) { return QStringLiteral("\\\\.\\COM") + QString::number(n); }

bool naturalLess(const QString& a, const QString& b) {
  qsizetype i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (a.at(i).isDigit() && b.at(j).isDigit()) {
      const QStringView x = digitRun(a, i);
      const QStringView y = digitRun(b, j);
      if (x.size() != y.size()) return x.size() < y.size();
      if (const int c = x.compare(y); c != 0) return c < 0;
      continue;
    }
    if (a.at(i) != b.at(j)) return a.at(i) < b.at(j);
    ++i;
    ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b;  // "ttyS01" and "ttyS1" still get a fixed order
}

PortListing listPorts(const PortSource& source, const QString& currentPort) {
  const QStringList names =
      source.naming == PortNaming::Windows ? windowsNames() : unixNames(source.candidates);
  PortListing listing;
  for (const QString& name : names) {
    if (source.probe && source.probe(name)) listing.entries.append(name);
    if (name == currentPort) listing.selected = static_cast<int>(listing.entries.size()) - 1;
  }
  return listing;
}

void addRecentRemotePorts(PortListing& listing, const QStringList& recent, const QString& currentPort) {
  for (const QString& name : recent) {
    if (!isRemotePortName(name) || listing.entries.contains(name)) continue;
    listing.entries.append(name);
    if (name == currentPort) listing.selected = static_cast<int>(listing.entries.size()) - 1;
  }
}

QStringList withRecentRemotePort(QStringList recent, const QString& port) {
  if (!isRemotePortName(port)) return recent;
  recent.removeAll(port);
  recent.prepend(port);
  while (recent.size() > kRecentRemotePorts) recent.removeLast();
  return recent;
}

#ifdef Q_OS_WIN

bool probeSerialPort(const QString& name) {
  // Read access and no sharing: a port another program holds open fails here.
  const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(name.utf16()), GENERIC_READ, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

QStringList serialPortCandidates() { return {}; }

PortSource nativePortSource() { return {PortNaming::Windows, probeSerialPort, serialPortCandidates}; }

#else

bool probeSerialPort(const QString& name) {
  // Opened the way the conversations open it, so a device we may only read, or one locked by
  // another program, is not offered.
  QSerialPort port;
  port.setPortName(name);
  if (!port.open(QIODevice::ReadWrite)) return false;
  port.close();
  return true;
}

QStringList serialPortCandidates() {
  QStringList names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) names.append(info.systemLocation());
  const QDir dev(QStringLiteral("/dev"));
  for (const QString& entry : dev.entryList(kUnixPatterns, QDir::System | QDir::Files | QDir::NoDotAndDotDot))
    names.append(dev.filePath(entry));
  return names;
}

PortSource nativePortSource() { return {PortNaming::Unix, probeSerialPort, serialPortCandidates}; }

#endif

}  // namespace orbisk
