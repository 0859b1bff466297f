// Texts of the history and comparison windows and of their menu items.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace orbisk::historyui {

class HistoryDialogTexts {
  Q_DECLARE_TR_FUNCTIONS(HistoryDialogTexts)

 public:
  // Menu items: "Файл" › "История...", "Файл" › "Сравнить с файлом...", "Приемник" › "Сравнить с приемником".
  static QString historyItem() { return tr("История..."); }
  static QString compareFileItem() { return tr("Сравнить с файлом..."); }
  static QString compareReceiverItem() { return tr("Сравнить с приемником"); }

  // The history window.
  static QString historyCaption() { return tr("История"); }
  static QString historyFolder() { return tr("Резервные копии: "); }
  static QString historyEmpty() { return tr("Резервных копий пока нет"); }
  static QStringList historyColumns() {
    return {tr("Дата и время"), tr("Операция"), tr("Модель"), tr("Номер приемника"),
            tr("Расширители"),  tr("Телефоны"), tr("Порт"),   tr("Приемник")};
  }
  // The filter above the list: rows holding the typed text in any column stay.
  static QString historyFilterHint() { return tr("Фильтр: порт, приемник, номер приемника, модель, дата..."); }
  // The receiver filter: every backup, or those filed under one register receiver.
  static QString historyAllReceivers() { return tr("Все приемники"); }
  static QString historyShown() { return tr("показано %1 из %2"); }
  static QString historyUnreadable() { return tr("файл поврежден"); }
  static QString openButton() { return tr("Открыть"); }
  static QString compareButton() { return tr("Сравнить с текущей"); }
  static QString closeButton() { return tr("Закрыть"); }

  // The comparison window: its caption and the line naming what the configuration on screen is
  // compared with (followed by a file name or the receiver).
  static QString comparisonCaption() { return tr("Сравнение конфигураций"); }
  static QString comparedWith() { return tr("Конфигурация на экране → "); }
  static QString receiverSide() { return tr("приемник"); }
  // Beside a group's heading: how many differences it holds.
  static QString differenceCount() { return tr("различий: %1"); }
};

}  // namespace orbisk::historyui
