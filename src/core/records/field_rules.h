// Which characters the fields of the telephone editor take, and how pasted text is cut down.
#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace orbisk {

constexpr int kNumberFieldMax = 16;   // symbols a packed number can hold
constexpr int kCommentFieldMax = 16;  // bytes 16..31 of a record

// The number field takes everything but Latin letters.
bool numberAccepts(QChar c);
// A digit cell takes 0-9, A-F, a-f; the qualifier cell E, R, e, r. Result is upper case.
std::optional<QChar> cellChar(QChar c, bool qualifier);
// The comment takes what code page 1251 can hold.
bool commentAccepts(QChar c);

// Pasted text: what survives the field's filter (control characters never do).
QString filterNumberText(const QString& text);
QString filterCommentText(const QString& text);
// A cell keeps only the first character it would have accepted when typed.
std::optional<QChar> firstCellChar(const QString& text, bool qualifier);

}  // namespace orbisk
