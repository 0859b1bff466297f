#include "core/files/file_commands.h"

#include <QDir>
#include <QFileInfo>

#include "core/files/file_texts.h"
#include "core/files/rcf_file.h"

namespace orbisk {
namespace {

struct BusyGuard {
  explicit BusyGuard(bool& f) : flag(f) { flag = true; }
  ~BusyGuard() { flag = false; }
  bool& flag;
};

}  // namespace

void enterFolderOf(const QString& filePath) { QDir::setCurrent(QFileInfo(filePath).absolutePath()); }

bool FileCommands::promptUnsaved() {
  if (!st_.modified) return true;
  switch (p_.ask(kAskSaveChanges)) {
    case Answer::No: return true;
    case Answer::Cancel: return false;
    case Answer::Yes: break;
  }
  // Never saved under a chosen name: there is no file to write into yet, so ask for one.
  if (st_.untitled) return saveAs();
  if (writeImageFile(st_.filePath, WriteMode::Existing, st_.image) != WriteResult::Ok) {
    p_.message(text::kSaveAsFailed);
    return false;
  }
  return true;
}

void FileCommands::newFile() {
  if (st_.busy) return;
  if (!promptUnsaved()) return;
  st_.image.resetNew();
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
  if (chosen.isEmpty()) return;
  enterFolderOf(chosen);
  st_.openPath = chosen;
  openf();
  if (st_.resultCode == 1) p_.message(text::kCannotOpenFile);
  else if (st_.resultCode == 2) p_.message(text::kNotConfigFile);
  else refresh_();
}

bool FileCommands::openf() {
  st_.resultCode = static_cast<int>(readImageFile(st_.openPath, st_.image));
  if (st_.resultCode != 0) return false;
  st_.filePath = st_.openPath;
  st_.shortFileName = shortFileName(st_.filePath);
  st_.modified = false;
  title_();
  return true;
}

bool FileCommands::save() {
  if (st_.untitled) return saveAs();
  WriteResult r = writeImageFile(st_.filePath, WriteMode::Existing, st_.image);
  if (r == WriteResult::CannotOpen) r = writeImageFile(st_.filePath, WriteMode::CreateNew, st_.image);
  if (r != WriteResult::Ok) {
    p_.message(text::kSaveFailed);
    return false;
  }
  st_.modified = false;
  title_();
  return true;
}

bool FileCommands::saveAs() {
  if (st_.busy) return false;
  BusyGuard guard(st_.busy);
  QString chosen;
  WriteResult r = WriteResult::CannotOpen;
  while (true) {
    chosen = p_.saveFile(st_.defaultDirectory, st_.filePath);
    if (chosen.isEmpty()) return false;
    enterFolderOf(chosen);
    r = writeImageFile(chosen, WriteMode::CreateNew, st_.image);
    if (r != WriteResult::CannotOpen) break;
    if (p_.ask(text::kAskReplace) == Answer::Yes) {
      r = writeImageFile(chosen, WriteMode::CreateAlways, st_.image);
      break;
    }
  }
  if (r != WriteResult::Ok) {
    p_.message(text::kSaveAsFailed);
    return false;
  }
  st_.filePath = chosen;
  st_.shortFileName = shortFileName(chosen);
  st_.modified = false;
  st_.untitled = false;
  title_();
  return true;
}

}  // namespace orbisk
