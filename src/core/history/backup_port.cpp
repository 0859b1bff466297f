#include "core/history/backup_port.h"

#include <QFile>

#include "core/files/atomic_write.h"
#include "core/files/regular_file.h"

namespace orbisk {
namespace {

// Far above any port name; a larger note is not one of ours and is not shown.
constexpr qint64 kMaxNoteBytes = 512;

}  // namespace

QString portNotePath(const QString& backupPath) {
  QString path = backupPath;
  if (path.endsWith(QLatin1String(".rcf"), Qt::CaseInsensitive)) path.chop(4);
  return path + QStringLiteral(".port");
}

bool notePort(const QString& backupPath, const QString& port) {
  if (port.isEmpty()) return true;
  return writeAtomically(portNotePath(backupPath), port.left(kMaxNoteBytes / 4).toUtf8(), Placement::Replace) ==
         SaveCause::None;
}

QString backupPort(const QString& backupPath) {
  QFile f(portNotePath(backupPath));
  if (!openRegularFile(f, QIODevice::ReadOnly | QIODevice::ExistingOnly) || f.size() > kMaxNoteBytes) return {};
  QString port = QString::fromUtf8(f.read(kMaxNoteBytes)).trimmed();
  // One line of printable text, whatever else the file may hold.
  for (QChar& c : port)
    if (!c.isPrint()) c = QChar(0xFFFD);
  return port;
}

}  // namespace orbisk
