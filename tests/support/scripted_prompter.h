// A prompter whose answers a test lines up in advance; it records everything it was asked.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "core/state/prompter.h"

namespace orbisk::test {

class ScriptedPrompter : public Prompter {
 public:
  void message(const QString& text) override { messages.append(text); }
  // The text goes with the other messages, the detail beside it.
  void messageWithDetail(const QString& text, const QString& detail) override {
    messages.append(text);
    details.append(detail);
  }
  void messageCaptioned(const QString& caption, const QString& text) override {
    messages.append(caption + QStringLiteral("|") + text);
  }
  Answer ask(const QString& text, bool withNo = true) override;
  QString openFile(const QString& startDir) override;
  QString saveFile(const QString& startDir, const QString& proposedName) override;
  QString openCsvFile(const QString&) override { return next(csvOpenChoices); }
  QString saveCsvFile(const QString&, const QString& proposedName) override {
    saveProposals.append(proposedName);
    return next(csvSaveChoices);
  }
  // PDF dialogs take their answers from saveChoices too; pdfDialogs counts them.
  QString savePdfFile(const QString& startDir, const QString& proposedName) override;

  std::deque<Answer> answers;        // default Cancel when empty
  std::deque<QString> openChoices;   // default cancelled
  std::deque<QString> saveChoices;   // default cancelled
  std::deque<QString> csvOpenChoices;  // default cancelled
  std::deque<QString> csvSaveChoices;  // default cancelled
  QStringList messages;
  QStringList details;  // of messageWithDetail, in order
  QStringList questions;
  QStringList saveProposals;
  int openDialogs = 0;
  int saveDialogs = 0;
  int pdfDialogs = 0;
  bool lastAskHadNo = true;

 private:
  static QString next(std::deque<QString>& choices) {
    if (choices.empty()) return {};
    QString s = choices.front();
    choices.pop_front();
    return s;
  }
  QString nextSaveChoice(const QString& proposedName);
};

}  // namespace orbisk::test
