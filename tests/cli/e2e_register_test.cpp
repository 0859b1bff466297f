// The register through the built orbisk-cli: backup --all of three halvorn-sim receivers, one of
// them silent, and what the register and the trail say afterwards.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <memory>
#include <vector>

#include "support/backup_env.h"
#include "support/cli_binary.h"
#include "support/data_env.h"
#include "support/sim_process.h"
#include "support/sample_sim_test.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

class RegisterEndToEnd : public SampleSimTest {
 protected:
  void addSim(const QString& name, const QStringList& faults = {}) {
    sims.push_back(std::make_unique<SimProcess>());
    ASSERT_TRUE(sims.back()->start(QStringList{"--load", sample} + faults));
    const CliResult r = runCli({"receivers", "add", name, "--port", sims.back()->device(), "--site", "Site " + name});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
  }
  static QJsonArray json(const QStringList& args) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).array();
  }

  BackupFolder backups{dir.path("backups")};
  DataFolder data{dir.path("data")};
  std::vector<std::unique_ptr<SimProcess>> sims;
};

TEST_F(RegisterEndToEnd, BackupAllReadsEveryReceiverAndTheTrailSaysHowEachWent) {
  addSim("Север-1");
  addSim("Юг");
  addSim("Тихий", {"--silent"});
  const CliResult r = runCli({"backup", "--all", "--dir", dir.path("out"), "--json", "--comment", "плановая"});
  ASSERT_EQ(r.status, 1) << r.err.toStdString();  // one receiver failed
  const QJsonArray summary = QJsonDocument::fromJson(r.out.toUtf8()).array();
  ASSERT_EQ(summary.size(), 3) << r.out.toStdString();
  // By name, each under its own.
  const char* names[] = {"Север-1", "Тихий", "Юг"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(summary.at(i)["receiver"].toString(), QString::fromUtf8(names[i]));
  const QStringList files = QDir(dir.path("out")).entryList(QDir::Files, QDir::Name);
  ASSERT_EQ(files.size(), 2) << files.join(' ').toStdString();
  EXPECT_TRUE(files[0].contains(QRegularExpression("^Север-1_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.rcf$")));
  EXPECT_TRUE(files[1].startsWith("Юг_"));
  EXPECT_EQ(readAll(dir.path("out/") + files[1]).mid(8), readAll(sample).mid(8));
  // The automatic backups are filed under the receivers' names, none among the bare ports'.
  EXPECT_EQ(QDir(dir.path("backups/Север-1")).entryList({"*_read.rcf"}, QDir::Files).size(), 1);
  EXPECT_EQ(QDir(dir.path("backups/Юг")).entryList({"*_read.rcf"}, QDir::Files).size(), 1);
  EXPECT_TRUE(QDir(dir.path("backups")).entryList({"*.rcf"}, QDir::Files).isEmpty());

  const QJsonArray log = json({"log", "--json"});
  ASSERT_EQ(log.size(), 3);
  int ok = 0;
  for (const QJsonValue v : log) {
    const QJsonObject e = v.toObject();
    EXPECT_EQ(e["action"].toString(), "backup");
    EXPECT_EQ(e["comment"].toString(), "плановая");
    if (e["receiver"].toString() == "Тихий") {
      EXPECT_EQ(e["result"].toString(), "failed");
      EXPECT_EQ(e["detail"].toString(), "result code 20");
      EXPECT_TRUE(e["file"].isNull());
    } else {
      ++ok;
      EXPECT_EQ(e["result"].toString(), "ok");
      EXPECT_TRUE(e["file"].toString().startsWith(dir.path("out/") + e["receiver"].toString() + '_'));
      EXPECT_FALSE(e["user"].toString().isEmpty());
    }
  }
  EXPECT_EQ(ok, 2);
  EXPECT_EQ(json({"log", "--json", "--receiver", "юг"}).size(), 1);
  EXPECT_EQ(json({"log", "--json", "--since", "2999-01-01"}).size(), 0);

  const QJsonArray list = json({"receivers", "list", "--json"});
  ASSERT_EQ(list.size(), 3);
  for (const QJsonValue v : list) {
    const QJsonObject o = v.toObject();
    const bool silent = o["name"].toString() == "Тихий";
    EXPECT_EQ(o["lastBackup"].isNull(), silent) << o["name"].toString().toStdString();
    EXPECT_EQ(o["lastResult"].toString(), silent ? "failed" : "ok");
  }
}

TEST_F(RegisterEndToEnd, CsvOfTheTrailAndUnusableCommandLines) {
  addSim("Один");
  ASSERT_EQ(runCli({"read", "--receiver", "Один", "--out", dir.path("one.rcf")}).status, 0);
  ASSERT_EQ(runCli({"log", "--out", dir.path("trail.csv")}).status, 0);
  const QStringList csv = QString::fromUtf8(readAll(dir.path("trail.csv"))).split(QStringLiteral("\r\n"));
  ASSERT_EQ(csv.size(), 3);
  EXPECT_EQ(csv[0], "time,user,receiver,port,action,result,detail,file,comment");
  EXPECT_TRUE(csv[1].contains(",Один," + sims[0]->device() + ",read,ok,")) << csv[1].toStdString();
  const struct {
    QStringList args;
    const char* says;
  } refused[] = {
      {{"backup", "--all", "--receiver", "Один", "--dir", "d"}, "'backup --all' takes no --port or --receiver"},
      {{"backup", "--receiver", "Один", "--port", sims[0]->device(), "--dir", "d"}, "is read for another receiver too"},
      {{"clock", "--receiver", "Нет"}, "Приемника \"Нет\" нет в реестре"},
      {{"clock", "--receiver", "Один", "--port", "p"}, "give either --port or --receiver, not both"},
      {{"log", "--since", "вчера"}, "--since needs a date"},
      {{"receivers", "add", "Два"}, "'receivers add' needs --port PORT"},
      {{"receivers", "list", "--site", "x"}, "option --site does not apply to 'receivers list'"},
      {{"receivers", "add", "Один", "--port", "p"}, "Приемник \"Один\" уже есть в реестре"},
      {{"receivers", "edit", "Один", "--number", "99"}, "Номер приемника - число от 0 до 15, а не \"99\""},
  };
  for (const auto& c : refused) {
    const CliResult r = runCli(c.args);
    EXPECT_EQ(r.status, 2) << c.args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
  }
  EXPECT_FALSE(QDir(dir.path("d")).exists());
}

}  // namespace
}  // namespace orbisk::test
