#include "core/state/preferences.h"
#include "core/state/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace orbisk {
namespace {

const QString kPort = QStringLiteral("pr");
const QString kFolder = QStringLiteral("fn");
const QString kTraceOn = QStringLiteral("trace");
const QString kTraceFile = QStringLiteral("tracefile");
const QString kRecentRemote = QStringLiteral("remoteports");
const QString kVerifyWrites = QStringLiteral("verifywrites");
const QString kReadTwice = QStringLiteral("readtwice");

QString defaultTraceFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/orbsk/orbisk-trace.log");
}

std::unique_ptr<QSettings> openSettings(const QString& iniPath) {
  if (!iniPath.isEmpty()) return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
#ifdef Q_OS_WIN
  return std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\orbsk\\orbsk"),
                                     QSettings::NativeFormat);
#else
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("orbsk"),
                                     QStringLiteral("orbsk"));
#endif
}

bool keyExists(QSettings& s) {
  if (s.format() == QSettings::IniFormat) return QFileInfo::exists(s.fileName());
  return !s.childKeys().isEmpty();
}

QString textValue(const QSettings& s, const QString& name) {
  const QVariant v = s.value(name);
  return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

}  // namespace

Preferences::Preferences(QString iniPath) : iniPath_(std::move(iniPath)) {
  if (iniPath_.isEmpty()) iniPath_ = qEnvironmentVariable("ORBISK_PREFS_FILE");
  // Resolved once, against the start folder: the program moves to the stored folder later.
  if (!iniPath_.isEmpty()) iniPath_ = QFileInfo(iniPath_).absoluteFilePath();
}

QString Preferences::location() const { return openSettings(iniPath_)->fileName(); }

bool Preferences::read(QString& port, QString& folder) const {
  auto s = openSettings(iniPath_);
  if (!keyExists(*s)) return false;
  port = textValue(*s, kPort);
  folder = textValue(*s, kFolder);
  return true;
}

bool Preferences::write(const QString& port, const QString& folder) const {
  auto s = openSettings(iniPath_);
  s->setValue(kPort, port);
  s->setValue(kFolder, folder);
  s->sync();
  return s->status() == QSettings::NoError;
}

Preferences::Trace Preferences::readTrace() const {
  auto s = openSettings(iniPath_);
  Trace t;
  t.on = textValue(*s, kTraceOn) == QLatin1String("1");
  t.file = textValue(*s, kTraceFile);
  if (t.file.isEmpty()) t.file = defaultTraceFile();
  return t;
}

bool Preferences::writeTrace(const Trace& trace) const {
  auto s = openSettings(iniPath_);
  s->setValue(kTraceOn, trace.on ? QStringLiteral("1") : QStringLiteral("0"));
  s->setValue(kTraceFile, trace.file);
  s->sync();
  return s->status() == QSettings::NoError;
}

// One text with the names between blanks (no port name holds one): a list of one would read
// back from an INI file as plain text, and the registry keeps plain texts best.
QStringList Preferences::readRecentRemotePorts() const {
  return textValue(*openSettings(iniPath_), kRecentRemote).split(u' ', Qt::SkipEmptyParts);
}

bool Preferences::writeRecentRemotePorts(const QStringList& ports) const {
  auto s = openSettings(iniPath_);
  s->setValue(kRecentRemote, ports.join(u' '));
  s->sync();
  return s->status() == QSettings::NoError;
}

Preferences::Checks Preferences::readChecks() const {
  auto s = openSettings(iniPath_);
  Checks c;
  const QString verify = textValue(*s, kVerifyWrites);
  if (verify == QLatin1String("yes")) c.verifyWrites = VerifyWrites::Always;
  else if (verify == QLatin1String("no")) c.verifyWrites = VerifyWrites::Never;
  c.readTwice = textValue(*s, kReadTwice) == QLatin1String("1");
  return c;
}

bool Preferences::writeChecks(const Checks& c) const {
  auto s = openSettings(iniPath_);
  const char* verify = c.verifyWrites == VerifyWrites::Always ? "yes" : c.verifyWrites == VerifyWrites::Never ? "no" : "ask";
  s->setValue(kVerifyWrites, QString::fromLatin1(verify));
  s->setValue(kReadTwice, c.readTwice ? QStringLiteral("1") : QStringLiteral("0"));
  s->sync();
  return s->status() == QSettings::NoError;
}

namespace {

// Port names hold slashes and backslashes, which the store would take for groups.
QString lastBackupKey(const QString& port) { return QStringLiteral("lastbackup_") + QString::fromLatin1(port.toUtf8().toHex()); }

}  // namespace

QString Preferences::lastBackupOf(const QString& port) const {
  auto s = openSettings(iniPath_);
  return textValue(*s, lastBackupKey(port));
}

bool Preferences::setLastBackupOf(const QString& port, const QString& path) const {
  auto s = openSettings(iniPath_);
  s->setValue(lastBackupKey(port), path);
  s->sync();
  return s->status() == QSettings::NoError;
}

namespace {

// One value a file, "recent1" the latest: a path may hold any character a list could be split at.
QString recentFileKey(int n) { return QStringLiteral("recent%1").arg(n); }

}  // namespace

QStringList Preferences::readRecentFiles() const {
  auto s = openSettings(iniPath_);
  QStringList files;
  for (int n = 1; n <= kRecentFiles; ++n) {
    const QString path = textValue(*s, recentFileKey(n));
    if (!path.isEmpty()) files.append(path);
  }
  return files;
}

bool Preferences::writeRecentFiles(const QStringList& files) const {
  auto s = openSettings(iniPath_);
  for (int n = 1; n <= kRecentFiles; ++n) {
    if (n <= files.size()) s->setValue(recentFileKey(n), files.at(n - 1));
    else s->remove(recentFileKey(n));
  }
  s->sync();
  return s->status() == QSettings::NoError;
}

bool rereg(LinkSession& session, QString& folder, const Preferences& prefs) {
  QString port = session.portName;
  QString storedFolder = folder;
  if (!prefs.read(port, storedFolder)) return false;
  session.portName = port;
  folder = storedFolder;
  return true;
}

void wrreg(const LinkSession& session, QString& folder, const Preferences& prefs) {
  folder = QDir::toNativeSeparators(QDir::currentPath());
  prefs.write(session.portName, folder);
}

}  // namespace orbisk
