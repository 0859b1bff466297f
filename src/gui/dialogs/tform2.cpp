#include "gui/dialogs/tform2.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include "core/image/cp1251.h"
#include "gui/dialogs/field_edit.h"
#include "core/records/phone_codec.h"
#include "gui/main_window/phone_commands.h"
#include "core/records/phone_table.h"
#include "ui_tform2.h"

namespace orbisk {
namespace {

constexpr int kLastObjectCell = 3;  // Edit5: typing passes over the qualifier

}  // namespace

TForm2::TForm2(MainState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      st_(state),
      prompter_(prompter) {
  Ui::TForm2 form;
  buildControls(form);
  arrangeControls(form);
  move(230, 135);

  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
  for (int k = 0; k < static_cast<int>(cells_.size()); ++k) {
    FieldEdit* cell = cells_[static_cast<size_t>(k)];
    connect(cell, &FieldEdit::characterAccepted, this, [this, k] { focusAfterTyping(k); });
    connect(cell, &FieldEdit::stepRequested, this, [this, k](int direction) {
      if (FieldEdit* to = fieldAt(k + 1 + direction)) to->setFocus();
    });
  }
}

void TForm2::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Only a real opening refills the fields; the window coming back from minimised keeps them.
  if (!e->spontaneous()) FormActivate();
}

void TForm2::setVisible(bool visible) {
  QDialog::setVisible(visible);
  // QDialog hands the focus over as if by Tab, which selects the whole number; the operator
  // goes on typing after the "+7" instead, so the caret waits at the end.
  if (visible && focusWidget() == Edit1) Edit1->end(false);
}

void TForm2::keyPressEvent(QKeyEvent* e) {
  // Escape does not cancel: only the Cancel button does.
  if (e->key() == Qt::Key_Escape) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void TForm2::FormActivate() {
  if (st_.editorMode == kEditorAdd) otobr1();
  else if (st_.editorMode == kEditorChange) otobr2();
}

void TForm2::otobr1() {
  Edit1->setText(QStringLiteral("+7"));
  for (FieldEdit* cell : cells_) cell->clear();
  cells_[kQualifierCell]->setText(QStringLiteral("E"));
  Ecomment->clear();
  Edit1->setFocus();
}

void TForm2::otobr2() {
  if (!isRecordOffset(st_.currentRecordOffset)) {
    otobr1();
    return;
  }
  const uint8_t* rec = st_.image.data() + st_.currentRecordOffset;
  Edit1->setText(fromCp1251(raspactel(rec, Decoding::Editor)));
  otobr3(rec);
  Edit1->setFocus();
}

void TForm2::otobr3(const uint8_t* rec) {
  const QByteArray field = fieldString(rec);
  for (size_t k = 0; k < cells_.size(); ++k) cells_[k]->setText(QString(QLatin1Char(field[static_cast<int>(k)])));
  Ecomment->setText(fromCp1251(commentText(rec)));
}

void TForm2::Button1Click() {
  const int mode = st_.editorMode;
  if (mode != kEditorAdd && mode != kEditorChange) {
    reject();  // nothing was asked for, so nothing is written
    return;
  }
  if (!numberGiven()) return;
  fillEmptyCells();
  if (!(mode == kEditorAdd ? dobav1() : redact())) {
    reject();
    return;
  }
  st_.modified = true;
  accept();
}

void TForm2::Button2Click() { reject(); }

bool TForm2::numberGiven() {
  if (!Edit1->text().isEmpty()) return true;
  prompter_.message(tr("Введите телефонный номер"));
  Edit1->setFocus();
  return false;
}

void TForm2::fillEmptyCells() {
  for (size_t k = 0; k < cells_.size(); ++k)
    if (cells_[k]->text().isEmpty())
      cells_[k]->setText(k == kQualifierCell ? QStringLiteral("E") : QStringLiteral("0"));
}

QByteArray TForm2::fieldText() const {
  QString field;
  for (const FieldEdit* cell : cells_) field += cell->text();
  return toCp1251(field);
}

bool TForm2::dobav1() {
  // The commands never open the editor on a full table; should it happen, say so rather than fail quietly.
  const int slot = st_.currentExpander;
  if (slot >= 0 && slot < kSlotCount && st_.image.phoneCount(slot) >= kMaxPhones) {
    prompter_.message(PhoneListTexts::phoneListFull());
    return false;
  }
  return appendPhone(st_.image, slot, toCp1251(Edit1->text()), fieldText(), toCp1251(Ecomment->text()));
}

bool TForm2::redact() {
  return rewritePhone(st_.image, st_.currentRecordOffset, toCp1251(Edit1->text()), fieldText(),
                      toCp1251(Ecomment->text()));
}

void TForm2::focusAfterTyping(int cell) {
  if (cell == kLastObjectCell) cells_[kQualifierCell + 1]->setFocus();
  else if (FieldEdit* next = fieldAt(cell + 2)) next->setFocus();
}

FieldEdit* TForm2::fieldAt(int place) const {
  if (place == 0) return Edit1;
  if (place >= 1 && place <= static_cast<int>(cells_.size())) return cells_[static_cast<size_t>(place - 1)];
  if (place == static_cast<int>(cells_.size()) + 1) return Ecomment;
  return nullptr;
}

}  // namespace orbisk
