// Saving a configuration so that no file is ever lost: the image goes to a new file beside the
// named one, which then takes the name in a single rename; what the name held before is kept in
// the backups first.
#pragma once

#include <QByteArray>
#include <QString>

#include "core/files/atomic_write.h"
#include "core/image/config_image.h"

namespace orbisk {

// Whether a file can be created where path lies; checked before a read that may take minutes.
bool canSaveAt(const QString& path);
SaveCause checkSaveAt(const QString& path);

struct SaveOutcome {
  SaveCause cause = SaveCause::Failed;
  QString replacedBackup;  // the backup of the replaced file; empty when none was needed
  QString backupProblem;   // set when the replaced file could not be kept (it was replaced anyway)
  bool ok() const { return cause == SaveCause::None; }
};

// Writes bytes as path, keeping the file it replaces in the backups first. A name taken by
// anything but a regular file is refused; a symlink is written through.
SaveOutcome saveBytesReplacing(const QString& path, const QByteArray& bytes);
// Stamps the signature into img and saves it so.
SaveOutcome saveImageReplacing(const QString& path, ConfigImage& img);
// The same, as bool.
bool saveReplacing(const QString& path, ConfigImage& img);

enum class SaveNew { Ok, Exists, Failed };
// The same, but path must not exist yet: the whole file appears under its name in one step and
// never replaces another, so writers racing for one name (threads, processes) each learn
// whether they got it (Exists: try another name). On failure no temporary file remains.
SaveNew saveNew(const QString& path, ConfigImage& img);
SaveCause saveImageNew(const QString& path, ConfigImage& img);

// The image as a file holds it, signature stamped.
QByteArray imageFileBytes(ConfigImage& img);

}  // namespace orbisk
