#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "support/qt_print.h"
#include "core/records/phone_codec.h"
#include "support/scripted_prompter.h"
#include "gui/dialogs/expander_dialog.h"
#include "gui/dialogs/sim_number_entry.h"

using namespace orbisk;

namespace {

constexpr int kSlot = 3;

class ExpanderDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    st->currentExpander = kSlot;
    mainWindow.move(100, 200);
  }
  void TearDown() override { dlg.hide(); }
  void reshow() {
    dlg.hide();
    dlg.show();
  }
  void type(QLineEdit* edit, const QString& keys) {
    for (QChar k : keys) QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(k), Qt::NoModifier);
  }
  void storeSim(const char* number) { packtel_1(st->image.sim(kSlot), QByteArray(number)); }

  std::unique_ptr<MainState> st = std::make_unique<MainState>();
  test::ScriptedPrompter prompter;
  QWidget mainWindow;
  TForm3 dlg{*st, prompter, &mainWindow};
};

TEST_F(ExpanderDialogTest, EveryShowingPlacesTheWindowAndRefillsTheField) {
  storeSim("+79001234567");
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Расширитель ");
  EXPECT_EQ(dlg.pos(), QPoint(180, 260));
  EXPECT_EQ(dlg.size(), QSize(560, 180));
  EXPECT_EQ(dlg.Edit1->text(), "+79001234567");
  EXPECT_EQ(dlg.focusWidget(), dlg.Edit1);
  EXPECT_TRUE(dlg.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(dlg.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(dlg.windowFlags().testFlag(Qt::WindowSystemMenuHint));

  dlg.Edit1->setText("555");
  dlg.Button2->click();
  mainWindow.move(10, 20);
  reshow();
  EXPECT_EQ(dlg.Edit1->text(), "+79001234567") << "an abandoned edit does not survive";
  EXPECT_EQ(dlg.pos(), QPoint(90, 80));
}

TEST_F(ExpanderDialogTest, KeyFilterDropsLatinLettersOnly) {
  dlg.show();
  type(dlg.Edit1, "qQ+7*1zЖ 2");
  EXPECT_EQ(dlg.Edit1->text(), "+7*1Ж 2");
  type(dlg.Edit2, "x9");
  EXPECT_EQ(dlg.Edit2->text(), "+79");
}

TEST_F(ExpanderDialogTest, AFullFieldTakesNoTypedCharacterButDeleteStillWorks) {
  dlg.show();
  const QString twenty = "+7901234567890123456";
  type(dlg.Edit1, twenty + "8");
  EXPECT_EQ(dlg.Edit1->text(), twenty);
  QTest::keyClick(dlg.Edit1, Qt::Key_Backspace);
  EXPECT_EQ(dlg.Edit1->text(), twenty) << "Backspace too is a typed character";
  type(dlg.Edit2, "5");
  EXPECT_EQ(dlg.Edit2->text(), "+7") << "the limit is measured on the SIM field";

  dlg.Edit1->setCursorPosition(0);
  QTest::keyClick(dlg.Edit1, Qt::Key_Delete);
  EXPECT_EQ(dlg.Edit1->text(), twenty.mid(1));
  QTest::keyClick(dlg.Edit1, Qt::Key_End);
  QTest::keyClick(dlg.Edit1, Qt::Key_Backspace);
  EXPECT_EQ(dlg.Edit1->text(), twenty.mid(1, 18));
}

TEST_F(ExpanderDialogTest, PastedTextObeysTheSameRules) {
  dlg.show();
  QApplication::clipboard()->setText("tel: +7 (900) 12");
  dlg.Edit1->paste();
  EXPECT_EQ(dlg.Edit1->text(), ": +7 (900) 12");

  dlg.Edit1->setText("+790012345678901");  // 16 characters
  dlg.Edit1->setCursorPosition(2);
  QApplication::clipboard()->setText("ab123456");
  dlg.Edit1->paste();
  EXPECT_EQ(dlg.Edit1->text(), "+71234" + QString("90012345678901")) << "only what fits is inserted";

  QApplication::clipboard()->setText("5");
  QTest::keyClick(dlg.Edit1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(dlg.Edit1->text().size(), kSimEntryLimit);
}

TEST_F(ExpanderDialogTest, NumberValidatorCutsTheExcessFromTheInsertion) {
  NumberEntryValidator limited(5);
  QString text = "12ab3456";  // "ab3456" pasted behind "12"
  int pos = 8;
  EXPECT_EQ(limited.validate(text, pos), QValidator::Acceptable);
  EXPECT_EQ(text, "12345");
  EXPECT_EQ(pos, 5);

  text = "123459";  // "2345" pasted between "1" and "9"
  pos = 5;
  limited.validate(text, pos);
  EXPECT_EQ(text, "12349");
  EXPECT_EQ(pos, 4);
}

TEST_F(ExpanderDialogTest, OkStoresTheNumberAndMarksModified) {
  dlg.show();
  type(dlg.Edit1, "+71234567890123");  // 15 characters: still has its end mark
  dlg.Button1->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_TRUE(st->modified);
  const uint8_t expected[8] = {0xA7, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x3B};
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(st->image.sim(kSlot)), 8),
            QByteArray(reinterpret_cast<const char*>(expected), 8));
  EXPECT_EQ(st->image.sim(kSlot + 1)[0], 0) << "the next slot is untouched";
  reshow();
  EXPECT_EQ(dlg.Edit1->text(), "+71234567890123");
}

TEST_F(ExpanderDialogTest, SixteenCharactersAreStoredWithoutEndMarkAndShowEmpty) {
  dlg.show();
  type(dlg.Edit1, "+712345678901234");
  QTest::keyClick(dlg.Edit1, Qt::Key_Return);  // Enter reaches the default button
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(st->image.sim(kSlot)[7], 0x34);
  reshow();
  EXPECT_EQ(dlg.Edit1->text(), "");
}

TEST_F(ExpanderDialogTest, EmptyNumberAsksForOneAndStaysOpen) {
  dlg.show();
  ASSERT_EQ(dlg.Edit1->text(), "");
  dlg.Button2->setFocus();
  dlg.Button1->click();
  EXPECT_EQ(prompter.messages, QStringList{"Введите телефонный номер SIM карты в расширителе"});
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(dlg.focusWidget(), dlg.Edit1);
  EXPECT_FALSE(st->modified);
}

TEST_F(ExpanderDialogTest, CancelLeavesTheImageAlone) {
  auto before = std::make_unique<ConfigImage>(st->image);
  dlg.show();
  type(dlg.Edit1, "+7900");
  dlg.Button2->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_TRUE(st->image == *before);
  EXPECT_FALSE(st->modified);
}

TEST_F(ExpanderDialogTest, OkWhileRefreshingClosesAndWhileBusyWaits) {
  auto before = std::make_unique<ConfigImage>(st->image);
  dlg.show();
  type(dlg.Edit1, "+7900");
  st->busy = true;
  dlg.Button1->click();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(prompter.messages.isEmpty());

  st->busy = false;
  st->refreshing = true;
  dlg.Button1->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_TRUE(st->image == *before);
  EXPECT_FALSE(st->modified);
}

}  // namespace
