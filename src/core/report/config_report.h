// The configuration report as an HTML document: the heading, the receiver settings and every
// shown expander's telephone list. Text only; printing and PDF lay it out with Qt Gui.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/image/config_image.h"

namespace orbisk {

struct ReportSource {
  QString shortName;  // as the window title shows it
  QString fullPath;
  bool saved = true;     // false: the configuration has no file yet
  bool modified = false; // changes since the last save
  QDateTime made;
  QString modelText;  // the receiver tree's root label
  // Per-slot channel type bytes from the last read (main-window state, not in the image).
  std::array<uint8_t, kSlotCount> channelTypes{};
};

// The slots the receiver tree shows, in slot order (with the paired telephone-line rule).
std::vector<int> shownSlots(const ConfigImage& img, const std::array<uint8_t, kSlotCount>& types);

// A telephone number whole: a 16-symbol number (no end mark), which the telephone list shows
// empty, reads in full; eight zero bytes (never set) read as empty.
QString wholeNumber(const uint8_t* packed8);
// Eight zero bytes: a number nobody set.
bool neverSet(const uint8_t* packed8);

// The whole report; the image itself is not changed (repairs are shown as on the display).
QString reportHtml(const ConfigImage& img, const ReportSource& src);

}  // namespace orbisk
