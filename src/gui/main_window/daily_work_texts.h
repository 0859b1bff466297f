// Captions of the main window's "Правка" menu, the recent files, the steps that can be undone
// and the question before the event buffer is cleared.
#pragma once

#include <QString>

namespace orbisk::ui {

inline const QString kEditMenu = QStringLiteral("Правка");
inline const QString kUndoItem = QStringLiteral("Отменить");
inline const QString kRedoItem = QStringLiteral("Повторить");
// Shown as the undo item's tool-tip: "Отменить: удаление телефонов".
inline const QString kStepTip = QStringLiteral("%1: %2");
inline const QString kCopyRowsItem = QStringLiteral("Копировать строки");
inline const QString kPasteRowsItem = QStringLiteral("Вставить строки");
inline const QString kDeleteRowsItem = QStringLiteral("Удалить строки");
inline const QString kRecentFilesMenu = QStringLiteral("Недавние файлы");
inline const QString kDeleteExpanderItem = QStringLiteral("Удалить расширитель");

inline const QString kStepAddPhone = QStringLiteral("добавление телефона");
inline const QString kStepChangePhone = QStringLiteral("изменение телефона");
inline const QString kStepDeletePhones = QStringLiteral("удаление телефонов");
inline const QString kStepImport = QStringLiteral("импорт телефонов");
inline const QString kStepPaste = QStringLiteral("вставка телефонов");
inline const QString kStepAddExpander = QStringLiteral("добавление расширителя");
inline const QString kStepDeleteExpander = QStringLiteral("удаление расширителя");
inline const QString kStepSim = QStringLiteral("номер SIM-карты");
inline const QString kStepSettings = QStringLiteral("изменение настроек");
inline const QString kStepDefaults = QStringLiteral("настройки по умолчанию");

inline const QString kAskClearEvents =
    QStringLiteral("Очистить буфер событий приемника на порту %1?\nСтертые события восстановить нельзя.");
inline const QString kAskDeleteExpander =
    QStringLiteral("Удалить расширитель %1 вместе с номером SIM-карты и списком телефонов (%2)?");

}  // namespace orbisk::ui
