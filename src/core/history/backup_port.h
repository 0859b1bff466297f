// The port a backup came from, kept in a small note beside it ("…_read.port" for "…_read.rcf"),
// so the backup's bytes stay exactly what the receiver sent.
#pragma once

#include <QString>

namespace orbisk {

// The note's name for a backup's path.
QString portNotePath(const QString& backupPath);
// Writes the note through the safe writer; false when it could not be written (the backup
// itself is kept either way).
bool notePort(const QString& backupPath, const QString& port);
// The port a note names; empty for a backup without one (older backups, replaced files).
QString backupPort(const QString& backupPath);

}  // namespace orbisk
