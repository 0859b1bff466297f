// The questions the main window asks around a read or a write of the whole configuration.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::ui {

class TransferQuestionTexts {
  Q_DECLARE_TR_FUNCTIONS(TransferQuestionTexts)

 public:
  static QString readAgainQuestion() { return tr("Конфигурация не принята. Прочитать снова?"); }
  static QString confirmWrite() { return tr("Записать конфигурацию %1 в приемник на порту %2?"); }
  static QString changesAgainst() { return tr("Изменения против последней резервной копии этого порта (%1):"); }
  static QString verifyQuestion() { return tr("Проверить запись чтением?"); }
  static QString dontAsk() { return tr("не спрашивать"); }
  static QString stopTransferQuestion() { return tr("Идет обмен с приемником. Прервать его и закрыть программу?"); }
  static QString readTwiceItem() { return tr("Читать дважды и сравнивать"); }
  static QString askVerifyItem() { return tr("Спрашивать о проверке записи"); }
};

}  // namespace orbisk::ui
