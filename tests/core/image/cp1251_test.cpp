#include <gtest/gtest.h>

#include "core/image/cp1251.h"

using namespace orbisk;

TEST(Cp1251, CyrillicRoundTrip) {
  const QString text = QStringLiteral("Склад №1 ёЁ abc");
  const QByteArray bytes = toCp1251(text);
  ASSERT_EQ(bytes.size(), text.size());
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xD1);  // С
  EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 0xB9);  // №
  EXPECT_EQ(fromCp1251(bytes), text);
  EXPECT_TRUE(fitsCp1251(text));
}

TEST(Cp1251, CharactersOutsideTheCodePage) {
  EXPECT_FALSE(fitsCp1251(QStringLiteral("漢")));
  EXPECT_FALSE(fitsCp1251(QChar(0xFFFD)));
  // Latin and Cyrillic letters the code page lacks, among the ones it has.
  EXPECT_EQ(toCp1251(QStringLiteral("ĀёѢ€")), QByteArray("?\xB8?\x88"));
  EXPECT_EQ(toCp1251(QStringLiteral("a漢b")), QByteArray("a?b"));
  // Every byte decodes to something, and all but the unassigned 0x98 round-trip.
  for (int b = 0; b < 256; ++b) {
    const QByteArray one(1, static_cast<char>(b));
    if (b == 0x98) continue;
    EXPECT_EQ(toCp1251(fromCp1251(one)), one) << b;
  }
}
