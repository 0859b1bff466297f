#include "sim/sample_config.h"

#include <QString>
#include <cstring>

#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"

namespace orbisk::sim {
namespace {

struct SamplePhone {
  const char* number;
  const char* field;  // object, qualifier, event, zone, partition
  const char16_t* comment;
};

constexpr SamplePhone kSlot0[] = {
    {"+79161234567", "0012E13000101", u"Офис, вход"},
    {"+79167654321", "0012E13000201", u"Склад №2"},
    {"84951112233", "0013R40100902", u"Охрана пульт"},
    {"+79031002030", "0014E11000301", u"Дежурный"},
    {"*100#", "0015E60200001", u"Баланс SIM"},
};
constexpr SamplePhone kSlot1[] = {
    {"+79265550011", "01A0E13000101", u"Магазин «Лето»"},
    {"+79265550012", "01A0E13000201", u"Кафе у моста"},
    {"+79265550013", "01A1R40100101", u"Аптека"},
};
constexpr SamplePhone kSlot2[] = {
    {"+79851230001", "0200E13000101", u"Дом 1, кв. 5"},  {"+79851230002", "0201E13000101", u"Дом 1, кв. 12"},
    {"+79851230003", "0202E13000101", u"Дом 2, кв. 3"},  {"+79851230004", "0203E13000101", u"Гараж Петрова"},
    {"+79851230005", "0204E13000101", u"Дача Иванова"},  {"+79851230006", "0205E11000201", u"Школа №7"},
    {"+79851230007", "0206E11000201", u"Детский сад"},   {"+79851230008", "0207E12000301", u"Бассейн"},
    {"+79851230009", "0208E13000101", u"Почта"},         {"+79851230010", "0209R40100101", u"Банкомат"},
    {"+79851230011", "020AE13000101", u"Стоянка"},       {"+79851230012", "020BE13000101", u"Котельная"},
};

template <size_t N>
void putPhones(ConfigImage& img, int slot, const SamplePhone (&phones)[N]) {
  for (size_t i = 0; i < N; ++i) {
    const QByteArray comment = toCp1251(QString::fromUtf16(phones[i].comment));
    packtel(img.record(slot, static_cast<int>(i)), phones[i].number, phones[i].field, comment);
  }
  img.setPhoneCount(slot, static_cast<int>(N));
}

void putIdentity(ConfigImage& img) {
  std::memcpy(img.data() + off::kModel, kSampleModel.constData(), off::kModelSize);
  img[off::kModel + off::kModelSize] = 0x01;
  std::memcpy(img.data() + off::kFirmware, kSampleFirmware.constData(), off::kFirmwareSize);
}

void putSettings(ConfigImage& img) {
  img[off::kReceiverNumber] = 3;
  img[off::kPcFormat] = 1;
  img[off::kOptions] = opt::kSpamData;
  img[off::kDisplay] = disp::kComments;
  img[off::kHandshake] = 0x12;
  img[off::kAckWait] = 2;
}

}  // namespace

void buildSample(ConfigImage& img) {
  img.resetNew();
  putSettings(img);
  img.setMask(0x0017);  // slots 0, 1, 2 and the line pair starting at 4
  img[off::kExpanderCount] = 4;
  putPhones(img, 0, kSlot0);
  putPhones(img, 1, kSlot1);
  putPhones(img, 2, kSlot2);
  packtel_1(img.sim(0), "+79160000001");
  packtel_1(img.sim(1), "+79260000002");
  packtel_1(img.sim(2), "+79850000003");
  packtel_1(img.sim(4), "84957770004");
  putIdentity(img);
}

void buildFull(ConfigImage& img) {
  img.resetNew();
  putSettings(img);
  img.setMask(0xFFFF);
  img[off::kExpanderCount] = kSlotCount;
  for (int s = 0; s < kSlotCount; ++s) {
    packtel_1(img.sim(s), "+7916000" + QByteArray::number(1000 + s));
    for (int i = 0; i < kMaxPhones; ++i) {
      const QByteArray number = "+7903" + QByteArray::number(1000000 + s * 1000 + i);
      const QByteArray field = QByteArray::number(1000 + s).right(4) + "E130" + QByteArray::number(100 + i % 100) + "01";
      const QByteArray comment = toCp1251(QStringLiteral("Абонент %1-%2").arg(s).arg(i));
      packtel(img.record(s, i), number, field, comment);
    }
    img.setPhoneCount(s, kMaxPhones);
  }
  putIdentity(img);
}

bool parseChannelTypes(const QByteArray& text, SlotTypes& types) {
  if (text.size() != kSlotCount) return false;
  for (int s = 0; s < kSlotCount; ++s) types[static_cast<size_t>(s)] = static_cast<uint8_t>(text[s]);
  return true;
}

}  // namespace orbisk::sim
