#include "gui/main_window/qt_prompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QCheckBox>
#include <QMessageBox>
#include <QSpacerItem>
#include <QPushButton>

#include "gui/state/main_state.h"
#include "gui/main_window/report_menu_texts.h"
#include "gui/dialogs/button_texts.h"

namespace orbisk {

namespace {

constexpr int kDetailWidth = 360;  // pixels

// Outside Windows a pattern of "*.*" misses every name without a dot, and New and Save name
// files without an extension: there "all files" is "*".
QString platformPattern(const QString& pattern) {
#ifdef Q_OS_WIN
  return pattern;
#else
  return pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
#endif
}

// Open takes any name: one typed as it stands when that file exists, else with the default
// extension added ("vqm" for configurations).
class OpenDialog : public QFileDialog {
 public:
  OpenDialog(QWidget* parent, const QString& startDir, QString suffix)
      : QFileDialog(parent, QString(), startDir), suffix_(std::move(suffix)) {}
  void accept() override {
    setDefaultSuffix(QString());
    const QStringList typed = selectedFiles();
    if (typed.isEmpty() || !QFileInfo::exists(typed.constFirst())) setDefaultSuffix(suffix_);
    QFileDialog::accept();
  }

 private:
  QString suffix_;
};

void applyFilter(QFileDialog& dlg, const QString& pipeFilter) {
  dlg.setNameFilters(qtFilterFrom(pipeFilter).split(QStringLiteral(";;")));
#ifndef Q_OS_WIN
  // Each entry carries its pattern twice ("Все файлы (*.*) (*)"); hiding the details shows the
  // program's own text and filters by the platform's pattern.
  dlg.setOption(QFileDialog::HideNameFilterDetails, true);
#endif
}

}  // namespace

QString qtFilterFrom(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString pattern = platformPattern(parts[i + 1]);
#ifdef Q_OS_WIN
    out << parts[i];
#else
    out << parts[i] + QStringLiteral(" (") + pattern + u')';
#endif
  }
  return out.join(QStringLiteral(";;"));
}

void QtPrompter::message(const QString& text) { show(kProgramTitle, text, {}); }

void QtPrompter::messageWithDetail(const QString& text, const QString& detail) { show(kProgramTitle, text, detail); }

void QtPrompter::messageCaptioned(const QString& caption, const QString& text) { show(caption, text, {}); }

void QtPrompter::show(const QString& caption, const QString& text, const QString& detail) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, parent_);
  box.setInformativeText(detail);
  // A message box is as wide as its text; a cause below a short text would wrap word by word.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()); grid && !detail.isEmpty())
    grid->addItem(new QSpacerItem(kDetailWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                  grid->columnCount());
  // The program's own button texts: Qt's Russian translation would make them "ОК" and so on.
  QPushButton* ok = box.addButton(ui::ButtonTexts::okButton(), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}

Answer QtPrompter::ask(const QString& text, bool withNo) {
  QMessageBox box(QMessageBox::Warning, ui::ButtonTexts::warningEnglishCaption(), text, QMessageBox::NoButton, parent_);
  box.addButton(ui::ButtonTexts::yesEnglishButton(), QMessageBox::YesRole);
  QPushButton* no = withNo ? box.addButton(ui::ButtonTexts::noEnglishButton(), QMessageBox::NoRole) : nullptr;
  QPushButton* cancel = box.addButton(ui::ButtonTexts::cancelEnglishButton(), QMessageBox::RejectRole);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == cancel || box.clickedButton() == nullptr) return Answer::Cancel;
  if (no && box.clickedButton() == no) return Answer::No;
  return Answer::Yes;
}

Answer QtPrompter::askRemembered(const QString& text, const QString& dontAskCaption, bool& dontAsk) {
  QMessageBox box(QMessageBox::Question, ui::ButtonTexts::warningEnglishCaption(), text, QMessageBox::NoButton,
                  parent_);
  QPushButton* yes = box.addButton(ui::ButtonTexts::yesEnglishButton(), QMessageBox::YesRole);
  QPushButton* no = box.addButton(ui::ButtonTexts::noEnglishButton(), QMessageBox::NoRole);
  box.setEscapeButton(no);
  auto* check = new QCheckBox(dontAskCaption, &box);
  box.setCheckBox(check);
  box.exec();
  dontAsk = check->isChecked();
  return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

void QtPrompter::askLater(const QString& text, std::function<void(Answer)> done) {
  auto* box = new QMessageBox(QMessageBox::Warning, ui::ButtonTexts::warningEnglishCaption(), text,
                              QMessageBox::NoButton, parent_);
  QPushButton* yes = box->addButton(ui::ButtonTexts::yesEnglishButton(), QMessageBox::YesRole);
  QPushButton* cancel = box->addButton(ui::ButtonTexts::cancelEnglishButton(), QMessageBox::RejectRole);
  box->setEscapeButton(cancel);
  box->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(box, &QMessageBox::finished, box,
                   [box, yes, done = std::move(done)] { done(box->clickedButton() == yes ? Answer::Yes : Answer::Cancel); });
  box->open();
}

QString QtPrompter::openFile(const QString& startDir) {
  return openWith(startDir, FilterTexts::fileFilter(), QStringLiteral("vqm"));
}

QString QtPrompter::saveFile(const QString& startDir, const QString& proposedName) {
  QFileDialog dlg(parent_, QString(), startDir);
  applyFilter(dlg, FilterTexts::fileFilter());
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(QStringLiteral("rcf"));
  // Replacing is asked by the save command itself, in the program's own words.
  dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
  dlg.selectFile(proposedName);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().constFirst();
}

QString QtPrompter::openCsvFile(const QString& startDir) {
  return openWith(startDir, FilterTexts::csvFileFilter(), QString());
}

QString QtPrompter::openWith(const QString& startDir, const QString& filter, const QString& suffix) {
  OpenDialog dlg(parent_, startDir, suffix);
  applyFilter(dlg, filter);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().constFirst();
}

QString QtPrompter::saveCsvFile(const QString& startDir, const QString& proposedName) {
  QFileDialog dlg(parent_, QString(), startDir);
  applyFilter(dlg, FilterTexts::csvFileFilter());
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(QStringLiteral("csv"));
  dlg.setOption(QFileDialog::DontConfirmOverwrite, true);  // asked by the export, in its own words
  dlg.selectFile(proposedName);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().constFirst();
}

QString QtPrompter::savePdfFile(const QString& startDir, const QString& proposedName) {
  QFileDialog dlg(parent_, QString(), startDir);
  dlg.setNameFilter(report_menu::ReportMenuTexts::pdfFilter());
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(QStringLiteral("pdf"));
  dlg.selectFile(proposedName);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().constFirst();
}

}  // namespace orbisk
