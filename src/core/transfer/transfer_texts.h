// What the checked reads and verified writes say, in the desktop program and in orbisk-cli.
#pragma once

#include <QString>

namespace orbisk::transfer {

// Where a damaged or differing piece lies.
inline const QString kSettingsPlace = QStringLiteral("настройки");
inline const QString kSimPlace = QStringLiteral("SIM-номер расширителя %1");
inline const QString kCountPlace = QStringLiteral("расширитель %1: число телефонов");
inline const QString kRecordPlace = QStringLiteral("расширитель %1, телефон %2");
inline const QString kIdentityPlace = QStringLiteral("модель и версия приемника");
inline const QString kChannelTypesPlace = QStringLiteral("типы каналов");

// What looks damaged in a read.
inline const QString kOutOfRange = QStringLiteral("%1: %2 = %3, допустимо %4");
inline const QString kCountOver = QStringLiteral("расширитель %1: приемник сообщил %2 телефонов, больше 200");
inline const QString kBadNumber = QStringLiteral("%1: номер содержит недопустимые знаки");
inline const QString kBadRecord = QStringLiteral("%1: байты, которые программа не записывает");
inline const QString kBadModel = QStringLiteral("модель приемника не из четырех цифр");
inline const QString kBadFirmware = QStringLiteral("версия приемника содержит непечатные знаки");
inline const QString kTrailingBytes = QStringLiteral("после ответа приемника пришло еще %1 байт");
inline const QString kReadDamaged = QStringLiteral("Прочитанная конфигурация похоже повреждена:");
inline const QString kReadsDiffer = QStringLiteral("Два чтения подряд дали разные данные:");

// Setting names in the range messages.
inline const QString kReceiverNumberName = QStringLiteral("номер приемника");
inline const QString kPcFormatName = QStringLiteral("формат для связи с РС");
inline const QString kHandshakeName = QStringLiteral("хендшейк");
inline const QString kRingsName = QStringLiteral("кол-во звонков");
inline const QString kAckWaitName = QStringLiteral("ожидание ACK");

// The write's read-back.
inline const QString kVerifyOpening = QStringLiteral("Проверка записи чтением");
inline const QString kVerified = QStringLiteral("Запись проверена чтением: приемник хранит записанную конфигурацию");
inline const QString kVerifyMismatch =
    QStringLiteral("Проверка записи: приемник хранит не ту конфигурацию, что была записана. Запишите ее снова.");
inline const QString kVerifyReadFailed =
    QStringLiteral("Проверка записи: приемник не прочитан, записанная конфигурация не проверена.");
inline const QString kPartialWrite = QStringLiteral("Приемник мог сохранить конфигурацию не полностью.");
inline const QString kDiffersAt = QStringLiteral("отличается: %1");
inline const QString kAndMore = QStringLiteral("и еще %1");

// Saving what was read.
// No space and no permission are told in the safe writer's words (core/files/file_texts.h).
inline const QString kNoFolder = QStringLiteral("%1: папки нет");
inline const QString kNotSaved = QStringLiteral("%1: не сохранено");
inline const QString kSuspectKept = QStringLiteral("Прочитанное сохранено как подозрительная резервная копия: %1");

}  // namespace orbisk::transfer
