// `show`: a configuration file printed as the desktop program shows it, as text and as JSON.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>
#include <memory>

#include "cli_fixture.h"
#include "core/image/cp1251.h"
#include "core/files/rcf_file.h"
#include "core/records/phone_codec.h"
#include "cli/show_output.h"

namespace orbisk::test {
namespace {

using cli::status::kOk;
using cli::status::kUsage;

class ShowTest : public CliFixture {
 protected:
  ShowTest() { img->resetNew(); }
  // Slot s in use with the given telephones.
  void addExpander(int s, const QByteArray& sim) {
    img->setMask(img->mask() | static_cast<uint16_t>(1u << s));
    (*img)[off::kExpanderCount] = static_cast<uint8_t>((*img)[off::kExpanderCount] + 1);
    packtel_1(img->sim(s), sim);
  }
  void addPhone(int s, const QByteArray& number, const QByteArray& field, const QByteArray& comment) {
    const int i = img->phoneCount(s);
    packtel(img->record(s, i), number, field, comment);
    img->setPhoneCount(s, i + 1);
  }
  QJsonObject showJson() {
    saveConfig(path, *img);
    EXPECT_EQ(run({"show", "--json", path}), kOk) << err.toStdString();
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    return doc.object();
  }
  QString showText() {
    saveConfig(path, *img);
    EXPECT_EQ(run({"show", path}), kOk) << err.toStdString();
    return out;
  }

