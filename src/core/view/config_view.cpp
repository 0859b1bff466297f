#include "core/view/config_view.h"

#include <QStringList>
#include <algorithm>
#include <cstring>
#include <memory>

#include "core/image/cp1251.h"
#include "core/image/settings_lists.h"
#include "core/records/phone_codec.h"

namespace orbisk {
namespace {

QString listItem(const QStringList& items, int index) {
  return index >= 0 && index < items.size() ? items.at(index) : QString();
}


}  // namespace

QString numberText(const uint8_t* packed8, Decoding how) {
  char number[2 * kPackedNumberSize];
  return QString::fromLatin1(number, numberChars(packed8, how, number));
}

PhoneRow::PhoneRow(const uint8_t* record, Decoding how) {
  const PhoneRecord<const uint8_t> rec(record);
  commentLength_ = zeroEndedChars(rec.comment(), kCommentSize, comment_.data());
  char c[2 * kPackedNumberSize + kFieldStringLength] = {};
  numberLength_ = numberChars(rec.number(), how, c);
  fieldChars(record, c + 2 * kPackedNumberSize);
  std::copy(std::begin(c), std::end(c), chars_.begin());
}

QString receiverNumberText(int v) { return listItem(items::kReceiverNumbers, v); }
QString pcFormatText(int v) { return listItem(items::kPcFormats, v); }
QString handshakeText(int v) { return listItem(items::kHandshakes, v); }
QString ringsText(int v) { return listItem(items::kOneToFive, v); }
QString ackWaitText(int v) { return listItem(items::kOneToFive, v - 1); }

namespace {

// Settings, model and firmware of an image already repaired.
void fillSettings(const ConfigImage& img, ConfigView& v) {
  const auto s = img.settings();
  v.receiverNumber = s.receiverNumber();
  v.pcFormat = s.pcFormat();
  v.handshake = s.handshake();
  v.rings = s.rings();
  v.ackWait = s.ackWait();
  static_cast<SettingsFlags&>(v) = readFlags(img);
  v.model = zeroEndedText(img.data() + off::kModel, off::kModelSize);
  v.firmware = zeroEndedText(img.data() + off::kFirmware, off::kFirmwareSize);
}

}  // namespace

const ConfigImage& repairedHead(const ConfigImage& original) {
  // One scratch image a thread: a fresh 128 KB copy for every description cost more than the rest.
  thread_local const std::unique_ptr<ConfigImage> scratch = std::make_unique<ConfigImage>();
  if (scratch.get() != &original) {
    std::memcpy(scratch->data(), original.data(), off::kTables);
    std::memcpy(scratch->data() + off::kIdentity, original.data() + off::kIdentity, off::kIdentitySize);
  }
  scratch->repairSettings();
  scratch->repairExpanders();
  return *scratch;
}

ConfigView describeSettings(const ConfigImage& original) {
  ConfigView v;
  fillSettings(repairedHead(original), v);
  return v;
}

ConfigView describe(const ConfigImage& original) {
  const ConfigImage& img = repairedHead(original);
  ConfigView v;
  fillSettings(img, v);

  // As the receiver tree: a count of 0 shows no expander whatever the mask holds.
  if (img[off::kExpanderCount] == 0) return v;
  const uint16_t mask = img.mask();
  for (int s = 0; s < kSlotCount; ++s) {
    if (!(mask & (1u << s))) continue;
    ExpanderView e;
    e.slot = s;
    e.sim = numberText(img.sim(s), Decoding::MainWindow);
    e.phones.reserve(static_cast<size_t>(img.phoneCount(s)));
    for (int i = 0; i < img.phoneCount(s); ++i) e.phones.emplace_back(original.record(s, i));
    v.expanders.push_back(std::move(e));
  }
  return v;
}

}  // namespace orbisk
