// The expander dialog: shows and edits the SIM number of the selected expander.
#pragma once

#include <QDialog>

#include "gui/state/main_state.h"
#include "core/state/prompter.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orbisk {

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  TForm3(MainState& st, Prompter& prompter, QWidget* mainWindow);

  void FormActivate();  // on every showing: place the window, refill the field
  void zapol();         // the current expander's SIM number into Edit1
  void Button1Click();  // OK: store the number
  void Button2Click();  // Cancel: the image is not touched

  QLabel* Label2 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

  // Test-call area: laid out below the shown height and kept hidden; it has no behaviour.
  QWidget* callArea = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* Button3 = nullptr;
  QPushButton* Button4 = nullptr;
  QPlainTextEdit* MemDial = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitShownPart();
  bool Edit1KeyPress(const QKeyEvent* key);  // true = the key is discarded
  bool expanderSelected() const;

  MainState& st_;
  Prompter& prompter_;
  QWidget* mainWindow_;
  QString caption_;                 // the form's title, set again with every number shown
  QSize drawn_;                     // the shown part's size as the form draws it
  QWidget* shown_ = nullptr;        // everything but the hidden test-call area
};

}  // namespace orbisk
