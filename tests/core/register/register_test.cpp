// The register and its trail against real SQLite files: schema and migrations, damaged and
// foreign files, names, and two writers at once.
#include <gtest/gtest.h>

#include <QDir>
#include <QSqlQuery>
#include <QThread>
#include <memory>
#include <vector>

#include "core/register/audit_log.h"
#include "core/register/receiver_register.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

class RegisterTest : public ::testing::Test {
 protected:
  QString file() const { return dir.path("orbisk.sqlite"); }
  static RegisteredReceiver receiver(const QString& name, const QString& port = QStringLiteral("/dev/ttyUSB0")) {
    RegisteredReceiver r;
    r.name = name;
    r.port = port;
    return r;
  }
  static AuditEntry entry(const QString& receiver, const char* action, const char* result, const QDateTime& at) {
    return {at, QStringLiteral("op"), receiver, QStringLiteral("/dev/ttyUSB0"), QLatin1String(action), QLatin1String(result),
            {}, {}, {}};
  }
  TempCwd dir;
};

TEST_F(RegisterTest, AFileOfTheFirstVersionIsBroughtUpAndKeepsItsReceivers) {
  {
    RegisterDb v1(file(), 1);
    ASSERT_TRUE(v1.ok()) << v1.error().toStdString();
    EXPECT_EQ(v1.schemaVersion(), 1);
    ASSERT_EQ(ReceiverRegister(v1).add(receiver(QStringLiteral("Склад"))), QString());
  }
  RegisterDb db(file());
  ASSERT_TRUE(db.ok()) << db.error().toStdString();
  EXPECT_EQ(db.schemaVersion(), 2);
  const auto all = ReceiverRegister(db).list();
  ASSERT_TRUE(all && all->size() == 1);
  EXPECT_EQ(all->front().name, QStringLiteral("Склад"));
  EXPECT_EQ(AuditLog(db).append(entry(QStringLiteral("Склад"), "read", "ok", QDateTime::currentDateTime())), QString());
}

TEST_F(RegisterTest, DamagedForeignAndNewerFilesAreToldAndLeftAsTheyWere) {
  writeAll(file(), QByteArray(4096, '\x5a'));
  {
    RegisterDb db(file());
    EXPECT_FALSE(db.ok());
    EXPECT_TRUE(db.error().startsWith(QStringLiteral("Реестр приемников %1 поврежден").arg(file()))) << db.error().toStdString();
    EXPECT_FALSE(ReceiverRegister(db).list());
    EXPECT_FALSE(ReceiverRegister(db).add(receiver(QStringLiteral("A"))).isEmpty());
  }
  EXPECT_EQ(readAll(file()), QByteArray(4096, '\x5a'));

  ASSERT_TRUE(QDir().mkpath(dir.path("folder.sqlite")));
  EXPECT_EQ(RegisterDb(dir.path("folder.sqlite")).error(),
            QStringLiteral("Реестр приемников %1: это не обычный файл").arg(dir.path("folder.sqlite")));

  const QString newer = dir.path("newer.sqlite");
  {
    RegisterDb db(newer);
    QSqlQuery q = db.query();
    q.prepare(QStringLiteral("PRAGMA user_version = 7"));
    ASSERT_TRUE(db.run(q));
  }
  RegisterDb db(newer);
  EXPECT_EQ(db.error(), QStringLiteral("Реестр приемников %1 создан более новой версией Orbisk (версия схемы 7)").arg(newer));
  EXPECT_EQ(RegisterDb(newer, 0).schemaVersion(), 7);
}

