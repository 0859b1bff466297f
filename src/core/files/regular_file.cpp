#include "core/files/regular_file.h"

#include <QFileInfo>

#include "core/files/device_name.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orbisk {

#ifdef Q_OS_UNIX
namespace {

int posixFlags(QIODevice::OpenMode mode) {
  int flags = mode.testFlag(QIODevice::ReadOnly) && mode.testFlag(QIODevice::WriteOnly) ? O_RDWR
              : mode.testFlag(QIODevice::WriteOnly)                                     ? O_WRONLY
                                                                                        : O_RDONLY;
  if (mode.testFlag(QIODevice::Truncate)) flags |= O_TRUNC;
  if (mode.testFlag(QIODevice::WriteOnly) && !mode.testFlag(QIODevice::ExistingOnly)) flags |= O_CREAT;
  if (mode.testFlag(QIODevice::NewOnly)) flags |= O_CREAT | O_EXCL;
  return flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
}

}  // namespace

// Checked on the opened descriptor, so the file cannot be swapped between the check and the
// open; O_NONBLOCK keeps a FIFO without a writer from holding the open up.
bool openRegularFile(QFile& f, QIODevice::OpenMode mode) {
  const QByteArray name = QFile::encodeName(f.fileName());
  if (name.isEmpty()) return false;
  const int fd = ::open(name.constData(), posixFlags(mode), 0666);
  if (fd < 0) return false;
  struct stat st {};
  const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  const int fl = regular ? ::fcntl(fd, F_GETFL) : -1;
  if (fl < 0 || ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) != 0 ||
      !f.open(fd, mode & ~(QIODevice::ExistingOnly | QIODevice::NewOnly), QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return false;
  }
  return true;
}
#else
// Windows: no FIFOs in folders, but device names (NUL, COM1, ...) open devices wherever they are
// written, and a serial device would hold the open up.
bool openRegularFile(QFile& f, QIODevice::OpenMode mode) {
  if (f.fileName().isEmpty() || isWindowsDeviceName(f.fileName())) return false;
  const QFileInfo info(f.fileName());
  if (info.exists() && !info.isFile()) return false;
  return f.open(mode);
}
#endif

}  // namespace orbisk
