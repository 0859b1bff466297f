// Telephone table edits of one expander slot: append, rewrite and remove a 32-byte record.
// Each one checks its slot, index or offset first, so nothing lands outside the slot's table.
#pragma once

#include <QByteArray>
#include <QList>

#include "core/image/config_image.h"

namespace orbisk {

// Offset of some record inside one of the sixteen telephone tables.
bool isRecordOffset(int offset);
// Records in use as far as the table can hold them (a count byte from a file may say more).
int usablePhoneCount(const ConfigImage& img, int slot);

// Texts are code page 1251; field holds the 13 cell characters.
// Appends at index count and raises the count; false when the slot is invalid or full.
bool appendPhone(ConfigImage& img, int slot, const QByteArray& number, const QByteArray& field,
                 const QByteArray& comment);
// Packs over the record at offset; false when offset is not a record's.
bool rewritePhone(ConfigImage& img, int offset, const QByteArray& number, const QByteArray& field,
                  const QByteArray& comment);
// Moves the records after index one place down and lowers the count. The old last record keeps
// its bytes beyond the new count. False when index is not a record in use.
bool removePhone(ConfigImage& img, int slot, int index);
// Removes each of the records at indices (in any order, repeats counted once) as removePhone
// does; returns how many went.
int removePhones(ConfigImage& img, int slot, QList<int> indices);

}  // namespace orbisk
