#include "render/bundled_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace orbisk {

int loadBundledFonts(const QString& dir) {
  const QDir fonts(dir.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/fonts") : dir);
  int added = 0;
  for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name))
    if (QFontDatabase::addApplicationFont(fonts.filePath(name)) >= 0) ++added;
  return added;
}

}  // namespace orbisk
