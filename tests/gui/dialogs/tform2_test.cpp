#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <vector>

#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "gui/main_window/phone_commands.h"
#include "core/records/phone_table.h"
#include "gui/dialogs/tform2.h"
#include "support/scripted_prompter.h"
#include "support/qt_print.h"

using namespace orbisk;

namespace {

constexpr int kSlot = 5;

struct EditorFixture : ::testing::Test {
  MainState st;
  test::ScriptedPrompter prompter;
  TForm2 dlg{st, prompter};

  void SetUp() override { st.currentExpander = kSlot; }
  void TearDown() override { dlg.hide(); }

  QLineEdit* edit(const QString& name) {
    auto* e = dlg.findChild<QLineEdit*>(name);
    EXPECT_NE(e, nullptr) << name.toStdString();
    return e;
  }
  QLineEdit* cell(int n) { return edit(QStringLiteral("Edit%1").arg(n)); }
  QPushButton* button(const char* name) { return dlg.findChild<QPushButton*>(QLatin1String(name)); }
  QString focused() const { return dlg.focusWidget() ? dlg.focusWidget()->objectName() : QString(); }
  QString cellTexts() {
    QString s;
    for (int n = 2; n <= 14; ++n) s += cell(n)->text();
    return s;
  }

  void openFor(int mode) {
    dlg.hide();
    dlg.setResult(-1);
    st.editorMode = mode;
    dlg.show();
  }
  void openChange(int index) {
    st.currentPhoneIndex = index;
    st.currentRecordOffset = recordOffset(kSlot, index);
    openFor(kEditorChange);
  }
  // Types into whichever field holds the focus at each character, as a user would.
  void type(const QString& text) {
    for (QChar c : text) {
      QWidget* w = dlg.focusWidget();
      if (c.unicode() < 0x80) QTest::keyClick(w, static_cast<char>(c.unicode()));
      else QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  void key(Qt::Key k) { QTest::keyClick(dlg.focusWidget(), k); }
  std::vector<uint8_t> bytes(int index, int from, int to) {
    const uint8_t* r = st.image.record(kSlot, index);
    return std::vector<uint8_t>(r + from, r + to);
  }
};

}  // namespace

TEST_F(EditorFixture, AddOpensWithTheDefaultsWhateverWasLeft) {
  openFor(kEditorAdd);
  cell(3)->setFocus();
  type("9");
  edit("Ecomment")->setText(QStringLiteral("old"));
  edit("Edit1")->setText(QStringLiteral("555"));
  openFor(kEditorAdd);
  EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("+7"));
  EXPECT_EQ(cellTexts(), QStringLiteral("E"));
  EXPECT_EQ(cell(6)->text(), QStringLiteral("E"));
  EXPECT_TRUE(edit("Ecomment")->text().isEmpty());
  EXPECT_EQ(focused(), QStringLiteral("Edit1"));
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Номер телефона и информация"));
  // The number goes on after the "+7" rather than replacing it.
  type("9001234567");
  EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("+79001234567"));
}

TEST_F(EditorFixture, TypingInCellsMovesOnAndPassesOverTheQualifier) {
  openFor(kEditorAdd);
  cell(2)->setFocus();
  type("12ab");
  EXPECT_EQ(cell(2)->text() + cell(3)->text() + cell(4)->text() + cell(5)->text(), QStringLiteral("12AB"));
  EXPECT_EQ(cell(6)->text(), QStringLiteral("E"));
  EXPECT_EQ(focused(), QStringLiteral("Edit7"));
  // The rest of the cells in one go: focus ends in the comment, which then takes text normally.
  type("f00123" "45" "xy");
  EXPECT_EQ(cellTexts(), QStringLiteral("12ABEF0012345"));
  EXPECT_EQ(focused(), QStringLiteral("Ecomment"));
  EXPECT_EQ(edit("Ecomment")->text(), QStringLiteral("xy"));
  // A character typed into a filled cell replaces it.
  cell(9)->setFocus();
  cell(9)->setCursorPosition(0);
  type("7");
  EXPECT_EQ(cell(9)->text(), QStringLiteral("7"));
}

