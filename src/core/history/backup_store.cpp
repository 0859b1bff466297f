#include "core/history/backup_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <memory>
#include <vector>

#include "core/files/atomic_write.h"
#include "core/history/backup_port.h"

namespace orbisk {
namespace {

const QString kStampFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
// Enough for every backup of one second; beyond that something is looping and we stop.
constexpr int kMaxSequence = 1000;

QString kindWord(BackupKind kind) {
  switch (kind) {
    case BackupKind::Read: return QStringLiteral("read");
    case BackupKind::Write: return QStringLiteral("write");
    case BackupKind::Suspect: return QStringLiteral("suspect");
    case BackupKind::Replaced: break;
  }
  return QStringLiteral("replaced");
}

struct Found {
  QString path;
  BackupName name;
};

}  // namespace

bool newerFirst(const BackupName& x, const BackupName& y) {
  if (x.taken != y.taken) return x.taken > y.taken;
  return x.sequence > y.sequence;
}

QString backupFolder() {
  const QString fromEnv = qEnvironmentVariable("ORBISK_BACKUP_DIR");
  if (!fromEnv.isEmpty()) return fromEnv;
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/orbsk/backups");
}

QString receiverFileName(const QString& name) {
  QString out;
  for (const QChar c : name) out += c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u'_' ? c : QChar(u'_');
  while (out.startsWith(u'.')) out.remove(0, 1);
  if (out.isEmpty()) return QStringLiteral("receiver");
  // "CON" or "com1.x" cannot be made on Windows; the backups of such a receiver would be lost there.
  static const QRegularExpression device(QStringLiteral("^(con|prn|aux|nul|com\\d|lpt\\d)(\\..*)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
  if (device.match(out).hasMatch()) out.prepend(u'_');
  return out;
}

QString receiverBackupFolder(const QString& receiverName, const QString& root) {
  if (receiverName.isEmpty()) return root;
  return QDir(root).filePath(receiverFileName(receiverName));
}

QString backupFileName(const QDateTime& when, BackupKind kind, int sequence) {
  const QString suffix = sequence > 1 ? QStringLiteral("-%1").arg(sequence) : QString();
  return when.toString(kStampFormat) + u'_' + kindWord(kind) + suffix + QStringLiteral(".rcf");
}

bool parseBackupName(const QString& fileName, BackupName& out) {
  static const QRegularExpression re(
      QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2})_(read|write|suspect|replaced)(?:-(\\d{1,4}))?\\.rcf$"));
  const QRegularExpressionMatch m = re.match(fileName);
  if (!m.hasMatch()) return false;
  const QDateTime taken = QDateTime::fromString(m.captured(1), kStampFormat);
  if (!taken.isValid()) return false;
  out.taken = taken;
  const QString kind = m.captured(2);
  out.kind = kind == QLatin1String("read")      ? BackupKind::Read
             : kind == QLatin1String("write")   ? BackupKind::Write
             : kind == QLatin1String("suspect") ? BackupKind::Suspect
                                                : BackupKind::Replaced;
  out.sequence = m.captured(3).isEmpty() ? 1 : m.captured(3).toInt();
  return true;
}

BackupResult keepBackup(const ConfigImage& img, BackupKind kind, const QString& folder, const QDateTime& when) {
  // Save stamps the signature into the image it writes; the caller's image stays as it is.
  auto copy = std::make_unique<ConfigImage>(img);
  copy->stampSignature();
  return keepBackupBytes(QByteArray(reinterpret_cast<const char*>(copy->data()), kImageSize), kind, folder, when);
}

BackupResult keepBackupBytes(const QByteArray& bytes, BackupKind kind, const QString& folder, const QDateTime& when) {
  BackupResult r;
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    r.problem = folder;
    return r;
  }
  const QDir dir(folder);
  // One count for every kind of the same second, so the names keep the order they came in.
  auto taken = [&](int n) {
    for (BackupKind k : {BackupKind::Read, BackupKind::Write, BackupKind::Suspect, BackupKind::Replaced})
      if (QFileInfo::exists(dir.filePath(backupFileName(when, k, n)))) return true;
    return false;
  };
  QString path;
  SaveCause saved = SaveCause::Exists;
  // Several transfers may end in the same second (parallel reads, two programs): a name goes
  // to whoever creates the file first, the others take the next number.
  for (int sequence = 1; sequence <= kMaxSequence && saved == SaveCause::Exists; ++sequence) {
    if (taken(sequence)) continue;
    path = dir.filePath(backupFileName(when, kind, sequence));
    saved = writeAtomically(path, bytes, Placement::NewOnly);
  }
  if (saved != SaveCause::None) {
    r.problem = QDir::toNativeSeparators(path.isEmpty() ? folder : path);
    return r;
  }
  r.ok = true;
  r.path = path;
  pruneBackups(folder, when);
  return r;
}

int pruneBackups(const QString& folder, const QDateTime& now, int keep, int minAgeDays) {
  std::vector<Found> found;
  const QDir dir(folder);
  for (const QString& f : dir.entryList({QStringLiteral("*.rcf")}, QDir::Files)) {
    Found e{dir.filePath(f), {}};
    if (parseBackupName(f, e.name)) found.push_back(e);
  }
  if (static_cast<int>(found.size()) <= keep) return 0;
  std::sort(found.begin(), found.end(), [](const Found& x, const Found& y) { return newerFirst(x.name, y.name); });
  const QDateTime youngest = now.addDays(-minAgeDays);
  int deleted = 0;
  for (size_t i = static_cast<size_t>(keep); i < found.size(); ++i) {
    if (found[i].name.taken >= youngest) continue;
    if (!QFile::remove(found[i].path)) continue;
    QFile::remove(portNotePath(found[i].path));
    ++deleted;
  }
  return deleted;
}

}  // namespace orbisk
