#include "core/files/atomic_write.h"
#include "core/files/atomic_write_parts.h"
#include "core/files/device_name.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <windows.h>

#include <string>

namespace orbisk {
namespace {

SaveCause causeOf(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL: case ERROR_HANDLE_DISK_FULL: case ERROR_NOT_ENOUGH_QUOTA: return SaveCause::NoSpace;
    case ERROR_ACCESS_DENIED: case ERROR_WRITE_PROTECT: case ERROR_SHARING_VIOLATION: case ERROR_LOCK_VIOLATION:
      return SaveCause::NoPermission;
    case ERROR_PATH_NOT_FOUND: case ERROR_FILE_NOT_FOUND: case ERROR_INVALID_DRIVE: return SaveCause::NoFolder;
    case ERROR_FILE_EXISTS: case ERROR_ALREADY_EXISTS: return SaveCause::Exists;
    default: return SaveCause::Failed;
  }
}

std::wstring native(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

bool writeAll(HANDLE h, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<qsizetype>(left, 1 << 20));
    DWORD written = 0;
    if (!::WriteFile(h, p, chunk, &written, nullptr)) return false;
    if (written == 0) {
      ::SetLastError(ERROR_DISK_FULL);
      return false;
    }
    p += written;
    left -= written;
  }
  return true;
}

// A save holds its part open without sharing from making to naming, so a part that can be
// deleted and is older than that moment was left by a save that was killed.
void removeStaleParts(const QFileInfo& target) {
  const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-kPartSettleSeconds);
  for (const QString& part : partsOf(target))
    if (QFileInfo(part).lastModified().toUTC() < settled) ::DeleteFileW(native(part).c_str());
}

// Creates the part, which no other name may already have, with the bytes on the disk
// (FlushFileBuffers); the part's name is empty when none was made.
bool writePart(const QFileInfo& target, const QByteArray& bytes, QString& part) {
  HANDLE h = INVALID_HANDLE_VALUE;
  for (int i = 0; i < kNameTries && h == INVALID_HANDLE_VALUE; ++i) {
    part = partName(target);
    h = ::CreateFileW(native(part).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (h == INVALID_HANDLE_VALUE) {
    part.clear();
    return false;
  }
  const bool ok = writeAll(h, bytes) && ::FlushFileBuffers(h);
  const DWORD error = ::GetLastError();
  ::CloseHandle(h);
  ::SetLastError(error);
  return ok;
}

bool isNonRegular(const QString& resolved) {
  if (isWindowsDeviceName(resolved)) return true;
  const DWORD attributes = ::GetFileAttributesW(native(resolved).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

SaveCause checkTarget(const QString& resolved, bool& exists) {
  if (isNonRegular(resolved)) return SaveCause::NotRegular;
  const DWORD attributes = ::GetFileAttributesW(native(resolved).c_str());
  exists = attributes != INVALID_FILE_ATTRIBUTES;
  // A rename would replace a read-only file; refused as writing into it would be.
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) return SaveCause::NoPermission;
  if (!QFileInfo(resolved).absoluteDir().exists()) return SaveCause::NoFolder;
  return SaveCause::None;
}

}  // namespace

bool isTakenByNonRegular(const QString& path) { return isNonRegular(resolveSaveTarget(path)); }

// Without MOVEFILE_REPLACE_EXISTING the rename fails where any file has the name, which makes
// Placement::NewOnly exclusive against racing writers; WRITE_THROUGH returns once it is on disk.
SaveCause writeAtomically(const QString& path, const QByteArray& bytes, Placement placement) {
  if (path.isEmpty()) return SaveCause::Failed;
  const QString resolved = resolveSaveTarget(path);
  bool exists = false;
  const SaveCause refused = checkTarget(resolved, exists);
  if (refused == SaveCause::NotRegular) return refused;
  if (exists && placement == Placement::NewOnly) return SaveCause::Exists;
  if (refused != SaveCause::None) return refused;
  const QFileInfo target(resolved);
  removeStaleParts(target);
  QString part;
  if (!writePart(target, bytes, part)) {
    const SaveCause cause = causeOf(::GetLastError());
    if (!part.isEmpty()) ::DeleteFileW(native(part).c_str());
    return cause == SaveCause::Exists ? SaveCause::Failed : cause;
  }
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (placement == Placement::Replace ? MOVEFILE_REPLACE_EXISTING : 0);
  if (::MoveFileExW(native(part).c_str(), native(resolved).c_str(), flags)) return SaveCause::None;
  const SaveCause cause = causeOf(::GetLastError());
  ::DeleteFileW(native(part).c_str());
  return cause;
}

SaveCause probeSaveAt(const QString& path) {
  if (path.isEmpty()) return SaveCause::Failed;
  const QString resolved = resolveSaveTarget(path);
  bool exists = false;
  const SaveCause refused = checkTarget(resolved, exists);
  if (refused != SaveCause::None) return refused;
  for (int i = 0; i < kNameTries; ++i) {
    const QString part = partName(QFileInfo(resolved));
    HANDLE h = ::CreateFileW(native(part).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      ::CloseHandle(h);
      return SaveCause::None;
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) return causeOf(::GetLastError());
  }
  return SaveCause::Failed;
}

}  // namespace orbisk
