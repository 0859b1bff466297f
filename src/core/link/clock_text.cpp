#include "core/link/clock_text.h"

#include "core/records/phone_codec.h"

namespace orbisk {
namespace {

uint8_t packPair(const QString& s, int i) {
  const int hi = s.at(i).unicode() - '0';
  const int lo = s.at(i + 1).unicode() - '0';
  return static_cast<uint8_t>(((hi << 4) + lo) & 0xFF);
}

QString hexByte(uint8_t b) { return QString(QChar(bcd2char1(b))) + QChar(bcd2char0(b)); }

int bcdValue(uint8_t b) {
  if ((b >> 4) > 9 || (b & 0x0F) > 9) return -1;
  return (b >> 4) * 10 + (b & 0x0F);
}

}  // namespace

ClockBytes packClock(const QDateTime& t) {
  const QString s = t.toString(QStringLiteral("HHmmss_ddMMyy"));
  if (s.size() != 13) return ClockBytes{};
  return ClockBytes{packPair(s, 4), packPair(s, 2), packPair(s, 0), packPair(s, 7), packPair(s, 9), packPair(s, 11)};
}

QString pcClockText(const QDateTime& t) { return t.toString(QStringLiteral("dd.MM.yy  HH:mm:ss")); }

QString receiverClockText(const uint8_t* b) {
  return hexByte(b[3]) + u'.' + hexByte(b[4]) + u'.' + hexByte(b[5]) + QStringLiteral("  ") + hexByte(b[2]) + u':' +
         hexByte(b[1]) + u':' + hexByte(b[0]);
}

QDateTime unpackClock(const ClockBytes& b) {
  int v[6];
  for (int i = 0; i < 6; ++i) {
    v[i] = bcdValue(b[static_cast<size_t>(i)]);
    if (v[i] < 0) return {};
  }
  const QDate date(2000 + v[5], v[4], v[3]);
  const QTime time(v[2], v[1], v[0]);
  if (!date.isValid() || !time.isValid()) return {};
  return QDateTime(date, time);
}

}  // namespace orbisk
