// Files the usual ways: "Недавние файлы", a file named on the command line, files dropped on the
// window, and the port to start with when none is stored.
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "core/files/file_commands.h"
#include "core/files/file_texts.h"
#include "core/link/port_list.h"
#include "core/link/receiver.h"
#include "core/state/recent_files.h"
#include "gui/main_window/exchange_controller.h"
#include "gui/main_window/config_undo.h"
#include "gui/main_window/daily_work_texts.h"
#include "gui/main_window/tform1.h"

namespace orbisk {
namespace {

// Tables of telephones go to the import; anything else is offered to Open, which tells a file
// that is not a configuration.
bool isPhoneTable(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("csv") || suffix == QLatin1String("xlsx");
}

QString droppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

void TForm1::Open1Click() {
  files_.open();
  // A cancelled dialog leaves the open path of an earlier file: only a file now on screen counts.
  if (files_.lastOpen() == ReadResult::Ok && !st_.openPath.isEmpty() && st_.filePath == st_.openPath && !st_.modified)
    rememberFile(st_.filePath);
}

void TForm1::SaveMClick() {
  const bool named = st_.untitled;
  if (files_.save() && named) rememberFile(st_.filePath);
}

void TForm1::Save1Click() {
  if (files_.saveAs()) rememberFile(st_.filePath);
}

void TForm1::openNamed(const QString& path) {
  if (st_.busy || !files_.promptUnsaved()) return;
  enterFolderOf(path);
  const QString previous = st_.openPath;
  st_.openPath = path;
  if (files_.openf()) {
    st_.untitled = false;
    undo_->clear();
    obrfile();
    rememberFile(path);
    return;
  }
  st_.openPath = previous;
  const bool cannotOpen = files_.lastOpen() == ReadResult::CannotOpen;
  prompter_->message(cannotOpen ? text::kCannotOpenFile : text::kNotConfigFile);
  // A file that cannot be opened any more leaves the list.
  if (cannotOpen) {
    prefs_.writeRecentFiles(withoutRecentFile(prefs_.readRecentFiles(), path));
    fillRecentMenu();
  }
}

void TForm1::openDropped(const QString& path) {
  if (st_.busy) return;
  if (!isPhoneTable(path)) {
    openNamed(path);
    return;
  }
  st_.busy = true;
  exchange_->importPhonesFile(path);
  st_.busy = false;
}

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
  if (!droppedFile(e->mimeData()).isEmpty() && !st_.busy) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
  const QString path = droppedFile(e->mimeData());
  if (path.isEmpty()) return;
  e->acceptProposedAction();
  openDropped(path);
}

void TForm1::buildRecentMenu(QMenu* file) {
  Recent = file->addMenu(ui::kRecentFilesMenu);
  Recent->setObjectName(QStringLiteral("RecentFiles"));
  fillRecentMenu();
}

void TForm1::fillRecentMenu() {
  Recent->clear();
  const QStringList files = prefs_.readRecentFiles();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files.at(i);
    // "&1 site.rcf" opens with Alt+1; the whole path is its tool-tip.
    QAction* a = Recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    a->setToolTip(path);
    a->setData(path);
    connect(a, &QAction::triggered, this, [this, path] { openNamed(path); });
  }
  Recent->setToolTipsVisible(true);
  Recent->setEnabled(!files.isEmpty());
}

void TForm1::rememberFile(const QString& path) {
  prefs_.writeRecentFiles(withRecentFile(prefs_.readRecentFiles(), path));
  fillRecentMenu();
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
    openNamed(startFile_);
    return;
  }
  // A failed first read is forgotten: later commands do not carry its outcome.
  if (st_.portName.isEmpty() || !firstActivationRead) return;
  if (!firstActivationRead()) receiver_->link().setOutcome(LinkOutcome::Ok);
}

}  // namespace orbisk
