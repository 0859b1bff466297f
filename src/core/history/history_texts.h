// Texts of the backups, their history and the comparison of two configurations, shown by the
// desktop program and by orbisk-cli alike.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::history {

class HistoryTexts {
  Q_DECLARE_TR_FUNCTIONS(HistoryTexts)

 public:
  // The kind of transfer a backup was taken after, as the history lists it.
  static QString kindRead() { return tr("чтение"); }
  static QString kindWrite() { return tr("запись"); }
  static QString kindSuspect() { return tr("чтение, похоже повреждено"); }
  // What a file held before a save replaced it.
  static QString kindReplaced() { return tr("до сохранения"); }

  // Told beside the transfer's own text (status bar tool-tip, standard error) when no backup was kept.
  static QString backupFailed() { return tr("Резервная копия не сохранена: "); }
  static QString backupKept() { return tr("Резервная копия: "); }

  // The comparison.
  static QString same() { return tr("Конфигурации совпадают"); }
  static QString expanderHeading() { return tr("Расширитель "); }
  static QString expanderAdded() { return tr("добавлен"); }
  static QString expanderRemoved() { return tr("удален"); }
  static QString expanderChanged() { return tr("изменен"); }
  static QString simLabel() { return tr("SIM-номер:"); }
  static QString phoneAdded() { return tr("+ телефон "); }
  static QString phoneRemoved() { return tr("- телефон "); }
  static QString phoneChanged() { return tr("~ телефон "); }
  static QString arrow() { return tr(" → "); }
  static QString checked() { return tr("да"); }
  static QString unchecked() { return tr("нет"); }
  static QString emptyValue() { return tr("(пусто)"); }
};

}  // namespace orbisk::history
