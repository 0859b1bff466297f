#include "core/report/config_report.h"

#include <algorithm>

#include "core/image/cp1251.h"
#include "core/image/view_texts.h"
#include "core/link/receiver.h"
#include "core/records/phone_codec.h"
#include "core/report/report_content.h"

namespace orbisk {
namespace {

// The content holds no control characters any more; only the markup's own characters remain.
QString cell(const QString& tag, const QString& text, const char* attrs = "") {
  return QStringLiteral("<%1%2>%3</%1>").arg(tag, QLatin1String(attrs), text.toHtmlEscaped());
}

// A gap between a label and its value (the layout honours no padding on one side).
const QString kGap = QStringLiteral("<td width=\"16\"></td>");

QString fieldRow(const ReportField& f) {
  if (f.label.isEmpty())
    return QStringLiteral("<tr>") + cell(QStringLiteral("td"), f.value, " colspan=\"3\"") + QStringLiteral("</tr>\n");
  return QStringLiteral("<tr>") + cell(QStringLiteral("td"), f.label) + kGap + cell(QStringLiteral("td"), f.value) +
         QStringLiteral("</tr>\n");
}

const char* const kStyle =
    "body { font-family: 'DejaVu Sans', sans-serif; font-size: 9pt; }\n"
    "h1 { font-size: 14pt; } h2 { font-size: 11pt; margin-top: 0; margin-bottom: 4pt; }\n"
    "table.phones { border-collapse: collapse; }\n"
    "table.phones th { background-color: #e0e0e0; text-align: left; }\n"
    "td.comment { white-space: pre-wrap; }\n";

// Space above a section: the page layout keeps no top margin of a heading that follows a table.
const QString kSpacer = QStringLiteral("<p>&nbsp;</p>\n");
const QString kFieldTable = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">\n");

QString fieldTable(const std::vector<ReportField>& fields) {
  QString html = kFieldTable;
  for (const ReportField& f : fields) html += fieldRow(f);
  return html + QStringLiteral("</table>\n");
}

QString phoneTable(const std::vector<ReportRow>& rows) {
  // <thead> makes the column captions repeat at the top of every printed page.
  QString html = QStringLiteral("<table class=\"phones\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n<thead><tr>");
  for (int c = 0; c < kReportColumns; ++c)
    html += QStringLiteral("<th width=\"%1%\">%2</th>").arg(kReportColumnPercent[static_cast<size_t>(c)]).arg(view::kPhoneColumns.at(c).toHtmlEscaped());
  html += QStringLiteral("</tr></thead>\n<tbody>\n");
  for (const ReportRow& row : rows) {
    html += QStringLiteral("<tr>");
    for (int c = 0; c + 1 < kReportColumns; ++c) html += cell(QStringLiteral("td"), row[static_cast<size_t>(c)]);
    html += cell(QStringLiteral("td"), row.back(), " class=\"comment\"") + QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</tbody>\n</table>\n");
}

QString expander(const ReportExpander& e) {
  QString html = kSpacer + cell(QStringLiteral("h2"), e.title) + QStringLiteral("\n");
  html += cell(QStringLiteral("p"), e.countLine) + QStringLiteral("\n");
  return e.rows.empty() ? html : html + phoneTable(e.rows);
}

}  // namespace

std::vector<int> shownSlots(const ConfigImage& img, const std::array<uint8_t, kSlotCount>& types) {
  std::vector<int> shown;
  if (img[off::kExpanderCount] == 0 || img[off::kExpanderCount] > kSlotCount) return shown;
  auto line = [&](int s) { return s < kSlotCount && isLineChannel(types[static_cast<size_t>(s)]); };
  uint32_t mask = img.mask();
  for (int s = 0; s < kSlotCount; ++s) {
    if (!(mask & (1u << s))) continue;
    shown.push_back(s);
    // As the tree: a telephone-line pair on the newer receivers shows its odd half too.
    if (line(s) && img.isNewerModel() && s % 2 == 0 && line(s + 1)) mask |= 1u << (s + 1);
  }
  return shown;
}

QString wholeNumber(const uint8_t* packed8) {
  const bool neverSet = std::all_of(packed8, packed8 + 8, [](uint8_t b) { return b == 0; });
  return neverSet ? QString() : fromCp1251(raspactel(packed8, Decoding::Editor));
}

QString reportHtml(const ConfigImage& img, const ReportSource& src) {
  const ReportContent c = reportContent(img, src);
  // Room for the whole page at once: growing a string of 3,200 rows step by step copies it often.
  size_t rows = 0;
  for (const ReportExpander& e : c.expanders) rows += e.rows.size();
  QString html;
  html.reserve(static_cast<qsizetype>(4096 + rows * 160));
  html += QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>") +
          c.title.toHtmlEscaped() + QStringLiteral("</title>\n<style>\n") + QLatin1String(kStyle) +
          QStringLiteral("</style>\n</head>\n<body>\n");
  html += cell(QStringLiteral("h1"), c.heading) + u'\n' + fieldTable(c.fields);
  html += kSpacer + cell(QStringLiteral("h2"), c.settingsHeading) + u'\n' + fieldTable(c.settings);
  for (const ReportExpander& e : c.expanders) html += expander(e);
  html += QStringLiteral("</body>\n</html>\n");
  return html;
}

}  // namespace orbisk
