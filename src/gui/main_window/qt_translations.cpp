#include "gui/main_window/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orbisk {

bool installQtTranslations(QCoreApplication& app, const QString& dir) {
  const QString from = dir.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : dir;
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                        from)) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace orbisk
