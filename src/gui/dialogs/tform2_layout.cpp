// The telephone editor's controls, drawn in tform2.ui. Sizes grow with the font, so that the
// Cyrillic captions fit where the system font is wider than the one the form was drawn with.
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "gui/dialogs/field_edit.h"
#include "gui/dialogs/tform2.h"
#include "gui/dialogs/button_texts.h"
#include "ui_tform2.h"

namespace orbisk {
namespace {

constexpr int kLabelPixels = 13;
constexpr int kEditPixels = 16;

}  // namespace

void TForm2::buildControls() {
  ui_->setupUi(this);
  QFont labelFont = font();
  labelFont.setPixelSize(kLabelPixels);
  setFont(labelFont);
  QFont editFont = labelFont;
  editFont.setPixelSize(kEditPixels);

  labels_ = {ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label5, ui_->Label6, ui_->Label1};
  Edit1 = ui_->Edit1;
  cells_ = {ui_->Edit2, ui_->Edit3,  ui_->Edit4,  ui_->Edit5,  ui_->Edit6,  ui_->Edit7, ui_->Edit8,
            ui_->Edit9, ui_->Edit10, ui_->Edit11, ui_->Edit12, ui_->Edit13, ui_->Edit14};
  Ecomment = ui_->Ecomment;
  Edit1->setKind(FieldEdit::Kind::Number);
  cells_[kQualifierCell]->setKind(FieldEdit::Kind::Qualifier);
  Ecomment->setKind(FieldEdit::Kind::Comment);
  Edit1->setFont(editFont);
  for (FieldEdit* cell : cells_) cell->setFont(editFont);
  Ecomment->setFont(editFont);

  Button1 = ui_->Button1;
  Button2 = ui_->Button2;
  Button1->setText(ui::ButtonTexts::okButton());
  Button2->setText(ui::ButtonTexts::cancelEnglishButton());
}

void TForm2::arrangeControls() {
  const QFontMetrics fm(Edit1->font());
  int widestDigit = 0;
  for (QChar c : QStringLiteral("0123456789ABCDEFR")) widestDigit = std::max(widestDigit, fm.horizontalAdvance(c));
  const int cellWidth = std::max(33, widestDigit + 18);
  const int editHeight = std::max(28, Edit1->sizeHint().height());
  // Sixteen of the widest capitals, so a full number or comment shows whole.
  int widestLetter = 0;
  for (QChar c : QStringLiteral("WMЖШЩЮ")) widestLetter = std::max(widestLetter, fm.horizontalAdvance(c));
  const int lineWidth = std::max(337, 16 * widestLetter + 18);
  Edit1->setFixedSize(lineWidth, editHeight);
  Ecomment->setFixedSize(lineWidth, editHeight);
  for (FieldEdit* cell : cells_) cell->setFixedSize(cellWidth, editHeight);
  for (QPushButton* b : {Button1, Button2}) b->setMinimumSize(std::max(75, b->sizeHint().width()), 25);

  // The buttons stand beside the object and event rows.
  ui_->buttonsTop->changeSize(
      0, labels_[0]->sizeHint().height() + editHeight + labels_[1]->sizeHint().height() + editHeight + 18,
      QSizePolicy::Minimum, QSizePolicy::Fixed);
  ui_->buttons->invalidate();
  setFixedSize(sizeHint().expandedTo(QSize(517, 372)));
}

}  // namespace orbisk
