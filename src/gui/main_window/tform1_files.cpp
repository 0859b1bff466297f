// The window's part of files: what is dropped on it, the file named on the command line, and the
// port to start with when none is stored.
#include <QDragEnterEvent>
#include <QDropEvent>

#include "core/link/port_list.h"
#include "core/link/receiver.h"
#include "gui/main_window/files_controller.h"
#include "gui/main_window/tform1.h"
#include "gui/main_window/transfers_controller.h"

namespace orbisk {

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
  if (!FilesController::droppedFile(e->mimeData()).isEmpty() && !st_.busy) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
  const QString path = FilesController::droppedFile(e->mimeData());
  if (path.isEmpty()) return;
  e->acceptProposedAction();
  files_->openDropped(path);
}

void TForm1::chooseFirstPort(bool portStored) {
#ifndef Q_OS_WIN
  // "COM1" names nothing here; the first port that opens, or none (and no read at start).
  if (portStored && !st_.portName.isEmpty()) return;
  const QStringList ports = serialPorts ? serialPorts() : listPorts(nativePortSource(), QString()).entries;
  st_.portName = ports.isEmpty() ? QString() : ports.constFirst();
  setStatusText(0, st_.portName);
#else
  Q_UNUSED(portStored);
#endif
}

void TForm1::startWork(bool portStored) {
  chooseFirstPort(portStored);
  if (!startFile_.isEmpty()) {
    files_->openNamed(startFile_);
    return;
  }
  // A failed first read is forgotten: later commands do not carry its outcome.
  if (st_.portName.isEmpty() || !firstActivationRead) return;
  if (!firstActivationRead()) transfers_->receiver().link().setOutcome(LinkOutcome::Ok);
}

}  // namespace orbisk
