#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/records/field_rules.h"
#include "core/records/phone_codec.h"
#include "gui/main_window/phone_commands.h"
#include "core/records/phone_table.h"
#include "support/scripted_prompter.h"
#include "support/qt_print.h"

using namespace orbisk;

namespace {

constexpr int kSlot = 3;

// Commands against a fake editor: it appends or rewrites through the table functions like the dialog.
struct CommandsFixture : ::testing::Test {
  MainState st;
  test::ScriptedPrompter prompter;
  int editorShown = 0, refreshed = 0, titled = 0, treeFocused = 0;
  bool editorAnswer = true;
  bool busyDuringRefresh = false;
  PhoneCommands cmd{st, prompter,
                    [this] {
                      ++editorShown;
                      if (!editorAnswer) return false;
                      if (st.editorMode == kEditorAdd)
                        appendPhone(st.image, st.currentExpander, "+7999", "0001E13000101", "new");
                      st.modified = true;
                      return true;
                    },
                    [this] {
                      ++refreshed;
                      busyDuringRefresh = st.busy;
                    },
                    [this] { ++titled; }, [this] { ++treeFocused; }};

  void addPhone(const QByteArray& number) {
    ASSERT_TRUE(appendPhone(st.image, kSlot, number, "1234E5678901A", "c-" + number));
  }
  void select(int slot, int index) {
    st.currentExpander = slot;
    st.currentPhoneIndex = index;
    st.currentRecordOffset = recordOffset(slot, index);
  }
  std::vector<uint8_t> recordBytes(int slot, int index) const {
    const uint8_t* r = st.image.record(slot, index);
    return std::vector<uint8_t>(r, r + kRecordSize);
  }
};

}  // namespace

TEST_F(CommandsFixture, NothingHappensOnTheReceiverNodeOrWhileBusy) {
  addPhone("111");
  const ConfigImage before = st.image;
  st.currentExpander = kReceiverNode;
  cmd.BdobtelClick();
  EXPECT_EQ(st.editorMode, kEditorAdd);  // Add sets the mode before it looks at the selection
  st.editorMode = 0;
  cmd.BizmtelClick();
  cmd.BudaltelClick();
  EXPECT_EQ(st.editorMode, 0);

  select(kSlot, 0);
  st.busy = true;
  cmd.BdobtelClick();
  cmd.BizmtelClick();
  cmd.BudaltelClick();
  EXPECT_EQ(st.editorMode, 0);
  EXPECT_TRUE(st.busy);

  EXPECT_EQ(editorShown + refreshed + titled + treeFocused, 0);
  EXPECT_TRUE(st.image == before);
  EXPECT_FALSE(st.modified);
}

TEST_F(CommandsFixture, AddRefreshesOnOkAndFocusesTheTreeOnCancel) {
  select(kSlot, 0);
  cmd.BdobtelClick();
  EXPECT_EQ(st.image.phoneCount(kSlot), 1);
  EXPECT_EQ(commentText(st.image.record(kSlot, 0)), QByteArray("new"));
  EXPECT_EQ(std::vector<int>({editorShown, refreshed, titled, treeFocused}), std::vector<int>({1, 1, 1, 0}));

  editorAnswer = false;
  cmd.BdobtelClick();
  EXPECT_EQ(st.image.phoneCount(kSlot), 1);
  EXPECT_EQ(std::vector<int>({editorShown, refreshed, titled, treeFocused}), std::vector<int>({2, 1, 2, 1}));
}

TEST_F(CommandsFixture, AddOnAFullExpanderSaysSoAndWritesNothing) {
  for (int count : {kMaxPhones, 230}) {  // 230: a count byte from a file nobody repaired
    st.image.setPhoneCount(kSlot, count);
    select(kSlot, 0);
    const ConfigImage before = st.image;
    prompter.messages.clear();
    cmd.BdobtelClick();
    EXPECT_EQ(editorShown, 0);
    EXPECT_EQ(prompter.messages, QStringList{PhoneListTexts::phoneListFull()});
    EXPECT_TRUE(st.image == before);
    EXPECT_FALSE(st.modified);
  }
  EXPECT_TRUE(PhoneListTexts::phoneListFull().contains(QStringLiteral("200")));
  // 199 still leaves room for one.
  st.image.setPhoneCount(kSlot, kMaxPhones - 1);
  cmd.BdobtelClick();
  EXPECT_EQ(st.image.phoneCount(kSlot), kMaxPhones);
}

TEST_F(CommandsFixture, ChangeAndDeleteNeedATelephoneOfThisExpander) {
  addPhone("111");
  addPhone("222");
  const ConfigImage before = st.image;
  // At start-up nothing is selected: offset 0 is no record.
  st.currentExpander = kSlot;
  cmd.BizmtelClick();
  cmd.BudaltelClick();
  // The row was selected in another expander.
  select(kSlot + 1, 1);
  st.currentExpander = kSlot;
  cmd.BizmtelClick();
  cmd.BudaltelClick();
  // The index lies at the count.
  select(kSlot, 2);
  cmd.BizmtelClick();
  cmd.BudaltelClick();
  EXPECT_EQ(editorShown, 0);
  EXPECT_TRUE(st.image == before);
  EXPECT_FALSE(st.modified);

  select(kSlot, 1);
  cmd.BizmtelClick();
  EXPECT_EQ(st.editorMode, kEditorChange);
  EXPECT_EQ(editorShown, 1);
  EXPECT_EQ(st.image.phoneCount(kSlot), 2);
}