TEST_F(EditorFixture, CellsRefuseWhatTheyCannotHold) {
  openFor(kEditorAdd);
  cell(2)->setText(QStringLiteral("5"));
  cell(2)->setFocus();
  type("xG-");
  key(Qt::Key_Backspace);
  EXPECT_EQ(cell(2)->text(), QStringLiteral("5"));
  EXPECT_EQ(focused(), QStringLiteral("Edit2"));

  cell(6)->setFocus();
  type("1a");
  EXPECT_EQ(cell(6)->text(), QStringLiteral("E"));
  EXPECT_EQ(focused(), QStringLiteral("Edit6"));
  type("r");
  EXPECT_EQ(cell(6)->text(), QStringLiteral("R"));
  EXPECT_EQ(focused(), QStringLiteral("Edit7"));

  // Delete is not filtered: it empties a cell, and OK fills it in again.
  cell(2)->setFocus();
  cell(2)->selectAll();
  key(Qt::Key_Delete);
  EXPECT_TRUE(cell(2)->text().isEmpty());
}

TEST_F(EditorFixture, NumberTakesSixteenCharactersAndNoLatinLetters) {
  openFor(kEditorAdd);
  edit("Edit1")->clear();
  edit("Edit1")->setFocus();
  type("+7 (9)q\u0431Z");
  EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("+7 (9)\u0431"));
  type("123456789");
  EXPECT_EQ(edit("Edit1")->text().size(), 16);
  type("5*");
  EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("+7 (9)\u0431123456789"));
  key(Qt::Key_Backspace);
  EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("+7 (9)\u043112345678"));
  type("0");
  EXPECT_EQ(edit("Edit1")->text().size(), 16);
}

TEST_F(EditorFixture, FullCommentRefusesEveryKeyBackspaceIncluded) {
  openFor(kEditorAdd);
  edit("Ecomment")->setFocus();
  type(QStringLiteral("Склад №2 ворота"));  // 15
  type(QStringLiteral("\u4E2D"));           // not in code page 1251
  EXPECT_EQ(edit("Ecomment")->text().size(), 15);
  type("!");
  type("?");
  key(Qt::Key_Backspace);
  EXPECT_EQ(edit("Ecomment")->text(), QStringLiteral("Склад №2 ворота!"));
  // Delete and the caret keys are not filtered.
  key(Qt::Key_Home);
  key(Qt::Key_Delete);
  EXPECT_EQ(edit("Ecomment")->text(), QStringLiteral("клад №2 ворота!"));
  key(Qt::Key_End);
  key(Qt::Key_Backspace);
  EXPECT_EQ(edit("Ecomment")->text(), QStringLiteral("клад №2 ворота"));
}

TEST_F(EditorFixture, ArrowsStepThroughTheCellsAndClicksSelect) {
  openFor(kEditorAdd);
  cell(2)->setFocus();
  key(Qt::Key_Left);
  EXPECT_EQ(focused(), QStringLiteral("Edit1"));
  cell(5)->setFocus();
  key(Qt::Key_Right);
  EXPECT_EQ(focused(), QStringLiteral("Edit6"));
  key(Qt::Key_Right);
  EXPECT_EQ(focused(), QStringLiteral("Edit7"));
  key(Qt::Key_Left);
  EXPECT_EQ(focused(), QStringLiteral("Edit6"));
  cell(14)->setFocus();
  key(Qt::Key_Right);
  EXPECT_EQ(focused(), QStringLiteral("Ecomment"));
  // In the number and the comment the arrows only move the caret.
  key(Qt::Key_Left);
  EXPECT_EQ(focused(), QStringLiteral("Ecomment"));
  edit("Edit1")->setFocus();
  key(Qt::Key_Right);
  EXPECT_EQ(focused(), QStringLiteral("Edit1"));

  QTest::mouseClick(cell(6), Qt::LeftButton);
  EXPECT_EQ(cell(6)->selectedText(), QStringLiteral("E"));
}

