// Entry rules for telephone number fields of the expander dialog.
#pragma once

#include <QValidator>

namespace orbisk {

constexpr int kSimEntryLimit = 20;  // characters the SIM number field holds

inline bool isLatinLetter(QChar c) {
  return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Catches text that arrives without typing (paste, drag and drop, input methods): Latin letters
// are dropped and, with a limit, what does not fit is cut from the text just inserted.
class NumberEntryValidator : public QValidator {
 public:
  explicit NumberEntryValidator(int limit, QObject* parent = nullptr) : QValidator(parent), limit_(limit) {}
  State validate(QString& input, int& pos) const override;

 private:
  int limit_;  // 0 = no limit
};

}  // namespace orbisk
