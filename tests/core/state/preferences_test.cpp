#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <memory>

#include "core/files/file_commands.h"
#include "support/conversation_state.h"
#include "core/files/rcf_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "core/state/preferences.h"

using namespace orbisk;
using namespace orbisk::test;

TEST(Preferences, MissingKeyKeepsTheDefaultsAndSaysSo) {
  TempCwd dir;
  LinkSession session;
  QString folder;
  EXPECT_FALSE(rereg(session, folder, Preferences(dir.path("none.ini"))));
  EXPECT_EQ(session.portName, QStringLiteral("COM1"));
  EXPECT_TRUE(folder.isEmpty());
}

TEST(Preferences, MissingOrForeignValuesReadAsEmpty) {
  TempCwd dir;
  {
    QSettings s(dir.path("p.ini"), QSettings::IniFormat);
    s.setValue("fn", QStringList({"a", "b"}));  // not a text
  }
  LinkSession session;
  QString folder = QStringLiteral("/before");
  EXPECT_TRUE(rereg(session, folder, Preferences(dir.path("p.ini"))));
  EXPECT_TRUE(session.portName.isEmpty());
  EXPECT_TRUE(folder.isEmpty());
}

TEST(Preferences, RoundTripStoresTheCurrentDirectoryWhole) {
  TempCwd dir;
  QString deep = dir.root();
  while (deep.size() < 300) deep += QStringLiteral("/папка_с_длинным_именем");
  ASSERT_TRUE(QDir().mkpath(deep));
  QDir::setCurrent(deep);
  LinkSession session;
  session.portName = QStringLiteral("/dev/ttyUSB0");
  QString folder;
  const Preferences prefs(dir.path("p.ini"));
  wrreg(session, folder, prefs);
  LinkSession back;
  QString backFolder;
  EXPECT_TRUE(rereg(back, backFolder, prefs));
  EXPECT_EQ(back.portName, QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(backFolder, QDir::toNativeSeparators(deep));
}

TEST(Preferences, ARelativeFileIsTheOneInTheStartFolder) {
  TempCwd dir;
  ASSERT_TRUE(QDir().mkpath(dir.path("elsewhere")));
  const Preferences prefs(QStringLiteral("relative.ini"));
  QDir::setCurrent(dir.path("elsewhere"));  // the program moves to the stored folder
  LinkSession session;
  session.portName = QStringLiteral("/dev/ttyS3");
  QString folder;
  wrreg(session, folder, prefs);
  EXPECT_TRUE(QFileInfo::exists(dir.path("relative.ini")));
  EXPECT_FALSE(QFileInfo::exists(dir.path("elsewhere/relative.ini")));
  LinkSession back;
  rereg(back, folder, prefs);
  EXPECT_EQ(back.portName, QStringLiteral("/dev/ttyS3"));
}

TEST(Preferences, TheFolderOfTheLastFileDialogIsStoredAtClose) {
  TempCwd dir;
  QDir().mkpath(dir.path("sites/north"));
  auto st = std::make_unique<ConversationState>();
  QString folder;
  ScriptedPrompter p;
  FileCommands cmd(*st, *st, folder, p, {[] {}, [] {}, [] {}});
  auto img = std::make_unique<ConfigImage>();
  writeImageFile(dir.path("sites/north/r1.rcf"), WriteMode::CreateNew, *img);
  p.openChoices = {dir.path("sites/north/r1.rcf")};
  cmd.open();
  const Preferences prefs(dir.path("p.ini"));
  wrreg(*st, folder, prefs);
  QSettings s(dir.path("p.ini"), QSettings::IniFormat);
  EXPECT_EQ(s.value("fn").toString(), QDir::toNativeSeparators(dir.path("sites/north")));
}