TEST_F(EditorFixture, PasteKeepsWhatTypingWouldKeep) {
  openFor(kEditorAdd);
  QClipboard* clip = QApplication::clipboard();
  clip->setText(QStringLiteral("xyz b7"));
  cell(3)->setFocus();
  key(Qt::Key_V);  // plain V: a refused character
  QTest::keyClick(cell(3), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(cell(3)->text(), QStringLiteral("B"));
  clip->setText(QStringLiteral("x1r"));
  QTest::keyClick(cell(6), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(cell(6)->text(), QStringLiteral("R"));
  clip->setText(QStringLiteral("---"));
  QTest::keyClick(cell(6), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(cell(6)->text(), QStringLiteral("R"));

  // The context menu's Paste goes through the same filter.
  clip->setText(QStringLiteral("zz9"));
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2), cell(4)->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(cell(4), &menuEvent);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QStringLiteral("&Paste"))) a->trigger();
  menu->close();
  EXPECT_EQ(cell(4)->text(), QStringLiteral("9"));

  clip->setText(QStringLiteral("tel +7 912 345-67-89-00-11"));
  edit("Edit1")->selectAll();
  QTest::keyClick(edit("Edit1"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit("Edit1")->text(), QStringLiteral(" +7 912 345-67-8"));

  clip->setText(QStringLiteral("Въезд\n\u4E2D со двора, код 1234"));
  QTest::keyClick(edit("Ecomment"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit("Ecomment")->text(), QStringLiteral("Въезд со двора, "));
}

TEST_F(EditorFixture, OkOnAnEmptyExpanderAppendsRecordZeroWithFilledCells) {
  openFor(kEditorAdd);
  edit("Ecomment")->setText(QStringLiteral("abc"));
  button("Button1")->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(st.image.phoneCount(kSlot), 1);
  EXPECT_TRUE(st.modified);
  EXPECT_EQ(cellTexts(), QStringLiteral("0000E00000000"));
  EXPECT_EQ(bytes(0, 0, 16), std::vector<uint8_t>({0xA7, 0xB0, 0, 0, 0, 0, 0, 0, 0x00, 0x00, 0x10, 0x00, 0, 0, 0, 0}));
  EXPECT_EQ(commentText(st.image.record(kSlot, 0)), QByteArray("abc"));
  EXPECT_EQ(kodsob(st.image.record(kSlot, 0)), QByteArray("E000"));

  // The next Add goes behind it.
  openFor(kEditorAdd);
  cell(2)->setFocus();
  type("12af13000501");  // the qualifier keeps its E
  button("Button1")->click();
  EXPECT_EQ(st.image.phoneCount(kSlot), 2);
  EXPECT_EQ(fieldString(st.image.record(kSlot, 1)), QByteArray("12AFE13000501"));

  // A qualifier cell emptied before OK is filled with "E", not "0".
  openFor(kEditorAdd);
  cell(6)->clear();
  button("Button1")->click();
  EXPECT_EQ(cell(6)->text(), QStringLiteral("E"));
  EXPECT_EQ(st.image.record(kSlot, 2)[10], 0x10);
}

TEST_F(EditorFixture, EmptyNumberIsAskedForAndNothingIsWritten) {
  openFor(kEditorAdd);
  const ConfigImage before = st.image;
  edit("Edit1")->clear();
  edit("Ecomment")->setFocus();
  button("Button1")->click();
  EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Введите телефонный номер")});
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), -1);
  EXPECT_EQ(focused(), QStringLiteral("Edit1"));
  EXPECT_EQ(cellTexts(), QStringLiteral("E"));  // cells are filled only once a number is there
  EXPECT_TRUE(st.image == before);
  EXPECT_FALSE(st.modified);

  // A number of blanks is not empty: it is stored as an empty number.
  type("  ");
  button("Button1")->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(bytes(0, 0, 8), std::vector<uint8_t>({0xB0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(EditorFixture, ChangeShowsSixteenSymbolsAndStoresThemBack) {
  appendPhone(st.image, kSlot, "111", "0000E00000000", "");
  appendPhone(st.image, kSlot, "1234567890123456", "00FFE0A0B0C0D", toCp1251(QStringLiteral("Ж")));
  const auto before = bytes(1, 0, 32);
  openChange(1);
  EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("1234567890123456"));
  EXPECT_EQ(cellTexts(), QStringLiteral("00FFE0A0B0C0D"));
  EXPECT_EQ(edit("Ecomment")->text(), QStringLiteral("Ж"));
  EXPECT_EQ(focused(), QStringLiteral("Edit1"));
  button("Button1")->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(bytes(1, 0, 32), before);
  EXPECT_EQ(st.image.phoneCount(kSlot), 2);
  EXPECT_TRUE(st.modified);
}

TEST_F(EditorFixture, ForeignQualifierNibbleShowsRAndIsStoredAsZero) {
  appendPhone(st.image, kSlot, "123", "0001R40100902", "");
  st.image.record(kSlot, 0)[10] = 0x25;
  openChange(0);
  EXPECT_EQ(cell(6)->text(), QStringLiteral("R"));
  EXPECT_EQ(cell(7)->text(), QStringLiteral("5"));
  button("Button1")->click();
  EXPECT_EQ(st.image.record(kSlot, 0)[10], 0x05);
}

TEST_F(EditorFixture, CancelAndEscapeLeaveEverythingAsItWas) {
  appendPhone(st.image, kSlot, "123", "0001R40100902", "x");
  const ConfigImage before = st.image;
  openChange(0);
  cell(2)->setFocus();
  type("ffff");
  edit("Edit1")->setText(QStringLiteral("999"));
  key(Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible());
  button("Button2")->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_TRUE(st.image == before);
  EXPECT_FALSE(st.modified);
}

TEST_F(EditorFixture, EnterInAFieldIsOk) {
  openFor(kEditorAdd);
  cell(4)->setFocus();
  key(Qt::Key_Return);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(st.image.phoneCount(kSlot), 1);
}

TEST_F(EditorFixture, CyrillicCommentRoundTripsThroughTheImage) {
  openFor(kEditorAdd);
  edit("Ecomment")->setFocus();
  type(QStringLiteral("Ёлка №5 «Юг»"));
  button("Button1")->click();
  EXPECT_EQ(commentText(st.image.record(kSlot, 0)), toCp1251(QStringLiteral("Ёлка №5 «Юг»")));
  EXPECT_EQ(static_cast<uint8_t>(st.image.record(kSlot, 0)[16]), 0xA8);  // Ё in code page 1251
  openChange(0);
  EXPECT_EQ(edit("Ecomment")->text(), QStringLiteral("Ёлка №5 «Юг»"));
}

TEST_F(EditorFixture, TabOrderAndEveryCaptionFits) {
  QStringList order;
  QWidget* w = edit("Edit1");
  for (int i = 0; i < 17; ++i) {
    order << w->objectName();
    do w = w->nextInFocusChain();
    while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty());
  }
  QStringList expected{QStringLiteral("Edit1")};
  for (int n = 2; n <= 14; ++n) expected << QStringLiteral("Edit%1").arg(n);
  expected << QStringLiteral("Ecomment") << QStringLiteral("Button1") << QStringLiteral("Button2");
  EXPECT_EQ(order, expected);

  EXPECT_TRUE(button("Button1")->isDefault());
  EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
  EXPECT_GE(dlg.width(), 517);
  EXPECT_GE(dlg.height(), 372);

  openFor(kEditorAdd);
  const QRect inside = dlg.rect();
  for (QLabel* l : dlg.findChildren<QLabel*>()) {
    EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
    EXPECT_TRUE(inside.contains(l->geometry())) << l->objectName().toStdString();
  }
  for (QPushButton* b : dlg.findChildren<QPushButton*>()) {
    EXPECT_GE(b->width(), b->sizeHint().width()) << b->objectName().toStdString();
    EXPECT_TRUE(inside.contains(b->geometry()));
  }
  for (QLineEdit* e : dlg.findChildren<QLineEdit*>()) {
    EXPECT_TRUE(inside.contains(e->geometry())) << e->objectName().toStdString();
    const QString widest = e->maxLength() == 1 ? QStringLiteral("W") : QString(16, QChar(0x0416));
    EXPECT_GT(e->width(), e->fontMetrics().horizontalAdvance(widest)) << e->objectName().toStdString();
  }
}

// The commands with the real dialog, run modally as the main window runs it.
TEST_F(EditorFixture, CommandsDriveTheModalEditor) {
  int refreshed = 0, treeFocused = 0, shown = 0;
  std::function<void()> userActs;
  PhoneCommands cmd(
      st, prompter,
      [&] {
        ++shown;
        QTimer::singleShot(0, &dlg, userActs);
        return dlg.exec() == QDialog::Accepted;
      },
      [&] { ++refreshed; }, [] {}, [&] { ++treeFocused; });

  userActs = [&] {
    edit("Edit1")->setText(QStringLiteral("+79001234567"));
    button("Button1")->click();
  };
  cmd.BdobtelClick();
  EXPECT_EQ(st.image.phoneCount(kSlot), 1);
  EXPECT_EQ(raspactel(st.image.record(kSlot, 0), Decoding::MainWindow), QByteArray("+79001234567"));
  EXPECT_EQ(refreshed, 1);

  // Cancel after typing in Change.
  const ConfigImage before = st.image;
  st.modified = false;
  st.currentPhoneIndex = 0;
  st.currentRecordOffset = recordOffset(kSlot, 0);
  userActs = [&] {
    cell(2)->setFocus();
    type("9");
    button("Button2")->click();
  };
  cmd.BizmtelClick();
  EXPECT_TRUE(st.image == before);
  EXPECT_FALSE(st.modified);
  EXPECT_EQ(treeFocused, 1);

  // A full table never opens the editor.
  st.image.setPhoneCount(kSlot, kMaxPhones);
  cmd.BdobtelClick();
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(prompter.messages, QStringList{PhoneListTexts::phoneListFull()});
}
