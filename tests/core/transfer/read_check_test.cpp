// What the checks of a read must flag, and what they must let through.
#include <gtest/gtest.h>

#include <memory>

#include "core/records/phone_codec.h"
#include "core/transfer/config_compare.h"
#include "core/transfer/read_check.h"
#include "sim/sample_config.h"

namespace orbisk::test {
namespace {

class ReadCheck : public ::testing::Test {
 protected:
  ReadCheck() {
    sim::buildSample(*img);
    QByteArray identity("3320\0" "2.07", 9);
    std::copy(identity.begin(), identity.end(), img->data() + off::kIdentity);
  }
  QString problems() const { return checkRead(*img, facts).join(u'\n'); }
  std::unique_ptr<ConfigImage> img = std::make_unique<ConfigImage>();
  ReadFacts facts;
};

TEST_F(ReadCheck, AWholeReceiverPasses) {
  // A full table, a 16-symbol number without end mark, SIM numbers never set, ACK wait 0 as New
  // leaves it: all of it a receiver can hold.
  img->setPhoneCount(3, kMaxPhones);
  for (int i = 0; i < kMaxPhones; ++i) packtel(img->record(3, i), "1234567890123456", "0042E13000101", "x");
  std::fill(img->sim(7), img->sim(7) + kPackedNumberSize, 0);
  (*img)[off::kAckWait] = 0;
  facts.claimedCounts[3] = kMaxPhones;
  EXPECT_EQ(problems(), QString());
}

TEST_F(ReadCheck, SettingsOutsideTheirRangesAreNamed) {
  (*img)[off::kReceiverNumber] = 0x43;
  (*img)[off::kHandshake] = 0x57;  // rings 5, handshake 7
  (*img)[off::kAckWait] = 6;
  (*img)[off::kPcFormat] = 4;
  EXPECT_EQ(problems(), QStringLiteral("настройки: номер приемника = 0x43, допустимо 0-15\n"
                                       "настройки: формат для связи с РС = 0x04, допустимо 0-3\n"
                                       "настройки: хендшейк = 0x07, допустимо 0-6\n"
                                       "настройки: кол-во звонков = 0x05, допустимо 0-4\n"
                                       "настройки: ожидание ACK = 0x06, допустимо 0-5"));
}

TEST_F(ReadCheck, DamagedNumbersRecordsAndIdentity) {
  img->record(0, 1)[2] = 0x4E;               // a nibble no number holds
  packtel(img->record(2, 11), "+7985", "0042E13000101", "x");
  img->record(2, 11)[5] = 0x10;              // a digit after the end mark
  img->record(1, 0)[15] = 1;                 // the reserved byte
  img->record(1, 2)[31] = 'z';               // behind a shorter comment's zeros
  img->sim(4)[0] = 0xF0;
  (*img)[off::kModel + 1] = 'O';
  (*img)[off::kFirmware + 3] = 0x07;
  EXPECT_EQ(problems(), QStringLiteral("расширитель 0, телефон 2: номер содержит недопустимые знаки\n"
                                       "расширитель 1, телефон 1: байты, которые программа не записывает\n"
                                       "расширитель 1, телефон 3: байты, которые программа не записывает\n"
                                       "расширитель 2, телефон 12: номер содержит недопустимые знаки\n"
                                       "SIM-номер расширителя 4: номер содержит недопустимые знаки\n"
                                       "модель приемника не из четырех цифр\n"
                                       "версия приемника содержит непечатные знаки"));
}

TEST_F(ReadCheck, ACountAboveTheTableAndAShiftedStreamFail) {
  facts.claimedCounts[10] = 255;
  facts.trailingBytes = 1;
  EXPECT_EQ(problems(), QStringLiteral("расширитель A: приемник сообщил 255 телефонов, больше 200\n"
                                       "после ответа приемника пришло еще 1 байт"));
}

TEST(ConfigCompare, NamesWhatAWriteSentDifferentlyAndNothingElse) {
  auto sent = std::make_unique<ConfigImage>();
  sim::buildSample(*sent);
  auto held = std::make_unique<ConfigImage>(*sent);
  held->data()[off::kClock] ^= 1;      // the clock, the identity and byte 7 are not sent
  held->data()[off::kModel] = '9';
  EXPECT_TRUE(sentDifferences(*sent, *held).isEmpty());
  held->data()[off::kOptions] ^= 4;
  held->record(2, 11)[20] ^= 1;
  held->sim(1)[3] ^= 1;
  held->setPhoneCount(1, 2);
  EXPECT_EQ(sentDifferences(*sent, *held).join(u'\n'), QStringLiteral("отличается: настройки\n"
                                                                       "отличается: расширитель 1: число телефонов (3, 2)\n"
                                                                       "отличается: расширитель 2, телефон 12\n"
                                                                       "отличается: SIM-номер расширителя 1"));
  EXPECT_EQ(shortened({"a", "b", "c", "d"}, 3), (QStringList{"a", "b", "и еще 2"}));
}

}  // namespace
}  // namespace orbisk::test
