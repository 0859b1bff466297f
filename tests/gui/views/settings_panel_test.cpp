#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <memory>

#include "support/qt_print.h"
#include "gui/views/service_shortcut.h"
#include "gui/views/settings_panel.h"

using namespace orbisk;

namespace {

class SettingsPanelTest : public ::testing::Test {
 protected:
  void setModel(const char* digits) { std::memcpy(st->image.data() + off::kModel, digits, 4); }
  void loadPanel() {
    st->refreshing = true;
    panel.load();
    st->refreshing = false;
  }
  uint8_t byte(int offset) const { return st->image[offset]; }
  void typeInto(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
  }

  std::unique_ptr<MainState> st = std::make_unique<MainState>();
  SettingsPanel panel{*st};
};

TEST_F(SettingsPanelTest, LoadRepairsOutOfRangeBytesWithoutMarkingModified) {
  QSignalSpy edited(&panel, &SettingsPanel::edited);
  st->image[off::kReceiverNumber] = 0x11;
  st->image[off::kPcFormat] = 0x0E;
  st->image[off::kHandshake] = 0x5A;
  st->image[off::kAckWait] = 0x10;
  auto expected = std::make_unique<ConfigImage>(st->image);
  (*expected)[off::kReceiverNumber] = 2;
  (*expected)[off::kPcFormat] = 0;
  (*expected)[off::kHandshake] = 0x12;  // 0x5A: bit 3 cleared (0x52), then two rings
  (*expected)[off::kAckWait] = 1;

  loadPanel();

  EXPECT_EQ(panel.ComboBox1->currentText(), "2");
  EXPECT_EQ(panel.Cbformat->currentText(), "MCDI Exp");
  EXPECT_EQ(panel.Cbhandshake->currentText(), "ContactID");
  EXPECT_EQ(panel.Cbnumberring->currentText(), "2");
  EXPECT_EQ(panel.Cblisten->currentText(), "1");
  EXPECT_TRUE(st->image == *expected);  // the repairs and nothing else
  EXPECT_FALSE(st->modified);
  EXPECT_EQ(edited.count(), 0);
}

TEST_F(SettingsPanelTest, LoadShowsFreshDefaultsAndLeavesItemlessValuesUnselected) {
  loadPanel();
  EXPECT_EQ(panel.Cbhandshake->currentText(), "ContactID");
  EXPECT_EQ(panel.Cbnumberring->currentText(), "2");
  EXPECT_EQ(panel.Cblisten->currentText(), "1");

  st->image[off::kPcFormat] = 5;
  st->image[off::kHandshake] = 0x0A;  // bit 3: becomes 0x02
  st->image[off::kAckWait] = 0;
  loadPanel();
  EXPECT_EQ(byte(off::kPcFormat), 5);
  EXPECT_EQ(SettingsPanel::itemIndex(panel.Cbformat), -1);
  EXPECT_EQ(panel.Cbformat->currentText(), "");
  EXPECT_EQ(byte(off::kHandshake), 0x02);
  EXPECT_EQ(panel.Cbnumberring->currentText(), "1");
  EXPECT_EQ(byte(off::kAckWait), 0);
  EXPECT_EQ(panel.Cblisten->currentText(), "");

  st->image[off::kHandshake] = 0x65;
  loadPanel();
  EXPECT_EQ(byte(off::kHandshake), 0x15);
  EXPECT_FALSE(st->modified);
}

TEST_F(SettingsPanelTest, ReloadDiscardsTextTypedBeforeIt) {
  loadPanel();
  typeInto(panel.Cbformat, "zzz");
  loadPanel();
  EXPECT_EQ(panel.Cbformat->currentText(), "MCDI Exp");
}

struct BitCase {
  const char* box;
  int offset;
  uint8_t bit;
  bool setWhenChecked;
};

TEST_F(SettingsPanelTest, EachCheckBoxWritesItsOwnBit) {
  setModel("3320");
  const BitCase cases[] = {
      {"Cbheart", off::kOptions, opt::kHeartbeatOff, false}, {"Cbspamdata", off::kOptions, opt::kSpamData, true},
      {"Cbprinter", off::kOptions, opt::kSpeaker, true},     {"Cbruslang", off::kOptions, opt::kRussianOff, false},
      {"Cbsms", off::kOptions, opt::kSmsOff, false},         {"Cbspamsms", off::kOptions, opt::kSpamSms, true},
      {"Cbled", off::kDisplay, disp::kBacklightOff, true},   {"Cbcomment", off::kDisplay, disp::kComments, true},
  };
  for (const BitCase& c : cases) {
    SCOPED_TRACE(c.box);
    st->image[off::kOptions] = 0;
    st->image[off::kDisplay] = 0;
    loadPanel();
    auto* box = panel.findChild<QCheckBox*>(c.box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->isChecked(), !c.setWhenChecked) << "a clear bit loads as this check mark";
    for (int round = 0; round < 2; ++round) {
      st->modified = false;
      box->click();
      const bool bitSet = (byte(c.offset) & c.bit) != 0;
      EXPECT_EQ(bitSet, box->isChecked() == c.setWhenChecked);
      EXPECT_EQ(byte(c.offset) & ~c.bit, 0) << "no other bit moves";
      EXPECT_TRUE(st->modified);
    }
  }
}

TEST_F(SettingsPanelTest, SmsOffDisablesSpamSmsButKeepsItsChoice) {
  st->image[off::kOptions] = opt::kSpamSms;
  loadPanel();
  ASSERT_TRUE(panel.Cbsms->isChecked());
  EXPECT_TRUE(panel.Cbspamsms->isEnabled());
  EXPECT_TRUE(panel.Cbspamsms->isChecked());

  panel.Cbsms->click();
  EXPECT_EQ(byte(off::kOptions), opt::kSmsOff | opt::kSpamSms);
  EXPECT_FALSE(panel.Cbspamsms->isEnabled());
  EXPECT_TRUE(panel.Cbspamsms->isChecked());

  panel.Cbsms->click();
  EXPECT_EQ(byte(off::kOptions), opt::kSpamSms);
  EXPECT_TRUE(panel.Cbspamsms->isEnabled());

  st->image[off::kOptions] = opt::kSmsOff;
  loadPanel();
  EXPECT_FALSE(panel.Cbspamsms->isEnabled());
}

TEST_F(SettingsPanelTest, ModelDigitDecidesTheNewerReceiversSettings) {
  const QCheckBox* four[] = {panel.Cbprinter, panel.Cbruslang, panel.Cbcomment, panel.Cbled};
  for (const QCheckBox* c : four) EXPECT_FALSE(c->isEnabled()) << "disabled before any load";
  setModel("3320");
  loadPanel();
  for (const QCheckBox* c : four) EXPECT_TRUE(c->isEnabled()) << c->objectName().toStdString();
  setModel("2010");
  panel.applyModelRule();
  for (const QCheckBox* c : four) EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
  EXPECT_TRUE(panel.Cbheart->isEnabled());
}

TEST_F(SettingsPanelTest, EveryChangeRewritesAllFieldsAndMarksModified) {
  QSignalSpy edited(&panel, &SettingsPanel::edited);
  loadPanel();
  auto before = std::make_unique<ConfigImage>(st->image);

  // Changed behind the panel's back: any edit puts the controls' values back.
  st->image[off::kReceiverNumber] = 9;
  st->image[off::kAckWait] = 4;
  panel.Cbheart->click();
  panel.Cbheart->click();
  EXPECT_TRUE(st->image == *before);
  EXPECT_TRUE(st->modified) << "set even though the bytes equal the old ones";
  EXPECT_EQ(edited.count(), 2);
}

TEST_F(SettingsPanelTest, UnusedBitsSurviveEdits) {
  st->image[off::kOptions] = 0xC0;
  st->image[off::kDisplay] = 0xCF;
  loadPanel();
  panel.Cbspamdata->click();
  EXPECT_EQ(byte(off::kOptions), 0xC0 | opt::kSpamData);
  EXPECT_EQ(byte(off::kDisplay), 0xCF);
}

TEST_F(SettingsPanelTest, NothingIsWrittenWhileRefreshing) {
  loadPanel();
  auto before = std::make_unique<ConfigImage>(st->image);
  st->refreshing = true;
  panel.Cbheart->click();
  panel.ComboBox1->setCurrentIndex(7);
  EXPECT_TRUE(st->image == *before);
  EXPECT_FALSE(st->modified);
}

TEST_F(SettingsPanelTest, ComboBoxesWriteTheirItemIndex) {
  loadPanel();
  panel.ComboBox1->setCurrentIndex(15);
  EXPECT_EQ(byte(off::kReceiverNumber), 15);
  panel.Cbformat->setCurrentIndex(3);
  EXPECT_EQ(byte(off::kPcFormat), 3);
  panel.Cbhandshake->setCurrentIndex(6);
  panel.Cbnumberring->setCurrentIndex(4);
  EXPECT_EQ(byte(off::kHandshake), 0x46);
  panel.Cblisten->setCurrentIndex(4);
  EXPECT_EQ(byte(off::kAckWait), 5);
  typeInto(panel.ComboBox1, "a");
  EXPECT_EQ(byte(off::kReceiverNumber), 10) << "an item typed in another case still names it";
}

TEST_F(SettingsPanelTest, TypedTextNamingNoItemIsStoredAsNoSelection) {
  loadPanel();
  typeInto(panel.ComboBox1, "77");
  typeInto(panel.Cbformat, "x");
  typeInto(panel.Cbhandshake, "9");
  typeInto(panel.Cblisten, "0");
  EXPECT_EQ(byte(off::kReceiverNumber), 0xFF);
  EXPECT_EQ(byte(off::kPcFormat), 0xFF);
  EXPECT_EQ(byte(off::kHandshake), 0x1F);
  EXPECT_EQ(byte(off::kAckWait), 0);
  typeInto(panel.Cbnumberring, "9");
  EXPECT_EQ(byte(off::kHandshake), 0xFF);

  loadPanel();  // the next load repairs what it can
  EXPECT_EQ(byte(off::kReceiverNumber), 2);
  EXPECT_EQ(byte(off::kPcFormat), 0);
  EXPECT_EQ(panel.Cbhandshake->currentText(), "ContactID");
  EXPECT_EQ(panel.Cbnumberring->currentText(), "2");
  EXPECT_EQ(byte(off::kAckWait), 0);
  EXPECT_EQ(panel.Cblisten->currentText(), "");
}

class ServiceShortcutTest : public SettingsPanelTest {
 protected:
  void SetUp() override {
    setModel("3320");
    loadPanel();
  }
  void type(const QString& keys) {
    for (QChar k : keys) QTest::sendKeyEvent(QTest::Click, panel.Cbruslang, Qt::Key_unknown, QString(k), Qt::NoModifier);
  }
  const QString sequence = QString(QChar(kServiceDigit1)) + QChar(kServiceDigit2) + QChar(kServiceDigit3);
};

TEST_F(ServiceShortcutTest, TheSequenceOpensAndItsLastDigitReopens) {
  QSignalSpy opened(&panel, &SettingsPanel::serviceShortcut);
  type(sequence);
  EXPECT_EQ(opened.count(), 1);
  EXPECT_EQ(st->serviceSequence, ServiceSequence::SecondSeen);
  type(sequence.right(1));
  EXPECT_EQ(opened.count(), 2);
  type(sequence.left(1) + sequence);  // the first digit twice starts over cleanly
  EXPECT_EQ(opened.count(), 3);
}

TEST_F(ServiceShortcutTest, AWrongKeyStartsOver) {
  QSignalSpy opened(&panel, &SettingsPanel::serviceShortcut);
  type(sequence.left(1) + "5" + sequence.mid(1));   // wrong second key
  type(sequence.left(2) + "5" + sequence.right(1));  // wrong third key
  type(sequence.right(1));                           // third digit with nothing before it
  EXPECT_EQ(opened.count(), 0);
  EXPECT_EQ(st->serviceSequence, ServiceSequence::None);
}

TEST_F(ServiceShortcutTest, IgnoredWhileBusy) {
  QSignalSpy opened(&panel, &SettingsPanel::serviceShortcut);
  st->busy = true;
  type(sequence);
  EXPECT_EQ(opened.count(), 0);
  EXPECT_EQ(st->serviceSequence, ServiceSequence::None);
}

TEST_F(ServiceShortcutTest, KeysStillReachTheCheckBox) {
  ASSERT_TRUE(panel.Cbruslang->isChecked());
  type(sequence.left(1));
  QTest::keyClick(panel.Cbruslang, Qt::Key_Space);
  EXPECT_FALSE(panel.Cbruslang->isChecked());
  EXPECT_EQ(byte(off::kOptions), opt::kRussianOff);
  EXPECT_EQ(st->serviceSequence, ServiceSequence::None) << "the blank was a key of its own";
}

}  // namespace
