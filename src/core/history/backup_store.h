// Automatic backups: every configuration read from or written to the receiver, and every file a
// save replaced, is kept as a .rcf file in the backup folder, named by the local time it was taken.
#pragma once

#include <QDateTime>
#include <QString>

#include "core/image/config_image.h"

namespace orbisk {

enum class BackupKind {
  Read,
  Write,
  Suspect,  // a read that failed its checks, kept as evidence and never taken as the configuration
  Replaced  // what a file held before a save replaced it
};

// ORBISK_BACKUP_DIR when set, else "orbsk/backups" under the user's data folder.
QString backupFolder();

// A receiver's name as a file or folder name: letters and digits of any script, '.', '-' and '_'
// kept, everything else '_', no leading dot, never a Windows device name.
QString receiverFileName(const QString& name);
// Where the backups of a conversation go: a register receiver's own folder inside root, so a
// fleet's backups are filed under the receivers' names; root itself for a bare port.
QString receiverBackupFolder(const QString& receiverName, const QString& root = backupFolder());

struct BackupResult {
  bool ok = false;
  QString path;     // the backup written
  QString problem;  // why none was written (a folder or file name)
};

// Writes img as Save would (signature stamped, on a copy) through a temporary file and a rename,
// then prunes the folder. Never touches a backup already there.
BackupResult keepBackup(const ConfigImage& img, BackupKind kind, const QString& folder = backupFolder(),
                        const QDateTime& when = QDateTime::currentDateTime());

// The same for bytes as they are (a replaced file need not be a configuration).
BackupResult keepBackupBytes(const QByteArray& bytes, BackupKind kind, const QString& folder = backupFolder(),
                             const QDateTime& when = QDateTime::currentDateTime());

// "2026-12-09_03-01-09_read.rcf" (or _write, _replaced), or with "-2", "-3"... before ".rcf" for the second and later
// backups of the same second (reads and writes counted together).
QString backupFileName(const QDateTime& when, BackupKind kind, int sequence = 1);

// What a backup's file name tells; false for a file that is not a backup.
struct BackupName {
  QDateTime taken;
  BackupKind kind = BackupKind::Read;
  int sequence = 1;
};
bool parseBackupName(const QString& fileName, BackupName& out);
// The order of the history: the latest first, later ones of the same second before earlier ones.
bool newerFirst(const BackupName& x, const BackupName& y);

inline constexpr int kBackupsKept = 500;
inline constexpr int kBackupMinAgeDays = 90;

// Deletes the oldest backups beyond the newest `keep`, except those younger than minAgeDays.
// Returns how many were deleted.
int pruneBackups(const QString& folder, const QDateTime& now = QDateTime::currentDateTime(),
                 int keep = kBackupsKept, int minAgeDays = kBackupMinAgeDays);

}  // namespace orbisk
