#include "core/files/atomic_write.h"
#include "core/files/atomic_write_parts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace orbisk {

QString partName(const QFileInfo& target) {
  return target.absolutePath() + QStringLiteral("/.") + target.fileName() +
         QStringLiteral(".%1.part").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
}

QStringList partsOf(const QFileInfo& target) {
  const QRegularExpression part(QStringLiteral("^\\.") + QRegularExpression::escape(target.fileName()) +
                                QStringLiteral("\\.[0-9a-f]{8}\\.part$"));
  const QDir dir = target.absoluteDir();
  QStringList found;
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (part.match(name).hasMatch()) found << dir.filePath(name);
  return found;
}

QString resolveSaveTarget(const QString& path) {
  const QFileInfo info(path);
  if (!info.isSymLink()) return path;
  const QString canonical = info.canonicalFilePath();
  // A link to a file not made yet: the file is made where the link points.
  return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

}  // namespace orbisk
