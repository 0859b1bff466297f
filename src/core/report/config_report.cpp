#include "core/report/config_report.h"

#include <algorithm>

#include "core/image/view_texts.h"
#include "core/link/receiver.h"
#include "core/records/phone_codec.h"
#include "core/report/report_content.h"
#include "core/view/config_view.h"

namespace orbisk {
namespace {

// Everything is appended to one string: a temporary string for every cell and tag made the
// report's thousands of allocations cost more than its content.
void escaped(QString& out, QStringView text) {
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'<': out += QLatin1String("&lt;"); break;
      case u'>': out += QLatin1String("&gt;"); break;
      case u'&': out += QLatin1String("&amp;"); break;
      case u'"': out += QLatin1String("&quot;"); break;
      default: out += c;
    }
  }
}

// The content holds no control characters any more; only the markup's own characters remain.
void cell(QString& out, QLatin1String tag, QStringView text, QLatin1String attrs = {}) {
  out += u'<';
  out += tag;
  out += attrs;
  out += u'>';
  escaped(out, text);
  out += QLatin1String("</");
  out += tag;
  out += u'>';
}

// A gap between a label and its value (the layout honours no padding on one side).
constexpr QLatin1String kGap("<td width=\"16\"></td>");
constexpr QLatin1String kTd("td");

void fieldRow(QString& out, const ReportField& f) {
  out += QLatin1String("<tr>");
  if (f.label.isEmpty()) {
    cell(out, kTd, f.value, QLatin1String(" colspan=\"3\""));
  } else {
    cell(out, kTd, f.label);
    out += kGap;
    cell(out, kTd, f.value);
  }
  out += QLatin1String("</tr>\n");
}

const char* const kStyle =
    "body { font-family: 'DejaVu Sans', sans-serif; font-size: 9pt; }\n"
    "h1 { font-size: 14pt; } h2 { font-size: 11pt; margin-top: 0; margin-bottom: 4pt; }\n"
    "table.phones { border-collapse: collapse; }\n"
    "table.phones th { background-color: #e0e0e0; text-align: left; }\n"
    "td.comment { white-space: pre-wrap; }\n";

// Space above a section: the page layout keeps no top margin of a heading that follows a table.
constexpr QLatin1String kSpacer("<p>&nbsp;</p>\n");

void fieldTable(QString& out, const std::vector<ReportField>& fields) {
  out += QLatin1String("<table cellspacing=\"0\" cellpadding=\"2\">\n");
  for (const ReportField& f : fields) fieldRow(out, f);
  out += QLatin1String("</table>\n");
}

// The opening of every telephone table, made once a report: <thead> makes the column captions
// repeat at the top of every printed page.
QString tableHead() {
  QString out = QLatin1String(
      "<table class=\"phones\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n<thead><tr>");
  const QStringList captions = view::ViewTexts::phoneColumns();
  for (int c = 0; c < kReportColumns; ++c) {
    out += QLatin1String("<th width=\"");
    out += QString::number(kReportColumnPercent[static_cast<size_t>(c)]);
    out += QLatin1String("%\">");
    escaped(out, captions.at(c));
    out += QLatin1String("</th>");
  }
  out += QLatin1String("</tr></thead>\n<tbody>\n");
  return out;
}

void phoneTable(QString& out, const QString& head, const std::vector<ReportRow>& rows) {
  out += head;
  for (const ReportRow& row : rows) {
    out += QLatin1String("<tr>");
    for (int c = 0; c + 1 < kReportColumns; ++c) cell(out, kTd, row[static_cast<size_t>(c)]);
    cell(out, kTd, row[kReportColumns - 1], QLatin1String(" class=\"comment\""));
    out += QLatin1String("</tr>\n");
  }
  out += QLatin1String("</tbody>\n</table>\n");
}

void expander(QString& out, const QString& tableHead, const ReportExpander& e) {
  out += kSpacer;
  cell(out, QLatin1String("h2"), e.title);
  out += u'\n';
  cell(out, QLatin1String("p"), e.countLine);
  out += u'\n';
  if (!e.rows.empty()) phoneTable(out, tableHead, e.rows);
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

bool neverSet(const uint8_t* packed8) {
  return std::all_of(packed8, packed8 + kPackedNumberSize, [](uint8_t b) { return b == 0; });
}

QString wholeNumber(const uint8_t* packed8) {
  return neverSet(packed8) ? QString() : numberText(packed8, Decoding::Editor);
}

QString reportHtml(const ConfigImage& img, const ReportSource& src) {
  const ReportContent c = reportContent(img, src);
  // Room for the whole page at once: growing a string of 3,200 rows step by step copies it often.
  size_t rows = 0;
  for (const ReportExpander& e : c.expanders) rows += e.rows.size();
  QString html;
  html.reserve(static_cast<qsizetype>(4096 + rows * 160));
  html += QLatin1String("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>");
  escaped(html, c.title);
  html += QLatin1String("</title>\n<style>\n");
  html += QLatin1String(kStyle);
  html += QLatin1String("</style>\n</head>\n<body>\n");
  cell(html, QLatin1String("h1"), c.heading);
  html += u'\n';
  fieldTable(html, c.fields);
  html += kSpacer;
  cell(html, QLatin1String("h2"), c.settingsHeading);
  html += u'\n';
  fieldTable(html, c.settings);
  const QString head = tableHead();
  for (const ReportExpander& e : c.expanders) expander(html, head, e);
  html += QLatin1String("</body>\n</html>\n");
  return html;
}

}  // namespace orbisk
