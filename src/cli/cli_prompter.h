// Message boxes and questions on a command line: messages go to standard error, a question is
// answered on the terminal, or by --yes; with neither it is declined.
#pragma once

#include "core/state/prompter.h"
#include "cli/cli_env.h"

namespace orbisk::cli {

class CliPrompter : public Prompter {
 public:
  CliPrompter(CliEnv& env, bool assumeYes) : env_(env), assumeYes_(assumeYes) {}
  void message(const QString& text) override;
  void messageCaptioned(const QString& caption, const QString& text) override;
  // y or yes is Yes (n or no is No where offered); anything else, or no terminal, is Cancel.
  Answer ask(const QString& text, bool withNo = true) override;
  QString openFile(const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&) override { return {}; }
  QString openCsvFile(const QString&) override { return {}; }
  QString saveCsvFile(const QString&, const QString&) override { return {}; }
  QString savePdfFile(const QString&, const QString&) override { return {}; }

  bool messageShown() const { return messageShown_; }
  bool declined() const { return declined_; }
  bool declinedForNoTerminal() const { return noTerminal_; }

 private:
  CliEnv& env_;
  bool assumeYes_;
  bool messageShown_ = false;
  bool declined_ = false;
  bool noTerminal_ = false;
};

}  // namespace orbisk::cli
