// Captions of the telephone import, export, copy, paste and find in the desktop program.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "gui/dialogs/button_texts.h"  // ButtonTexts::cancelButton(), ButtonTexts::closeButton()

namespace orbisk::ui {

class ExchangeUiTexts {
  Q_DECLARE_TR_FUNCTIONS(ExchangeUiTexts)

 public:
  static QString importPhonesItem() { return tr("Импорт телефонов..."); }
  static QString exportPhonesItem() { return tr("Экспорт телефонов..."); }
  static QString copyPhonesItem() { return tr("Копировать телефоны"); }
  static QString pastePhonesItem() { return tr("Вставить телефоны"); }
  static QString findPhoneItem() { return tr("Найти телефон"); }

  static QString importCaption() { return tr("Импорт телефонов"); }
  static QString pasteCaption() { return tr("Вставка телефонов"); }
  static QString importFileLabel() { return tr("Файл: %1"); }
  static QString pasteSourceLabel() { return tr("Из буфера обмена в расширитель %1"); }
  static QString importAppendChoice() { return tr("Добавить к спискам расширителей"); }
  static QString importReplaceChoice() { return tr("Заменить списки расширителей, указанных в файле"); }
  static QString importErrorsHeading() { return tr("Ничего не импортировано. Ошибок в данных: %1"); }
  static QString importReadyHeading() { return tr("Нажмите \"Импорт\", чтобы выполнить:"); }
  static QString importButton() { return tr("Импорт"); }

  static QString exportCaption() { return tr("Экспорт телефонов"); }
  static QString exportWhatHeading() { return tr("Что экспортировать"); }
  static QString exportAllChoice() { return tr("Все расширители"); }
  static QString exportSlotChoice() { return tr("Только расширитель %1"); }
  static QString exportFormatHeading() { return tr("Формат файла"); }
  static QString exportUtf8Choice() { return tr("CSV UTF-8, через запятую"); }
  static QString exportExcelChoice() { return tr("CSV для Excel (Windows-1251, через точку с запятой)"); }
  static QString exportButton() { return tr("Далее..."); }
  static QString exportXlsxChoice() { return tr("Книга Excel (*.xlsx), все значения как текст"); }
  static QString exportXlsxMissing() { return tr(" (не поддерживается в этой сборке)"); }
  static QString exportFileSuffix() { return tr(".csv"); }
  static QString exportXlsxSuffix() { return tr(".xlsx"); }

  static QString findCaption() { return tr("Найти телефон"); }
  static QString findLabel() { return tr("Номер, объект или комментарий:"); }
  static QString findNextButton() { return tr("Найти далее"); }
  static QString notFound() { return tr("Не найдено"); }
};

}  // namespace orbisk::ui
