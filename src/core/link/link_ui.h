// What the receiver conversations show while they run; the main window implements it.
#pragma once

#include <QString>

namespace orbisk {

class LinkUi {
 public:
  virtual ~LinkUi() = default;
  virtual void setProgressVisible(bool /*visible*/) {}  // ProgressBar1
  virtual void setProgress(int /*position*/) {}         // 0..100, only while visible
  virtual void setStatusText(const QString& /*text*/) {} // status bar panel 1
  virtual void setTimeLabels(const QString& /*label4*/, const QString& /*label5*/) {}
  virtual void repaintNow() {}
  // The view refresh, after a read has replaced the configuration.
  virtual void refreshViews() {}
  // Bytes moved so far and the total expected; a read learns its total as slot headers arrive.
  virtual void bytesMoved(long /*done*/, long /*total*/) {}
  // The same while the total is still an estimate (a read before all its slot headers came).
  virtual void bytesMovedEstimate(long done, long total) { bytesMoved(done, total); }
};

// For callers that show nothing.
class NullLinkUi : public LinkUi {};

}  // namespace orbisk
