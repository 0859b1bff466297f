#include "core/files/safe_save.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

#include "core/files/rcf_file.h"

namespace orbisk {
namespace {

constexpr int kNameTries = 3;

// A hidden name in the target's folder, so the rename never crosses file systems.
QString partName(const QString& path) {
  const QFileInfo info(path);
  return info.absolutePath() + QStringLiteral("/.") + info.fileName() +
         QStringLiteral(".%1.part").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
}

std::filesystem::path fsPath(const QString& path) {
#ifdef _WIN32
  return std::filesystem::path(path.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

}  // namespace

bool canSaveAt(const QString& path) {
  const QFileInfo target(path);
  if (path.isEmpty() || target.isDir()) return false;
  // The rename would replace a write-protected backup; Save would refuse it, and so do we.
  if (target.exists() && !target.isWritable()) return false;
  for (int i = 0; i < kNameTries; ++i) {
    QFile probe(partName(path));
    if (probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      probe.close();
      probe.remove();
      return true;
    }
  }
  return false;
}

bool saveReplacing(const QString& path, ConfigImage& img) {
  if (path.isEmpty() || QFileInfo(path).isDir()) return false;
  QString part;
  WriteResult written = WriteResult::CannotOpen;
  for (int i = 0; i < kNameTries && written == WriteResult::CannotOpen; ++i) {
    part = partName(path);
    written = writeImageFile(part, WriteMode::CreateNew, img);
  }
  if (written == WriteResult::CannotOpen) return false;
  if (written == WriteResult::Ok) {
    // A replaced backup keeps who may read it.
    if (QFileInfo::exists(path)) QFile::setPermissions(part, QFile::permissions(path));
    std::error_code ec;
    std::filesystem::rename(fsPath(part), fsPath(path), ec);
    if (!ec) return true;
  }
  QFile::remove(part);
  return false;
}

SaveNew saveNew(const QString& path, ConfigImage& img) {
  if (path.isEmpty() || QFileInfo(path).isDir()) return SaveNew::Failed;
  if (QFileInfo::exists(path)) return SaveNew::Exists;
  QString part;
  WriteResult written = WriteResult::CannotOpen;
  for (int i = 0; i < kNameTries && written == WriteResult::CannotOpen; ++i) {
    part = partName(path);
    written = writeImageFile(part, WriteMode::CreateNew, img);
  }
  if (written == WriteResult::CannotOpen) return SaveNew::Failed;
  SaveNew result = SaveNew::Failed;
  if (written == WriteResult::Ok) {
    // A hard link is created only where no file is: the exclusive twin of the rename.
    std::error_code ec;
    std::filesystem::create_hard_link(fsPath(part), fsPath(path), ec);
    if (!ec) result = SaveNew::Ok;
    else if (ec == std::errc::file_exists || QFileInfo::exists(path)) result = SaveNew::Exists;
  }
  QFile::remove(part);
  return result;
}

}  // namespace orbisk
