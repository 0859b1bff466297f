// Comparing two configurations as the main window shows them.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/history/config_diff.h"
#include "core/records/phone_codec.h"
#include "core/records/phone_table.h"

using namespace orbisk;

namespace {

const QByteArray kField = "0001E13000101";

std::unique_ptr<ConfigImage> base() {
  auto img = std::make_unique<ConfigImage>();
  img->resetStartup();
  (*img)[off::kExpanderCount] = 2;
  img->setMask(0x0003);
  packtel_1(img->sim(0), "79001112233");
  packtel_1(img->sim(1), "79004445566");
  appendPhone(*img, 0, "+7111", kField, "door");
  appendPhone(*img, 0, "+7222", kField, "hall");
  appendPhone(*img, 1, "+7333", kField, "");
  return img;
}

const ExpanderDiff* slotDiff(const ConfigDiff& d, int slot) {
  for (const ExpanderDiff& e : d.expanders)
    if (e.slot == slot) return &e;
  return nullptr;
}

}  // namespace

TEST(ConfigDiff, ClockSignatureByte2UnusedAreasAndRepairsAreNoDifference) {
  auto a = base();
  auto b = std::make_unique<ConfigImage>(*a);
  for (int i = 0; i <= 6; ++i) (*b)[i] = static_cast<uint8_t>(0x55 + i);  // clock, byte 2, signature
  (*b)[165] = 1;
  (*b)[102'600] = 1;
  (*b)[131'085] = 1;
  appendPhone(*b, 3, "+7999", kField, "");  // a slot not in use
  (*b)[off::kReceiverNumber] = 0x20;         // shown (and repaired) as 2, as a holds
  EXPECT_TRUE(compareImages(*a, *b).same());
  EXPECT_EQ(diffText(compareImages(*a, *b)), QStringLiteral("Конфигурации совпадают\n"));
}

TEST(ConfigDiff, SettingsByTheirPanelLabelsAndShownTexts) {
  auto a = base();
  auto b = std::make_unique<ConfigImage>(*a);
  (*b)[off::kReceiverNumber] = 5;
  (*b)[off::kPcFormat] = 4;  // no list item: shown by its number
  (*b)[off::kOptions] |= opt::kHeartbeatOff | opt::kSpamSms;
  std::memcpy(b->data() + off::kModel, "3320", 4);
  const ConfigDiff d = compareImages(*a, *b);
  ASSERT_EQ(d.settings.size(), 5u);
  EXPECT_EQ(d.settings[0].key, QStringLiteral("receiver_number"));
  EXPECT_EQ(d.settings[0].valueA.toInt(), 2);
  EXPECT_EQ(d.settings[0].valueB.toInt(), 5);
  EXPECT_EQ(d.settings[2].key, QStringLiteral("options.heartbeat"));
  EXPECT_EQ(d.settings[2].valueA.toBool(), true);
  EXPECT_EQ(d.settings[4].key, QStringLiteral("model"));
  EXPECT_TRUE(d.expanders.empty());
  EXPECT_EQ(diffText(d), QStringLiteral("Настройки приемника:\n"
                                        "  Номер приемника: 2 → 5\n"
                                        "  Формат для связи с РС: MCDI Exp → (4)\n"
                                        "  Сердцебиение: да → нет\n"
                                        "  Антиспам для SMS: нет → да\n"
                                        "  Модель приемника: (пусто) → 3320\n"));
}

TEST(ConfigDiff, ExpandersAddedRemovedAndSimNumbers) {
  auto a = base();
  auto b = std::make_unique<ConfigImage>(*a);
  b->setMask(0x0006);  // slot 0 gone, slot 2 new
  packtel_1(b->sim(1), "79009999999");
  packtel_1(b->sim(2), "79007777777");
  appendPhone(*b, 2, "+7444", kField, "");
  const ConfigDiff d = compareImages(*a, *b);
  ASSERT_EQ(d.expanders.size(), 3u);
  EXPECT_EQ(d.expanders[0].status, ExpanderStatus::Removed);
  EXPECT_EQ(d.expanders[0].removed.size(), 2u);
  EXPECT_EQ(d.expanders[1].status, ExpanderStatus::Changed);
  EXPECT_TRUE(d.expanders[1].simDiffers);
  EXPECT_TRUE(d.expanders[1].added.empty() && d.expanders[1].removed.empty() && d.expanders[1].changed.empty());
  EXPECT_EQ(d.expanders[2].status, ExpanderStatus::Added);
  EXPECT_EQ(d.expanders[2].simB, QStringLiteral("79007777777"));
  const std::vector<DiffGroup> groups = diffGroups(d);
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].heading, QStringLiteral("Расширитель 0: удален"));
  EXPECT_EQ(groups[1].heading, QStringLiteral("Расширитель 1: изменен"));
  EXPECT_EQ(groups[1].lines, QStringList{QStringLiteral("SIM-номер: 79004445566 → 79009999999")});
  EXPECT_EQ(groups[2].heading, QStringLiteral("Расширитель 2: добавлен"));
  EXPECT_TRUE(groups[2].lines.contains(QStringLiteral("SIM-номер: (пусто) → 79007777777")));

  // An expander count of 0 shows no expander, whatever the mask: all are removed.
  (*b)[off::kExpanderCount] = 0;
  EXPECT_EQ(compareImages(*a, *b).expanders.size(), 2u);
}

