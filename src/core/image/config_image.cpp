#include "core/image/config_image.h"

#include <bit>

namespace orbisk {

void ConfigImage::resetStartup() {
  bytes_.fill(0);
  bytes_[off::kReceiverNumber] = 2;
  bytes_[off::kHandshake] = 0x12;
  bytes_[off::kAckWait] = 1;
}

void ConfigImage::resetNew() {
  bytes_.fill(0);
  bytes_[off::kReceiverNumber] = 2;
}

void ConfigImage::factoryDefaults() {
  bytes_[off::kReceiverNumber] = 2;
  bytes_[off::kPcFormat] = 0;
  bytes_[off::kOptions] = 0;
  bytes_[off::kDisplay] = 0;
  bytes_[off::kAckWait] = 1;
  bytes_[off::kHandshake] = 0x12;
}

void ConfigImage::stampSignature() {
  bytes_[off::kSig1] = '$';
  bytes_[off::kSig2] = '5';
  bytes_[off::kSig3] = 'x';
}

bool ConfigImage::hasSignature() const {
  return bytes_[off::kSig1] == '$' && bytes_[off::kSig2] == '5' && bytes_[off::kSig3] == 'x';
}

uint16_t ConfigImage::mask() const {
  return static_cast<uint16_t>(bytes_[off::kMaskHigh] << 8 | bytes_[off::kMaskLow]);
}

void ConfigImage::setMask(uint16_t mask) {
  bytes_[off::kMaskHigh] = static_cast<uint8_t>(mask >> 8);
  bytes_[off::kMaskLow] = static_cast<uint8_t>(mask & 0xFF);
}

void ConfigImage::repairSettings() {
  repair::receiverNumber(*this);
  repair::pcFormat(*this);
  repair::handshake(*this);
  repair::ackWait(*this);
  repair::rings(*this);
}

void ConfigImage::repairExpanders() {
  if (bytes_[off::kExpanderCount] > kMaxExpanders) bytes_[off::kExpanderCount] = 0;
  // A count beyond the table's room would make every view read into the next slot.
  for (int s = 0; s < kSlotCount; ++s)
    if (phoneCount(s) > kMaxPhones) setPhoneCount(s, kMaxPhones);
}

namespace repair {
void receiverNumber(ConfigImage& img) {
  if (auto s = img.settings(); s.receiverNumber() > 15) s.setReceiverNumber(2);
}
void pcFormat(ConfigImage& img) {
  if (auto s = img.settings(); (s.pcFormat() & 7) > 5) s.setPcFormat(0);
}
void handshake(ConfigImage& img) {
  if (auto s = img.settings(); s.handshake() & 0x08) s.setHandshake(s.handshake() & 0x02, s.rings());
}
void ackWait(ConfigImage& img) {
  if (auto s = img.settings(); s.ackWait() > 15) s.setAckWait(1);
}
void rings(ConfigImage& img) {
  if (auto s = img.settings(); s.rings() > 4) s.setHandshake(s.handshake(), 1);
}
}  // namespace repair

int popcount16(uint16_t v) { return std::popcount(v); }

}  // namespace orbisk
