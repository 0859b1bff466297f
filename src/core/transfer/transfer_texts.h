// What the checked reads and verified writes say, in the desktop program and in orbisk-cli.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::transfer {

class TransferTexts {
  Q_DECLARE_TR_FUNCTIONS(TransferTexts)

 public:
  // Where a damaged or differing piece lies.
  static QString settingsPlace() { return tr("настройки"); }
  static QString simPlace() { return tr("SIM-номер расширителя %1"); }
  static QString countPlace() { return tr("расширитель %1: число телефонов"); }
  static QString recordPlace() { return tr("расширитель %1, телефон %2"); }
  static QString identityPlace() { return tr("модель и версия приемника"); }
  static QString channelTypesPlace() { return tr("типы каналов"); }

  // What looks damaged in a read.
  static QString outOfRange() { return tr("%1: %2 = %3, допустимо %4"); }
  static QString countOver() { return tr("расширитель %1: приемник сообщил %2 телефонов, больше 200"); }
  static QString badNumber() { return tr("%1: номер содержит недопустимые знаки"); }
  static QString badRecord() { return tr("%1: байты, которые программа не записывает"); }
  static QString badModel() { return tr("модель приемника не из четырех цифр"); }
  static QString badFirmware() { return tr("версия приемника содержит непечатные знаки"); }
  static QString trailingBytes() { return tr("после ответа приемника пришло еще %1 байт"); }
  static QString readDamaged() { return tr("Прочитанная конфигурация похоже повреждена:"); }
  static QString readsDiffer() { return tr("Два чтения подряд дали разные данные:"); }

  // Setting names in the range messages.
  static QString receiverNumberName() { return tr("номер приемника"); }
  static QString pcFormatName() { return tr("формат для связи с РС"); }
  static QString handshakeName() { return tr("хендшейк"); }
  static QString ringsName() { return tr("кол-во звонков"); }
  static QString ackWaitName() { return tr("ожидание ACK"); }

  // The write's read-back.
  static QString verifyOpening() { return tr("Проверка записи чтением"); }
  static QString verified() { return tr("Запись проверена чтением: приемник хранит записанную конфигурацию"); }
  static QString verifyMismatch() {
    return tr("Проверка записи: приемник хранит не ту конфигурацию, что была записана. Запишите ее снова.");
  }
  static QString verifyReadFailed() {
    return tr("Проверка записи: приемник не прочитан, записанная конфигурация не проверена.");
  }
  static QString partialWrite() { return tr("Приемник мог сохранить конфигурацию не полностью."); }
  static QString differsAt() { return tr("отличается: %1"); }
  static QString andMore() { return tr("и еще %1"); }

  // Saving what was read.
  // No space and no permission are told in the safe writer's words (core/files/file_texts.h).
  static QString noFolder() { return tr("%1: папки нет"); }
  static QString notSaved() { return tr("%1: не сохранено"); }
  static QString suspectKept() { return tr("Прочитанное сохранено как подозрительная резервная копия: %1"); }
};

}  // namespace orbisk::transfer
