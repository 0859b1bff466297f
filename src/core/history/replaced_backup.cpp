#include "core/history/replaced_backup.h"

#include <QDir>
#include <QFile>

#include "core/files/atomic_write.h"
#include "core/files/regular_file.h"

namespace orbisk {
namespace {

// Far above a configuration; a larger file is no configuration the program made.
constexpr qint64 kMaxKeptBytes = 16 * 1024 * 1024;

}  // namespace

BackupResult keepReplacedVersion(const QString& path, const QByteArray& newBytes, const QString& folder) {
  BackupResult r;
  const QString target = resolveSaveTarget(path);
  if (!QFile::exists(target)) {
    r.ok = true;
    return r;
  }
  QFile f(target);
  QByteArray old;
  if (openRegularFile(f, QIODevice::ReadOnly) && f.size() <= kMaxKeptBytes) old = f.read(kMaxKeptBytes + 1);
  if (!f.isOpen() || f.error() != QFileDevice::NoError || old.size() != f.size()) {
    r.problem = QDir::toNativeSeparators(target);
    return r;
  }
  if (old.isEmpty() || old == newBytes) {
    r.ok = true;
    return r;
  }
  return keepBackupBytes(old, BackupKind::Replaced, folder);
}

}  // namespace orbisk
