#include "support/temp_dir.h"

#include <QDir>
#include <QFile>

namespace orbisk::test {

TempCwd::TempCwd() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
TempCwd::~TempCwd() { QDir::setCurrent(previous_); }

QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

}  // namespace orbisk::test
