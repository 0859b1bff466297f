#include "cli/terminal_ui.h"

#include <algorithm>

#include "core/link/transfer_progress.h"

namespace orbisk::cli {
namespace {

constexpr int kBarWidth = 24;
constexpr uint32_t kRedrawMs = 200;  // a fast line would otherwise redraw for every block

}  // namespace

QString progressLine(long done, long total) {
  total = std::max(total, 1L);
  done = std::clamp(done, 0L, total);
  const int filled = static_cast<int>(done * kBarWidth / total);
  QString bar(kBarWidth, u' ');
  for (int i = 0; i < filled; ++i) bar[i] = u'=';
  if (filled < kBarWidth) bar[filled] = u'>';
  const long left = secondsLeft(done, total);
  return QStringLiteral("[%1] %2%  %3/%4 bytes  ~ %5 left")
      .arg(bar)
      .arg(done * 100 / total, 3)
      .arg(done)
      .arg(total)
      .arg(durationText(left));
}

void TerminalUi::setProgressVisible(bool visible) {
  if (!visible) clearLine();
}

void TerminalUi::setStatusText(const QString& text) {
  // After Ctrl+C the conversation fails as if the receiver went silent; that text would mislead.
  if (text.isEmpty() || (env_.interrupted && env_.interrupted())) return;
  clearLine();
  env_.err(text + u'\n');
}

void TerminalUi::setTimeLabels(const QString& receiver, const QString& computer) {
  receiverTime = receiver;
  computerTime = computer;
}

void TerminalUi::bytesMoved(long done, long total) {
  if (!env_.errorIsTerminal) return;
  const uint32_t now = env_.clock ? env_.clock->nowMs() : 0;
  if (drawnWidth_ > 0 && done < total && now - lastDrawMs_ < kRedrawMs) return;
  lastDrawMs_ = now;
  const QString line = progressLine(done, total);
  env_.err(u'\r' + line.leftJustified(drawnWidth_));
  drawnWidth_ = line.size();
}

void TerminalUi::clearLine() {
  if (drawnWidth_ == 0) return;
  env_.err(u'\r' + QString(drawnWidth_, u' ') + u'\r');
  drawnWidth_ = 0;
}

}  // namespace orbisk::cli
