// The report's HTML: heading, settings as the panel shows them, every telephone of every shown
// expander whole, and the image left as it was.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <memory>

#include "core/image/cp1251.h"
#include "core/image/settings_lists.h"
#include "core/records/phone_codec.h"
#include "core/report/config_report.h"
#include "sim/sample_config.h"

namespace orbisk::test {
namespace {

// The texts of the headings, paragraphs and table cells, in document order, empty ones left out.
QStringList texts(const QString& html) {
  static const QRegularExpression element(QStringLiteral("<(h1|h2|p|td|th)\\b[^>]*>(.*?)</\\1>"));
  QStringList out;
  for (auto it = element.globalMatch(html); it.hasNext();) {
    QString t = it.next().captured(2);
    t.replace(QStringLiteral("&nbsp;"), QStringLiteral(" ")).replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    t.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    t.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    if (!t.trimmed().isEmpty()) out << t;
  }
  return out;
}

// The text right after a label, as a reader sees "label: value".
QString after(const QStringList& t, const QString& label) {
  const qsizetype i = t.indexOf(label);
  return i >= 0 && i + 1 < t.size() ? t.at(i + 1) : QStringLiteral("<missing>");
}

ReportSource source() {
  ReportSource src;
  src.shortName = QStringLiteral("объект");
  src.fullPath = QStringLiteral("/home/техник/объект.rcf");
  src.made = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53));
  src.modelText = QStringLiteral("Halvorn 3320");
  return src;
}

// Each row's cells in order, from the expander's heading on.
void expectRows(const QStringList& t, const QString& heading, const std::vector<QStringList>& rows) {
  qsizetype at = t.indexOf(heading);
  ASSERT_GE(at, 0) << heading.toStdString();
  for (const QStringList& row : rows) {
    at = t.indexOf(row.first(), at);
    ASSERT_GE(at, 0) << row.first().toStdString();
    EXPECT_EQ(t.mid(at, row.size()), row) << heading.toStdString();
  }
}

TEST(ConfigReport, SampleHasHeadingSettingsAndEveryTelephone) {
  auto img = std::make_unique<ConfigImage>();
  sim::buildSample(*img);
  ReportSource src = source();
  sim::parseChannelTypes(sim::kSampleChannelTypes, src.channelTypes);
  const QStringList t = texts(reportHtml(*img, src));

  EXPECT_EQ(after(t, QStringLiteral("Файл:")), QStringLiteral("объект"));
  EXPECT_EQ(after(t, QStringLiteral("Полный путь:")), QStringLiteral("/home/техник/объект.rcf"));
  EXPECT_EQ(after(t, QStringLiteral("Отчет составлен:")), QStringLiteral("14.03.2026 09:26:53"));
  EXPECT_EQ(after(t, QStringLiteral("Приемник:")), QStringLiteral("Halvorn 3320"));
  EXPECT_EQ(after(t, QStringLiteral("Версия приемника:")), QStringLiteral("2.07"));

  EXPECT_EQ(after(t, QStringLiteral("Номер приемника:")), QStringLiteral("3"));
  EXPECT_EQ(after(t, QStringLiteral("Формат для связи с РС:")), QStringLiteral("Ademco_685"));
  EXPECT_EQ(after(t, QStringLiteral("Хендшейк:")), QStringLiteral("ContactID"));
  EXPECT_EQ(after(t, QStringLiteral("Кол-во звонков:")), QStringLiteral("2"));
  EXPECT_EQ(after(t, QStringLiteral("Ожидание ACK:")), QStringLiteral("2"));
  const std::pair<const char16_t*, const char16_t*> options[] = {
      {u"Сердцебиение", u"да"}, {u"Антиспам для DATA", u"да"}, {u"Прием SMS", u"да"},
      {u"Антиспам для SMS", u"нет"}, {u"Динамик", u"нет"}, {u"Русский язык", u"да"},
      {u"Комментарии", u"да"}, {u"Выкл. подсветки", u"нет"}};
  for (const auto& [caption, state] : options)
    EXPECT_EQ(after(t, QString::fromUtf16(caption)), QString::fromUtf16(state)) << QString::fromUtf16(caption).toStdString();

  // Slots 0 to 2 by GSM, the telephone-line pair 4 and 5 as the tree shows it (5 by the pair rule).
  QStringList headings;
  for (const QString& s : t)
    if (s.contains(QStringLiteral(" тел:"))) headings << s;
  EXPECT_EQ(headings, (QStringList{" GSM канал 0 тел:+79160000001", " GSM канал 1 тел:+79260000002",
                                   " GSM канал 2 тел:+79850000003", " ТЛФ канал 4 тел:84957770004",
                                   " ТЛФ канал 5 тел:"}));
  EXPECT_EQ(after(t, QStringLiteral(" GSM канал 2 тел:+79850000003")), QStringLiteral("Количество телефонов: 12"));
  expectRows(t, headings[0], {{"+79161234567", "0012", "E130", "001", "01", "Офис, вход"},
                              {"84951112233", "0013", "R401", "009", "02", "Охрана пульт"},
                              {"*1000", "0015", "E602", "000", "01", "Баланс SIM"}});
  expectRows(t, headings[1], {{"+79265550011", "01A0", "E130", "001", "01", "Магазин «Лето»"},
                              {"+79265550013", "01A1", "R401", "001", "01", "Аптека"}});
  expectRows(t, headings[2], {{"+79851230001", "0200", "E130", "001", "01", "Дом 1, кв. 5"},
                              {"+79851230012", "020B", "E130", "001", "01", "Котельная"}});
  EXPECT_EQ(t.count(QStringLiteral("комментарии")), 3);  // a table for each expander with telephones
}

