#include <gtest/gtest.h>

#include <QFile>
#include <memory>

#include "core/files/rcf_file.h"
#include "support/temp_dir.h"

using namespace orbisk;
using orbisk::test::readAll;
using orbisk::test::TempCwd;
using orbisk::test::writeAll;

namespace {
std::unique_ptr<ConfigImage> patterned() {
  auto img = std::make_unique<ConfigImage>();
  for (int i = 0; i < kImageSize; ++i) (*img)[i] = static_cast<uint8_t>(i * 7 + 3);
  return img;
}
}  // namespace

TEST(RcfFile, RoundTripByteForByteWithSignatureStamped) {
  TempCwd dir;
  auto img = patterned();
  const QString path = dir.path("a.rcf");
  ASSERT_EQ(writeImageFile(path, WriteMode::CreateNew, *img), WriteResult::Ok);
  const QByteArray bytes = readAll(path);
  ASSERT_EQ(bytes.size(), kImageSize);
  EXPECT_EQ(bytes[3], '$');
  EXPECT_EQ(bytes[4], '5');
  EXPECT_EQ(bytes[6], 'x');
  auto back = std::make_unique<ConfigImage>();
  ASSERT_EQ(readImageFile(path, *back), ReadResult::Ok);
  EXPECT_TRUE(*back == *img);  // including the unused areas
}

TEST(RcfFile, CreateNewRefusesExistingNamesAndExistingNeedsAFile) {
  TempCwd dir;
  auto img = patterned();
  const QString path = dir.path("b.rcf");
  EXPECT_EQ(writeImageFile(path, WriteMode::Existing, *img), WriteResult::CannotOpen);
  EXPECT_FALSE(QFile::exists(path));
  ASSERT_EQ(writeImageFile(path, WriteMode::CreateNew, *img), WriteResult::Ok);
  EXPECT_EQ(writeImageFile(path, WriteMode::CreateNew, *img), WriteResult::CannotOpen);
  EXPECT_EQ(writeImageFile(path, WriteMode::CreateAlways, *img), WriteResult::Ok);
}

TEST(RcfFile, WritingOverALongerFileKeepsItsTailAndReadTakesTheHead) {
  TempCwd dir;
  const QString path = dir.path("long.rcf");
  QByteArray longer(kImageSize + 100, 'T');
  writeAll(path, longer);
  auto img = patterned();
  ASSERT_EQ(writeImageFile(path, WriteMode::Existing, *img), WriteResult::Ok);
  const QByteArray bytes = readAll(path);
  ASSERT_EQ(bytes.size(), kImageSize + 100);
  EXPECT_EQ(bytes.right(100), QByteArray(100, 'T'));
  auto back = std::make_unique<ConfigImage>();
  ASSERT_EQ(readImageFile(path, *back), ReadResult::Ok);
  EXPECT_TRUE(*back == *img);
}

TEST(RcfFile, RefusedFilesLeaveTheImageAlone) {
  TempCwd dir;
  auto img = patterned();
  img->stampSignature();
  QByteArray good(reinterpret_cast<const char*>(img->data()), kImageSize);
  auto target = std::make_unique<ConfigImage>();
  (*target)[100] = 42;
  const auto before = std::make_unique<ConfigImage>(*target);

  for (int sigByte : {3, 4, 6}) {
    QByteArray bad = good;
    bad[sigByte] = 'Q';
    writeAll(dir.path("bad.rcf"), bad);
    EXPECT_EQ(readImageFile(dir.path("bad.rcf"), *target), ReadResult::NotConfig);
  }
  writeAll(dir.path("short.rcf"), good.left(kImageSize - 1));
  EXPECT_EQ(readImageFile(dir.path("short.rcf"), *target), ReadResult::NotConfig);
  EXPECT_EQ(readImageFile(dir.path("missing.rcf"), *target), ReadResult::CannotOpen);
  writeAll(dir.path("ro.rcf"), good);
  QFile::setPermissions(dir.path("ro.rcf"), QFile::ReadOwner);
  if (!QFile(dir.path("ro.rcf")).open(QIODevice::ReadWrite)) {  // root may write anyway
    EXPECT_EQ(readImageFile(dir.path("ro.rcf"), *target), ReadResult::CannotOpen);
  }
  EXPECT_TRUE(*target == *before);
  // Looking only: a write-protected file is read.
  EXPECT_EQ(readImageFile(dir.path("ro.rcf"), *target, ReadAccess::ReadOnly), ReadResult::Ok);
  EXPECT_TRUE(*target == *img);
}

TEST(RcfFile, ShortFileName) {
  EXPECT_EQ(shortFileName(QStringLiteral("C:\\cfg\\site.a.rcf")), QStringLiteral("site.a"));
  EXPECT_EQ(shortFileName(QStringLiteral("C:\\cfg\\site")), QStringLiteral("site"));
  EXPECT_EQ(shortFileName(QStringLiteral("/home/u/a.b.rcf")), QStringLiteral("a.b"));
  EXPECT_EQ(shortFileName(QStringLiteral("OrbData1")), QStringLiteral("OrbData1"));
}
