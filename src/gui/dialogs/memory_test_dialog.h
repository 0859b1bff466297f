// The service memory test: a warning, step 1 (the receiver fills its memory with test values),
// a power cycle of the receiver by the operator, then step 2 (the values are checked).
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "core/link/receiver.h"

class QPlainTextEdit;
class QPushButton;

namespace orbisk {

class TForm6 : public QDialog {
  Q_OBJECT
 public:
  using Step = std::function<MemoryTestResult()>;
  TForm6(Step step1, Step step2, QWidget* parent = nullptr);

  void FormActivate();  // on every showing: back to the warning and "Да"/"Нет"
  void BTpamyesClick();
  void BTpamreadClick();
  void BTpamokClick();
  void BTpamcanClick();

  void zapmemo0();  // the warning
  void zapmemo1();  // test values stored: power-cycle the receiver, then read
  void zapmemo2();  // success
  void zapmemo3();  // faulty memory
  void zapmemo4();  // no answer: the step may be repeated

  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BTpamyes = nullptr;
  QPushButton* BTpamread = nullptr;
  QPushButton* BTpamok = nullptr;
  QPushButton* BTpamcan = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void placeControls();
  void setLines(const QStringList& lines);
  void makeDefault(QPushButton* button);

  Step step1_;
  Step step2_;
};

}  // namespace orbisk
