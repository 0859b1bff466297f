// Names that are not plain files, as the system has them: on Linux a FIFO made in the folder
// and devices; on Windows device names (which open the device in any folder) and a pipe.
#pragma once

#include <QFile>
#include <QStringList>

#include "support/temp_dir.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace orbisk::test {

inline QStringList notPlainFiles(const TempCwd& dir) {
#ifdef _WIN32
  return {QStringLiteral("NUL"), dir.path("nul.rcf"), QStringLiteral("COM1"), QStringLiteral("\\\\.\\pipe\\orbisk-test")};
#else
  const QString fifo = dir.path("pipe.rcf");
  if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0) return {};
  return {fifo, QStringLiteral("/dev/zero"), QStringLiteral("/dev/null"), QStringLiteral("/dev/ptmx")};
#endif
}

}  // namespace orbisk::test
