#include "core/files/file_commands.h"

#include <QDir>
#include <QFileInfo>

#include "core/files/file_texts.h"
#include "core/files/rcf_file.h"
#include "core/files/safe_save.h"
#include "core/history/history_texts.h"

namespace orbisk {
namespace {

struct BusyGuard {
  explicit BusyGuard(bool& f) : flag(f) { flag = true; }
  ~BusyGuard() { flag = false; }
  bool& flag;
};

}  // namespace

void enterFolderOf(const QString& filePath) { QDir::setCurrent(QFileInfo(filePath).absolutePath()); }

bool FileCommands::writeTo(const QString& path, const QString& failText) {
  const SaveOutcome saved = saveImageReplacing(path, st_.image);
  if (!saved.ok()) {
    p_.messageWithDetail(failText, text::saveCauseText(saved.cause));
    return false;
  }
  // Saved all the same: the user decides whether the old version mattered.
  if (!saved.backupProblem.isEmpty()) p_.message(history::kBackupFailed + saved.backupProblem);
  tellRepairsSaved();
  return true;
}

void FileCommands::tellRepairsSaved() {
  if (st_.repairedOnDisplay.isEmpty()) return;
  p_.message(text::kRepairedWhenSaved + u'\n' + st_.repairedOnDisplay.join(u'\n'));
  st_.repairedOnDisplay.clear();
}

void FileCommands::tellOpenFailure() {
  if (st_.resultCode == 1) p_.message(text::kCannotOpenFile);
  else if (st_.resultCode == 2) p_.message(text::kNotConfigFile);
}

bool FileCommands::promptUnsaved() {
  if (!st_.modified) return true;
  switch (p_.ask(kAskSaveChanges)) {
    case Answer::No: return true;
    case Answer::Cancel: return false;
    case Answer::Yes: break;
  }
  // Never saved under a chosen name: there is no file to write into yet, so ask for one.
  if (st_.untitled) return saveAs();
  return writeTo(st_.filePath, text::kSaveAsFailed);
}

void FileCommands::newFile() {
  if (st_.busy) return;
  if (!promptUnsaved()) return;
  st_.image.resetNew();
  st_.repairedOnDisplay.clear();
  st_.treeSelectionIndex = 0;
  st_.currentExpander = kReceiverNode;
  st_.currentPhoneIndex = 0;
  refresh_();
  st_.newFileCounter += 1;
  st_.shortFileName = QStringLiteral("OrbData") + QString::number(st_.newFileCounter);
  st_.filePath = QDir::toNativeSeparators(QDir::currentPath() + QLatin1Char('/') + st_.shortFileName);
  st_.modified = false;
  st_.untitled = true;
  title_();
}

void FileCommands::open() {
  if (st_.busy) return;
  if (!promptUnsaved()) return;
  st_.untitled = false;
  const QString chosen = p_.openFile(st_.defaultDirectory);
  if (!chosen.isEmpty()) openPath(chosen);
}

void FileCommands::openPath(const QString& path) {
  enterFolderOf(path);
  st_.openPath = path;
  if (!openf()) {
    tellOpenFailure();
    return;
  }
  st_.untitled = false;
  refresh_();
}

void FileCommands::openCopy(const QString& path) {
  if (st_.busy) return;
  if (!promptUnsaved()) return;
  // Looking is enough: an archived, write-protected backup opens too.
  st_.resultCode = static_cast<int>(readImageFile(path, st_.image, ReadAccess::ReadOnly));
  if (st_.resultCode != 0) {
    tellOpenFailure();
    return;
  }
  st_.repairedOnDisplay.clear();
  // Named as New names its files, in the working folder, so Save as proposes a name there.
  st_.shortFileName = shortFileName(path);
  st_.filePath = QDir::toNativeSeparators(QDir::currentPath() + QLatin1Char('/') + st_.shortFileName);
  st_.modified = false;
  st_.untitled = true;
  title_();
  refresh_();
}

bool FileCommands::openf() {
  st_.resultCode = static_cast<int>(readImageFile(st_.openPath, st_.image));
  if (st_.resultCode != 0) return false;
  st_.repairedOnDisplay.clear();
  st_.filePath = st_.openPath;
  st_.shortFileName = shortFileName(st_.filePath);
  st_.modified = false;
  title_();
  return true;
}

bool FileCommands::save() {
  if (st_.untitled) return saveAs();
  if (!writeTo(st_.filePath, text::kSaveFailed)) return false;
  st_.modified = false;
  title_();
  return true;
}

bool FileCommands::saveAs() {
  if (st_.busy) return false;
  BusyGuard guard(st_.busy);
  QString chosen;
  while (true) {
    chosen = p_.saveFile(st_.defaultDirectory, st_.filePath);
    if (chosen.isEmpty()) return false;
    enterFolderOf(chosen);
    // A new name is taken only if still free, so nothing is replaced without the question.
    const SaveCause created = saveImageNew(chosen, st_.image);
    if (created == SaveCause::None) {
      tellRepairsSaved();
      break;
    }
    if (created != SaveCause::Exists) {
      p_.messageWithDetail(text::kSaveAsFailed, text::saveCauseText(created));
      return false;
    }
    if (p_.ask(text::kAskReplace) == Answer::Yes) {
      if (!writeTo(chosen, text::kSaveAsFailed)) return false;
      break;
    }
  }
  st_.filePath = chosen;
  st_.shortFileName = shortFileName(chosen);
  st_.modified = false;
  st_.untitled = false;
  title_();
  return true;
}

}  // namespace orbisk
