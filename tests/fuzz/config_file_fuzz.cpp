// A configuration file and everything done with it before it is shown: the repairs, every record
// and SIM number decoded, the `show` text and JSON, the report's HTML.
//
// The input is a compact file: the image's first 0xB0 bytes (clock, signature, settings,
// telephone counts, SIM numbers), the 9 identity bytes, then at most kGivenRecords records, slot
// after slot. A slot holds only the records the input gives, so the work per run follows the
// input's size rather than the whole 131,088-byte image. An input of a whole image's size is a
// real file: every table whole, and counts above the table's room for the repairs to see.
//
// Every record is decoded, but the text, the JSON and the report are made of the first
// kShownPhones telephones only. The code is the same for the 200th record as for the 20th: more
// of them made a long run's inputs, and its time, grow for nothing.
#include <QJsonDocument>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "cli/show_output.h"
#include "core/report/config_report.h"
#include "core/view/config_view.h"
#include "fuzz_check.h"

using namespace orbisk;

namespace {

constexpr size_t kHead = off::kTables;  // everything before slot 0's table
constexpr size_t kIdentity = off::kIdentitySize;
constexpr int kShownPhones = 32;
constexpr int kGivenRecords = 64;

// What the last input wrote into the two images, so the next one puts back only that.
struct Written {
  bool whole = false;
  std::array<int, kSlotCount> records{};
};

void zeroWritten(const Written& w, ConfigImage& img) {
  if (w.whole) {
    std::memset(img.data(), 0, kImageSize);
    return;
  }
  std::memset(img.data(), 0, kHead);
  std::memset(img.data() + off::kIdentity, 0, kIdentity);
  for (int s = 0; s < kSlotCount; ++s)
    std::memset(img.record(s, 0), 0, static_cast<size_t>(w.records[static_cast<size_t>(s)]) * kRecordSize);
}

void copyWritten(const Written& w, const ConfigImage& from, ConfigImage& to) {
  if (w.whole) {
    to = from;
    return;
  }
  std::memcpy(to.data(), from.data(), kHead);
  std::memcpy(to.data() + off::kIdentity, from.data() + off::kIdentity, kIdentity);
  for (int s = 0; s < kSlotCount; ++s)
    std::memcpy(to.record(s, 0), from.record(s, 0), static_cast<size_t>(w.records[static_cast<size_t>(s)]) * kRecordSize);
}

Written unpack(const uint8_t* data, size_t size, ConfigImage& img) {
  Written w;
  std::memcpy(img.data(), data, std::min(size, kHead));
  if (size > kHead) std::memcpy(img.data() + off::kIdentity, data + kHead, std::min(size - kHead, kIdentity));
  size_t at = kHead + kIdentity;
  const size_t end = std::min(size, at + static_cast<size_t>(kGivenRecords) * kRecordSize);
  for (int s = 0; s < kSlotCount; ++s) {
    int taken = 0;
    const int want = std::min<int>(img.phoneCount(s), kMaxPhones);
    for (; taken < want && at + kRecordSize <= end; ++taken, at += kRecordSize)
      std::memcpy(img.record(s, taken), data + at, kRecordSize);
    if (taken < want) img.setPhoneCount(s, taken);
    w.records[static_cast<size_t>(s)] = taken;
  }
  return w;
}

// The first kShownPhones telephones, expander after expander.
void keepShown(ConfigView& v) {
  size_t left = kShownPhones;
  for (ExpanderView& e : v.expanders) {
    e.phones.resize(std::min(e.phones.size(), left));
    left -= e.phones.size();
  }
}

// The report reads the counts from the image: they are cut to the same telephones while it is
// made, and put back before the image is compared.
QString shownReport(ConfigImage& img) {
  std::array<uint8_t, kSlotCount> counts;
  std::memcpy(counts.data(), img.data() + off::kCounts, kSlotCount);
  int left = kShownPhones;
  for (int s = 0; s < kSlotCount; ++s) {
    const int shown = std::min(left, std::min<int>(img.phoneCount(s), kMaxPhones));
    if (img.mask() & (1u << s)) left -= shown;
    if (shown < img.phoneCount(s)) img.setPhoneCount(s, shown);
  }
  ReportSource src;
  src.shortName = QStringLiteral("fuzz");
  const QString html = reportHtml(img, src);
  std::memcpy(img.data() + off::kCounts, counts.data(), kSlotCount);
  return html;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Both images are the same after every input (the checks below), so each puts back only what
  // the last input wrote: clearing and copying 128 KB twice cost more than a small input.
  static auto img = std::make_unique<ConfigImage>();
  static auto copy = std::make_unique<ConfigImage>();
  static Written last;
  zeroWritten(last, *img);
  zeroWritten(last, *copy);
  if (size >= static_cast<size_t>(kImageSize)) {
    std::memcpy(img->data(), data, kImageSize);  // a real file
    last = Written{true, {}};
  } else {
    last = unpack(data, size, *img);
  }
  copyWritten(last, *img, *copy);

  ConfigView v = describe(*img);  // decoded once, shown twice
  FUZZ_CHECK(v.expanders.size() <= static_cast<size_t>(kSlotCount));
  for (const ExpanderView& e : v.expanders) {
    FUZZ_CHECK(e.slot >= 0 && e.slot < kSlotCount);
    FUZZ_CHECK(e.phones.size() <= static_cast<size_t>(kMaxPhones));
  }
  keepShown(v);
  const QString text = cli::showText(v);
  FUZZ_CHECK(!text.isEmpty());
  const QByteArray json = cli::showJson(v);
  // Every path of the writer shows in a few telephones; Qt's parser on more took a large part of
  // a run, so larger configurations are only written.
  size_t phones = 0;
  for (const ExpanderView& e : v.expanders) phones += e.phones.size();
  if (phones <= 4) {
    QJsonParseError err{};
    QJsonDocument::fromJson(json, &err);
    FUZZ_CHECK(err.error == QJsonParseError::NoError);
  }

  FUZZ_CHECK(!shownReport(*img).isEmpty());
  FUZZ_CHECK(*copy == *img);  // showing never changes the configuration
  return 0;
}
