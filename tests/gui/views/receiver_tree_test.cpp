#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QTreeWidget>

#include "core/records/phone_codec.h"
#include "support/main_window_fixture.h"
#include "gui/views/settings_panel.h"

using namespace orbisk;
using namespace orbisk::test;

TEST(ReceiverTree, CountZeroShowsOnlyTheReceiverWhateverTheMask) {
  MainWindowFixture f;
  f.img().setMask(0x00FF);
  f.img()[off::kExpanderCount] = 0;
  f.form->obrfile();
  EXPECT_EQ(f.v().TreeView1->topLevelItemCount(), 1);
  EXPECT_EQ(f.v().TreeView1->topLevelItem(0)->text(0), QStringLiteral("Halvorn 2010"));
  EXPECT_EQ(f.nodeCount(), 0);
  EXPECT_EQ(f.st().expanderMask, 0);
  EXPECT_EQ(f.v().Label1->text(), QStringLiteral("Настройки приемника:"));
  EXPECT_FALSE(f.v().Panel1->isHidden());
  EXPECT_TRUE(f.v().ListView1->isHidden());
  EXPECT_TRUE(f.v().N2->isEnabled());
}

TEST(ReceiverTree, CountAbove16IsRepairedToZero) {
  MainWindowFixture f;
  f.img().setMask(0xFFFF);
  f.img()[off::kExpanderCount] = 17;
  f.form->obrfile();
  EXPECT_EQ(f.nodeCount(), 0);
  EXPECT_EQ(f.img()[off::kExpanderCount], 0);
  EXPECT_FALSE(f.st().modified);
  f.img()[off::kExpanderCount] = 16;
  f.form->obrfile();
  EXPECT_EQ(f.nodeCount(), 16);
}

TEST(ReceiverTree, NodesFollowTheMaskAndSelectionGivesTheSlot) {
  MainWindowFixture f;
  f.img().setMask(0x0005);
  f.img()[off::kExpanderCount] = 3;
  packtel_1(f.img().sim(2), "+79001234567");
  f.form->obrfile();
  ASSERT_EQ(f.nodeCount(), 2);
  EXPECT_EQ(f.nodeLabel(1), QStringLiteral("GSM канал-0"));
  EXPECT_EQ(f.nodeLabel(2), QStringLiteral("GSM канал-2"));
  f.selectNode(2);
  EXPECT_EQ(f.st().currentExpander, 2);
  EXPECT_EQ(f.st().treeSelectionIndex, 2);
  EXPECT_EQ(f.img()[off::kLastNode], 2);
  EXPECT_EQ(f.v().Label1->text(), QStringLiteral(" GSM канал 2 тел:+79001234567"));
  EXPECT_TRUE(f.v().N3->isEnabled());
  EXPECT_TRUE(f.v().N33->isEnabled());
  EXPECT_FALSE(f.v().N2->isEnabled());
  EXPECT_TRUE(f.v().Panel1->isHidden());
  EXPECT_FALSE(f.v().ListView1->isHidden());
  EXPECT_FALSE(f.v().Panel2->isHidden());
  f.selectNode(0);
  EXPECT_EQ(f.st().currentExpander, kReceiverNode);
  EXPECT_FALSE(f.v().N3->isEnabled());
}

TEST(ReceiverTree, SlotsTenAndFifteen) {
  MainWindowFixture f;
  f.setExpanders({10, 15});
  EXPECT_EQ(f.nodeLabel(1), QStringLiteral("GSM канал-A"));
  EXPECT_EQ(f.nodeLabel(2), QStringLiteral("GSM канал-F"));
  f.selectNode(1);
  EXPECT_EQ(f.st().currentExpander, 10);
  f.selectNode(2);
  EXPECT_EQ(f.st().currentExpander, 15);
  EXPECT_EQ(f.v().Label1->text(), QStringLiteral(" GSM канал F тел:"));  // SIM never set
}

