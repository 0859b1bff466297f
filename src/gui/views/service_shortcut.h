// The hidden key sequence typed on "Русский язык" that opens the memory test dialog.
#pragma once

#include <QChar>

#include "gui/state/main_state.h"

namespace orbisk {

// Three digits nobody types on a check box by accident. Change them here and nowhere else.
inline constexpr char16_t kServiceDigit1 = u'7';
inline constexpr char16_t kServiceDigit2 = u'3';
inline constexpr char16_t kServiceDigit3 = u'1';

// Advances the sequence by one typed character; true when the memory test dialog is due.
// After a completed sequence the state stays SecondSeen, so the third digit alone opens it again.
bool serviceKey(ServiceSequence& state, QChar key);

}  // namespace orbisk
