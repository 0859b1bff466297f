#include "cli/cli_prompter.h"

namespace orbisk::cli {

void CliPrompter::message(const QString& text) {
  messageShown_ = true;
  env_.err(text + u'\n');
}

void CliPrompter::messageCaptioned(const QString& caption, const QString& text) {
  messageShown_ = true;
  env_.err(caption + QStringLiteral(": ") + text + u'\n');
}

Answer CliPrompter::ask(const QString& text, bool withNo) {
  if (assumeYes_) return Answer::Yes;
  if (!env_.inputIsTerminal) {
    env_.err(text + u'\n');
    declined_ = noTerminal_ = true;
    return Answer::Cancel;
  }
  env_.err(text + (withNo ? QStringLiteral(" [y/n/C] ") : QStringLiteral(" [y/N] ")));
  QString line;
  const bool got = env_.readLine && env_.readLine(line);
  if (!got) env_.err(QStringLiteral("\n"));
  const QString answer = line.trimmed().toLower();
  if (got && (answer == QLatin1String("y") || answer == QLatin1String("yes"))) return Answer::Yes;
  if (got && withNo && (answer == QLatin1String("n") || answer == QLatin1String("no"))) return Answer::No;
  declined_ = true;
  return Answer::Cancel;
}

}  // namespace orbisk::cli