TEST(ReceiverTree, PairedTelephoneLinesOnNewerReceiversOnly) {
  MainWindowFixture f;
  f.st().channelTypes[2] = '6';
  f.st().channelTypes[3] = '7';
  f.img()[off::kModel] = '3';
  f.setExpanders({2});
  ASSERT_EQ(f.nodeCount(), 2);
  EXPECT_EQ(f.nodeLabel(1), QStringLiteral("ТЛФ канал-2"));
  EXPECT_EQ(f.nodeLabel(2), QStringLiteral("ТЛФ канал-3"));
  EXPECT_EQ(f.img().mask(), 0x0004);
  EXPECT_EQ(f.st().expanderMask, 0x000C);

  f.img()[off::kModel] = '2';
  f.form->obrfile();
  ASSERT_EQ(f.nodeCount(), 1);
  EXPECT_EQ(f.img().mask(), 0x0004);

  // A telephone-line expander shows neither settings, list nor buttons.
  f.selectNode(1);
  EXPECT_EQ(f.v().Label1->text(), QStringLiteral(" ТЛФ канал 2 тел:"));
  EXPECT_TRUE(f.v().Panel1->isHidden());
  EXPECT_TRUE(f.v().ListView1->isHidden());
  EXPECT_TRUE(f.v().Panel2->isHidden());
}

TEST(ReceiverTree, AddingExpandersFillsSlotsInOrderUpToSixteen) {
  MainWindowFixture f;
  f.action("NewM")->trigger();
  for (int i = 0; i < 9; ++i) f.action("N34")->trigger();
  EXPECT_EQ(f.img()[off::kMaskHigh], 0x01);  // the ninth is slot 8
  EXPECT_EQ(f.nodeLabel(9), QStringLiteral("GSM канал-8"));
  EXPECT_TRUE(f.st().modified);
  EXPECT_EQ(f.form->windowTitle(), QStringLiteral("OrbData2* - Orbisk1_14"));
  for (int i = 9; i < 16; ++i) f.action("N34")->trigger();
  EXPECT_EQ(f.img().mask(), 0xFFFF);
  EXPECT_EQ(f.img()[off::kExpanderCount], 16);
  EXPECT_EQ(f.nodeCount(), 16);
  EXPECT_TRUE(f.prompter.messages.isEmpty());
  f.action("N34")->trigger();
  EXPECT_EQ(f.prompter.messages, QStringList{QStringLiteral("больше добавить нельзя")});
  EXPECT_EQ(f.img()[off::kExpanderCount], 16);
}

TEST(ReceiverTree, AfterNewAddingTakesSlotZeroAgain) {
  MainWindowFixture f;
  f.setExpanders({0, 1, 2});
  f.action("NewM")->trigger();
  f.action("N34")->trigger();
  EXPECT_EQ(f.img().mask(), 0x0001);
  EXPECT_EQ(f.nodeCount(), 1);
}

TEST(ReceiverTree, SelectionIsRestoredByPositionAfterAdding) {
  MainWindowFixture f;
  f.setExpanders({0, 2});
  f.selectNode(2);
  EXPECT_EQ(f.st().currentExpander, 2);
  f.action("N34")->trigger();
  EXPECT_EQ(f.img().mask(), 0x0007);
  EXPECT_EQ(f.st().treeSelectionIndex, 2);
  EXPECT_EQ(f.st().currentExpander, 1);  // node 2 is now slot 1
}

TEST(ReceiverTree, RememberedNodePastTheEndFallsBackToTheReceiver) {
  MainWindowFixture f;
  f.setExpanders({0, 1, 2});
  f.selectNode(3);
  f.setExpanders({4});
  EXPECT_EQ(f.st().currentExpander, kReceiverNode);
  EXPECT_EQ(f.st().treeSelectionIndex, 0);
  EXPECT_FALSE(f.v().Panel1->isHidden());
  EXPECT_FALSE(f.st().refreshing);
}

TEST(ReceiverTree, BusyBlocksAddingAndReceiverNodeOpensNoDialog) {
  MainWindowFixture f;
  f.st().busy = true;
  f.action("N34")->trigger();
  EXPECT_EQ(f.img()[off::kExpanderCount], 0);
  f.st().busy = false;
  f.form->N14Click();  // receiver selected: nothing to open
  EXPECT_EQ(f.st().currentExpander, kReceiverNode);
}