TEST_F(CommandsFixture, DeletingTheMiddleOfThreeClosesTheGap) {
  addPhone("111");
  addPhone("222");
  addPhone("333");
  const auto oldC = recordBytes(kSlot, 2);
  select(kSlot, 1);
  cmd.BudaltelClick();
  EXPECT_EQ(st.image.phoneCount(kSlot), 2);
  EXPECT_EQ(raspactel(st.image.record(kSlot, 0), Decoding::MainWindow), QByteArray("111"));
  EXPECT_EQ(recordBytes(kSlot, 1), oldC);
  EXPECT_EQ(recordBytes(kSlot, 2), oldC);  // beyond the count, left as it was
  EXPECT_EQ(st.editorMode, kEditorDelete);
  EXPECT_TRUE(st.modified);
  EXPECT_TRUE(busyDuringRefresh);
  EXPECT_FALSE(st.busy);
  EXPECT_EQ(std::vector<int>({editorShown, refreshed, titled}), std::vector<int>({0, 1, 1}));

  // The remembered row now holds C: a second Delete removes it.
  cmd.BudaltelClick();
  EXPECT_EQ(st.image.phoneCount(kSlot), 1);
  // Nothing is selected any more; a third Delete does nothing.
  cmd.BudaltelClick();
  EXPECT_EQ(st.image.phoneCount(kSlot), 1);
}

TEST_F(CommandsFixture, DeletingTheLastChangesOnlyTheCount) {
  addPhone("111");
  addPhone("222");
  const ConfigImage before = st.image;
  select(kSlot, 1);
  cmd.BudaltelClick();
  EXPECT_EQ(st.image.phoneCount(kSlot), 1);
  ConfigImage expected = before;
  expected.setPhoneCount(kSlot, 1);
  EXPECT_TRUE(st.image == expected);
  EXPECT_TRUE(st.modified);
}

TEST_F(CommandsFixture, DeleteWithAnOversizedCountStaysInsideTheTable) {
  // A count byte of 255 from a file: the shift must not read the next slot's table as records.
  st.image.setPhoneCount(0, 255);
  for (int i = 0; i < kMaxPhones; ++i) std::memset(st.image.record(0, i), i, kRecordSize);
  std::memset(st.image.record(1, 0), 0x5A, kRecordSize);
  select(0, 5);
  cmd.BudaltelClick();
  EXPECT_EQ(st.image.phoneCount(0), kMaxPhones - 1);
  EXPECT_EQ(st.image.record(0, 5)[0], 6);
  EXPECT_EQ(st.image.record(0, 198)[0], 199);
  EXPECT_EQ(st.image.record(0, 199)[0], 199);
  EXPECT_EQ(recordBytes(1, 0), std::vector<uint8_t>(kRecordSize, 0x5A));
  // A row index past the table never counts as selected.
  st.image.setPhoneCount(0, 255);
  select(0, 210);
  cmd.BudaltelClick();
  cmd.BizmtelClick();
  EXPECT_EQ(st.image.phoneCount(0), 255);
  EXPECT_EQ(editorShown, 0);
}

TEST(PhoneTable, EditsRefuseWhatLiesOutsideTheTables) {
  ConfigImage img;
  EXPECT_FALSE(appendPhone(img, kReceiverNode, "1", "0000E00000000", ""));
  EXPECT_FALSE(appendPhone(img, -1, "1", "0000E00000000", ""));
  EXPECT_FALSE(rewritePhone(img, 0, "1", "0000E00000000", ""));
  EXPECT_FALSE(rewritePhone(img, recordOffset(0, 0) + 1, "1", "0000E00000000", ""));
  EXPECT_FALSE(rewritePhone(img, recordOffset(kSlotCount, 0), "1", "0000E00000000", ""));
  EXPECT_TRUE(rewritePhone(img, recordOffset(15, 199), "1", "0000E00000000", ""));
  EXPECT_FALSE(removePhone(img, 0, 0));
  EXPECT_TRUE(isRecordOffset(recordOffset(2, 3)));
  EXPECT_EQ(recordOffset(2, 3), 0x3310);
}

TEST(FieldRules, PastedTextIsCutDownLikeTyping) {
  EXPECT_EQ(filterNumberText(QStringLiteral("tel: +7 (912)\n34")), QStringLiteral(": +7 (912)34"));
  EXPECT_EQ(filterCommentText(QStringLiteral("Склад\t№2 \u4E2D!")), QStringLiteral("Склад№2 !"));
  EXPECT_EQ(firstCellChar(QStringLiteral("xyz b7"), false), QChar(u'B'));
  EXPECT_EQ(firstCellChar(QStringLiteral("x1r"), true), QChar(u'R'));
  EXPECT_FALSE(firstCellChar(QStringLiteral("xyz"), false));
}
