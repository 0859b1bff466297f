// Rows of text in aligned columns, as the commands print their lists.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace orbisk::cli {

// Columns two blanks apart, each as wide as its widest cell; columns from rightFrom on are
// aligned to the right (numbers), the others to the left. One line a row, trailing blanks cut.
QString textTable(const std::vector<QStringList>& rows, qsizetype rightFrom = -1);

}  // namespace orbisk::cli
