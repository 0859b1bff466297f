// Points ORBISK_DATA_DIR (the register and its trail, for this process and the programs it
// starts) at a test's own folder while it lives.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orbisk::test {

class DataFolder {
 public:
  explicit DataFolder(const QString& path) : previous_(qgetenv("ORBISK_DATA_DIR")) {
    qputenv("ORBISK_DATA_DIR", QFile::encodeName(path));
  }
  ~DataFolder() { qputenv("ORBISK_DATA_DIR", previous_); }
  DataFolder(const DataFolder&) = delete;
  DataFolder& operator=(const DataFolder&) = delete;

 private:
  QByteArray previous_;
};

}  // namespace orbisk::test
