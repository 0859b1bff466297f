#include "gui/main_window/qt_prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "core/state/main_state.h"
#include "gui/main_window/report_menu_texts.h"

namespace orbisk {

QString qtFilterFrom(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i];
  return out.join(QStringLiteral(";;"));
}

void QtPrompter::message(const QString& text) { messageCaptioned(kProgramTitle, text); }

void QtPrompter::messageCaptioned(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent_);
  box.exec();
}

Answer QtPrompter::ask(const QString& text, bool withNo) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::NoButton, parent_);
  box.addButton(QStringLiteral("Yes"), QMessageBox::YesRole);
  QPushButton* no = withNo ? box.addButton(QStringLiteral("No"), QMessageBox::NoRole) : nullptr;
  QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == cancel || box.clickedButton() == nullptr) return Answer::Cancel;
  if (no && box.clickedButton() == no) return Answer::No;
  return Answer::Yes;
}

QString QtPrompter::openFile(const QString& startDir) {
  QFileDialog dlg(parent_, QString(), startDir, qtFilterFrom(kFileFilter));
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setDefaultSuffix(QStringLiteral("vqm"));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().constFirst();
}

QString QtPrompter::saveFile(const QString& startDir, const QString& proposedName) {
  QFileDialog dlg(parent_, QString(), startDir, qtFilterFrom(kFileFilter));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(QStringLiteral("rcf"));
  // Replacing is asked by the save command itself, in the program's own words.
  dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
  dlg.selectFile(proposedName);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().constFirst();
}

QString QtPrompter::savePdfFile(const QString& startDir, const QString& proposedName) {
  QFileDialog dlg(parent_, QString(), startDir);
  dlg.setNameFilter(report_menu::kPdfFilter);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(QStringLiteral("pdf"));
  dlg.selectFile(proposedName);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().constFirst();
}

}  // namespace orbisk