  std::unique_ptr<ConfigImage> img = std::make_unique<ConfigImage>();
  QString path = dir.path("site.rcf");
};

TEST_F(ShowTest, JsonCarriesTheTelephoneListColumns) {
  addExpander(0, "+79001112233");
  addPhone(0, "+7123", "12AFE13000501", "abc");
  addPhone(0, "89005556677", "0001R40100902", toCp1251(QStringLiteral("Склад №2")));
  const QJsonArray expanders = showJson()["expanders"].toArray();
  ASSERT_EQ(expanders.size(), 1);
  const QJsonObject e = expanders[0].toObject();
  EXPECT_EQ(e["slot"].toInt(-1), 0);
  EXPECT_EQ(e["sim"].toString(), "+79001112233");
  const QJsonArray phones = e["telephones"].toArray();
  ASSERT_EQ(phones.size(), 2);
  const QJsonObject p = phones[0].toObject();
  EXPECT_EQ(p["number"].toString(), "+7123");
  EXPECT_EQ(p["object"].toString(), "12AF");
  EXPECT_EQ(p["event"].toString(), "E130");
  EXPECT_EQ(p["zone"].toString(), "005");
  EXPECT_EQ(p["partition"].toString(), "01");
  EXPECT_EQ(p["comment"].toString(), "abc");
  const QJsonObject q = phones[1].toObject();
  EXPECT_EQ(q["event"].toString(), "R401");
  EXPECT_EQ(q["comment"].toString(), QStringLiteral("Склад №2"));
}

TEST_F(ShowTest, JsonSettingsAreStoredNumbersAndOptionsAreFeaturesOn) {
  (*img)[off::kReceiverNumber] = 11;
  (*img)[off::kPcFormat] = 3;
  (*img)[off::kHandshake] = 0x46;  // Robofon, "5" rings
  (*img)[off::kAckWait] = 4;
  // Heartbeat and SMS off (their bits are set), anti-spam for SMS and comments on.
  (*img)[off::kOptions] = opt::kHeartbeatOff | opt::kSmsOff | opt::kSpamSms;
  (*img)[off::kDisplay] = disp::kComments;
  const QJsonObject j = showJson();
  EXPECT_EQ(j["receiver_number"].toInt(-1), 11);
  EXPECT_EQ(j["pc_format"].toInt(-1), 3);
  EXPECT_EQ(j["handshake"].toInt(-1), 6);
  EXPECT_EQ(j["rings"].toInt(-1), 4);
  EXPECT_EQ(j["ack_wait"].toInt(-1), 4);
  const QJsonObject o = j["options"].toObject();
  EXPECT_EQ(o.size(), 8);
  EXPECT_FALSE(o["heartbeat"].toBool(true));
  EXPECT_FALSE(o["antispam_data"].toBool(true));
  EXPECT_FALSE(o["sms"].toBool(true));
  EXPECT_TRUE(o["antispam_sms"].toBool(false));
  EXPECT_FALSE(o["speaker"].toBool(true));
  EXPECT_TRUE(o["russian"].toBool(false));
  EXPECT_FALSE(o["backlight_off"].toBool(true));
  EXPECT_TRUE(o["comments"].toBool(false));
  EXPECT_EQ(j["model"].toString("x"), "");
  EXPECT_EQ(j["firmware"].toString("x"), "");
  EXPECT_TRUE(j["expanders"].toArray().isEmpty());
}

TEST_F(ShowTest, RepairsApplyToWhatIsPrintedButNotToTheFile) {
  (*img)[off::kReceiverNumber] = 0x11;
  (*img)[off::kHandshake] = 0x5A;  // bit 3 set and rings out of range: becomes 0x12
  (*img)[off::kAckWait] = 0x10;
  addExpander(2, "");
  img->setPhoneCount(2, 230);
  saveConfig(path, *img);
  const QByteArray before = readAll(path);

  const QJsonObject j = showJson();
  EXPECT_EQ(j["receiver_number"].toInt(), 2);
  EXPECT_EQ(j["handshake"].toInt(), 2);
  EXPECT_EQ(j["rings"].toInt(), 1);
  EXPECT_EQ(j["ack_wait"].toInt(), 1);
  // The table has room for 200: nothing past it is read as telephones.
  EXPECT_EQ(j["expanders"].toArray()[0].toObject()["telephones"].toArray().size(), 200);
  EXPECT_EQ(readAll(path), before);
}

TEST_F(ShowTest, ExpandersFollowTheCountThenTheMask) {
  addExpander(15, "+7915");
  addExpander(0, "+7900");
  QJsonArray e = showJson()["expanders"].toArray();
  ASSERT_EQ(e.size(), 2);
  EXPECT_EQ(e[0].toObject()["slot"].toInt(), 0);
  EXPECT_EQ(e[1].toObject()["slot"].toInt(), 15);
  EXPECT_TRUE(showText().contains(QStringLiteral(" GSM канал F тел:+7915\n")));

  (*img)[off::kExpanderCount] = 0;
  EXPECT_TRUE(showJson()["expanders"].toArray().isEmpty());
  (*img)[off::kExpanderCount] = 17;
  EXPECT_TRUE(showJson()["expanders"].toArray().isEmpty());
}

TEST_F(ShowTest, TextUsesTheSettingsPanelsTexts) {
  (*img)[off::kReceiverNumber] = 12;
  (*img)[off::kPcFormat] = 5;  // no item in the list
  (*img)[off::kHandshake] = 0x31;
  (*img)[off::kAckWait] = 3;
  (*img)[off::kOptions] = opt::kRussianOff | opt::kSpeaker;
  (*img)[off::kDisplay] = disp::kBacklightOff;
  std::memcpy(img->data() + off::kIdentity, "3320\0002.07", off::kIdentitySize);
  addExpander(1, "+79260000002");
  addPhone(1, "+79265550011", "01A0E13000101", toCp1251(QStringLiteral("Магазин «Лето»")));
  const QString t = showText();
  for (const char* line : {"  Номер приемника:        C\n", "  Формат для связи с РС:  (5)\n",
                           "  Хендшейк:               SIA\n", "  Кол-во звонков:         4\n",
                           "  Ожидание ACK:           3\n", "  [x] Сердцебиение\n", "  [ ] Антиспам для DATA\n",
                           "  [x] Прием SMS\n", "  [x] Динамик\n", "  [ ] Русский язык\n", "  [ ] Комментарии\n",
                           "  [x] Выкл. подсветки\n", "  Версия приемника: 2.07\n", "Состав:\n",
                           " GSM канал 1 тел:+79260000002\n", "  Количество телефонов: 1\n",
                           "  телефон       объект  код   зона  раздел  комментарии\n",
                           "  +79265550011  01A0    E130  001   01      Магазин «Лето»\n"})
    EXPECT_TRUE(t.contains(QString::fromUtf8(line))) << line << "\n" << t.toStdString();
}

TEST_F(ShowTest, AConfigurationNeverReadFromAReceiverSaysSo) {
  EXPECT_TRUE(showText().contains(QStringLiteral("  Необходимо прочитать настройки приемника\n")));
  EXPECT_FALSE(out.contains(QStringLiteral("Модель")));
}

TEST_F(ShowTest, FilesOpenWouldRefuseAreRefusedWithItsTexts) {
  EXPECT_EQ(run({"show", dir.path("missing.rcf")}), kUsage);
  EXPECT_EQ(err, dir.path("missing.rcf") + QStringLiteral(": Не могу открыть файл\n"));

  saveConfig(path, *img);
  QByteArray bytes = readAll(path);
  bytes[off::kSig3] = 'y';
  writeAll(path, bytes);
  EXPECT_EQ(run({"show", "--json", path}), kUsage);
  EXPECT_EQ(err, path + QStringLiteral(": Это файл не для программы Orbisk\n"));
  EXPECT_TRUE(out.isEmpty());

  bytes[off::kSig3] = 'x';
  writeAll(path, bytes.left(kImageSize - 1));
  EXPECT_EQ(run({"show", path}), kUsage);
  EXPECT_TRUE(err.endsWith(QStringLiteral("Это файл не для программы Orbisk\n")));
}

// `show --json` is written straight into a buffer; Qt's writer given the same objects is what it
// must print: key order, indentation, empty lists, every escape, text beyond the first plane.
TEST(ShowJsonText, IsWhatQtsWriterPrints) {
  QString odd;
  for (char16_t c = 0; c < 0x80; ++c) odd += QChar(c);
  odd += QStringLiteral("Склад №2 ") + QString::fromUcs4(U"\U0001F600") + QChar(0xD800) + u'x' + QChar(0xDC00);
  ConfigView v;
  v.receiverNumber = 3, v.pcFormat = 1, v.handshake = 15, v.rings = 2, v.ackWait = 5;
  v.sms = v.russian = true;
  v.model = odd;
  // A telephone's cells come from its record: its comment holds what code page 1251 can.
  uint8_t rec[kRecordSize];
  packtel(rec, "+79001112233", "0012E13000101", toCp1251(QStringLiteral("Склад \"№2\"\\\t\x01")));
  v.expanders.push_back({0, QStringLiteral("+79001112233"), {PhoneRow(rec), PhoneRow()}});
  v.expanders.push_back({15, QString(), {}});
  const auto reference = [](const ConfigView& c) {
    QJsonArray expanders;
    for (const ExpanderView& e : c.expanders) {
      QJsonArray phones;
      for (const PhoneRow& p : e.phones) phones.append(cli::phoneJson(p));
      expanders.append(QJsonObject{{"slot", e.slot}, {"sim", e.sim}, {"telephones", phones}});
    }
    const QJsonObject options{{"heartbeat", c.heartbeat}, {"antispam_data", c.antispamData}, {"sms", c.sms},
                              {"antispam_sms", c.antispamSms}, {"speaker", c.speaker}, {"russian", c.russian},
                              {"backlight_off", c.backlightOff}, {"comments", c.comments}};
    return QJsonDocument(QJsonObject{{"receiver_number", c.receiverNumber}, {"pc_format", c.pcFormat},
                                     {"handshake", c.handshake}, {"rings", c.rings}, {"ack_wait", c.ackWait},
                                     {"options", options}, {"model", c.model}, {"firmware", c.firmware},
                                     {"expanders", expanders}})
        .toJson(QJsonDocument::Indented);
  };
  EXPECT_EQ(cli::showJson(v), reference(v));
  v.expanders.clear();
  EXPECT_EQ(cli::showJson(v), reference(v));
}

}  // namespace
}  // namespace orbisk::test
