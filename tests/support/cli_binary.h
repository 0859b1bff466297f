// Where the built orbisk-cli is: under ORBISK_TEST_BIN_DIR when CTest runs the test, else where
// the build put it. Empty when it is not there.
#pragma once

#include <QFileInfo>
#include <QString>

namespace orbisk::test {

inline QString cliBinary() {
  const QString dir = qEnvironmentVariable("ORBISK_TEST_BIN_DIR");
  const QString path = dir.isEmpty() ? QStringLiteral(ORBISK_CLI_BINARY) : dir + QStringLiteral("/bin/orbisk-cli");
  return QFileInfo(path).isExecutable() ? path : QString();
}

}  // namespace orbisk::test
