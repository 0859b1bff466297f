// Captions of the main window's "Правка" menu, the recent files, the steps that can be undone
// and the question before the event buffer is cleared.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::ui {

class DailyWorkTexts {
  Q_DECLARE_TR_FUNCTIONS(DailyWorkTexts)

 public:
  static QString editMenu() { return tr("Правка"); }
  static QString undoItem() { return tr("Отменить"); }
  static QString redoItem() { return tr("Повторить"); }
  // Shown as the undo item's tool-tip: "Отменить: удаление телефонов".
  static QString stepTip() { return tr("%1: %2"); }
  static QString copyRowsItem() { return tr("Копировать строки"); }
  static QString pasteRowsItem() { return tr("Вставить строки"); }
  static QString deleteRowsItem() { return tr("Удалить строки"); }
  static QString recentFilesMenu() { return tr("Недавние файлы"); }
  static QString deleteExpanderItem() { return tr("Удалить расширитель"); }

  static QString stepAddPhone() { return tr("добавление телефона"); }
  static QString stepChangePhone() { return tr("изменение телефона"); }
  static QString stepDeletePhones() { return tr("удаление телефонов"); }
  static QString stepImport() { return tr("импорт телефонов"); }
  static QString stepPaste() { return tr("вставка телефонов"); }
  static QString stepAddExpander() { return tr("добавление расширителя"); }
  static QString stepDeleteExpander() { return tr("удаление расширителя"); }
  static QString stepSim() { return tr("номер SIM-карты"); }
  static QString stepSettings() { return tr("изменение настроек"); }
  static QString stepDefaults() { return tr("настройки по умолчанию"); }

  static QString askClearEvents() {
    return tr("Очистить буфер событий приемника на порту %1?\nСтертые события восстановить нельзя.");
  }
  static QString askDeleteExpander() {
    return tr("Удалить расширитель %1 вместе с номером SIM-карты и списком телефонов (%2)?");
  }
};

}  // namespace orbisk::ui
