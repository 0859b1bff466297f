// Controls of the telephone editor and their arrangement. Sizes grow with the font, so that the
// Cyrillic captions fit where the system font is wider than the one the form was drawn with.
#include <QBoxLayout>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "gui/dialogs/field_edit.h"
#include "gui/dialogs/tform2.h"
#include "gui/dialogs/button_texts.h"

namespace orbisk {
namespace {

constexpr int kLabelPixels = 13;
constexpr int kEditPixels = 16;

}  // namespace

void TForm2::buildControls() {
  QFont labelFont = font();
  labelFont.setPixelSize(kLabelPixels);
  setFont(labelFont);
  QFont editFont = labelFont;
  editFont.setPixelSize(kEditPixels);

  const char* const names[] = {"Label2", "Label3", "Label4", "Label5", "Label6", "Label1"};
  const QString texts[] = {tr("Номер телефона объекта:"),   tr("Номер объекта:"), tr("Код события:"),
                           tr("Номер зоны /пользователя:"), tr("Номер раздела:"), tr("Комментарий:")};
  for (size_t i = 0; i < labels_.size(); ++i) {
    labels_[i] = new QLabel(texts[i], this);
    labels_[i]->setObjectName(QLatin1String(names[i]));
  }

  Edit1 = new FieldEdit(FieldEdit::Kind::Number, QStringLiteral("Edit1"), this);
  for (size_t k = 0; k < cells_.size(); ++k) {
    const auto kind = k == 4 ? FieldEdit::Kind::Qualifier : FieldEdit::Kind::Cell;
    cells_[k] = new FieldEdit(kind, QStringLiteral("Edit%1").arg(k + 2), this);
  }
  Ecomment = new FieldEdit(FieldEdit::Kind::Comment, QStringLiteral("Ecomment"), this);
  Edit1->setFont(editFont);
  for (FieldEdit* cell : cells_) cell->setFont(editFont);
  Ecomment->setFont(editFont);

  Button1 = new QPushButton(ui::ButtonTexts::okButton(), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("Cancel"), this);
  Button2->setObjectName(QStringLiteral("Button2"));

  QWidget* previous = Edit1;
  for (FieldEdit* cell : cells_) {
    setTabOrder(previous, cell);
    previous = cell;
  }
  setTabOrder(previous, Ecomment);
  setTabOrder(Ecomment, Button1);
  setTabOrder(Button1, Button2);
}

void TForm2::arrangeControls() {
  const QFontMetrics fm(Edit1->font());
  int widestDigit = 0;
  for (QChar c : QStringLiteral("0123456789ABCDEFR")) widestDigit = std::max(widestDigit, fm.horizontalAdvance(c));
  const int cellWidth = std::max(33, widestDigit + 18);
  const int editHeight = std::max(28, Edit1->sizeHint().height());
  // Sixteen of the widest capitals, so a full number or comment shows whole.
  int widestLetter = 0;
  for (QChar c : tr("WMЖШЩЮ")) widestLetter = std::max(widestLetter, fm.horizontalAdvance(c));
  const int lineWidth = std::max(337, 16 * widestLetter + 18);
  Edit1->setFixedSize(lineWidth, editHeight);
  Ecomment->setFixedSize(lineWidth, editHeight);
  for (FieldEdit* cell : cells_) cell->setFixedSize(cellWidth, editHeight);
  for (QPushButton* b : {Button1, Button2}) b->setMinimumSize(std::max(75, b->sizeHint().width()), 25);

  auto* left = new QVBoxLayout;
  left->setSpacing(3);
  auto indented = [](QWidget* w) {
    auto* row = new QHBoxLayout;
    row->setSpacing(7);
    row->addSpacing(8);
    row->addWidget(w);
    row->addStretch();
    return row;
  };
  auto cellRow = [this](size_t from, size_t to) {
    auto* row = new QHBoxLayout;
    row->setSpacing(7);
    row->addSpacing(8);
    for (size_t k = from; k <= to; ++k) row->addWidget(cells_[k]);
    row->addStretch();
    return row;
  };
  const size_t rows[][2] = {{0, 3}, {4, 7}, {8, 10}, {11, 12}};
  left->addLayout(indented(labels_[0]));
  left->addWidget(Edit1);
  for (size_t r = 0; r < 4; ++r) {
    left->addSpacing(9);
    left->addLayout(indented(labels_[r + 1]));
    left->addLayout(cellRow(rows[r][0], rows[r][1]));
  }
  left->addSpacing(9);
  left->addLayout(indented(labels_[5]));
  left->addWidget(Ecomment);
  left->addStretch();

  // The buttons stand beside the object and event rows.
  auto* right = new QVBoxLayout;
  right->addSpacing(labels_[0]->sizeHint().height() + editHeight + labels_[1]->sizeHint().height() + editHeight + 18);
  right->addWidget(Button1);
  right->addSpacing(15);
  right->addWidget(Button2);
  right->addStretch();

  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(24, 8, 34, 16);
  outer->setSpacing(0);
  outer->addLayout(left);
  outer->addSpacing(47);
  outer->addLayout(right);
  outer->addStretch();
  setFixedSize(sizeHint().expandedTo(QSize(517, 372)));
}

}  // namespace orbisk
