// One main for every test binary: a QApplication (offscreen unless told otherwise) around GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
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
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("orbsk-test"));
  QCoreApplication::setApplicationName(QStringLiteral("orbsk-test"));
  return RUN_ALL_TESTS();
}
