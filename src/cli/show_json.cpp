#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/show_output.h"

namespace orbisk::cli {

QJsonObject phoneJson(const PhoneRow& p) {
  return QJsonObject{
      {QStringLiteral("number"), p.number}, {QStringLiteral("object"), p.object},
      {QStringLiteral("event"), p.event},   {QStringLiteral("zone"), p.zone},
      {QStringLiteral("partition"), p.partition}, {QStringLiteral("comment"), p.comment},
  };
}

namespace {

QJsonObject optionsJson(const ConfigView& v) {
  return QJsonObject{
      {QStringLiteral("heartbeat"), v.heartbeat},       {QStringLiteral("antispam_data"), v.antispamData},
      {QStringLiteral("sms"), v.sms},                   {QStringLiteral("antispam_sms"), v.antispamSms},
      {QStringLiteral("speaker"), v.speaker},           {QStringLiteral("russian"), v.russian},
      {QStringLiteral("backlight_off"), v.backlightOff}, {QStringLiteral("comments"), v.comments},
  };
}

QJsonObject expanderJson(const ExpanderView& e) {
  QJsonArray phones;
  for (const PhoneRow& p : e.phones) phones.append(phoneJson(p));
  return QJsonObject{{QStringLiteral("slot"), e.slot}, {QStringLiteral("sim"), e.sim}, {QStringLiteral("telephones"), phones}};
}

}  // namespace

QByteArray showJson(const ConfigView& v) {
  QJsonArray expanders;
  for (const ExpanderView& e : v.expanders) expanders.append(expanderJson(e));
  const QJsonObject root{
      {QStringLiteral("receiver_number"), v.receiverNumber},
      {QStringLiteral("pc_format"), v.pcFormat},
      {QStringLiteral("handshake"), v.handshake},
      {QStringLiteral("rings"), v.rings},
      {QStringLiteral("ack_wait"), v.ackWait},
      {QStringLiteral("options"), optionsJson(v)},
      {QStringLiteral("model"), v.model},
      {QStringLiteral("firmware"), v.firmware},
      {QStringLiteral("expanders"), expanders},
  };
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace orbisk::cli
