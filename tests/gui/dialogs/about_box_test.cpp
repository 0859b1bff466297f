#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTest>

#include "gui/dialogs/about_box.h"

using namespace orbisk;

// The window as its form draws it: the names tests and the receiver program's users know it by,
// its texts, and an OK that closes it.
TEST(AboutBox, FormKeepsItsNamesTextsAndOk) {
  TAboutBox box;
  EXPECT_EQ(box.objectName(), "TAboutBox");
  EXPECT_EQ(box.windowTitle(), QStringLiteral("О программе"));
  auto* panel = box.findChild<QFrame*>("Panel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->frameShape(), QFrame::Panel);
  EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
  QStringList lines;
  for (QLabel* l : panel->findChildren<QLabel*>()) lines << l->text();
  EXPECT_EQ(lines, (QStringList{QStringLiteral("Программа: Orbisk"), QStringLiteral("Версия:  1.14.02")}));
  EXPECT_EQ(box.layout()->sizeConstraint(), QLayout::SetFixedSize);

  auto* ok = box.findChild<QPushButton*>("OKButton");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_TRUE(ok->isDefault());
  box.show();
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(box.result(), QDialog::Accepted);
}
