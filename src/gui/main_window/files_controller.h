// Files: "Файл" › "Новый", "Открыть", "Сохранить", "Сохранить как" and "Недавние файлы", their
// tool-bar buttons, a file named at start and files dropped on the window. It owns the file
// commands and the list of recent files.
#pragma once

#include <functional>

#include "core/files/file_commands.h"
#include "core/state/preferences.h"
#include "gui/main_window/window_controller.h"

class QMenu;
class QMimeData;

namespace orbisk {

struct MainActions;

// What the files ask of the window around them.
struct FilesHooks {
  std::function<void()> refresh;      // a file or a new configuration on screen: no undo leads back
  std::function<void()> updateTitle;  // after a save or a change of name
  std::function<void(const QString& path)> importPhones;  // a dropped table of telephones
};

class FilesController : public WindowController {
  Q_OBJECT
 public:
  FilesController(QWidget* window, MainState& st, Prompter& prompter, Preferences& prefs, FilesHooks hooks);

  void addFileItems(QMenu* file);  // the four commands, a separator, "Недавние файлы"
  void wire(const MainActions& a);  // the tool bar's buttons

  void newFile() { files_.newFile(); }
  void open();
  void save();
  void saveAs();
  // Files by name: a recent file, a file dropped on the window, the command line's file.
  void openNamed(const QString& path);
  // A dropped .rcf opens; a dropped table of telephones is imported.
  void openDropped(const QString& path);
  // The one local file of a drag, or empty.
  static QString droppedFile(const QMimeData* data);

  FileCommands& commands() { return files_; }
  QMenu* recentFilesMenu() const { return recent_; }

 private:
  void fillRecentMenu();
  void rememberFile(const QString& path);

  Preferences& prefs_;
  FilesHooks hooks_;
  FileCommands files_;
  QMenu* recent_ = nullptr;
};

}  // namespace orbisk
