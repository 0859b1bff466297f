#include "core/records/field_rules.h"

#include "core/image/cp1251.h"

namespace orbisk {
namespace {

bool isLatinLetter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }

}  // namespace

bool numberAccepts(QChar c) { return !isLatinLetter(c); }

std::optional<QChar> cellChar(QChar c, bool qualifier) {
  const char16_t u = c.unicode();
  if (qualifier) {
    if (u == 'E' || u == 'e') return QChar(u'E');
    if (u == 'R' || u == 'r') return QChar(u'R');
    return std::nullopt;
  }
  if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F')) return c;
  if (u >= 'a' && u <= 'f') return QChar(static_cast<char16_t>(u - 'a' + 'A'));
  return std::nullopt;
}

bool commentAccepts(QChar c) { return fitsCp1251(c); }

QString filterNumberText(const QString& text) {
  QString out;
  for (QChar c : text)
    if (!isControl(c) && numberAccepts(c)) out.append(c);
  return out;
}

QString filterCommentText(const QString& text) {
  QString out;
  for (QChar c : text)
    if (!isControl(c) && commentAccepts(c)) out.append(c);
  return out;
}

std::optional<QChar> firstCellChar(const QString& text, bool qualifier) {
  for (QChar c : text)
    if (auto accepted = cellChar(c, qualifier)) return accepted;
  return std::nullopt;
}

}  // namespace orbisk
