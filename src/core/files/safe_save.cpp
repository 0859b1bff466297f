#include "core/files/safe_save.h"

#include <QDir>
#include <QFileInfo>

#include "core/history/replaced_backup.h"

namespace orbisk {

SaveCause checkSaveAt(const QString& path) {
  if (path.isEmpty()) return SaveCause::Failed;
  return probeSaveAt(path);
}

bool canSaveAt(const QString& path) { return checkSaveAt(path) == SaveCause::None; }

QByteArray imageFileBytes(ConfigImage& img) {
  img.stampSignature();
  return QByteArray(reinterpret_cast<const char*>(img.data()), kImageSize);
}

SaveOutcome saveBytesReplacing(const QString& path, const QByteArray& bytes) {
  SaveOutcome out;
  if (path.isEmpty()) return out;
  if (isTakenByNonRegular(path)) {
    out.cause = SaveCause::NotRegular;
    return out;
  }
  const BackupResult kept = keepReplacedVersion(path, bytes);
  out.replacedBackup = kept.path;
  if (!kept.ok) out.backupProblem = kept.problem;
  out.cause = writeAtomically(path, bytes, Placement::Replace);
  return out;
}

SaveOutcome saveImageReplacing(const QString& path, ConfigImage& img) {
  return saveBytesReplacing(path, imageFileBytes(img));
}

bool saveReplacing(const QString& path, ConfigImage& img) { return saveImageReplacing(path, img).ok(); }

SaveCause saveImageNew(const QString& path, ConfigImage& img) {
  return writeAtomically(path, imageFileBytes(img), Placement::NewOnly);
}

SaveNew saveNew(const QString& path, ConfigImage& img) {
  switch (saveImageNew(path, img)) {
    case SaveCause::None: return SaveNew::Ok;
    case SaveCause::Exists: return SaveNew::Exists;
    default: return SaveNew::Failed;
  }
}

}  // namespace orbisk
