#include "render/report_pages.h"

#include <QColor>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>

#include "core/image/view_texts.h"
#include "core/report/report_texts.h"

namespace orbisk {
namespace {

// The fonts the packages install; they hold Cyrillic. Unhinted: a page has no pixel grid to fit,
// and hinting is each system's own, so the same words would take other widths on Windows.
QFont reportFont(int points, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"), points);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

const QColor kCaptionShade(0xe0, 0xe0, 0xe0);
constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
constexpr int kHeadingFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

}  // namespace

ReportPages::ReportPages(const ReportContent& content, const QPaintDevice& device)
    : content_(content),
      dpi_(device.logicalDpiY()),
      pageWidth_(device.width()),
      pageHeight_(device.height()),
      body_(reportFont(9, false)),
      h1_(reportFont(18, true)),
      h2_(reportFont(13, true)),
      caption_(reportFont(9, true)),
      bodyMetrics_(body_, &device),
      h2Metrics_(h2_, &device),
      captionMetrics_(caption_, &device) {
  margin_ = 2.0 / 2.54 * dpi_;  // 2 cm, as the rich-text pages kept
  lineHeight_ = bodyMetrics_.height();
  padding_ = pt(2.8);
  const qreal width = pageWidth_ - 2 * margin_;
  qreal x = margin_;
  for (int percent : kReportColumnPercent) {
    columnX_.push_back(x);
    x += width * percent / 100.0;
  }
  columnX_.push_back(margin_ + width);
  // The column captions wrap in a column too narrow for them (a small paper).
  headerHeight_ = lineHeight_;
  const QStringList captions = view::ViewTexts::phoneColumns();
  for (size_t c = 0; c < kReportColumns; ++c) {
    const QString& caption = captions.at(static_cast<qsizetype>(c));
    const QRectF room(0, 0, columnX_[c + 1] - columnX_[c] - 2 * padding_, pageHeight_);
    if (captionMetrics_.horizontalAdvance(caption) > room.width())
      headerHeight_ = std::max(headerHeight_, captionMetrics_.boundingRect(room, kWrapFlags, caption).height());
  }
  headerHeight_ += 2 * padding_;

  pages_.emplace_back();
  y_ = margin_;
  addBlock(Kind::H1, content.heading, QFontMetricsF(h1_, &device).height() + pt(8));
  addFields(content.fields);
  addBlock(Kind::Para, kNothing, spacer());
  h2Height_ = h2Metrics_.height() + pt(4);
  addBlock(Kind::H2, content.settingsHeading, headingHeight(content.settingsHeading));
  addFields(content.settings);
  for (const ReportExpander& e : content.expanders) addExpander(e);
}

void ReportPages::place(const Item& item) {
  pages_.back().push_back(item);
  pages_.back().back().y = y_;
  y_ += item.height;
}

void ReportPages::newPage() {
  pages_.emplace_back();
  y_ = margin_;
}

void ReportPages::addBlock(Kind kind, const QString& text, qreal height) {
  if (!fits(height)) newPage();
  place({kind, 0, height, &text});
}

qreal ReportPages::headingHeight(const QString& text) const {
  const QRectF room(0, 0, pageWidth_ - 2 * margin_, pageHeight_);
  return std::max(h2Height_, h2Metrics_.boundingRect(room, kHeadingFlags, text).height() + pt(4));
}

void ReportPages::addFields(const std::vector<ReportField>& fields) {
  qreal labels = 0;
  for (const ReportField& f : fields) labels = std::max(labels, bodyMetrics_.horizontalAdvance(f.label));
  const qreal gap = pt(12);
  for (const ReportField& f : fields) {
    const qreal x = f.label.isEmpty() ? 0 : labels + gap;
    const QRectF room(0, 0, pageWidth_ - 2 * margin_ - x, pageHeight_);
    const qreal height = bodyMetrics_.boundingRect(room, kWrapFlags, f.value).height() + 2 * pt(1.5);
    if (!fits(height)) newPage();
    Item item{Kind::Field, 0, height};
    item.field = &f;
    item.labelWidth = x;
    place(item);
  }
}

void ReportPages::addExpander(const ReportExpander& e) {
  // The heading, its count and the first rows stay together on one page.
  const qreal header = headerHeight_;
  const qreal first = e.rows.empty() ? 0 : header + rowHeight(e.rows.front());
  if (!fits(spacer() + headingHeight(e.title) + lineHeight_ + first)) newPage();
  if (y_ > margin_) place({Kind::Para, 0, spacer(), &kNothing});
  place({Kind::H2, 0, headingHeight(e.title), &e.title});
  place({Kind::Para, 0, lineHeight_ + pt(2), &e.countLine});
  if (e.rows.empty()) return;
  place({Kind::Header, 0, header});
  for (const ReportRow& row : e.rows) {
    const qreal height = rowHeight(row);
    if (!fits(height)) {
      newPage();
      place({Kind::H2, 0, headingHeight(e.continuedTitle), &e.continuedTitle});
      place({Kind::Header, 0, header});
    }
    Item item{Kind::Row, 0, height};
    item.row = &row;
    place(item);
  }
}

qreal ReportPages::rowHeight(const ReportRow& row) const {
  qreal height = lineHeight_;
  const qreal widest = bodyMetrics_.maxWidth();
  for (size_t c = 0; c < row.size(); ++c) {
    const qreal inner = columnX_[c + 1] - columnX_[c] - 2 * padding_;
    // Most cells are far narrower than their column: measure only the ones that may not be.
    if (row[c].size() * widest <= inner) continue;
    const QString cell = row[c].toString();
    if (bodyMetrics_.horizontalAdvance(cell) <= inner) continue;
    height = std::max(height, bodyMetrics_.boundingRect(QRectF(0, 0, inner, pageHeight_), kWrapFlags, cell).height());
  }
  return height + 2 * padding_;
}

void ReportPages::paint(QPainter& painter, int page) const {
  painter.setPen(QPen(Qt::black, pt(0.5)));
  for (const Item& item : pages_.at(static_cast<size_t>(page))) paintItem(painter, item);
  painter.setFont(body_);
  // In the margins, outside the laid-out body: the file and the receiver above a thin rule,
  // "стр. N из M" below.
  const qreal head = margin_ - pt(8) - bodyMetrics_.descent();
  const qreal receiver = bodyMetrics_.horizontalAdvance(content_.headReceiver);
  const qreal room = pageWidth_ - 2 * margin_ - receiver - pt(12);
  painter.drawText(QPointF(margin_, head), bodyMetrics_.elidedText(content_.headFile, Qt::ElideMiddle, room));
  painter.drawText(QPointF(pageWidth_ - margin_ - receiver, head), content_.headReceiver);
  painter.drawLine(QLineF(margin_, margin_ - pt(5), pageWidth_ - margin_, margin_ - pt(5)));
  const QString number = report::ReportTexts::pageOf().arg(page + 1).arg(count());
  painter.drawText(QPointF(pageWidth_ - margin_ - bodyMetrics_.horizontalAdvance(number),
                           pageHeight_ - margin_ + bodyMetrics_.ascent() + pt(5)),
                   number);
}

void ReportPages::paintItem(QPainter& painter, const Item& item) const {
  switch (item.kind) {
    case Kind::H1:
    case Kind::H2:
    case Kind::Para: {
      const QFont& font = item.kind == Kind::H1 ? h1_ : item.kind == Kind::H2 ? h2_ : body_;
      painter.setFont(font);
      if (item.kind == Kind::H2)  // wrapped where it was laid out so
        painter.drawText(QRectF(margin_, item.y, pageWidth_ - 2 * margin_, item.height), kHeadingFlags, *item.text);
      else
        painter.drawText(QPointF(margin_, item.y + QFontMetricsF(font, painter.device()).ascent()), *item.text);
      return;
    }
    case Kind::Field: {
      painter.setFont(body_);
      const qreal top = item.y + pt(1.5);
      if (item.labelWidth > 0) painter.drawText(QPointF(margin_, top + bodyMetrics_.ascent()), item.field->label);
      const qreal x = margin_ + item.labelWidth;
      painter.drawText(QRectF(x, top, pageWidth_ - margin_ - x, item.height), kWrapFlags, item.field->value);
      return;
    }
    case Kind::Header:
      painter.fillRect(QRectF(columnX_.front(), item.y, columnX_.back() - columnX_.front(), item.height), kCaptionShade);
      painter.drawLine(QLineF(columnX_.front(), item.y, columnX_.back(), item.y));
      painter.setFont(caption_);
      paintCells(painter, item, [captions = view::ViewTexts::phoneColumns()](int c) { return captions.at(c); });
      return;
    case Kind::Row:
      painter.setFont(body_);
      paintCells(painter, item, [&item](int c) { return (*item.row)[static_cast<size_t>(c)].toString(); });
      return;
  }
}

template <typename CellText>
void ReportPages::paintCells(QPainter& painter, const Item& item, CellText text) const {
  const bool oneLine = item.height <= lineHeight_ + 2 * padding_ + 0.01;
  const qreal baseline = item.y + padding_ + bodyMetrics_.ascent();
  for (int c = 0; c < kReportColumns; ++c) {
    const qreal x = columnX_[static_cast<size_t>(c)] + padding_;
    if (oneLine)
      painter.drawText(QPointF(x, baseline), text(c));
    else
      painter.drawText(QRectF(x, item.y + padding_, columnX_[static_cast<size_t>(c) + 1] - x - padding_, item.height),
                       kWrapFlags, text(c));
  }
  // The cell borders: the row's bottom line and the column edges.
  std::array<QLineF, kReportColumns + 2> lines;
  const qreal bottom = item.y + item.height;
  for (size_t c = 0; c <= kReportColumns; ++c) lines[c] = QLineF(columnX_[c], item.y, columnX_[c], bottom);
  lines.back() = QLineF(columnX_.front(), bottom, columnX_.back(), bottom);
  painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

}  // namespace orbisk
