// The SQLite database of the register of receivers and the audit trail, one connection per
// object (Qt's connections are not shared between threads). Opening it brings an older schema
// up to date inside one immediate transaction, so two Orbisk processes never migrate at once.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>

class QSqlQuery;

namespace orbisk {

// ORBISK_DATA_DIR/orbisk.sqlite when set, else orbsk/orbisk.sqlite in the user's data folder.
QString registerPath();

inline constexpr int kRegisterSchema = 2;
inline constexpr int kBusyTimeoutMs = 5000;  // another process writing: wait this long, then fail

// Qt binds a null string as SQL NULL; the tables hold '' for "none".
inline QString notNull(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }

class RegisterDb {
 public:
  // schema is the version to bring the file up to; below kRegisterSchema only in tests, which
  // make files as older programs left them.
  explicit RegisterDb(const QString& path = registerPath(), int schema = kRegisterSchema);
  ~RegisterDb();
  RegisterDb(const RegisterDb&) = delete;
  RegisterDb& operator=(const RegisterDb&) = delete;

  bool ok() const { return error_.isEmpty(); }
  const QString& error() const { return error_; }  // why it cannot be used, in words
  const QString& path() const { return path_; }
  int schemaVersion();

  // A new query on this connection.
  QSqlQuery query();
  // Runs q; on failure keeps the cause in error() and returns false.
  bool run(QSqlQuery& q);
  // body inside BEGIN IMMEDIATE ... COMMIT; rolled back when body returns false.
  bool transaction(const std::function<bool()>& body);

 private:
  bool open();
  bool migrate(int schema);
  bool fail(const QString& text);

  QString path_;
  QString connection_;
  QString error_;
};

}  // namespace orbisk
