#include <QIcon>
#include <QMessageBox>
#include <exception>
#include <memory>

#include "gui/main_window/guarded_application.h"
#include "core/state/main_state.h"
#include "gui/main_window/qt_translations.h"
#include "gui/main_window/tform1.h"

int main(int argc, char** argv) {
  orbisk::GuardedApplication app(argc, argv);
  QApplication::setApplicationName(orbisk::kProgramTitle);
  QApplication::setApplicationDisplayName(QString());
  orbisk::installQtTranslations(app);
  std::unique_ptr<orbisk::TForm1> form;
  // A failure while the windows are made is shown like any other, but then the program ends.
  const bool made = orbisk::deliverGuarded(
      [&] {
        form = std::make_unique<orbisk::TForm1>();
        return true;
      },
      [](const QString& text) { QMessageBox::critical(nullptr, orbisk::kProgramTitle, text); });
  if (!made) return 1;
  // Ties the windows to the installed menu entry and icon (taskbar, window switcher).
  QGuiApplication::setDesktopFileName(QStringLiteral("orbisk"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("orbisk")));
  form->show();
  return QApplication::exec();
}
