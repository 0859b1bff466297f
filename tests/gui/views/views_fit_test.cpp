// Every caption must fit its control in the font this platform uses, not only in the narrow
// font the pixel sizes were first drawn for.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <cstring>
#include <memory>

#include "support/scripted_prompter.h"
#include "gui/dialogs/expander_dialog.h"
#include "gui/views/settings_panel.h"

using namespace orbisk;

namespace {

// Each shown control lies inside its window and is at least as large as its contents ask.
void expectNothingClipped(QWidget* top) {
  for (QWidget* w : top->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(top) || qobject_cast<QComboBox*>(w->parentWidget())) continue;  // combo parts fit their combo
    if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w) &&
        !qobject_cast<QLineEdit*>(w))
      continue;
    SCOPED_TRACE(w->objectName().toStdString() + " " + w->metaObject()->className());
    const QRect inTop(w->mapTo(top, QPoint(0, 0)), w->size());
    EXPECT_TRUE(top->rect().contains(inTop)) << "outside its window";
    const QSize need = qobject_cast<QComboBox*>(w) ? w->minimumSizeHint() : w->sizeHint();
    EXPECT_GE(w->width(), need.width());
    EXPECT_GE(w->height(), need.height());
  }
}

TEST(ViewsFit, SettingsPanelShowsEveryCaptionWhole) {
  auto st = std::make_unique<MainState>();
  std::memcpy(st->image.data() + off::kModel, "3320", 4);
  SettingsPanel panel(*st);
  st->refreshing = true;
  panel.load();
  st->refreshing = false;
  // The longest texts the receiver link puts into the clock labels.
  panel.Label4->setText(QStringLiteral("31.12.09  23:59:07  (приемник)"));
  panel.Label5->setText(QStringLiteral("31.12.09  23:59:07  (компьютер)"));
  panel.show();
  panel.layout()->activate();
  EXPECT_LE(panel.width(), 534);
  EXPECT_LE(panel.height(), 318);
  expectNothingClipped(&panel);
  // The columns stay as drawn: combo boxes, then two columns of check boxes.
  EXPECT_LT(panel.Cblisten->geometry().right(), panel.Cbheart->x());
  EXPECT_LT(panel.Cbspamsms->geometry().right(), panel.Cbprinter->x());
  EXPECT_EQ(panel.Label4->x(), panel.Label5->x());
  EXPECT_LT(panel.Label4->y(), panel.Label5->y());
  EXPECT_GT(panel.Label4->x(), panel.ComboBox1->geometry().right());
}

TEST(ViewsFit, ExpanderDialogShowsEveryCaptionAndATwentyCharacterNumber) {
  auto st = std::make_unique<MainState>();
  st->currentExpander = 0;
  test::ScriptedPrompter prompter;
  QWidget mainWindow;
  TForm3 dlg(*st, prompter, &mainWindow);
  dlg.show();
  expectNothingClipped(&dlg);
  const int textRoom = dlg.Edit1->width() - 12;  // frame and text margins
  EXPECT_GE(textRoom, dlg.Edit1->fontMetrics().horizontalAdvance(QStringLiteral("+7901234567890123456")));
  EXPECT_FALSE(dlg.Edit2->isVisibleTo(&dlg)) << "the test-call area is never shown";
  dlg.hide();
}

// A text size larger than the one the sizes were drawn for (a user's larger system font): the
// panel and the dialog grow rather than clip a caption.
TEST(ViewsFit, ALargerFontGrowsThePanelAndTheDialogInsteadOfClipping) {
  struct AppFont {
    QFont was = QApplication::font();
    ~AppFont() { QApplication::setFont(was); }
  } restore;
  QFont large = restore.was;
  large.setPixelSize(20);
  QApplication::setFont(large);

  auto st = std::make_unique<MainState>();
  SettingsPanel panel(*st);
  panel.load();
  panel.Label5->setText(QStringLiteral("31.12.09  23:59:07  (компьютер)"));
  panel.show();
  panel.layout()->activate();
  EXPECT_GT(panel.width(), 534);
  expectNothingClipped(&panel);

  st->currentExpander = 0;
  test::ScriptedPrompter prompter;
  TForm3 dlg(*st, prompter, nullptr);
  // Its caption has a size of its own: a wider face at that size needs the same room.
  QFont caption = dlg.Label2->font();
  caption.setPixelSize(24);
  dlg.Label2->setFont(caption);
  dlg.show();
  EXPECT_GT(dlg.width(), 560);
  expectNothingClipped(&dlg);
}

}  // namespace
