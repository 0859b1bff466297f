#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/records/phone_codec.h"

using namespace orbisk;

namespace {

std::vector<int> packNum(const QByteArray& text, bool simPacker) {
  std::array<uint8_t, 32> rec{};
  rec.fill(0xEE);
  if (simPacker) packtel_1(rec.data(), text);
  else packtel(rec.data(), text, QByteArray(13, '0'), QByteArray());
  return std::vector<int>(rec.begin(), rec.begin() + 8);
}

std::vector<int> v(std::initializer_list<int> l) { return std::vector<int>(l); }

}  // namespace

TEST(PhoneCodec, WorkedNumberExamplesPackAndReadBack) {
  struct Case { const char* text; std::vector<int> bytes; const char* back; };
  const Case cases[] = {
      {"+7", v({0xA7, 0xB0, 0, 0, 0, 0, 0, 0}), "+7"},
      {"123", v({0x12, 0x3B, 0, 0, 0, 0, 0, 0}), "123"},
      {"1*2+", v({0x1C, 0x2A, 0xB0, 0, 0, 0, 0, 0}), "1*2+"},
      {"8(12)", v({0x80, 0x12, 0x0B, 0, 0, 0, 0, 0}), "80120"},
      {"", v({0xB0, 0, 0, 0, 0, 0, 0, 0}), ""},
  };
  for (const Case& c : cases) {
    for (bool sim : {false, true}) {
      const auto bytes = packNum(c.text, sim);
      EXPECT_EQ(bytes, c.bytes) << c.text << (sim ? " (SIM packer)" : " (record packer)");
      uint8_t raw[8];
      for (int i = 0; i < 8; ++i) raw[i] = static_cast<uint8_t>(bytes[static_cast<size_t>(i)]);
      EXPECT_EQ(raspactel(raw, Decoding::MainWindow), QByteArray(c.back));
      EXPECT_EQ(raspactel(raw, Decoding::Editor), QByteArray(c.back));
    }
  }
}

TEST(PhoneCodec, BlankEndsRecordNumberButNotSimNumber) {
  EXPECT_EQ(packNum("12 34", false), v({0x12, 0xB0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(packNum("12 34", true), v({0x12, 0x03, 0x4B, 0, 0, 0, 0, 0}));
  EXPECT_EQ(packNum(" 123", false), v({0xB0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(packNum("1\t2", false), v({0x1B, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(PhoneCodec, SixteenSymbolsHaveNoEndMarkAndOnlyTheEditorShowsThem) {
  const auto b15 = packNum("123456789012345", false);
  EXPECT_EQ(b15[7], 0x5B);
  const auto b16 = packNum("1234567890123456", false);
  EXPECT_EQ(b16, v({0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56}));
  const auto b17 = packNum("12345678901234567", true);
  EXPECT_EQ(b17, b16);
  const uint8_t raw[8] = {0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56};
  EXPECT_EQ(raspactel(raw, Decoding::Editor), QByteArray("1234567890123456"));
  EXPECT_EQ(raspactel(raw, Decoding::MainWindow), QByteArray());
  const uint8_t zeros[8] = {};
  EXPECT_EQ(raspactel(zeros, Decoding::Editor), QByteArray(16, '0'));
  EXPECT_EQ(raspactel(zeros, Decoding::MainWindow), QByteArray());
}

TEST(PhoneCodec, UnusedNibblesReadAsNothing) {
  const uint8_t raw[8] = {0x1D, 0xE2, 0xF3, 0xB0, 0, 0, 0, 0};
  EXPECT_EQ(raspactel(raw, Decoding::MainWindow), QByteArray("123"));
}

TEST(PhoneCodec, WholeRecordWorkedExample) {
  std::array<uint8_t, 32> rec{};
  rec.fill(0x55);  // packing over an older record leaves nothing of it
  packtel(rec.data(), "+7123", "12AFE13000501", "abc");
  const std::array<uint8_t, 32> expected = {0xA7, 0x12, 0x3B, 0, 0, 0, 0, 0, 0x12, 0xAF, 0x11, 0x30, 0x00, 0x05, 0x01, 0,
                                            0x61, 0x62, 0x63, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(rec, expected);
  EXPECT_EQ(raspactel(rec.data(), Decoding::MainWindow), QByteArray("+7123"));
  EXPECT_EQ(numobject(rec.data()), QByteArray("12AF"));
  EXPECT_EQ(kodsob(rec.data()), QByteArray("E130"));
  EXPECT_EQ(numzona(rec.data()), QByteArray("005"));
  EXPECT_EQ(numrazdel(rec.data()), QByteArray("01"));
  EXPECT_EQ(commentText(rec.data()), QByteArray("abc"));
  EXPECT_EQ(fieldString(rec.data()), QByteArray("12AFE13000501"));

  packtel(rec.data(), "1", "0001R40100902", "");
  const std::array<uint8_t, 8> mid = {0x00, 0x01, 0x04, 0x01, 0x00, 0x09, 0x02, 0x00};
  EXPECT_TRUE(std::equal(mid.begin(), mid.end(), rec.begin() + 8));
  EXPECT_EQ(kodsob(rec.data()), QByteArray("R401"));
  EXPECT_EQ(numzona(rec.data()), QByteArray("009"));
  EXPECT_EQ(numrazdel(rec.data()), QByteArray("02"));
}

TEST(PhoneCodec, ReceiverValuesOutsideTheEditorsRange) {
  std::array<uint8_t, 40> rec{};
  rec[10] = 0x27;
  rec[12] = 0x93;
  EXPECT_EQ(kodsob(rec.data()), QByteArray("R700"));
  rec[10] = 0xF0;
  EXPECT_EQ(kodsob(rec.data()), QByteArray("R000"));
  EXPECT_EQ(numzona(rec.data()), QByteArray("300"));
  // A full 16-byte comment reads back whole and nothing of what follows.
  for (int i = 16; i < 32; ++i) rec[static_cast<size_t>(i)] = static_cast<uint8_t>('a' + i - 16);
  rec[32] = 'Z';
  EXPECT_EQ(commentText(rec.data()), QByteArray("abcdefghijklmnop"));
}

TEST(PhoneCodec, CommentIsCutAtSixteenAndPlusStarAnywhere) {
  std::array<uint8_t, 40> rec{};
  rec[32] = 0x77;
  packtel(rec.data(), "*1+", "0000E00000000", "12345678901234567890");
  EXPECT_EQ(rec[32], 0x77);
  EXPECT_EQ(commentText(rec.data()), QByteArray("1234567890123456"));
  EXPECT_EQ(raspactel(rec.data(), Decoding::MainWindow), QByteArray("*1+"));
}

TEST(PhoneCodec, HexCharacterHelpers) {
  EXPECT_EQ(char2bcd('0'), 0);
  EXPECT_EQ(char2bcd('9'), 9);
  EXPECT_EQ(char2bcd('A'), 10);
  EXPECT_EQ(char2bcd('F'), 15);
  EXPECT_EQ(bcd2char1(0xAF), 'A');
  EXPECT_EQ(bcd2char0(0xAF), 'F');
  EXPECT_EQ(bcd2char0(0x09), '9');
}
