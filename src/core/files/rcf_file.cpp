#include "core/files/rcf_file.h"

#include "core/files/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

namespace orbisk {

WriteResult writeImageFile(const QString& path, WriteMode mode, ConfigImage& img) {
  QFile f(path);
  QIODevice::OpenMode m = QIODevice::WriteOnly;
  switch (mode) {
    case WriteMode::Existing: m = QIODevice::ReadWrite | QIODevice::ExistingOnly; break;  // no truncation
    case WriteMode::CreateNew: m = QIODevice::WriteOnly | QIODevice::NewOnly; break;
    case WriteMode::CreateAlways: m = QIODevice::WriteOnly | QIODevice::Truncate; break;
  }
  if (path.isEmpty() || !f.open(m)) return WriteResult::CannotOpen;
  img.stampSignature();
  const qint64 written = f.write(reinterpret_cast<const char*>(img.data()), kImageSize);
  const bool flushed = f.flush();
  f.close();
  return written == kImageSize && flushed && f.error() == QFileDevice::NoError ? WriteResult::Ok : WriteResult::Failed;
}

ReadResult readImageFile(const QString& path, ConfigImage& img, ReadAccess access) {
  QFile f(path);
  const QIODevice::OpenMode mode = access == ReadAccess::Writable ? QIODevice::ReadWrite : QIODevice::ReadOnly;
  if (path.isEmpty() || !openRegularFile(f, mode | QIODevice::ExistingOnly)) return ReadResult::CannotOpen;
  auto buf = std::make_unique<ConfigImage>();
  const qint64 got = f.read(reinterpret_cast<char*>(buf->data()), kImageSize);
  f.close();
  // A short file would leave part of the previous configuration in place: refuse it whole.
  if (got != kImageSize || !buf->hasSignature()) return ReadResult::NotConfig;
  img = *buf;
  return ReadResult::Ok;
}

QString shortFileName(const QString& path) {
  QString s = path;
  const int slash = static_cast<int>(std::max(s.lastIndexOf(QLatin1Char('\\')), s.lastIndexOf(QLatin1Char('/'))));
  if (slash >= 0) s.remove(0, slash + 1);
  const int dot = static_cast<int>(s.lastIndexOf(QLatin1Char('.')));
  if (dot >= 0) s.remove(dot, 100);
  return s;
}

}  // namespace orbisk
