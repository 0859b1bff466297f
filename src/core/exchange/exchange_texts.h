// Texts of the telephone import and export, shown by the desktop program and by orbisk-cli.
#pragma once

#include <QString>
#include <QStringList>

namespace orbisk::text {

// Column headers as the telephone list names them, with the slot column in front.
inline const QString kCsvSlotHeader = QStringLiteral("расширитель");
inline const QString kCsvNumberHeader = QStringLiteral("телефон");
inline const QString kCsvObjectHeader = QStringLiteral("объект");
inline const QString kCsvEventHeader = QStringLiteral("код");
inline const QString kCsvZoneHeader = QStringLiteral("зона");
inline const QString kCsvPartitionHeader = QStringLiteral("раздел");
inline const QString kCsvCommentHeader = QStringLiteral("комментарии");

// Other names a header cell may give a column (as people and other programs title them).
inline const QStringList kCsvSlotSynonyms = {QStringLiteral("слот"), QStringLiteral("модуль")};
inline const QStringList kCsvNumberSynonyms = {QStringLiteral("номер"), QStringLiteral("номер телефона"),
                                               QStringLiteral("phone")};
inline const QStringList kCsvObjectSynonyms = {QStringLiteral("номер объекта"), QStringLiteral("account")};
inline const QStringList kCsvEventSynonyms = {QStringLiteral("событие"), QStringLiteral("код события")};
inline const QStringList kCsvZoneSynonyms = {QStringLiteral("шлейф")};
inline const QStringList kCsvPartitionSynonyms = {QStringLiteral("группа")};
inline const QStringList kCsvCommentSynonyms = {QStringLiteral("комментарий"), QStringLiteral("comments")};

// Error messages of an import; %1 is the line number, %2 the column, %3 the value.
inline const QString kImportErrorAt = QStringLiteral("строка %1, %2 \"%3\": %4");
inline const QString kImportErrorLine = QStringLiteral("строка %1: %2");
inline const QString kImportNotSlot = QStringLiteral("допустимы только символы 0-9 и A-F, один символ");
inline const QString kImportNotHex = QStringLiteral("допустимы только цифры 0-9 и буквы A-F");
inline const QString kImportTooLong = QStringLiteral("слишком длинное значение, наибольшая длина %1");
inline const QString kImportBadQualifier = QStringLiteral("код события начинается с буквы E или R и содержит до 3 цифр 0-9, A-F");
inline const QString kImportBadNumber = QStringLiteral("допустимы только цифры, \"+\" и \"*\"");
inline const QString kImportNumberTooLong = QStringLiteral("в номере больше 16 символов");
inline const QString kImportNotCp1251 = QStringLiteral("символ \"%1\" не может быть сохранен в приемнике");
inline const QString kImportControlChar = QStringLiteral("переводы строк и управляющие символы недопустимы");
inline const QString kImportCommentTooLong = QStringLiteral("в комментарии больше 16 символов");
inline const QString kImportTooManyPhones = QStringLiteral("расширитель %1: больше 200 телефонов");
inline const QString kImportNoRoomForExpander = QStringLiteral("расширитель %1: больше добавить нельзя");
inline const QString kImportMissingColumn = QStringLiteral("нет столбца \"%1\"");
inline const QString kImportDuplicateColumn = QStringLiteral("столбец \"%1\" указан дважды");
inline const QString kImportUnclosedQuote = QStringLiteral("кавычка не закрыта до конца файла");
inline const QString kImportEmptyFile = QStringLiteral("файл пуст: нет строки заголовка");
inline const QString kImportNoPhones = QStringLiteral("нет ни одного телефона");
inline const QString kImportCannotRead = QStringLiteral("не удается прочитать файл");
inline const QString kImportExtraFields = QStringLiteral(
    "значений в строке больше, чем столбцов в заголовке (%1 из %2): возможно, в комментарии есть разделитель без кавычек");
// A value a spreadsheet took for a number: said so, with how to keep it as it was.
inline const QString kImportSpreadsheetNumber = QStringLiteral(
    "похоже, таблица превратила значение в число; при открытии CSV задайте столбцам тип \"Текст\" "
    "(или включите \"Поля в кавычках как текст\") и сохраните файл заново");
inline const QString kImportDroppedByNumber = QStringLiteral("в текущем списке \"%1\": ") + kImportSpreadsheetNumber;

// Workbooks (.xlsx).
inline const QString kXlsxSheetName = QStringLiteral("телефоны");
inline const QString kXlsxBroken = QStringLiteral("файл .xlsx поврежден или не является книгой электронной таблицы");
inline const QString kXlsxUnavailable = QStringLiteral("файлы .xlsx в этой сборке программы не поддерживаются");
// %1 the column letter, %2 the number as read: the spreadsheet kept a number, not the text typed.
inline const QString kXlsxNumericCell = QStringLiteral(
    "в ячейке %1 число, а не текст; читается как \"%2\" (знак \"+\" и ведущие нули числом не сохраняются)");

// Notices: what an import takes differently from how the cell reads, or leaves out.
inline const QString kImportNoticesHeading = QStringLiteral("Обратите внимание:");
inline const QString kImportUnknownColumn = QStringLiteral("столбец \"%1\" не известен и не импортируется");
inline const QString kImportEventExpanded = QStringLiteral("сохраняется как \"%1\"");

// Summary of what an import will do.
inline const QString kImportSummaryAppend = QStringLiteral("Добавить телефоны в списки расширителей:");
inline const QString kImportSummaryReplace = QStringLiteral("Заменить списки телефонов расширителей:");
inline const QString kImportSummarySlot = QStringLiteral("расширитель %1: %2 тел. (было %3, станет %4)");
inline const QString kImportSummaryAdded = QStringLiteral(" (новый расширитель)");
inline const QString kImportSummaryTotal = QStringLiteral("Всего телефонов: %1");

}  // namespace orbisk::text
