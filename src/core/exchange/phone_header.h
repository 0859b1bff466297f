// The columns of a telephone table and finding them in a header row, which may follow title rows.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "core/exchange/csv_text.h"

namespace orbisk {

enum PhoneColumn { kSlot, kNumber, kObject, kEvent, kZone, kPartition, kComment, kColumnCount };

using ColumnMap = std::array<int, kColumnCount>;  // column -> field index, -1 when absent

// The column's header as export writes it.
const QString& columnTitle(int column);

struct PhoneHeader {
  qsizetype row = -1;  // index of the header row in the table
  ColumnMap map{};
  int width = 0;  // fields of the header row
};

// The header is the first row naming the number column (title rows above it are passed over),
// else the first row that is not empty. Problems go to errors, unknown cells to notices.
bool findHeader(const CsvTable& table, int targetSlot, PhoneHeader& out, QStringList& errors, QStringList& notices);

bool isEmptyRow(const CsvTable& table, const CsvRow& row);
// Whether some row names the number column: the table was split by the right separator.
bool hasHeaderRow(const CsvTable& table);
// Whether the cell, as simplified(), is a name of the number column and of no column before it.
bool namesNumberColumn(QStringView cell);

}  // namespace orbisk
