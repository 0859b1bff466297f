// Qt's own texts (file dialogs, the context menus of text fields) in Russian, like the program.
#pragma once

#include <QString>

class QCoreApplication;

namespace orbisk {

// Installs Qt's Russian translations from dir (Qt's translations folder when empty). False, and
// nothing installed, when they are not there: the program then goes on with Qt's English texts.
bool installQtTranslations(QCoreApplication& app, const QString& dir = QString());

}  // namespace orbisk
