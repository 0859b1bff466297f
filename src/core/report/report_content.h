// The configuration report as plain content: the same texts the HTML and the painted pages show,
// gathered once so that both are made from one source.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <vector>

#include "core/report/config_report.h"

namespace orbisk {

// A label and its value; an empty label makes the value a line of its own.
struct ReportField {
  QString label;
  QString value;
};

inline constexpr int kReportColumns = 6;

// One telephone's cells in one string: a report of thousands of telephones makes a string a row,
// not one a cell.
class ReportRow {
 public:
  // Control characters (only a comment can hold them) become U+FFFD.
  explicit ReportRow(const std::array<QStringView, kReportColumns>& cells);
  QStringView operator[](size_t c) const { return QStringView(text_).mid(at_[c], at_[c + 1] - at_[c]); }
  static constexpr size_t size() { return kReportColumns; }

 private:
  QString text_;
  std::array<qsizetype, kReportColumns + 1> at_{};
};

struct ReportExpander {
  QString title;      // "GSM канал 2 тел:+7..."
  QString continuedTitle;  // the title on a page its table goes on to
  QString countLine;  // "Количество телефонов: N"
  std::vector<ReportRow> rows;
};

struct ReportContent {
  QString title;  // the document's title: "Конфигурация приемника — name"
  QString heading;
  // The head of every page: the file on the left, the receiver's number on the right, so a page
  // that comes loose from a stack of reports still says whose it is.
  QString headFile;
  QString headReceiver;
  std::vector<ReportField> fields;  // file, path, date, model, firmware
  QString settingsHeading;
  std::vector<ReportField> settings;
  std::vector<ReportExpander> expanders;
};

// "Конфигурация приемника — name": the title of the document and of a print job.
QString reportTitle(const QString& shortName);

// Everything the report shows; the image itself is not changed (repairs are shown as on the display).
ReportContent reportContent(const ConfigImage& img, const ReportSource& src);

// Column widths in percent, so every expander's table lines up with the others.
inline constexpr std::array<int, kReportColumns> kReportColumnPercent = {22, 11, 10, 10, 10, 37};

}  // namespace orbisk
