// New, Open, Save and Save as of a document.
#pragma once

#include <QCoreApplication>
#include <functional>

#include "core/files/rcf_file.h"
#include "core/state/document.h"
#include "core/state/link_session.h"
#include "core/state/prompter.h"

namespace orbisk {

class FileCommandTexts {
  Q_DECLARE_TR_FUNCTIONS(FileCommandTexts)

 public:
  static QString askSaveChanges() { return tr("Файл был изменен. Сохранить изменения?"); }
};

// What the commands ask of the window around them.
struct FileViews {
  std::function<void()> selectReceiver;  // New: the receiver selected, no expander or telephone
  std::function<void()> refresh;         // the views show the document anew
  std::function<void()> updateTitle;
};

class FileCommands {
 public:
  // folder is where the file dialogs open; a command does nothing while the session is busy.
  FileCommands(Document& doc, LinkSession& session, const QString& folder, Prompter& prompter,
               FileViews views)
      : doc_(doc), session_(session), folder_(folder), p_(prompter), views_(std::move(views)) {}

  void newFile();   // NewMClick
  void open();      // Open1Click
  // Open of a file already known (a register receiver's configuration): no file dialog.
  void openNamed(const QString& path);
  bool save();      // SaveMClick; false when nothing was saved
  bool saveAs();    // Save1Click; false when cancelled or failed
  // openf: reads open path into the image; lastOpen() says why it did not.
  bool openf();
  ReadResult lastOpen() const { return lastOpen_; }
  // Opens a file (a backup) as a new, untitled configuration, so that Save asks for a name and
  // the file itself is never written.
  void openCopy(const QString& path);

  // Unsaved-changes prompt of New and Open; false abandons the command.
  bool promptUnsaved();

 private:
  // Saves the image as path, replacing it; a failure is told as failText with its cause.
  bool writeTo(const QString& path, const QString& failText);
  void tellOpenFailure(ReadResult r);
  void load(const QString& chosen);
  // After a save: which values out of range it stored as the views repaired them.
  void tellRepairsSaved();

  Document& doc_;
  LinkSession& session_;
  const QString& folder_;
  Prompter& p_;
  FileViews views_;
  ReadResult lastOpen_ = ReadResult::Ok;
};

// Makes the folder of a file chosen in a dialog the process's current directory.
void enterFolderOf(const QString& filePath);

}  // namespace orbisk
