// Writing a workbook through libxlsxwriter. It writes only to a named file, so the workbook is
// made in a private temporary folder and its bytes go on through the safe writer.
#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_xlsx.h"

namespace orbisk {
namespace {

// Widths in characters: the number column takes 16 digits and a "+", the comment 16 letters.
constexpr double kColumnWidths[] = {12, 20, 9, 7, 7, 8, 20};

bool writeWorkbook(const QString& path, const QList<QStringList>& rows) {
  lxw_workbook* wb = workbook_new(QFile::encodeName(path).constData());
  if (!wb) return false;
  lxw_worksheet* ws = workbook_add_worksheet(wb, text::ExchangeTexts::xlsxSheetName().toUtf8().constData());
  // "@": the cells are text, and stay text when the user types into them in a spreadsheet.
  lxw_format* asText = workbook_add_format(wb);
  format_set_num_format(asText, "@");
  lxw_format* heading = workbook_add_format(wb);
  format_set_num_format(heading, "@");
  format_set_bold(heading);
  bool ok = ws && asText && heading;
  for (lxw_col_t c = 0; ok && c < std::size(kColumnWidths); ++c)
    ok = worksheet_set_column(ws, c, c, kColumnWidths[c], asText) == LXW_NO_ERROR;
  for (qsizetype r = 0; ok && r < rows.size(); ++r)
    for (qsizetype c = 0; ok && c < rows.at(r).size(); ++c)
      ok = worksheet_write_string(ws, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                  rows.at(r).at(c).toUtf8().constData(), r == 0 ? heading : asText) == LXW_NO_ERROR;
  if (ok) worksheet_freeze_panes(ws, 1, 0);
  return workbook_close(wb) == LXW_NO_ERROR && ok;
}

}  // namespace

QByteArray exportPhonesXlsx(const ConfigImage& img, uint16_t slotMask) {
  QTemporaryDir dir;
  if (!dir.isValid()) return {};
  const QString path = dir.filePath(QStringLiteral("phones.xlsx"));
  if (!writeWorkbook(path, phoneTableRows(img, slotMask))) return {};
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

}  // namespace orbisk
