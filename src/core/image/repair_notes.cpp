#include "core/image/repair_notes.h"

#include <algorithm>
#include <memory>

#include "core/image/settings_lists.h"
#include "core/image/view_texts.h"

namespace orbisk {
namespace {

QString hex(int v) { return QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char('0')); }

QString change(const QString& label, int was, int now) {
  return QStringLiteral("%1 0x%2 → 0x%3").arg(label, hex(was), hex(now));
}

}  // namespace

QStringList repairNotes(const ConfigImage& img) {
  // Only the header bytes are repaired; one scratch image per thread holds them.
  thread_local const auto scratch = std::make_unique<ConfigImage>();
  std::copy_n(img.data(), off::kTables, scratch->data());
  scratch->repairSettings();
  scratch->repairExpanders();
  const ConfigImage& r = *scratch;
  QStringList notes;
  auto note = [&](int at, const QString& label) {
    if (img[at] != r[at]) notes << change(label, img[at], r[at]);
  };
  note(off::kExpanderCount, view::ViewTexts::expanderCountLabel());
  note(off::kReceiverNumber, view::ViewTexts::receiverNumberLabel());
  note(off::kPcFormat, view::ViewTexts::pcFormatLabel());
  note(off::kHandshake, view::ViewTexts::handshakeLabel() + QStringLiteral(" / ") + view::ViewTexts::ringsLabel());
  note(off::kAckWait, view::ViewTexts::ackWaitLabel());
  for (int s = 0; s < kSlotCount; ++s)
    if (img.phoneCount(s) != r.phoneCount(s))
      notes << view::ViewTexts::phoneCountRepaired().arg(slotChar(s)).arg(img.phoneCount(s)).arg(r.phoneCount(s));
  return notes;
}

}  // namespace orbisk
