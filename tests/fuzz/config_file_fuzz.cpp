// A configuration file and everything done with it before it is shown: the repairs, every record
// and SIM number decoded, the `show` text and JSON, the report's HTML.
//
// The input is a compact file: the image's first 0xB0 bytes (clock, signature, settings,
// telephone counts, SIM numbers), the 9 identity bytes, then the records slot after slot. A
// slot holds only the records the input gives, so the work per run follows the input's size
// rather than the whole 131,088-byte image.
#include <QJsonDocument>
#include <algorithm>
#include <cstring>
#include <memory>

#include "cli/show_output.h"
#include "core/view/config_view.h"
#include "core/report/config_report.h"
#include "fuzz_check.h"

using namespace orbisk;

namespace {

constexpr size_t kHead = off::kTables;  // everything before slot 0's table
constexpr size_t kIdentity = off::kIdentitySize;

void unpack(const uint8_t* data, size_t size, ConfigImage& img) {
  std::memcpy(img.data(), data, std::min(size, kHead));
  if (size > kHead) std::memcpy(img.data() + off::kIdentity, data + kHead, std::min(size - kHead, kIdentity));
  size_t at = kHead + kIdentity;
  for (int s = 0; s < kSlotCount; ++s) {
    int taken = 0;
    const int want = std::min<int>(img.phoneCount(s), kMaxPhones);
    for (; taken < want && at + kRecordSize <= size; ++taken, at += kRecordSize)
      std::memcpy(img.record(s, taken), data + at, kRecordSize);
    // A count above the table's room stays when its records are all there: the repairs see it.
    if (taken < want) img.setPhoneCount(s, taken);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto img = std::make_unique<ConfigImage>();
  static auto copy = std::make_unique<ConfigImage>();
  if (size >= static_cast<size_t>(kImageSize)) std::memcpy(img->data(), data, kImageSize);  // a real file
  else {
    std::memset(img->data(), 0, kImageSize);
    unpack(data, size, *img);
  }
  *copy = *img;

  const ConfigView v = describe(*img);  // decoded once, shown twice
  FUZZ_CHECK(*copy == *img);           // showing never changes the configuration
  FUZZ_CHECK(v.expanders.size() <= static_cast<size_t>(kSlotCount));
  for (const ExpanderView& e : v.expanders) {
    FUZZ_CHECK(e.slot >= 0 && e.slot < kSlotCount);
    FUZZ_CHECK(e.phones.size() <= static_cast<size_t>(kMaxPhones));
  }
  const QString text = cli::showText(v);
  FUZZ_CHECK(!text.isEmpty());
  const QByteArray json = cli::showJson(v);
  // Every path of the writer shows in a few telephones; Qt's parser on hundreds took a quarter of
  // a run, so larger configurations are only written.
  size_t phones = 0;
  for (const ExpanderView& e : v.expanders) phones += e.phones.size();
  if (phones <= 16) {
    QJsonParseError err{};
    QJsonDocument::fromJson(json, &err);
    FUZZ_CHECK(err.error == QJsonParseError::NoError);
  }

  ReportSource src;
  src.shortName = QStringLiteral("fuzz");
  FUZZ_CHECK(!reportHtml(*img, src).isEmpty());
  FUZZ_CHECK(*copy == *img);
  return 0;
}
