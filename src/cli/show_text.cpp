#include <QStringList>
#include <algorithm>
#include <array>

#include "cli/show_output.h"
#include "core/image/settings_lists.h"
#include "core/link/link_texts.h"

namespace orbisk::cli {
namespace {

const QString kIndent = QStringLiteral("  ");

// A value the list has no item for is shown by its stored number, where the desktop shows nothing.
QString listValue(const QString& item, int stored) {
  return item.isEmpty() ? QStringLiteral("(%1)").arg(stored) : item;
}

QString checkBox(bool checked, const QString& caption) {
  return kIndent + (checked ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + caption + u'\n';
}

QString settingsText(const ConfigView& v) {
  const std::array<std::pair<QString, QString>, 5> rows{{
      {QStringLiteral("Номер приемника:"), listValue(receiverNumberText(v.receiverNumber), v.receiverNumber)},
      {QStringLiteral("Формат для связи с РС:"), listValue(pcFormatText(v.pcFormat), v.pcFormat)},
      {QStringLiteral("Хендшейк:"), listValue(handshakeText(v.handshake), v.handshake)},
      {QStringLiteral("Кол-во звонков:"), listValue(ringsText(v.rings), v.rings)},
      {QStringLiteral("Ожидание ACK:"), listValue(ackWaitText(v.ackWait), v.ackWait)},
  }};
  qsizetype width = 0;
  for (const auto& r : rows) width = std::max(width, r.first.size());
  QString s = QStringLiteral("Настройки приемника:\n");
  for (const auto& r : rows) s += kIndent + r.first.leftJustified(width + 2) + r.second + u'\n';
  s += checkBox(v.heartbeat, QStringLiteral("Сердцебиение"));
  s += checkBox(v.antispamData, QStringLiteral("Антиспам для DATA"));
  s += checkBox(v.sms, QStringLiteral("Прием SMS"));
  s += checkBox(v.antispamSms, QStringLiteral("Антиспам для SMS"));
  s += checkBox(v.speaker, QStringLiteral("Динамик"));
  s += checkBox(v.russian, QStringLiteral("Русский язык"));
  s += checkBox(v.comments, QStringLiteral("Комментарии"));
  s += checkBox(v.backlightOff, QStringLiteral("Выкл. подсветки"));
  if (!v.model.isEmpty()) s += kIndent + QStringLiteral("Модель приемника: ") + v.model + u'\n';
  s += kIndent + (v.firmware.isEmpty() ? text::kFirmwareUnknown : text::kFirmwarePrefix + v.firmware) + u'\n';
  return s;
}

// The telephone list's columns, each as wide as its longest text.
QString phoneTable(const std::vector<PhoneRow>& phones) {
  std::vector<QStringList> rows{{QStringLiteral("телефон"), QStringLiteral("объект"), QStringLiteral("код"),
                                 QStringLiteral("зона"), QStringLiteral("раздел"), QStringLiteral("комментарии")}};
  for (const PhoneRow& p : phones) rows.push_back({p.number, p.object, p.event, p.zone, p.partition, p.comment});
  std::array<qsizetype, 6> width{};
  for (const QStringList& r : rows)
    for (int c = 0; c < 6; ++c) width[static_cast<size_t>(c)] = std::max(width[static_cast<size_t>(c)], r.at(c).size());
  QString s;
  for (const QStringList& r : rows) {
    QString line = kIndent;
    for (int c = 0; c < 5; ++c) line += r.at(c).leftJustified(width[static_cast<size_t>(c)] + 2);
    s += line + r.at(5) + u'\n';
  }
  return s;
}

}  // namespace

QString showText(const ConfigView& v) {
  QString s = settingsText(v);
  s += QStringLiteral("Состав:\n");
  for (const ExpanderView& e : v.expanders) {
    // The heading the main window shows above an expander's telephone list.
    s += QStringLiteral(" GSM канал ") + slotChar(e.slot) + QStringLiteral(" тел:") + e.sim + u'\n';
    s += kIndent + QStringLiteral("Количество телефонов: ") + QString::number(e.phones.size()) + u'\n';
    if (!e.phones.empty()) s += phoneTable(e.phones);
  }
  return s;
}

}  // namespace orbisk::cli
