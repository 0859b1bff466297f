#include "gui/dialogs/trace_dialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/dialogs/trace_texts.h"
#include "gui/dialogs/button_texts.h"

namespace orbisk {

TraceDialog::TraceDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TraceDialog"));
  setWindowTitle(text::TraceTexts::traceTitle());
  TraceOn = new QCheckBox(text::TraceTexts::traceOn(), this);
  TraceOn->setObjectName(QStringLiteral("TraceOn"));
  TraceFile = new QLineEdit(this);
  TraceFile->setObjectName(QStringLiteral("TraceFile"));
  TraceFile->setMinimumWidth(360);
  Browse = new QPushButton(text::TraceTexts::traceBrowse(), this);
  Browse->setObjectName(QStringLiteral("Browse"));
  Button1 = new QPushButton(ui::ButtonTexts::okButton(), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(ui::ButtonTexts::cancelButton(), this);
  Button2->setObjectName(QStringLiteral("Button2"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(TraceOn, 0, 0, 1, 3);
  grid->addWidget(new QLabel(text::TraceTexts::traceFile(), this), 1, 0);
  grid->addWidget(TraceFile, 1, 1);
  grid->addWidget(Browse, 1, 2);
  grid->addWidget(new QLabel(text::TraceTexts::traceNote(), this), 2, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  grid->addLayout(buttons, 3, 0, 1, 3);

  connect(TraceOn, &QCheckBox::toggled, TraceFile, &QWidget::setEnabled);
  connect(TraceOn, &QCheckBox::toggled, Browse, &QWidget::setEnabled);
  connect(Browse, &QPushButton::clicked, this, &TraceDialog::browse);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TraceDialog::setTrace(const Preferences::Trace& trace) {
  TraceOn->setChecked(trace.on);
  TraceFile->setText(trace.file);
  TraceFile->setEnabled(trace.on);
  Browse->setEnabled(trace.on);
}

Preferences::Trace TraceDialog::trace() const { return {TraceOn->isChecked(), TraceFile->text().trimmed()}; }

void TraceDialog::browse() {
  const QString chosen =
      QFileDialog::getSaveFileName(this, text::TraceTexts::traceTitle(), TraceFile->text(),
                                   text::TraceTexts::traceFilter(), nullptr, QFileDialog::DontConfirmOverwrite);
  if (!chosen.isEmpty()) TraceFile->setText(chosen);
}

}  // namespace orbisk
