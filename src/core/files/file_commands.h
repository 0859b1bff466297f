// New, Open, Save and Save as over the main window state.
#pragma once

#include <functional>

#include "core/state/main_state.h"
#include "core/state/prompter.h"

namespace orbisk {

inline const QString kAskSaveChanges = QStringLiteral("Файл был изменен. Сохранить изменения?");

class FileCommands {
 public:
  FileCommands(MainState& st, Prompter& prompter, std::function<void()> refreshViews,
               std::function<void()> updateTitle)
      : st_(st), p_(prompter), refresh_(std::move(refreshViews)), title_(std::move(updateTitle)) {}

  void newFile();   // NewMClick
  void open();      // Open1Click
  bool save();      // SaveMClick; false when nothing was saved
  bool saveAs();    // Save1Click; false when cancelled or failed
  // openf: reads open path into the image; result code 0, 1 or 2.
  bool openf();

  // Unsaved-changes prompt of New and Open; false abandons the command.
  bool promptUnsaved();

 private:
  MainState& st_;
  Prompter& p_;
  std::function<void()> refresh_;
  std::function<void()> title_;
};

// Makes the folder of a file chosen in a dialog the process's current directory.
void enterFolderOf(const QString& filePath);

}  // namespace orbisk