TEST(ConfigReport, FullConfigurationHoldsAllSixteenByTwoHundred) {
  auto img = std::make_unique<ConfigImage>();
  sim::buildFull(*img);
  const QString html = reportHtml(*img, source());
  const QStringList t = texts(html);
  EXPECT_EQ(t.count(QStringLiteral("телефон")), kSlotCount);
  EXPECT_EQ(html.count(QStringLiteral("<thead>")), kSlotCount);  // the caption row repeats on each page
  qsizetype at = 0;
  for (int s = 0; s < kSlotCount; ++s) {
    const QString heading = QStringLiteral(" GSM канал %1 тел:+7916000%2").arg(slotChar(s)).arg(1000 + s);
    at = t.indexOf(heading, at);
    ASSERT_GE(at, 0) << heading.toStdString();
    EXPECT_EQ(t.at(at + 1), QStringLiteral("Количество телефонов: 200"));
    for (int i = 0; i < kMaxPhones; ++i) {
      at = t.indexOf(QStringLiteral("+7903%1").arg(1000000 + s * 1000 + i), at);
      ASSERT_GE(at, 0) << "slot " << s << " phone " << i;
      EXPECT_EQ(t.at(at + 5), QStringLiteral("Абонент %1-%2").arg(s).arg(i));
    }
  }
}

TEST(ConfigReport, NumbersAndCommentsWholeAndEscaped) {
  auto img = std::make_unique<ConfigImage>();
  img->resetStartup();
  img->setMask(0x0001);
  (*img)[off::kExpanderCount] = 1;
  packtel(img->record(0, 0), "1234567890123456", "0001E13000101", "<b>&\"x\"</b>");
  packtel(img->record(0, 1), "123456789012345", "0001E13000101", toCp1251(QStringLiteral("Шестнадцать букв")));
  packtel(img->record(0, 2), "7", "0001E13000101", QByteArray("a\x01  b"));
  img->setPhoneCount(0, 3);
  const QString html = reportHtml(*img, source());
  const QStringList t = texts(html);

  // The list shows a 16-symbol number as empty; the report gives it whole.
  expectRows(t, QStringLiteral(" GSM канал 0 тел:"), {{"1234567890123456", "0001", "E130", "001", "01", "<b>&\"x\"</b>"},
                                                      {"123456789012345", "0001", "E130", "001", "01", "Шестнадцать букв"}});
  EXPECT_FALSE(html.contains(QStringLiteral("<b>&")));
  EXPECT_TRUE(html.contains(QStringLiteral("<td class=\"comment\">&lt;b&gt;&amp;&quot;x&quot;&lt;/b&gt;</td></tr>\n")));
  EXPECT_TRUE(html.contains(QStringLiteral("<tr><td>Приемник:</td><td width=\"16\"></td><td>Halvorn 3320</td></tr>\n")));
  EXPECT_FALSE(html.contains(QChar(1)));
  EXPECT_TRUE(html.contains(QStringLiteral("a\uFFFD  b")));  // blanks kept, a control character marked
  EXPECT_EQ(after(t, QStringLiteral("Приемник:")), QStringLiteral("Halvorn 3320"));
  EXPECT_TRUE(t.contains(QStringLiteral("Необходимо прочитать настройки приемника")));
  EXPECT_FALSE(t.contains(QStringLiteral("Версия приемника:")));
}

TEST(ConfigReport, ShowsTheRepairsWithoutMakingThem) {
  auto img = std::make_unique<ConfigImage>();
  img->resetNew();
  (*img)[off::kReceiverNumber] = 0x11;
  (*img)[off::kHandshake] = 0x5A;
  (*img)[off::kAckWait] = 0;
  (*img)[off::kPcFormat] = 5;
  (*img)[off::kExpanderCount] = 17;
  img->setMask(0xFFFF);
  const auto before = std::make_unique<ConfigImage>(*img);
  const QStringList t = texts(reportHtml(*img, source()));
  EXPECT_TRUE(*img == *before);
  EXPECT_EQ(after(t, QStringLiteral("Номер приемника:")), QStringLiteral("2"));
  EXPECT_EQ(after(t, QStringLiteral("Хендшейк:")), QStringLiteral("ContactID"));
  EXPECT_EQ(after(t, QStringLiteral("Кол-во звонков:")), QStringLiteral("2"));
  EXPECT_EQ(after(t, QStringLiteral("Ожидание ACK:")), QStringLiteral("—"));  // no item, as the panel
  EXPECT_EQ(after(t, QStringLiteral("Формат для связи с РС:")), QStringLiteral("—"));
  EXPECT_FALSE(t.join(u'|').contains(QStringLiteral(" тел:")));  // a count above 16 shows no expander
}

TEST(ConfigReport, SaysWhenTheFileIsNotWhatIsReported) {
  auto img = std::make_unique<ConfigImage>();
  img->resetStartup();
  ReportSource src = source();
  src.modified = true;
  EXPECT_EQ(after(texts(reportHtml(*img, src)), QStringLiteral("Полный путь:")),
            QStringLiteral("/home/техник/объект.rcf (есть несохраненные изменения)"));
  src.saved = false;
  EXPECT_EQ(after(texts(reportHtml(*img, src)), QStringLiteral("Полный путь:")),
            QStringLiteral("/home/техник/объект.rcf (не сохранена)"));
}

}  // namespace
}  // namespace orbisk::test
