// The configuration image: one fixed block of bytes that is the whole configuration.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/image/image_layout.h"
#include "core/image/image_views.h"

namespace orbisk {

class ConfigImage {
 public:
  ConfigImage() { bytes_.fill(0); }

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }
  uint8_t& operator[](int i) { return bytes_.at(static_cast<size_t>(i)); }
  uint8_t operator[](int i) const { return bytes_.at(static_cast<size_t>(i)); }
  bool operator==(const ConfigImage& o) const { return bytes_ == o.bytes_; }

  void resetStartup();      // receiver 2, handshake 0x12, ACK wait 1
  void resetNew();          // receiver 2 only
  void factoryDefaults();   // settings only; expanders, phones, identity stay
  void stampSignature();
  bool hasSignature() const;

  uint16_t mask() const;
  void setMask(uint16_t mask);
  int phoneCount(int slot) const { return bytes_[static_cast<size_t>(countOffset(slot))]; }
  void setPhoneCount(int slot, int n) { bytes_[static_cast<size_t>(countOffset(slot))] = static_cast<uint8_t>(n); }
  uint8_t* record(int slot, int index) { return data() + recordOffset(slot, index); }
  const uint8_t* record(int slot, int index) const { return data() + recordOffset(slot, index); }
  uint8_t* sim(int slot) { return data() + simOffset(slot); }
  const uint8_t* sim(int slot) const { return data() + simOffset(slot); }
  SettingsBlock<uint8_t> settings() { return SettingsBlock<uint8_t>(data()); }
  SettingsBlock<const uint8_t> settings() const { return SettingsBlock<const uint8_t>(data()); }
  PhoneRecord<uint8_t> phone(int slot, int index) { return PhoneRecord<uint8_t>(record(slot, index)); }
  PhoneRecord<const uint8_t> phone(int slot, int index) const { return PhoneRecord<const uint8_t>(record(slot, index)); }

  // First model digit above '2' enables the newer receivers' settings and the paired-line rule.
  bool isNewerModel() const { return bytes_[off::kModel] > 0x32; }

  // Repairs of settings bytes done by the settings panel's load (steps 1 to 5), in order.
  void repairSettings();
  // Expander count above 16 becomes 0; telephone counts above 200 become 200.
  void repairExpanders();

 private:
  std::array<uint8_t, kImageSize> bytes_;
};

// The repair steps one by one, for the settings panel which interleaves them with its controls.
namespace repair {
void receiverNumber(ConfigImage& img);
void pcFormat(ConfigImage& img);
void handshake(ConfigImage& img);
void ackWait(ConfigImage& img);
void rings(ConfigImage& img);
}  // namespace repair

int popcount16(uint16_t v);

}  // namespace orbisk
