#include "gui/dialogs/sim_number_entry.h"

namespace orbisk {

QValidator::State NumberEntryValidator::validate(QString& input, int& pos) const {
  QString kept;
  kept.reserve(input.size());
  int keptPos = 0;
  for (int i = 0; i < input.size(); ++i) {
    if (isLatinLetter(input.at(i))) continue;
    kept.append(input.at(i));
    if (i < pos) ++keptPos;
  }
  if (limit_ > 0 && kept.size() > limit_) {
    // The inserted text ends at the cursor, so the excess is cut just before it.
    const int excess = static_cast<int>(kept.size()) - limit_;
    const int from = keptPos >= excess ? keptPos - excess : 0;
    kept.remove(from, excess);
    keptPos = from;
  }
  input = kept;
  pos = keptPos;
  return Acceptable;
}

}  // namespace orbisk
