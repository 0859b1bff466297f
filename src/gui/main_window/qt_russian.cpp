#include "gui/main_window/qt_russian.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace orbisk {

// Without the translations package the dialogs stay in English; they still work.
QtRussian::QtRussian() {
  if (translator_.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installed_ = QCoreApplication::installTranslator(&translator_);
}

QtRussian::~QtRussian() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace orbisk
