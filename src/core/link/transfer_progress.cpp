#include "core/link/transfer_progress.h"

#include <algorithm>

#include "core/link/link_texts.h"

namespace orbisk {
namespace {

// Thousands apart by a blank, as Russian writes them.
QString grouped(long n) {
  QString digits = QString::number(n);
  for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, u' ');
  return digits;
}

long recordBytes(const ConfigImage& img) {
  long records = 0;
  for (int s = 0; s < kSlotCount; ++s) records += std::min(img.phoneCount(s), kMaxPhones);
  return records * kRecordSize;
}

constexpr long kHeaderBytes = 2L * kSlotCount;

}  // namespace

long writeStreamBytes(const ConfigImage& img) {
  // "A", the clock, the settings, the headers, the records, the SIM numbers, "K".
  return 1 + off::kClockSize + off::kSettingsSize + kHeaderBytes + recordBytes(img) + off::kSimsSize + 1;
}

long readStreamBytes(const ConfigImage& img) {
  return off::kClockSize + off::kSettingsSize + kHeaderBytes + recordBytes(img) + off::kSimsSize + kSlotCount +
         off::kIdentitySize;
}

long secondsLeft(long done, long total) {
  const long rest = std::max(total - std::clamp(done, 0L, std::max(total, 0L)), 0L);
  return (rest + kLineBytesPerSecond - 1) / kLineBytesPerSecond;
}

QString durationText(long seconds) {
  const long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  const QString ms = QStringLiteral("%1:%2").arg(m, h ? 2 : 1, 10, QChar(u'0')).arg(s, 2, 10, QChar(u'0'));
  return h ? QStringLiteral("%1:%2").arg(h).arg(ms) : ms;
}

QString transferProgressText(long done, long total) {
  total = std::max(total, 0L);
  done = std::clamp(done, 0L, total);
  return text::LinkTexts::progressTemplate().arg(grouped(done), grouped(total), durationText(secondsLeft(done, total)));
}

QString estimatedProgressText(long done, long total) {
  return transferProgressText(done, total) + text::LinkTexts::estimateMark();
}

}  // namespace orbisk
