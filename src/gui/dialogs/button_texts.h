// Button captions that several windows carry, defined once.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::ui {

class ButtonTexts {
  Q_DECLARE_TR_FUNCTIONS(ButtonTexts)

 public:
  static QString okButton() { return tr("OK"); }
  static QString cancelButton() { return tr("Отмена"); }
  static QString closeButton() { return tr("Закрыть"); }

  // The memory test's buttons, as they are set at each of its steps; the English ones, with
  // "Cancel" and the caption "Warning", are also the questions' buttons.
  static QString yesEnglishButton() { return tr("Yes"); }
  static QString noEnglishButton() { return tr("No"); }
  static QString cancelEnglishButton() { return tr("Cancel"); }
  static QString warningEnglishCaption() { return tr("Warning"); }
  static QString yesButton() { return tr("Да"); }
  static QString noButton() { return tr("Нет"); }
  static QString readButton() { return tr("Читать"); }
};

}  // namespace orbisk::ui
