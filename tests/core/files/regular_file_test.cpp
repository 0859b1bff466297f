// Files the user names that are not plain files: each fails at once, none blocks.
#include <gtest/gtest.h>


#include <QElapsedTimer>
#include <QFile>
#include <memory>

#include "core/exchange/phone_csv.h"
#include "core/files/device_name.h"
#include "core/files/rcf_file.h"
#include "support/non_regular_files.h"
#include "support/temp_dir.h"

using namespace orbisk;
using orbisk::test::TempCwd;

// Windows opens a device wherever its name is written, in any folder and with any extension.
TEST(RegularFile, WindowsDeviceNamesAreKnownInAnyFolderAndCase) {
  for (const char* name : {"NUL", "nul.rcf", "C:/sites/Com1.csv", "lpt9", "aux.tar.gz", "C:\\x\\CON",
                           "\\\\.\\pipe\\orbisk", "//./COM12", "sites/conout$"})
    EXPECT_TRUE(isWindowsDeviceName(QString::fromLatin1(name))) << name;
  for (const char* name : {"console.rcf", "C:/con/site.rcf", "com.rcf", "nul_site.rcf", "COM10x.rcf", "",
                           "C:/sites/auxiliary.csv"})
    EXPECT_FALSE(isWindowsDeviceName(QString::fromLatin1(name))) << name;
}

TEST(RegularFile, FifosDevicesAndFoldersAreRefusedWithoutBlocking) {
  TempCwd dir;
  const QStringList refused = notPlainFiles(dir) << dir.root();
  ASSERT_EQ(refused.size(), 5);
  auto img = std::make_unique<ConfigImage>();
  (*img)[100] = 42;
  const auto before = std::make_unique<ConfigImage>(*img);
  QElapsedTimer t;
  t.start();
  for (const QString& p : refused) {
    for (ReadAccess a : {ReadAccess::Writable, ReadAccess::ReadOnly})
      EXPECT_EQ(readImageFile(p, *img, a), ReadResult::CannotOpen) << p.toStdString();
    QByteArray bytes;
    EXPECT_FALSE(readCsvFile(p, bytes)) << p.toStdString();
  }
  EXPECT_LT(t.elapsed(), 2000);
  EXPECT_TRUE(*img == *before);
}

TEST(RegularFile, AHugeSparseFileIsReadOnlyAsFarAsTheImage) {
  TempCwd dir;
  const QString big = dir.path("big.rcf");
  {
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(qint64(2) << 30));
  }
  auto img = std::make_unique<ConfigImage>();
  QElapsedTimer t;
  t.start();
  EXPECT_EQ(readImageFile(big, *img), ReadResult::NotConfig);  // zeros: no signature
  QByteArray bytes;
  EXPECT_FALSE(readCsvFile(big, bytes));  // far above what a telephone table can hold
  EXPECT_LT(t.elapsed(), 2000);
  // A plain file still opens through a symbolic link.
  ASSERT_TRUE(QFile::link(big, dir.path("link.rcf")));
  EXPECT_EQ(readImageFile(dir.path("link.rcf"), *img), ReadResult::NotConfig);
}
