// Saves that never lose a file: what they refuse, what they keep, and a disk that fills up.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "core/files/safe_save.h"
#include "core/history/backup_store.h"
#include "support/backup_env.h"
#include "support/non_regular_files.h"
#include "support/temp_dir.h"

using namespace orbisk;
using namespace orbisk::test;

namespace {

std::unique_ptr<ConfigImage> marked(uint8_t marker) {
  auto img = std::make_unique<ConfigImage>();
  (*img)[1000] = marker;
  return img;
}

QStringList entries(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System); }

#ifndef _WIN32
// A small file system of its own, where the disk can run full or be read-only; root only.
class SmallDisk {
 public:
  explicit SmallDisk(const QString& path, const char* options) : path_(path) {
    QDir().mkpath(path);
    mounted_ = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, options) == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount(QFile::encodeName(path_).constData());
  }
  bool mounted() const { return mounted_; }
  void remountReadOnly() {
    ::mount("tmpfs", QFile::encodeName(path_).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr);
  }

 private:
  QString path_;
  bool mounted_ = false;
};
#endif

}  // namespace

TEST(SafeSave, ReplacingKeepsTheOldVersionInTheBackupsOnceAndWritesThroughSymlinks) {
  TempCwd dir;
  const BackupFolder backups(dir.path("backups"));
  const QString path = dir.path("site.rcf");
  ASSERT_TRUE(saveReplacing(path, *marked(1)));
  EXPECT_TRUE(backups.files("replaced").isEmpty());  // nothing was there to lose
  const QByteArray first = readAll(path);

  SaveOutcome saved = saveImageReplacing(path, *marked(2));
  ASSERT_TRUE(saved.ok());
  ASSERT_EQ(backups.files("replaced").size(), 1);
  EXPECT_EQ(saved.replacedBackup, backups.files("replaced").first());
  EXPECT_EQ(readAll(saved.replacedBackup), first);
  EXPECT_EQ(static_cast<uint8_t>(readAll(path)[1000]), 2);
  // Saving the same bytes again loses nothing, so keeps nothing.
  EXPECT_TRUE(saveImageReplacing(path, *marked(2)).replacedBackup.isEmpty());

#ifndef _WIN32
  // A link stays a link; the file it names is written, its old contents kept. (A Windows
  // shortcut is no link that files are written through.)
  ASSERT_TRUE(QFile::link(path, dir.path("link.rcf")));
  ASSERT_TRUE(saveImageReplacing(dir.path("link.rcf"), *marked(3)).ok());
  EXPECT_TRUE(QFileInfo(dir.path("link.rcf")).isSymLink());
  EXPECT_EQ(static_cast<uint8_t>(readAll(path)[1000]), 3);
  EXPECT_EQ(backups.files("replaced").size(), 2);
  EXPECT_EQ(entries(dir.root()), (QStringList{"link.rcf", "site.rcf"}));
#endif
}

