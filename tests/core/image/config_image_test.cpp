#include <gtest/gtest.h>

#include <memory>

#include "core/image/config_image.h"
#include "core/image/repair_notes.h"

using namespace orbisk;

namespace {
int nonZeroCount(const ConfigImage& img) {
  int n = 0;
  for (int i = 0; i < kImageSize; ++i) n += img[i] != 0;
  return n;
}
}  // namespace

TEST(ConfigImage, StartupAndNewDefaults) {
  auto img = std::make_unique<ConfigImage>();
  (*img)[500] = 7;
  img->resetStartup();
  EXPECT_EQ((*img)[off::kReceiverNumber], 2);
  EXPECT_EQ((*img)[off::kHandshake], 0x12);
  EXPECT_EQ((*img)[off::kAckWait], 1);
  EXPECT_EQ(nonZeroCount(*img), 3);
  img->resetNew();
  EXPECT_EQ((*img)[off::kReceiverNumber], 2);
  EXPECT_EQ(nonZeroCount(*img), 1);
}

TEST(ConfigImage, FactoryDefaultsTouchOnlySettings) {
  auto img = std::make_unique<ConfigImage>();
  for (int i = 0; i < 200; ++i) (*img)[i] = 0x33;
  (*img)[off::kFirmware] = '1';
  img->factoryDefaults();
  EXPECT_EQ((*img)[8], 2);
  EXPECT_EQ((*img)[9], 0);
  EXPECT_EQ((*img)[10], 0);
  EXPECT_EQ((*img)[11], 0);
  EXPECT_EQ((*img)[12], 0x12);
  EXPECT_EQ((*img)[13], 1);
  EXPECT_EQ((*img)[7], 0x33);
  EXPECT_EQ((*img)[14], 0x33);
  EXPECT_EQ((*img)[off::kFirmware], '1');
}

TEST(ConfigImage, SignatureAndAddresses) {
  auto img = std::make_unique<ConfigImage>();
  EXPECT_FALSE(img->hasSignature());
  img->stampSignature();
  EXPECT_TRUE(img->hasSignature());
  EXPECT_EQ((*img)[3], '$');
  EXPECT_EQ((*img)[4], '5');
  EXPECT_EQ((*img)[6], 'x');
  (*img)[5] = 0x99;  // byte 5 is not part of the signature
  EXPECT_TRUE(img->hasSignature());
  EXPECT_EQ(recordOffset(2, 3), 0x3310);
  EXPECT_EQ(recordOffset(15, 199) + kRecordSize, 102576);
  EXPECT_EQ(simOffset(15), 152);
  EXPECT_EQ(countOffset(15), 31);
  img->setMask(0x0180);
  EXPECT_EQ((*img)[14], 0x01);
  EXPECT_EQ((*img)[15], 0x80);
  EXPECT_EQ(img->mask(), 0x0180);
}

TEST(ConfigImage, RepairsOnDisplay) {
  auto img = std::make_unique<ConfigImage>();
  struct Case { int offset; uint8_t before; uint8_t after; };
  const Case cases[] = {
      {off::kReceiverNumber, 0x20, 2}, {off::kReceiverNumber, 15, 15}, {off::kHandshake, 0x0A, 0x02},
      {off::kHandshake, 0x65, 0x15},   {off::kHandshake, 0x5A, 0x12},  {off::kAckWait, 0x10, 1},
      {off::kAckWait, 15, 15},         {off::kPcFormat, 0x0E, 0},      {off::kPcFormat, 5, 5},
      {off::kPcFormat, 0x0D, 0x0D},
  };
  for (const Case& c : cases) {
    img->resetStartup();
    (*img)[c.offset] = c.before;
    img->repairSettings();
    EXPECT_EQ((*img)[c.offset], c.after) << "offset " << c.offset << " value " << int(c.before);
  }
}

TEST(ConfigImage, ExpanderAndPhoneCountRepairs) {
  auto img = std::make_unique<ConfigImage>();
  (*img)[off::kExpanderCount] = 17;
  img->setPhoneCount(3, 255);
  img->setPhoneCount(4, 200);
  img->repairExpanders();
  EXPECT_EQ((*img)[off::kExpanderCount], 0);
  EXPECT_EQ(img->phoneCount(3), 200);
  EXPECT_EQ(img->phoneCount(4), 200);
  (*img)[off::kExpanderCount] = 16;
  img->repairExpanders();
  EXPECT_EQ((*img)[off::kExpanderCount], 16);
}

// Every repaired value is named with its label, as it was and as it is shown; nothing else.
TEST(ConfigImage, RepairNotesNameWhatTheRepairsChange) {
  auto img = std::make_unique<ConfigImage>();
  img->resetStartup();
  EXPECT_TRUE(repairNotes(*img).isEmpty());
  (*img)[off::kExpanderCount] = 17;
  (*img)[off::kHandshake] = 0x65;
  (*img)[off::kAckWait] = 0x10;
  img->setPhoneCount(10, 255);
  const QStringList expected = {QStringLiteral("Количество расширителей: 0x11 → 0x00"),
                                QStringLiteral("Хендшейк: / Кол-во звонков: 0x65 → 0x15"),
                                QStringLiteral("Ожидание ACK: 0x10 → 0x01"),
                                QStringLiteral("Телефонов в расширителе A: 255 → 200")};
  EXPECT_EQ(repairNotes(*img), expected);
  EXPECT_EQ((*img)[off::kHandshake], 0x65);  // the image itself is not repaired
}
