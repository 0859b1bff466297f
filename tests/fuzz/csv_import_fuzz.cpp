// CSV import: any bytes, any encoding, any separator, from a file or the clipboard, appended or
// replacing. An import with an error changes nothing; one without stays inside the tables.
#include <cstring>
#include <memory>

#include "core/exchange/phone_csv.h"
#include "core/exchange/phone_import.h"
#include "core/image/expander_set.h"
#include "fuzz_check.h"

using namespace orbisk;

namespace {

// Two expanders in use, slot 1 nearly full, so appends run into the table's end.
const ConfigImage& inUse() {
  static const std::unique_ptr<ConfigImage> img = [] {
    auto i = std::make_unique<ConfigImage>();
    i->resetStartup();
    i->setMask(0x0003);
    (*i)[off::kExpanderCount] = 2;
    i->setPhoneCount(0, 2);
    i->setPhoneCount(1, kMaxPhones - 1);
    for (int r = 0; r < kMaxPhones; ++r) std::memset(i->record(1, r), r < kMaxPhones - 1 ? '1' : 0, kRecordSize);
    std::memset(i->record(0, 0), '7', 2 * kRecordSize);
    return i;
  }();
  return *img;
}

// Count 0 with mask bits: no expander shown, but the mask still goes to the receiver.
const ConfigImage& hidden() {
  static const std::unique_ptr<ConfigImage> img = [] {
    auto i = std::make_unique<ConfigImage>();
    i->resetStartup();
    i->setMask(0x00F0);
    (*i)[off::kExpanderCount] = 0;
    return i;
  }();
  return *img;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t how = data[0];
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const ImportedPhones rows = how & 1 ? readPhonesText(QString::fromUtf8(bytes), ((how >> 2) & 0x1F) % 17 - 1)
                                      : readPhonesCsv(bytes);
  for (const ImportedPhone& p : rows.rows) {
    FUZZ_CHECK(p.slot >= 0 && p.slot < kSlotCount);
    FUZZ_CHECK(p.line >= 1);
  }
  if (!rows.errors.isEmpty()) return 0;  // the rows are not to be used

  static auto out = std::make_unique<ConfigImage>();
  const ConfigImage& img = how & 0x80 ? hidden() : inUse();
  const ImportMode mode = how & 2 ? ImportMode::Replace : ImportMode::Append;
  const ImportResult r = buildImport(img, expandersOf(img), rows, mode, *out);
  if (!r.ok()) {
    FUZZ_CHECK(*out == img);
    return 0;
  }
  for (int s = 0; s < kSlotCount; ++s) {
    FUZZ_CHECK(out->phoneCount(s) <= kMaxPhones);
    FUZZ_CHECK(r.perSlot[s].after == out->phoneCount(s));
    if (r.perSlot[s].rows == 0 && mode == ImportMode::Append)
      FUZZ_CHECK(std::memcmp(out->record(s, 0), img.record(s, 0), kTableSize) == 0);
  }
  // The settings stay but for the expander mask (its last two bytes), which only gains bits.
  FUZZ_CHECK(std::memcmp(out->data() + off::kSettings, img.data() + off::kSettings, off::kSettingsSize - 2) == 0);
  FUZZ_CHECK((out->mask() & img.mask()) == img.mask());
  return 0;
}
