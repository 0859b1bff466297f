// The captions under which the main window shows a configuration. The desktop program, orbisk-cli
// and every report or comparison of a configuration use these, so each has one definition.
#pragma once

#include <QString>
#include <QStringList>

namespace orbisk::view {

// Settings panel labels, in the panel's order.
inline const QString kReceiverNumberLabel = QStringLiteral("Номер приемника:");
inline const QString kPcFormatLabel = QStringLiteral("Формат для связи с РС:");
inline const QString kHandshakeLabel = QStringLiteral("Хендшейк:");
inline const QString kRingsLabel = QStringLiteral("Кол-во звонков:");
inline const QString kAckWaitLabel = QStringLiteral("Ожидание ACK:");

// What the repairs on display changed, as orbisk-cli tells it: the expander count, and a
// telephone count beyond the table's room (slot character, the count, the count shown).
inline const QString kExpanderCountLabel = QStringLiteral("Количество расширителей:");
inline const QString kPhoneCountRepaired = QStringLiteral("Телефонов в расширителе %1: %2 → %3");
inline const QString kRepairedWhenSent =
    QStringLiteral("Значения вне допустимых пределов отправлены исправленными, как их показывает программа:");

// Settings panel check boxes.
inline const QString kHeartbeatCaption = QStringLiteral("Сердцебиение");
inline const QString kSpamDataCaption = QStringLiteral("Антиспам для DATA");
inline const QString kSmsCaption = QStringLiteral("Прием SMS");
inline const QString kSpamSmsCaption = QStringLiteral("Антиспам для SMS");
inline const QString kSpeakerCaption = QStringLiteral("Динамик");
inline const QString kRussianCaption = QStringLiteral("Русский язык");
inline const QString kCommentsCaption = QStringLiteral("Комментарии");
inline const QString kBacklightCaption = QStringLiteral("Выкл. подсветки");

// The receiver model, shown beside the settings (the firmware version has its text in link/).
inline const QString kModelLabel = QStringLiteral("Модель приемника:");

// The label over the receiver tree.
inline const QString kTreeCaption = QStringLiteral("Состав:");

// The heading over the right side: the receiver, or a selected expander
// (channel heading + slot character + " тел:" + SIM number).
inline const QString kReceiverHeading = QStringLiteral("Настройки приемника:");
inline const QString kGsmHeading = QStringLiteral(" GSM канал ");
inline const QString kLineHeading = QStringLiteral(" ТЛФ канал ");
inline const QString kSimHeading = QStringLiteral(" тел:");

// The telephone list: its hint (followed by the count) and its column captions.
inline const QString kPhoneCountHint = QStringLiteral("Количество телефонов: ");
inline const QStringList kPhoneColumns = {QStringLiteral("телефон"), QStringLiteral("объект"),
                                          QStringLiteral("код"),     QStringLiteral("зона"),
                                          QStringLiteral("раздел"),  QStringLiteral("комментарии")};

}  // namespace orbisk::view
