#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui/dialogs/port_dialog.h"

using namespace orbisk;

namespace {

QString com(int n) { return windowsPortName(n); }

class PortDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { useWindowsNames(); }
  void TearDown() override { dlg.hide(); }

  void useWindowsNames() {
    dlg.setPortSource({PortNaming::Windows, [this](const QString& name) { return openable.contains(name); }, {}});
  }
  void useUnixNames() {
    dlg.setPortSource({PortNaming::Unix, [this](const QString& name) { return openable.contains(name); },
                       [this] { return devices; }});
  }
  void reshow() {
    dlg.hide();
    dlg.show();
  }
  QStringList listed() const {
    QStringList items;
    for (int i = 0; i < dlg.ComboBox1->count(); ++i) items.append(dlg.ComboBox1->itemText(i));
    return items;
  }

  std::unique_ptr<MainState> st = std::make_unique<MainState>();
  QSet<QString> openable;
  QStringList devices;
  QStringList shown;  // what reached status panel 0
  TForm4 dlg{*st, [this](const QString& port) { shown.append(port); }};
};

TEST_F(PortDialogTest, LooksAsDrawn) {
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Выбор порта");
  EXPECT_TRUE(dlg.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(dlg.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(dlg.windowFlags().testFlag(Qt::WindowSystemMenuHint));
  EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize()) << "fixed size";
  EXPECT_TRUE(dlg.ComboBox1->isEditable());
  EXPECT_EQ(dlg.Button1->text(), "OK");
  EXPECT_EQ(dlg.Button2->text(), "Отмена");
  EXPECT_TRUE(dlg.Button1->isDefault());
  // Combo box at the left, OK above Cancel at the right, from where the form draws them.
  EXPECT_EQ(dlg.ComboBox1->x(), 56);
  EXPECT_EQ(dlg.Button1->y(), 24);
  EXPECT_GE(dlg.Button2->y(), 72);
  EXPECT_EQ(dlg.ComboBox1->insertPolicy(), QComboBox::NoInsert);
  EXPECT_LT(dlg.ComboBox1->geometry().right(), dlg.Button1->x());
  EXPECT_EQ(dlg.Button1->x(), dlg.Button2->x());
  EXPECT_LT(dlg.Button1->geometry().bottom(), dlg.Button2->y());
}

TEST_F(PortDialogTest, OkStoresTheSelectedPortAndShowsIt) {
  openable = {com(1), com(3)};
  st->portName = com(3);
  dlg.show();
  EXPECT_EQ(listed(), (QStringList{com(1), com(3)}));
  EXPECT_EQ(dlg.ComboBox1->currentIndex(), 1);

  dlg.ComboBox1->setCurrentIndex(0);
  dlg.Button1->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(st->portName, com(1));
  EXPECT_EQ(shown, QStringList{com(1)});
}

TEST_F(PortDialogTest, CancelChangesNothing) {
  openable = {com(1), com(3)};
  st->portName = com(3);
  dlg.show();
  dlg.ComboBox1->setCurrentIndex(0);
  dlg.Button2->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(st->portName, com(3));
  EXPECT_TRUE(shown.isEmpty());

  reshow();
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(st->portName, com(3));
}

TEST_F(PortDialogTest, UnmatchedNameSelectsNothingAndOkKeepsThePort) {
  openable = {com(1), com(2)};
  dlg.show();  // the start-up "COM1" is not written as a device path
  EXPECT_EQ(listed().size(), 2);
  EXPECT_EQ(dlg.ComboBox1->currentIndex(), -1);
  dlg.ComboBox1->setEditText("\\\\.\\COM9");  // typed text does not count for COM ports
  dlg.Button1->click();
  EXPECT_EQ(st->portName, "COM1") << "an empty name would break every conversation";
  EXPECT_EQ(shown, QStringList{"COM1"});

  openable.clear();
  reshow();
  EXPECT_EQ(dlg.ComboBox1->count(), 0);
  dlg.Button1->click();
  EXPECT_EQ(st->portName, "COM1");
}

TEST_F(PortDialogTest, EveryShowingProbesAgain) {
  openable = {com(2)};
  st->portName = com(4);
  dlg.show();
  EXPECT_EQ(listed(), QStringList{com(2)});
  dlg.Button2->click();
  openable = {com(2), com(4), com(24)};  // a USB adapter was plugged in
  dlg.show();
  EXPECT_EQ(listed(), (QStringList{com(2), com(4), com(24)}));
  EXPECT_EQ(dlg.ComboBox1->currentText(), com(4));
}

TEST_F(PortDialogTest, UnixListsDevicesAndTakesATypedPath) {
  useUnixNames();
  devices = {"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyS2"};
  openable = {"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyS2"};
  st->portName = "/dev/ttyS10";
  dlg.show();
  EXPECT_EQ(listed(), (QStringList{"/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0"}));
  EXPECT_EQ(dlg.ComboBox1->currentIndex(), 1);

  dlg.ComboBox1->lineEdit()->selectAll();
  QTest::keyClicks(dlg.ComboBox1->lineEdit(), " /dev/pts/7 ");
  QTest::keyClick(dlg.ComboBox1->lineEdit(), Qt::Key_Return);  // Enter reaches OK
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(st->portName, "/dev/pts/7");
  EXPECT_EQ(shown, QStringList{"/dev/pts/7"});
  EXPECT_EQ(dlg.ComboBox1->count(), 3) << "a typed name is not added to the list";
}

TEST_F(PortDialogTest, UnixKeepsAPortTheListDoesNotHold) {
  useUnixNames();
  devices = {"/dev/ttyS0"};
  openable = {"/dev/ttyS0"};
  st->portName = "/dev/pts/3";
  dlg.show();
  EXPECT_EQ(dlg.ComboBox1->currentIndex(), -1);
  EXPECT_EQ(dlg.ComboBox1->currentText(), "/dev/pts/3");
  dlg.Button1->click();
  EXPECT_EQ(st->portName, "/dev/pts/3");

  // Cleared by the operator: nothing was chosen, so the port stays.
  dlg.show();
  dlg.ComboBox1->setEditText("  ");
  dlg.Button1->click();
  EXPECT_EQ(st->portName, "/dev/pts/3");
}

TEST_F(PortDialogTest, LongNamesFitTheBox) {
  useUnixNames();
  const QString longName = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
  devices = {longName, "/dev/ttyS0"};
  openable = {longName, "/dev/ttyS0"};
  dlg.show();
  const int textRoom = dlg.ComboBox1->lineEdit()->width() - 4;
  EXPECT_GE(textRoom, dlg.ComboBox1->fontMetrics().horizontalAdvance(longName));
  EXPECT_TRUE(dlg.rect().contains(dlg.Button1->geometry()));
  EXPECT_TRUE(dlg.rect().contains(dlg.Button2->geometry()));
  for (QPushButton* b : {dlg.Button1, dlg.Button2}) {
    EXPECT_GE(b->width(), b->sizeHint().width());
    EXPECT_GE(b->height(), b->sizeHint().height());
  }
  EXPECT_LT(dlg.ComboBox1->geometry().right(), dlg.Button1->x());
}

}  // namespace

namespace {

// A network port typed on either platform is the choice and is offered again, newest first,
// after the probed ports, at the next showing.
TEST_F(PortDialogTest, TypedNetworkPortsAreKeptAndOfferedAgain) {
  QTemporaryDir prefsDir;
  dlg.setPreferences(Preferences(prefsDir.filePath(QStringLiteral("p.ini"))));
  openable = {com(2)};
  for (const char* typed : {"rfc2217://10.0.0.5:7002", "tcp://10.0.0.5:7001"}) {
    reshow();
    dlg.ComboBox1->setEditText(QString::fromLatin1(typed));
    dlg.Button1Click();
    EXPECT_EQ(st->portName, QString::fromLatin1(typed));
  }
  reshow();
  EXPECT_EQ(listed(), (QStringList{com(2), "tcp://10.0.0.5:7001", "rfc2217://10.0.0.5:7002"}));
  EXPECT_EQ(dlg.ComboBox1->currentIndex(), 1);
  // A typed COM name is still not taken on Windows: only the list counts there.
  dlg.ComboBox1->setEditText(QStringLiteral("COM7"));
  dlg.Button1Click();
  EXPECT_EQ(st->portName, "tcp://10.0.0.5:7001");
}

}  // namespace
