// The captions under which the main window shows a configuration. The desktop program, orbisk-cli
// and every report or comparison of a configuration use these, so each has one definition.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace orbisk::view {

class ViewTexts {
  Q_DECLARE_TR_FUNCTIONS(ViewTexts)

 public:
  // Settings panel labels, in the panel's order.
  static QString receiverNumberLabel() { return tr("Номер приемника:"); }
  static QString pcFormatLabel() { return tr("Формат для связи с РС:"); }
  static QString handshakeLabel() { return tr("Хендшейк:"); }
  static QString ringsLabel() { return tr("Кол-во звонков:"); }
  static QString ackWaitLabel() { return tr("Ожидание ACK:"); }

  // What the repairs on display changed, as orbisk-cli tells it: the expander count, and a
  // telephone count beyond the table's room (slot character, the count, the count shown).
  static QString expanderCountLabel() { return tr("Количество расширителей:"); }
  static QString phoneCountRepaired() { return tr("Телефонов в расширителе %1: %2 → %3"); }
  static QString repairedWhenSent() {
    return tr("Значения вне допустимых пределов отправлены исправленными, как их показывает программа:");
  }

  // Settings panel check boxes.
  static QString heartbeatCaption() { return tr("Сердцебиение"); }
  static QString spamDataCaption() { return tr("Антиспам для DATA"); }
  static QString smsCaption() { return tr("Прием SMS"); }
  static QString spamSmsCaption() { return tr("Антиспам для SMS"); }
  static QString speakerCaption() { return tr("Динамик"); }
  static QString russianCaption() { return tr("Русский язык"); }
  static QString commentsCaption() { return tr("Комментарии"); }
  static QString backlightCaption() { return tr("Выкл. подсветки"); }

  // The receiver model, shown beside the settings (the firmware version has its text in link/).
  static QString modelLabel() { return tr("Модель приемника:"); }

  // The label over the receiver tree.
  static QString treeCaption() { return tr("Состав:"); }

  // The heading over the right side: the receiver, or a selected expander
  // (channel heading + slot character + " тел:" + SIM number).
  static QString receiverHeading() { return tr("Настройки приемника:"); }
  static QString gsmHeading() { return tr(" GSM канал "); }
  static QString lineHeading() { return tr(" ТЛФ канал "); }
  static QString simHeading() { return tr(" тел:"); }

  // The telephone list: its hint (followed by the count) and its column captions.
  static QString phoneCountHint() { return tr("Количество телефонов: "); }
  static QStringList phoneColumns() {
    return {tr("телефон"), tr("объект"), tr("код"), tr("зона"), tr("раздел"), tr("комментарии")};
  }
};

}  // namespace orbisk::view
