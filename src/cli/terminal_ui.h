// How conversations show on a command line: status texts on standard error, and on a terminal
// a progress bar with the bytes moved and the time left at the line speed.
#pragma once

#include <QString>
#include <cstdint>

#include "cli/cli_env.h"
#include "core/link/link_ui.h"

namespace orbisk::cli {

// "[=====>      ]  45%  59000/131088 bytes  ~ 9:59 left"; the time at 1200 baud, 120 bytes a second.
QString progressLine(long done, long total);

class TerminalUi : public LinkUi {
 public:
  explicit TerminalUi(CliEnv& env) : env_(env) {}
  void setProgressVisible(bool visible) override;
  void setStatusText(const QString& text) override;
  void setTimeLabels(const QString& receiver, const QString& computer) override;
  void bytesMoved(long done, long total) override;

  // The two time labels of the settings panel, as the last conversation left them.
  QString receiverTime;
  QString computerTime;

 private:
  void clearLine();

  CliEnv& env_;
  qsizetype drawnWidth_ = 0;
  uint32_t lastDrawMs_ = 0;
};

}  // namespace orbisk::cli
