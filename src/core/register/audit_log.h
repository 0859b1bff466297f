// The audit trail: every read, write, verification, clock setting, event-buffer clearing and
// memory test, with its time, the operating-system user, the receiver (or the port), the result,
// the file kept and the user's comment.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "core/link/audit_event.h"
#include "core/register/register_db.h"

namespace orbisk {

struct AuditEntry {
  QDateTime at;
  QString user;
  QString receiver;  // empty for a port outside the register
  QString port;
  QString action;  // auditActionWord, or "backup" for a read made by a backup
  QString result;
  QString detail;
  QString file;
  QString comment;
};

// Who is logged in: USER, else USERNAME (Windows), else LOGNAME, else the account of the process.
QString osUserName();

class AuditLog {
 public:
  explicit AuditLog(RegisterDb& db) : db_(db) {}
  // Empty when written, else why not.
  QString append(const AuditEntry& e);
  // Oldest first; receiver and since narrow it when given. nullopt when the database failed.
  std::optional<std::vector<AuditEntry>> entries(const QString& receiver = {}, const QDateTime& since = {});

 private:
  RegisterDb& db_;
};

// The trail as CSV (UTF-8, comma, CR LF), with its header row; times local, ISO form.
QString auditCsv(const std::vector<AuditEntry>& entries);

// Where a conversation's events go: the receiver it was with and the user's comment.
struct AuditContext {
  QString receiver;
  QString port;
  QString comment;
  bool backup = false;  // its reads are the backups of a backup run
  QString path = registerPath();
};

// Appends what e tells to the trail; empty when done, else the warning to show (the transfer's
// own result stands either way).
QString recordAudit(const AuditContext& context, const AuditEvent& e);

}  // namespace orbisk
