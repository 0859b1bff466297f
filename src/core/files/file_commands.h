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
  // Opens path as Open does once a file is chosen (its folder made current; a failure told).
  void openPath(const QString& path);
  bool save();      // SaveMClick; false when nothing was saved
  bool saveAs();    // Save1Click; false when cancelled or failed
  // openf: reads open path into the image; result code 0, 1 or 2.
  bool openf();
  // Opens a file (a backup) as a new, untitled configuration, so that Save asks for a name and
  // the file itself is never written.
  void openCopy(const QString& path);

  // Unsaved-changes prompt of New and Open; false abandons the command.
  bool promptUnsaved();

 private:
  // Saves the image as path, replacing it; a failure is told as failText with its cause.
  bool writeTo(const QString& path, const QString& failText);
  void tellOpenFailure();
  // After a save: which values out of range it stored as the views repaired them.
  void tellRepairsSaved();

  MainState& st_;
  Prompter& p_;
  std::function<void()> refresh_;
  std::function<void()> title_;
};

// Makes the folder of a file chosen in a dialog the process's current directory.
void enterFolderOf(const QString& filePath);

}  // namespace orbisk
