// One main for every test binary: a QApplication (offscreen unless told otherwise) around GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "core/process/process_end.h"
#include "render/bundled_fonts.h"
#include "support/test_watchdog.h"

namespace {

int runTests(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Tests must never touch the user's stored preferences.
  QStandardPaths::setTestModeEnabled(true);
  // Nor the user's backups: every binary keeps its own in a fresh folder (child processes too).
  QTemporaryDir backups;
  if (!backups.isValid()) return 1;
  qputenv("ORBISK_BACKUP_DIR", QFile::encodeName(backups.path()));
  // Nor the register of receivers and its audit trail.
  QTemporaryDir data;
  if (!data.isValid()) return 1;
  qputenv("ORBISK_DATA_DIR", QFile::encodeName(data.path()));
  ::testing::InitGoogleTest(&argc, argv);
  orbisk::test::TestWatchdog::installFromEnvironment();
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("orbsk-test"));
  QCoreApplication::setApplicationName(QStringLiteral("orbsk-test"));
  // The fonts the programs ship beside them and load at start (a Windows build's bin/fonts):
  // there they are the offscreen platform's only fonts, without which every letter is a box.
  if (const QString bin = qEnvironmentVariable("ORBISK_TEST_BIN_DIR"); !bin.isEmpty())
    orbisk::loadBundledFonts(bin + QStringLiteral("/bin/fonts"));
  return RUN_ALL_TESTS();
}

}  // namespace

// The temporary folders and the application are gone before the process ends.
int main(int argc, char** argv) { return orbisk::endProcess(runTests(argc, argv)); }
