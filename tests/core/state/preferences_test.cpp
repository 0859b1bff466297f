#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <memory>

#include "core/files/file_commands.h"
#include "core/files/rcf_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "core/state/preferences.h"

using namespace orbisk;
using namespace orbisk::test;

TEST(Preferences, MissingKeyKeepsTheDefaultsAndSaysSo) {
  TempCwd dir;
  auto st = std::make_unique<MainState>();
  EXPECT_FALSE(rereg(*st, Preferences(dir.path("none.ini"))));
  EXPECT_EQ(st->portName, QStringLiteral("COM1"));
  EXPECT_TRUE(st->defaultDirectory.isEmpty());
}

TEST(Preferences, MissingOrForeignValuesReadAsEmpty) {
  TempCwd dir;
  {
    QSettings s(dir.path("p.ini"), QSettings::IniFormat);
    s.setValue("fn", QStringList({"a", "b"}));  // not a text
  }
  auto st = std::make_unique<MainState>();
  EXPECT_TRUE(rereg(*st, Preferences(dir.path("p.ini"))));
  EXPECT_TRUE(st->portName.isEmpty());
  EXPECT_TRUE(st->defaultDirectory.isEmpty());
}

TEST(Preferences, RoundTripStoresTheCurrentDirectoryWhole) {
  TempCwd dir;
  QString deep = dir.root();
  while (deep.size() < 300) deep += QStringLiteral("/папка_с_длинным_именем");
  ASSERT_TRUE(QDir().mkpath(deep));
  QDir::setCurrent(deep);
  auto st = std::make_unique<MainState>();
  st->portName = QStringLiteral("/dev/ttyUSB0");
  const Preferences prefs(dir.path("p.ini"));
  wrreg(*st, prefs);
  auto back = std::make_unique<MainState>();
  EXPECT_TRUE(rereg(*back, prefs));
  EXPECT_EQ(back->portName, QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(back->defaultDirectory, QDir::toNativeSeparators(deep));
}

TEST(Preferences, ARelativeFileIsTheOneInTheStartFolder) {
  TempCwd dir;
  ASSERT_TRUE(QDir().mkpath(dir.path("elsewhere")));
  const Preferences prefs(QStringLiteral("relative.ini"));
  QDir::setCurrent(dir.path("elsewhere"));  // the program moves to the stored folder
  auto st = std::make_unique<MainState>();
  st->portName = QStringLiteral("/dev/ttyS3");
  wrreg(*st, prefs);
  EXPECT_TRUE(QFileInfo::exists(dir.path("relative.ini")));
  EXPECT_FALSE(QFileInfo::exists(dir.path("elsewhere/relative.ini")));
  auto back = std::make_unique<MainState>();
  rereg(*back, prefs);
  EXPECT_EQ(back->portName, QStringLiteral("/dev/ttyS3"));
}

TEST(Preferences, TheFolderOfTheLastFileDialogIsStoredAtClose) {
  TempCwd dir;
  QDir().mkpath(dir.path("sites/north"));
  auto st = std::make_unique<MainState>();
  ScriptedPrompter p;
  FileCommands cmd(*st, p, [] {}, [] {});
  auto img = std::make_unique<ConfigImage>();
  writeImageFile(dir.path("sites/north/r1.rcf"), WriteMode::CreateNew, *img);
  p.openChoices = {dir.path("sites/north/r1.rcf")};
  cmd.open();
  const Preferences prefs(dir.path("p.ini"));
  wrreg(*st, prefs);
  QSettings s(dir.path("p.ini"), QSettings::IniFormat);
  EXPECT_EQ(s.value("fn").toString(), QDir::toNativeSeparators(dir.path("sites/north")));
}
