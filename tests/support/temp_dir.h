// A temporary folder that is also the current directory while it lives.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace orbisk::test {

class TempCwd {
 public:
  TempCwd();
  ~TempCwd();
  QString path(const QString& name) const { return dir_.filePath(name); }
  QString root() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);

}  // namespace orbisk::test
