// The configuration report laid out on pages once (A4 body with 2 cm margins, DejaVu fonts for
// Cyrillic, page numbers, the telephone tables' column captions repeated at the top of every
// page) and then painted page by page with QPainter: no rich-text layout of thousands of rows.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <vector>

#include "core/report/report_content.h"

class QPainter;
class QPaintDevice;

namespace orbisk {

class ReportPages {
 public:
  // Lays the content out for the device's page size and resolution. content must outlive this.
  ReportPages(const ReportContent& content, const QPaintDevice& device);
  ReportPages(const ReportPages&) = delete;
  ReportPages& operator=(const ReportPages&) = delete;

  int count() const { return static_cast<int>(pages_.size()); }
  void paint(QPainter& painter, int page) const;  // page from 0

 private:
  enum class Kind { H1, H2, Para, Field, Header, Row };
  struct Item {
    Kind kind;
    qreal y;
    qreal height;
    const QString* text = nullptr;     // H1, H2, Para
    const ReportField* field = nullptr;  // Field
    const ReportRow* row = nullptr;    // Row
    qreal labelWidth = 0;              // Field: the width of its table's label column
  };
  using Page = std::vector<Item>;

  qreal pt(qreal points) const { return points * dpi_ / 72.0; }
  qreal bottom() const { return pageHeight_ - margin_; }
  qreal spacer() const { return lineHeight_ * 1.8; }  // the space above a section
  void place(const Item& item);
  void newPage();
  // At the top of a page everything fits: a block taller than a page goes on one of its own.
  bool fits(qreal height) const { return y_ + height <= bottom() || y_ <= margin_; }
  void addBlock(Kind kind, const QString& text, qreal height);
  // A heading as tall as its lines: on a narrow paper a long one wraps instead of running off.
  qreal headingHeight(const QString& text) const;
  void addFields(const std::vector<ReportField>& fields);
  void addExpander(const ReportExpander& e);
  qreal rowHeight(const ReportRow& row) const;
  void paintItem(QPainter& painter, const Item& item) const;
  template <typename CellText>
  void paintCells(QPainter& painter, const Item& item, CellText text) const;

  const ReportContent& content_;
  qreal dpi_ = 72, pageWidth_ = 0, pageHeight_ = 0, margin_ = 0;
  QFont body_, h1_, h2_, caption_;
  QFontMetricsF bodyMetrics_, h2Metrics_, captionMetrics_;
  qreal lineHeight_ = 0, h2Height_ = 0, headerHeight_ = 0, padding_ = 0;
  const QString kNothing;  // the text of an empty paragraph (space above a section)
  std::vector<qreal> columnX_;  // the left edge of every column, then the table's right edge
  std::vector<Page> pages_;
  qreal y_ = 0;
};

}  // namespace orbisk
