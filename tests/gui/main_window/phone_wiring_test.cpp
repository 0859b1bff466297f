#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "core/records/phone_codec.h"
#include "support/main_window_fixture.h"

using namespace orbisk;
using namespace orbisk::test;

namespace {
// Answers the next modal dialog once it is up: types a number and presses its OK button.
void okNextEditor(const QString& number) {
  QTimer::singleShot(0, [number] {
    auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dlg, nullptr);
    dlg->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(number);
    dlg->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
  });
}
}  // namespace

TEST(PhoneWiring, DeleteFromThePopupMarksModifiedAndClosingAsks) {
  MainWindowFixture f;
  f.setExpanders({0}, 3);
  f.selectNode(1);
  f.v().ListView1->topLevelItem(1)->setSelected(true);
  f.v().Nudal->trigger();
  EXPECT_EQ(f.img().phoneCount(0), 2);
  EXPECT_EQ(raspactel(f.img().record(0, 1), Decoding::MainWindow), QByteArray("1002"));
  EXPECT_EQ(f.v().ListView1->topLevelItemCount(), 2);
  EXPECT_EQ(f.form->windowTitle(), QStringLiteral("OrbData1* - Orbisk1_14"));
  f.prompter.answers = {Answer::Cancel};
  QCloseEvent e;
  QApplication::sendEvent(f.form.get(), &e);
  EXPECT_FALSE(e.isAccepted());
  EXPECT_EQ(f.prompter.questions.size(), 1);
}

TEST(PhoneWiring, AddFromTheMainMenuAndChangeByDoubleClick) {
  MainWindowFixture f;
  f.setExpanders({3}, 0);
  f.selectNode(1);
  okNextEditor(QStringLiteral("+7900"));
  f.action("NDobtel")->trigger();
  ASSERT_EQ(f.img().phoneCount(3), 1);
  EXPECT_EQ(f.v().ListView1->topLevelItem(0)->text(0), QStringLiteral("+7900"));

  okNextEditor(QStringLiteral("555"));
  QTreeWidgetItem* row = f.v().ListView1->topLevelItem(0);
  row->setSelected(true);
  emit f.v().ListView1->itemDoubleClicked(row, 0);
  EXPECT_EQ(f.img().phoneCount(3), 1);
  EXPECT_EQ(f.v().ListView1->topLevelItem(0)->text(0), QStringLiteral("555"));
}

TEST(PhoneWiring, ReceiverNodeSelectedMakesTheCommandsInert) {
  MainWindowFixture f;
  f.setExpanders({0}, 2);
  f.form->findChild<QAction*>(QStringLiteral("N11"))->trigger();
  f.v().Bdobtel->click();
  EXPECT_EQ(f.img().phoneCount(0), 2);
  EXPECT_FALSE(f.st().modified);
}

TEST(PhoneWiring, EnterPressesAddUnlessAButtonHasTheFocus) {
  MainWindowFixture f;
  f.setExpanders({3}, 1);
  f.selectNode(1);
  okNextEditor(QStringLiteral("+7901"));
  QTest::keyClick(f.v().ListView1, Qt::Key_Return);
  ASSERT_EQ(f.img().phoneCount(3), 2);
  EXPECT_EQ(f.v().ListView1->topLevelItem(1)->text(0), QStringLiteral("+7901"));

  // The focused Change button takes Enter for itself.
  f.v().ListView1->topLevelItem(0)->setSelected(true);
  okNextEditor(QStringLiteral("555"));
  QTest::keyClick(f.v().Bizmtel, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(f.img().phoneCount(3), 2);
  EXPECT_EQ(f.v().ListView1->topLevelItem(0)->text(0), QStringLiteral("555"));

  // With the receiver selected the telephone buttons are hidden and Enter adds nothing.
  f.selectNode(0);
  bool editorOpened = false;
  QTimer::singleShot(0, [&] {
    if (auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      editorOpened = true;
      dlg->reject();
    }
  });
  QTest::keyClick(f.v().TreeView1, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_FALSE(editorOpened);
  EXPECT_EQ(f.img().phoneCount(3), 2);
}
