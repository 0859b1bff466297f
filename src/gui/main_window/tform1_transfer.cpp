// Following and stopping a conversation: bytes moved and time left beside status panel 1, the
// "Прервать" button (Escape), and the serial trace chosen in "Настройки" > "Журнал обмена...".
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

#include "core/link/link_texts.h"
#include "core/link/receiver.h"
#include "core/link/transfer_progress.h"
#include "gui/dialogs/trace_dialog.h"
#include "gui/dialogs/trace_texts.h"
#include "gui/main_window/tform1.h"

namespace orbisk {

void TForm1::buildTransferStatus() {
  TransferLabel = new QLabel(statusBar());
  TransferLabel->setObjectName(QStringLiteral("TransferLabel"));
  CancelButton = new QPushButton(text::kCancelButton, statusBar());
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  CancelButton->setShortcut(QKeySequence(Qt::Key_Escape));
  CancelButton->setFocusPolicy(Qt::NoFocus);
  // Right of panel 1, before the file path.
  // While it shows it takes the room of the file path, which a transfer does not change.
  statusBar()->insertPermanentWidget(2, TransferLabel, 1);
  statusBar()->insertPermanentWidget(3, CancelButton);
  TransferLabel->hide();
  CancelButton->hide();
}

void TForm1::wireTransferControls(QMenu* settings) {
  connect(CancelButton, &QPushButton::clicked, this, [this] { receiver_->requestAbort(); });
  // A pause keeps input out, as it always has, but the window may repaint meanwhile.
  receiver_->link().setPausePump([] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
  applyTrace(prefs_.readTrace());
  QAction* item = settings->addAction(text::kTraceMenuItem);
  item->setObjectName(QStringLiteral("NTrace"));
  item->setParent(this);
  connect(item, &QAction::triggered, this, [this] { TraceClick(); });
  buildCheckItems(settings);
}

void TForm1::showTransferControls(bool visible) {
  TransferLabel->setText(QString());
  TransferLabel->setVisible(visible);
  CancelButton->setVisible(visible);
  // The bytes and the time left must show whole at the window's drawn width: during a transfer
  // panel 1 is only as wide as its opening text, and the path gives way.
  statusPanels_[2]->setVisible(!visible);
  if (visible) {
    statusPanels_[1]->setMinimumWidth(0);
    statusPanels_[1]->setMaximumWidth(kStatusWidths[1]);
  } else {
    statusPanels_[1]->setFixedWidth(kStatusWidths[1]);
  }
}

void TForm1::showTransferProgress(long done, long total, bool estimated) {
  TransferLabel->setText(estimated ? estimatedProgressText(done, total) : transferProgressText(done, total));
}

void TForm1::applyTrace(const Preferences::Trace& trace) {
  receiver_->link().setTraceFile(trace.on ? trace.file : QString());
}

void TForm1::TraceClick() {
  if (st_.busy) return;
  TraceDialog dlg(this);
  dlg.setTrace(prefs_.readTrace());
  if (dlg.exec() != QDialog::Accepted) return;
  Preferences::Trace chosen = dlg.trace();
  if (chosen.file.isEmpty()) chosen.file = prefs_.readTrace().file;
  prefs_.writeTrace(chosen);
  applyTrace(chosen);
}

}  // namespace orbisk
