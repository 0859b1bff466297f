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
  const SaveOutcome saved = saveImageReplacing(path, doc_.image);
  if (!saved.ok()) {
    p_.messageWithDetail(failText, text::saveCauseText(saved.cause));
    return false;
  }
  // Saved all the same: the user decides whether the old version mattered.
  if (!saved.backupProblem.isEmpty()) p_.message(history::HistoryTexts::backupFailed() + saved.backupProblem);
  tellRepairsSaved();
  return true;
}

void FileCommands::tellRepairsSaved() {
  if (doc_.repairedOnDisplay.isEmpty()) return;
  p_.message(text::FileTexts::repairedWhenSaved() + u'\n' + doc_.repairedOnDisplay.join(u'\n'));
  doc_.repairedOnDisplay.clear();
}

void FileCommands::tellOpenFailure(ReadResult r) {
  if (r == ReadResult::CannotOpen)
    p_.message(text::FileTexts::cannotOpenFile());
  else if (r == ReadResult::NotConfig)
    p_.message(text::FileTexts::notConfigFile());
}

bool FileCommands::promptUnsaved() {
  if (!doc_.modified) return true;
  switch (p_.ask(FileCommandTexts::askSaveChanges())) {
    case Answer::No: return true;
    case Answer::Cancel: return false;
    case Answer::Yes: break;
  }
  // Never saved under a chosen name: there is no file to write into yet, so ask for one.
  if (doc_.untitled) return saveAs();
  return writeTo(doc_.filePath, text::FileTexts::saveAsFailed());
}

void FileCommands::newFile() {
  if (session_.busy) return;
  if (!promptUnsaved()) return;
  doc_.image.resetNew();
  doc_.repairedOnDisplay.clear();
  views_.selectReceiver();
  views_.refresh();
  doc_.newFileCounter += 1;
  doc_.shortFileName = QStringLiteral("OrbData") + QString::number(doc_.newFileCounter);
  doc_.filePath = QDir::toNativeSeparators(QDir::currentPath() + QLatin1Char('/') + doc_.shortFileName);
  doc_.modified = false;
  doc_.untitled = true;
  views_.updateTitle();
}

void FileCommands::open() {
  if (session_.busy) return;
  if (!promptUnsaved()) return;
  doc_.untitled = false;
  const QString chosen = p_.openFile(folder_);
  if (chosen.isEmpty()) return;
  load(chosen);
}

void FileCommands::openNamed(const QString& path) {
  if (session_.busy) return;
  if (!promptUnsaved()) return;
  doc_.untitled = false;
  load(path);
}

void FileCommands::load(const QString& chosen) {
  enterFolderOf(chosen);
  doc_.openPath = chosen;
  if (!openf()) tellOpenFailure(lastOpen_);
  else views_.refresh();
}

void FileCommands::openCopy(const QString& path) {
  if (session_.busy) return;
  if (!promptUnsaved()) return;
  // Looking is enough: an archived, write-protected backup opens too.
  const ReadResult r = readImageFile(path, doc_.image, ReadAccess::ReadOnly);
  if (r != ReadResult::Ok) {
    tellOpenFailure(r);
    return;
  }
  doc_.repairedOnDisplay.clear();
  // Named as New names its files, in the working folder, so Save as proposes a name there.
  doc_.shortFileName = shortFileName(path);
  doc_.filePath = QDir::toNativeSeparators(QDir::currentPath() + QLatin1Char('/') + doc_.shortFileName);
  doc_.modified = false;
  doc_.untitled = true;
  views_.updateTitle();
  views_.refresh();
}

bool FileCommands::openf() {
  lastOpen_ = readImageFile(doc_.openPath, doc_.image);
  if (lastOpen_ != ReadResult::Ok) return false;
  doc_.repairedOnDisplay.clear();
  doc_.filePath = doc_.openPath;
  doc_.shortFileName = shortFileName(doc_.filePath);
  doc_.modified = false;
  views_.updateTitle();
  return true;
}

bool FileCommands::save() {
  if (doc_.untitled) return saveAs();
  if (!writeTo(doc_.filePath, text::FileTexts::saveFailed())) return false;
  doc_.modified = false;
  views_.updateTitle();
  return true;
}

bool FileCommands::saveAs() {
  if (session_.busy) return false;
  BusyGuard guard(session_.busy);
  QString chosen;
  while (true) {
    chosen = p_.saveFile(folder_, doc_.filePath);
    if (chosen.isEmpty()) return false;
    enterFolderOf(chosen);
    // A new name is taken only if still free, so nothing is replaced without the question.
    const SaveCause created = saveImageNew(chosen, doc_.image);
    if (created == SaveCause::None) {
      tellRepairsSaved();
      break;
    }
    if (created != SaveCause::Exists) {
      p_.messageWithDetail(text::FileTexts::saveAsFailed(), text::saveCauseText(created));
      return false;
    }
    if (p_.ask(text::FileTexts::askReplace()) == Answer::Yes) {
      if (!writeTo(chosen, text::FileTexts::saveAsFailed())) return false;
      break;
    }
  }
  doc_.filePath = chosen;
  doc_.shortFileName = shortFileName(chosen);
  doc_.modified = false;
  doc_.untitled = false;
  views_.updateTitle();
  return true;
}

}  // namespace orbisk
