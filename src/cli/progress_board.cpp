#include "cli/progress_board.h"

#include <algorithm>

#include "cli/terminal_ui.h"

namespace orbisk::cli {
namespace {

constexpr uint32_t kRedrawMs = 200;

}  // namespace

ProgressBoard::ProgressBoard(std::function<void(const QString&)> err, bool terminal, const QStringList& labels,
                             Clock& clock)
    : err_(std::move(err)), terminal_(terminal), clock_(clock) {
  qsizetype width = 0;
  for (const QString& l : labels) width = std::max(width, l.size());
  for (const QString& l : labels) {
    labels_ << l.leftJustified(width);
    lines_ << QStringLiteral("waiting");
  }
  std::lock_guard lock(mutex_);
  if (terminal_ && !labels_.isEmpty()) redraw();
}

void ProgressBoard::setProgress(int row, long done, long total) {
  if (!terminal_) return;
  std::lock_guard lock(mutex_);
  lines_[row] = progressLine(done, total);
  if (drawn_ && clock_.nowMs() - lastDrawMs_ < kRedrawMs) return;
  redraw();
}

void ProgressBoard::finish(int row, const QString& text) {
  std::lock_guard lock(mutex_);
  lines_[row] = text;
  if (terminal_) redraw();
  else err_(labels_[row] + QStringLiteral("  ") + text + u'\n');
}

void ProgressBoard::redraw() {
  // Up to the first row, then each row cleared and written again; the cursor ends below them.
  QString out = drawn_ ? QStringLiteral("\x1b[%1A").arg(labels_.size()) : QString();
  for (qsizetype i = 0; i < labels_.size(); ++i)
    out += QStringLiteral("\r\x1b[2K") + labels_[i] + QStringLiteral("  ") + lines_[i] + u'\n';
  err_(out);
  drawn_ = true;
  lastDrawMs_ = clock_.nowMs();
}

}  // namespace orbisk::cli
