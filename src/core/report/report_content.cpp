#include "core/report/report_content.h"

#include <algorithm>

#include "core/view/config_view.h"
#include "core/image/cp1251.h"
#include "core/image/settings_lists.h"
#include "core/image/view_texts.h"
#include "core/link/link_texts.h"
#include "core/link/receiver.h"
#include "core/records/phone_codec.h"
#include "core/report/report_texts.h"

namespace orbisk {
namespace {

// Control characters from a file or a receiver would upset the layout; show them as such.
bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }

void replaceControls(QString& text) {
  for (QChar& c : text)
    if (isControl(c)) c = QChar(0xFFFD);
}

// Only a text that has one is copied: the rest, nearly all of them, stay shared.
QString clean(QString text) {
  if (std::any_of(text.cbegin(), text.cend(), isControl)) replaceControls(text);
  return text;
}

ReportField field(const QString& label, const QString& value) { return {clean(label), clean(value)}; }

ReportField listField(const QString& label, const QString& item) {
  return field(label, item.isEmpty() ? report::ReportTexts::noSelection() : item);
}

ReportField optionField(const QString& caption, bool on) {
  return field(caption, on ? report::ReportTexts::optionOn() : report::ReportTexts::optionOff());
}

// "Версия приемника: 2.07" as a label and its value, or the whole text when none was read.
ReportField firmwareField(const ConfigImage& img) {
  const QString text = firmwareVersionText(img);
  if (!text.startsWith(text::LinkTexts::firmwarePrefix())) return field(QString(), text);
  return field(text::LinkTexts::firmwarePrefix().trimmed(), text.mid(text::LinkTexts::firmwarePrefix().size()));
}

void addHeading(ReportContent& c, const ConfigImage& img, const ReportSource& src) {
  QString path = src.saved ? src.fullPath : src.fullPath + u' ' + report::ReportTexts::neverSaved();
  if (src.saved && src.modified) path += u' ' + report::ReportTexts::unsavedChanges();
  c.heading = report::ReportTexts::title();
  c.headFile = clean(report::ReportTexts::fileLabel() + u' ' + src.shortName);
  c.fields = {field(report::ReportTexts::fileLabel(), src.shortName), field(report::ReportTexts::pathLabel(), path),
              field(report::ReportTexts::madeLabel(), src.made.toString(report::ReportTexts::dateTimeFormat())),
              field(report::ReportTexts::modelLabel(), src.modelText), firmwareField(img)};
}

void addSettings(ReportContent& c, const ConfigView& v) {
  c.settingsHeading = view::ViewTexts::receiverHeading();
  c.headReceiver = view::ViewTexts::receiverNumberLabel() + u' ' + receiverNumberText(v.receiverNumber);
  c.settings = {listField(view::ViewTexts::receiverNumberLabel(), receiverNumberText(v.receiverNumber)),
                listField(view::ViewTexts::pcFormatLabel(), pcFormatText(v.pcFormat)),
                listField(view::ViewTexts::handshakeLabel(), handshakeText(v.handshake)),
                listField(view::ViewTexts::ringsLabel(), ringsText(v.rings)),
                listField(view::ViewTexts::ackWaitLabel(), ackWaitText(v.ackWait)),
                optionField(view::ViewTexts::heartbeatCaption(), v.heartbeat),
                optionField(view::ViewTexts::spamDataCaption(), v.antispamData),
                optionField(view::ViewTexts::smsCaption(), v.sms),
                optionField(view::ViewTexts::spamSmsCaption(), v.antispamSms),
                optionField(view::ViewTexts::speakerCaption(), v.speaker),
                optionField(view::ViewTexts::russianCaption(), v.russian),
                optionField(view::ViewTexts::commentsCaption(), v.comments),
                optionField(view::ViewTexts::backlightCaption(), v.backlightOff)};
}

// The texts around every expander's table, made once a report.
struct ExpanderTexts {
  QString gsm = view::ViewTexts::gsmHeading();
  QString line = view::ViewTexts::lineHeading();
  QString sim = view::ViewTexts::simHeading();
  QString continued = report::ReportTexts::continued();
  QString count = view::ViewTexts::phoneCountHint();
};

// head: the repaired settings and counts; img: the telephone records.
ReportExpander expander(const ConfigImage& head, const ConfigImage& img, int slot, bool line, const ExpanderTexts& t) {
  ReportExpander e;
  e.title = clean((line ? t.line : t.gsm) + slotChar(slot) + t.sim + wholeNumber(head.sim(slot)));
  const int count = std::min(head.phoneCount(slot), kMaxPhones);
  e.continuedTitle = e.title + t.continued;
  e.countLine = t.count + QString::number(count);
  e.rows.reserve(static_cast<size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) {
    const uint8_t* rec = img.record(slot, i);
    const PhoneRow p(rec, Decoding::Editor);
    const QStringView number = neverSet(rec) ? QStringView() : p.number();
    e.rows.emplace_back(std::array<QStringView, kReportColumns>{number, p.object(), p.event(), p.zone(), p.partition(), p.comment()});
  }
  return e;
}

}  // namespace

ReportRow::ReportRow(const std::array<QStringView, kReportColumns>& cells) {
  qsizetype length = 0;
  for (QStringView c : cells) length += c.size();
  text_.reserve(length);
  for (size_t c = 0; c < cells.size(); ++c) {
    at_[c] = text_.size();
    text_ += cells[c];
  }
  at_.back() = text_.size();
  replaceControls(text_);
}

QString reportTitle(const QString& shortName) {
  return clean(report::ReportTexts::title() + QStringLiteral(" — ") + shortName);
}

ReportContent reportContent(const ConfigImage& img, const ReportSource& src) {
  ReportContent c;
  c.title = reportTitle(src.shortName);
  addSettings(c, describeSettings(img));
  // Repairs are shown as on the display; the image itself stays as it is.
  const ConfigImage& head = repairedHead(img);
  addHeading(c, head, src);
  const ExpanderTexts texts;
  for (int slot : shownSlots(head, src.channelTypes))
    c.expanders.push_back(expander(head, img, slot, isLineChannel(src.channelTypes[static_cast<size_t>(slot)]), texts));
  return c;
}

}  // namespace orbisk