TEST(ConfigDiff, TelephonesMatchedByNumberNotByPosition) {
  auto a = base();
  auto b = std::make_unique<ConfigImage>(*a);
  // b: +7222 first with a new object number and comment, +7111 gone, +7555 new.
  b->setPhoneCount(0, 0);
  appendPhone(*b, 0, "+7222", "0002E13000101", "stairs");
  appendPhone(*b, 0, "+7555", kField, "");
  const ConfigDiff d = compareImages(*a, *b);
  const ExpanderDiff* e = slotDiff(d, 0);
  ASSERT_NE(e, nullptr);
  ASSERT_EQ(e->removed.size(), 1u);
  EXPECT_EQ(e->removed[0].number().toString(), QStringLiteral("+7111"));
  ASSERT_EQ(e->added.size(), 1u);
  EXPECT_EQ(e->added[0].number().toString(), QStringLiteral("+7555"));
  ASSERT_EQ(e->changed.size(), 1u);
  EXPECT_EQ(e->changed[0].fields, (QStringList{QStringLiteral("объект"), QStringLiteral("комментарии")}));
  EXPECT_EQ(slotDiff(d, 1), nullptr);
  const QStringList lines = diffGroups(d).at(0).lines;
  EXPECT_EQ(lines.at(2), QStringLiteral("~ телефон +7222: объект 0001 → 0002; комментарии hall → stairs"));
  EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("- телефон +7111 (объект 0001, код E130")));

  // The same telephones in another order are the same list.
  auto c = std::make_unique<ConfigImage>(*a);
  c->setPhoneCount(0, 0);
  appendPhone(*c, 0, "+7222", kField, "hall");
  appendPhone(*c, 0, "+7111", kField, "door");
  EXPECT_TRUE(compareImages(*a, *c).same());
}

TEST(ConfigDiff, DuplicateNumbersWithinAnExpanderArePairedCopyByCopy) {
  auto a = base();
  appendPhone(*a, 1, "+7333", "0009E13000101", "");  // slot 1: +7333 twice, second one object 0009
  auto b = std::make_unique<ConfigImage>(*a);
  // b keeps only the second copy: the first is removed, nothing is "changed".
  b->setPhoneCount(1, 0);
  appendPhone(*b, 1, "+7333", "0009E13000101", "");
  ConfigDiff d = compareImages(*a, *b);
  const ExpanderDiff* e = slotDiff(d, 1);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->removed.size(), 1u);
  EXPECT_EQ(e->removed[0].object().toString(), QStringLiteral("0001"));
  EXPECT_TRUE(e->added.empty());
  EXPECT_TRUE(e->changed.empty());

  // A third copy added, and one of the two edited: one added, one changed.
  appendPhone(*b, 1, "+7333", "0007E13000101", "");
  appendPhone(*b, 1, "+7333", "0008E13000101", "");
  d = compareImages(*a, *b);
  e = slotDiff(d, 1);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->changed.size(), 1u);
  EXPECT_EQ(e->added.size(), 1u);
  EXPECT_TRUE(e->removed.empty());
}
