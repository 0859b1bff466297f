#include "core/register/register_db.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <atomic>

#include "core/register/register_texts.h"

namespace orbisk {
namespace {

std::atomic<int> connections{0};

// Each version's statements, from the first on; a file is brought up one version at a time.
const QStringList& migration(int version) {
  static const QStringList kSteps[] = {
      // 1: the receivers; "Склад" and "СКЛАД" are one name.
      {QStringLiteral("CREATE TABLE receivers ("
                      " id INTEGER PRIMARY KEY,"
                      " name TEXT NOT NULL,"
                      " key TEXT NOT NULL UNIQUE,"  // the name case-folded: SQLite folds ASCII only
                      " site TEXT NOT NULL DEFAULT '',"
                      " port TEXT NOT NULL,"
                      " number INTEGER,"
                      " comment TEXT NOT NULL DEFAULT '',"
                      " config_file TEXT NOT NULL DEFAULT '')")},
      // 2: the audit trail; the receiver is kept by its name so that its lines outlive its removal.
      {QStringLiteral("CREATE TABLE audit ("
                      " id INTEGER PRIMARY KEY,"
                      " at TEXT NOT NULL,"
                      " user TEXT NOT NULL DEFAULT '',"
                      " receiver TEXT NOT NULL DEFAULT '',"
                      " port TEXT NOT NULL DEFAULT '',"
                      " action TEXT NOT NULL,"
                      " result TEXT NOT NULL,"
                      " detail TEXT NOT NULL DEFAULT '',"
                      " file TEXT NOT NULL DEFAULT '',"
                      " comment TEXT NOT NULL DEFAULT '')"),
       QStringLiteral("CREATE INDEX audit_by_receiver ON audit (receiver, action, at)"),
       QStringLiteral("CREATE INDEX audit_by_receiver_time ON audit (receiver, at)"),
       QStringLiteral("CREATE INDEX audit_by_time ON audit (at)")},
  };
  return kSteps[version - 1];
}

QString causeOf(const QSqlError& e) { return e.databaseText().isEmpty() ? e.text() : e.databaseText(); }

}  // namespace

QString registerPath() {
  const QString fromEnv = qEnvironmentVariable("ORBISK_DATA_DIR");
  const QString dir = fromEnv.isEmpty()
                          ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/orbsk")
                          : fromEnv;
  return dir + QStringLiteral("/orbisk.sqlite");
}

RegisterDb::RegisterDb(const QString& path, int schema)
    : path_(path), connection_(QStringLiteral("orbisk-register-%1").arg(++connections)) {
  if (open()) migrate(schema);
}

RegisterDb::~RegisterDb() {
  {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.isValid()) db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

bool RegisterDb::fail(const QString& text) {
  error_ = text;
  return false;
}

bool RegisterDb::open() {
  const QFileInfo info(path_);
  // SQLite would take a device or a pipe as it comes; a register is a file of its own.
  if (info.exists() && !info.isFile()) return fail(reg::RegisterTexts::notRegular().arg(path_));
  if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
    return fail(reg::RegisterTexts::cannotOpen().arg(path_, QStringLiteral("QSQLITE")));
  if (!QDir().mkpath(info.absolutePath()))
    return fail(reg::RegisterTexts::cannotOpen().arg(path_, info.absolutePath()));
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  db.setDatabaseName(path_);
  db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  if (!db.open()) return fail(reg::RegisterTexts::cannotOpen().arg(path_, causeOf(db.lastError())));
  // A file that is not a database opens; the first look inside tells.
  QSqlQuery q(db);
  if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
    return fail(reg::RegisterTexts::damaged().arg(path_, causeOf(q.lastError())));
  return true;
}

QSqlQuery RegisterDb::query() { return QSqlQuery(QSqlDatabase::database(connection_, false)); }

bool RegisterDb::run(QSqlQuery& q) {
  if (q.exec()) return true;
  return fail(reg::RegisterTexts::failed().arg(path_, causeOf(q.lastError())));
}

int RegisterDb::schemaVersion() {
  QSqlQuery q = query();
  q.prepare(QStringLiteral("PRAGMA user_version"));
  return run(q) && q.next() ? q.value(0).toInt() : -1;
}

bool RegisterDb::transaction(const std::function<bool()>& body) {
  QSqlQuery q = query();
  q.prepare(QStringLiteral("BEGIN IMMEDIATE"));
  if (!run(q)) return false;
  bool done = body();
  if (done) {
    q.prepare(QStringLiteral("COMMIT"));
    done = run(q);
  }
  if (!done) {
    const QString why = error_;
    q.prepare(QStringLiteral("ROLLBACK"));
    q.exec();
    error_ = why;
  }
  return done;
}

bool RegisterDb::migrate(int schema) {
  // A newer program's file is left alone: its tables may mean what this one cannot know.
  const auto newer = [this](int v) {
    if (v <= kRegisterSchema) return false;
    fail(reg::RegisterTexts::newer().arg(path_).arg(v));
    return true;
  };
  const int found = schemaVersion();
  if (found < 0 || newer(found)) return false;
  if (found >= schema) return true;
  return transaction([&] {
    // Another process may have brought it up while this one waited for the lock.
    int version = schemaVersion();
    if (version < 0 || newer(version)) return false;
    for (++version; version <= schema; ++version) {
      for (const QString& statement : migration(version)) {
        QSqlQuery q = query();
        q.prepare(statement);
        if (!run(q)) return false;
      }
      QSqlQuery q = query();
      q.prepare(QStringLiteral("PRAGMA user_version = %1").arg(version));
      if (!run(q)) return false;
    }
    return true;
  });
}

}  // namespace orbisk
