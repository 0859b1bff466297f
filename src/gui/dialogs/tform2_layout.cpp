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

void TForm2::buildControls(Ui::TForm2& form) {
  form.setupUi(this);
  QFont labelFont = font();
  labelFont.setPixelSize(kLabelPixels);
  setFont(labelFont);
  QFont editFont = labelFont;
  editFont.setPixelSize(kEditPixels);

  labels_ = {form.Label2, form.Label3, form.Label4, form.Label5, form.Label6, form.Label1};
  Edit1 = form.Edit1;
  cells_ = {form.Edit2, form.Edit3,  form.Edit4,  form.Edit5,  form.Edit6,  form.Edit7, form.Edit8,
            form.Edit9, form.Edit10, form.Edit11, form.Edit12, form.Edit13, form.Edit14};
  Ecomment = form.Ecomment;
  Edit1->setKind(FieldEdit::Kind::Number);
  cells_[kQualifierCell]->setKind(FieldEdit::Kind::Qualifier);
  Ecomment->setKind(FieldEdit::Kind::Comment);
  Edit1->setFont(editFont);
  for (FieldEdit* cell : cells_) cell->setFont(editFont);
  Ecomment->setFont(editFont);

  Button1 = form.Button1;
  Button2 = form.Button2;
  Button1->setText(ui::ButtonTexts::okButton());
  Button2->setText(ui::ButtonTexts::cancelEnglishButton());
}

void TForm2::arrangeControls(Ui::TForm2& form) {
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
  form.buttonsTop->changeSize(
      0, labels_[0]->sizeHint().height() + editHeight + labels_[1]->sizeHint().height() + editHeight + 18,
      QSizePolicy::Minimum, QSizePolicy::Fixed);
  form.buttons->invalidate();
  setFixedSize(sizeHint().expandedTo(QSize(517, 372)));
}

}  // namespace orbisk
