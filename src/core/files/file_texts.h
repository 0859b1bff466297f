// What the file commands say, shared by the desktop program and orbisk-cli.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "core/files/atomic_write.h"

namespace orbisk::text {

class FileTexts {
  Q_DECLARE_TR_FUNCTIONS(FileTexts)

 public:
  static QString cannotOpenFile() { return tr("Не могу открыть файл"); }
  static QString notConfigFile() { return tr("Это файл не для программы Orbisk"); }
  static QString saveFailed() { return tr("Не сохраняется"); }  // Save
  // After a save that stored values out of range as the views repaired them; the values follow.
  static QString repairedWhenSaved() {
    return tr("Значения вне допустимых пределов сохранены исправленными, как их показывает программа:");
  }
  static QString saveAsFailed() { return tr("не сохраняется"); }            // the unsaved-changes prompt, Save as
  static QString askReplace() { return tr("есть такой файл, заменить?"); }  // Save as, telephone export

  // Why a file was not saved, told beside the messages above.
  static QString causeNotRegular() { return tr("это не обычный файл (папка, устройство или канал)"); }
  static QString causeNoSpace() { return tr("нет места на диске"); }
  static QString causeNoPermission() { return tr("нет прав на запись"); }
  static QString causeNoFolder() { return tr("нет такой папки"); }
  static QString causeExists() { return tr("файл уже есть"); }
  static QString causeFailed() { return tr("ошибка записи"); }
};

inline QString saveCauseText(SaveCause cause) {
  switch (cause) {
    case SaveCause::None: return {};
    case SaveCause::NotRegular:
      return FileTexts::causeNotRegular();
    case SaveCause::NoSpace:
      return FileTexts::causeNoSpace();
    case SaveCause::NoPermission:
      return FileTexts::causeNoPermission();
    case SaveCause::NoFolder:
      return FileTexts::causeNoFolder();
    case SaveCause::Exists:
      return FileTexts::causeExists();
    case SaveCause::Failed: break;
  }
  return FileTexts::causeFailed();
}

}  // namespace orbisk::text
