#include <gtest/gtest.h>

#include <QDir>

#include "core/state/recent_files.h"
#include "core/state/preferences.h"
#include "support/temp_dir.h"

using namespace orbisk;

TEST(RecentFiles, LatestFirstOnceEvenSpelledOtherwiseAndAtMostEight) {
  test::TempCwd dir;
  QStringList recent;
  for (int i = 1; i <= 9; ++i) recent = withRecentFile(recent, dir.path(QStringLiteral("f%1.rcf").arg(i)));
  ASSERT_EQ(recent.size(), 8);
  EXPECT_TRUE(recent.first().endsWith(QStringLiteral("f9.rcf")));
  EXPECT_TRUE(recent.last().endsWith(QStringLiteral("f2.rcf")));
  // The same file through "./" and a relative name moves to the front instead of a second entry.
  recent = withRecentFile(recent, QStringLiteral("./f5.rcf"));
  EXPECT_EQ(recent.size(), 8);
  EXPECT_EQ(recent.first(), QDir::toNativeSeparators(dir.path(QStringLiteral("f5.rcf"))));
  EXPECT_EQ(recent.count(recent.first()), 1);
  recent = withoutRecentFile(recent, dir.path(QStringLiteral("f5.rcf")));
  EXPECT_EQ(recent.size(), 7);

  // Kept beside "pr" and "fn", paths with blanks and commas whole.
  const Preferences prefs(dir.path(QStringLiteral("prefs.ini")));
  const QStringList odd{QStringLiteral("/srv/a b, c.rcf"), QStringLiteral("/srv/д;е.rcf")};
  ASSERT_TRUE(prefs.writeRecentFiles(odd));
  EXPECT_EQ(prefs.readRecentFiles(), odd);
  ASSERT_TRUE(prefs.writeRecentFiles({odd[1]}));
  EXPECT_EQ(prefs.readRecentFiles(), QStringList{odd[1]});
}
