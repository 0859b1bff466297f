// The main window as it is used: the views follow its size, a long number shows whole, a
// telephone-line slot that holds telephones shows them, and the list's keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

#include "core/records/phone_codec.h"
#include "gui/dialogs/find_dialog.h"
#include "gui/views/settings_panel.h"
#include "support/main_window_fixture.h"

using namespace orbisk;
using namespace orbisk::test;

TEST(WindowFit, TheTreeListAndSettingsFollowTheWindowAndTheDrawnSizeStays) {
  MainWindowFixture f;
  f.setExpanders({0}, 200);
  f.form->show();
  f.selectNode(1);
  QCoreApplication::processEvents();
  const QRect list = f.v().ListView1->geometry();
  EXPECT_EQ(f.v().TreeView1->width(), 129);
  EXPECT_NEAR(f.v().TreeView1->x(), 8, 1);
  EXPECT_NEAR(list.x(), 140, 3);
  EXPECT_NEAR(f.v().Panel2->x(), 383, 8);

  f.form->resize(1200, 900);
  QCoreApplication::processEvents();
  EXPECT_GT(f.v().ListView1->height(), list.height() + 400);
  EXPECT_GT(f.v().ListView1->width(), list.width() + 400);
  EXPECT_GT(f.v().TreeView1->height(), 700);
  EXPECT_EQ(f.v().Panel2->geometry().top(), f.v().ListView1->geometry().bottom() + 3) << "the buttons stay under the list";
  f.selectNode(0);
  QCoreApplication::processEvents();
  EXPECT_GT(f.v().Panel1->width(), 1000);
  f.form->hide();
}

TEST(WindowFit, ASixteenSymbolNumberShowsWholeInItsColumn) {
  MainWindowFixture f;
  f.setExpanders({0}, 1);
  packtel(f.img().record(0, 0), "+790123456789012", "0001E13000101", "x");
  f.form->obrfile();
  f.selectNode(1);
  QTreeWidgetItem* row = f.v().ListView1->topLevelItem(0);
  EXPECT_EQ(row->text(0), QStringLiteral("+790123456789012"));
  EXPECT_GE(f.v().ListView1->columnWidth(0), f.v().ListView1->fontMetrics().horizontalAdvance(row->text(0)));
}

TEST(WindowFit, ALineChannelThatHoldsTelephonesShowsThemAnEmptyOneStaysHidden) {
  MainWindowFixture f;
  f.setExpanders({4, 5}, 3);
  f.img().setPhoneCount(5, 0);
  f.st().channelTypes[4] = '6';
  f.st().channelTypes[5] = '6';
  f.form->obrfile();
  f.selectNode(1);
  EXPECT_FALSE(f.v().ListView1->isHidden());
  EXPECT_FALSE(f.v().Panel2->isHidden());
  EXPECT_EQ(f.v().ListView1->topLevelItemCount(), 3);
  EXPECT_TRUE(f.nodeLabel(1).startsWith(QStringLiteral("ТЛФ канал-"))) << "the label still tells the channel";
  f.selectNode(2);
  EXPECT_TRUE(f.v().ListView1->isHidden());
}

TEST(WindowFit, F3FindsTheNextMatchAndCtrlCCopiesTheSelectedRows) {
  MainWindowFixture f;
  f.setExpanders({0, 1}, 3);
  f.selectNode(1);
  f.action("FindPhone")->trigger();
  auto* find = f.form->findChild<FindDialog*>();
  ASSERT_NE(find, nullptr);
  find->text()->setText(QStringLiteral("1002"));
  f.action("FindNext")->trigger();
  EXPECT_EQ(f.st().currentExpander, 0);
  EXPECT_EQ(f.st().currentPhoneIndex, 2);
  f.action("FindNext")->trigger();
  EXPECT_EQ(f.st().currentExpander, 1) << "F3 goes on from the match";
  find->close();

  f.v().ListView1->clearSelection();
  f.v().ListView1->topLevelItem(0)->setSelected(true);
  f.v().ListView1->topLevelItem(1)->setSelected(true);
  f.action("CopyRows")->trigger();
  const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);  // the header and two rows
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1\t1000\t")));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("1\t1001\t")));
}
