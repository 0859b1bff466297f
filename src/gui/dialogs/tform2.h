// The telephone record editor: one telephone of the selected expander, opened modally for Add or
// Change. On OK it packs its fields into the image itself and sets modified.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "gui/state/main_state.h"
#include "core/state/prompter.h"

class QLabel;
class QPushButton;

namespace Ui {
class TForm2;
}

namespace orbisk {

class FieldEdit;

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  TForm2(MainState& state, Prompter& prompter, QWidget* parent = nullptr);

  // Fills the fields for the editor mode: add (otobr1), change (otobr2), otherwise nothing.
  void FormActivate();
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  static constexpr int kQualifierCell = 4;  // Edit6

  void buildControls(Ui::TForm2& form);
  void arrangeControls(Ui::TForm2& form);
  void otobr1();
  void otobr2();
  void otobr3(const uint8_t* rec);
  void Button1Click();
  void Button2Click();
  bool dobav1();
  bool redact();
  // Steps shared by dobav1 and redact: empty number check, then empty cells filled in.
  bool numberGiven();
  void fillEmptyCells();
  QByteArray fieldText() const;
  void focusAfterTyping(int cell);
  // Field at a place in the order Edit1, Edit2 .. Edit14, Ecomment.
  FieldEdit* fieldAt(int place) const;

  MainState& st_;
  Prompter& prompter_;
  FieldEdit* Edit1 = nullptr;
  std::array<FieldEdit*, 13> cells_{};  // Edit2 .. Edit14, the field string in order
  FieldEdit* Ecomment = nullptr;
  std::array<QLabel*, 6> labels_{};     // Label2 .. Label6, Label1, top to bottom
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
};

}  // namespace orbisk