TEST_F(RegisterTest, NamesAreOneWhateverTheirCaseAndARenameTakesItsTrail) {
  RegisterDb db(file());
  ReceiverRegister book(db);
  ASSERT_EQ(book.add(receiver(QStringLiteral("Склад 3"))), QString());
  EXPECT_EQ(book.add(receiver(QStringLiteral("СКЛАД 3"))), QStringLiteral("Приемник \"СКЛАД 3\" уже есть в реестре"));
  EXPECT_EQ(book.add(receiver(QStringLiteral(" Склад"))), QStringLiteral("Имя приемника начинается или кончается пробелом"));
  EXPECT_EQ(book.add(receiver(QStringLiteral("A\tB"))), QStringLiteral("Имя приемника содержит управляющие знаки"));
  EXPECT_EQ(book.add(receiver(QStringLiteral("B"), QString())), QStringLiteral("Не указан порт приемника"));
  ASSERT_EQ(book.add(receiver(QStringLiteral("Офис"))), QString());
  EXPECT_EQ(book.edit(QStringLiteral("офис"), receiver(QStringLiteral("склад 3"))),
            QStringLiteral("Приемник \"склад 3\" уже есть в реестре"));

  const QDateTime t0 = QDateTime::currentDateTime().addSecs(-60);
  AuditLog trail(db);
  ASSERT_EQ(trail.append(entry(QStringLiteral("Склад 3"), "backup", "ok", t0)), QString());
  ASSERT_EQ(trail.append(entry(QStringLiteral("Склад 3"), "write", "ok", t0.addSecs(10))), QString());
  ASSERT_EQ(trail.append(entry(QStringLiteral("Склад 3"), "verify", "mismatch", t0.addSecs(20))), QString());
  ASSERT_EQ(book.edit(QStringLiteral("склад 3"), receiver(QStringLiteral("Склад №3"))), QString());
  const auto r = book.find(QStringLiteral("СКЛАД №3"));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->lastRead.toSecsSinceEpoch(), t0.toSecsSinceEpoch());  // a backup is a read too
  EXPECT_EQ(r->lastBackup.toSecsSinceEpoch(), t0.toSecsSinceEpoch());
  EXPECT_EQ(r->lastWrite.toSecsSinceEpoch(), t0.addSecs(10).toSecsSinceEpoch());
  EXPECT_EQ(r->lastAction + u' ' + r->lastResult, QStringLiteral("verify mismatch"));
  EXPECT_EQ(trail.entries(QStringLiteral("Склад №3"))->size(), 3u);
  EXPECT_EQ(trail.entries({}, t0.addSecs(15))->size(), 1u);

  EXPECT_EQ(book.remove(QStringLiteral("Нет такого")), QStringLiteral("Приемника \"Нет такого\" нет в реестре"));
  ASSERT_EQ(book.remove(QStringLiteral("склад №3")), QString());
  EXPECT_EQ(trail.entries(QStringLiteral("Склад №3"))->size(), 3u);  // the trail outlives it
}

TEST_F(RegisterTest, TwoWritersAtOnceLoseNothing) {
  RegisterDb(file()).ok();  // made before the race, as the first program run leaves it
  constexpr int kEach = 60;
  std::vector<QString> problems(2);
  std::vector<std::unique_ptr<QThread>> writers;
  for (int w = 0; w < 2; ++w) {
    writers.emplace_back(QThread::create([this, w, &problems] {
      for (int i = 0; i < kEach; ++i) {
        // A connection per write, as a backup's threads and a second program make them.
        RegisterDb db(file());
        QString p = ReceiverRegister(db).add(receiver(QStringLiteral("R%1-%2").arg(w).arg(i), QStringLiteral("p%1").arg(i)));
        if (p.isEmpty()) p = AuditLog(db).append(entry(QStringLiteral("R%1-%2").arg(w).arg(i), "read", "ok", QDateTime::currentDateTime()));
        if (!p.isEmpty()) problems[static_cast<size_t>(w)] = p;
      }
    }));
    writers.back()->start();
  }
  for (auto& t : writers) t->wait();
  EXPECT_EQ(problems[0], QString());
  EXPECT_EQ(problems[1], QString());
  RegisterDb db(file());
  EXPECT_EQ(ReceiverRegister(db).list()->size(), 2u * kEach);
  EXPECT_EQ(AuditLog(db).entries()->size(), 2u * kEach);
}

TEST_F(RegisterTest, TheTrailAsCsvQuotesWhatWouldSplitAField) {
  AuditEntry e = entry(QStringLiteral("Склад, 3"), "write", "ok", QDateTime(QDate(2026, 12, 9), QTime(8, 30)));
  e.comment = QStringLiteral("после \"ремонта\"\nстойки");
  EXPECT_EQ(auditCsv({e}),
            QStringLiteral("time,user,receiver,port,action,result,detail,file,comment\r\n"
                           "2026-12-09T08:30:00,op,\"Склад, 3\",/dev/ttyUSB0,write,ok,,,\"после \"\"ремонта\"\"\nстойки\"\r\n"));
}

TEST_F(RegisterTest, Numbers) {
  QString problem;
  EXPECT_EQ(parseReceiverNumber(QStringLiteral("15"), problem), 15);
  EXPECT_FALSE(parseReceiverNumber(QStringLiteral("16"), problem));
  EXPECT_EQ(problem, QStringLiteral("Номер приемника - число от 0 до 15, а не \"16\""));
  EXPECT_FALSE(parseReceiverNumber(QStringLiteral("3a"), problem));
}

}  // namespace
}  // namespace orbisk::test
