// What the audit trail is told of each conversation that reads, changes or tests a receiver.
// The link knows nothing of where it goes: whoever owns the Receiver sets the hook.
#pragma once

#include <QString>
#include <functional>

namespace orbisk {

enum class AuditAction { Read, Write, Verify, Clock, ClearEvents, MemoryTest };

struct AuditEvent {
  AuditAction action = AuditAction::Read;
  bool ok = false;
  QString result;  // "ok", "failed", "stopped", "damaged", "mismatch", "not-saved"
  QString detail;  // the status text, a result code, what differs
  QString file;    // the configuration or backup kept, when one was
};

using AuditHook = std::function<void(const AuditEvent&)>;

// The stable words stored in the trail; the windows translate them.
QString auditActionWord(AuditAction action);

}  // namespace orbisk
