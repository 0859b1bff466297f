// What the file commands say, shared by the desktop program and orbisk-cli.
#pragma once

#include <QString>

#include "core/files/atomic_write.h"

namespace orbisk::text {

inline const QString kCannotOpenFile = QStringLiteral("Не могу открыть файл");
inline const QString kNotConfigFile = QStringLiteral("Это файл не для программы Orbisk");
inline const QString kSaveFailed = QStringLiteral("Не сохраняется");      // Save
// After a save that stored values out of range as the views repaired them; the values follow.
inline const QString kRepairedWhenSaved =
    QStringLiteral("Значения вне допустимых пределов сохранены исправленными, как их показывает программа:");
inline const QString kSaveAsFailed = QStringLiteral("не сохраняется");    // the unsaved-changes prompt, Save as
inline const QString kAskReplace = QStringLiteral("есть такой файл, заменить?");  // Save as, telephone export


// Why a file was not saved, told beside the messages above.
inline const QString kCauseNotRegular = QStringLiteral("это не обычный файл (папка, устройство или канал)");
inline const QString kCauseNoSpace = QStringLiteral("нет места на диске");
inline const QString kCauseNoPermission = QStringLiteral("нет прав на запись");
inline const QString kCauseNoFolder = QStringLiteral("нет такой папки");
inline const QString kCauseExists = QStringLiteral("файл уже есть");
inline const QString kCauseFailed = QStringLiteral("ошибка записи");

inline QString saveCauseText(SaveCause cause) {
  switch (cause) {
    case SaveCause::None: return {};
    case SaveCause::NotRegular: return kCauseNotRegular;
    case SaveCause::NoSpace: return kCauseNoSpace;
    case SaveCause::NoPermission: return kCauseNoPermission;
    case SaveCause::NoFolder: return kCauseNoFolder;
    case SaveCause::Exists: return kCauseExists;
    case SaveCause::Failed: break;
  }
  return kCauseFailed;
}

}  // namespace orbisk::text
