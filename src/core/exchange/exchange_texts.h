// Texts of the telephone import and export, shown by the desktop program and by orbisk-cli.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace orbisk::text {

class ExchangeTexts {
  Q_DECLARE_TR_FUNCTIONS(ExchangeTexts)

 public:
  // Column headers as the telephone list names them, with the slot column in front.
  static QString csvSlotHeader() { return tr("расширитель"); }
  static QString csvNumberHeader() { return tr("телефон"); }
  static QString csvObjectHeader() { return tr("объект"); }
  static QString csvEventHeader() { return tr("код"); }
  static QString csvZoneHeader() { return tr("зона"); }
  static QString csvPartitionHeader() { return tr("раздел"); }
  static QString csvCommentHeader() { return tr("комментарии"); }

  // Other names a header cell may give a column (as people and other programs title them).
  static QStringList csvSlotSynonyms() { return {tr("слот"), tr("модуль")}; }
  static QStringList csvNumberSynonyms() { return {tr("номер"), tr("номер телефона"), tr("phone")}; }
  static QStringList csvObjectSynonyms() { return {tr("номер объекта"), tr("account")}; }
  static QStringList csvEventSynonyms() { return {tr("событие"), tr("код события")}; }
  static QStringList csvZoneSynonyms() { return {tr("шлейф")}; }
  static QStringList csvPartitionSynonyms() { return {tr("группа")}; }
  static QStringList csvCommentSynonyms() { return {tr("комментарий"), tr("comments")}; }

  // Error messages of an import; %1 is the line number, %2 the column, %3 the value.
  static QString importErrorAt() { return tr("строка %1, %2 \"%3\": %4"); }
  static QString importErrorLine() { return tr("строка %1: %2"); }
  static QString importNotSlot() { return tr("допустимы только символы 0-9 и A-F, один символ"); }
  static QString importNotHex() { return tr("допустимы только цифры 0-9 и буквы A-F"); }
  static QString importTooLong() { return tr("слишком длинное значение, наибольшая длина %1"); }
  static QString importBadQualifier() {
    return tr("код события начинается с буквы E или R и содержит до 3 цифр 0-9, A-F");
  }
  static QString importBadNumber() { return tr("допустимы только цифры, \"+\" и \"*\""); }
  static QString importNumberTooLong() { return tr("в номере больше 16 символов"); }
  static QString importNotCp1251() { return tr("символ \"%1\" не может быть сохранен в приемнике"); }
  static QString importControlChar() { return tr("переводы строк и управляющие символы недопустимы"); }
  static QString importCommentTooLong() { return tr("в комментарии больше 16 символов"); }
  static QString importTooManyPhones() { return tr("расширитель %1: больше 200 телефонов"); }
  static QString importNoRoomForExpander() { return tr("расширитель %1: больше добавить нельзя"); }
  static QString importMissingColumn() { return tr("нет столбца \"%1\""); }
  static QString importDuplicateColumn() { return tr("столбец \"%1\" указан дважды"); }
  static QString importUnclosedQuote() { return tr("кавычка не закрыта до конца файла"); }
  static QString importEmptyFile() { return tr("файл пуст: нет строки заголовка"); }
  static QString importNoPhones() { return tr("нет ни одного телефона"); }
  static QString importCannotRead() { return tr("не удается прочитать файл"); }
  static QString importExtraFields() {
    return tr(
        "значений в строке больше, чем столбцов в заголовке (%1 из %2): возможно, в комментарии есть разделитель без "
        "кавычек");
  }
  // A value a spreadsheet took for a number: said so, with how to keep it as it was.
  static QString importSpreadsheetNumber() {
    return tr(
        "похоже, таблица превратила значение в число; при открытии CSV задайте столбцам тип \"Текст\" "
        "(или включите \"Поля в кавычках как текст\") и сохраните файл заново");
  }
  static QString importDroppedByNumber() {
    return tr("в текущем списке \"%1\": ") + ExchangeTexts::importSpreadsheetNumber();
  }

  // Workbooks (.xlsx).
  static QString xlsxSheetName() { return tr("телефоны"); }
  static QString xlsxBroken() { return tr("файл .xlsx поврежден или не является книгой электронной таблицы"); }
  static QString xlsxUnavailable() { return tr("файлы .xlsx в этой сборке программы не поддерживаются"); }
  // %1 the column letter, %2 the number as read: the spreadsheet kept a number, not the text typed.
  static QString xlsxNumericCell() {
    return tr("в ячейке %1 число, а не текст; читается как \"%2\" (знак \"+\" и ведущие нули числом не сохраняются)");
  }

  // Notices: what an import takes differently from how the cell reads, or leaves out.
  static QString importNoticesHeading() { return tr("Обратите внимание:"); }
  static QString importUnknownColumn() { return tr("столбец \"%1\" не известен и не импортируется"); }
  static QString importEventExpanded() { return tr("сохраняется как \"%1\""); }

  // Summary of what an import will do.
  static QString importSummaryAppend() { return tr("Добавить телефоны в списки расширителей:"); }
  static QString importSummaryReplace() { return tr("Заменить списки телефонов расширителей:"); }
  static QString importSummarySlot() { return tr("расширитель %1: %2 тел. (было %3, станет %4)"); }
  static QString importSummaryAdded() { return tr(" (новый расширитель)"); }
  static QString importSummaryTotal() { return tr("Всего телефонов: %1"); }
};

}  // namespace orbisk::text
