#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <memory>
#include <string_view>

#include "gui/main_window/guarded_application.h"
#include "gui/state/main_state.h"
#include "gui/main_window/qt_translations.h"
#include "gui/main_window/tform1.h"
#include "render/bundled_fonts.h"

namespace {

constexpr const char* kHelpText =
    "Usage: orbisk [Qt options] [FILE]\n"
    "       orbisk --help | --version\n"
    "\n"
    "The desktop program for Halvorn receiver configurations: the settings, the expanders and\n"
    "their telephone lists, kept in .rcf files and moved to and from the receiver over a\n"
    "serial port. FILE, a configuration file (.rcf), is opened at start instead of reading the\n"
    "receiver.\n"
    "\n"
    "Environment:\n"
    "  ORBISK_PREFS_FILE  the preferences file instead of ~/.config/orbsk/orbsk.ini\n"
    "  ORBISK_BACKUP_DIR  the folder of the automatic backups instead of\n"
    "                     ~/.local/share/orbsk/backups\n"
    "  QT_QPA_PLATFORM    Qt's platform plugin, for example xcb\n"
    "\n"
    "See orbisk(1); orbisk-cli(1) does the same from scripts.\n";

// Answered before the application object exists, so that they work without a display.
const char* infoOptionText(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") return "orbisk " ORBISK_VERSION "\n";
    if (arg == "--help" || arg == "-h") return kHelpText;
  }
  return nullptr;
}

// The configuration file named on the command line (Qt's own options are gone by now), whole:
// the window moves to the stored working folder before it opens the file.
QString startFile() {
  const QStringList args = QCoreApplication::arguments().mid(1);
  const qsizetype dashes = args.indexOf(QStringLiteral("--"));
  QString file = dashes >= 0 ? args.value(dashes + 1) : QString();
  for (qsizetype i = 0; file.isEmpty() && i < args.size(); ++i)
    if (!args.at(i).startsWith(u'-')) file = args.at(i);
  return file.isEmpty() ? file : QFileInfo(file).absoluteFilePath();
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* text = infoOptionText(argc, argv)) {
    std::fputs(text, stdout);
    return 0;
  }
  orbisk::GuardedApplication app(argc, argv);
  QApplication::setApplicationName(orbisk::kProgramTitle);
  QApplication::setApplicationDisplayName(QString());
  orbisk::installQtTranslations(app);
  orbisk::loadBundledFonts();
  const QString file = startFile();
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
  form->openAtStart(file);
  form->show();
  return QApplication::exec();
}
