// Before a save replaces a file, what the file held goes to the backups, so no overwrite loses
// anything.
#pragma once

#include <QByteArray>
#include <QString>

#include "core/history/backup_store.h"

namespace orbisk {

// Keeps the present contents of path as a "replaced" backup. Nothing needs keeping (ok, empty
// path) when there is no file, an empty one, or one that already holds newBytes.
BackupResult keepReplacedVersion(const QString& path, const QByteArray& newBytes, const QString& folder = backupFolder());

}  // namespace orbisk