TEST(SafeSave, NamesTakenByFoldersDevicesAndPipesAreRefusedUntouched) {
  TempCwd dir;
  QStringList targets = notPlainFiles(dir) << dir.path("folder.rcf");
  ASSERT_EQ(targets.size(), 5);
  QDir().mkdir(dir.path("folder.rcf"));
#ifndef _WIN32
  const QString fifo = targets.first();
  // A device of its own, like /dev/null, so a fault here cannot harm the system's.
  if (::mknod(QFile::encodeName(dir.path("null")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
    targets << dir.path("null");
  ASSERT_TRUE(QFile::link(fifo, dir.path("to-pipe.rcf")));
  targets << dir.path("to-pipe.rcf");
#endif
  for (const QString& t : targets) {
    auto img = marked(1);
    EXPECT_EQ(saveImageReplacing(t, *img).cause, SaveCause::NotRegular) << t.toStdString();
    EXPECT_EQ(saveImageNew(t, *img), SaveCause::NotRegular) << t.toStdString();
    EXPECT_EQ(checkSaveAt(t), SaveCause::NotRegular) << t.toStdString();
    EXPECT_FALSE(QFileInfo(t).isFile());
  }
#ifndef _WIN32
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
#endif
  EXPECT_EQ(entries(dir.root()).filter(QStringLiteral(".part")), QStringList{});
}

// A killed save's temporary file goes; one a running save holds (locked) stays.
TEST(SafeSave, AStaleTemporaryFileOfTheSameNameGoesAtTheNextSave) {
  TempCwd dir;
  const QDateTime minuteAgo = QDateTime::currentDateTime().addSecs(-60);
  for (const char* name : {".site.rcf.0badf00d.part", ".site.rcf.00c0ffee.part", ".other.rcf.0badf00d.part"}) {
    writeAll(dir.path(name), "left behind");
    QFile f(dir.path(name));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(minuteAgo, QFileDevice::FileModificationTime));
  }
#ifdef _WIN32
  // Held open by a running save, which shares it with no deleter.
  QFile running(dir.path(".site.rcf.00c0ffee.part"));
  ASSERT_TRUE(running.open(QIODevice::ReadOnly));
  ASSERT_TRUE(saveReplacing(dir.path("site.rcf"), *marked(1)));
  running.close();
#else
  const int running = ::open(QFile::encodeName(dir.path(".site.rcf.00c0ffee.part")).constData(), O_RDONLY);
  ASSERT_EQ(::flock(running, LOCK_EX), 0);
  ASSERT_TRUE(saveReplacing(dir.path("site.rcf"), *marked(1)));
  ::close(running);
#endif
  EXPECT_EQ(entries(dir.root()), (QStringList{".other.rcf.0badf00d.part", ".site.rcf.00c0ffee.part", "site.rcf"}));
}

#ifdef _WIN32
// A read-only file is not replaced by a rename; a new name never replaces what another save
// put there first.
TEST(SafeSave, AReadOnlyFileOrATakenNewNameIsLeftAsItIs) {
  TempCwd dir;
  const QString path = dir.path("site.rcf");
  ASSERT_TRUE(saveReplacing(path, *marked(1)));
  const QByteArray before = readAll(path);
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
  EXPECT_EQ(saveImageReplacing(path, *marked(2)).cause, SaveCause::NoPermission);
  EXPECT_EQ(checkSaveAt(path), SaveCause::NoPermission);
  EXPECT_EQ(readAll(path), before);
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  EXPECT_EQ(saveImageNew(path, *marked(3)), SaveCause::Exists);
  EXPECT_EQ(readAll(path), before);
  EXPECT_EQ(saveImageNew(dir.path("no/folder.rcf"), *marked(3)), SaveCause::NoFolder);
  EXPECT_EQ(entries(dir.root()), QStringList{"site.rcf"});
}
#else
TEST(SafeSave, AFullDiskOrAReadOnlyOneLeavesTheOldFileAndNoPartialOne) {
  TempCwd dir;
  const QString disk = dir.path("disk");
  SmallDisk small(disk, "size=192k");
  if (!small.mounted()) GTEST_SKIP() << "mounting a small disk needs root";
  const BackupFolder backups(dir.path("backups"));
  const QString path = disk + QStringLiteral("/site.rcf");
  ASSERT_TRUE(saveReplacing(path, *marked(1)));
  const QByteArray before = readAll(path);
  // Room for one configuration, not for a second beside it.
  const SaveOutcome full = saveImageReplacing(path, *marked(2));
  EXPECT_EQ(full.cause, SaveCause::NoSpace);
  EXPECT_EQ(readAll(path), before);
  EXPECT_EQ(entries(disk), QStringList{"site.rcf"});
  EXPECT_EQ(saveImageNew(disk + QStringLiteral("/new.rcf"), *marked(2)), SaveCause::NoSpace);
  EXPECT_EQ(entries(disk), QStringList{"site.rcf"});

  small.remountReadOnly();
  EXPECT_EQ(checkSaveAt(path), SaveCause::NoPermission);
  EXPECT_EQ(saveImageReplacing(path, *marked(3)).cause, SaveCause::NoPermission);
  EXPECT_EQ(readAll(path), before);
  EXPECT_EQ(saveImageNew(dir.path("no/folder.rcf"), *marked(3)), SaveCause::NoFolder);
}
#endif
