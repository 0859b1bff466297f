// Points ORBISK_BACKUP_DIR (for this process and the programs it starts) at a test's own folder
// while it lives.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace orbisk::test {

class BackupFolder {
 public:
  explicit BackupFolder(const QString& path) : path_(path), previous_(qgetenv("ORBISK_BACKUP_DIR")) {
    qputenv("ORBISK_BACKUP_DIR", QFile::encodeName(path));
  }
  ~BackupFolder() { qputenv("ORBISK_BACKUP_DIR", previous_); }
  BackupFolder(const BackupFolder&) = delete;
  BackupFolder& operator=(const BackupFolder&) = delete;

  // The backups of one kind ("read" or "write"), oldest first.
  QStringList files(const char* kind) const {
    QStringList names = QDir(path_).entryList({QStringLiteral("*_%1*.rcf").arg(QLatin1String(kind))}, QDir::Files, QDir::Name);
    for (QString& n : names) n = path_ + u'/' + n;
    return names;
  }

 private:
  QString path_;
  QByteArray previous_;
};

}  // namespace orbisk::test
