#include "core/files/atomic_write.h"
#include "core/files/atomic_write_parts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace orbisk {
namespace {

SaveCause causeOf(int error) {
  switch (error) {
    case ENOSPC: case EDQUOT: case EFBIG: return SaveCause::NoSpace;
    case EACCES: case EPERM: case EROFS: return SaveCause::NoPermission;
    case ENOENT: case ENOTDIR: return SaveCause::NoFolder;
    case EEXIST: return SaveCause::Exists;
    default: return SaveCause::Failed;
  }
}

bool lstatOf(const QString& path, struct stat& st) {
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool writeAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

// What has the name already: nothing or a file that may be replaced (None), or why not.
SaveCause checkTarget(const QString& resolved, struct stat& st, bool& exists) {
  exists = lstatOf(resolved, st);
  if (!exists) return SaveCause::None;
  if (!S_ISREG(st.st_mode)) return SaveCause::NotRegular;
  // A rename needs only the folder: a write-protected file is refused as writing into it would be.
  return ::access(QFile::encodeName(resolved).constData(), W_OK) == 0 ? SaveCause::None : causeOf(errno);
}

// Makes the rename itself survive a power cut.
void syncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A save locks its temporary file right after making it and holds the lock until the file has
// its name; the lock goes when the process does. So a file nobody holds that is older than the
// moment between making and locking was left by a save that was killed.
void removeStaleParts(const QFileInfo& target) {
  const time_t settled = ::time(nullptr) - kPartSettleSeconds;
  for (const QString& part : partsOf(target)) {
    const QByteArray name = QFile::encodeName(part);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_mtime < settled && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(name.constData());
    ::close(fd);
  }
}

// Creates the hidden file, locked, with bytes on the disk; returns its descriptor (-1 and errno
// on failure) and its name in part (empty when none was made). A replaced file's mode and
// owner are kept where we may.
int writePart(const QFileInfo& target, const QByteArray& bytes, const struct stat* replaced, QString& part) {
  int fd = -1;
  for (int i = 0; i < kNameTries && fd < 0; ++i) {
    part = partName(target);
    fd = ::open(QFile::encodeName(part).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  }
  if (fd < 0) {
    part.clear();
    return -1;
  }
  ::flock(fd, LOCK_EX | LOCK_NB);
  if (replaced) {
    (void)!::fchown(fd, replaced->st_uid, replaced->st_gid);
    (void)!::fchmod(fd, replaced->st_mode & 07777);
  }
  if (writeAll(fd, bytes) && ::fsync(fd) == 0) return fd;
  const int saved = errno;
  ::close(fd);
  errno = saved;
  return -1;
}

// Gives part the name exclusively: a hard link is made only where no file is. Where the file
// system has no hard links (FAT memory sticks) it is a check and a rename.
int placeNew(const QString& part, const QString& target) {
  const QByteArray from = QFile::encodeName(part), to = QFile::encodeName(target);
  if (::link(from.constData(), to.constData()) == 0) {
    ::unlink(from.constData());
    return 0;
  }
  if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK && errno != EXDEV) return errno;
  struct stat st {};
  if (lstatOf(target, st)) return EEXIST;
  return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

// The name a save writes to (a symlink followed), what it is now, and whether it may be written.
struct Checked {
  QString resolved;
  QFileInfo info;
  struct stat st {};
  bool exists = false;
  SaveCause refused = SaveCause::None;
};

Checked checkedTarget(const QString& path) {
  Checked c;
  c.resolved = resolveSaveTarget(path);
  c.info = QFileInfo(c.resolved);
  c.refused = checkTarget(c.resolved, c.st, c.exists);
  return c;
}

}  // namespace

bool isTakenByNonRegular(const QString& path) {
  struct stat st {};
  return lstatOf(resolveSaveTarget(path), st) && !S_ISREG(st.st_mode);
}

SaveCause writeAtomically(const QString& path, const QByteArray& bytes, Placement placement) {
  if (path.isEmpty()) return SaveCause::Failed;
  const Checked c = checkedTarget(path);
  const QString& resolved = c.resolved;
  const QFileInfo& target = c.info;
  const struct stat& st = c.st;
  const bool exists = c.exists;
  if (exists && placement == Placement::NewOnly && S_ISREG(st.st_mode)) return SaveCause::Exists;
  if (c.refused != SaveCause::None) return c.refused;
  removeStaleParts(target);
  QString part;
  const int fd = writePart(target, bytes, exists ? &st : nullptr, part);
  if (fd < 0) {
    const SaveCause cause = causeOf(errno);
    if (!part.isEmpty()) QFile::remove(part);
    return cause == SaveCause::Exists ? SaveCause::Failed : cause;
  }
  const int error = placement == Placement::NewOnly
                        ? placeNew(part, resolved)
                        : (::rename(QFile::encodeName(part).constData(), QFile::encodeName(resolved).constData()) == 0
                               ? 0
                               : errno);
  if (error != 0) QFile::remove(part);
  const bool closed = ::close(fd) == 0;
  if (error != 0) return causeOf(error);
  if (!closed) return SaveCause::Failed;
  syncFolder(target.absolutePath());
  return SaveCause::None;
}

SaveCause probeSaveAt(const QString& path) {
  if (path.isEmpty()) return SaveCause::Failed;
  const Checked c = checkedTarget(path);
  if (c.refused != SaveCause::None) return c.refused;
  const QFileInfo& target = c.info;
  for (int i = 0; i < kNameTries; ++i) {
    const QString part = partName(target);
    const int fd = ::open(QFile::encodeName(part).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::close(fd);
      ::unlink(QFile::encodeName(part).constData());
      return SaveCause::None;
    }
    if (errno != EEXIST) return causeOf(errno);
  }
  return SaveCause::Failed;
}
}  // namespace orbisk
