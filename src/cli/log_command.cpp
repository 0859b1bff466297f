// orbisk-cli log: the audit trail, all of it or one receiver's, as a table, JSON or CSV.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/register_access.h"
#include "cli/text_table.h"
#include "core/files/atomic_write.h"
#include "core/files/file_texts.h"
#include "core/register/audit_log.h"
#include "core/register/receiver_register.h"

namespace orbisk::cli {
namespace {

// "2026-12-09" from local midnight, or "2026-12-09T08:30:00" local (with Z or +03:00: that
// zone); invalid otherwise.
QDateTime parseSince(const QString& text) {
  const QDate day = QDate::fromString(text, Qt::ISODate);
  if (day.isValid() && text.size() == 10) return day.startOfDay();
  return QDateTime::fromString(text, Qt::ISODate);
}

QString entriesText(const std::vector<AuditEntry>& entries) {
  std::vector<QStringList> rows{{"TIME", "USER", "RECEIVER", "PORT", "ACTION", "RESULT", "DETAIL", "FILE", "COMMENT"}};
  for (const AuditEntry& e : entries) {
    QStringList row{e.at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), e.user, e.receiver, e.port, e.action,
                    e.result, e.detail, e.file, e.comment};
    for (QString& cell : row)
      if (cell.isEmpty()) cell = QStringLiteral("-");
    rows.push_back(row);
  }
  return textTable(rows);
}

QString entriesJson(const std::vector<AuditEntry>& entries) {
  QJsonArray list;
  for (const AuditEntry& e : entries)
    list.append(QJsonObject{{"time", e.at.toString(Qt::ISODateWithMs)},
                            {"user", e.user},
                            {"receiver", e.receiver.isEmpty() ? QJsonValue() : QJsonValue(e.receiver)},
                            {"port", e.port},
                            {"action", e.action},
                            {"result", e.result},
                            {"detail", e.detail},
                            {"file", e.file.isEmpty() ? QJsonValue() : QJsonValue(e.file)},
                            {"comment", e.comment}});
  return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented));
}

}  // namespace

int runLog(const CliArgs& args, CliEnv& env) {
  QDateTime since;
  if (!args.since.isEmpty() && !(since = parseSince(args.since)).isValid()) {
    env.err(QStringLiteral("orbisk-cli: --since needs a date YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS, not '%1'\n"
                           "Try 'orbisk-cli --help'.\n").arg(args.since));
    return status::kUsage;
  }
  RegisterDb db;
  QString receiver = args.receivers.value(0);
  // The trail keeps the register's spelling of the name.
  if (const auto known = receiver.isEmpty() ? std::nullopt : ReceiverRegister(db).find(receiver)) receiver = known->name;
  const auto entries = AuditLog(db).entries(receiver, since);
  if (!entries) {
    env.err(QStringLiteral("orbisk-cli: ") + db.error() + u'\n');
    return status::kUsage;
  }
  if (!args.out.isEmpty()) {
    const SaveCause saved = writeAtomically(args.out, auditCsv(*entries).toUtf8());
    if (saved == SaveCause::None) return status::kOk;
    env.err(args.out + QStringLiteral(": ") + text::saveCauseText(saved) + u'\n');
    return status::kUsage;
  }
  env.out(args.json ? entriesJson(*entries) : entriesText(*entries));
  return status::kOk;
}

}  // namespace orbisk::cli
