#include "support/scripted_prompter.h"

namespace orbisk::test {

Answer ScriptedPrompter::ask(const QString& text, bool withNo) {
  questions.append(text);
  lastAskHadNo = withNo;
  if (answers.empty()) return Answer::Cancel;
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

QString ScriptedPrompter::openFile(const QString&) {
  ++openDialogs;
  if (openChoices.empty()) return {};
  QString s = openChoices.front();
  openChoices.pop_front();
  return s;
}

QString ScriptedPrompter::saveFile(const QString&, const QString& proposedName) {
  ++saveDialogs;
  return nextSaveChoice(proposedName);
}

QString ScriptedPrompter::savePdfFile(const QString&, const QString& proposedName) {
  ++pdfDialogs;
  return nextSaveChoice(proposedName);
}

QString ScriptedPrompter::nextSaveChoice(const QString& proposedName) {
  saveProposals.append(proposedName);
  if (saveChoices.empty()) return {};
  QString s = saveChoices.front();
  saveChoices.pop_front();
  return s;
}

}  // namespace orbisk::test
