// Files the user names that are not plain files: each fails at once, none blocks.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <memory>

#include "core/exchange/phone_csv.h"
#include "core/files/rcf_file.h"
#include "support/temp_dir.h"

using namespace orbisk;
using orbisk::test::TempCwd;

TEST(RegularFile, FifosDevicesAndFoldersAreRefusedWithoutBlocking) {
  TempCwd dir;
  const QString fifo = dir.path("pipe.rcf");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  auto img = std::make_unique<ConfigImage>();
  (*img)[100] = 42;
  const auto before = std::make_unique<ConfigImage>(*img);
  QElapsedTimer t;
  t.start();
  for (const QString& p : {fifo, dir.root(), QStringLiteral("/dev/zero"), QStringLiteral("/dev/null"),
                           QStringLiteral("/dev/ptmx")}) {
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
