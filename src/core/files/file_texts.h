// What the file commands say, shared by the desktop program and orbisk-cli.
#pragma once

#include <QString>

namespace orbisk::text {

inline const QString kCannotOpenFile = QStringLiteral("Не могу открыть файл");
inline const QString kNotConfigFile = QStringLiteral("Это файл не для программы Orbisk");
inline const QString kSaveFailed = QStringLiteral("Не сохраняется");      // Save
inline const QString kSaveAsFailed = QStringLiteral("не сохраняется");    // the unsaved-changes prompt, Save as
inline const QString kAskReplace = QStringLiteral("есть такой файл, заменить?");  // Save as, telephone export

}  // namespace orbisk::text
