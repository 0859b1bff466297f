#include "core/link/audit_event.h"

namespace orbisk {

QString auditActionWord(AuditAction action) {
  switch (action) {
    case AuditAction::Read: return QStringLiteral("read");
    case AuditAction::Write: return QStringLiteral("write");
    case AuditAction::Verify: return QStringLiteral("verify");
    case AuditAction::Clock: return QStringLiteral("clock");
    case AuditAction::ClearEvents: return QStringLiteral("clear-events");
    case AuditAction::MemoryTest: return QStringLiteral("memory-test");
  }
  return {};
}

}  // namespace orbisk
