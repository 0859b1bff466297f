#include "core/report/config_report.h"

#include <algorithm>
#include <memory>

#include "core/image/config_view.h"
#include "core/image/cp1251.h"
#include "core/image/settings_lists.h"
#include "core/image/view_texts.h"
#include "core/link/link_texts.h"
#include "core/link/receiver.h"
#include "core/records/phone_codec.h"
#include "core/report/report_texts.h"

namespace orbisk {
namespace {

// Control characters from a file or a receiver would make the HTML invalid; show them as such.
QString escaped(const QString& text) {
  QString clean = text;
  for (QChar& c : clean)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QChar(0xFFFD);
  return clean.toHtmlEscaped();
}

QString cell(const QString& tag, const QString& text, const char* attrs = "") {
  return QStringLiteral("<%1%2>%3</%1>").arg(tag, QLatin1String(attrs), escaped(text));
}

// A gap between a label and its value (the layout honours no padding on one side).
const QString kGap = QStringLiteral("<td width=\"16\"></td>");

QString fieldRow(const QString& label, const QString& value) {
  return QStringLiteral("<tr>") + cell(QStringLiteral("td"), label) + kGap +
         cell(QStringLiteral("td"), value) + QStringLiteral("</tr>\n");
}

QString listRow(const QString& label, const QString& item) {
  return fieldRow(label, item.isEmpty() ? report::kNoSelection : item);
}

QString optionRow(const QString& caption, bool on) {
  return fieldRow(caption, on ? report::kOptionOn : report::kOptionOff);
}

const char* const kStyle =
    "body { font-family: 'DejaVu Sans', sans-serif; font-size: 9pt; }\n"
    "h1 { font-size: 14pt; } h2 { font-size: 11pt; margin-top: 0; margin-bottom: 4pt; }\n"
    "table.phones { border-collapse: collapse; }\n"
    "table.phones th { background-color: #e0e0e0; text-align: left; }\n"
    "td.comment { white-space: pre-wrap; }\n";

// Column widths in percent, so every expander's table lines up with the others.
const char* const kPhoneColumnWidths[] = {"22", "11", "10", "10", "10", "37"};

// Space above a section: the page layout keeps no top margin of a heading that follows a table.
const QString kSpacer = QStringLiteral("<p>&nbsp;</p>\n");
const QString kFieldTable = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">\n");

// "Версия приемника: 2.07" as a label and its value, or the whole text when none was read.
QString firmwareRow(const ConfigImage& img) {
  const QString text = firmwareVersionText(img);
  if (!text.startsWith(text::kFirmwarePrefix))
    return QStringLiteral("<tr>") + cell(QStringLiteral("td"), text, " colspan=\"3\"") + QStringLiteral("</tr>\n");
  return fieldRow(text::kFirmwarePrefix.trimmed(), text.mid(text::kFirmwarePrefix.size()));
}

QString heading(const ConfigImage& img, const ReportSource& src) {
  QString path = src.saved ? src.fullPath : src.fullPath + u' ' + report::kNeverSaved;
  if (src.saved && src.modified) path += u' ' + report::kUnsavedChanges;
  QString html = cell(QStringLiteral("h1"), report::kTitle) + u'\n' + kFieldTable;
  html += fieldRow(report::kFileLabel, src.shortName);
  html += fieldRow(report::kPathLabel, path);
  html += fieldRow(report::kMadeLabel, src.made.toString(report::kDateTimeFormat));
  html += fieldRow(report::kModelLabel, src.modelText);
  return html + firmwareRow(img) + QStringLiteral("</table>\n");
}

QString settings(const ConfigView& v) {
  QString html = kSpacer + cell(QStringLiteral("h2"), view::kReceiverHeading) + u'\n' + kFieldTable;
  html += listRow(view::kReceiverNumberLabel, receiverNumberText(v.receiverNumber));
  html += listRow(view::kPcFormatLabel, pcFormatText(v.pcFormat));
  html += listRow(view::kHandshakeLabel, handshakeText(v.handshake));
  html += listRow(view::kRingsLabel, ringsText(v.rings));
  html += listRow(view::kAckWaitLabel, ackWaitText(v.ackWait));
  html += optionRow(view::kHeartbeatCaption, v.heartbeat);
  html += optionRow(view::kSpamDataCaption, v.antispamData);
  html += optionRow(view::kSmsCaption, v.sms);
  html += optionRow(view::kSpamSmsCaption, v.antispamSms);
  html += optionRow(view::kSpeakerCaption, v.speaker);
  html += optionRow(view::kRussianCaption, v.russian);
  html += optionRow(view::kCommentsCaption, v.comments);
  html += optionRow(view::kBacklightCaption, v.backlightOff);
  return html + QStringLiteral("</table>\n");
}

QString phoneTable(const ConfigImage& img, int slot, int count) {
  // <thead> makes the column captions repeat at the top of every printed page.
  QString html = QStringLiteral("<table class=\"phones\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n<thead><tr>");
  for (int c = 0; c < view::kPhoneColumns.size(); ++c)
    html += QStringLiteral("<th width=\"%1%\">%2</th>").arg(QLatin1String(kPhoneColumnWidths[c]), escaped(view::kPhoneColumns.at(c)));
  html += QStringLiteral("</tr></thead>\n<tbody>\n");
  for (int i = 0; i < count; ++i) {
    const uint8_t* rec = img.record(slot, i);
    const PhoneRow row = phoneRow(rec);
    html += QStringLiteral("<tr>") + cell(QStringLiteral("td"), wholeNumber(rec));
    for (const QString* field : {&row.object, &row.event, &row.zone, &row.partition})
      html += cell(QStringLiteral("td"), *field);
    html += cell(QStringLiteral("td"), row.comment, " class=\"comment\"") + QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</tbody>\n</table>\n");
}

QString expander(const ConfigImage& img, int slot, bool line) {
  const QString title = (line ? view::kLineHeading : view::kGsmHeading) + slotChar(slot) + view::kSimHeading +
                        wholeNumber(img.sim(slot));
  const int count = std::min(img.phoneCount(slot), kMaxPhones);
  QString html = kSpacer + cell(QStringLiteral("h2"), title) + QStringLiteral("\n");
  html += cell(QStringLiteral("p"), view::kPhoneCountHint + QString::number(count)) + QStringLiteral("\n");
  return count > 0 ? html + phoneTable(img, slot, count) : html;
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
  auto repaired = std::make_unique<ConfigImage>(img);
  repaired->repairSettings();
  repaired->repairExpanders();
  const QString title = report::kTitle + QStringLiteral(" — ") + src.shortName;
  QString html = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>") +
                 escaped(title) + QStringLiteral("</title>\n<style>\n") + QLatin1String(kStyle) +
                 QStringLiteral("</style>\n</head>\n<body>\n");
  html += heading(*repaired, src);
  html += settings(describe(*repaired));
  for (int slot : shownSlots(*repaired, src.channelTypes))
    html += expander(*repaired, slot, isLineChannel(src.channelTypes[static_cast<size_t>(slot)]));
  return html + QStringLiteral("</body>\n</html>\n");
}

}  // namespace orbisk
