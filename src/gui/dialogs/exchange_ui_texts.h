// Captions of the telephone import, export, copy, paste and find in the desktop program.
#pragma once

#include <QString>

#include "gui/dialogs/button_texts.h"  // kCancelButton, kCloseButton

namespace orbisk::ui {

inline const QString kImportPhonesItem = QStringLiteral("Импорт телефонов...");
inline const QString kExportPhonesItem = QStringLiteral("Экспорт телефонов...");
inline const QString kCopyPhonesItem = QStringLiteral("Копировать телефоны");
inline const QString kPastePhonesItem = QStringLiteral("Вставить телефоны");
inline const QString kFindPhoneItem = QStringLiteral("Найти телефон");

inline const QString kImportCaption = QStringLiteral("Импорт телефонов");
inline const QString kPasteCaption = QStringLiteral("Вставка телефонов");
inline const QString kImportFileLabel = QStringLiteral("Файл: %1");
inline const QString kPasteSourceLabel = QStringLiteral("Из буфера обмена в расширитель %1");
inline const QString kImportAppendChoice = QStringLiteral("Добавить к спискам расширителей");
inline const QString kImportReplaceChoice = QStringLiteral("Заменить списки расширителей, указанных в файле");
inline const QString kImportErrorsHeading = QStringLiteral("Ничего не импортировано. Ошибок в данных: %1");
inline const QString kImportReadyHeading = QStringLiteral("Нажмите \"Импорт\", чтобы выполнить:");
inline const QString kImportButton = QStringLiteral("Импорт");

inline const QString kExportCaption = QStringLiteral("Экспорт телефонов");
inline const QString kExportWhatHeading = QStringLiteral("Что экспортировать");
inline const QString kExportAllChoice = QStringLiteral("Все расширители");
inline const QString kExportSlotChoice = QStringLiteral("Только расширитель %1");
inline const QString kExportFormatHeading = QStringLiteral("Формат файла");
inline const QString kExportUtf8Choice = QStringLiteral("CSV UTF-8, через запятую");
inline const QString kExportExcelChoice = QStringLiteral("CSV для Excel (Windows-1251, через точку с запятой)");
inline const QString kExportButton = QStringLiteral("Далее...");
inline const QString kExportXlsxChoice = QStringLiteral("Книга Excel (*.xlsx), все значения как текст");
inline const QString kExportXlsxMissing = QStringLiteral(" (не поддерживается в этой сборке)");
inline const QString kExportFileSuffix = QStringLiteral(".csv");
inline const QString kExportXlsxSuffix = QStringLiteral(".xlsx");

inline const QString kFindCaption = QStringLiteral("Найти телефон");
inline const QString kFindLabel = QStringLiteral("Номер, объект или комментарий:");
inline const QString kFindNextButton = QStringLiteral("Найти далее");
inline const QString kNotFound = QStringLiteral("Не найдено");

}  // namespace orbisk::ui
