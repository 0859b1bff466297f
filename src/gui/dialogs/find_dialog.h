// The find window: a text and "Найти далее"; it stays open while the user looks at the matches.
#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace orbisk {

class FindDialog : public QDialog {
  Q_OBJECT
 public:
  // findNext is run with the text on every "Найти далее" (or Enter).
  FindDialog(QWidget* parent, std::function<void(const QString&)> findNext);

  QLineEdit* text() const { return text_; }
  QPushButton* nextButton() const { return next_; }

 private:
  QLineEdit* text_ = nullptr;
  QPushButton* next_ = nullptr;
};

}  // namespace orbisk
