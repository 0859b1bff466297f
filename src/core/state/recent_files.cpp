#include "core/state/recent_files.h"

#include <QDir>
#include <QFileInfo>

namespace orbisk {
namespace {

QString sameFile(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kNameCase = Qt::CaseSensitive;
#endif

}  // namespace

QStringList withoutRecentFile(QStringList recent, const QString& path) {
  const QString wanted = sameFile(path);
  recent.removeIf([&](const QString& p) { return sameFile(p).compare(wanted, kNameCase) == 0; });
  return recent;
}

QStringList withRecentFile(QStringList recent, const QString& path) {
  recent = withoutRecentFile(std::move(recent), path);
  recent.prepend(QDir::toNativeSeparators(sameFile(path)));
  while (recent.size() > kRecentFiles) recent.removeLast();
  return recent;
}

}  // namespace orbisk
