#include "core/register/audit_log.h"

#include <QSqlQuery>
#include <QVariant>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

#include "core/exchange/csv_text.h"
#include "core/register/register_texts.h"

namespace orbisk {
namespace {

QString stored(const QDateTime& t) { return t.toUTC().toString(Qt::ISODateWithMs); }

}  // namespace

QString osUserName() {
  for (const char* name : {"USER", "USERNAME", "LOGNAME"})
    if (const QString v = qEnvironmentVariable(name); !v.isEmpty()) return v;
#ifdef Q_OS_UNIX
  // A service or a container may set none of them; the account database still knows.
  if (const passwd* pw = getpwuid(getuid())) return QString::fromLocal8Bit(pw->pw_name);
#endif
  return {};
}

QString AuditLog::append(const AuditEntry& e) {
  if (!db_.ok()) return db_.error();
  QSqlQuery q = db_.query();
  q.prepare(QStringLiteral("INSERT INTO audit (at, user, receiver, port, action, result, detail, file, comment)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
  for (const QString& v : {stored(e.at), e.user, e.receiver, e.port, e.action, e.result, e.detail, e.file, e.comment})
    q.addBindValue(notNull(v));
  return db_.run(q) ? QString() : db_.error();
}

std::optional<std::vector<AuditEntry>> AuditLog::entries(const QString& receiver, const QDateTime& since) {
  if (!db_.ok()) return std::nullopt;
  QString sql = QStringLiteral("SELECT at, user, receiver, port, action, result, detail, file, comment FROM audit WHERE 1");
  if (!receiver.isEmpty()) sql += QStringLiteral(" AND receiver = :receiver");
  if (since.isValid()) sql += QStringLiteral(" AND at >= :since");
  QSqlQuery q = db_.query();
  q.setForwardOnly(true);
  q.prepare(sql + QStringLiteral(" ORDER BY at, id"));
  if (!receiver.isEmpty()) q.bindValue(QStringLiteral(":receiver"), receiver);
  if (since.isValid()) q.bindValue(QStringLiteral(":since"), stored(since));
  if (!db_.run(q)) return std::nullopt;
  std::vector<AuditEntry> out;
  while (q.next()) {
    AuditEntry e;
    e.at = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs).toLocalTime();
    QString* fields[] = {&e.user, &e.receiver, &e.port, &e.action, &e.result, &e.detail, &e.file, &e.comment};
    for (int i = 0; i < 8; ++i) *fields[i] = q.value(i + 1).toString();
    out.push_back(e);
  }
  return out;
}

QString auditCsv(const std::vector<AuditEntry>& entries) {
  QString out = reg::RegisterTexts::csvHeader() + QStringLiteral("\r\n");
  for (const AuditEntry& e : entries)
    out += csvRow({e.at.toString(Qt::ISODate), e.user, e.receiver, e.port, e.action, e.result, e.detail, e.file, e.comment},
                  u',');
  return out;
}

QString recordAudit(const AuditContext& context, const AuditEvent& e) {
  AuditEntry entry{QDateTime::currentDateTime(), osUserName(), context.receiver, context.port,
                   context.backup && e.action == AuditAction::Read ? QStringLiteral("backup") : auditActionWord(e.action),
                   e.result, e.detail, e.file, context.comment};
  RegisterDb db(context.path);
  const QString problem = AuditLog(db).append(entry);
  return problem.isEmpty() ? problem : reg::RegisterTexts::notRecorded().arg(problem);
}

}  // namespace orbisk
