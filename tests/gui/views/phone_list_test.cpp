#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/records/phone_codec.h"
#include "support/main_window_fixture.h"

using namespace orbisk;
using namespace orbisk::test;

TEST(PhoneList, RowsWidthAndHintFollowTheCount) {
  MainWindowFixture f;
  struct Case { int phones; int width; };
  for (Case c : {Case{0, 110}, Case{10, 110}, Case{11, 94}}) {
    f.setExpanders({1}, c.phones);
    f.selectNode(1);
    EXPECT_EQ(f.v().ListView1->topLevelItemCount(), c.phones);
    EXPECT_EQ(f.v().ListView1->columnWidth(0), c.width) << c.phones;
    EXPECT_EQ(f.v().ListView1->toolTip(), QStringLiteral("Количество телефонов: ") + QString::number(c.phones));
  }
}

TEST(PhoneList, ColumnsShowTheDecodedRecord) {
  MainWindowFixture f;
  f.setExpanders({0}, 1);
  packtel(f.img().record(0, 0), "+7123", "12AFE13000501", "Склад 16 символов");  // cut to 16
  f.img().record(0, 0)[16] = 0xD1;  // "С" in code page 1251
  f.form->obrfile();
  f.selectNode(1);
  QTreeWidgetItem* row = f.v().ListView1->topLevelItem(0);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->text(0), QStringLiteral("+7123"));
  EXPECT_EQ(row->text(1), QStringLiteral("12AF"));
  EXPECT_EQ(row->text(2), QStringLiteral("E130"));
  EXPECT_EQ(row->text(3), QStringLiteral("005"));
  EXPECT_EQ(row->text(4), QStringLiteral("01"));
  EXPECT_EQ(row->text(5).size(), 16);
  EXPECT_TRUE(row->text(5).startsWith(QStringLiteral("С")));
}

TEST(PhoneList, SixteenCharacterCommentFillsTheRecord) {
  MainWindowFixture f;
  f.setExpanders({0}, 2);
  uint8_t* rec = f.img().record(0, 0);
  for (int i = 16; i < 32; ++i) rec[i] = static_cast<uint8_t>('a' + i - 16);
  f.form->obrfile();
  f.selectNode(1);
  EXPECT_EQ(f.v().ListView1->topLevelItem(0)->text(5), QStringLiteral("abcdefghijklmnop"));
}

TEST(PhoneList, SelectingARowSetsTheRecordAndEnablesChangeAndDelete) {
  MainWindowFixture f;
  f.setExpanders({0, 2}, 5);
  f.selectNode(2);
  EXPECT_FALSE(f.v().Bizmtel->isEnabled());
  f.v().ListView1->topLevelItem(3)->setSelected(true);
  EXPECT_EQ(f.st().currentPhoneIndex, 3);
  EXPECT_EQ(f.st().currentRecordOffset, 0x3310);
  EXPECT_TRUE(f.v().Bizmtel->isEnabled());
  EXPECT_TRUE(f.v().Budaltel->isEnabled());
  EXPECT_TRUE(f.v().Nizm->isEnabled());
  EXPECT_TRUE(f.v().Nudal->isEnabled());
  f.v().ListView1->clearSelection();  // a click below the last row
  EXPECT_FALSE(f.v().Bizmtel->isEnabled());
  EXPECT_FALSE(f.v().Nudal->isEnabled());
  EXPECT_EQ(f.st().currentRecordOffset, 0x3310);
}

TEST(PhoneList, TreeSelectionDisablesListPopupButNotTheButtons) {
  MainWindowFixture f;
  f.setExpanders({0, 2}, 3);
  f.selectNode(1);
  f.v().ListView1->topLevelItem(1)->setSelected(true);
  f.selectNode(2);
  EXPECT_FALSE(f.v().Nizm->isEnabled());
  EXPECT_TRUE(f.v().Bizmtel->isEnabled());
  EXPECT_TRUE(f.v().ListView1->selectedItems().isEmpty());
}

TEST(PhoneList, NeverMoreThan200RowsAndLineExpanderHidesTheList) {
  MainWindowFixture f;
  f.setExpanders({0, 1}, 200);
  f.img().setPhoneCount(0, 255);
  f.form->obrfile();
  f.selectNode(1);
  EXPECT_EQ(f.v().ListView1->topLevelItemCount(), 200);
  EXPECT_EQ(f.img().phoneCount(0), 200);

  f.st().channelTypes[1] = '6';
  f.img().setPhoneCount(1, 0);  // a telephone line holds no telephones; one that does shows them
  f.form->obrfile();
  f.selectNode(2);
  EXPECT_TRUE(f.v().ListView1->isHidden());
  f.selectNode(1);
  EXPECT_FALSE(f.v().ListView1->isHidden());
  EXPECT_EQ(f.v().ListView1->topLevelItemCount(), 200);
}

TEST(PhoneList, AClickAnywhereInTheTreeDisablesTheListPopup) {
  MainWindowFixture f;
  f.setExpanders({0}, 3);
  f.selectNode(1);
  f.v().ListView1->topLevelItem(0)->setSelected(true);
  ASSERT_TRUE(f.v().Nizm->isEnabled());
  QWidget* viewport = f.v().TreeView1->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(5, viewport->height() - 5));
  EXPECT_FALSE(f.v().Nizm->isEnabled());
  EXPECT_FALSE(f.v().Nudal->isEnabled());
  EXPECT_TRUE(f.v().Bizmtel->isEnabled());  // the buttons follow the list's own selection only
}
