// Export and import of a full 16 x 200 configuration, in milliseconds; not registered with CTest.
#include <QElapsedTimer>
#include <cstdio>
#include <memory>

#include "core/exchange/phone_csv.h"
#include "core/exchange/phone_import.h"
#include "core/image/cp1251.h"
#include "core/records/phone_table.h"

using namespace orbisk;

int main() {
  auto img = std::make_unique<ConfigImage>();
  ExpanderSet set;
  for (int s = 0; s < kSlotCount; ++s) {
    addExpanderAt(*img, set, s);
    for (int i = 0; i < kMaxPhones; ++i)
      appendPhone(*img, s, "+7912" + QByteArray::number(1000000 + s * 1000 + i), "12AFE13000501",
                  toCp1251(QStringLiteral("склад, пост ") + QString::number(i)));
  }
  auto out = std::make_unique<ConfigImage>();
  constexpr int kRuns = 20;
  for (const CsvStyle style : {CsvStyle::Standard, CsvStyle::Excel}) {
    QElapsedTimer t;
    QByteArray csv;
    t.start();
    for (int r = 0; r < kRuns; ++r) csv = exportPhonesCsv(*img, 0xFFFF, style);
    const double exportMs = static_cast<double>(t.nsecsElapsed()) / 1e6 / kRuns;
    t.restart();
    bool ok = true;
    for (int r = 0; r < kRuns; ++r)
      ok = ok && buildImport(*img, expandersOf(*img), readPhonesCsv(csv), ImportMode::Replace, *out).ok();
    const double importMs = static_cast<double>(t.nsecsElapsed()) / 1e6 / kRuns;
    std::printf("%s: %lld bytes, export %.2f ms, import %.2f ms%s\n", style == CsvStyle::Excel ? "excel" : "utf-8",
                static_cast<long long>(csv.size()), exportMs, importMs, ok && *out == *img ? "" : " MISMATCH");
  }
  return 0;
}
