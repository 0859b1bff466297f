#include "core/register/receiver_register.h"

#include <QSqlQuery>
#include <QVariant>

#include "core/register/register_texts.h"

namespace orbisk {
namespace {

constexpr int kNumberMax = 15;

// The trail's times are UTC in ISO form, so that they sort as text.
QDateTime timeOf(const QVariant& v) {
  if (v.isNull()) return {};
  return QDateTime::fromString(v.toString(), Qt::ISODateWithMs).toLocalTime();
}

const QString kSelect = QStringLiteral(
    "SELECT r.name, r.site, r.port, r.number, r.comment, r.config_file,"
    " (SELECT max(at) FROM audit a WHERE a.receiver = r.name AND a.action IN ('read', 'backup') AND a.result = 'ok'),"
    " (SELECT max(at) FROM audit a WHERE a.receiver = r.name AND a.action = 'write' AND a.result = 'ok'),"
    " (SELECT max(at) FROM audit a WHERE a.receiver = r.name AND a.action = 'backup' AND a.result = 'ok'),"
    " (SELECT action || char(9) || result FROM audit a WHERE a.receiver = r.name ORDER BY at DESC, id DESC LIMIT 1)"
    " FROM receivers r");

RegisteredReceiver fromRow(const QSqlQuery& q) {
  RegisteredReceiver r;
  r.name = q.value(0).toString();
  r.site = q.value(1).toString();
  r.port = q.value(2).toString();
  if (!q.value(3).isNull()) r.number = q.value(3).toInt();
  r.comment = q.value(4).toString();
  r.configFile = q.value(5).toString();
  r.lastRead = timeOf(q.value(6));
  r.lastWrite = timeOf(q.value(7));
  r.lastBackup = timeOf(q.value(8));
  const QStringList last = q.value(9).toString().split(u'\t');
  if (last.size() == 2) {
    r.lastAction = last.at(0);
    r.lastResult = last.at(1);
  }
  return r;
}

QString keyOf(const QString& name) { return name.toCaseFolded(); }

void bindFields(QSqlQuery& q, const RegisteredReceiver& r) {
  q.bindValue(QStringLiteral(":name"), notNull(r.name));
  q.bindValue(QStringLiteral(":key"), keyOf(r.name));
  q.bindValue(QStringLiteral(":site"), notNull(r.site));
  q.bindValue(QStringLiteral(":port"), notNull(r.port));
  q.bindValue(QStringLiteral(":number"), r.number ? QVariant(*r.number) : QVariant(QMetaType(QMetaType::Int)));
  q.bindValue(QStringLiteral(":comment"), notNull(r.comment));
  q.bindValue(QStringLiteral(":config"), notNull(r.configFile));
}

}  // namespace

QString receiverNameProblem(const QString& name) {
  if (name.trimmed().isEmpty()) return reg::RegisterTexts::nameEmpty();
  if (name != name.trimmed()) return reg::RegisterTexts::nameBlanks();
  if (name.size() > kReceiverNameMax) return reg::RegisterTexts::nameTooLong().arg(kReceiverNameMax);
  for (const QChar c : name)
    if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
      return reg::RegisterTexts::nameControl();
  return {};
}

std::optional<int> parseReceiverNumber(const QString& text, QString& problem) {
  bool ok = false;
  const int n = text.toInt(&ok);
  if (ok && n >= 0 && n <= kNumberMax) return n;
  problem = reg::RegisterTexts::badNumber().arg(text);
  return std::nullopt;
}

QString ReceiverRegister::check(const RegisteredReceiver& r) const {
  if (const QString p = receiverNameProblem(r.name); !p.isEmpty()) return p;
  if (r.port.trimmed().isEmpty()) return reg::RegisterTexts::portEmpty();
  if (r.number && (*r.number < 0 || *r.number > kNumberMax)) return reg::RegisterTexts::badNumber().arg(*r.number);
  return {};
}

std::optional<std::vector<RegisteredReceiver>> ReceiverRegister::list() {
  if (!db_.ok()) return std::nullopt;
  QSqlQuery q = db_.query();
  q.setForwardOnly(true);
  q.prepare(kSelect + QStringLiteral(" ORDER BY r.name"));
  if (!db_.run(q)) return std::nullopt;
  std::vector<RegisteredReceiver> all;
  while (q.next()) all.push_back(fromRow(q));
  return all;
}

std::optional<RegisteredReceiver> ReceiverRegister::find(const QString& name) {
  if (!db_.ok()) return std::nullopt;
  QSqlQuery q = db_.query();
  q.prepare(kSelect + QStringLiteral(" WHERE r.key = :key"));
  q.bindValue(QStringLiteral(":key"), keyOf(name));
  if (!db_.run(q) || !q.next()) return std::nullopt;
  return fromRow(q);
}

QString ReceiverRegister::add(const RegisteredReceiver& r) {
  if (!db_.ok()) return db_.error();
  if (const QString p = check(r); !p.isEmpty()) return p;
  QString problem;
  const bool done = db_.transaction([&] {
    QSqlQuery taken = db_.query();
    taken.prepare(QStringLiteral("SELECT 1 FROM receivers WHERE key = :key"));
    taken.bindValue(QStringLiteral(":key"), keyOf(r.name));
    if (!db_.run(taken)) return false;
    if (taken.next()) {
      problem = reg::RegisterTexts::nameTaken().arg(r.name);
      return false;
    }
    QSqlQuery q = db_.query();
    q.prepare(QStringLiteral("INSERT INTO receivers (name, key, site, port, number, comment, config_file)"
                             " VALUES (:name, :key, :site, :port, :number, :comment, :config)"));
    bindFields(q, r);
    return db_.run(q);
  });
  return done ? QString() : problem.isEmpty() ? db_.error() : problem;
}

QString ReceiverRegister::edit(const QString& name, const RegisteredReceiver& r) {
  if (!db_.ok()) return db_.error();
  if (const QString p = check(r); !p.isEmpty()) return p;
  QString problem;
  const bool done = db_.transaction([&] {
    QSqlQuery taken = db_.query();
    taken.prepare(QStringLiteral("SELECT name, key FROM receivers WHERE key = :new OR key = :old"));
    taken.bindValue(QStringLiteral(":new"), keyOf(r.name));
    taken.bindValue(QStringLiteral(":old"), keyOf(name));
    if (!db_.run(taken)) return false;
    bool found = false;
    QString oldName;
    while (taken.next()) {
      if (taken.value(1).toString() == keyOf(name)) {
        found = true;
        oldName = taken.value(0).toString();
      } else {
        problem = reg::RegisterTexts::nameTaken().arg(r.name);
      }
    }
    if (!found) problem = reg::RegisterTexts::noSuchReceiver().arg(name);
    if (!problem.isEmpty()) return false;
    QSqlQuery q = db_.query();
    q.prepare(QStringLiteral("UPDATE receivers SET name = :name, key = :key, site = :site, port = :port,"
                             " number = :number, comment = :comment, config_file = :config WHERE key = :old"));
    bindFields(q, r);
    q.bindValue(QStringLiteral(":old"), keyOf(name));
    if (!db_.run(q) || oldName == r.name) return db_.ok();
    // A new name is a new label for the same receiver: its trail follows it.
    QSqlQuery trail = db_.query();
    trail.prepare(QStringLiteral("UPDATE audit SET receiver = :name WHERE receiver = :old"));
    trail.bindValue(QStringLiteral(":name"), r.name);
    trail.bindValue(QStringLiteral(":old"), oldName);
    return db_.run(trail);
  });
  return done ? QString() : problem.isEmpty() ? db_.error() : problem;
}

QString ReceiverRegister::remove(const QString& name) {
  if (!db_.ok()) return db_.error();
  QSqlQuery q = db_.query();
  q.prepare(QStringLiteral("DELETE FROM receivers WHERE key = :key"));
  q.bindValue(QStringLiteral(":key"), keyOf(name));
  if (!db_.run(q)) return db_.error();
  return q.numRowsAffected() > 0 ? QString() : reg::RegisterTexts::noSuchReceiver().arg(name);
}

}  // namespace orbisk
