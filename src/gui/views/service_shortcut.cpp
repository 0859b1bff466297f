#include "gui/views/service_shortcut.h"

namespace orbisk {

bool serviceKey(ServiceSequence& state, QChar key) {
  if (key == QChar(kServiceDigit1)) {
    state = ServiceSequence::FirstSeen;
    return false;
  }
  switch (state) {
    case ServiceSequence::None:
      return false;
    case ServiceSequence::FirstSeen:
      state = key == QChar(kServiceDigit2) ? ServiceSequence::SecondSeen : ServiceSequence::None;
      return false;
    case ServiceSequence::SecondSeen:
      if (key == QChar(kServiceDigit3)) return true;
      state = ServiceSequence::None;
      return false;
  }
  return false;
}

}  // namespace orbisk
