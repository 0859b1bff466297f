// Texts of the backups, their history and the comparison of two configurations, shown by the
// desktop program and by orbisk-cli alike.
#pragma once

#include <QString>

namespace orbisk::history {

// The kind of transfer a backup was taken after, as the history lists it.
inline const QString kKindRead = QStringLiteral("чтение");
inline const QString kKindWrite = QStringLiteral("запись");
inline const QString kKindSuspect = QStringLiteral("чтение, похоже повреждено");
// What a file held before a save replaced it.
inline const QString kKindReplaced = QStringLiteral("до сохранения");

// Told beside the transfer's own text (status bar tool-tip, standard error) when no backup was kept.
inline const QString kBackupFailed = QStringLiteral("Резервная копия не сохранена: ");
inline const QString kBackupKept = QStringLiteral("Резервная копия: ");

// The comparison.
inline const QString kSame = QStringLiteral("Конфигурации совпадают");
inline const QString kExpanderHeading = QStringLiteral("Расширитель ");
inline const QString kExpanderAdded = QStringLiteral("добавлен");
inline const QString kExpanderRemoved = QStringLiteral("удален");
inline const QString kExpanderChanged = QStringLiteral("изменен");
inline const QString kSimLabel = QStringLiteral("SIM-номер:");
inline const QString kPhoneAdded = QStringLiteral("+ телефон ");
inline const QString kPhoneRemoved = QStringLiteral("- телефон ");
inline const QString kPhoneChanged = QStringLiteral("~ телефон ");
inline const QString kArrow = QStringLiteral(" → ");
inline const QString kChecked = QStringLiteral("да");
inline const QString kUnchecked = QStringLiteral("нет");
inline const QString kEmptyValue = QStringLiteral("(пусто)");

}  // namespace orbisk::history
