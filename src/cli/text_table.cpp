#include "cli/text_table.h"

#include <algorithm>

namespace orbisk::cli {

QString textTable(const std::vector<QStringList>& rows, qsizetype rightFrom) {
  std::vector<qsizetype> width;
  for (const QStringList& row : rows) {
    if (width.size() < static_cast<size_t>(row.size())) width.resize(static_cast<size_t>(row.size()), 0);
    for (qsizetype c = 0; c < row.size(); ++c)
      width[static_cast<size_t>(c)] = std::max(width[static_cast<size_t>(c)], row[c].size());
  }
  QString out;
  for (const QStringList& row : rows) {
    QString line;
    for (qsizetype c = 0; c < row.size(); ++c) {
      const qsizetype w = width[static_cast<size_t>(c)];
      line += rightFrom >= 0 && c >= rightFrom ? row[c].rightJustified(w) : row[c].leftJustified(w);
      if (c + 1 < row.size()) line += QStringLiteral("  ");
    }
    out += line.trimmed() + u'\n';
  }
  return out;
}

}  // namespace orbisk::cli
